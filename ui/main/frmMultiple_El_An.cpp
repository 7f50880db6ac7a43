#include "ui/main/frmMultiple_El_An.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "features/search/MultipleSearchRules.h"
#include "ui/common/PanelKit.h"
#include "ui/common/SliceTimer.h"

namespace mirvo {

namespace {

// A slice of the search between two turns of the event loop: short enough that Stop and the
// window answer at once, long enough that the loop costs nothing beside it.
constexpr auto kSliceTime = std::chrono::milliseconds(15);
constexpr long kPassesBetweenClockReadings = 64;

int TwipsToPixels(const QWidget* w, int twips) { return twips * w->logicalDpiX() / 1440; }

}  // namespace

frmMultiple_El_An::frmMultiple_El_An(MainRules& rules, QWidget* mainWindow)
    : QDialog(mainWindow), rules_(rules), mainWindow_(mainWindow) {
  setObjectName("frmMultiple_El_An");
  setWindowTitle("Search for multiple element-animal");
  setWindowModality(Qt::ApplicationModal);

  auto* v = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  static constexpr const char* kRowLabels[3] = {"day", "month", "year"};
  for (int row = 0; row < 3; ++row) {
    cboElement[static_cast<size_t>(row)] = Named(new QComboBox, ArrayName("cboElement", row));
    cboAnimal[static_cast<size_t>(row)] = Named(new QComboBox, ArrayName("cboAnimal", row));
    grid->addWidget(cboElement[static_cast<size_t>(row)], row, 0);
    grid->addWidget(cboAnimal[static_cast<size_t>(row)], row, 1);
    grid->addWidget(Named(new QLabel(kRowLabels[row]), ArrayName("lblRow", row)), row, 2);
  }
  v->addLayout(grid);
  auto* within = new QHBoxLayout;
  cboWithin = Combo("cboWithin");
  const auto entries = WithinEntries();
  for (size_t i = 0; i < entries.size(); ++i) cboWithin->addItem(Q(entries[i]), kWithinYears[i]);
  cboWithin->setCurrentIndex(kDefaultWithinEntry);
  chkStartingFromToday = Check("chkStartingFromToday", "starting from today");
  within->addWidget(cboWithin);
  within->addWidget(chkStartingFromToday);
  within->addStretch(1);
  v->addLayout(within);
  auto* buttons = new QHBoxLayout;
  cmdSearch = Button("cmdSearch", "Search");
  cmdClear = Button("cmdClear", "Clear");
  cmdClose = Button("cmdClose", "Close");
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
  setWindowTitle(QString("Search for the ") + (rules_.settings().searchNext ? "next" : "previous"));
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
    FillList(cboElement[r], MultipleElementEntries(row, s.multipleAnimal[r]));
    FillList(cboAnimal[r], AnimalEntries(s.country));
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
    cboElement[r]->setItemText(kNoElementEntry, Q(MultipleElementEntries(row, animal).back()));
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
  cmdSearch->setText(on ? "Stop" : "Search");
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
  search_ = std::make_unique<MultipleElementAnimalSearch>(reckoner, rows, lngCJDN, rules_.settings().searchNext,
                                                          within_, rules_.settings().epoch);
  slices_->Start([this](std::chrono::milliseconds budget) { return RunSlice(budget); });
}

bool frmMultiple_El_An::RunSlice(std::chrono::milliseconds budget) {
  if (!search_) return false;
  const auto end = std::chrono::steady_clock::now() + budget;
  while (!search_->Run(kPassesBetweenClockReadings) && std::chrono::steady_clock::now() < end) {
  }
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
    rules_.Say(kNotFoundTitle, NotFoundText(within_, fromToday_, rangeEnded, rules_.settings().searchNext),
               MessageIcon::kNone);
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
