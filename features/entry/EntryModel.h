// Date entry of the main window without the widgets: what the user has typed or chosen, and the
// rules that turn it into an instant or into one of fifteen entry errors. The window copies its
// boxes into an EntryModel, calls ParseDate, and copies the (possibly rewritten) model back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "features/tables/MainTables.h"

namespace mirvo {

class Reckoner;
class Messages;

struct EntryModel {
  std::string date;               // txbDate
  std::string time;               // txbTime, "hh:mm"
  int timeZone = kTimeZoneNone;   // cboTimeZone: 0 "GMT", 1 the reference zone, -1 none
  std::string plusMinus;          // txbPlusMinus
  bool plus = true;               // optPlus (false: optMinus)
  int element = kNoElementEntry;  // cboElement index, 5 = none
  int animal = kNoAnimalEntry;    // cboAnimal index, 12 = none
  int calendar = kCalCHL;         // intCalendar, the current entry calendar
  int target = 0;                 // cboTarget index (its element-animal targets keep the choice)
  // The code of the date for which the program wrote the time, and the zone ("CE", "CHL", "VMC"
  // …): a default, a clicked row's time, a day count's own time. "" when the box holds what the
  // user typed or chose. A written value is no entry of the user's: a date typed with another
  // code is read without it.
  std::string timeWrittenFor;
  std::string zoneWrittenFor;

  // The user's edits of the time and zone boxes.
  void EditTime(std::string text) {
    time = std::move(text);
    timeWrittenFor.clear();
  }
  void EditZone(int zone) {
    timeZone = zone;
    zoneWrittenFor.clear();
  }
  // What the program writes into them for a date of `code`.
  void WriteTime(std::string text, std::string_view code) {
    time = std::move(text);
    timeWrittenFor = code;
  }
  void WriteZone(int zone, std::string_view code) {
    timeZone = zone;
    zoneWrittenFor = code;
  }
};

// Statuses of ParseDate besides 0 (success).
enum EntryError : int {
  kEntryOk = 0,
  kEntryNoDate = 1,
  kEntryNoCalendar = 2,
  kEntryTimeInDate = 3,
  kEntryBadTime = 4,
  kEntryBadSeparator = 5,
  kEntryBadCe = 6,
  kEntryBadJc = 7,
  kEntryBadChl = 8,
  kEntryBadChs = 9,
  kEntryBadJd = 10,
  kEntryBadVmc = 11,
  kEntryParseError = 12,
  kEntryChlDayBeyondMonth = 13,
  kEntryBadPlusMinus = 14,
  kEntryTooEarly = 15,
};
inline constexpr const char* kEntryErrorTitle = "Invalid date or time entry";
inline constexpr const char* kDateRangeTitle = "Date out of range";
inline constexpr const char* kCalendarQuestionTitle = "Calendar?";

// The message of a status 1..15 (message 8 depends on the country); "" for any other status.
std::string EntryErrorMessage(int status, Country country);

// Nothing when the instant lies in the admitted range, otherwise the message. An instant that is
// not a number is out of range too.
std::optional<std::string> DateRangeMessage(double ajd);
// True when out of range, after showing the message (titled "Date out of range") when messages
// is given.
bool CheckDateRange(double ajd, Messages* messages);

// Minutes since midnight of a time text, or -1. Every "." in the text is replaced by ":" (the
// text is written back that way); spaces are ignored; each part counts up to its first
// non-numeric character and an empty part is 0.
int ParseTimeOfDay(std::string& timeText);

// The reset rule run on every change of the date text: the element and animal choices go back to
// none unless the text is a "?" lunar entry or the search target is an element-animal target.
void UpdateElementAnimalControls(EntryModel& model);

// List text of the element-animal search target (15 day, 16 month, 17 year) for the chosen
// element and animal (list indexes; 5 and 12 mean none): "fire-dog (bing-xu) day",
// "fire- (bing-, ding-) month", "-dog (-xu) year", "Element-animal day".
std::string BuildElementAnimalTargetText(int target, int element, int animal, Country country);

struct EntryContext {
  Reckoner& reckoner;     // country, longitude and epoch of the conversion
  std::string zoneLabel;  // strCCT, the label of the reference meridian
  // Asks "Is this a … Calendar date?" for an entry without a code. Without it such an entry is
  // refused with status 2.
  Messages* questions = nullptr;
  // Fills the entry boxes with the current instant in the current entry calendar (as a click on
  // that row's value does); used when only a number of days was entered.
  std::function<void(EntryModel&)> showDateOfCalendar;
};

struct ParseResult {
  int status = kEntryOk;
  double ajd = 0;
};

// Parses model.date (with model.time and model.timeZone) into an instant. Rewrites the model as
// the window's boxes are rewritten: the date upper-cased and trimmed (and the code appended after
// a Yes to the question), a time or zone written for a date of another code dropped, a default
// time "12:00", a default zone, the time of a day-count entry, and on success the entry calendar.
ParseResult ParseDate(EntryModel& model, EntryContext& context);

// The numeric value of the start of a text, as far as it reads as a decimal number (sign, digits,
// one point): "12.5x" 12.5, "x" 0, "" 0. Huge values saturate rather than overflow.
double LeadingNumber(const std::string& text);

}  // namespace mirvo
