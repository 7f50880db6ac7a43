#include "features/entry/EntryModel.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"
#include "platform/calendarlib/ChineseDateText.h"
#include "platform/services/Services.h"
#include "util/Text.h"

namespace mirvo {
namespace {

// The sentence that opens messages 6 to 13 is followed by two spaces.
std::string Invalid(std::string_view what) { return "Invalid " + std::string(what) + " date.  "; }

std::string UpperAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string LowerAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool Contains(const std::string& s, std::string_view part) { return s.find(part) != std::string::npos; }

// A whole number of at most nine digits, for fields that index tables; nullopt-like -1 otherwise.
long SmallNumber(const std::string& digits) {
  if (digits.empty() || digits.size() > 9) return -1;
  return std::stol(digits);
}

// Lunar years the conversion is asked for: every year the calendar core computes, so that a day
// beyond its month or a missing leap month is named as such also a little outside the admitted
// range. Beyond them the core is not consulted and such dates count as too early or too late.
constexpr int32_t kLowestChineseYear = Reckoner::kMinChineseYear;
constexpr int32_t kHighestChineseYear = Reckoner::kMaxChineseYear;
constexpr int32_t kMaxCycleMagnitude = 1000;
// European years whose day numbers surely fit in 32 bits.
constexpr int32_t kMaxEuropeanYear = 1000000;

// An instant standing for a date far beyond the end of the range (refused by CheckDateRange).
double BeyondRange(int32_t year) { return kMaxAjd + 1.0 + std::abs(static_cast<double>(year)) * 365.0; }

enum class FarYear { kInRange, kTooEarly, kTooLate };

FarYear ChineseYearCheck(int32_t cycle, int32_t position, Epoch epoch) {
  if (cycle < -kMaxCycleMagnitude) return FarYear::kTooEarly;
  if (cycle > kMaxCycleMagnitude) return FarYear::kTooLate;
  int32_t year = YearFromCycle(cycle, position, epoch);
  if (year < kLowestChineseYear) return FarYear::kTooEarly;
  if (year > kHighestChineseYear) return FarYear::kTooLate;
  return FarYear::kInRange;
}

std::string ElementAnimalSuffix(const EntryModel& model, Country country) {
  std::string e = model.element >= 0 && model.element < 5 ? std::string(ElementName(model.element)) : "";
  std::string a =
      model.animal >= 0 && model.animal < 12 ? std::string(AnimalName(model.animal, country)) : "";
  return " " + e + "-" + a;
}

// The "?" position of a lunar or solar entry, from the element and animal names of the country.
ElementAnimalResolver ResolverFor(Country country) {
  return [country](std::string_view element, std::string_view animal) {
    int e = ElementIndexOf(LowerCaseText(element));
    int a = AnimalIndexOf(LowerCaseText(animal), country);
    return e < 0 || a < 0 ? 0 : static_cast<int>(PositionOfElementAnimal(e, a));
  };
}

bool ParseChl(const std::string& text, ChlDate& date, Country country) {
  date = ChlDate{};
  return chl_datestr_to_chldate(text, date, ResolverFor(country)) && date.valid == 1;
}

bool ParseChs(const std::string& text, ChsDate& date, Country country) {
  date = ChsDate{};
  return chs_datestr_to_chsdate(text, date, ResolverFor(country)) && date.valid == 1;
}

// A year-month-day lunar date with the Overseas Chinese year count (China only).
bool ParseChlYearCount(const std::string& text, ChlDate& date, Country country, Epoch epoch) {
  const size_t dash = text.find('-');
  const long count = SmallNumber(SignedDigits(text.substr(0, dash), false, false));
  if (count < 0) return false;
  auto [cycle, position] = CycleFromYearCount(static_cast<int32_t>(count), epoch);
  return ParseChl(std::to_string(cycle) + "-" + std::to_string(position) + text.substr(dash), date, country);
}

// A "?" position names its element and animal in the text the date parsers read.
std::string WithElementAnimal(const std::string& text, const EntryModel& model, Country country) {
  return Contains(text, "-?-") ? text + ElementAnimalSuffix(model, country) : text;
}

// What the parser of one calendar code makes of the date without its code.
struct DateReading {
  int status = kEntryOk;
  int32_t day = 0;           // a calendar date's day number, a civil day at the date's zone
  double instant = 0;        // a day count's instant, or one standing for a date beyond the range
  bool beyondRange = false;  // a calendar date far beyond the range: no time of day applies
};

DateReading Refused(int status) { return {status}; }
DateReading OnDay(int32_t day) { return {kEntryOk, day}; }
DateReading BeyondRangeOf(int32_t year) { return {kEntryOk, 0, BeyondRange(year), true}; }

DateReading ReadEuropean(const std::string& text, char calendar, int bad) {
  CalendarDate date;
  date.calendar = calendar;
  if (ParseCalendarDate(text, date) != 1) return Refused(bad);
  if (date.year < -kMaxEuropeanYear) return Refused(kEntryTooEarly);
  if (date.year > kMaxEuropeanYear) return BeyondRangeOf(date.year);
  const int32_t day = JdnFromCalendarDate(date);
  return day < kMinJdnMirvo ? Refused(kEntryTooEarly) : OnDay(day);
}

DateReading ReadCe(const std::string& text, const EntryModel&, Reckoner&) {
  return ReadEuropean(text, 'G', kEntryBadCe);
}

DateReading ReadJc(const std::string& text, const EntryModel&, Reckoner&) {
  return ReadEuropean(text, 'J', kEntryBadJc);
}

DateReading ReadVmc(const std::string& text, const EntryModel&, Reckoner&) {
  VmcDate date;
  date.calendar = kVmcLetter;
  if (ParseCalendarDate(text, date) != 1 || !VmcToDay(date)) return Refused(kEntryBadVmc);
  return date.jdn < kMinJdnMirvo ? Refused(kEntryTooEarly) : OnDay(date.jdn);
}

// The far-year rule of the lunar and solar dates. A year before those the calendar core computes
// is too early. A year after them stands for an instant beyond the range when its month (or term)
// and day could exist in any year, and is refused with `bad` otherwise. Any other year is
// converted by toDay, which returns kEntryOk or the entry error.
template <typename ChineseDate, typename ToDay>
DateReading ReadChineseDay(ChineseDate& date, bool partsCouldExist, int bad, ToDay toDay) {
  const FarYear far = ChineseYearCheck(date.cycle, date.position, date.epoch);
  if (far == FarYear::kTooEarly) return Refused(kEntryTooEarly);
  if (far == FarYear::kTooLate) return partsCouldExist ? BeyondRangeOf(date.cycle) : Refused(bad);
  if (const int status = toDay(date); status != kEntryOk) return Refused(status);
  return date.jdn < kMinJdnMirvo ? Refused(kEntryTooEarly) : OnDay(date.jdn);
}

DateReading ReadChl(const std::string& s, const EntryModel& model, Reckoner& reckoner) {
  const Country country = reckoner.CountryIndex();
  const std::string text = WithElementAnimal(s, model, country);
  ChlDate date;
  bool parsed = ParseChl(text, date, country);
  if (!parsed && country == kChina && Contains(text, "-")) {
    parsed = ParseChlYearCount(text, date, country, reckoner.Epoch());
  }
  if (!parsed) return Refused(kEntryBadChl);
  date.epoch = reckoner.Epoch();
  const bool couldExist = date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 30;
  return ReadChineseDay(date, couldExist, kEntryBadChl, [&reckoner](ChlDate& d) -> int {
    const int16_t status = reckoner.ChlToDay(d);
    if (status == kChlDayBeyondMonth) return kEntryChlDayBeyondMonth;
    return status == kChlValid ? kEntryOk : kEntryBadChl;
  });
}

DateReading ReadChs(const std::string& s, const EntryModel& model, Reckoner& reckoner) {
  const Country country = reckoner.CountryIndex();
  ChsDate date;
  if (!ParseChs(WithElementAnimal(s, model, country), date, country)) return Refused(kEntryBadChs);
  date.epoch = reckoner.Epoch();
  const bool couldExist = date.term >= 1 && date.term <= 24 && date.day >= 1 && date.day <= 16;
  return ReadChineseDay(date, couldExist, kEntryBadChs, [&reckoner](ChsDate& d) -> int {
    return reckoner.ChsToDay(d) ? kEntryOk : kEntryBadChs;
  });
}

DateReading ReadDayCount(double instant) {
  if (!(instant >= kMinAjd)) return Refused(kEntryTooEarly);
  return {kEntryOk, 0, instant};
}

DateReading ReadAjd(const std::string& text, const EntryModel&, Reckoner&) {
  return ReadDayCount(LeadingNumber(text));
}

DateReading ReadCjdl(const std::string& text, const EntryModel&, Reckoner&) {
  return ReadDayCount(AjdFromCjdl(LeadingNumber(text)));
}

DateReading ReadCjdc(const std::string& text, const EntryModel&, Reckoner& reckoner) {
  return ReadDayCount(AjdFromCjdc(LeadingNumber(text), reckoner.ReferenceDegrees()));
}

struct CodeParser {
  std::string_view code;
  DateReading (*read)(const std::string& text, const EntryModel& model, Reckoner& reckoner);
  int calendar;     // the entry calendar after a date of this code
  int defaultZone;  // the zone when none is chosen; a day count's own zone, that of the time it brings
  bool dayCount;
};

// The codes in the order an entry is searched for them: the first one found decides.
constexpr std::array<CodeParser, 8> kCodeParsers{{
    {"CE", ReadCe, kCalCE, kTimeZoneGmt, false},
    {"JC", ReadJc, kCalJC, kTimeZoneGmt, false},
    {"CHL", ReadChl, kCalCHL, kTimeZoneReference, false},
    {"CHS", ReadChs, kCalCHS, kTimeZoneReference, false},
    {"AJD", ReadAjd, kCalAJD, kTimeZoneGmt, true},
    {"CJDC", ReadCjdc, kCalCJDC, kTimeZoneReference, true},
    {"CJDL", ReadCjdl, kCalCJDL, kTimeZoneGmt, true},
    {"VMC", ReadVmc, kCalVMCGMT, kTimeZoneGmt, false},
}};

// The parser of the calendar code: the first of the codes found must end the text. False when one
// is found elsewhere; `parser` stays null when there is none.
bool FindCode(const std::string& s, const CodeParser*& parser) {
  for (const CodeParser& p : kCodeParsers) {
    const size_t at = s.find(p.code);
    if (at == std::string::npos) continue;
    if (at + p.code.size() != s.size()) return false;
    parser = &p;
    break;
  }
  return true;
}

// An entry without a code, after a Yes to "Is this a … Calendar date?", is a date of the entry
// calendar: its code is joined to the text. The joined text must read as that code, as it will
// when the box is converted again: "2451545CJD" with CJDC holds "CJDC" before its end.
bool AskForCode(std::string& s, bool hadSpaces, EntryModel& model, EntryContext& context,
                const CodeParser*& parser) {
  if (hadSpaces || context.questions == nullptr || model.calendar < 0 || model.calendar > 8) return false;
  const std::string current(kCalendarCodes[static_cast<size_t>(model.calendar)]);
  if (!context.questions->AskYesNo(kCalendarQuestionTitle, "Is this a " + current + " Calendar date?")) {
    return false;
  }
  s += current;
  model.date += " " + current;
  return FindCode(s, parser) && parser != nullptr && parser->code == current;
}

// A time or zone the program wrote for a date of another code is no entry of the user's: a date
// typed in another reckoning is read without it, as it is read alone.
void DropWrittenForOtherCode(EntryModel& model, std::string_view code) {
  if (!model.timeWrittenFor.empty() && model.timeWrittenFor != code) model.EditTime("");
  if (!model.zoneWrittenFor.empty() && model.zoneWrittenFor != code) model.EditZone(kTimeZoneNone);
}

// A day count brings its own time, that of its instant in its own zone; beyond the range only
// the zone is shown.
void ShowTimeOfDayCount(EntryModel& model, const CodeParser& parser, double instant, double longitude) {
  const int zone = parser.defaultZone;
  if (instant <= kMaxAjd) {
    const double count = zone == kTimeZoneReference ? CjdcFromAjd(instant, longitude) : CjdlFromAjd(instant);
    model.WriteTime(TimeOfDayText(count - std::floor(count), false).substr(0, 5), parser.code);
  }
  model.WriteZone(zone, parser.code);
}

double InstantOfDay(int32_t day, int minutes, int zone, double longitude) {
  const double x = day + minutes / 1440.0;
  return zone == kTimeZoneGmt ? AjdFromCjdl(x) : AjdFromCjdc(x, longitude);
}

}  // namespace

double LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
    }
  }
  if (std::isinf(value)) value = 1e300;
  return sign * value;
}

