#include "ui/main/frmMultiple_El_An.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/search/MultipleSearchRules.h"
#include "features/session/MainRules.h"
#include "ui/common/NativeNames.h"
#include "ui/common/PanelKit.h"
#include "ui/common/SliceTimer.h"
#include "ui/common/WindowLanguage.h"

namespace mirvo {

namespace {

// A slice of the search between two turns of the event loop: short enough that Stop and the
// window answer at once, long enough that the loop costs nothing beside it.
constexpr auto kSliceTime = std::chrono::milliseconds(15);
constexpr long kPassesBetweenClockReadings = 64;

int TwipsToPixels(const QWidget* w, int twips) { return twips * w->logicalDpiX() / 1440; }

// The element list of a row. English reads the month and year rows as a phrase before the animal
// ("in a fire"); the other languages list the elements by their names.
QStringList RowElementEntries(int row, int animal) {
  if (WindowLanguage() != Language::kEnglish) return ElementListEntries();
  QStringList list;
  for (const auto& e : MultipleElementEntries(row, animal)) list << Q(e);
  return list;
}

void SetListTexts(QComboBox* box, const QStringList& texts) {
  const QSignalBlocker block(box);
  if (box->count() != texts.size()) {
    const int chosen = box->currentIndex();
    box->clear();
    box->addItems(texts);
    box->setCurrentIndex(chosen);
    return;
  }
  for (int i = 0; i < texts.size(); ++i) box->setItemText(i, texts[i]);
}

}  // namespace

frmMultiple_El_An::frmMultiple_El_An(MainRules& rules, QWidget* mainWindow)
    : QDialog(mainWindow), rules_(rules), mainWindow_(mainWindow) {
  setObjectName("frmMultiple_El_An");
  setWindowModality(Qt::ApplicationModal);

  auto* v = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (int row = 0; row < 3; ++row) {
    cboElement[static_cast<size_t>(row)] = Named(new QComboBox, ArrayName("cboElement", row));
    cboAnimal[static_cast<size_t>(row)] = Named(new QComboBox, ArrayName("cboAnimal", row));
    grid->addWidget(cboElement[static_cast<size_t>(row)], row, 0);
    grid->addWidget(cboAnimal[static_cast<size_t>(row)], row, 1);
    lblRow[static_cast<size_t>(row)] = Named(new QLabel, ArrayName("lblRow", row));
    grid->addWidget(lblRow[static_cast<size_t>(row)], row, 2);
  }
  v->addLayout(grid);
  auto* within = new QHBoxLayout;
  cboWithin = Combo("cboWithin");
  const auto entries = WithinEntries();
  for (size_t i = 0; i < entries.size(); ++i) cboWithin->addItem(QString(), kWithinYears[i]);
  cboWithin->setCurrentIndex(kDefaultWithinEntry);
  chkStartingFromToday = Check("chkStartingFromToday");
  within->addWidget(cboWithin);
  within->addWidget(chkStartingFromToday);
  within->addStretch(1);
  v->addLayout(within);
  auto* buttons = new QHBoxLayout;
  cmdSearch = Button("cmdSearch");
  cmdClear = Button("cmdClear");
  cmdClose = Button("cmdClose");
  for (QPushButton* b : {cmdSearch, cmdClear, cmdClose}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  v->addLayout(buttons);

  slices_ = new SliceTimer(kSliceTime, this);
  connect(cmdSearch, &QPushButton::clicked, this, &frmMultiple_El_An::cmdSearch_Click);
  connect(cmdClear, &QPushButton::clicked, this, &frmMultiple_El_An::cmdClear_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmMultiple_El_An::cmdClose_Click);
  auto focusSearch = [this] {
    if (isVisible()) cmdSearch->setFocus();
  };
  for (int row = 0; row < 3; ++row) {
    auto chosen = [this, row, focusSearch] {
      RowChosen(row);
      focusSearch();
    };
    connect(cboElement[static_cast<size_t>(row)], &QComboBox::currentIndexChanged, this, chosen);
    connect(cboAnimal[static_cast<size_t>(row)], &QComboBox::currentIndexChanged, this, chosen);
  }
  connect(cboWithin, &QComboBox::currentIndexChanged, this, focusSearch);
  connect(chkStartingFromToday, &QCheckBox::toggled, this, focusSearch);
  Retranslate();
}

void frmMultiple_El_An::Retranslate() {
  ShowTitle();
  const QString rows[3] = {tr("day"), tr("month"), tr("year")};
  for (size_t row = 0; row < 3; ++row) lblRow[row]->setText(rows[row]);
  RetitleList(cboWithin, WithinEntries(), "Search");
  chkStartingFromToday->setText(tr("starting from today"));
  cmdSearch->setText(search_ ? tr("Stop") : tr("Search"));
  cmdClear->setText(tr("Clear"));
  cmdClose->setText(tr("Close"));
  if (cboAnimal[0]->count() > 0) {
    const MainSettings& s = rules_.settings();
    for (int row = 0; row < 3; ++row) {
      const auto r = static_cast<size_t>(row);
      SetListTexts(cboElement[r], RowElementEntries(row, cboAnimal[r]->currentIndex()));
      SetListTexts(cboAnimal[r], AnimalListEntries(s.country));
    }
  }
}

void frmMultiple_El_An::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void frmMultiple_El_An::ShowTitle() {
  setWindowTitle(rules_.settings().searchNext ? tr("Search for the next") : tr("Search for the previous"));
}

frmMultiple_El_An::~frmMultiple_El_An() = default;

void frmMultiple_El_An::Activate() {
  ShowRows();
  if (mainWindow_) {
    const QWidget* element = mainWindow_->findChild<QWidget*>("cboElement");
    const QWidget* convert = mainWindow_->findChild<QWidget*>("fraConvert");
    const QPoint origin = mainWindow_->frameGeometry().topLeft();
    const int left = element ? element->mapTo(mainWindow_, QPoint(0, 0)).x() : 0;
    const int top = convert ? convert->mapTo(mainWindow_, QPoint(0, 0)).y() : 0;
    move(origin.x() + left + TwipsToPixels(this, 250), origin.y() + top - TwipsToPixels(this, 50));
  }
  ShowTitle();
  blnCancel = false;
  show();
  raise();
  activateWindow();
  cmdClose->setFocus();
}

// The lists from the settings record, in the country's animal names; the month and year rows read
// "in an" before the ox.
void frmMultiple_El_An::ShowRows() {
  const MainSettings& s = rules_.settings();
  for (int row = 0; row < 3; ++row) {
    const auto r = static_cast<size_t>(row);
    SetListTexts(cboElement[r], RowElementEntries(row, s.multipleAnimal[r]));
    SetListTexts(cboAnimal[r], AnimalListEntries(s.country));
    SetIndexQuietly(cboElement[r], s.multipleElement[r]);
    SetIndexQuietly(cboAnimal[r], s.multipleAnimal[r]);
  }
}

void frmMultiple_El_An::RowChosen(int row) {
  const auto r = static_cast<size_t>(row);
  const int animal = cboAnimal[r]->currentIndex();
  rules_.SetMultipleRow(row, cboElement[r]->currentIndex(), animal);
  if (row != kDayRow) {
    const QSignalBlocker block(cboElement[r]);
    cboElement[r]->setItemText(kNoElementEntry, RowElementEntries(row, animal).back());
  }
}

void frmMultiple_El_An::cmdClear_Click() {
  for (int row = 0; row < 3; ++row) rules_.SetMultipleRow(row, kNoElementEntry, kNoAnimalEntry);
  ShowRows();
}

void frmMultiple_El_An::cmdClose_Click() {
  blnCancel = true;
  HideAndHandBack();
}

void frmMultiple_El_An::HideAndHandBack() {
  hide();
  Q_EMIT hidden();
}

void frmMultiple_El_An::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!searching()) cmdClose_Click();
}

