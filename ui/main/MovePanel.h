// The Move group of the main window: the step, its direction, "repeatedly", "One day", keep 30th
// and keep leap, and the Stop / Pause / refresh-period frame of a repeated run. The choices go
// straight into the main rules' settings record.
#pragma once

#include <QGroupBox>
#include <array>

#include "ui/main/MainRules.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace mirvo {

class MovePanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit MovePanel(MainRules& rules, QWidget* parent = nullptr);

  void FillLists(int country);
  void SetStepNames(int country);  // steps 14 and 15 name the country's zone
  // The Move choices of the settings record.
  void ShowSettings();

  void TakeFocus();  // on Move when it is shown and enabled, else nowhere
  QPushButton* moveButton() const { return cmdMove; }
  QPushButton* pauseResumeButton() const { return cmdPauseResume; }

 Q_SIGNALS:
  void directionChosen();  // the focus goes back to where the user continues


 private:
  MainRules& rules_;
  QPushButton* cmdMove = nullptr;
  std::array<QRadioButton*, 2> optMoveDirection{};
  QButtonGroup* directionGroup_ = nullptr;
  QComboBox* cboMoveStep = nullptr;
  QCheckBox* chkRepeatedly = nullptr;
  QPushButton* cmdMoveOneDay = nullptr;
  QCheckBox* chkKeep30th = nullptr;
  QCheckBox* chkKeepLeap = nullptr;
  QGroupBox* fraStopPauseResume = nullptr;
  QPushButton* cmdStop = nullptr;
  QPushButton* cmdPauseResume = nullptr;
  QComboBox* cboRefreshPeriod = nullptr;
};

}  // namespace mirvo
