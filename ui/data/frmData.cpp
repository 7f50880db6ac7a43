#include "ui/data/frmData.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <exception>

#include "core/chinese/Reckoner.h"
#include "ui/common/PanelKit.h"
#include "features/export/CalendarExport.h"
#include "util/ProgramTexts.h"

namespace mirvo {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

template <typename T>
T* Named(T* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// One slice of a running list: long enough to do real work, short enough that Stop, Close and
// typing elsewhere are answered at once.
constexpr int kSliceMilliseconds = 40;
// The pixel offsets of the placement beside the main window: the data window begins a little
// below the main window's top (under its first date rows) and ends at its bottom.
constexpr int kTopBelowMainWindow = 60;
constexpr int kLargeWindowTop = 7;
constexpr int kMinimumHeight = 200;

}  // namespace

// The text area as the listings' output: text gathered during a slice goes into the area in one
// piece. Messages wait until the step that asked for them has returned, so that no step is under
// way while a message box runs its own event loop.
class frmData::WindowOutput : public ListingOutput {
 public:
  explicit WindowOutput(frmData& window) : window_(window) {}
  void Append(std::string_view text) override { pending.append(text); }
  void Message(const std::string& title, const std::string& text, MessageIcon icon) override {
    queued.push_back({title, text, icon});
  }
  bool StopRequested() const override { return window_.stopRequest_; }
  std::string pending;
  std::vector<TextOutput::Shown> queued;

