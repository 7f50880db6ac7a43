#include "ui/main/MovePanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/PanelKit.h"

namespace mirvo {
namespace {

// A ticked box is written in white, an unticked one in grey.
void ColourByTick(QCheckBox* box) {
  SetTextColour(box, ToColor(box->isChecked() ? kHighlightColour : kDehighlightColour));
}

}  // namespace

MovePanel::MovePanel(MainRules& rules, QWidget* parent) : QGroupBox(parent), rules_(rules), move_(rules) {
  setObjectName("fraMove");
  auto* v = new QVBoxLayout(this);
  auto* line1 = new QHBoxLayout;
  cmdMove = Button("cmdMove");
  optMoveDirection[0] = Named(new QRadioButton, "optMoveDirection_0");
  optMoveDirection[1] = Named(new QRadioButton, "optMoveDirection_1");
  directionGroup_ = OptionPair(this, optMoveDirection[0], optMoveDirection[1], this, [this](bool forward) {
    rules_.SetMoveForward(forward);
    if (isVisible()) TakeFocus();
  });
  lblOne = new QLabel("1");
  cboMoveStep = Combo("cboMoveStep");
  chkRepeatedly = Check("chkRepeatedly");
  line1->addWidget(cmdMove);
  line1->addWidget(optMoveDirection[0]);
  line1->addWidget(optMoveDirection[1]);
  line1->addWidget(lblOne);
  line1->addWidget(cboMoveStep);
  line1->addWidget(chkRepeatedly);
  line1->addStretch(1);
  v->addLayout(line1);

  auto* line2 = new QHBoxLayout;
  cmdMoveOneDay = Button("cmdMoveOneDay");
  chkKeep30th = Check("chkKeep30th");
  chkKeepLeap = Check("chkKeepLeap");
  fraStopPauseResume = KeepPlace(Named(new QGroupBox, "fraStopPauseResume"));
  fraStopPauseResume->setFlat(true);
  auto* spr = new QHBoxLayout(fraStopPauseResume);
  spr->setContentsMargins(0, 0, 0, 0);
  cmdStop = Button("cmdStop");
  cmdPauseResume = Button("cmdPauseResume");
  lblRefreshPeriod = Named(new QLabel, "lblRefreshPeriod");
  cboRefreshPeriod = Combo("cboRefreshPeriod");
  spr->addWidget(cmdStop);
  spr->addWidget(cmdPauseResume);
  spr->addWidget(lblRefreshPeriod);
  spr->addWidget(cboRefreshPeriod);
  fraStopPauseResume->hide();
  line2->addWidget(cmdMoveOneDay);
  line2->addWidget(chkKeep30th);
  line2->addWidget(chkKeepLeap);
  line2->addStretch(1);
  line2->addWidget(fraStopPauseResume);
  v->addLayout(line2);
  chkKeep30th->hide();
  chkKeepLeap->hide();

  Clock = Named(new QTimer(this), "Clock");
  connect(Clock, &QTimer::timeout, this, [this] {
    if (move_.state() == RunState::kRunning) MakeStep();
  });
  connect(cmdMove, &QPushButton::clicked, this, &MovePanel::cmdMove_Click);
  connect(cmdMoveOneDay, &QPushButton::clicked, this, &MovePanel::cmdMoveOneDay_Click);
  connect(cmdStop, &QPushButton::clicked, this, &MovePanel::cmdStop_Click);
  connect(cmdPauseResume, &QPushButton::clicked, this, &MovePanel::cmdPauseResume_Click);
  connect(cboRefreshPeriod, &QComboBox::currentIndexChanged, this, &MovePanel::RefreshPeriodChosen);
  connect(cboMoveStep, &QComboBox::currentIndexChanged, this, [this](int i) {
    rules_.SetMoveStep(i);
    if (!isVisible()) return;
    UpdateKeepBoxes();
    TakeFocus();
  });
  connect(chkRepeatedly, &QCheckBox::toggled, this, [this](bool on) {
    rules_.SetRepeatedly(on);
    ColourByTick(chkRepeatedly);
    if (!isVisible()) return;
    UpdateKeepBoxes();
    TakeFocus();
  });
  connect(chkKeep30th, &QCheckBox::toggled, this, [this](bool on) {
    rules_.SetKeep30th(on);
    ColourByTick(chkKeep30th);
    if (isVisible()) TakeFocus();
  });
  connect(chkKeepLeap, &QCheckBox::toggled, this, [this](bool on) {
    rules_.SetKeepLeap(on);
    ColourByTick(chkKeepLeap);
    if (isVisible()) TakeFocus();
  });
  Retranslate();
}

void MovePanel::Retranslate() {
  setTitle(tr("Move"));
  cmdMove->setText(tr("Move"));
  optMoveDirection[0]->setText(tr("forward"));
  optMoveDirection[1]->setText(tr("back"));
  chkRepeatedly->setText(tr("repeatedly"));
  cmdMoveOneDay->setText(tr("one day"));
  chkKeep30th->setText(tr("keep 30th"));
  chkKeepLeap->setText(tr("keep leap"));
  cmdStop->setText(tr("Stop"));
  cmdPauseResume->setText(paused() ? tr("Resume") : tr("Pause"));
  lblRefreshPeriod->setText(tr("Refresh period (in seconds):"));
  RetitleList(cboMoveStep, MoveStepEntries(rules_.settings().country), "Tables");
}

void MovePanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QGroupBox::changeEvent(event);
}

