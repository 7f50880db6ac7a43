// The common file dialogs on Qt.
#pragma once

#include <QString>

#include "platform/services/FileDialogs.h"

class QWidget;

namespace mirvo {

// "PNG graphics file (*.png) | *.png" as Qt writes filters: "PNG graphics file (*.png)"; pairs
// are joined by ";;", and a description without its pattern gets it in brackets.
QString QtFilterOf(const std::string& filter);

// The user's pictures or documents folder; the home folder when there is none.
QString StartFolderPath(StartFolder folder);

// QFileDialog; a name typed without an extension gets the first pattern's ("*.png": ".png").
class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::string SaveFileName(const std::string& title, const std::string& filter, const std::string& fileName,
                           StartFolder folder) override;

 private:
  QWidget* parent_;
};

}  // namespace mirvo
