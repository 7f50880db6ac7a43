// The Move group of the main window: the step, its direction, "repeatedly", "one day", keep 30th
// and keep leap, and the Stop / Pause / refresh-period frame of a repeated run. The choices go
// straight into the main rules' settings record; the steps and the run are the move rules', and
// the panel's clock paces a run: one step per tick, nothing at all between ticks or while paused.
#pragma once

#include <QGroupBox>
#include <array>

#include "features/move/MoveRules.h"
#include "features/session/MainRules.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace mirvo {

class MovePanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit MovePanel(MainRules& rules, QWidget* parent = nullptr);

  void FillLists(Country country);
  void SetStepNames(Country country);  // steps 14 and 15 name the country's zone
  // The Move choices of the settings record.
  void ShowSettings();
  // The keep boxes for the lunar date shown; during a run they keep what they had at its start.
  void UpdateKeepBoxes();

  void TakeFocus();  // on Move when it is shown and enabled, else nowhere
  QPushButton* moveButton() const { return cmdMove; }
  QPushButton* pauseResumeButton() const { return cmdPauseResume; }
  QPushButton* stopButton() const { return cmdStop; }
  MoveRules& moveRules() { return move_; }
  bool paused() const { return move_.state() == RunState::kPaused; }
  // The clock's interval is the chosen period times scale (1 in the program; tests run faster).
  void SetClockScale(double scale) { clockScale_ = scale; }

 Q_SIGNALS:
  // After it: the window shows the entry again (the boxes are emptied once a date is adopted).
  void entryChanged();
  // A repeated move starts or ends: the window offers only Stop, Pause, the period and Quit.
  void runningChanged(bool running);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void cmdMove_Click();
  void cmdMoveOneDay_Click();
  void cmdStop_Click();
  void cmdPauseResume_Click();
  void RefreshPeriodChosen(int index);
  void StartRun();
  void MakeStep();  // one step of the command; ends it when the rules say so
  void EndOfCommand();
  void SetRowEnabled(bool enabled);
  void SetPeriodEnabled(bool enabled);
  int ClockInterval() const;

  MainRules& rules_;
  MoveRules move_;
  QTimer* Clock = nullptr;
  double clockScale_ = 1;
  bool stepping_ = false;  // a step is being made (a message box of it may be open)
  bool runShown_ = false;  // the controls are set for a run
  QPushButton* cmdMove = nullptr;
  std::array<QRadioButton*, 2> optMoveDirection{};
  QButtonGroup* directionGroup_ = nullptr;
  QLabel* lblOne = nullptr;
  QComboBox* cboMoveStep = nullptr;
  QCheckBox* chkRepeatedly = nullptr;
  QPushButton* cmdMoveOneDay = nullptr;
  QCheckBox* chkKeep30th = nullptr;
  QCheckBox* chkKeepLeap = nullptr;
  QGroupBox* fraStopPauseResume = nullptr;
  QPushButton* cmdStop = nullptr;
  QPushButton* cmdPauseResume = nullptr;
  QLabel* lblRefreshPeriod = nullptr;
  QComboBox* cboRefreshPeriod = nullptr;
};

}  // namespace mirvo