 private:
  frmData& window_;
};

frmData::frmData(Reckoner& reckoner, Clipboard* clipboard, Messages* messages,
                 DataWindowSources sources, QWidget* parent)
    : QWidget(parent, Qt::Window),
      reckoner_(reckoner),
      clipboard_(clipboard),
      messages_(messages),
      sources_(std::move(sources)),
      output_(std::make_unique<WindowOutput>(*this)) {
  setObjectName("frmData");
  BuildControls();
  ConnectHandlers();
  // Room for the longest lines of the lists; the year data with the names of the solar terms is
  // 1.3 times as wide, the European new years 1.1 times.
  const QFontMetrics fixed(txbText->font());
  normalWidth_ = std::max(fixed.horizontalAdvance(QString(66, QLatin1Char('0'))) + 60,
                          sizeHint().width());
  wideWidth_ = normalWidth_ * 13 / 10;
  mediumWidth_ = normalWidth_ * 11 / 10;
  optCE->setChecked(true);
  setMinimumHeight(kMinimumHeight);
  slices_ = new QTimer(this);
  slices_->setSingleShot(true);
  slices_->setInterval(0);
  connect(slices_, &QTimer::timeout, this, &frmData::RunSlice);
}

frmData::~frmData() = default;

void frmData::BuildControls() {
  txbText = Named(new QPlainTextEdit, "txbText");
  txbText->setReadOnly(true);
  txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  txbText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  cmdCopyToClipboard = Named(new QPushButton(LanguageText(11, "Copy to clipboard")), "cmdCopyToClipboard");
  cmdSaveICalendar = Named(new QPushButton(QString::fromUtf8(kSaveICalendarCaption)), "cmdSaveICalendar");
  cmdSaveICalendar->hide();
  cmdClose = Named(new QPushButton(LanguageText(18, kCloseCaption)), "cmdClose");
  cmdStop = Named(new QPushButton("Stop"), "cmdStop");
  cmdList = Named(new QPushButton("List"), "cmdList");
  txbNumYears = Named(new QLineEdit, "txbNumYears");
  txbNumYears->setMaximumWidth(QFontMetrics(txbNumYears->font()).horizontalAdvance("000000") + 16);
  lblYears = Named(new QLabel(LanguageText(17, kYearsCaption)), "lblYears");
  chkLargeWindow = Named(new QCheckBox("Large window"), "chkLargeWindow");
  chkIncludeMajorSolarTerms =
      Named(new QCheckBox("Include major solar terms (the Zs)"), "chkIncludeMajorSolarTerms");
  chkIncludeMinorSolarTerms =
      Named(new QCheckBox("Include minor solar terms (the Js)"), "chkIncludeMinorSolarTerms");
  chkDisplaySolarTermNames = Named(new QCheckBox("Display solar term names"), "chkDisplaySolarTermNames");
  chkLeapMonthsOnly = Named(new QCheckBox("Leap months only"), "chkLeapMonthsOnly");
  chkOmitInvalidDates = Named(new QCheckBox("Omit invalid dates"), "chkOmitInvalidDates");
  fraEuroCal = Named(new QGroupBox, "fraEuroCal");
  optCE = Named(new QRadioButton("CE"), "optCE");
  optJC = Named(new QRadioButton("JC"), "optJC");
  txbStart = Named(new QLineEdit, "txbStart");
  txbStart->setPlaceholderText("Second test: a date to test");
  txbEnd = Named(new QLineEdit, "txbEnd");
  chkIncludeMajorSolarTerms->setChecked(true);

  auto* euro = new QHBoxLayout(fraEuroCal);
  euro->setContentsMargins(4, 0, 4, 0);
  euro->addWidget(Named(new QLabel("European calendar:"), "Label1"));
  euro->addWidget(optCE);
  euro->addWidget(optJC);

  auto* row1 = new QHBoxLayout;
  row1->addWidget(cmdList);
  row1->addWidget(txbNumYears);
  row1->addWidget(lblYears);
  row1->addSpacing(12);
  row1->addWidget(chkLeapMonthsOnly);
  row1->addWidget(chkOmitInvalidDates);
  row1->addWidget(cmdStop);
  row1->addWidget(txbStart, 1);
  row1->addWidget(txbEnd, 1);
  row1->addStretch(1);
  row1->addWidget(cmdCopyToClipboard);
  row1->addWidget(cmdSaveICalendar);
  row1->addWidget(cmdClose);

  auto* row2 = new QHBoxLayout;
  row2->addWidget(chkIncludeMajorSolarTerms);
  row2->addWidget(chkIncludeMinorSolarTerms);
  row2->addStretch(1);

  auto* row3 = new QHBoxLayout;
  row3->addWidget(chkDisplaySolarTermNames);
  row3->addStretch(1);
  row3->addWidget(chkLargeWindow);
  row3->addWidget(fraEuroCal);

  auto* v = new QVBoxLayout(this);
  v->addLayout(row1);
  v->addLayout(row2);
  v->addLayout(row3);
  v->addWidget(txbText, 1);

  for (QWidget* w : {static_cast<QWidget*>(cmdStop), static_cast<QWidget*>(txbStart),
                     static_cast<QWidget*>(txbEnd)}) {
    w->hide();
  }
}

void frmData::ConnectHandlers() {
  connect(cmdClose, &QPushButton::clicked, this, &frmData::cmdClose_Click);
  ClickOnEscape(this, cmdClose);
  connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmData::cmdCopyToClipboard_Click);
  connect(cmdSaveICalendar, &QPushButton::clicked, this, &frmData::cmdSaveICalendar_Click);
  connect(cmdStop, &QPushButton::clicked, this, [this] { stopRequest_ = true; });
  connect(cmdList, &QPushButton::clicked, this, &frmData::cmdList_Click);
  connect(txbNumYears, &QLineEdit::returnPressed, this, &frmData::cmdList_Click);
  connect(txbStart, &QLineEdit::returnPressed, this, &frmData::DoTest);
  connect(txbEnd, &QLineEdit::returnPressed, this, &frmData::DoTest);
  for (QCheckBox* c : {chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames}) {
    connect(c, &QCheckBox::clicked, this, [this] { DisplayYearData(); });
  }
  for (QRadioButton* o : {optCE, optJC}) {
    connect(o, &QRadioButton::clicked, this, [this] {
      if (intWindow == kModeYearData) DisplayYearData();
      else FinalFocus();
    });
  }
  connect(chkLargeWindow, &QCheckBox::clicked, this, [this] {
    if (!isVisible()) return;
    SetWindowSize();
    cmdClose->setFocus();
  });
  // The copy button says whether it copies the selection or everything.
  connect(txbText, &QPlainTextEdit::copyAvailable, this, [this](bool selected) {
    if (!cmdCopyToClipboard->isEnabled()) return;
    cmdCopyToClipboard->setText(selected ? LanguageText(10, "Copy selected text to clipboard")
                                         : LanguageText(11, "Copy to clipboard"));
  });
}

QString frmData::LanguageText(int number, const char* english) const {
  if (sources_.texts) {
    const std::string text = ProgramText(*sources_.texts, number);
    if (!text.empty()) return Q(text);
  }
  return QString::fromUtf8(english);
}

