#include "ui/data/frmData.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <exception>

#include "core/chinese/Reckoner.h"
#include "features/export/CalendarExport.h"
#include "ui/common/PanelKit.h"
#include "ui/common/SliceTimer.h"

namespace mirvo {
namespace {

// One slice of a running list: long enough to do real work, short enough that Stop, Close and
// typing elsewhere are answered at once.
constexpr std::chrono::milliseconds kSlice{40};

}  // namespace

frmData::frmData(Reckoner& reckoner, Clipboard* clipboard, Messages* messages, DataWindowSources sources,
                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      reckoner_(reckoner),
      clipboard_(clipboard),
      messages_(messages),
      sources_(std::move(sources)),
      run_(reckoner),
      slices_(new SliceTimer(kSlice, this)) {
  setObjectName("frmData");
  BuildForm(this, LanguageText(11, "Copy to clipboard"), LanguageText(18, kCloseCaption),
            LanguageText(17, kYearsCaption));
  ConnectHandlers();
}

frmData::~frmData() = default;

void frmData::ConnectHandlers() {
  connect(cmdClose, &QPushButton::clicked, this, &frmData::cmdClose_Click);
  connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmData::cmdCopyToClipboard_Click);
  connect(cmdSaveICalendar, &QPushButton::clicked, this, &frmData::cmdSaveICalendar_Click);
  connect(cmdStop, &QPushButton::clicked, this, [this] { run_.Stop(); });
  connect(cmdList, &QPushButton::clicked, this, &frmData::cmdList_Click);
  connect(txbNumYears, &QLineEdit::returnPressed, this, &frmData::cmdList_Click);
  connect(txbStart, &QLineEdit::returnPressed, this, &frmData::DoTest);
  connect(txbEnd, &QLineEdit::returnPressed, this, &frmData::DoTest);
  for (QCheckBox* c : {chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames}) {
    connect(c, &QCheckBox::clicked, this, [this] { DisplayYearData(); });
  }
  for (QRadioButton* o : {optCE, optJC}) {
    connect(o, &QRadioButton::clicked, this,
            [this] { intWindow == kModeYearData ? DisplayYearData() : FinalFocus(); });
  }
  connect(chkLargeWindow, &QCheckBox::clicked, this, [this] {
    if (!isVisible()) return;
    PlaceWindow(this, sources_.mainWindow, intWindow);
    cmdClose->setFocus();
  });
  // The copy button says whether it copies the selection or everything.
  connect(txbText, &QPlainTextEdit::copyAvailable, this, [this](bool selected) {
    if (!cmdCopyToClipboard->isEnabled()) return;
    cmdCopyToClipboard->setText(selected ? LanguageText(10, "Copy selected text to clipboard")
                                         : LanguageText(11, "Copy to clipboard"));
  });
}

void frmData::Retranslate() {
  RetranslateForm();
  if (*caption_) setWindowTitle(TranslateText("Listings", caption_));
  const bool stopOffered = run_.running() && run_.longList() && listingMode_ != kModeTest;
  cmdClose->setText(stopOffered ? tr("Stop") : LanguageText(18, kCloseCaption));
  const bool selected = txbText->textCursor().hasSelection();
  cmdCopyToClipboard->setText(selected ? LanguageText(10, "Copy selected text to clipboard")
                                       : LanguageText(11, "Copy to clipboard"));
  run_.SetLanguage(WindowLanguage());  // a running list goes on in the new language
  if (run_.running())
    ShowProgress();
  else
    lblYears->setText(LanguageText(17, kYearsCaption));
}

void frmData::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

bool frmData::IsListing() const { return run_.running(); }

QString frmData::Text() const { return txbText->toPlainText(); }

void frmData::ShowForMode(const char* caption) {
  caption_ = caption;
  setWindowTitle(TranslateText("Listings", caption));
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

// ---- Listings

ListingOptions frmData::Options() const {
  ListingOptions options;
  options.julian = optJC->isChecked();
  options.majorTerms = chkIncludeMajorSolarTerms->isChecked();
  options.minorTerms = chkIncludeMinorSolarTerms->isChecked();
  options.termNames = chkDisplaySolarTermNames->isChecked();
  options.leapMonthsOnly = chkLeapMonthsOnly->isChecked();
  options.omitInvalid = chkOmitInvalidDates->isChecked();
  return options;
}

void frmData::DisplayYearData() {
  AbandonListing();
  intWindow = kModeYearData;
  PlaceWindow(this, sources_.mainWindow, intWindow);
  txbText->clear();
  cmdCopyToClipboard->setText(LanguageText(11, "Copy to clipboard"));
  ShowControlsOf(kModeYearData);
  ShowSaveButton(false);
  ShowForMode(kYearDataCaption);
  try {
    txbText->setPlainText(Q(YearDataText(reckoner_, sources_.inputs(), Options())));
  } catch (const std::exception& e) {
    if (messages_) {
      messages_->Show(LanguageText(19, kListingErrorTitle).toStdString(), e.what(), MessageIcon::kWarning,
                      MessageButtons::kOk);
    }
  }
  FinalFocus();
}

void frmData::OpenList(int mode) {
  // The number in the box belongs to the list shown before: another list starts from its own.
  if (mode != intWindow) txbNumYears->clear();
  if (mode == kModeNewYears || mode == kModeMonths) chkLargeWindow->setChecked(false);
  intWindow = mode;
  cmdList_Click();
}

void frmData::cmdList_Click() {
  if (!ListsYears(intWindow)) return;
  AbandonListing();
  std::string box = txbNumYears->text().toStdString();
  ListingOptions options = Options();
  options.years = SettleListYears(rememberedYears_, intWindow, options.leapMonthsOnly, box);
  txbNumYears->setText(Q(box));
  PrepareForList();
  ShowForMode(ListCaption(intWindow));
  StartListing(MakeList(intWindow, reckoner_, sources_.inputs(), options));
}

void frmData::PrepareForList() {
  PlaceWindow(this, sources_.mainWindow, intWindow);
  ShowControlsOf(intWindow);
  ShowSaveButton(ListSavesDates(intWindow));
  txbText->clear();
  cmdCopyToClipboard->setText(LanguageText(11, "Copy to clipboard"));
  cmdClose->setText(LanguageText(18, kCloseCaption));
}

void frmData::DoTest() {
  AbandonListing();
  intWindow = kModeTest;
  PlaceWindow(this, sources_.mainWindow, intWindow);
  ShowControlsOf(kModeTest);
  ShowSaveButton(false);
  ShowForMode(kTestCaption);
  const std::string entry = txbStart->text().toStdString();
  if (entry.empty()) {
    const auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    StartListing(std::make_unique<RandomSelfTest>(reckoner_, 1000, seed));
    return;
  }
  ParseResult parsed;
  parsed.status = kEntryNoDate;
  if (sources_.parseDate) parsed = sources_.parseDate(entry);
  TextOutput out;
  TestDateEntry(reckoner_, parsed.status, parsed.ajd, out);
  AppendText(out.text);
}

void frmData::StartListing(std::unique_ptr<Listing> listing) {
  listingMode_ = intWindow;
  ForgetListedDates();
  const bool started =
      run_.Start(std::move(listing), intWindow, LanguageText(19, kListingErrorTitle).toStdString());
  AppendText(run_.TakeText());
  if (!ShowQueuedMessages()) return;
  if (!started) {
    EndListing();
    return;
  }
  if (run_.longList()) {
    ShowProgress();
    if (listingMode_ != kModeTest) cmdClose->setText(tr("Stop"));
    if (listingMode_ == kModeMonths) chkLeapMonthsOnly->hide();
    txbText->viewport()->setCursor(Qt::BusyCursor);
  }
  slices_->Start([this](std::chrono::milliseconds budget) { return RunSlice(budget); });
}

bool frmData::RunSlice(std::chrono::milliseconds budget) {
  const bool more = run_.Step(budget);
  AppendText(run_.TakeText());
  if (!ShowQueuedMessages()) return false;
  if (!more) {
    EndListing();
    return false;
  }
  ShowProgress();
  return true;
}

// The years label of a long list tells how far it has come.
void frmData::ShowProgress() {
  if (run_.longList() && ListsYears(listingMode_)) {
    lblYears->setText(TranslateText("Listings", RunningYearsCaption(run_.yearReached())));
  }
}

// False when the window began or ended a listing while a message was shown: the caller's listing
// is then no longer the window's.
bool frmData::ShowQueuedMessages() {
  const unsigned generation = run_.generation();
  for (ListingRun::Message shown; run_.TakeMessage(shown);) {
    if (messages_) messages_->Show(shown.title, shown.text, shown.icon, MessageButtons::kOk);
    if (generation != run_.generation()) return false;
  }
  return true;
}

// The end of a listing that finished, was stopped or ended with its window.
void frmData::EndListing() {
  slices_->Stop();
  run_.End();
  AppendText(run_.TakeText());
  // What was listed, up to a stop, can be saved.
  cmdSaveICalendar->setEnabled(!run_.listed().empty());
  RestoreCaptions();
  if (listingMode_ == kModeMonths && intWindow == kModeMonths) chkLeapMonthsOnly->show();
  FinalFocus();
  Q_EMIT listingEnded();
}

// A running list that another listing replaces ends without a word.
void frmData::AbandonListing() {
  if (!run_.running()) return;
  slices_->Stop();
  run_.Abandon();
  ForgetListedDates();
  RestoreCaptions();
  Q_EMIT listingEnded();
}

void frmData::RestoreCaptions() {
  lblYears->setText(LanguageText(17, kYearsCaption));
  cmdClose->setText(LanguageText(18, kCloseCaption));
  txbText->viewport()->unsetCursor();
}

// The text of a slice goes in as one piece. The view stays on the newest lines unless the
// user has scrolled up from them; a selection is left as it is.
void frmData::AppendText(const std::string& text) {
  if (text.empty()) return;
  QScrollBar* bar = txbText->verticalScrollBar();
  const bool newest = bar->value() >= bar->maximum();
  QTextCursor end(txbText->document());
  end.movePosition(QTextCursor::End);
  end.insertText(Q(text));
  if (newest) bar->setValue(bar->maximum());
}

void frmData::FinalFocus() {
  if (isVisible()) cmdClose->setFocus();
}

// ---- Options and buttons

void frmData::SetEuropeanCalendar(char letter) {
  QRadioButton* chosen = letter == 'J' ? optJC : optCE;
  if (chosen->isChecked()) return;
  chosen->setChecked(true);
  // The year data on show follows the choice; a hidden window is not brought up for it.
  if (intWindow == kModeYearData && isVisible() && !run_.running()) DisplayYearData();
}

void frmData::cmdCopyToClipboard_Click() {
  if (!txbText->document()->isEmpty() && clipboard_) {
    const QTextCursor cursor = txbText->textCursor();
    const QString text = cursor.hasSelection() ? cursor.selection().toPlainText() : txbText->toPlainText();
    clipboard_->SetText(text.toStdString());
  }
  cmdCopyToClipboard->setText(LanguageText(11, "Copy to clipboard"));
  cmdClose->setFocus();
}

void frmData::ShowSaveButton(bool listOfDates) {
  cmdSaveICalendar->setVisible(listOfDates && sources_.fileDialogs && sources_.files && messages_);
  if (!listOfDates) ForgetListedDates();
}

void frmData::ForgetListedDates() {
  run_.ForgetListed();
  cmdSaveICalendar->setEnabled(false);
}

// The dates the list shows, under the settings it was made with, as all-day events.
void frmData::cmdSaveICalendar_Click() {
  if (run_.running() || run_.listed().empty() || !sources_.fileDialogs || !sources_.files || !messages_)
    return;
  SaveListedDates(reckoner_, run_.listed(), *sources_.fileDialogs, *sources_.files, *messages_);
  FinalFocus();
}

// While a long list runs the button reads "Stop" and only ends the list; otherwise it hides the
// window (ending any list still running).
void frmData::cmdClose_Click() {
  run_.Stop();
  txbText->viewport()->unsetCursor();
  chkLargeWindow->setChecked(false);
  if (cmdClose->text() != LanguageText(18, kCloseCaption)) {
    cmdClose->setText(LanguageText(18, kCloseCaption));
    cmdClose->setFocus();
    return;
  }
  if (run_.running()) EndListing();
  hide();
  txbNumYears->clear();
  Q_EMIT closed();
}

// The close box always closes, and with the window go the remembered numbers of years.
void frmData::closeEvent(QCloseEvent* event) {
  run_.Stop();
  if (run_.running()) EndListing();
  txbText->viewport()->unsetCursor();
  chkLargeWindow->setChecked(false);
  txbNumYears->clear();
  rememberedYears_.fill(0);
  event->accept();
  Q_EMIT closed();
}

}  // namespace mirvo