void MovePanel::FillLists(Country country) {
  FillList(cboMoveStep, MoveStepEntries(country), "Tables");
  FillList(cboRefreshPeriod, RefreshPeriodEntries());
}

void MovePanel::SetStepNames(Country country) {
  RetitleList(cboMoveStep, MoveStepEntries(country), "Tables");
}

void MovePanel::TakeFocus() {
  if (cmdMove->isVisible() && cmdMove->isEnabled()) cmdMove->setFocus();
}

void MovePanel::ShowSettings() {
  const MainSettings& s = rules_.settings();
  {
    const QSignalBlocker block(directionGroup_);
    optMoveDirection[s.moveForward ? 0 : 1]->setChecked(true);
  }
  HighlightOptionPair(directionGroup_);
  SetIndexQuietly(cboMoveStep, s.moveStep);
  SetIndexQuietly(cboRefreshPeriod, s.refreshPeriod);
  SetCheckedQuietly(chkRepeatedly, s.repeatedly);
  SetCheckedQuietly(chkKeep30th, s.keep30th);
  SetCheckedQuietly(chkKeepLeap, s.keepLeap);
  for (QCheckBox* box : {chkRepeatedly, chkKeep30th, chkKeepLeap}) ColourByTick(box);
  UpdateKeepBoxes();
}

void MovePanel::UpdateKeepBoxes() {
  if (move_.repeating()) return;
  chkKeep30th->setVisible(move_.Keep30thOffered());
  chkKeepLeap->setVisible(move_.KeepLeapOffered());
  ColourByTick(chkKeep30th);
  ColourByTick(chkKeepLeap);
}

// ---------------------------------------------------------------------------------------------
// The Move command and its run

void MovePanel::cmdMove_Click() {
  const bool adopted = !move_.Begin();
  Q_EMIT entryChanged();
  if (!adopted) return;
  if (!move_.repeating()) {
    move_.Advance();
    EndOfCommand();
    return;
  }
  StartRun();
  MakeStep();  // the first step at once, the next ones on the clock
}

void MovePanel::StartRun() {
  runShown_ = true;
  Q_EMIT runningChanged(true);
  SetRowEnabled(false);
  cmdPauseResume->setText(tr("Pause"));
  SetPeriodEnabled(false);
  fraStopPauseResume->show();
  cmdStop->setFocus();
  Clock->stop();
  Clock->setInterval(ClockInterval());
  Clock->start();
}

// A message box opened by a step runs the event loop while the clock goes on ticking: those ticks
// find the step still being made and are dropped, so that steps never overlap.
void MovePanel::MakeStep() {
  if (stepping_) return;
  stepping_ = true;
  const MoveTick tick = move_.Advance();
  stepping_ = false;
  if (tick.ended) EndOfCommand();
}

void MovePanel::cmdStop_Click() {
  move_.Stop();
  EndOfCommand();
}

void MovePanel::cmdPauseResume_Click() {
  if (move_.state() == RunState::kRunning) {
    move_.Pause();
    Clock->stop();
    cmdPauseResume->setText(tr("Resume"));
    SetPeriodEnabled(true);
    cmdPauseResume->setFocus();
  } else if (move_.state() == RunState::kPaused) {
    move_.Resume();
    cmdPauseResume->setText(tr("Pause"));
    SetPeriodEnabled(false);
    Clock->setInterval(ClockInterval());
    Clock->start();
    cmdStop->setFocus();
  }
}

// The period counts at once while a run is paused; otherwise the next run takes it.
void MovePanel::RefreshPeriodChosen(int index) {
  rules_.SetRefreshPeriod(index);
  if (move_.state() != RunState::kPaused) return;
  Clock->setInterval(ClockInterval());
  cmdPauseResume->setFocus();
}

// The end of every Move command, whether a single step, a run stopped by the user, or a run ended
// by a limit or a failed step: "repeatedly" applies to one command only.
void MovePanel::EndOfCommand() {
  move_.End();
  Clock->stop();
  fraStopPauseResume->hide();
  SetCheckedQuietly(chkRepeatedly, false);
  ColourByTick(chkRepeatedly);
  if (runShown_) {
    runShown_ = false;
    SetRowEnabled(true);
    Q_EMIT runningChanged(false);
  }
  UpdateKeepBoxes();
  TakeFocus();
}

void MovePanel::cmdMoveOneDay_Click() {
  SetCheckedQuietly(chkRepeatedly, false);
  ColourByTick(chkRepeatedly);
  const bool moved = !move_.OneDay();
  UpdateKeepBoxes();
  if (moved) TakeFocus();
}

// Everything of the row but the run's own frame.
void MovePanel::SetRowEnabled(bool enabled) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{cmdMove, optMoveDirection[0], optMoveDirection[1], lblOne, cboMoveStep,
                                       chkRepeatedly, cmdMoveOneDay, chkKeep30th, chkKeepLeap}) {
    w->setEnabled(enabled);
  }
}

void MovePanel::SetPeriodEnabled(bool enabled) {
  lblRefreshPeriod->setEnabled(enabled);
  cboRefreshPeriod->setEnabled(enabled);
}

int MovePanel::ClockInterval() const {
  const double ms = RefreshPeriodMilliseconds(rules_.settings().refreshPeriod) * clockScale_;
  return std::max(1, static_cast<int>(ms));
}

}  // namespace mirvo
