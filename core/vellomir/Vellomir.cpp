#include "core/vellomir/Vellomir.h"

#include <algorithm>
#include <array>
#include <limits>

#include "util/Numbers.h"
#include "util/Text.h"

namespace mirvo {
namespace {

// Place of the year in its cycle, 1..1803; the cycle that opens at year 442 has place 1 there.
constexpr int CyclePlace(int32_t year) {
  return static_cast<int>(FloorMod(int64_t{year} + 1361, kVmcCycleYears)) + 1;
}

// The 13-month years (664 of 1803) and the long years (350 of 1803) are spread as evenly as
// integers allow: a year is marked when the running count of marks steps up at its place, which is
// what the residue test below expresses.
constexpr bool HasMonth13AtPlace(int p) { return (664 * p + 901) % kVmcCycleYears < 664; }
constexpr bool IsLongAtPlace(int p) { return (350 * p + 901) % kVmcCycleYears < 350; }
constexpr int YearLengthAtPlace(int p) {
  return 354 + (HasMonth13AtPlace(p) ? 30 : 0) + (IsLongAtPlace(p) ? 1 : 0);
}

// Day offsets of the first day of each year of a cycle from the first day of the cycle: entry i
// is the start of the year at place i + 1, entry 1803 the length of the whole cycle. Built once,
// so that a conversion looks a year up instead of summing up to 1802 year lengths.
using CycleTable = std::array<int32_t, kVmcCycleYears + 1>;
constexpr CycleTable kYearStarts = [] {
  CycleTable starts{};
  starts[0] = 0;
  for (int i = 0; i < kVmcCycleYears; ++i) starts[i + 1] = starts[i] + YearLengthAtPlace(i + 1);
  return starts;
}();
static_assert(kYearStarts[kVmcCycleYears] == kVmcCycleDays);

constexpr std::array<std::string_view, 13> kMonthNames = {
    "Apollo",     "Diana",   "Hermes", "Aphrodite", "Ares",    "Zeus",      "Chronos",
    "Prometheus", "Orpheus", "Sophia", "Dionysus",  "Demeter", "Persephone"};
constexpr std::array<std::string_view, 10> kDayNames = {
    "Sun Day",     "Mercury Day", "Venus Day",  "Earth Day",   "Mars Day",
    "Jupiter Day", "Saturn Day",  "Uranus Day", "Neptune Day", "Pluto Day"};
int MonthLengthIn(int month, bool isLong) {
  if (month == 13) return 30;
  if (month == 10 && isLong) return 30;
  return month % 2 == 1 ? 30 : 29;
}

// A number with a blank before it when it is not negative, as the date texts write numbers.

}  // namespace

bool VmcHasMonth13(int32_t year) { return HasMonth13AtPlace(CyclePlace(year)); }

bool VmcIsLong(int32_t year) { return IsLongAtPlace(CyclePlace(year)); }

int VmcYearLength(int32_t year) { return YearLengthAtPlace(CyclePlace(year)); }

int VmcMonthLength(int32_t year, int month) {
  if (month < 1 || month > 13) return -1;
  const int p = CyclePlace(year);
  if (month == 13 && !HasMonth13AtPlace(p)) return -2;
  return MonthLengthIn(month, IsLongAtPlace(p));
}

bool VmcToDay(VmcDate& date) {
  date.calendar = kVmcLetter;
  date.valid = 0;
  date.jdn = 0;
  if (date.day < 1 || date.day > 30) return false;
  const int length = VmcMonthLength(date.year, date.month);
  if (length < date.day) return false;  // also rejects the negative lengths of absent months

  const int64_t sinceAnchor = int64_t{date.year} - kVmcAnchorYear;
  const int64_t cycle = FloorDiv(sinceAnchor, kVmcCycleYears);
  const auto index = static_cast<size_t>(sinceAnchor - cycle * kVmcCycleYears);
  const bool isLong = IsLongAtPlace(static_cast<int>(index) + 1);
  int64_t day = kVmcAnchorDay + cycle * kVmcCycleDays + kYearStarts[index];
  for (int m = 1; m < date.month; ++m) day += MonthLengthIn(m, isLong);
  day += date.day - 1;
  // Years far from the present can name days that no 32-bit day number reaches; such a date is
  // reported as invalid rather than wrapped around to an unrelated day.
  if (day < std::numeric_limits<int32_t>::min() || day > std::numeric_limits<int32_t>::max()) return false;
  date.jdn = static_cast<int32_t>(day);
  date.valid = 1;
  return true;
}

void DayToVmc(VmcDate& date) {
  const int64_t n = int64_t{date.jdn} - kVmcAnchorDay;
  const int64_t cycle = FloorDiv(n, kVmcCycleDays);
  const auto rest = static_cast<int32_t>(n - cycle * kVmcCycleDays);  // 0..658531
  // The last year whose first day is not after the day.
  const auto next = std::upper_bound(kYearStarts.begin(), kYearStarts.end(), rest);
  const auto index = static_cast<int>(next - kYearStarts.begin()) - 1;
  int32_t inYear = rest - kYearStarts[static_cast<size_t>(index)];
  const bool isLong = IsLongAtPlace(index + 1);
  int month = 1;
  while (inYear >= MonthLengthIn(month, isLong)) {
    inYear -= MonthLengthIn(month, isLong);
    ++month;
  }
  date.year = static_cast<int32_t>(kVmcAnchorYear + cycle * kVmcCycleYears + index);
  date.month = month;
  date.day = inYear + 1;
  date.calendar = kVmcLetter;
  date.valid = 1;
}

std::string_view VmcDayName(int day) {
  if (day < 1 || day > 30) return {};
  return kDayNames[static_cast<size_t>((day - 1) % 10)];
}

std::string_view VmcMonthName(int month) {
  if (month < 1 || month > 13) return {};
  return kMonthNames[static_cast<size_t>(month - 1)];
}

std::string VmcDateText(const VmcDate& date, int form) {
  const std::string numeric =
      std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day);
  const std::string monthDayYear =
      std::string(VmcMonthName(date.month)) + Spaced(date.day) + ", " + Spaced(date.year);
  switch (form) {
    case 2: return numeric + " VMC (" + std::string(VmcDayName(date.day)) + ", " + monthDayYear + ")";
    case 3: return monthDayYear;
    case 4:
      return "The " + OrdinalText(date.day) + " day of " + std::string(VmcMonthName(date.month)) +
             " in the year" + Spaced(date.year);
    case 5: return std::string(VmcDayName(date.day)) + ", " + monthDayYear;
    default: return numeric + " VMC";
  }
}