void frmMultiple_El_An::reject() {
  if (!searching()) cmdClose_Click();
}

void frmMultiple_El_An::SetSearching(bool on) {
  cmdSearch->setText(on ? tr("Stop") : tr("Search"));
  cmdClear->setEnabled(!on);
  cmdClose->setEnabled(!on);
}

void frmMultiple_El_An::cmdSearch_Click() {
  if (searching()) {
    SetSearching(false);
    blnStop = true;
    if (searchingLabel) searchingLabel("", false);
    slices_->Stop();
    EndSearch();
    return;
  }
  const ElementAnimalRows rows = RowsChosenIn(rules_.settings());
  if (!rows.AnySet()) {
    rules_.Say(kInvalidInputTitle, kNoRowSetText, MessageIcon::kWarning);
    return;
  }
  SetSearching(true);
  blnStop = false;
  fromToday_ = chkStartingFromToday->isChecked();
  within_ = cboWithin->currentData().toInt();
  Reckoner& reckoner = rules_.reckoner();
  const double start = fromToday_ ? CurrentAjd() : rules_.currentAjd();
  lngCJDN = JdnOf(CjdcFromAjd(start, reckoner.ReferenceDegrees()));
  if (searchingLabel) searchingLabel(kSearchingText, true);
  search_ = std::make_unique<MultipleElementAnimalSearch>(
      reckoner, rows, lngCJDN, rules_.settings().searchNext, within_, rules_.settings().epoch);
  slices_->Start([this](std::chrono::milliseconds budget) { return RunSlice(budget); });
}

bool frmMultiple_El_An::RunSlice(std::chrono::milliseconds budget) {
  if (!search_) return false;
  const auto end = std::chrono::steady_clock::now() + budget;
  while (!search_->Run(kPassesBetweenClockReadings) && std::chrono::steady_clock::now() < end) {}
  lngCJDN = search_->day();
  if (!search_->ended()) {
    if (searchingLabel && !search_->progressText().empty()) searchingLabel(search_->progressText(), true);
    return true;
  }
  slices_->Stop();
  EndSearch();
  return false;
}

// The end of a search that found a day, reached its limit or was stopped.
void frmMultiple_El_An::EndSearch() {
  const bool notFound = search_->notFound(), rangeEnded = search_->rangeEnded();
  lngCJDN = search_->day();
  search_.reset();
  if (searchingLabel) searchingLabel("", !blnStop);
  if (!blnStop && notFound) {
    const NotFoundCase search{within_, fromToday_, rangeEnded, rules_.settings().searchNext};
    rules_.Say(kNotFoundTitle, NotFoundText(search), MessageIcon::kNone);
    blnCancel = true;
  }
  SetSearching(false);
  if (blnStop) {
    blnStop = false;
    return;
  }
  HideAndHandBack();
}

}  // namespace mirvo