std::string EntryErrorMessage(int status, Country country) {
  const std::string crlf = "\r\n";
  const std::string questionForm =
      "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30," + crlf +
      "and specify element-animal using the drop-down boxes.";
  switch (status) {
    case kEntryNoDate: return "No date specified.";
    case kEntryNoCalendar:
      return "Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).";
    case kEntryTimeInDate: return "Time specification not permitted in date string.";
    case kEntryBadTime: return "Invalid time specification.  Times must be, e.g., 23:50.";
    case kEntryBadSeparator: return "Date separator must be a dash, '-'.";
    case kEntryBadCe: return Invalid("CE") + "CE dates must be in ISO 8601 format: year-month-day";
    case kEntryBadJc: return Invalid("JC") + "JC dates must be in ISO 8601 format: year-month-day";
    case kEntryBadChl:
      if (country == kChina) {
        return Invalid("CHL") + "CHL dates must be in the form 'cycle-position-month[*]-day'" + crlf +
               "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709." + crlf + crlf +
               questionForm;
      }
      return Invalid("CHL") + "CHL dates must be in the form 'cycle-position-month[*]-day'." + crlf + crlf +
             questionForm;
    case kEntryBadChs:
      return Invalid("CHS") + "CHS dates must be in the form: cycle-position-solarterm-day" + crlf;
    case kEntryBadJd:
      return Invalid("CJDL, CJDC, or AJD") + "These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.";
    case kEntryBadVmc: return Invalid("VMC") + "VMC dates must be in ISO 8601 format: year-month-day";
    case kEntryParseError: return "Error when parsing date string.";
    case kEntryChlDayBeyondMonth: return Invalid("CHL") + "Day number exceeds number of days in the month.";
    case kEntryBadPlusMinus: return "Invalid plus/minus days.";
    case kEntryTooEarly: return "Date too early.";
    default: return "";
  }
}