std::array<int, 4> frmData::CalendarSettings() const {
  return {reckoner_.CountryIndex(), reckoner_.ReferenceLongitude(), reckoner_.Epoch(), reckoner_.SunMethod()};
}

bool frmData::IsListing() const { return listing_ != nullptr; }

QString frmData::Text() const { return txbText->toPlainText(); }

// ---------------------------------------------------------------------------------------------
// Size and place

void frmData::SetWindowSize() {
  if (isMinimized()) return;
  const QWidget* main = sources_.mainWindow;
  QScreen* screen = main ? main->screen() : this->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  const bool names = chkDisplaySolarTermNames->isChecked();
  const int width = intWindow == kModeEuroNewYears ? mediumWidth_
                    : intWindow == kModeYearData && names ? wideWidth_
                                                          : normalWidth_;
  const bool beside = main && main->isVisible() &&
                      !(main->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized |
                                               Qt::WindowFullScreen));
  int top, height, left;
  if (chkLargeWindow->isChecked()) {
    top = area.top() + kLargeWindowTop;
    height = area.height() * 9 / 10;
  } else if (beside) {
    top = main->frameGeometry().top() + kTopBelowMainWindow;
    height = main->frameGeometry().bottom() - top;
  } else {
    top = area.top() + area.height() / 4;
    height = area.height() / 2;
  }
  if (beside) {
    left = main->frameGeometry().right() - width;
  } else {
    const int part = intWindow == kModeEuroNewYears ? 5 : intWindow == kModeYearData && names ? 6 : 3;
    left = area.left() + area.width() / part;
  }
  // The frame is not part of the client size.
  const int frameWidth = frameGeometry().width() - geometry().width();
  const int frameHeight = frameGeometry().height() - geometry().height();
  resize(std::max(width - frameWidth, minimumSizeHint().width()),
         std::max(height - frameHeight, kMinimumHeight));
  move(left, top);
}

