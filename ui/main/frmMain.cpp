#include "ui/main/frmMain.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "features/state/SavedState.h"
#include "platform/services/Registry.h"
#include "platform/services/WebLink.h"
#include "ui/common/PanelKit.h"
#include "ui/common/WindowLanguage.h"
#include "ui/main/CommandPanel.h"
#include "ui/main/ConvertPanel.h"
#include "ui/main/DateRowsPanel.h"
#include "ui/main/LogPanel.h"
#include "ui/main/MoonNamesPanel.h"
#include "ui/main/MovePanel.h"
#include "ui/main/SearchPanel.h"
#include "ui/main/SettingsPanel.h"
#include "ui/main/WindowsPanel.h"

namespace mirvo {

frmMain::frmMain(MainServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      reckoner_(std::make_unique<Reckoner>()),
      rules_(std::make_unique<MainRules>(*reckoner_, services_.messages, services_.clipboard,
                                         services_.programFolder)) {
  rules_->SetPhase(SessionPhase::kStarting);
  setObjectName("frmMain");
  setWindowTitle("Mirvo");
  BuildPanels();
  ConnectPanels();
  ConnectRules();
}

frmMain::~frmMain() = default;

// ---- Panels and wiring

void frmMain::BuildPanels() {
  rows_ = new DateRowsPanel;
  names_ = new MoonNamesPanel;
  convert_ = new ConvertPanel(*rules_);
  move_ = new MovePanel(*rules_);
  search_ = new SearchPanel(*rules_);
  settings_ = new SettingsPanel;
  commands_ = new CommandPanel(*services_.browser, *services_.messages, services_.programFolder);
  log_ = new LogPanel(*this, *rules_, *commands_, *services_.messages, *services_.clipboard, texts_);
  windows_ = new WindowsPanel(*this, *rules_, *commands_, services_, texts_);
  state_ = std::make_unique<SavedState>(
      *rules_, log_->preferences(),
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

// The entry panel writes every edit into the entry model at once (the model is what the commands
// read) and runs its commands; the window shows what they left.
void frmMain::ConnectEntry() {
  connect(convert_, &ConvertPanel::plusChosen, this, [this] {
    if (isVisible()) SetTheFocus();
  });
  connect(convert_, &ConvertPanel::zoneChosen, this, &frmMain::SetTheFocus);
  connect(convert_, &ConvertPanel::elementAnimalChosen, search_, &SearchPanel::ElementAnimalChosen);
  connect(convert_, &ConvertPanel::entryCommandDone, this, &frmMain::EntryCommandDone);
  connect(rows_, &DateRowsPanel::rowClicked, this, &frmMain::RowClicked);
}

void frmMain::ConnectPanels() {
  ConnectEntry();
  connect(move_, &MovePanel::entryChanged, this, &frmMain::ShowEntry);
  connect(move_, &MovePanel::runningChanged, this, [this](bool running) { EnableMainControls(!running); });
  connect(search_, &SearchPanel::directionChosen, this, [this] {
    if (isVisible()) cmdSearchSetFocus();
  });
  connect(search_, &SearchPanel::searched, this, [this] {
    ShowEntry();
    settings_->ShowSettings(rules_->settings());
  });

  // Each setting goes to the session rules, then the window redraws what it affects.
  auto setting = [this](auto signal, auto choose, unsigned redraw) {
    connect(settings_, signal, this, [this, choose, redraw](auto value) {
      (rules_.get()->*choose)(value);
      SettingsChanged(redraw);
    });
  };
  setting(&SettingsPanel::countryChosen, &MainRules::ChooseCountry, kRedrawCountry);
  setting(&SettingsPanel::longitudeChosen, &MainRules::ChooseLongitude, kRedrawMeridian | kRedrawDates);
  setting(&SettingsPanel::epochChosen, &MainRules::ChooseEpoch, kRedrawDates);
  setting(&SettingsPanel::sunMethodChosen, &MainRules::ChooseSunMethod, kRedrawDates);
  setting(&SettingsPanel::historicalToggled, &MainRules::ChooseHistorical, kRedrawDates);
  setting(&SettingsPanel::showVmcToggled, &MainRules::SetShowVmc, kRedrawDates);
  setting(&SettingsPanel::showCjdsToggled, &MainRules::SetShowCjds, kRedrawDates);
  connect(settings_, &SettingsPanel::autoLogToggled, this, [this](bool on) {
    rules_->SetAutoLog(on);
    SetTheFocus();
  });
  connect(settings_, &SettingsPanel::languageChosen, this, &frmMain::LanguageChosen);

  connect(log_, &LogPanel::focusWanted, this, &frmMain::SetTheFocus);
  connect(log_, &LogPanel::entryFailed, this, [this] { rules_->StopRepeating(); });
  connect(log_, &LogPanel::preferencesChanged, this, [this] {
    rules_->MarkChanged();
    SetTheFocus();
  });
  connect(windows_, &WindowsPanel::focusWanted, this, &frmMain::SetTheFocus);

  connect(commands_->button("cmdReset"), &QPushButton::clicked, this, &frmMain::cmdReset_Click);
  connect(commands_->button("cmdSaveState"), &QPushButton::clicked, this, [this] {
    rules_->MarkSaved(state_->Save());  // stays offered when the file was not written
    SetTheFocus();
  });
  connect(commands_->button("cmdRestoreState"), &QPushButton::clicked, this, &frmMain::cmdRestoreState_Click);
  connect(commands_->button("cmdQuit"), &QPushButton::clicked, this, [this] {
    EndProgram();
    close();
  });
  connect(commands_, &CommandPanel::manualOpened, this, &frmMain::SetTheFocus);
  connect(Timer1, &QTimer::timeout, commands_, &CommandPanel::ResetLinkLabels);
  ClickOnEscape(this, move_->stopButton());
  // F1 in the date box, on Now, Move, Help, or on Resume, opens the help.
  for (QWidget* w :
       std::initializer_list<QWidget*>{convert_->dateBox(), convert_->nowButton(), move_->moveButton(),
                                       commands_->button("cmdHelp"), move_->pauseResumeButton()}) {
    OnKeyRelease(
        w, Qt::Key_F1, [this, w] { return w != move_->pauseResumeButton() || move_->paused(); },
        [this] { commands_->cmdHelp_Click(); });
  }
}

void frmMain::ConnectRules() {
  MainHooks& hooks = rules_->hooks();
  hooks.displayed = [this](const DisplayTexts& d) { ShowDisplay(d); };
  hooks.redrawMoon = [this] { ShowMoon(); };
  hooks.autoLog = [this](LogAction action) { log_->AutoLog(action); };
  hooks.repeatStopped = [this] { move_->ShowSettings(); };  // the log failed
  hooks.saveStateChanged = [this] { ShowSaveState(); };
  hooks.setTheFocus = [this] { SetTheFocus(); };
  hooks.dataWindowCalendar = [this](char letter) { windows_->SetEuropeanCalendar(letter); };
}

void frmMain::closeEvent(QCloseEvent* event) {
  EndProgram();
  event->accept();
}

// ---- Start-up

bool frmMain::Start() {
  rules_->SetPhase(SessionPhase::kStarting);
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
  commands_->button("cmdClearLog")->hide();
  // The saved state, or the defaults of Reset; what a short file held before it ended is kept.
  const bool restored = state_->ReadAtStartUp();
  ShowSettings();
  ShowEntry();
  if (!restored) cmdReset_Click();
  SetTheFocus();
  // The saved instant, or the present moment, with the native date in the window's language.
  rules_->SetLanguage(WindowLanguage());
  rules_->SetPhase(SessionPhase::kOpening);
  if (restored)
    DisplayDatesAndTimes();
  else
    rules_->ResetToNow(mirvo::CurrentAjd());
  ShowEntry();
  rules_->entry().calendar = kCalCHL;
  HighlightCurrentCalendar();
  SetTheFocus();

  rules_->SetPhase(SessionPhase::kReady);
  names_->ShowMoonPicture(true);
  SettingsChanged(kRedrawCountry);
  rules_->MarkSaved(restored);
  Timer1->start();
  return true;
}

void frmMain::Initialization() {
  names_->SetChina(false);
  settings_->FillLists();
  settings_->ShowLanguage(ReadLanguageChoice(*services_.settings, *services_.messages));
  move_->FillLists(kMainDefaults.country);
  search_->FillTargets();
  convert_->FillLists(kMainDefaults.country, rules_->settings().zoneLabel());
  ChooseStoredCountryAndHistory(*rules_, *services_.settings, *services_.messages);
  ShowSettings();
  rows_->ClearValues();
  names_->ClearYearAndMonth();
  ApplyCountryColours();
  search_->SetSearchingText("");
}

// ---- Settings

void frmMain::ShowSettings() {
  const MainSettings& s = rules_->settings();
  settings_->ShowSettings(s);
  move_->ShowSettings();
  search_->ShowSettings();
}

// The one place that redraws after a change of the settings (chosen, reset or restored). Before
// the window is ready only the controls follow; the dates wait for the first display.
void frmMain::SettingsChanged(unsigned redraw) {
  const MainSettings& s = rules_->settings();
  if (redraw & kRedrawNames) {
    move_->SetStepNames(s.country);
    convert_->SetAnimalNames(s.country);
    search_->SetTargetAnimalNames(s.country);
  }
  if (redraw & kRedrawMeridian) {
    settings_->ShowSettings(s);
    convert_->SetZoneLabel(s.zoneLabel());
    ShowEntry();
  }
  if (!rules_->ready()) return;
  if (redraw & kRedrawDates) DisplayDatesAndTimes();
  if (redraw & kRedrawColours) ApplyCountryColours();
  SetTheFocus();
}

void frmMain::ApplyCountryColours() {
  ApplyCountryPalette(this, ToColor(CountryOf(rules_->settings().country).colour));
  if (rules_->ready()) ShowMoon();
}

// The choice is kept at once, as the window's own setting (not in the state file), and every
// window takes the language as soon as the translations are installed.
void frmMain::LanguageChosen(LanguageChoice choice) {
  SaveLanguageChoice(*services_.settings, *services_.messages, choice);
  if (services_.translations && !services_.translations->ApplyChoice(choice)) {
    services_.messages->Show(S(tr("Language")),
                             S(tr("The translation of the windows into %1 could not be loaded; they "
                                  "stay in English.")
                                   .arg(Q(LanguageOwnName(ResolveLanguage(choice))))),
                             MessageIcon::kWarning, MessageButtons::kOk);
  }
  rules_->SetLanguage(WindowLanguage());  // the native date line speaks it too
  SettingsChanged(kRedrawDates);
}

void frmMain::ShowSaveState() { commands_->SetSaveStateEnabled(rules_->saveOffered()); }

void frmMain::cmdReset_Click() {
  rules_->Reset();
  ShowSettings();
  ShowEntry();
  SettingsChanged(kRedrawDates);
  HighlightCurrentCalendar();
}

void frmMain::cmdRestoreState_Click() {
  rules_->SetPhase(SessionPhase::kRestoring);
  const bool restored = state_->Restore();
  rules_->SetPhase(SessionPhase::kReady);
  if (!restored) return;
  ShowSettings();
  log_->ShowPreferences();
  SettingsChanged(kRedrawCountry);  // the zone label and the boxes, then the display in them
  rules_->MarkSaved(true);
}

void frmMain::EndProgram() {
  if (quitting_) return;
  quitting_ = true;
  log_->HideWindows();
  state_->Save();  // the country too
  commands_->CloseWindows();
  windows_->CloseWindows();
}

// ---- Entry and display

void frmMain::DisplayDatesAndTimes() { rules_->DisplayDatesAndTimes(); }

void frmMain::ShowDisplay(const DisplayTexts& d) {
  rows_->ShowDisplay(d);
  names_->ShowNames(d, rules_->settings().country);
  HighlightCurrentCalendar();
  move_->UpdateKeepBoxes();
}

// The Moon in the country colour; the Moon rows and picture keep what they showed when its phase
// could not be found.
void frmMain::ShowMoon() {
  const DisplayTexts& d = rules_->display();
  if (!d.moonError.empty()) {
    services_.messages->Show(S(tr("Error")), d.moonError, MessageIcon::kWarning, MessageButtons::kOk);
    return;
  }
  names_->ShowMoon(d, ToColor(CountryOf(rules_->settings().country).colour));
}

void frmMain::Recalculate(LogAction action) {
  DisplayDatesAndTimes();
  rules_->Recalculate(action);
}

double frmMain::CurrentAjd() const { return rules_->currentAjd(); }
int frmMain::CurrentCalendar() const { return rules_->entry().calendar; }

void frmMain::SetInstant(double ajd) {
  rules_->SetCurrentAjd(ajd);
  Recalculate(kLogConvert);
}

// After Convert, Now or Clear: the boxes show the model the command left.
void frmMain::EntryCommandDone() {
  ShowEntry();
  HighlightCurrentCalendar();
  SetTheFocus();
}

void frmMain::ShowEntry() {
  convert_->ShowEntry(rules_->entry());
  search_->ShowTargetTexts();  // the chosen element-animal target names the entry's choice
}

void frmMain::RowClicked(RowId row, bool valueLabel) {
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

// ---- Focus and highlight

void frmMain::SetTheFocus() {
  if (isVisible()) convert_->TakeFocus(!rules_->entry().date.empty());
  log_->ShowButtons();
}

void frmMain::cmdMoveSetFocus() { move_->TakeFocus(); }

// While a repeated move runs, only its own Stop, Pause and period, and Quit, are offered.
void frmMain::EnableMainControls(bool enable) {
  if (enable) {
    runLock_.Release();
    ShowSaveState();  // the lock gave back what Save showed before the run
    SetTheFocus();
    return;
  }
  runLock_.Lock(this,
                {"fraConvert", "fraSearch", "cmdAddToLog", "cmdLogPreferences", "cmdViewLog", "cmdClearLog",
                 "cmdHelp", "cmdSaveState", "cmdRestoreState", "cmdBVSoftware", "cmdReset", "cboEpoch"},
                {"cmdListJulianCENewYears", "cmdListFestivals", "cmdDisplayYearData", "cmdListLunarNewYears",
                 "cmdListLeapMonths", "cmdNow"});
}

void frmMain::cmdSearchSetFocus() {
  QPushButton* search = search_->searchButton();
  (search->isEnabled() ? search : commands_->button("cmdQuit"))->setFocus();
}

void frmMain::HighlightCurrentCalendar() { rows_->HighlightCalendar(CurrentCalendar()); }

}  // namespace mirvo
