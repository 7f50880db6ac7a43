#include "ui/main/SearchPanel.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "ui/main/PanelKit.h"

namespace mirvo {

SearchPanel::SearchPanel(MainRules& rules, QWidget* parent) : QGroupBox("Search", parent), rules_(rules) {
  setObjectName("fraSearch");
  auto* h = new QHBoxLayout(this);
  cmdSearch = Button("cmdSearch", "Search for");
  optNext = Named(new QRadioButton("next"), "optNext");
  optPrevious = Named(new QRadioButton("previous"), "optPrevious");
  nextPreviousGroup_ = OptionPair(this, optNext, optPrevious, this, [this](bool next) {
    rules_.SetSearchNext(next);
    Q_EMIT directionChosen();
  });
  cboTarget = Combo("cboTarget");
  lblSearching = Named(new QLabel, "lblSearching");
  h->addWidget(cmdSearch);
  h->addWidget(optNext);
  h->addWidget(optPrevious);
  h->addWidget(cboTarget);
  h->addWidget(lblSearching, 1);
  connect(cboTarget, &QComboBox::currentIndexChanged, this, [this](int t) { rules_.SetSearchTarget(t); });
}

void SearchPanel::FillTargets() {
  const QSignalBlocker block(cboTarget);
  cboTarget->clear();
  for (const auto& t : SearchTargets()) cboTarget->addItem(Q(t.text), t.data);
}

void SearchPanel::SetTargetAnimalNames(int country) {
  const QSignalBlocker block(cboTarget);
  for (int t = kFirstElementAnimalTarget; t <= kLastElementAnimalTarget; ++t) {
    cboTarget->setItemText(t, Q(ApplyCountryTargetNames(S(cboTarget->itemText(t)), country)));
  }
}

void SearchPanel::ShowSettings() {
  const MainSettings& s = rules_.settings();
  {
    const QSignalBlocker block(nextPreviousGroup_);
    (s.searchNext ? optNext : optPrevious)->setChecked(true);
  }
  HighlightOptionPair(nextPreviousGroup_);
  SetIndexQuietly(cboTarget, s.searchTarget);
}

void SearchPanel::SetSearchingText(const std::string& text) { lblSearching->setText(Q(text)); }

}  // namespace mirvo