void frmData::ShowForMode(const char* caption) {
  setWindowTitle(QString::fromUtf8(caption));
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

// ---------------------------------------------------------------------------------------------
// Listings

void frmData::DisplayYearData() {
  AbandonListing();
  intWindow = kModeYearData;
  SetWindowSize();
  txbText->clear();
  cmdCopyToClipboard->setText(LanguageText(11, "Copy to clipboard"));
  for (QWidget* w : {chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames}) w->show();
  for (QWidget* w : std::initializer_list<QWidget*>{chkLeapMonthsOnly, chkOmitInvalidDates, txbStart, txbEnd,
                                                    cmdList, txbNumYears, lblYears, cmdStop}) {
    w->hide();
  }
  ShowSaveButton(false);
  ShowForMode(kYearDataCaption);
  ListingOptions options;
  options.julian = optJC->isChecked();
  options.majorTerms = chkIncludeMajorSolarTerms->isChecked();
  options.minorTerms = chkIncludeMinorSolarTerms->isChecked();
  options.termNames = chkDisplaySolarTermNames->isChecked();
  try {
    txbText->setPlainText(Q(YearDataText(reckoner_, sources_.inputs(), options)));
  } catch (const std::exception& e) {
    if (messages_) {
      messages_->Show(LanguageText(19, kListingErrorTitle).toStdString(), e.what(),
                      MessageIcon::kWarning, MessageButtons::kOk);
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
  if (intWindow != kModeNewYears && intWindow != kModeMonths && intWindow != kModeEuroNewYears) return;
  AbandonListing();
  std::string box = txbNumYears->text().toStdString();
  const int years = SettleListYears(rememberedYears_, intWindow, chkLeapMonthsOnly->isChecked(), box);
  txbNumYears->setText(Q(box));
  PrepareForList();
  const char* caption = intWindow == kModeNewYears ? kNewYearsCaption
                        : intWindow == kModeMonths ? kMonthsCaption
                                                   : kEuroNewYearsCaption;
  chkOmitInvalidDates->setVisible(intWindow == kModeNewYears);
  chkLeapMonthsOnly->setVisible(intWindow == kModeMonths);
  ShowSaveButton(intWindow == kModeNewYears || intWindow == kModeMonths);
  ShowForMode(caption);

  ListingOptions options;
  options.julian = optJC->isChecked();
  options.leapMonthsOnly = chkLeapMonthsOnly->isChecked();
  options.omitInvalid = chkOmitInvalidDates->isChecked();
  options.years = years;
  StartListing(MakeList(intWindow, reckoner_, sources_.inputs(), options));
}

void frmData::PrepareForList() {
  SetWindowSize();
  for (QWidget* w : std::initializer_list<QWidget*>{chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms,
                                                    chkDisplaySolarTermNames, txbStart, txbEnd, cmdStop,
                                                    chkLeapMonthsOnly}) {
    w->hide();
  }
  for (QWidget* w : {static_cast<QWidget*>(cmdList), static_cast<QWidget*>(txbNumYears),
                     static_cast<QWidget*>(lblYears)}) {
    w->show();
  }
  txbText->clear();
  cmdCopyToClipboard->setText(LanguageText(11, "Copy to clipboard"));
  cmdClose->setText(LanguageText(18, kCloseCaption));
  stopRequest_ = false;
}

void frmData::DoTest() {
  AbandonListing();
  intWindow = kModeTest;
  SetWindowSize();
  for (QWidget* w : std::initializer_list<QWidget*>{chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms,
                                                    chkDisplaySolarTermNames, cmdList, txbNumYears,
                                                    lblYears, chkLeapMonthsOnly, chkOmitInvalidDates}) {
    w->hide();
  }
  for (QWidget* w : {static_cast<QWidget*>(txbStart), static_cast<QWidget*>(txbEnd),
                     static_cast<QWidget*>(cmdStop)}) {
    w->show();
  }
  ShowSaveButton(false);
  ShowForMode(kTestCaption);
  stopRequest_ = false;
  const std::string entry = txbStart->text().toStdString();
  if (entry.empty()) {
    const auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    StartListing(std::make_unique<RandomSelfTest>(reckoner_, 1000, seed));
    return;
  }
  ParseResult parsed;
  parsed.status = kEntryNoDate;
  if (sources_.parseDate) parsed = sources_.parseDate(entry);
  TestDateEntry(reckoner_, parsed.status, parsed.ajd, *output_);
  FlushPending();
}

void frmData::StartListing(std::unique_ptr<Listing> listing) {
  if (!listing) return;
  ++generation_;
  listingMode_ = intWindow;
  listingSettings_ = CalendarSettings();
  listing_ = std::move(listing);
  ForgetListedDates();
  bool started = false;
  try {
    started = listing_->Start(*output_);
  } catch (const std::exception& e) {
    output_->Message(LanguageText(19, kListingErrorTitle).toStdString(), e.what(),
                     listingMode_ == kModeNewYears ? MessageIcon::kError : MessageIcon::kWarning);
  }
  FlushPending();
  if (!ShowQueuedMessages()) return;
  if (!started) {
    EndListing();
    return;
  }
  if (listing_->Long()) {
    const std::string running = listing_->RunningYearsCaption();
    if (!running.empty()) lblYears->setText(Q(running));
    if (listingMode_ != kModeTest) cmdClose->setText("Stop");
    if (listingMode_ == kModeMonths) chkLeapMonthsOnly->hide();
    txbText->viewport()->setCursor(Qt::BusyCursor);
  }
  slices_->start();
}

// Steps of the listing until the slice is used up; the timer is armed again only after the slice,
// so a message box shown by a step cannot start another slice inside this one.
void frmData::RunSlice() {
  if (!listing_) return;
  // A list goes on under the settings its header names: a change in the main window ends it.
  if (CalendarSettings() != listingSettings_) stopRequest_ = true;
  QElapsedTimer clock;
  clock.start();
  bool more = true;
  try {
    while ((more = !stopRequest_ && listing_->Step(*output_)) && output_->queued.empty() &&
           clock.elapsed() < kSliceMilliseconds) {
    }
  } catch (const std::exception& e) {
    output_->Message(LanguageText(19, kListingErrorTitle).toStdString(), e.what(),
                     listingMode_ == kModeNewYears ? MessageIcon::kError : MessageIcon::kWarning);
    more = false;
  }
  FlushPending();
  if (!ShowQueuedMessages()) return;
  if (more && listing_) slices_->start();
  else EndListing();
}

// False when the window began or ended a listing while a message was shown: the caller's listing
// is then no longer the window's.
bool frmData::ShowQueuedMessages() {
  const unsigned generation = generation_;
  while (!output_->queued.empty()) {
    const TextOutput::Shown shown = output_->queued.front();
    output_->queued.erase(output_->queued.begin());
    if (messages_) messages_->Show(shown.title, shown.text, shown.icon, MessageButtons::kOk);
    if (generation != generation_) return false;
  }
  return true;
}

void frmData::EndListing() {
  slices_->stop();
  if (listing_) {
    try {
      listing_->Finish(*output_);
    } catch (const std::exception&) {
      // Only held-back text is written here; nothing to report beyond the step's own error.
    }
  }
  FlushPending();
  output_->queued.clear();
  // What was listed, up to a stop, can be saved.
  if (const ListedDates* dates = listing_ ? listing_->Dates() : nullptr) listed_ = *dates;
  cmdSaveICalendar->setEnabled(!listed_.empty());
  listing_.reset();
  ++generation_;
  lblYears->setText(LanguageText(17, kYearsCaption));
  cmdClose->setText(LanguageText(18, kCloseCaption));
  txbText->viewport()->unsetCursor();
  if (listingMode_ == kModeMonths && intWindow == kModeMonths) chkLeapMonthsOnly->show();
  if (listingMode_ == kModeTest || listingMode_ == kModeEuroNewYears) txbText->moveCursor(QTextCursor::End);
  FinalFocus();
  Q_EMIT listingEnded();
}

// A running list that another listing replaces ends without a word.
void frmData::AbandonListing() {
  if (!listing_) return;
  slices_->stop();
  output_->pending.clear();
  output_->queued.clear();
  listing_.reset();
  ForgetListedDates();
  ++generation_;
  lblYears->setText(LanguageText(17, kYearsCaption));
  cmdClose->setText(LanguageText(18, kCloseCaption));
  txbText->viewport()->unsetCursor();
  Q_EMIT listingEnded();
}

void frmData::FlushPending() {
  if (output_->pending.empty()) return;
  QScrollBar* bar = txbText->verticalScrollBar();
  const int scrolled = bar->value();
  QTextCursor end(txbText->document());
  end.movePosition(QTextCursor::End);
  end.insertText(Q(output_->pending));
  output_->pending.clear();
  // The European new years and the test follow their text; the other lists stay at the top.
  if (listingMode_ == kModeEuroNewYears || listingMode_ == kModeTest) {
    txbText->moveCursor(QTextCursor::End);
    txbText->ensureCursorVisible();
  } else {
    bar->setValue(scrolled);
  }
}

void frmData::FinalFocus() {
  if (isVisible()) cmdClose->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Options and buttons

void frmData::SetEuropeanCalendar(char letter) {
  QRadioButton* chosen = letter == 'J' ? optJC : optCE;
  if (chosen->isChecked()) return;
  chosen->setChecked(true);
  // The year data on show follows the choice; a hidden window is not brought up for it.
  if (intWindow == kModeYearData && isVisible() && !listing_) DisplayYearData();
}

void frmData::SetSolarTermOptions(bool major, bool minor, bool names) {
  chkIncludeMajorSolarTerms->setChecked(major);
  chkIncludeMinorSolarTerms->setChecked(minor);
  chkDisplaySolarTermNames->setChecked(names);
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
  listed_ = ListedDates{};
  cmdSaveICalendar->setEnabled(false);
}

// The dates the list shows, under the settings it was made with, as all-day events.
void frmData::cmdSaveICalendar_Click() {
  if (listing_ || listed_.empty() || !sources_.fileDialogs || !sources_.files || !messages_) return;
  SaveListedDates(reckoner_, listed_, *sources_.fileDialogs, *sources_.files, *messages_);
  FinalFocus();
}

// While a long list runs the button reads "Stop" and only ends the list; otherwise it hides the
// window (ending any list still running).
void frmData::cmdClose_Click() {
  stopRequest_ = true;
  txbText->viewport()->unsetCursor();
  chkLargeWindow->setChecked(false);
  if (cmdClose->text() != LanguageText(18, kCloseCaption)) {
    cmdClose->setText(LanguageText(18, kCloseCaption));
    cmdClose->setFocus();
    return;
  }
  if (listing_) EndListing();
  hide();
  txbNumYears->clear();
  Q_EMIT closed();
}

// The close box always closes, and with the window go the remembered numbers of years.
void frmData::closeEvent(QCloseEvent* event) {
  stopRequest_ = true;
  if (listing_) EndListing();
  txbText->viewport()->unsetCursor();
  chkLargeWindow->setChecked(false);
  txbNumYears->clear();
  rememberedYears_.fill(0);
  event->accept();
  Q_EMIT closed();
}

}  // namespace mirvo