std::optional<std::string> DateRangeMessage(double ajd) {
  if (std::isnan(ajd) || ajd < kMinAjd) return "Date is earlier than -3000-01-01 CE.";
  if (ajd > kMaxAjd) return "Date is later than 3000-01-01 CE.";
  return std::nullopt;
}

bool CheckDateRange(double ajd, Messages* messages) {
  const std::optional<std::string> text = DateRangeMessage(ajd);
  if (!text) return false;
  if (messages) messages->Warn(kDateRangeTitle, *text);
  return true;
}

int ParseTimeOfDay(std::string& timeText) {
  for (char& c : timeText) {
    if (c == '.') c = ':';
  }
  std::string t = RemoveSpaces(timeText);
  size_t colon = t.find(':');
  if (colon != 1 && colon != 2) return -1;
  double hours = LeadingNumber(t.substr(0, colon));
  double minutes = LeadingNumber(t.substr(colon + 1));
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return -1;
  // A part such as "7.5" cannot occur (points became colons), so the values are whole.
  return static_cast<int>(hours) * 60 + static_cast<int>(minutes);
}

void UpdateElementAnimalControls(EntryModel& model) {
  bool questionForm = Contains(model.date, "-?-") && Contains(LowerAscii(model.date), "chl");
  if (questionForm || IsElementAnimalTarget(model.target)) return;
  model.element = kNoElementEntry;
  model.animal = kNoAnimalEntry;
}

