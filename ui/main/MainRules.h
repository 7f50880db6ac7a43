// The main window's state and commands without the widgets: the current instant, the entry boxes,
// the settings record, "Convert" and "Now", the clicks on the date rows, the changes of the
// settings, and the display of the current instant. The window copies its boxes into entry()
// before a command, shows entry(), settings() and display() after it, and fills the hooks with
// what only it can do (the Moon's error box, the log, the Save button, the focus).
#pragma once

#include <functional>
#include <string>

#include "platform/services/Services.h"
#include "ui/main/Display.h"
#include "ui/main/EntryModel.h"
#include "ui/main/MainSettings.h"

namespace mirvo {

class Reckoner;

struct MainHooks {
  std::function<void(const DisplayTexts&)> displayed;  // after every DisplayDatesAndTimes
  std::function<void()> redrawMoon;                    // the Moon picture in the country colour
  std::function<void(int)> autoLog;                    // 1 after Now, 2 after Convert
  std::function<void(bool)> saveStateEnabled;          // CmdSaveStateEnabled
  std::function<void()> setTheFocus;
  // The data window's European calendar option after a click on the CE ('G') or JC ('J') value,
  // also when the entry itself fills the date from that row.
  std::function<void(char)> dataWindowCalendar;
  // A repeated run is to stop (StopRepeating: the log could not write its entry).
  std::function<void()> repeatStopped;
};

// What a Convert did.
enum class ConvertOutcome { kConverted, kEntryError, kUnchanged, kOutOfRange };
inline constexpr const char* kConvertTitle = "Convert date";
inline constexpr const char* kUnchangedText = "Calendar dates unchanged.";

class MainRules {
 public:
  // The settings record starts from the Reckoner's country, meridian, epoch and Sun method.
  // messages receives the warnings and the calendar question; clipboard the copied values (either
  // may be null: no question is asked then, an entry without a code is refused).
  MainRules(Reckoner& reckoner, Messages* messages, Clipboard* clipboard);

  EntryModel& entry() { return entry_; }
  const MainSettings& settings() const { return settings_; }
  MainHooks& hooks() { return hooks_; }
  Reckoner& reckoner() { return reckoner_; }

  // Settings. Those the calendars depend on are passed on to the Reckoner.
  // The country with its meridian (as ChooseLongitude).
  void ChooseCountry(int country);
  // The reference meridian and its zone label; empties the date and time boxes and the zone.
  void ChooseLongitude(int longitude);
  void ChooseEpoch(int epoch);         // -2696 or -2636
  void ChooseSunMethod(int method);    // kTrueSun / kMeanSun
  void SetShowVmc(bool show) { settings_.showVmc = show; }
  void SetShowCjds(bool show) { settings_.showCjds = show; }
  void SetAutoLog(bool on) { settings_.autoLog = on; }
  void SetMoveStep(int step) { settings_.moveStep = step; }
  void SetMoveForward(bool forward) { settings_.moveForward = forward; }
  void SetRepeatedly(bool on) { settings_.repeatedly = on; }
  void SetKeep30th(bool on) { settings_.keep30th = on; }
  void SetKeepLeap(bool on) { settings_.keepLeap = on; }
  void SetRefreshPeriod(int index) { settings_.refreshPeriod = index; }
  void SetSearchTarget(int target);
  void SetSearchNext(bool next) { settings_.searchNext = next; }
  // A row (0 day, 1 month, 2 year) of the multiple element-animal search: list indexes, 5 and 12
  // for none.
  void SetMultipleRow(int row, int element, int animal);
  // "Reset": the entry calendar CHL, the display switches, the option pairs and the Move and
  // Search choices back to their defaults, the date and time boxes emptied. Epoch, method,
  // country and longitude stay.
  void Reset();
  // A saved state taken as it is: the instant (not displayed yet), the entry calendar, the plus
  // option and the settings record; no zone is selected and the date and time boxes are emptied.
  void RestoreState(double ajd, int calendar, bool plus, const MainSettings& settings);
  // "repeatedly" off, and the running repetition told to stop.
  void StopRepeating();

  // The date text changed (typed, pasted or cleared): the reset rule of the element and animal
  // choices.
  void DateTextChanged(const std::string& date);
  // "Clear": empties the date and time boxes and the zone.
  void ClearDate();

  double currentAjd() const { return currentAjd_; }
  // Sets the instant without any command rule (start-up, a restored state) and displays it.
  void SetCurrentAjd(double ajd);
  const DisplayTexts& display() const { return display_; }
  // DisplayDatesAndTimes: recomputes every text for the current instant.
  const DisplayTexts& DisplayDatesAndTimes();
  // What follows a command that moved the instant: the display when it is not yet the instant's,
  // the Moon, the log entry of the action (1 Now, 2 Convert, 3 Move, 4 Search, 5 one day; 0 none)
  // and the Save button.
  void Recalculate(int action);

  // "Convert": plus/minus check, ParseDate, plus/minus days, the unchanged and range checks.
  ConvertOutcome Convert();
  // Status of the last Convert that ended in an entry error (1..15), else 0.
  int lastEntryStatus() const { return lastStatus_; }
  // Text of the last warning Convert showed (entry error, range, unchanged), "" when none.
  const std::string& lastMessage() const { return lastMessage_; }
  // "Now": empties the boxes and the element and animal choices, sets the instant.
  void ResetToNow(double nowAjd);
  // A click on a row (see LabelClick).
  void ClickRow(RowId row, bool valueLabel);
  // ShowDateOfCalendar: the current instant written into the boxes in the entry calendar.
  void ShowDateOfCalendar(EntryModel& model);
  // ParseDate with this window's context.
  ParseResult Parse(EntryModel& model);
  // AdoptTypedDate, before a step or a search: a date in the date box (trimmed) becomes the
  // current instant when it lies in range and differs from it by 0.0007 day or more; then the
  // date and time boxes are emptied. False (the command stops) when the date is refused, after
  // its message.
  bool AdoptTypedDate();
  // CheckCycleLimit and CheckYearLimit: true (stop) when a step from that cycle or year would
  // leave the admitted range, after "Earliest/Latest admissible date reached." (title
  // "Out of range", no icon).
  bool CheckCycleLimit(int32_t cycle, bool forward);
  bool CheckYearLimit(int32_t year, bool forward);
  // A message box through the window's messages, remembered as lastMessage().
  void Say(const std::string& title, const std::string& text, MessageIcon icon);

 private:
  void Warn(const std::string& title, const std::string& text);
  bool Limit(const std::string& message);
  DisplayOptions Options() const;
  void SetDate(std::string date);

  Reckoner& reckoner_;
  Messages* messages_;
  Clipboard* clipboard_;
  EntryModel entry_;
  MainSettings settings_;
  MainHooks hooks_;
  double currentAjd_ = 2451545.0;
  DisplayTexts display_;
  bool displayed_ = false;
  int lastStatus_ = 0;
  std::string lastMessage_;
};

}  // namespace mirvo
