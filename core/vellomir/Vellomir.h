// The Vellomir Calendar (VMC): an arithmetic lunisolar calendar of 12- and 13-month years with a
// cycle of 1803 years (664 of 13 months, 350 long), months named after gods and days after the
// Sun and the planets. No astronomy: every rule is integer arithmetic on the year number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// A VMC date is a CalendarDate with the calendar letter 'R'.
using VmcDate = CalendarDate;
inline constexpr int16_t kVmcLetter = 'R';

inline constexpr int32_t kVmcCycleYears = 1803;
inline constexpr int32_t kVmcCycleDays = 658532;
// Year 442, month 1, day 1 (-2255-02-05 CE) opens a cycle; so does every year 442 + 1803k.
inline constexpr int32_t kVmcAnchorYear = 442;
inline constexpr int32_t kVmcAnchorDay = 897474;

// Year structure. Every year number is admitted (the rules are periodic).
bool VmcHasMonth13(int32_t year);
bool VmcIsLong(int32_t year);
int VmcYearLength(int32_t year);  // 354, 355, 384 or 385
// 29 or 30; -2 for month 13 of a 12-month year; -1 for a month outside 1..13.
int VmcMonthLength(int32_t year, int month);

// Checks year, month and day and sets jdn and valid; false (valid = 0, jdn = 0) for a date that
// does not exist or whose day number does not fit in 32 bits. Sets the calendar letter to 'R'.
bool VmcToDay(VmcDate& date);
// From date.jdn (any 32-bit day number): year, month, day, letter 'R' and valid = 1.
void DayToVmc(VmcDate& date);
inline VmcDate VmcDateOfDay(int32_t jdn) {
  VmcDate date;
  date.jdn = jdn;
  DayToVmc(date);
  return date;
}

// Texts of a date (forms 1..5; any other form gives form 1):
// 1 "4721-01-05 VMC"
// 2 "4721-01-05 VMC (Mars Day, Apollo 5,  4721)"
// 3 "Apollo 5,  4721"
// 4 "The 5th day of Apollo in the year 4721"
// 5 "Mars Day, Apollo 5,  4721"
std::string VmcDateText(const VmcDate& date, int form);
// Day names follow the ten-day week: day 1, 11, 21 is "Sun Day" … day 10, 20, 30 "Pluto Day".
// Empty outside 1..30 (days) and 1..13 (months).
std::string_view VmcDayName(int day);
std::string_view VmcMonthName(int month);

// One month or one year forward or back. Month 13 of a 12-month year becomes month 12 after a
// year step; day 30 of a 29-day month becomes 29. The result is converted (jdn and valid set);
// false only when the date reached does not exist, which needs a month or day outside the
// calendar before the step or a year at the end of the 32-bit range.
bool StepVmcMonth(VmcDate& date, bool forward);
bool StepVmcYear(VmcDate& date, bool forward);

}  // namespace mirvo
