#include "core/ephemeris/AlmanacEvents.h"

#include <algorithm>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"

namespace mirvo {

std::string_view AlmanacKindName(int kind) {
  static constexpr std::string_view kNames[] = {"New moon", "First quarter", "Full moon", "Last quarter",
                                                "Solar term"};
  return kind >= 0 && kind <= kAlmanacSolarTerm ? kNames[kind] : std::string_view();
}

std::vector<AlmanacEvent> AlmanacEventsOfYear(Ephemeris& eph, int32_t year, int longitude) {
  const int32_t first = JdnOfCeDate(year, 1, 1);
  const int32_t last = JdnOfCeDate(year + 1, 1, 1) - 1;
  auto inYear = [&](double cjdc) {
    const int32_t day = JdnOf(cjdc);
    return day >= first && day <= last;
  };
  std::vector<AlmanacEvent> events;
  const int32_t n0 = eph.LunationAt(AjdFromCjdc(first, longitude)) - 1;
  const int32_t n1 = eph.LunationAt(AjdFromCjdc(last + 1, longitude));
  for (int32_t n = n0; n <= n1; ++n) {
    for (int p = 0; p < 4; ++p) {
      AlmanacEvent e;
      e.ut = eph.SyzygyUt(n, p);
      e.tt = eph.SyzygyTt(n, p);
      e.cjdc = CjdcFromAjd(e.ut, longitude);
      e.kind = p;
      e.number = n;
      if (inYear(e.cjdc)) events.push_back(e);
    }
  }
  // Sui year and year overlap in all but the days from the December solstice on, which open the
  // next sui; the terms of both are looked at.
  SolarTermTable table;
  for (int32_t sui : {year, year + 1}) {
    eph.BuildSolarTermTable(JdnOfCeDate(sui, 1, 1) + 181, kTrueSun, longitude, table);
    for (int k = 1; k <= 24; ++k) {
      AlmanacEvent e;
      e.cjdc = table.entry[static_cast<size_t>(23 + k)].cjdc;
      e.ut = AjdFromCjdc(e.cjdc, longitude);
      e.tt = e.ut + DeltaTMinutes(e.ut) / 1440;
      e.kind = kAlmanacSolarTerm;
      e.number = k;
      e.sui = sui;
      if (inYear(e.cjdc)) events.push_back(e);
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const AlmanacEvent& a, const AlmanacEvent& b) { return a.ut < b.ut; });
  return events;
}

CivilSecond CivilSecondOf(const AlmanacEvent& event) {
  const int32_t day = JdnOf(event.cjdc);
  return {day, SecondOfDay(event.cjdc - day)};
}

}  // namespace mirvo
