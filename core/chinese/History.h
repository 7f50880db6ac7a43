// The calendar's own history: the meridian each country's official almanac was computed for, lunar
// year by lunar year, and the years before which the almanacs followed theories of their own that
// a modern computation does not reproduce. Meridians are kept in arc-minutes east, so that
// Beijing's 116°25′ is exact.
#pragma once

#include <cstdint>
#include <string>

#include "core/chinese/Cycles.h"

namespace mirvo {

inline constexpr int kArcMinutesPerDegree = 60;

inline constexpr int ArcMinutes(int degrees, int minutes = 0) {
  return degrees * kArcMinutesPerDegree + minutes;
}
inline constexpr double DegreesOf(int arcMinutes) {
  return static_cast<double>(arcMinutes) / kArcMinutesPerDegree;
}

// The meridian of the country's almanac for the lunar year (the CE year in which its month 1
// begins): China 116°25′ (Beijing) up to 1928 and 120° from 1929, Vietnam 120° up to 1967 and
// 105° from 1968, Korea 120° up to 1911 and 135° from 1912, Japan 135°. A country index outside
// 0..3 gives China's.
int AlmanacMeridian(Country country, int32_t lunarYear);

// The first lunar year whose almanac the modern rule reproduces: China 1912 (the Qing almanac
// before it used its own theories of the Sun and Moon for Beijing's apparent time), Vietnam 1945,
// Korea 1900, Japan 1873 (the Tenpō and older calendars before it). Earlier lunar dates are
// computed by the modern rule, and the almanac of the time may differ.
int32_t FirstYearOfModernRule(Country country);
inline bool AlmanacMayDiffer(Country country, int32_t lunarYear) {
  return lunarYear < FirstYearOfModernRule(country);
}

// "120º E", "116º25′ E".
std::string MeridianText(int arcMinutes);
// "E120", "E116.4167": the meridian in the compact form of identifiers and TSV columns.
std::string MeridianCode(int arcMinutes);

}  // namespace mirvo
