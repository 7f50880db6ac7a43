// Small pieces shared by the listings of the data window (not for use elsewhere).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/daycount/DayCount.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo::listing {

// "China" for the country list index.
std::string CountryName(Country country);
// The CE (or JC) date of a day number.
CalendarDate DateOfJdn(int32_t jdn, bool julian);
// Year-month-day with "-", years beyond four digits grouped with ",".
std::string DateText(const CalendarDate& date);
// The days a list may show: those of the admitted range of the instant (-3000-01-01 CE to
// 3000-01-01 CE, the civil days of its two ends).
inline constexpr int32_t kFirstListedDay = kMinJdnMirvo;
inline int32_t LastListedDay() { return JdnOf(CjdlFromAjd(kMaxAjd)); }
// Characters of a UTF-8 text ("º" is one).
size_t CharacterCount(std::string_view text);

// A place in the sexagenary count: position 1..60 of a cycle.
struct CyclePlace {
  int32_t cycle = 0;
  int position = 1;
  void Advance();  // after 60 comes 1 of the next cycle
  void Back();     // before 1 comes 60 of the previous cycle
  bool operator==(const CyclePlace&) const = default;
};

}  // namespace mirvo::listing
