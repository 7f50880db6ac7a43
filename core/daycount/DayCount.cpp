#include "core/daycount/DayCount.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <limits>

#include "platform/astro/DeltaT.h"
#include "platform/calendarlib/EuroCalendar.h"
#include "util/Text.h"

namespace mirvo {
namespace {

constexpr std::array<std::string_view, 12> kMonthsEnglish{"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 12> kMonthsEnglishShort{
    "Jan.", "Feb.", "Mar.", "Apr.", "May", "June", "July", "Aug.", "Sept.", "Oct.", "Nov.", "Dec."};
constexpr std::array<std::string_view, 12> kMonthsGerman{"Januar",    "Februar", "März",     "April",
                                                         "Mai",       "Juni",    "Juli",     "August",
                                                         "September", "Oktober", "November", "Dezember"};
constexpr std::array<std::string_view, 12> kMonthsGermanShort{
    "Jan.", "Feb.", "März", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez."};

constexpr std::array<std::string_view, 7> kWeekdaysEnglish{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 7> kWeekdaysGerman{"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                          "Donnerstag", "Freitag", "Samstag"};

// Day numbers outside 32 bits cannot be represented; clamp before converting a double.
int32_t ClampToJdn(double x) {
  if (!(x > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (!(x < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(x);  // truncates toward zero
}

// Rounds to the nearest integer, halves to the even neighbour, independent of the FPU mode.
double RoundHalfEven(double x) {
  const double f = std::floor(x);
  const double diff = x - f;
  if (diff > 0.5) return f + 1;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

// Years beyond four digits are grouped ("12,345"), as in every date text of the program.
std::string YearText(int32_t year, char thousandsSeparator) {
  const std::string plain = std::to_string(year);
  if (year > 9999 || year < -9999) return separate_thousands(plain, thousandsSeparator);
  return plain;
}

}  // namespace

std::string ZoneLabel(int longitude) {
  switch (longitude) {
    case 105: return "ICT";
    case 106: return "HAN";
    case 109: return "CHA";
    case 116: return "BEI";
    case 120: return "CCT";
    case 135: return "JST";
    case 140: return "EDO";
    default: break;
  }
  if (longitude < kMinLongitude || longitude > kMaxLongitude) return "";
  return "L" + TwoDigits(longitude - 100);
}

std::string_view MonthName(int month, bool shortForm, int language) {
  if (month < 1 || month > 12) return "";
  const auto& table = language == 1 ? (shortForm ? kMonthsGermanShort : kMonthsGerman)
                                    : (shortForm ? kMonthsEnglishShort : kMonthsEnglish);
  return table[month - 1];
}

int32_t JdnFromCalendarDate(CalendarDate& date) { return euro_date_to_jdn(date); }

int32_t JdnOfCeDate(int32_t year, int32_t month, int32_t day) {
  CalendarDate date = MakeCalendarDate(year, month, day);
  return JdnFromCalendarDate(date);
}

int32_t CeYearOfJdn(int32_t jdn) { return CeDateOfJdn(jdn).year; }

void CalendarDateFromJdn(CalendarDate& date) { jdn_to_euro_date(date); }

CalendarDate CeDateOfJdn(int32_t jdn) {
  CalendarDate date = MakeCalendarDate(0, 0, 0);
  date.jdn = jdn;
  jdn_to_euro_date(date);
  return date;
}

void CeAndJcFromDayCount(double x, CalendarDate& ce, CalendarDate& jc) {
  const int32_t jdn = ClampToJdn(x);
  ce.calendar = 'G';
  ce.jdn = jdn;
  CalendarDateFromJdn(ce);
  ce.valid = 1;
  jc.calendar = 'J';
  jc.jdn = jdn;
  CalendarDateFromJdn(jc);
  jc.valid = 1;
}

int16_t WeekdayOf(int32_t jdn) { return static_cast<int16_t>(euro_day_of_week(jdn)); }

std::string WeekdayName(int index, bool pad, int language) {
  if (index < 0 || index > 6) return "";
  std::string name(language == 1 ? kWeekdaysGerman[index] : kWeekdaysEnglish[index]);
  constexpr size_t kWidth = 9;  // "Wednesday"
  if (pad && name.size() < kWidth) name.insert(0, kWidth - name.size(), ' ');
  return name;
}

int SecondOfDay(double fraction) {
  // NaN fails both comparisons and lands here too, never in the integer conversion below.
  if (!(fraction >= 0.0 && fraction < 1.0)) return -1;
  // A tiny nudge so that a fraction computed as 0.49999999999 for noon still shows 12:00.
  if (fraction > 0.0 && fraction < 0.99999999) fraction += 1e-8;
  const int s = static_cast<int>(fraction * 86400.0);
  return s >= 86400 ? 86399 : s;
}

int MinuteOfDay(double fraction) {
  const int s = SecondOfDay(fraction);
  return s < 0 ? -1 : s / 60;
}

std::string TimeOfDayText(double fraction, bool withSeconds) {
  const int s = SecondOfDay(fraction);
  return s < 0 ? "XX:XX:XX" : SecondOfDayText(s, withSeconds);
}

std::string SecondOfDayText(int second, bool withSeconds) {
  std::string text = TwoDigits(second / 3600) + ":" + TwoDigits(second / 60 % 60);
  if (withSeconds) text += ":" + TwoDigits(second % 60);
  return text;
}

std::string CalendarDateText(const CalendarDate& date, int order, char separator, char thousandsSeparator,
                             bool withSuffix) {
  const std::string sep(1, separator);
  const std::string mm = TwoDigits(date.month), dd = TwoDigits(date.day);
  std::string text;
  if (order == 2) {
    text = YearText(date.year, thousandsSeparator) + sep + mm + sep + dd;
  } else {
    // Day-month-year (order 1) or month-day-year (order 0): a minus inside the text would read as a
    // separator, so a negative year is written as its magnitude and the date put in parentheses.
    const int32_t magnitude = date.year < 0 ? -date.year : date.year;
    const std::string year = YearText(magnitude, thousandsSeparator);
    text = order == 1 ? dd + sep + mm + sep + year : mm + sep + dd + sep + year;
    if (date.year < 0) text = "(" + text + ")";
  }
  if (withSuffix) {
    if (date.calendar == 'J')
      text += " JC";
    else if (date.calendar == 'R')
      text += " VMC";
    else
      text += " CE";
  }
  return text;
}

std::string CalendarDateSentence(const CalendarDate& date) {
  return "The " + OrdinalText(date.day) + " day of " + std::string(MonthName(date.month, false, 0)) +
         " in the year " + YearText(date.year, ',') + " in the " +
         (date.calendar == 'J' ? "Julian" : "Common Era") + " Calendar";
}

int16_t ParseCalendarDate(const std::string& text, CalendarDate& date) {
  const int letter = date.calendar == 'R' ? 'R' : date.calendar == 'J' ? 'J' : 'G';
  date.calendar = static_cast<int16_t>(letter);
  date.valid = 0;
  std::string reduced;
  int dashes = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9')
      reduced += c;
    else if (c == '-') {
      reduced += c;
      ++dashes;
    }
  }
  if (dashes != 2 && dashes != 3) return 0;
  const int status = str_to_date(reduced, 2, date, letter);
  if (status == -5) return -1;
  if (status != 0) return 0;
  date.calendar = static_cast<int16_t>(letter);
  if (letter != 'R') euro_date_to_jdn(date);
  date.valid = 1;
  return 1;
}

double CurrentAjd() {
  // The clock's own count is UTC, so no zone or daylight-saving offset can creep in.
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  constexpr double kAjdOfUnixEpoch = 2440587.5;  // 1970-01-01 00:00 UTC
  return kAjdOfUnixEpoch + static_cast<double>(ms) / 86400000.0;
}

int32_t TodayJdn() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return JdnOfCeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

double DeltaTMinutes(double x) {
  if (std::isnan(x)) return x;
  return astro::deltat(static_cast<double>(CeYearOfJdn(ClampToJdn(RoundHalfEven(x)))), 1915);
}

}  // namespace mirvo
