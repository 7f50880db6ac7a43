// Months whose first day no table can be sure of: their new moon lies so close to midnight at the
// meridian that the uncertainty of its civil time (the ephemeris' few seconds and Delta T's) covers
// both days. Tables made with another Delta T model may begin them on the day before or after.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "platform/astro/DeltaT.h"

namespace mirvo::test {

// Seconds between the new moon that begins the month starting on firstDay (or the day before or
// after) and the midnight nearest to it, at the longitude.
inline double NewMoonMarginSeconds(Ephemeris& eph, int32_t firstDay, int longitude) {
  const int32_t n = eph.LunationAt(AjdFromCjdc(firstDay + 2, longitude));
  const double cjdc = CjdcFromAjd(eph.SyzygyUt(n, 0), longitude);
  const double f = cjdc - std::floor(cjdc);
  return std::min(f, 1 - f) * 86400;
}

// Within twice the one-sigma uncertainty: Delta T's for the CE year and 3 s for the ephemeris
// (its worst error against an independent one over 1600-2200).
inline bool NewMoonNearMidnight(Ephemeris& eph, int32_t firstDay, int32_t ceYear, int longitude) {
  const double twoSigma = 2 * (astro::DeltaTUncertaintySeconds(ceYear) + 3);
  return NewMoonMarginSeconds(eph, firstDay, longitude) < twoSigma;
}

}  // namespace mirvo::test
