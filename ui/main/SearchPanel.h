// The Search group of the main window: "Search for", next or previous, the target list (whose
// element-animal entries name the chosen element and animal) and the searching label. The
// choices go straight into the main rules' settings record.
#pragma once

#include <QGroupBox>

#include "ui/main/MainRules.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mirvo {

class SearchPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SearchPanel(MainRules& rules, QWidget* parent = nullptr);

  void FillTargets();
  // The animal words of the element-animal targets in the country's names.
  void SetTargetAnimalNames(int country);
  void ShowSettings();  // the Search choices of the settings record
  void SetSearchingText(const std::string& text);

  QPushButton* searchButton() const { return cmdSearch; }

 Q_SIGNALS:
  void directionChosen();  // the focus goes back to where the user continues

 private:
  MainRules& rules_;
  QPushButton* cmdSearch = nullptr;
  QRadioButton* optNext = nullptr;
  QRadioButton* optPrevious = nullptr;
  QButtonGroup* nextPreviousGroup_ = nullptr;
  QComboBox* cboTarget = nullptr;
  QLabel* lblSearching = nullptr;
};

}  // namespace mirvo
