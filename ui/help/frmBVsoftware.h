// The maker's catalogue: the programs with a short description each; a button opens the page of
// the selected one through the window that owns the catalogue.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QLabel;
class QPushButton;

namespace mirvo {

struct CatalogueEntry {
  std::string title;
  std::string description;
  std::string address;
};

// The programs listed (this one only, for now); `projectPage` is its page.
std::vector<CatalogueEntry> CatalogueEntries(const std::string& projectPage);

class frmBVsoftware : public QWidget {
  Q_OBJECT

 public:
  frmBVsoftware(std::function<void(const std::string&)> openPage, const std::string& projectPage,
                QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void ShowEntry(int row);
  std::vector<CatalogueEntry> entries_;
  std::function<void(const std::string&)> openPage_;
  QListWidget* list_ = nullptr;
  QLabel* description_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace mirvo
