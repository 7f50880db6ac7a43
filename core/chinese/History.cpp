#include "core/chinese/History.h"

#include <array>
#include <climits>
#include <cstdio>

#include "core/chinese/Cycles.h"

namespace mirvo {
namespace {

struct MeridianChange {
  int32_t firstYear;  // the first lunar year of the present meridian
  int before;         // arc-minutes east, the lunar years before firstYear
  int present;        // arc-minutes east, from firstYear on
  int32_t modernRuleFrom;
};

// China: from 1929 the almanac is computed for 120° E, before it for Beijing (Aslaksen, "The
// Mathematics of the Chinese Calendar", 2010, sections 3 and 7). Vietnam: North Vietnam's calendar
// was computed for 120° E until its 1967 reform made Tết Mậu Thân (1968) the first new year
// computed for UTC+7. Korea: the official tables follow 135° E from 1912, the Chinese calendar's
// 120° E before. Japan: 135° E since the 1873 calendar reform, the older calendars having used
// theories of their own.
constexpr std::array<MeridianChange, 4> kChanges{{
    {1968, ArcMinutes(120), ArcMinutes(105), 1945},       // Vietnam
    {1929, ArcMinutes(116, 25), ArcMinutes(120), 1912},   // China
    {INT32_MIN, ArcMinutes(135), ArcMinutes(135), 1873},  // Japan
    {1912, ArcMinutes(120), ArcMinutes(135), 1900},       // Korea
}};

const MeridianChange& ChangeOf(Country country) {
  if (country < kVietnam || country > kKorea) country = kChina;
  return kChanges[static_cast<size_t>(country)];
}

}  // namespace

int AlmanacMeridian(Country country, int32_t lunarYear) {
  const MeridianChange& c = ChangeOf(country);
  return lunarYear < c.firstYear ? c.before : c.present;
}

int32_t FirstYearOfModernRule(Country country) { return ChangeOf(country).modernRuleFrom; }

std::string MeridianText(int arcMinutes) {
  std::string text = std::to_string(arcMinutes / kArcMinutesPerDegree) + "º";
  if (arcMinutes % kArcMinutesPerDegree != 0) text += std::to_string(arcMinutes % kArcMinutesPerDegree) + "′";
  return text + " E";
}

std::string MeridianCode(int arcMinutes) {
  if (arcMinutes % kArcMinutesPerDegree == 0) return "E" + std::to_string(arcMinutes / kArcMinutesPerDegree);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "E%.4f", DegreesOf(arcMinutes));
  return buffer;
}

}  // namespace mirvo
