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

// The codes in the order an entry is searched for them: the first one found decides.
constexpr std::array<std::string_view, 8> kEntryCodes{"CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "VMC"};

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

FarYear ChineseYearCheck(int32_t cycle, int32_t position, int32_t epoch) {
  if (cycle < -kMaxCycleMagnitude) return FarYear::kTooEarly;
  if (cycle > kMaxCycleMagnitude) return FarYear::kTooLate;
  int32_t year = YearFromCycle(cycle, position, epoch);
  if (year < kLowestChineseYear) return FarYear::kTooEarly;
  if (year > kHighestChineseYear) return FarYear::kTooLate;
  return FarYear::kInRange;
}

std::string ElementAnimalSuffix(const EntryModel& model, int country) {
  std::string e = model.element >= 0 && model.element < 5 ? std::string(ElementName(model.element)) : "";
  std::string a = model.animal >= 0 && model.animal < 12 ? std::string(AnimalName(model.animal, country)) : "";
  return " " + e + "-" + a;
}

// The "?" position of a lunar or solar entry, from the element and animal names of the country.
ElementAnimalResolver ResolverFor(int country) {
  return [country](std::string_view element, std::string_view animal) {
    int e = ElementIndexOf(LowerCaseText(element));
    int a = AnimalIndexOf(LowerCaseText(animal), country);
    return e < 0 || a < 0 ? 0 : static_cast<int>(PositionOfElementAnimal(e, a));
  };
}

bool ParseChl(const std::string& text, ChlDate& date, int country) {
  date = ChlDate{};
  return chl_datestr_to_chldate(text, date, ResolverFor(country)) && date.valid == 1;
}

bool ParseChs(const std::string& text, ChsDate& date, int country) {
  date = ChsDate{};
  return chs_datestr_to_chsdate(text, date, ResolverFor(country)) && date.valid == 1;
}

std::string LondonTimeText(double cjdl) {
  return TimeOfDayText(cjdl - std::floor(cjdl), false);
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

std::string EntryErrorMessage(int status, int country) {
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
               "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709." + crlf +
               crlf + questionForm;
      }
      return Invalid("CHL") + "CHL dates must be in the form 'cycle-position-month[*]-day'." + crlf +
             crlf + questionForm;
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

void ReportEntryError(Messages& messages, int status, int country) {
  messages.Warn(kEntryErrorTitle, EntryErrorMessage(status, country));
}

std::string DateRangeMessage(double ajd) {
  if (std::isnan(ajd) || ajd < kMinAjd) return "Date is earlier than -3000-01-01 CE.";
  if (ajd > kMaxAjd) return "Date is later than 3000-01-01 CE.";
  return "";
}

bool CheckDateRange(double ajd, Messages* messages) {
  std::string text = DateRangeMessage(ajd);
  if (text.empty()) return false;
  if (messages) messages->Warn(kDateRangeTitle, text);
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

std::string BuildElementAnimalTargetText(int target, int element, int animal, int country) {
  static constexpr std::array<std::string_view, 3> kKinds{" day", " month", " year"};
  int k = target - kFirstElementAnimalTarget;
  if (k < 0 || k > 2) return "";
  bool hasElement = element >= 0 && element < 5;
  bool hasAnimal = animal >= 0 && animal < 12;
  std::string t;
  if (!hasElement && !hasAnimal) return "Element-animal" + std::string(kKinds[static_cast<size_t>(k)]);
  t = (hasElement ? std::string(ElementName(element)) : "") + "-" +
      (hasAnimal ? std::string(AnimalName(animal, country)) : "") + " (";
  if (hasElement && hasAnimal) {
    t += StemBranchText(PositionOfElementAnimal(element, animal));
  } else if (hasElement) {
    t += std::string(StemName(2 * element + 1)) + "-, " + std::string(StemName(2 * element + 2)) + "-";
  } else {
    t += "-" + std::string(BranchName(animal + 1));
  }
  return t + ")" + std::string(kKinds[static_cast<size_t>(k)]);
}

ParseResult ParseDate(EntryModel& model, EntryContext& context) {
  Reckoner& reckoner = context.reckoner;
  const int country = reckoner.CountryIndex();
  const double longitude = reckoner.ReferenceDegrees();
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

  // 5. The calendar code: the first of the codes found must end the text. False when one is
  // found elsewhere; `code` stays empty when there is none.
  std::string code;
  auto findCode = [&s](std::string& found) {
    for (std::string_view c : kEntryCodes) {
      size_t p = s.find(c);
      if (p == std::string::npos) continue;
      if (p + c.size() != s.size()) return false;
      found = c;
      break;
    }
    return true;
  };
  if (!findCode(code)) return fail(kEntryNoCalendar);
  if (code.empty()) {
    if (hadSpaces || context.questions == nullptr || model.calendar < 0 || model.calendar > 8) {
      return fail(kEntryNoCalendar);
    }
    std::string current(kCalendarCodeTable[0][static_cast<size_t>(model.calendar)]);
    if (!context.questions->AskYesNo(kCalendarQuestionTitle, "Is this a " + current + " Calendar date?")) {
      return fail(kEntryNoCalendar);
    }
    s += current;
    model.date += " " + current;
    // The code joined to the text must read as that code, as it will when the box is converted
    // again: "2451545CJD" with CJDC holds "CJDC" before its end.
    if (!findCode(code) || code != current) return fail(kEntryNoCalendar);
  }
  const bool dayCount = code == "CJDC" || code == "CJDL" || code == "AJD";

  // 6, 7. Separators and times inside the date. A day-count code anywhere in the text, not only
  // the one that ends it, admits points and refuses a second "-".
  if (Contains(s, "CJDC") || Contains(s, "CJDL") || Contains(s, "AJD")) {
    if (std::count(s.begin(), s.end(), '-') > 1) return fail(kEntryBadJd);
  } else if (Contains(s, "/") || Contains(s, ".")) {
    return fail(kEntryBadSeparator);
  }
  if (Contains(s, ":")) return fail(kEntryTimeInDate);

  // 8.
  if (model.time.empty()) model.time = "12:00";

  // 9. The date without its code, by calendar.
  s.resize(s.size() - code.size());
  int32_t day = 0;
  double instant = 0;
  bool beyondRange = false;
  auto defaultZone = [&](int zone) {
    if (model.timeZone == kTimeZoneNone) model.timeZone = zone;
  };

  if (code == "VMC") {
    VmcDate date;
    date.calendar = kVmcLetter;
    if (ParseCalendarDate(s, date) != 1 || !VmcToDay(date)) return fail(kEntryBadVmc);
    if (date.jdn < kMinJdnMirvo) return fail(kEntryTooEarly);
    day = date.jdn;
    model.calendar = GetCalendar("VMC");
    defaultZone(kTimeZoneGmt);
  } else if (code == "CE" || code == "JC") {
    const bool ce = code == "CE";
    CalendarDate date;
    date.calendar = ce ? 'G' : 'J';
    if (ParseCalendarDate(s, date) != 1) return fail(ce ? kEntryBadCe : kEntryBadJc);
    if (date.year < -kMaxEuropeanYear) return fail(kEntryTooEarly);
    if (date.year > kMaxEuropeanYear) {
      beyondRange = true;
      instant = BeyondRange(date.year);
    } else {
      day = JdnFromCalendarDate(date);
      if (day < kMinJdnMirvo) return fail(kEntryTooEarly);
    }
    model.calendar = ce ? kCalCE : kCalJC;
    defaultZone(kTimeZoneGmt);
  } else if (code == "CHL") {
    std::string text = s;
    if (Contains(text, "-?-")) text += ElementAnimalSuffix(model, country);
    ChlDate date;
    bool parsed = ParseChl(text, date, country);
    if (!parsed && country == kChina && Contains(text, "-")) {
      // year-month-day with the Overseas Chinese year count.
      size_t dash = text.find('-');
      long count = SmallNumber(SignedDigits(text.substr(0, dash), false, false));
      if (count >= 0) {
        auto [cycle, position] = CycleFromYearCount(static_cast<int32_t>(count), reckoner.Epoch());
        text = std::to_string(cycle) + "-" + std::to_string(position) + text.substr(dash);
        parsed = ParseChl(text, date, country);
      }
    }
    if (!parsed) return fail(kEntryBadChl);
    date.epoch = reckoner.Epoch();
    FarYear far = ChineseYearCheck(date.cycle, date.position, date.epoch);
    if (far == FarYear::kTooEarly) return fail(kEntryTooEarly);
    if (far == FarYear::kTooLate) {
      if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return fail(kEntryBadChl);
      beyondRange = true;
      instant = BeyondRange(date.cycle);
    } else {
      int16_t status = reckoner.ChlToDay(date);
      if (status == kChlDayBeyondMonth) return fail(kEntryChlDayBeyondMonth);
      if (status != kChlValid) return fail(kEntryBadChl);
      if (date.jdn < kMinJdnMirvo) return fail(kEntryTooEarly);
      day = date.jdn;
    }
    model.calendar = kCalCHL;
    defaultZone(kTimeZoneReference);
  } else if (code == "CHS") {
    std::string text = s;
    if (Contains(text, "-?-")) text += ElementAnimalSuffix(model, country);
    ChsDate date;
    if (!ParseChs(text, date, country)) return fail(kEntryBadChs);
    date.epoch = reckoner.Epoch();
    FarYear far = ChineseYearCheck(date.cycle, date.position, date.epoch);
    if (far == FarYear::kTooEarly) return fail(kEntryTooEarly);
    if (far == FarYear::kTooLate) {
      if (date.term < 1 || date.term > 24 || date.day < 1 || date.day > 16) return fail(kEntryBadChs);
      beyondRange = true;
      instant = BeyondRange(date.cycle);
    } else {
      if (!reckoner.ChsToDay(date)) return fail(kEntryBadChs);
      if (date.jdn < kMinJdnMirvo) return fail(kEntryTooEarly);
      day = date.jdn;
    }
    model.calendar = kCalCHS;
    defaultZone(kTimeZoneReference);
  } else if (dayCount) {
    double number = LeadingNumber(s);
    instant = code == "CJDC" ? AjdFromCjdc(number, longitude)
              : code == "CJDL" ? AjdFromCjdl(number) : number;
    if (!(instant >= kMinAjd)) return fail(kEntryTooEarly);
    model.calendar = GetCalendar(code);
    model.timeZone = kTimeZoneNone;
  } else {
    return fail(kEntryParseError);
  }

  // 10. The time of day.
  if (dayCount) {
    if (instant <= kMaxAjd) {
      if (code == "CJDC") {
        double y = CjdcFromAjd(instant, longitude);
        model.time = TimeOfDayText(y - std::floor(y), false).substr(0, 5);
        model.timeZone = kTimeZoneReference;
      } else {
        model.time = LondonTimeText(CjdlFromAjd(instant)).substr(0, 5);
        model.timeZone = kTimeZoneGmt;
      }
    } else {
      model.timeZone = code == "CJDC" ? kTimeZoneReference : kTimeZoneGmt;
    }
  } else {
    int minutes = ParseTimeOfDay(model.time);
    if (minutes < 0) return fail(kEntryBadTime);
    if (!beyondRange) {
      double x = day + minutes / 1440.0;
      instant = model.timeZone == kTimeZoneGmt ? AjdFromCjdl(x) : AjdFromCjdc(x, longitude);
    }
  }
  result.ajd = instant;
  return result;
}

}  // namespace mirvo
