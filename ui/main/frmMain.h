// The main window: shows the current instant in every reckoning, takes dates to convert, and
// holds the settings the calendars depend on. It builds its panels and wires them to the Qt-free
// main rules, which own the instant, the entry and the settings record; the window only shows
// and collects.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/services/Services.h"
#include "platform/services/TextFiles.h"
#include "ui/main/Display.h"
#include "ui/main/PanelKit.h"
#include "util/ProgramTexts.h"

class QTimer;

namespace mirvo {

class Reckoner;
class MainRules;
class DateRowsPanel;
class MoonNamesPanel;
class ConvertPanel;
class MovePanel;
class SearchPanel;
class SettingsPanel;
class CommandPanel;
class LogPanel;
class WindowsPanel;
class FileDialogs;
class SavedState;

// What the window needs from the desktop; tests pass recording doubles.
struct MainServices {
  Messages* messages = nullptr;
  Clipboard* clipboard = nullptr;
  SettingsStore* settings = nullptr;
  WebBrowser* browser = nullptr;
  std::string programFolder;  // holds mirvo.dat and manual.html
  TextFiles* files = nullptr;  // none: no saved state is kept
  std::string stateFile = "";  // the saved state ("" when no folder for it could be made)
  FileDialogs* fileDialogs = nullptr;  // none: the month picture cannot be saved
};

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(MainServices services, QWidget* parent = nullptr);
  ~frmMain() override;

  // The start-up sequence. False when the program texts cannot be loaded (the message has been
  // shown and the program should end).
  bool Start();

  // State read by the other windows.
  double CurrentAjd() const;    // the current instant (AJD)
  int CurrentCalendar() const;  // the current entry calendar (column of the code table)
  bool blnInitializing = false;
  bool blnStartupCompleted = false;
  bool blnRepeat = false;
  // "Epoch = -2696, method = true sun" (lower-case "epoch" unless capitalE), for the log and lists.
  std::string EpochMethod(bool capitalE) const;
  MainRules& rules() { return *rules_; }
  Reckoner& reckoner() { return *reckoner_; }

  // Commands.
  void Recalculate(int autoLogValue);
  void DisplayDatesAndTimes();
  void CmdSaveStateEnabled(bool enabled);
  void SetTheFocus();
  void cmdMoveSetFocus();    // on Move when it is shown and enabled, else nowhere
  void EnableMainControls(bool enable);
  void cmdSearchSetFocus();  // on Search when it is enabled, else on Quit
  void HighlightCurrentCalendar();
  void SetInstant(double ajd);  // for tests and scripted screenshots: shows the instant

  // The caption and value of every visible row and name, in window order.
  std::vector<std::pair<std::string, std::string>> RowTexts() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanels();
  void ConnectPanels();
  void ConnectRules();
  void Initialization();

  // Settings.
  void CountryChosen(int country);
  void ApplyCountry();
  void LongitudeChosen(int longitude);
  void ShowLongitude();
  void CalendarSettingChanged();
  void DisplaySwitchToggled();
  void ShowSettings();
  void ApplyCountryColours();
  void cmdReset_Click();
  void cmdRestoreState_Click();
  void EndProgram();  // what Quit and closing the window both do

  // Entry and display.
  void ShowDisplay(const DisplayTexts& display);
  void ShowMoon();
  void RowClicked(RowId row, bool valueLabel);
  void DateTextChanged();
  void ShowEntry();
  template <typename Command>
  void RunEntryCommand(Command&& command);

  MainServices services_;
  std::unique_ptr<Reckoner> reckoner_;
  std::unique_ptr<MainRules> rules_;  // instant, entry, settings, conversion and display
  ProgramTextStore texts_;
  bool quitting_ = false;
  bool deferFocus_ = false;    // a command of the rules is running on a copy of the boxes
  bool focusPending_ = false;  // it asked for SetTheFocus
  ControlLock runLock_;        // what a repeated move takes away

  DateRowsPanel* rows_ = nullptr;
  MoonNamesPanel* names_ = nullptr;
  ConvertPanel* convert_ = nullptr;
  MovePanel* move_ = nullptr;
  SearchPanel* search_ = nullptr;
  SettingsPanel* settings_ = nullptr;
  CommandPanel* commands_ = nullptr;
  LogPanel* log_ = nullptr;
  WindowsPanel* windows_ = nullptr;
  std::unique_ptr<SavedState> state_;
  QTimer* Timer1 = nullptr;
};

}  // namespace mirvo
