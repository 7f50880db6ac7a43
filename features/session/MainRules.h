// The session: the state of the main window without the widgets — the current instant, the entry
// model (the single source of what the entry boxes show: the window writes every edit into it as
// it happens and shows it back after each command), the settings record, the life-cycle, whether
// a repeated move runs and whether anything changed since the last save — and its commands:
// "Convert" and "Now", the clicks on the date rows, the changes of the settings, and the display
// of the current instant. The window fills the hooks with what only it can do (the Moon's error
// box, the log, the Save button, the focus).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "features/display/Display.h"
#include "features/entry/EntryModel.h"
#include "features/festivals/FestivalCalendar.h"
#include "features/session/LogAction.h"
#include "features/session/MainSettings.h"
#include "features/session/Refusal.h"
#include "platform/services/Services.h"

namespace mirvo {

class Reckoner;

struct MainHooks {
  std::function<void(const DisplayTexts&)> displayed;  // after every DisplayDatesAndTimes
  std::function<void()> redrawMoon;                    // the Moon picture in the country colour
  std::function<void(LogAction)> autoLog;              // after Now and Convert
  // unsaved() or repeating() changed: the Save button offers saveOffered().
  std::function<void()> saveStateChanged;
  std::function<void()> setTheFocus;
  // The data window's European calendar option after a click on the CE ('G') or JC ('J') value,
  // also when the entry itself fills the date from that row.
  std::function<void(char)> dataWindowCalendar;
  // A repeated run is to stop (StopRepeating: the log could not write its entry).
  std::function<void()> repeatStopped;
};

// The life-cycle of the session: the saved state or the defaults are being applied (nothing is
// displayed yet and nothing counts as a change), the first display is being made, a saved state
// is being restored, or the window is ready.
enum class SessionPhase { kStarting, kOpening, kRestoring, kReady };

// What a Convert did.
enum class ConvertOutcome { kConverted, kEntryError, kUnchanged, kOutOfRange };
// A Convert's outcome with the warning it showed (none when converted) and, after an entry
// error, its status (1..15; 0 otherwise).
struct ConvertResult {
  ConvertOutcome outcome = ConvertOutcome::kConverted;
  std::optional<Refusal> refusal;
  int entryStatus = 0;
};
inline constexpr const char* kConvertTitle = "Convert date";
inline constexpr const char* kUnchangedText = "Calendar dates unchanged.";

class MainRules {
 public:
  // The settings record starts from the Reckoner's country, meridian, epoch and Sun method.
  // messages receives the warnings and the calendar question; clipboard the copied values (either
  // may be null: no question is asked then, an entry without a code is refused). The festivals
  // come from the table in dataFolder (none without one).
  MainRules(Reckoner& reckoner, Messages* messages, Clipboard* clipboard, const std::string& dataFolder = {});

  EntryModel& entry() { return entry_; }
  const MainSettings& settings() const { return settings_; }
  MainHooks& hooks() { return hooks_; }
  Reckoner& reckoner() { return reckoner_; }
  // The festival table and the days it gave, shared by every window of the session.
  FestivalCalendar& festivals() { return festivals_; }

  SessionPhase phase() const { return phase_; }
  void SetPhase(SessionPhase phase) { phase_ = phase; }
  bool ready() const { return phase_ == SessionPhase::kReady; }
  // A repeated move runs: the controls it locks stay locked, and nothing is saved meanwhile.
  bool repeating() const { return repeating_; }
  void SetRepeating(bool on);
  // Something the saved state keeps changed since it was last saved or restored.
  bool unsaved() const { return unsaved_; }
  // A change the saved state keeps; counts only once the window is ready.
  void MarkChanged();
  // After a save (true when the file was written) or a restore (true): nothing is unsaved.
  void MarkSaved(bool saved);
  // What the Save button offers: something to save, and no run in progress.
  bool saveOffered() const { return unsaved_ && !repeating_; }

