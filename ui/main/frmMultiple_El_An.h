// The window of the multiple element-animal search: an element and an animal for the day, the
// lunar month and the lunar year, how many years to search, and from today or from the current
// instant. It is modal over the main window and hidden, not closed, after a search, so that its
// conditions stay (they live in the main rules' settings record). The search runs in slices from
// the event loop, so that Stop and the rest of the window answer while it goes.
#pragma once

#include <QDialog>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace mirvo {

class MainRules;
class MultipleElementAnimalSearch;
class SliceTimer;

class frmMultiple_El_An : public QDialog {
  Q_OBJECT

 public:
  explicit frmMultiple_El_An(MainRules& rules, QWidget* mainWindow);
  ~frmMultiple_El_An() override;

  // Shows the window over the main window: its place beside the main window's element list, the
  // caption of the direction chosen there, the conditions of the settings record, the focus on
  // Close.
  void Activate();
  // The main window's searching label: its text and whether it is shown.
  std::function<void(const std::string& text, bool visible)> searchingLabel;

  // Read by the event search when the window hides.
  int32_t lngCJDN = 0;     // the start day of a search, then the day found
  bool blnCancel = false;  // closed without a day (Close, or nothing found)
  bool blnStop = false;    // the user stopped the running search
  bool searching() const { return search_ != nullptr; }

 Q_SIGNALS:
  void hidden();  // the window handed its values back

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void reject() override;  // Escape: as Close, while no search runs

 private:
  void Retranslate();
  void ShowTitle();
  void cmdSearch_Click();
  void cmdClear_Click();
  void cmdClose_Click();
  void RowChosen(int row);
  void ShowRows();
  bool RunSlice(std::chrono::milliseconds budget);
  void EndSearch();
  void SetSearching(bool on);
  void HideAndHandBack();

  MainRules& rules_;
  QWidget* mainWindow_;
  std::array<QComboBox*, 3> cboElement{};
  std::array<QComboBox*, 3> cboAnimal{};
  std::array<QLabel*, 3> lblRow{};
  QComboBox* cboWithin = nullptr;
  QCheckBox* chkStartingFromToday = nullptr;
  QPushButton* cmdSearch = nullptr;
  QPushButton* cmdClear = nullptr;
  QPushButton* cmdClose = nullptr;
  SliceTimer* slices_ = nullptr;
  std::unique_ptr<MultipleElementAnimalSearch> search_;
  bool fromToday_ = false;  // of the running search
  int within_ = 100;
};

}  // namespace mirvo
