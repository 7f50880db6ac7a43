#include "ui/main/frmMain.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "platform/services/Registry.h"
#include "platform/services/WebLink.h"
#include "ui/main/EntryModel.h"
#include "ui/main/MainRules.h"
#include "ui/main/MainTables.h"
#include "ui/main/MoonPictureWidget.h"
#include "ui/main/StemBranchWidget.h"
#include "ui/help/frmBVsoftware.h"
#include "ui/help/frmHelp.h"
#include "util/Text.h"

namespace mirvo {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

QColor ToColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

void SetTextColour(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Active, QPalette::WindowText, c);
  p.setColor(QPalette::Inactive, QPalette::WindowText, c);
  w->setPalette(p);
}

void FillList(QComboBox* box, const std::vector<std::string>& entries) {
  const QSignalBlocker block(box);
  box->clear();
  for (const auto& e : entries) box->addItem(Q(e));
}

// The name used for one element of a two-element control array.
QString ArrayName(const char* name, int index) {
  return QString::fromLatin1(name) + '_' + QString::number(index);
}

constexpr const char* kRowNames[] = {
    "lblCommonEraDate", "lblJulianCalendarDate", "lblChineseLunarDate", "lblChineseSolarDate",
    "lblVellomirCalendarGMT", "lblVellomirCalendarCCT", "lblChronologicalJulianDateLondon",
    "lblChronologicalJulianDateBeijing", "lblAstronomicalJulianDate", "lblPhaseOfMoon",
    "lblAgeOfMoon", "lblDeltaT"};
constexpr const char* kRowCaptions[] = {
    "Common Era (Gregorian):", "Julian Calendar:", "Chinese Lunar", "Chinese Solar",
    "Vellomir Calendar:", "", "Chronological JD London:", "Chronological JD 120º East",
    "Astronomical Julian date:", "Phase of Moon, illumination:", "[Lunation] Age of Moon:",
    "Delta T:"};

}  // namespace