std::string BuildElementAnimalTargetText(int target, int element, int animal, Country country) {
  static constexpr std::array<std::string_view, 3> kKinds{" day", " month", " year"};
  const int k = target - kFirstElementAnimalTarget;
  if (k < 0 || k > 2) return "";
  const std::string phrase = ChosenElementAnimalPhrase(element, animal, country);
  return (phrase.empty() ? "Element-animal" : phrase) + std::string(kKinds[static_cast<size_t>(k)]);
}

ParseResult ParseDate(EntryModel& model, EntryContext& context) {
  ParseResult result;
  auto fail = [&](int status) {
    result.status = status;
    return result;
  };

  // 1. Trim and upper-case; the box shows that text. Blanks and "," are then ignored.
  std::string s = UpperAscii(TrimmedText(model.date));
  const bool hadSpaces = s.find(' ') != std::string::npos;
  model.date = s;
  RemoveCharacters(s, ", ");
  const std::string plusMinus = TrimmedText(model.plusMinus);

  // 2, 3. Only a number of days: the current instant in the entry calendar is the date.
  if (s.empty() && plusMinus.empty()) return fail(kEntryNoDate);
  if (s.empty() && context.showDateOfCalendar) {
    context.showDateOfCalendar(model);
    s = model.date;
    RemoveCharacters(s, ", ");
  }
  // 4.
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || s[0] == '-')) {
    return fail(kEntryNoDate);
  }

  // 5. The calendar code, asked for when there is none.
  const CodeParser* parser = nullptr;
  if (!FindCode(s, parser)) return fail(kEntryNoCalendar);
  if (parser == nullptr && !AskForCode(s, hadSpaces, model, context, parser)) return fail(kEntryNoCalendar);

  // 6, 7. Separators and times inside the date. A day-count code anywhere in the text, not only
  // the one that ends it, admits points and refuses a second "-".
  if (Contains(s, "CJDC") || Contains(s, "CJDL") || Contains(s, "AJD")) {
    if (std::count(s.begin(), s.end(), '-') > 1) return fail(kEntryBadJd);
  } else if (Contains(s, "/") || Contains(s, ".")) {
    return fail(kEntryBadSeparator);
  }
  if (Contains(s, ":")) return fail(kEntryTimeInDate);

  // 8.
  DropWrittenForOtherCode(model, parser->code);
  if (model.time.empty()) model.WriteTime("12:00", parser->code);

  // 9. The date without its code, by its calendar's parser.
  s.resize(s.size() - parser->code.size());
  const DateReading date = parser->read(s, model, context.reckoner);
  if (date.status != kEntryOk) return fail(date.status);
  model.calendar = parser->calendar;
  if (!parser->dayCount && model.timeZone == kTimeZoneNone) {
    model.WriteZone(parser->defaultZone, parser->code);
  }

  // 10. The time of day.
  const double longitude = context.reckoner.ReferenceDegrees();
  if (parser->dayCount) {
    ShowTimeOfDayCount(model, *parser, date.instant, longitude);
    result.ajd = date.instant;
    return result;
  }
  const int minutes = ParseTimeOfDay(model.time);
  if (minutes < 0) return fail(kEntryBadTime);
  result.ajd = date.beyondRange ? date.instant : InstantOfDay(date.day, minutes, model.timeZone, longitude);
  return result;
}

}  // namespace mirvo
