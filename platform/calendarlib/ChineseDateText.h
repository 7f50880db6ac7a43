// Readers of Chinese date texts: lunar "cycle-position-month[*]-day" and solar
// "cycle-position-solarterm-day", as typed by the user or shown in the main window.
//
// Accepted, with blanks (spaces) allowed before and after:
//   "79-31-9*-12"             cycle (may be 0 or negative), position 1..60, month 1..12 with "*"
//                             for a leap month, day 1..31 (lunar) — or term 1..24, day 1..16 (solar)
//   "79-31-9*-12 CHL"         the reckoning code ("CHL" or "CHS", any case), with or without a
//   "79-31-9*-12chl"          blank before it
//   "79-31-9*-12 CHL 10:32 CCT"  after the code and a blank, the rest (the time of day of a
//                             displayed date) is ignored
//   "70-?-12-30 fire-dog"     "?" for the position, resolved from the element-animal name that
//   "70-?-12-30 CHL fire-dog" follows (the code may stand before or after the name): the position
//   "70-?-12-30 fire-dog CHL" is the one in the cycle whose year has that element and animal
// Anything else (other characters after the day without a code, control characters, a second
// "*", a "*" in a solar date, a missing field, a number out of range) leaves valid = 0.
//
// Only the form and the ranges of the fields are checked: whether the date exists (a leap month
// that the year has, a day within the month or term) is for the calendar code to decide. The
// readers know no calendar rule; the "?" form needs the caller's name lookup.
#pragma once

#include <functional>
#include <string_view>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// The position 1..60 of the element-animal pair named by element and animal (each as typed, e.g.
// "fire" and "dog"), or any other value when they are not names of the current country.
using ElementAnimalResolver = std::function<int(std::string_view element, std::string_view animal)>;

// Largest cycle number accepted either side of zero: far beyond any date the calendars serve, and
// small enough that year arithmetic on it cannot overflow.
inline constexpr int kMaxChineseTextCycle = 99999;

// On success fills cycle, position, month, day and leap (0 or 1), sets jdn = 0 and valid = 1 and
// returns true; otherwise sets valid = 0, leaves the other fields as they were and returns false.
// The epoch field is not touched. Without a resolver the "?" form is never accepted.
bool chl_datestr_to_chldate(std::string_view text, ChlDate& date, const ElementAnimalResolver& resolve = {});
// The same for solar dates: fills cycle, position, term and day.
bool chs_datestr_to_chsdate(std::string_view text, ChsDate& date, const ElementAnimalResolver& resolve = {});

}  // namespace mirvo