frmMain::frmMain(MainServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      reckoner_(std::make_unique<Reckoner>()),
      rules_(std::make_unique<MainRules>(*reckoner_, services_.messages, services_.clipboard)) {
  setObjectName("frmMain");
  setWindowTitle("Mirvo");
  BuildControls();
  ConnectHandlers();
  ConnectRules();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------------------------
// Controls and layout

namespace {

template <typename T>
T* Named(T* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

QPushButton* Button(const char* name, const char* caption) {
  return Named(new QPushButton(QString::fromUtf8(caption)), name);
}

QCheckBox* Check(const char* name, const char* caption) {
  return Named(new QCheckBox(QString::fromUtf8(caption)), name);
}

QComboBox* Combo(const char* name) {
  auto* c = Named(new QComboBox, name);
  c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return c;
}

QLabel* Caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

}  // namespace

void frmMain::BuildControls() {
  auto* top = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(BuildRows());
  left->addWidget(BuildConvertGroup());
  left->addWidget(BuildMoveGroup());
  left->addWidget(BuildSearchGroup());
  left->addWidget(BuildSettingsGroup());
  left->addStretch(1);
  top->addLayout(left, 1);
  top->addWidget(BuildRightPanel());

  Clock = Named(new QTimer(this), "Clock");
  Timer1 = Named(new QTimer(this), "Timer1");
  Timer1->setInterval(1000);
}

QWidget* frmMain::BuildRows() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(3);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const int calendars[kRowCount] = {kCalCE,   kCalJC,   kCalCHL,  kCalCHS, kCalVMCGMT, kCalVMCCCT,
                                    kCalCJDL, kCalCJDC, kCalAJD,  -1,      -1,         -1};
  for (int i = 0; i < kRowCount; ++i) {
    Row& r = rows_[static_cast<size_t>(i)];
    r.calendar = calendars[i];
    r.caption = Named(new QLabel(QString::fromUtf8(kRowCaptions[i])), ArrayName(kRowNames[i], 0));
    r.value = Named(new QLabel, ArrayName(kRowNames[i], 1));
    r.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.value->setFont(fixed);
    r.value->setTextInteractionFlags(Qt::NoTextInteraction);
    r.value->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0')) * 46);
    if (i != kRowDeltaT) {
      r.caption->setCursor(Qt::PointingHandCursor);
      r.value->setCursor(Qt::PointingHandCursor);
      r.caption->installEventFilter(this);
      r.value->installEventFilter(this);
    }
    int gridRow = i + (i >= kRowPhase ? 1 : 0);  // a gap between the dates and the Moon
    grid->addWidget(r.caption, gridRow, 0);
    grid->addWidget(r.value, gridRow, 1);
  }
  grid->setRowMinimumHeight(kRowPhase, 6);
  grid->setColumnStretch(1, 1);
  // The captions change with the date (the VMC note), the country and the longitude; the column
  // is as wide as the widest of them, so the values never shift sideways.
  const QFontMetrics captionFont(rows_[kRowCE].caption->font());
  int captionWidth = 0;
  for (const char* caption : kRowCaptions) {
    captionWidth = std::max(captionWidth, captionFont.horizontalAdvance(QString::fromUtf8(caption)));
  }
  for (const char* caption : {"VMC month & day same as CHL", "VMC date 1 day ahead of CHL",
                              "VMC date 1 day behind CHL", "VMC date 1 month ahead of CHL",
                              "VMC date 1 month behind CHL", "VMC month no. same as CHL",
                              "VMC day no. same as CHL", "Chronological JD 145º East",
                              "Vietnamese Solar", "Vietnamese Lunar", "Japanese Solar"}) {
    captionWidth = std::max(captionWidth, captionFont.horizontalAdvance(QString::fromUtf8(caption)));
  }
  grid->setColumnMinimumWidth(0, captionWidth);
  return box;
}

QWidget* frmMain::BuildRightPanel() {
  auto* panel = new QWidget;
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);

  picMoon = Named(new MoonPictureWidget, "picMoon");
  v->addWidget(picMoon, 0, Qt::AlignHCenter);

  auto* cycles = new QGridLayout;
  for (int i = 0; i < 2; ++i) {
    picStem[static_cast<size_t>(i)] =
        Named(new StemBranchWidget(StemBranchWidget::Kind::kStem), ArrayName("picStem", i));
    picBranch[static_cast<size_t>(i)] =
        Named(new StemBranchWidget(StemBranchWidget::Kind::kBranch), ArrayName("picBranch", i));
    lblElementAnimalOfDay[static_cast<size_t>(i)] =
        Named(new QLabel, ArrayName("lblElementAnimalOfDay", i));
  }
  lblElementAnimalOfYear = Named(new QLabel, "lblElementAnimalOfYear");
  lblElementAnimalOfMonth = Named(new QLabel, "lblElementAnimalOfMonth");
  lblYear = Named(new QLabel, "lblYear");
  // Room for the longest names, so that the panel keeps its width from one date to the next.
  const QFontMetrics nameFont(lblElementAnimalOfMonth->font());
  int nameWidth = 0;
  for (const char* longest : {"geng-shen metal-monkey month", "gui-you water-rooster month",
                              "xin-you metal-rooster month", "ren-chen water-dragon month",
                              "geng-chen metal-dragon month", "ren-shen water-monkey month"}) {
    nameWidth = std::max(nameWidth, nameFont.horizontalAdvance(longest));
  }
  for (QLabel* l : {lblElementAnimalOfYear, lblElementAnimalOfMonth, lblElementAnimalOfDay[1]}) {
    l->setMinimumWidth(nameWidth);
  }
  auto* yearText = new QVBoxLayout;
  yearText->addWidget(lblElementAnimalOfYear);
  yearText->addWidget(lblYear);
  cycles->addWidget(picStem[0], 0, 0);
  cycles->addWidget(picBranch[0], 0, 1);
  cycles->addLayout(yearText, 0, 2);
  // All three texts in one column, beside the pictures for China, flush left elsewhere.
  cycles->addWidget(lblElementAnimalOfMonth, 1, 2);
  auto* dayText = new QVBoxLayout;
  dayText->addWidget(lblElementAnimalOfDay[0]);
  dayText->addWidget(lblElementAnimalOfDay[1]);
  cycles->addWidget(picStem[1], 2, 0);
  cycles->addWidget(picBranch[1], 2, 1);
  cycles->addLayout(dayText, 2, 2);
  cycles->setColumnStretch(2, 1);
  v->addLayout(cycles);
  v->addSpacing(8);

  cmdDisplayCalendar = Button("cmdDisplayCalendar", "Show lunar calendar month");
  cmdDisplayYearData = Button("cmdDisplayYearData", "Dark moons && solar terms");
  cmdDisplayYearData->setToolTip("Dates/times/CJDs of dark moons & solar terms");
  cmdListLunarNewYears = Button("cmdListLunarNewYears", "Lunar new years");
  cmdListLeapMonths = Button("cmdListLeapMonths", "Month starts / leap months");
  cmdListJulianCENewYears = Button("cmdListJulianCENewYears", "European new years");
  cmdAddToLog = Button("cmdAddToLog", "Add to log");
  cmdViewLog = Button("cmdViewLog", "View log");
  cmdClearLog = Button("cmdClearLog", "Clear log");
  cmdLogPreferences = Button("cmdLogPreferences", "Configure log");
  cmdSaveState = Button("cmdSaveState", "Save state");
  cmdRestoreState = Button("cmdRestoreState", "Restore state");
  cmdReset = Button("cmdReset", "Reset");
  cmdHelp = Button("cmdHelp", "Help");
  cmdBVSoftware = Button("cmdBVSoftware", "Brisvale software");
  cmdQuit = Button("cmdQuit", "Quit");
  cmdTest = Button("cmdTest", "Test");
  cmdCompareSuns = Button("cmdCompareSuns", "Compare suns");
  for (QPushButton* b : {cmdDisplayCalendar, cmdDisplayYearData, cmdListLunarNewYears,
                         cmdListLeapMonths, cmdListJulianCENewYears, cmdAddToLog, cmdViewLog,
                         cmdClearLog, cmdLogPreferences, cmdSaveState, cmdRestoreState}) {
    v->addWidget(b);
  }
  v->addSpacing(8);
  auto* last = new QGridLayout;
  last->addWidget(cmdReset, 0, 0);
  last->addWidget(cmdHelp, 0, 1);
  last->addWidget(cmdBVSoftware, 1, 0);
  last->addWidget(cmdQuit, 1, 1);
  v->addLayout(last);
  v->addWidget(cmdTest);
  v->addWidget(cmdCompareSuns);
  v->addStretch(1);

  lblBrisvaleSystems = Named(new QLabel("Brisvale Systems"), "lblBrisvaleSystems");
  lblOnlineDocumentation = Named(new QLabel("Online documentation"), "lblOnlineDocumentation");
  for (QLabel* l : {lblBrisvaleSystems, lblOnlineDocumentation}) {
    l->setAlignment(Qt::AlignHCenter);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
    v->addWidget(l);
  }
  return panel;
}

QGroupBox* frmMain::BuildConvertGroup() {
  auto* g = Named(new QGroupBox("Convert"), "fraConvert");
  auto* v = new QVBoxLayout(g);

  auto* line1 = new QHBoxLayout;
  txbDate = Named(new QLineEdit, "txbDate");
  txbDate->setPlaceholderText("e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL");
  txbTime = Named(new QLineEdit, "txbTime");
  txbTime->setMaximumWidth(QFontMetrics(txbTime->font()).horizontalAdvance("000:000") + 16);
  txbTime->setPlaceholderText("hh:mm");
  cboTimeZone = Combo("cboTimeZone");
  line1->addWidget(Caption("Date"));
  line1->addWidget(txbDate, 1);
  line1->addWidget(Caption("Time"));
  line1->addWidget(txbTime);
  line1->addWidget(Caption("Zone"));
  line1->addWidget(cboTimeZone);
  v->addLayout(line1);

  auto* line2 = new QHBoxLayout;
  optPlus = Named(new QRadioButton("plus"), "optPlus");
  optMinus = Named(new QRadioButton("minus"), "optMinus");
  plusMinusGroup_ = new QButtonGroup(this);
  plusMinusGroup_->addButton(optPlus);
  plusMinusGroup_->addButton(optMinus);
  txbPlusMinus = Named(new QLineEdit, "txbPlusMinus");
  txbPlusMinus->setMaximumWidth(QFontMetrics(txbPlusMinus->font()).horizontalAdvance("0000,000.00") + 16);
  lblElement = Named(new QLabel("element"), "lblElement");
  lblAnimal = Named(new QLabel("animal"), "lblAnimal");
  cboElement = Combo("cboElement");
  cboAnimal = Combo("cboAnimal");
  line2->addWidget(optPlus);
  line2->addWidget(optMinus);
  line2->addWidget(txbPlusMinus);
  line2->addWidget(Caption("days"));
  line2->addStretch(1);
  line2->addWidget(lblElement);
  line2->addWidget(cboElement);
  line2->addWidget(lblAnimal);
  line2->addWidget(cboAnimal);
  v->addLayout(line2);

  auto* line3 = new QHBoxLayout;
  cmdCompute = Button("cmdCompute", "Convert");
  cmdClearDate = Button("cmdClearDate", "Clear");
  cmdNow = Button("cmdNow", "Now");
  line3->addWidget(cmdCompute);
  line3->addWidget(cmdClearDate);
  line3->addWidget(cmdNow);
  line3->addStretch(1);
  v->addLayout(line3);
  return g;
}

QGroupBox* frmMain::BuildMoveGroup() {
  fraMove = Named(new QGroupBox("Move"), "fraMove");
  auto* v = new QVBoxLayout(fraMove);
  auto* line1 = new QHBoxLayout;
  cmdMove = Button("cmdMove", "Move");
  optMoveDirection[0] = Named(new QRadioButton("forward"), "optMoveDirection_0");
  optMoveDirection[1] = Named(new QRadioButton("back"), "optMoveDirection_1");
  moveDirectionGroup_ = new QButtonGroup(this);
  moveDirectionGroup_->addButton(optMoveDirection[0]);
  moveDirectionGroup_->addButton(optMoveDirection[1]);
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
  return fraMove;
}

QGroupBox* frmMain::BuildSearchGroup() {
  fraSearch = Named(new QGroupBox("Search"), "fraSearch");
  auto* h = new QHBoxLayout(fraSearch);
  cmdSearch = Button("cmdSearch", "Search for");
  optNext = Named(new QRadioButton("next"), "optNext");
  optPrevious = Named(new QRadioButton("previous"), "optPrevious");
  nextPreviousGroup_ = new QButtonGroup(this);
  nextPreviousGroup_->addButton(optNext);
  nextPreviousGroup_->addButton(optPrevious);
  cboTarget = Combo("cboTarget");
  lblSearching = Named(new QLabel, "lblSearching");
  h->addWidget(cmdSearch);
  h->addWidget(optNext);
  h->addWidget(optPrevious);
  h->addWidget(cboTarget);
  h->addWidget(lblSearching, 1);
  return fraSearch;
}

QGroupBox* frmMain::BuildSettingsGroup() {
  auto* g = Named(new QGroupBox("Settings"), "fraSettings");
  auto* v = new QVBoxLayout(g);
  auto* line1 = new QHBoxLayout;
  cboRefLong = Combo("cboRefLong");
  cboLongitude = Combo("cboLongitude");
  cboLongitude->setMaxVisibleItems(16);
  txbCCT = Named(new QLineEdit, "txbCCT");
  txbCCT->setReadOnly(true);
  txbCCT->setFocusPolicy(Qt::NoFocus);
  txbCCT->setFixedWidth(QFontMetrics(txbCCT->font()).horizontalAdvance("MMMM") + 16);
  cboEpoch = Combo("cboEpoch");
  cboMethod = Combo("cboMethod");
  line1->addWidget(Caption("Country"));
  line1->addWidget(cboRefLong);
  line1->addWidget(Caption("Longitude"));
  line1->addWidget(cboLongitude);
  line1->addWidget(Caption("º E"));
  line1->addWidget(txbCCT);
  line1->addWidget(Caption("Epoch"));
  line1->addWidget(cboEpoch);
  line1->addWidget(Caption("Method"));
  line1->addWidget(cboMethod);
  line1->addStretch(1);
  v->addLayout(line1);
  auto* line2 = new QHBoxLayout;
  chkShowVMC = Check("chkShowVMC", "Show Vellomir Calendar");
  chkShowCJDs = Check("chkShowCJDs", "Show chronological JDs");
  chkAutoLog = Check("chkAutoLog", "Auto log");
  line2->addWidget(chkShowVMC);
  line2->addWidget(chkShowCJDs);
  line2->addWidget(chkAutoLog);
  line2->addStretch(1);
  v->addLayout(line2);
  return g;
}

// ---------------------------------------------------------------------------------------------
// Handlers

void frmMain::ConnectHandlers() {
  connect(cboRefLong, &QComboBox::currentIndexChanged, this, [this] { cboRefLong_Click(); });
  connect(cboLongitude, &QComboBox::currentIndexChanged, this, [this] { cboLongitude_Click(); });
  connect(cboEpoch, &QComboBox::currentIndexChanged, this, [this] { cboEpoch_Click(); });
  connect(cboMethod, &QComboBox::currentIndexChanged, this, [this] { cboMethod_Click(); });
  connect(cboTimeZone, &QComboBox::activated, this, [this] { SetTheFocus(); });
  connect(chkShowVMC, &QCheckBox::toggled, this, [this] { chkShowVMC_Click(); });
  connect(chkShowCJDs, &QCheckBox::toggled, this, [this] { chkShowCJDs_Click(); });
  connect(chkAutoLog, &QCheckBox::toggled, this, [this] {
    if (!blnInitializing) CmdSaveStateEnabled(true);
    SetTheFocus();
  });
  connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
  connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
  connect(cmdNow, &QPushButton::clicked, this, [this] { cmdNow_Click(); });
  connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
  connect(cmdClearDate, &QPushButton::clicked, this, [this] { cmdClearDate_Click(); });
  connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
  connect(cmdBVSoftware, &QPushButton::clicked, this, [this] { cmdBVSoftware_Click(); });
  connect(txbDate, &QLineEdit::returnPressed, this, [this] {
    if (!txbDate->text().isEmpty()) cmdCompute_Click();
  });
  connect(txbPlusMinus, &QLineEdit::returnPressed, this, [this] {
    if (!txbDate->text().isEmpty() && !txbPlusMinus->text().isEmpty()) cmdCompute_Click();
  });
  connect(txbDate, &QLineEdit::textChanged, this, [this] {
    dateTextChanging_ = true;
    UpdateElementAnimalControls();
    dateTextChanging_ = false;
  });
  auto elementAnimalChosen = [this] {
    if (isVisible() && !dateTextChanging_) {
      if (cmdCompute->isEnabled()) {
        cmdCompute->setFocus();
      } else {
        cmdNow->setFocus();
      }
    }
  };
  connect(cboElement, &QComboBox::activated, this, elementAnimalChosen);
  connect(cboAnimal, &QComboBox::activated, this, elementAnimalChosen);
  for (QButtonGroup* g : {plusMinusGroup_, moveDirectionGroup_, nextPreviousGroup_}) {
    connect(g, &QButtonGroup::buttonToggled, this, [this, g](QAbstractButton*, bool checked) {
      if (checked) OptionPairChanged(g);
    });
  }
  connect(Timer1, &QTimer::timeout, this, [this] { ResetLinkLabels(); });
  for (QWidget* w : {static_cast<QWidget*>(txbDate), static_cast<QWidget*>(cmdNow),
                     static_cast<QWidget*>(cmdMove), static_cast<QWidget*>(cmdHelp),
                     static_cast<QWidget*>(cmdPauseResume)}) {
    w->installEventFilter(this);
  }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      (watched == txbDate || watched == cmdNow || watched == cmdMove || watched == cmdHelp ||
       (watched == cmdPauseResume && cmdPauseResume->text() == "Resume"))) {
    cmdHelp_Click();
    return true;
  }
  if (watched == lblBrisvaleSystems || watched == lblOnlineDocumentation) {
    auto* label = static_cast<QLabel*>(watched);
    if (event->type() == QEvent::Enter) {
      QFont f = label->font();
      f.setUnderline(true);
      label->setFont(f);
      SetTextColour(label, QColor(0, 0, 255));
    } else if (event->type() == QEvent::MouseButtonRelease) {
      OpenLink(watched == lblOnlineDocumentation);
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int i = 0; i < kRowCount; ++i) {
      const Row& r = rows_[static_cast<size_t>(i)];
      if (watched == r.caption || watched == r.value) {
        RowClicked(i, watched == r.value);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
  EndProgram();
  event->accept();
}

// ---------------------------------------------------------------------------------------------
// Start-up and settings

bool frmMain::Start() {
  blnStartupCompleted = false;
  const std::string loadError = LoadProgramTexts(texts_, services_.programFolder, "mirvo.dat");
  if (!loadError.empty()) {
    services_.messages->Show("", loadError, MessageIcon::kError, MessageButtons::kOk);
    return false;
  }
  Initialization();
  const QString version = QString("%1.%2%3").arg(MIRVO_VERSION_MAJOR).arg(MIRVO_VERSION_MINOR).arg(6);
  setWindowTitle(Q(ProgramText(texts_, 1)) + ' ' + version);
  picMoon->hide();
  show();

  blnInitializing = true;
  rules_->entry().calendar = GetCalendar("CHL");
  cmdClearLog->hide();
  // No saved state is kept yet: the defaults of Reset apply.
  cmdReset_Click();
  Clock->stop();
  DisplayDatesAndTimes();
  ShowDeltaT();
  SetTheFocus();
  chkShowVMC_Click();
  blnInitializing = false;

  // The present moment.
  cmdNow_Click();

  ApplyCountryCaptions();
  rules_->entry().calendar = GetCalendar("CHL");
  HighlightCurrentCalendar();
  UpdateElementAnimalControls();
  SetTheFocus();

  blnStartupCompleted = true;
  picMoon->show();
  cboRefLong_Click();
  Timer1->start();
  return true;
}

void frmMain::Initialization() {
  lblYear->hide();
  for (size_t i = 0; i < 2; ++i) {
    picStem[i]->hide();
    picBranch[i]->hide();
  }
  lblElementAnimalOfDay[0]->hide();

  optNext->setChecked(true);
  optPlus->setChecked(true);
  optMoveDirection[0]->setChecked(true);
  chkRepeatedly->setChecked(false);
  strCCT = "CCT";

  FillSettingLists();

  for (int i = 0; i < kRowCount; ++i) {
    if (i != kRowDeltaT) rows_[static_cast<size_t>(i)].value->clear();
  }
  lblElementAnimalOfYear->clear();
  lblElementAnimalOfMonth->clear();
  ApplyCountryColours();
  cmdTest->hide();
  cmdCompareSuns->hide();
  lblSearching->clear();

  // Commands of features this window does not offer yet stay visible but disabled.
  for (QWidget* w : {static_cast<QWidget*>(fraMove), static_cast<QWidget*>(fraSearch),
                     static_cast<QWidget*>(cmdDisplayCalendar), static_cast<QWidget*>(cmdDisplayYearData),
                     static_cast<QWidget*>(cmdListLunarNewYears), static_cast<QWidget*>(cmdListLeapMonths),
                     static_cast<QWidget*>(cmdListJulianCENewYears), static_cast<QWidget*>(cmdAddToLog),
                     static_cast<QWidget*>(cmdViewLog), static_cast<QWidget*>(cmdClearLog),
                     static_cast<QWidget*>(cmdLogPreferences), static_cast<QWidget*>(chkAutoLog)}) {
    w->setEnabled(false);
  }
  cmdSaveState->setEnabled(false);
  cmdRestoreState->setEnabled(false);
}

void frmMain::FillSettingLists() {
  const int country = kMainDefaults.country;
  FillList(cboEpoch, EpochEntries());
  FillList(cboMethod, MethodEntries());
  FillList(cboMoveStep, MoveStepEntries(country));
  FillList(cboRefreshPeriod, RefreshPeriodEntries());
  {
    const QSignalBlocker block(cboTarget);
    cboTarget->clear();
    for (const auto& t : SearchTargets()) cboTarget->addItem(Q(t.text), t.data);
  }
  FillList(cboElement, ElementEntries());
  FillList(cboAnimal, AnimalEntries(country));
  FillList(cboTimeZone, TimeZoneEntries(strCCT));
  FillList(cboLongitude, LongitudeEntries());
  FillList(cboRefLong, CountryEntries());
  {
    const QSignalBlocker b1(cboEpoch), b2(cboMethod), b3(cboMoveStep), b4(cboRefreshPeriod),
        b5(cboTarget), b6(cboElement), b7(cboAnimal), b8(cboTimeZone);
    cboEpoch->setCurrentIndex(kMainDefaults.epochEntry);
    cboMethod->setCurrentIndex(kMainDefaults.methodEntry);
    cboMoveStep->setCurrentIndex(kMainDefaults.moveStep);
    cboRefreshPeriod->setCurrentIndex(kMainDefaults.refreshPeriod);
    cboTarget->setCurrentIndex(kMainDefaults.target);
    cboElement->setCurrentIndex(kNoElementEntry);
    cboAnimal->setCurrentIndex(kNoAnimalEntry);
    cboTimeZone->setCurrentIndex(kTimeZoneNone);
  }
  reckoner_->SetEpoch(Epoch());
  reckoner_->SetSunMethod(SunMethod());

  std::string stored;
  ReadRegistryValue(*services_.settings, *services_.messages, kProgramKeyPart, "cboRefLong",
                    stored, false, "");
  // The country handler does nothing until start-up is complete; it runs in full at its end.
  cboRefLong->setCurrentIndex(CountryFromStoredText(stored));
}

int frmMain::CountryIndex() const { return std::max(0, cboRefLong->currentIndex()); }
int frmMain::Longitude() const { return kMinLongitude + std::max(0, cboLongitude->currentIndex()); }
int frmMain::Epoch() const { return EpochOfEntry(cboEpoch->currentIndex()); }
int frmMain::SunMethod() const { return cboMethod->currentIndex() == 1 ? kMeanSun : kTrueSun; }
std::string frmMain::EpochMethod(bool capitalE) const {
  return mirvo::EpochMethod(Epoch(), SunMethod(), capitalE);
}

void frmMain::cboRefLong_Click() {
  if (!blnStartupCompleted) return;
  const int country = CountryIndex();
  const CountryInfo& info = CountryOf(country);
  reckoner_->SetCountry(country);
  if (cboLongitude->currentIndex() == info.longitudeIndex) {
    cboLongitude_Click();
  } else {
    cboLongitude->setCurrentIndex(info.longitudeIndex);  // runs the longitude handler
  }
  cboMoveStep->setItemText(14, Q(info.moveStep14));
  cboMoveStep->setItemText(15, Q(info.moveStep15));
  isChina_ = country == kChina;
  ApplyCountryCaptions();
  for (int t = kFirstElementAnimalTarget; t <= kLastElementAnimalTarget; ++t) {
    cboTarget->setItemText(t, Q(ApplyCountryTargetNames(S(cboTarget->itemText(t)), country)));
  }
  DisplayDatesAndTimes();
  ApplyCountryColours();
}

void frmMain::cboLongitude_Click() {
  const int longitude = Longitude();
  reckoner_->SetReferenceLongitude(longitude);
  strCCT = ZoneLabel(longitude);
  txbCCT->setText(Q(strCCT));
  SyncDisplayOptions();
  {
    const QSignalBlocker block(cboTimeZone);
    cboTimeZone->setItemText(kTimeZoneReference, Q(strCCT));
    cboTimeZone->setCurrentIndex(kTimeZoneNone);
  }
  txbDate->clear();
  txbTime->clear();
  if (blnStartupCompleted) {
    DisplayChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
  }
}

void frmMain::cboEpoch_Click() {
  reckoner_->SetEpoch(Epoch());
  if (blnStartupCompleted) {
    DisplayChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
  }
}

void frmMain::cboMethod_Click() {
  reckoner_->SetSunMethod(SunMethod());
  if (blnStartupCompleted) {
    DisplayChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
  }
}

void frmMain::chkShowVMC_Click() {
  SyncDisplayOptions();
  const bool show = chkShowVMC->isChecked();
  for (RowId id : {kRowVmcGmt, kRowVmcCct}) {
    rows_[id].caption->setVisible(show);
    rows_[id].value->setVisible(show);
  }
  if (!blnInitializing) CmdSaveStateEnabled(true);
  SetTheFocus();
}

void frmMain::chkShowCJDs_Click() {
  SyncDisplayOptions();
  const bool show = chkShowCJDs->isChecked();
  for (RowId id : {kRowCjdl, kRowCjdc}) {
    rows_[id].caption->setVisible(show);
    rows_[id].value->setVisible(show);
  }
  rows_[kRowCjdc].caption->setText("Chronological JD " + QString::number(Longitude()) + "º East");
  lblElementAnimalOfYear->setVisible(!show);
  lblElementAnimalOfMonth->setVisible(!show);
  if (!show) DisplayDatesAndTimes();
  if (!blnInitializing) CmdSaveStateEnabled(true);
  SetTheFocus();
}

void frmMain::cmdReset_Click() {
  rules_->entry().calendar = GetCalendar("CHL");
  HighlightCurrentCalendar();
  chkShowVMC->setChecked(kMainDefaults.showVmc);
  chkShowCJDs->setChecked(kMainDefaults.showCjds);
  chkShowCJDs_Click();  // also when unchanged: the rows follow the switch
  chkAutoLog->setChecked(kMainDefaults.autoLog);
  optNext->setChecked(true);
  optPlus->setChecked(true);
  optMoveDirection[0]->setChecked(true);
  for (QButtonGroup* g : {plusMinusGroup_, moveDirectionGroup_, nextPreviousGroup_}) {
    OptionPairChanged(g);
  }
  chkRepeatedly->setChecked(false);
  cboMoveStep->setCurrentIndex(kMainDefaults.moveStep);
  cboRefreshPeriod->setCurrentIndex(kMainDefaults.refreshPeriod);
  cboTarget->setCurrentIndex(kMainDefaults.target);
  txbDate->clear();
  txbTime->clear();
  CmdSaveStateEnabled(true);
}

void frmMain::cmdQuit_Click() {
  EndProgram();
  close();
}

void frmMain::EndProgram() {
  if (quitting_) return;
  quitting_ = true;
  SaveRegistryValue(*services_.settings, *services_.messages, kProgramKeyPart, "cboRefLong",
                    std::to_string(CountryIndex()), false);
  if (help_) help_->close();
  if (catalogue_) catalogue_->close();
}


// ---------------------------------------------------------------------------------------------
// Conversion and display

void frmMain::ConnectRules() {
  MainHooks& hooks = rules_->hooks();
  hooks.displayed = [this](const DisplayTexts& d) { ShowDisplay(d); };
  hooks.redrawMoon = [this] {
    DisplayMoon();
    ShowDeltaT();
  };
  hooks.autoLog = [](int) {};  // automatic log entries arrive with the log window
  hooks.saveStateEnabled = [this](bool enabled) { CmdSaveStateEnabled(enabled); };
  hooks.setTheFocus = [this] {
    if (deferFocus_) {
      focusPending_ = true;
    } else {
      SetTheFocus();
    }
  };
}

// Now and Convert display through the rules without passing here, so every change of a switch or
// of the zone label is copied at once.
void frmMain::SyncDisplayOptions() {
  DisplayOptions& options = rules_->options();
  options.zoneLabel = strCCT;
  options.showVmc = chkShowVMC->isChecked();
  options.showCjds = chkShowCJDs->isChecked();
}

void frmMain::DisplayDatesAndTimes() {
  if (blnInitializing) return;
  SyncDisplayOptions();
  rules_->DisplayDatesAndTimes();  // ShowDisplay and SetTheFocus run from the hooks
}

void frmMain::ShowDisplay(const DisplayTexts& d) {
  for (int i = 0; i < kRowCount; ++i) {
    if (i == kRowPhase || i == kRowAge || i == kRowDeltaT) continue;  // the Moon and Delta T
    Row& r = rows_[static_cast<size_t>(i)];
    const DisplayRow* row = d.Row(kRowNames[i]);
    if (!row) continue;
    r.caption->setText(Q(row->caption));
    r.value->setText(Q(row->value));
    r.value->setToolTip(Q(row->tooltip));
    r.caption->setVisible(row->visible);
    r.value->setVisible(row->visible);
  }
  SetTextColour(rows_[kRowVmcCct].caption, ToColor(kDehighlightColour));
  lblElementAnimalOfYear->setText(Q(d.elementAnimalOfYear));
  lblElementAnimalOfMonth->setText(Q(d.elementAnimalOfMonth));
  lblElementAnimalOfYear->setVisible(d.yearAndMonthVisible);
  lblElementAnimalOfMonth->setVisible(d.yearAndMonthVisible);
  lblElementAnimalOfDay[0]->setText(Q(d.dayStemBranch));
  lblElementAnimalOfDay[1]->setText(Q(d.elementAnimalOfDay));
  lblYear->setText(Q(d.yearLabel));
  picStem[0]->SetNumber(d.yearStem);
  picBranch[0]->SetNumber(d.yearBranch);
  picStem[1]->SetNumber(d.dayStem);
  picBranch[1]->SetNumber(d.dayBranch);
  const bool china = isChina_;
  lblYear->setVisible(china);
  lblElementAnimalOfDay[0]->setVisible(china);
  for (size_t i = 0; i < 2; ++i) {
    picStem[i]->setVisible(china);
    picBranch[i]->setVisible(china);
  }
  HighlightCurrentCalendar();
}

void frmMain::DisplayChineseDates() {
  // The display is one function of the instant and the settings; the Chinese rows, whose tables
  // dominate its cost, are cached by the Reckoner, so recomputing all rows costs little more.
  DisplayDatesAndTimes();
}

void frmMain::DisplayMoon() {
  const DisplayTexts& d = rules_->display();
  if (!d.moonError.empty()) {
    // The labels and the picture keep what they showed.
    services_.messages->Show("Error", d.moonError, MessageIcon::kWarning, MessageButtons::kOk);
    return;
  }
  for (RowId id : {kRowPhase, kRowAge}) {
    if (const DisplayRow* row = d.Row(kRowNames[id])) rows_[id].value->setText(Q(row->value));
  }
  picMoon->SetPhase(d.illumination, d.waxing, ToColor(CountryOf(CountryIndex()).colour));
}

void frmMain::ShowDeltaT() {
  if (const DisplayRow* row = rules_->display().Row(kRowNames[kRowDeltaT])) {
    rows_[kRowDeltaT].value->setText(Q(row->value));
  }
}

void frmMain::Recalculate(int) {
  DisplayDatesAndTimes();
  DisplayMoon();
  ShowDeltaT();
  // Automatic log entries arrive with the log window.
  CmdSaveStateEnabled(true);
}

double frmMain::CurrentAjd() const { return rules_->currentAjd(); }
int frmMain::CurrentCalendar() const { return rules_->entry().calendar; }

void frmMain::SetInstant(double ajd) {
  rules_->SetCurrentAjd(ajd);
  Recalculate(2);
}

// The rules work on a copy of the boxes and ask for the focus part-way (at the end of a display);
// the focus is given only once the boxes show the command's result, since where it goes depends
// on whether the date box holds text.
template <typename Command>
void frmMain::RunEntryCommand(Command&& command) {
  EntryFromBoxes();
  deferFocus_ = true;
  focusPending_ = false;
  command();
  deferFocus_ = false;
  BoxesFromEntry();
  if (focusPending_) SetTheFocus();
}

void frmMain::cmdNow_Click() {
  RunEntryCommand([this] { rules_->ResetToNow(mirvo::CurrentAjd()); });
}

void frmMain::cmdClearDate_Click() {
  txbDate->clear();
  txbTime->clear();
  cboTimeZone->setCurrentIndex(kTimeZoneNone);
  SetTheFocus();
}

void frmMain::EntryFromBoxes() {
  EntryModel& m = rules_->entry();
  m.date = S(txbDate->text());
  m.time = S(txbTime->text());
  m.timeZone = cboTimeZone->currentIndex();
  m.plusMinus = S(txbPlusMinus->text());
  m.plus = optPlus->isChecked();
  m.element = cboElement->currentIndex();
  m.animal = cboAnimal->currentIndex();
  m.target = cboTarget->currentIndex();
}

void frmMain::BoxesFromEntry() {
  // Copied in the order the boxes are typed into: a new date text resets the element and animal
  // choices (UpdateElementAnimalControls) before the entry's own choices are set.
  const EntryModel m = rules_->entry();
  if (S(txbDate->text()) != m.date) txbDate->setText(Q(m.date));
  if (S(txbTime->text()) != m.time) txbTime->setText(Q(m.time));
  if (S(txbPlusMinus->text()) != m.plusMinus) txbPlusMinus->setText(Q(m.plusMinus));
  cboTimeZone->setCurrentIndex(m.timeZone);
  const QSignalBlocker b1(cboElement), b2(cboAnimal);
  cboElement->setCurrentIndex(m.element);
  cboAnimal->setCurrentIndex(m.animal);
}

void frmMain::cmdCompute_Click() {
  RunEntryCommand([this] { rules_->Convert(); });
  HighlightCurrentCalendar();
}

void frmMain::RowClicked(int row, bool valueLabel) {
  EntryFromBoxes();
  rules_->ClickRow(kRowNames[row], valueLabel);
  if (row == kRowPhase || row == kRowAge) return;  // these only copy
  BoxesFromEntry();
  HighlightCurrentCalendar();
  SetTheFocus();
}

// ---------------------------------------------------------------------------------------------
// Focus, highlight, colours

void frmMain::CmdSaveStateEnabled(bool) {
  // Saved state arrives with its file; until then both buttons stay disabled.
  cmdSaveState->setEnabled(false);
  cmdRestoreState->setEnabled(false);
  cmdRestoreState->setVisible(!cmdSaveState->isHidden());
}

void frmMain::SetTheFocus() {
  if (isVisible()) {
    if (txbDate->isEnabled() && !txbDate->text().isEmpty()) {
      txbDate->setFocus();
      txbDate->setCursorPosition(txbDate->text().size());
    } else if (cmdNow->isEnabled() && cmdNow->isVisible()) {
      cmdNow->setFocus();
    }
  }
  // The log is empty until the log window exists.
  cmdViewLog->setVisible(false);
  cmdClearLog->setVisible(cmdViewLog->isVisible());
  cmdViewLog->setEnabled(!blnRepeat);
  cmdClearLog->setEnabled(cmdViewLog->isEnabled());
}

void frmMain::cmdMoveSetFocus() {
  if (cmdMove->isVisible() && cmdMove->isEnabled()) cmdMove->setFocus();
}

void frmMain::cmdSearchSetFocus() {
  if (cmdSearch->isEnabled()) {
    cmdSearch->setFocus();
  } else {
    cmdQuit->setFocus();
  }
}

void frmMain::ProcessPendingInput() {
  // Returns at once when nothing is waiting, so a tight loop pays little for asking.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void frmMain::HighlightCurrentCalendar() {
  for (int i = 0; i <= kRowAjd; ++i) {
    if (i == kRowVmcCct) continue;  // its caption is the note, always dimmed
    const Row& r = rows_[static_cast<size_t>(i)];
    bool current = r.calendar == CurrentCalendar();
    if (i == kRowVmcGmt) current = CurrentCalendar() == kCalVMCGMT || CurrentCalendar() == kCalVMCCCT;
    SetTextColour(r.caption, ToColor(current ? kHighlightColour : kDehighlightColour));
  }
}

void frmMain::OptionPairChanged(QButtonGroup* group) {
  for (QAbstractButton* b : group->buttons()) {
    SetTextColour(b, ToColor(b->isChecked() ? kHighlightColour : kDehighlightColour));
  }
  if (isVisible()) SetTheFocus();
}

void frmMain::ApplyCountryCaptions() {
  const CountryInfo& info = CountryOf(CountryIndex());
  rows_[kRowCHS].caption->setText(Q(info.adjective) + " Solar");
  rows_[kRowCHL].caption->setText(Q(info.adjective) + " Lunar");
  const bool china = CountryIndex() == kChina;
  lblYear->setVisible(china);
  lblElementAnimalOfDay[0]->setVisible(china);
  for (size_t i = 0; i < 2; ++i) {
    picStem[i]->setVisible(china);
    picBranch[i]->setVisible(china);
  }
  ApplyCountryAnimalNames();
}

void frmMain::ApplyCountryAnimalNames() {
  const std::vector<std::string> animals = AnimalEntries(CountryIndex());
  const QSignalBlocker block(cboAnimal);
  for (int i = 0; i < cboAnimal->count() && i < static_cast<int>(animals.size()); ++i) {
    cboAnimal->setItemText(i, Q(animals[static_cast<size_t>(i)]));
  }
}

void frmMain::ApplyCountryColours() {
  const QColor colour = ToColor(CountryOf(CountryIndex()).colour);
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  p.setColor(QPalette::WindowText, Qt::white);
  // Disabled texts: white mixed into the background, readable but plainly not active.
  const auto mix = [&](int c) { return (c * 45 + 255 * 55) / 100; };
  p.setColor(QPalette::Disabled, QPalette::WindowText,
             QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue())));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(112, 112, 112));
  setPalette(p);
  setAutoFillBackground(true);
  if (blnStartupCompleted) DisplayMoon();
}

