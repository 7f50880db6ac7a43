#include "ui/main/MovePanel.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/main/PanelKit.h"

namespace mirvo {

MovePanel::MovePanel(MainRules& rules, QWidget* parent) : QGroupBox("Move", parent), rules_(rules) {
  setObjectName("fraMove");
  auto* v = new QVBoxLayout(this);
  auto* line1 = new QHBoxLayout;
  cmdMove = Button("cmdMove", "Move");
  optMoveDirection[0] = Named(new QRadioButton("forward"), "optMoveDirection_0");
  optMoveDirection[1] = Named(new QRadioButton("back"), "optMoveDirection_1");
  directionGroup_ = OptionPair(this, optMoveDirection[0], optMoveDirection[1], this,
                               [this](bool forward) {
                                 rules_.SetMoveForward(forward);
                                 Q_EMIT directionChosen();
                               });
  cboMoveStep = Combo("cboMoveStep");
  chkRepeatedly = Check("chkRepeatedly", "repeatedly");
  line1->addWidget(cmdMove);
  line1->addWidget(optMoveDirection[0]);
  line1->addWidget(optMoveDirection[1]);
  line1->addWidget(Caption("1"));
  line1->addWidget(cboMoveStep);
  line1->addWidget(chkRepeatedly);
  line1->addStretch(1);
  v->addLayout(line1);

  auto* line2 = new QHBoxLayout;
  cmdMoveOneDay = Button("cmdMoveOneDay", "One day");
  chkKeep30th = Check("chkKeep30th", "keep 30th");
  chkKeepLeap = Check("chkKeepLeap", "keep leap");
  fraStopPauseResume = Named(new QGroupBox, "fraStopPauseResume");
  fraStopPauseResume->setFlat(true);
  auto* spr = new QHBoxLayout(fraStopPauseResume);
  spr->setContentsMargins(0, 0, 0, 0);
  cmdStop = Button("cmdStop", "Stop");
  cmdPauseResume = Button("cmdPauseResume", "Pause");
  cboRefreshPeriod = Combo("cboRefreshPeriod");
  spr->addWidget(cmdStop);
  spr->addWidget(cmdPauseResume);
  spr->addWidget(Named(new QLabel("Refresh period (s)"), "lblRefreshPeriod"));
  spr->addWidget(cboRefreshPeriod);
  line2->addWidget(cmdMoveOneDay);
  line2->addWidget(chkKeep30th);
  line2->addWidget(chkKeepLeap);
  line2->addStretch(1);
  line2->addWidget(fraStopPauseResume);
  v->addLayout(line2);

  connect(cboMoveStep, &QComboBox::currentIndexChanged, this, [this](int i) { rules_.SetMoveStep(i); });
  connect(chkRepeatedly, &QCheckBox::toggled, this, [this](bool on) { rules_.SetRepeatedly(on); });
  connect(cboRefreshPeriod, &QComboBox::currentIndexChanged, this,
          [this](int i) { rules_.SetRefreshPeriod(i); });
}

void MovePanel::FillLists(int country) {
  FillList(cboMoveStep, MoveStepEntries(country));
  FillList(cboRefreshPeriod, RefreshPeriodEntries());
}

void MovePanel::SetStepNames(int country) {
  const CountryInfo& info = CountryOf(country);
  const QSignalBlocker block(cboMoveStep);
  cboMoveStep->setItemText(14, Q(info.moveStep14));
  cboMoveStep->setItemText(15, Q(info.moveStep15));
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
}

}  // namespace mirvo
