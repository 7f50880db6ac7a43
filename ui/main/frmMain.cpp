#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "platform/services/Registry.h"
#include "platform/services/WebLink.h"
#include "ui/log/LogPanel.h"
#include "ui/main/CommandPanel.h"
#include "ui/main/ConvertPanel.h"
#include "ui/main/DateRowsPanel.h"
#include "ui/main/MainRules.h"
#include "ui/main/WindowsPanel.h"
#include "ui/main/MoonNamesPanel.h"
#include "ui/main/MovePanel.h"
#include "ui/main/PanelKit.h"
#include "ui/main/SavedState.h"
#include "ui/main/SearchPanel.h"
#include "ui/main/SettingsPanel.h"

namespace mirvo {

frmMain::frmMain(MainServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      reckoner_(std::make_unique<Reckoner>()),
      rules_(std::make_unique<MainRules>(*reckoner_, services_.messages, services_.clipboard)) {
  setObjectName("frmMain");
  setWindowTitle("Mirvo");
  BuildPanels();
  ConnectPanels();
  ConnectRules();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------------------------
// Panels and wiring

void frmMain::BuildPanels() {
  rows_ = new DateRowsPanel;
  names_ = new MoonNamesPanel;
  convert_ = new ConvertPanel;
  move_ = new MovePanel(*rules_);
  search_ = new SearchPanel(*rules_);
  settings_ = new SettingsPanel(*rules_);
  commands_ = new CommandPanel(*services_.browser, *services_.messages, services_.programFolder);
  log_ = new LogPanel(*this, *commands_, *services_.messages, *services_.clipboard, texts_);
  windows_ = new WindowsPanel(*this, *commands_, services_, texts_);
  state_ = std::make_unique<SavedState>(*rules_, log_->preferences(),
      StateServices{services_.files, services_.settings, services_.messages, services_.stateFile});

  auto* top = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{rows_, convert_, move_, search_, settings_}) {
    left->addWidget(w);
  }
  left->addStretch(1);
  top->addLayout(left, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(names_);
  right->addSpacing(8);
  right->addWidget(commands_, 1);
  top->addLayout(right);

  Timer1 = Named(new QTimer(this), "Timer1");
  Timer1->setInterval(1000);
}

void frmMain::ConnectPanels() {
  auto optionChosen = [this] {
    if (isVisible()) SetTheFocus();
  };
  connect(rows_, &DateRowsPanel::rowClicked, this, &frmMain::RowClicked);

  connect(convert_, &ConvertPanel::convertRequested, this, [this] {
    RunEntryCommand([this] { rules_->Convert(); });
    HighlightCurrentCalendar();
  });
  connect(convert_, &ConvertPanel::nowRequested, this,
          [this] { RunEntryCommand([this] { rules_->ResetToNow(mirvo::CurrentAjd()); }); });
  connect(convert_, &ConvertPanel::clearRequested, this, [this] {
    rules_->ClearDate();
    ShowEntry();
    SetTheFocus();
  });
  connect(convert_, &ConvertPanel::dateTextChanged, this, &frmMain::DateTextChanged);
  connect(convert_, &ConvertPanel::zoneChosen, this, &frmMain::SetTheFocus);
  connect(convert_, &ConvertPanel::plusChosen, this, [this, optionChosen](bool plus) {
    rules_->entry().plus = plus;
    optionChosen();
  });

  connect(move_, &MovePanel::collectEntry, this, [this] { convert_->Collect(rules_->entry()); });
  connect(move_, &MovePanel::entryChanged, this, &frmMain::ShowEntry);
  connect(move_, &MovePanel::runningChanged, this, [this](bool running) { EnableMainControls(!running); });
  connect(search_, &SearchPanel::directionChosen, this, [this] {
    if (isVisible()) cmdSearchSetFocus();
  });
  connect(search_, &SearchPanel::collectEntry, this, [this] { convert_->Collect(rules_->entry()); });
  connect(search_, &SearchPanel::searched, this, [this] {
    ShowEntry();
    settings_->ShowSettings(rules_->settings());
  });
  connect(convert_, &ConvertPanel::elementAnimalChosen, this, [this] {
    convert_->Collect(rules_->entry());
    search_->ElementAnimalChosen();
  });

  connect(settings_, &SettingsPanel::countryChosen, this, &frmMain::CountryChosen);
  connect(settings_, &SettingsPanel::longitudeChosen, this, &frmMain::LongitudeChosen);
  connect(settings_, &SettingsPanel::calendarSettingChanged, this, &frmMain::CalendarSettingChanged);
  connect(settings_, &SettingsPanel::displaySwitchToggled, this, &frmMain::DisplaySwitchToggled);
  connect(settings_, &SettingsPanel::autoLogToggled, this, [this] {
    if (!blnInitializing) CmdSaveStateEnabled(true);
    SetTheFocus();
  });

  connect(commands_->button("cmdReset"), &QPushButton::clicked, this, &frmMain::cmdReset_Click);
  connect(commands_->button("cmdSaveState"), &QPushButton::clicked, this, [this] {
    CmdSaveStateEnabled(!state_->Save());  // stays enabled when the file was not written
    SetTheFocus();
  });
  connect(commands_->button("cmdRestoreState"), &QPushButton::clicked, this, &frmMain::cmdRestoreState_Click);
  connect(commands_->button("cmdQuit"), &QPushButton::clicked, this, [this] {
    EndProgram();
    close();
  });
  connect(commands_, &CommandPanel::manualOpened, this, &frmMain::SetTheFocus);
  connect(Timer1, &QTimer::timeout, commands_, &CommandPanel::ResetLinkLabels);
  for (QWidget* w : {static_cast<QWidget*>(convert_->dateBox()), static_cast<QWidget*>(convert_->nowButton()),
                     static_cast<QWidget*>(move_->moveButton()), static_cast<QWidget*>(commands_->button("cmdHelp")),
                     static_cast<QWidget*>(move_->pauseResumeButton())}) {
    w->installEventFilter(this);
  }
}

void frmMain::ConnectRules() {
  MainHooks& hooks = rules_->hooks();
  hooks.displayed = [this](const DisplayTexts& d) { ShowDisplay(d); };
  hooks.redrawMoon = [this] { ShowMoon(); };
  hooks.repeatStopped = [this] { blnRepeat = false; move_->ShowSettings(); };  // the log failed
  hooks.saveStateEnabled = [this](bool enabled) { CmdSaveStateEnabled(enabled); };
  hooks.setTheFocus = [this] {
    if (deferFocus_) {
      focusPending_ = true;
    } else {
      SetTheFocus();
    }
  };
}

// F1 in the date box, on Now, Move, Help, or on Resume, opens the help.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    auto* pauseResume = move_->pauseResumeButton();
    if (watched != pauseResume || pauseResume->text() == "Resume") {
      commands_->cmdHelp_Click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
  EndProgram();
  event->accept();
}

// ---------------------------------------------------------------------------------------------
// Start-up

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
  names_->ShowMoonPicture(false);
  show();

  blnInitializing = true;
  commands_->button("cmdClearLog")->hide();
  // The saved state, or the defaults of Reset; what a short file held before it ended is kept.
  const bool restored = state_->ReadAtStartUp();
  ShowSettings();
  ShowEntry();
  if (!restored) cmdReset_Click();
  SetTheFocus();
  blnInitializing = false;

  // The saved instant, or the present moment.
  if (restored) DisplayDatesAndTimes();
  else RunEntryCommand([this] { rules_->ResetToNow(mirvo::CurrentAjd()); });
  rules_->entry().calendar = kCalCHL;
  HighlightCurrentCalendar();
  SetTheFocus();

  blnStartupCompleted = true;
  names_->ShowMoonPicture(true);
  ApplyCountry();
  CmdSaveStateEnabled(!restored);
  Timer1->start();
  return true;
}

void frmMain::Initialization() {
  names_->SetChina(false);
  settings_->FillLists();
  move_->FillLists(kMainDefaults.country);
  search_->FillTargets();
  convert_->FillLists(kMainDefaults.country, rules_->settings().zoneLabel());

  std::string stored;
  ReadRegistryValue(*services_.settings, *services_.messages, kProgramKeyPart, "cboRefLong",
                    stored, false, "");
  rules_->ChooseCountry(CountryFromStoredText(stored));
  ShowSettings();

  rows_->ClearValues();
  names_->ClearYearAndMonth();
  ApplyCountryColours();
  search_->SetSearchingText("");
}

// ---------------------------------------------------------------------------------------------
// Settings

void frmMain::ShowSettings() {
  const MainSettings& s = rules_->settings();
  settings_->ShowSettings(s);
  move_->ShowSettings();
  search_->ShowSettings();
}

void frmMain::CountryChosen(int country) {
  rules_->ChooseCountry(country);
  if (blnStartupCompleted) ApplyCountry();
}

// The country's meridian, names and colour, and the display in them.
void frmMain::ApplyCountry() {
  const int country = rules_->settings().country;
  ShowLongitude();
  move_->SetStepNames(country);
  convert_->SetAnimalNames(country);
  search_->SetTargetAnimalNames(country);
  DisplayDatesAndTimes();
  ApplyCountryColours();
}

void frmMain::LongitudeChosen(int longitude) {
  rules_->ChooseLongitude(longitude);
  ShowLongitude();
}

void frmMain::ShowLongitude() {
  settings_->ShowSettings(rules_->settings());
  convert_->SetZoneLabel(rules_->settings().zoneLabel());
  ShowEntry();
  if (blnStartupCompleted) CalendarSettingChanged();
}

// A change of a setting the lunar and solar dates depend on.
void frmMain::CalendarSettingChanged() {
  if (!blnStartupCompleted) return;
  DisplayDatesAndTimes();
  CmdSaveStateEnabled(true);
  SetTheFocus();
}

// The VMC and CJD rows (and the year and month names, which share their place with the CJD
// rows) follow the switches at the next display.
void frmMain::DisplaySwitchToggled() {
  DisplayDatesAndTimes();
  if (!blnInitializing) CmdSaveStateEnabled(true);
  SetTheFocus();
}

void frmMain::ApplyCountryColours() {
  ApplyCountryPalette(this, ToColor(CountryOf(rules_->settings().country).colour));
  if (blnStartupCompleted) ShowMoon();
}

void frmMain::cmdReset_Click() {
  rules_->Reset();
  ShowSettings();
  ShowEntry();
  DisplaySwitchToggled();
  HighlightCurrentCalendar();
  CmdSaveStateEnabled(true);
}

void frmMain::cmdRestoreState_Click() {
  if (!state_->Restore()) return;
  ShowSettings();
  log_->ShowPreferences();
  ShowLongitude();  // the zone label and the boxes, then the display in the restored settings
  ShowMoon();
  CmdSaveStateEnabled(false);
}

void frmMain::EndProgram() {
  if (quitting_) return;
  quitting_ = true;
  log_->HideWindows();
  state_->Save();  // the country too
  commands_->CloseWindows();
  windows_->CloseWindows();
}

std::string frmMain::EpochMethod(bool capitalE) const {
  return mirvo::EpochMethod(rules_->settings().epoch, rules_->settings().sunMethod, capitalE);
}

// ---------------------------------------------------------------------------------------------
// Entry and display

void frmMain::DisplayDatesAndTimes() {
  if (blnInitializing) return;
  rules_->DisplayDatesAndTimes();  // ShowDisplay and SetTheFocus run from the hooks
}

void frmMain::ShowDisplay(const DisplayTexts& d) {
  rows_->ShowDisplay(d);
  names_->ShowNames(d);
  HighlightCurrentCalendar();
  move_->UpdateKeepBoxes();
}

// The Moon in the country colour; the Moon rows and picture keep what they showed when its phase
// could not be found.
void frmMain::ShowMoon() {
  const DisplayTexts& d = rules_->display();
  if (!d.moonError.empty()) {
    services_.messages->Show("Error", d.moonError, MessageIcon::kWarning, MessageButtons::kOk);
    return;
  }
  names_->ShowMoon(d, ToColor(CountryOf(rules_->settings().country).colour));
}

void frmMain::Recalculate(int autoLogValue) {
  DisplayDatesAndTimes();
  rules_->Recalculate(autoLogValue);
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
  convert_->Collect(rules_->entry());
  deferFocus_ = true;
  focusPending_ = false;
  command();
  deferFocus_ = false;
  ShowEntry();
  if (focusPending_) SetTheFocus();
}

void frmMain::ShowEntry() {
  convert_->ShowEntry(rules_->entry());
  search_->ShowTargetTexts();  // the chosen element-animal target names the entry's choice
}

void frmMain::DateTextChanged() {
  convert_->Collect(rules_->entry());
  rules_->DateTextChanged(rules_->entry().date);
  convert_->ShowElementAnimal(rules_->entry());
}

void frmMain::RowClicked(RowId row, bool valueLabel) {
  convert_->Collect(rules_->entry());
  rules_->ClickRow(row, valueLabel);
  if (RowCalendar(row) == kCalNone) return;  // the Moon rows only copy
  ShowEntry();
  HighlightCurrentCalendar();
  SetTheFocus();
}

std::vector<std::pair<std::string, std::string>> frmMain::RowTexts() const {
  auto out = rows_->RowTexts();
  for (auto& name : names_->NameTexts()) out.push_back(std::move(name));
  return out;
}

// ---------------------------------------------------------------------------------------------
// Focus and highlight

void frmMain::CmdSaveStateEnabled(bool enabled) { commands_->SetSaveStateEnabled(enabled && !blnRepeat); }

void frmMain::SetTheFocus() {
  if (isVisible()) convert_->TakeFocus();
  commands_->ShowLogButtons(log_->HasText(), blnRepeat);
}

void frmMain::cmdMoveSetFocus() { move_->TakeFocus(); }

// While a repeated move runs, only its own Stop, Pause and period, and Quit, are offered.
void frmMain::EnableMainControls(bool enable) {
  blnRepeat = !enable;
  if (enable) {
    runLock_.Release();
    SetTheFocus();
    return;
  }
  runLock_.Lock(this, {"fraConvert", "fraSearch", "cmdAddToLog", "cmdLogPreferences", "cmdViewLog", "cmdClearLog",
                       "cmdHelp", "cmdSaveState", "cmdRestoreState", "cmdBVSoftware", "cboEpoch"},
                {"cmdListJulianCENewYears", "cmdDisplayYearData", "cmdListLunarNewYears", "cmdListLeapMonths", "cmdNow"});
}

void frmMain::cmdSearchSetFocus() {
  QPushButton* search = search_->searchButton();
  (search->isEnabled() ? search : commands_->button("cmdQuit"))->setFocus();
}

void frmMain::HighlightCurrentCalendar() { rows_->HighlightCalendar(CurrentCalendar()); }

}  // namespace mirvo