void frmMain::UpdateElementAnimalControls() {
  EntryModel model;
  model.date = S(txbDate->text());
  model.target = cboTarget->currentIndex();
  model.element = cboElement->currentIndex();
  model.animal = cboAnimal->currentIndex();
  mirvo::UpdateElementAnimalControls(model);
  for (QWidget* w : {static_cast<QWidget*>(cboElement), static_cast<QWidget*>(cboAnimal),
                     static_cast<QWidget*>(lblElement), static_cast<QWidget*>(lblAnimal)}) {
    w->setEnabled(true);
  }
  const QSignalBlocker b1(cboElement), b2(cboAnimal);
  cboElement->setCurrentIndex(model.element);
  cboAnimal->setCurrentIndex(model.animal);
}

std::vector<std::pair<std::string, std::string>> frmMain::RowTexts() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const Row& r : rows_) {
    if (r.value->isVisibleTo(this)) out.emplace_back(S(r.caption->text()), S(r.value->text()));
  }
  auto single = [&](const char* caption, const QLabel* l) {
    if (l->isVisibleTo(this)) out.emplace_back(caption, S(l->text()));
  };
  single("Year:", lblElementAnimalOfYear);
  single("Month:", lblElementAnimalOfMonth);
  single("Day (Chinese):", lblElementAnimalOfDay[0]);
  single("Day:", lblElementAnimalOfDay[1]);
  single("Year count:", lblYear);
  return out;
}

