// The Search group of the main window: "Search for", next or previous, the target list (whose
// element-animal entries name the chosen element and animal) and the searching label. The
// choices go straight into the main rules' settings record; the searches are the search rules',
// and the multiple element-animal targets open their own window.
#pragma once

#include <QGroupBox>

#include "features/search/SearchRules.h"
#include "features/session/MainRules.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mirvo {

class frmMultiple_El_An;

class SearchPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SearchPanel(MainRules& rules, QWidget* parent = nullptr);

  void FillTargets();
  // The texts of the element-animal targets: the chosen one names the element and animal of the
  // entry (in the country's animal names), the others are plain.
  void ShowTargetTexts();
  void SetTargetAnimalNames(Country) { ShowTargetTexts(); }
  void ShowSettings();  // the Search choices of the settings record
  void SetSearchingText(const std::string& text);
  // An element or animal was chosen in the entry boxes (already collected into the entry).
  void ElementAnimalChosen();

  QPushButton* searchButton() const { return cmdSearch; }
  // The multiple element-animal window, once it has been used.
  frmMultiple_El_An* multipleWindow() const { return multiple_; }

 Q_SIGNALS:
  void directionChosen();  // the focus goes back to where the user continues
  void searched();         // the instant, the entry or the display switches may have changed

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  static QString SearchingText(const std::string& text);
  void cmdSearch_Click();
  void TargetChosen(int target);
  void OpenMultipleWindow();
  void ShowSearching(const std::string& text, bool visible);
  // The festivals of the country in the window's language, shown for the festival target only.
  void ShowFestivals();

  MainRules& rules_;
  SearchRules search_;
  QPushButton* cmdSearch = nullptr;
  QRadioButton* optNext = nullptr;
  QRadioButton* optPrevious = nullptr;
  QButtonGroup* nextPreviousGroup_ = nullptr;
  QComboBox* cboTarget = nullptr;
  QComboBox* cboFestival = nullptr;
  QLabel* lblSearching = nullptr;
  frmMultiple_El_An* multiple_ = nullptr;
};

}  // namespace mirvo
