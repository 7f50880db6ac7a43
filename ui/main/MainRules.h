// The main window's commands that set the instant, without the widgets: "Convert" and "Now", the
// clicks on the date rows, and the display of the current instant. The window owns one of these,
// copies its boxes into entry() before a command and the results back after it, and fills the
// hooks with what only it can do (redrawing the Moon, the log, the Save button, the focus).
#pragma once

#include <functional>
#include <string>

#include "ui/main/Display.h"
#include "ui/main/EntryModel.h"

namespace mirvo {

class Reckoner;
class Messages;
class Clipboard;

struct MainHooks {
  std::function<void(const DisplayTexts&)> displayed;  // after every DisplayDatesAndTimes
  std::function<void()> redrawMoon;                    // the Moon picture in the country colour
  std::function<void(int)> autoLog;                    // 1 after Now, 2 after Convert
  std::function<void(bool)> saveStateEnabled;          // CmdSaveStateEnabled
  std::function<void()> setTheFocus;
  // The data window's European calendar option after a click on the CE ('G') or JC ('J') value,
  // also when the entry itself fills the date from that row.
  std::function<void(char)> dataWindowCalendar;
};

// What a Convert did.
enum class ConvertOutcome { kConverted, kEntryError, kUnchanged, kOutOfRange };
inline constexpr const char* kConvertTitle = "Convert date";
inline constexpr const char* kUnchangedText = "Calendar dates unchanged.";

class MainRules {
 public:
  // messages receives the warnings and the calendar question; clipboard the copied values (either
  // may be null: no question is asked then, an entry without a code is refused).
  MainRules(Reckoner& reckoner, Messages* messages, Clipboard* clipboard);

  EntryModel& entry() { return entry_; }
  DisplayOptions& options() { return options_; }
  MainHooks& hooks() { return hooks_; }
  Reckoner& reckoner() { return reckoner_; }

  double currentAjd() const { return currentAjd_; }
  // Sets the instant without any command rule (start-up, a restored state) and displays it.
  void SetCurrentAjd(double ajd);
  const DisplayTexts& display() const { return display_; }
  // DisplayDatesAndTimes: recomputes every text for the current instant.
  const DisplayTexts& DisplayDatesAndTimes();

  // "Convert": plus/minus check, ParseDate, plus/minus days, the unchanged and range checks.
  ConvertOutcome Convert();
  // Status of the last Convert that ended in an entry error (1..15), else 0.
  int lastEntryStatus() const { return lastStatus_; }
  // Text of the last warning Convert showed (entry error, range, unchanged), "" when none.
  const std::string& lastMessage() const { return lastMessage_; }
  // "Now": empties the boxes and the element and animal choices, sets the instant.
  void ResetToNow(double nowAjd);
  // A click on a row (see LabelClick).
  void ClickRow(std::string_view rowName, bool valueLabel);
  // ShowDateOfCalendar: the current instant written into the boxes in the entry calendar.
  void ShowDateOfCalendar(EntryModel& model);
  // ParseDate with this window's context.
  ParseResult Parse(EntryModel& model);

 private:
  void Warn(const std::string& title, const std::string& text);

  Reckoner& reckoner_;
  Messages* messages_;
  Clipboard* clipboard_;
  EntryModel entry_;
  DisplayOptions options_;
  MainHooks hooks_;
  double currentAjd_ = 2451545.0;
  DisplayTexts display_;
  bool displayed_ = false;
  int lastStatus_ = 0;
  std::string lastMessage_;
};

}  // namespace mirvo