// ---------------------------------------------------------------------------------------------
// Help and links

void frmMain::cmdHelp_Click() {
  if (!help_) help_ = new frmHelp(this);
  help_->setWindowState(help_->windowState() & ~Qt::WindowMinimized);
  help_->show();
  help_->raise();
}

void frmMain::cmdBVSoftware_Click() {
  if (!catalogue_) {
    catalogue_ = new frmBVsoftware(
        [this](const std::string& address) {
          OpenWebLink(*services_.browser, *services_.messages, address);
        },
        kProjectPageAddress, this);
  }
  catalogue_->show();
  catalogue_->raise();
}

void frmMain::OpenLink(bool manual) {
  const std::string address =
      manual ? S(QDir(Q(services_.programFolder)).filePath(kManualFileName)) : kProjectPageAddress;
  OpenWebLink(*services_.browser, *services_.messages, address);
  if (manual) SetTheFocus();
}

void frmMain::ResetLinkLabels() {
  for (QLabel* l : {lblBrisvaleSystems, lblOnlineDocumentation}) {
    QFont f = l->font();
    f.setUnderline(false);
    l->setFont(f);
    SetTextColour(l, Qt::white);
  }
  lblBrisvaleSystems->setToolTip(QString("Open the project page ") + kProjectPageAddress);
  lblOnlineDocumentation->setToolTip("Open the user manual that came with the program");
}

}  // namespace mirvo
