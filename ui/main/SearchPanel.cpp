#include "ui/main/SearchPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QRadioButton>
#include <algorithm>

#include "features/search/MultipleSearchRules.h"
#include "ui/common/NativeNames.h"
#include "ui/common/PanelKit.h"
#include "ui/common/WindowLanguage.h"
#include "ui/main/frmMultiple_El_An.h"

namespace mirvo {

SearchPanel::SearchPanel(MainRules& rules, QWidget* parent)
    : QGroupBox(parent), rules_(rules), search_(rules) {
  setObjectName("fraSearch");
  auto* h = new QHBoxLayout(this);
  cmdSearch = Button("cmdSearch");
  optNext = Named(new QRadioButton, "optNext");
  optPrevious = Named(new QRadioButton, "optPrevious");
  nextPreviousGroup_ = OptionPair(this, optNext, optPrevious, this, [this](bool next) {
    rules_.SetSearchNext(next);
    Q_EMIT directionChosen();
  });
  cboTarget = Combo("cboTarget");
  cboFestival = Combo("cboFestival");
  cboFestival->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cboFestival->setMinimumContentsLength(12);
  lblSearching = Named(new QLabel, "lblSearching");
  // A long search text is cut at the window's edge rather than widening the window, and the row
  // keeps its arrangement while the label is hidden.
  lblSearching->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  KeepPlace(lblSearching);
  h->addWidget(cmdSearch);
  h->addWidget(optNext);
  h->addWidget(optPrevious);
  h->addWidget(cboTarget);
  h->addWidget(cboFestival);
  h->addWidget(lblSearching, 1);
  connect(cboTarget, &QComboBox::currentIndexChanged, this, &SearchPanel::TargetChosen);
  connect(cmdSearch, &QPushButton::clicked, this, &SearchPanel::cmdSearch_Click);
  connect(cboFestival, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) rules_.SetSearchFestival(S(cboFestival->itemData(index).toString()));
  });
  search_.SetSearchingLabel([this](const std::string& text, bool visible) { ShowSearching(text, visible); });
  Retranslate();
}

void SearchPanel::Retranslate() {
  setTitle(tr("Search"));
  cmdSearch->setText(tr("Search for"));
  optNext->setText(tr("next"));
  optPrevious->setText(tr("previous"));
  const QSignalBlocker block(cboTarget);
  const auto targets = SearchTargets();
  for (int t = 0; t < cboTarget->count() && t < static_cast<int>(targets.size()); ++t) {
    cboTarget->setItemText(t, TranslateText("Tables", targets[static_cast<size_t>(t)].text));
  }
  ShowTargetTexts();
}

void SearchPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QGroupBox::changeEvent(event);
}

void SearchPanel::FillTargets() {
  const QSignalBlocker block(cboTarget);
  cboTarget->clear();
  for (const auto& t : SearchTargets()) cboTarget->addItem(TranslateText("Tables", t.text), t.data);
}

// The searches write English progress ("Searching . . ."); its first word is shown in the
// window's language.
QString SearchPanel::SearchingText(const std::string& text) {
  const std::string_view word = std::string_view(kSearchingText).substr(0, 9);  // "Searching"
  if (text.compare(0, word.size(), word) != 0) return Q(text);
  return tr("Searching") + Q(std::string_view(text).substr(word.size()));
}

void SearchPanel::ShowFestivals() {
  const QSignalBlocker block(cboFestival);
  cboFestival->clear();
  const Country country = rules_.settings().country;
  if (const FestivalCountry* c = rules_.festivals().Country(country)) {
    for (const Festival& f : c->festivals) cboFestival->addItem(Q(f.name(WindowLanguage())), Q(f.id));
  }
  const std::string chosen = ChosenFestival(rules_.festivals(), country, rules_.settings());
  cboFestival->setCurrentIndex(std::max(0, cboFestival->findData(Q(chosen))));
  cboFestival->setVisible(rules_.settings().searchTarget == kTargetFestival);
}

void SearchPanel::ShowTargetTexts() {
  ShowFestivals();
  const EntryModel& e = rules_.entry();
  const QSignalBlocker block(cboTarget);
  for (int t = kFirstElementAnimalTarget; t <= kLastElementAnimalTarget && t < cboTarget->count(); ++t) {
    const bool chosen = t == rules_.settings().searchTarget;
    cboTarget->setItemText(
        t, ElementAnimalTargetText(t, chosen ? e.element : kNoElementEntry,
                                   chosen ? e.animal : kNoAnimalEntry, rules_.settings().country));
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

void SearchPanel::SetSearchingText(const std::string& text) { lblSearching->setText(SearchingText(text)); }

// Repainted at once: the searches of this row run to their end without serving the event loop.
void SearchPanel::ShowSearching(const std::string& text, bool visible) {
  lblSearching->setText(SearchingText(text));
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
  const SearchOutcome outcome = search_.Search().outcome;
  Q_EMIT searched();
  if (outcome == SearchOutcome::kMultipleWindow) OpenMultipleWindow();
}

// Loaded at its first use and only hidden afterwards, so that its conditions stay.
void SearchPanel::OpenMultipleWindow() {
  if (!multiple_) {
    multiple_ = new frmMultiple_El_An(rules_, window());
    multiple_->searchingLabel = [this](const std::string& text, bool visible) {
      lblSearching->setText(SearchingText(text));
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