namespace {
void ClampDay(VmcDate& date) {
  if (date.day == 30 && VmcMonthLength(date.year, date.month) == 29) date.day = 29;
}

// Moves the year number by one; false (and the record marked invalid) at the end of the 32-bit
// year range, where no day number could be reached anyway.
bool StepYearNumber(VmcDate& date, bool forward) {
  if (forward ? date.year == std::numeric_limits<int32_t>::max()
              : date.year == std::numeric_limits<int32_t>::min()) {
    date.valid = 0;
    date.jdn = 0;
    return false;
  }
  date.year += forward ? 1 : -1;
  return true;
}
}  // namespace

bool StepVmcMonth(VmcDate& date, bool forward) {
  if (forward) {
    if (date.month == 13 || (date.month == 12 && !VmcHasMonth13(date.year))) {
      if (!StepYearNumber(date, true)) return false;
      date.month = 1;
    } else {
      ++date.month;
    }
  } else {
    if (date.month == 1) {
      if (!StepYearNumber(date, false)) return false;
      date.month = VmcHasMonth13(date.year) ? 13 : 12;
    } else {
      --date.month;
    }
  }
  ClampDay(date);
  return VmcToDay(date);
}

bool StepVmcYear(VmcDate& date, bool forward) {
  if (!StepYearNumber(date, forward)) return false;
  if (date.month == 13 && !VmcHasMonth13(date.year)) date.month = 12;
  ClampDay(date);
  return VmcToDay(date);
}

}  // namespace mirvo
