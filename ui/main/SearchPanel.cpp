#include "ui/main/SearchPanel.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "ui/common/PanelKit.h"
#include "ui/main/frmMultiple_El_An.h"

namespace mirvo {

SearchPanel::SearchPanel(MainRules& rules, QWidget* parent)
    : QGroupBox("Search", parent), rules_(rules), search_(rules) {
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
  // A long search text is cut at the window's edge rather than widening the window, and the row
  // keeps its arrangement while the label is hidden.
  lblSearching->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  KeepPlace(lblSearching);
  h->addWidget(cmdSearch);
  h->addWidget(optNext);
  h->addWidget(optPrevious);
  h->addWidget(cboTarget);
  h->addWidget(lblSearching, 1);
  connect(cboTarget, &QComboBox::currentIndexChanged, this, &SearchPanel::TargetChosen);
  connect(cmdSearch, &QPushButton::clicked, this, &SearchPanel::cmdSearch_Click);
  search_.SetSearchingLabel([this](const std::string& text, bool visible) { ShowSearching(text, visible); });
}

void SearchPanel::FillTargets() {
  const QSignalBlocker block(cboTarget);
  cboTarget->clear();
  for (const auto& t : SearchTargets()) cboTarget->addItem(Q(t.text), t.data);
}

void SearchPanel::ShowTargetTexts() {
  const EntryModel& e = rules_.entry();
  const QSignalBlocker block(cboTarget);
  for (int t = kFirstElementAnimalTarget; t <= kLastElementAnimalTarget && t < cboTarget->count(); ++t) {
    const bool chosen = t == rules_.settings().searchTarget;
    const std::string text = BuildElementAnimalTargetText(t, chosen ? e.element : kNoElementEntry,
                                                          chosen ? e.animal : kNoAnimalEntry, rules_.settings().country);
    cboTarget->setItemText(t, Q(text));
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
  ShowTargetTexts();
}

void SearchPanel::SetSearchingText(const std::string& text) { lblSearching->setText(Q(text)); }

// Repainted at once: the searches of this row run to their end without serving the event loop.
void SearchPanel::ShowSearching(const std::string& text, bool visible) {
  lblSearching->setText(Q(text));
  lblSearching->setVisible(visible);
  if (visible) lblSearching->repaint();
}

// The element and animal lists are kept only for the element-animal targets (or a "?" lunar
// entry); the chosen target names them.
void SearchPanel::TargetChosen(int target) {
  rules_.SetSearchTarget(target);
  if (!window()->isVisible()) return;
  UpdateElementAnimalControls(rules_.entry());
  ShowTargetTexts();
  Q_EMIT searched();
  (cmdSearch->isEnabled() ? cmdSearch : window()->findChild<QPushButton*>("cmdHelp"))->setFocus();
}

void SearchPanel::ElementAnimalChosen() {
  if (!IsElementAnimalTarget(rules_.settings().searchTarget)) return;
  ShowTargetTexts();
  QPushButton* now = window()->findChild<QPushButton*>("cmdNow");
  (cmdSearch->isEnabled() || !now ? cmdSearch : now)->setFocus();
}

void SearchPanel::cmdSearch_Click() {
  const SearchOutcome outcome = search_.Search();
  Q_EMIT searched();
  if (outcome == SearchOutcome::kMultipleWindow) OpenMultipleWindow();
}

// Loaded at its first use and only hidden afterwards, so that its conditions stay.
void SearchPanel::OpenMultipleWindow() {
  if (!multiple_) {
    multiple_ = new frmMultiple_El_An(rules_, window());
    multiple_->searchingLabel = [this](const std::string& text, bool visible) {
      lblSearching->setText(Q(text));
      lblSearching->setVisible(visible);
    };
    connect(multiple_, &frmMultiple_El_An::hidden, this, [this] {
      search_.FinishMultiple(multiple_->blnCancel, multiple_->lngCJDN);
      Q_EMIT searched();
    });
  }
  multiple_->Activate();
}

}  // namespace mirvo
