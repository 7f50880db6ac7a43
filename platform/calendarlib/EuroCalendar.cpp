#include "platform/calendarlib/EuroCalendar.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <limits>

#include "util/Numbers.h"

namespace mirvo {
namespace {

// Floored division and modulo: the calendars below work for negative years and day numbers too.

// Day numbers counted from 1 March of year 0, the usual way to make the leap day the last day of
// the computational year (Richards, "Mapping Time", and Meeus ch. 7 use the same device).
constexpr int64_t DaysBeforeMonthFromMarch(int64_t m) { return (153 * m + 2) / 5; }  // m = 0 for March

int64_t GregorianToJdn(int64_t y, int64_t m, int64_t d) {
  const int64_t a = m <= 2 ? 1 : 0;
  const int64_t yy = y - a;           // year starting in March
  const int64_t mm = m + 12 * a - 3;  // 0 = March … 11 = February
  const int64_t era = FloorDiv(yy, 400);
  const int64_t yoe = yy - era * 400;
  const int64_t doy = DaysBeforeMonthFromMarch(mm) + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe + 1721120;  // 1721120 = JDN of 0000-03-01 (Gregorian)
}

int64_t JulianToJdn(int64_t y, int64_t m, int64_t d) {
  const int64_t a = m <= 2 ? 1 : 0;
  const int64_t yy = y - a;
  const int64_t mm = m + 12 * a - 3;
  return FloorDiv(1461 * yy, 4) + DaysBeforeMonthFromMarch(mm) + d - 1 + 1721118;  // 0000-03-01 JC
}

void JdnToGregorian(int64_t jdn, int64_t& y, int64_t& m, int64_t& d) {
  const int64_t z = jdn - 1721120;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = doy - DaysBeforeMonthFromMarch(mp) + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

void JdnToJulian(int64_t jdn, int64_t& y, int64_t& m, int64_t& d) {
  const int64_t z = jdn - 1721118;
  const int64_t yy = FloorDiv(4 * z + 3, 1461);
  const int64_t doy = z - FloorDiv(1461 * yy, 4);
  const int64_t mp = (5 * doy + 2) / 153;
  d = doy - DaysBeforeMonthFromMarch(mp) + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = yy + (m <= 2 ? 1 : 0);
}

bool IsLeap(int64_t y, int letter) {
  if (letter == 'J') return FloorMod(y, 4) == 0;
  return FloorMod(y, 4) == 0 && (FloorMod(y, 100) != 0 || FloorMod(y, 400) == 0);
}

}  // namespace

int32_t euro_date_to_jdn(CalendarDate& date) {
  const int64_t jdn = date.calendar == 'J' ? JulianToJdn(date.year, date.month, date.day)
                                           : GregorianToJdn(date.year, date.month, date.day);
  date.jdn = static_cast<int32_t>(jdn);
  return date.jdn;
}

void jdn_to_euro_date(CalendarDate& date) {
  int64_t y, m, d;
  if (date.calendar == 'J')
    JdnToJulian(date.jdn, y, m, d);
  else
    JdnToGregorian(date.jdn, y, m, d);
  date.year = static_cast<int32_t>(y);
  date.month = static_cast<int32_t>(m);
  date.day = static_cast<int32_t>(d);
}

int euro_days_in_month(int64_t year, int month, int letter) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year, letter) ? 29 : kDays[month - 1];
}

int euro_day_of_week(int32_t jdn) { return static_cast<int>(FloorMod(int64_t{jdn} + 1, 7)); }

int str_to_date(std::string& text, int order, CalendarDate& date, int letter) {
  if (order != 2) return -1;
  // Year-month-day with an optional leading minus; fields are digits only.
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  int64_t fields[3] = {0, 0, 0};
  for (int f = 0; f < 3; ++f) {
    if (f > 0) {
      if (i >= text.size() || text[i] != '-') return -1;
      ++i;
    }
    const size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      if (i - start >= 9) return -1;  // more digits than any date field can have
      fields[f] = fields[f] * 10 + (text[i] - '0');
      ++i;
    }
    if (i == start) return -1;
  }
  if (i != text.size()) return -1;
  const int64_t year = negative ? -fields[0] : fields[0];
  const int64_t month = fields[1], day = fields[2];
  if (letter == 'R') {
    // A VMC date is only split here; its own rules decide whether it exists.
    if (month < 1 || month > 13 || day < 1 || day > 30) return -5;
  } else {
    if (year < -9999999 || year > 9999999) return -5;
    if (month < 1 || month > 12 || day < 1 || day > euro_days_in_month(year, static_cast<int>(month), letter))
      return -5;
    // A date whose day number does not fit the 32-bit field would come back as some other,
    // wrapped-around day; such a date cannot be represented and is refused.
    const int64_t jdn = letter == 'J' ? JulianToJdn(year, month, day) : GregorianToJdn(year, month, day);
    if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max()) return -5;
  }
  // The record is only written for a date: a refused text leaves it as it was.
  date.calendar = static_cast<int16_t>(letter);
  date.year = static_cast<int32_t>(year);
  date.month = static_cast<int32_t>(month);
  date.day = static_cast<int32_t>(day);
  return 0;
}

std::string separate_thousands(const std::string& number, char separator) {
  size_t start = (!number.empty() && (number[0] == '-' || number[0] == '+')) ? 1 : 0;
  size_t end = start;
  while (end < number.size() && std::isdigit(static_cast<unsigned char>(number[end]))) ++end;
  std::string digits = number.substr(start, end - start);
  std::string grouped;
  for (size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) grouped += separator;
    grouped += digits[k];
  }
  std::string result = number.substr(0, start) + grouped + number.substr(end);
  return result.size() <= 19 ? result : number;
}

int32_t get_timezone() {
  // Offset east of GMT, in seconds, of the local clock at instant t.
  auto eastAt = [](std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    local.tm_isdst = 0;
    return static_cast<long>(std::difftime(timegm(&local), t));
  };
  // Standard time is the smaller of the offsets of January and July: daylight saving moves the
  // clock forward, by an hour in most zones but by half an hour (Lord Howe Island) or two in
  // others, and in the southern hemisphere in January. Taking the offset of now less an hour
  // would be wrong in those zones for half of the year.
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  std::tm midMonth{};
  midMonth.tm_year = utc.tm_year;
  midMonth.tm_mday = 15;
  midMonth.tm_hour = 12;
  midMonth.tm_mon = 0;
  const long january = eastAt(timegm(&midMonth));
  midMonth.tm_mon = 6;
  const long july = eastAt(timegm(&midMonth));
  return static_cast<int32_t>(-std::min(january, july));
}

}  // namespace mirvo