  // Settings. Those the calendars depend on are passed on to the Reckoner.
  // The country with its meridian (as ChooseLongitude).
  void ChooseCountry(Country country);
  // The reference meridian and its zone label; empties the date and time boxes and the zone.
  void ChooseLongitude(int longitude);
  void ChooseEpoch(Epoch epoch);
  void ChooseSunMethod(SunMethod method);  // kTrueSun / kMeanSun
  void ChooseHistorical(bool on);          // follow the calendar's history
  // These and the country, meridian, epoch and method count as changes to save; the run and
  // keep boxes, the period and the search target are kept without asking for a save.
  void SetShowVmc(bool show) {
    settings_.showVmc = show;
    MarkChanged();
  }
  void SetShowCjds(bool show) {
    settings_.showCjds = show;
    MarkChanged();
  }
  void SetAutoLog(bool on) {
    settings_.autoLog = on;
    MarkChanged();
  }
  void SetMoveStep(int step) {
    settings_.moveStep = step;
    MarkChanged();
  }
  void SetMoveForward(bool forward) {
    settings_.moveForward = forward;
    MarkChanged();
  }
  void SetRepeatedly(bool on) { settings_.repeatedly = on; }
  void SetKeep30th(bool on) { settings_.keep30th = on; }
  void SetKeepLeap(bool on) { settings_.keepLeap = on; }
  void SetRefreshPeriod(int index) { settings_.refreshPeriod = index; }
  // The language of the calendar words; the state file does not keep it, so no save is asked for.
  // Takes effect with the next display.
  void SetLanguage(Language language) { settings_.language = language; }
  void SetSearchTarget(int target);
  void SetSearchNext(bool next) {
    settings_.searchNext = next;
    MarkChanged();
  }
  void SetSearchFestival(std::string id) { settings_.searchFestival = std::move(id); }
  // A row (0 day, 1 month, 2 year) of the multiple element-animal search: list indexes, 5 and 12
  // for none.
  void SetMultipleRow(int row, int element, int animal);
  // "Reset": the entry calendar CHL, the display switches, the option pairs and the Move and
  // Search choices back to their defaults, the date and time boxes emptied. Epoch, method,
  // country and longitude stay.
  void Reset();
  // A saved state taken as it is: the instant (not displayed yet), the entry calendar, the plus
  // option and the settings record but its language, which the state file does not hold; no zone
  // is selected and the date and time boxes are emptied.
  void RestoreState(double ajd, int calendar, bool plus, const MainSettings& settings);
  // "repeatedly" off, and the running repetition told to stop.
  void StopRepeating();

  // The date text changed (typed, pasted or cleared): the reset rule of the element and animal
  // choices.
  void DateTextChanged(const std::string& date);
  // Empties the date and time boxes and the zone (a date adopted, the present moment).
  void ClearDate();
  // "Clear": every entry box, the days to add or subtract included.
  void ClearEntry();

  double currentAjd() const { return currentAjd_; }
  // Sets the instant without any command rule (start-up, a restored state) and displays it.
  void SetCurrentAjd(double ajd);
  const DisplayTexts& display() const { return display_; }
  // DisplayDatesAndTimes: recomputes every text for the current instant.
  const DisplayTexts& DisplayDatesAndTimes();
  // What follows a command that moved the instant: the display when it is not yet the instant's,
  // the Moon, the log entry of the action and the Save button.
  void Recalculate(LogAction action);

  // "Convert": plus/minus check, ParseDate, plus/minus days, the unchanged and range checks.
  ConvertResult Convert();
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
  // date and time boxes are emptied. The refusal (the command stops) when the date is refused,
  // after its message; nothing when the command goes on.
  std::optional<Refusal> AdoptTypedDate();
  // CheckCycleLimit and CheckYearLimit: the refusal (stop) when a step from that cycle or year
  // would leave the admitted range, after "Earliest/Latest admissible date reached." (title
  // "Out of range", no icon).
  std::optional<Refusal> CheckCycleLimit(int32_t cycle, bool forward);
  std::optional<Refusal> CheckYearLimit(int32_t year, bool forward);
  // Shows the refusal through the window's messages and hands it back for the result that
  // carries it.
  Refusal Refuse(Refusal refusal);
  // A message box through the window's messages.
  void Say(const std::string& title, const std::string& text, MessageIcon icon) {
    Refuse({title, text, icon});
  }

 private:
  Refusal Warn(const std::string& title, const std::string& text);
  std::optional<Refusal> Limit(const std::optional<std::string>& message);
  DisplayOptions Options() const;
  void SetDate(std::string date);
  void AddFestivalLine(DisplayTexts& display);

  Reckoner& reckoner_;
  Messages* messages_;
  Clipboard* clipboard_;
  EntryModel entry_;
  MainSettings settings_;
  FestivalCalendar festivals_;
  MainHooks hooks_;
  double currentAjd_ = 2451545.0;
  DisplayTexts display_;
  bool displayed_ = false;
  SessionPhase phase_ = SessionPhase::kReady;
  bool repeating_ = false;
  bool unsaved_ = false;
};

}  // namespace mirvo
