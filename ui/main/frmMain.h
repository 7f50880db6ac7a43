// The main window: shows the current instant in every reckoning, takes dates to convert, and
// holds the settings the calendars depend on. It builds its panels and wires them to one another;
// the entry, move and search panels hand their commands to the session rules themselves, which
// own the instant, the entry model, the settings record and the life-cycle, and the window shows
// what a command left.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "features/display/Display.h"
#include "features/session/LogAction.h"
#include "platform/services/Services.h"
#include "platform/services/TextFiles.h"
#include "ui/common/PanelKit.h"
#include "ui/common/WindowLanguage.h"
#include "ui/main/MainServices.h"
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

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(MainServices services, QWidget* parent = nullptr);
  ~frmMain() override;

  // The start-up sequence. False when the program texts cannot be loaded (the message has been
  // shown and the program should end).
  bool Start();

  // State read by the tests and the scripted uses.
  double CurrentAjd() const;    // the current instant (AJD)
  int CurrentCalendar() const;  // the current entry calendar (column of the code table)
  MainRules& rules() { return *rules_; }
  Reckoner& reckoner() { return *reckoner_; }

  // Commands.
  void Recalculate(LogAction action);
  void DisplayDatesAndTimes();
  void SetTheFocus();
  void cmdMoveSetFocus();  // on Move when it is shown and enabled, else nowhere
  void EnableMainControls(bool enable);
  void cmdSearchSetFocus();  // on Search when it is enabled, else on Quit
  void HighlightCurrentCalendar();
  void SetInstant(double ajd);  // for tests and scripted screenshots: shows the instant

  // The caption and value of every visible row and name, in window order.
  std::vector<std::pair<std::string, std::string>> RowTexts() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanels();
  void ConnectEntry();
  void ConnectPanels();
  void ConnectRules();
  void Initialization();

  // What a change of the settings affects: the country's names (steps, animals, targets), the
  // meridian's zone label and the emptied boxes, the dates, the country's colours and Moon.
  enum Redraw : unsigned {
    kRedrawNames = 1,
    kRedrawMeridian = 2,
    kRedrawDates = 4,
    kRedrawColours = 8,
    kRedrawCountry = kRedrawNames | kRedrawMeridian | kRedrawDates | kRedrawColours,
  };
  void SettingsChanged(unsigned redraw);
  void ShowSettings();
  void ApplyCountryColours();
  void LanguageChosen(LanguageChoice choice);
  void ShowSaveState();
  void cmdReset_Click();
  void cmdRestoreState_Click();
  void EndProgram();  // what Quit and closing the window both do

  // Entry and display.
  void ShowDisplay(const DisplayTexts& display);
  void ShowMoon();
  void RowClicked(RowId row, bool valueLabel);
  void ShowEntry();
  void EntryCommandDone();

  MainServices services_;
  std::unique_ptr<Reckoner> reckoner_;
  std::unique_ptr<MainRules> rules_;  // instant, entry, settings, conversion and display
  ProgramTextStore texts_;
  bool quitting_ = false;
  ControlLock runLock_;  // what a repeated move takes away

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
