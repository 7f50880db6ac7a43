// Whole-range checks (every day from -3000-01-01 to 3000-12-31); the sanitizer run skips them by
// their "Exhaustive" names.
#include <gtest/gtest.h>
#include <optional>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo {
namespace {

int32_t Day(int y, int m, int d) { return JdnOfCeDate(y, m, d); }

// Every day converts to a lunar and a solar date that convert back to it, and consecutive days
// give consecutive dates: days count up within a month, a new month follows day 29 or 30 of the
// previous one with the next number (or its leap month), and the year changes exactly at 1-1.
// The solar dates likewise count up within terms of 14 to 16 days.
void CheckRange(int longitude, int32_t first, int32_t last, std::optional<Country> historyOf = std::nullopt) {
  Reckoner r;
  r.SetReferenceLongitude(longitude);
  if (historyOf) {
    r.SetCountry(*historyOf);
    r.SetHistorical(true);
  }
  ChlDate prevChl;
  ChsDate prevChs;
  int64_t failures = 0;
  for (int32_t d = first; d <= last && failures < 20; ++d) {
    ChsDate chs;
    ChlDate chl;
    r.DayToChinese(d + 0.5, Epoch::kOlder, chs, chl);
    ChlDate lunar = chl;
    ChsDate solar = chs;
    bool ok = chl.valid == 1 && chs.valid == 1 && r.ChlToDay(lunar) == kChlValid && lunar.jdn == d &&
              r.ChsToDay(solar) && solar.jdn == d;
    if (ok && d > first) {
      const bool sameYear = chl.cycle == prevChl.cycle && chl.position == prevChl.position;
      if (chl.day != 1) {
        ok = sameYear && chl.month == prevChl.month && chl.leap == prevChl.leap && chl.day == prevChl.day + 1;
      } else {
        const bool nextNumber = !chl.leap && chl.month == prevChl.month % 12 + 1;
        const bool leapOfPrevious = chl.leap && !prevChl.leap && chl.month == prevChl.month;
        const bool newYear = chl.month == 1 && !chl.leap;
        ok =
            (prevChl.day == 29 || prevChl.day == 30) && (nextNumber || leapOfPrevious) && sameYear != newYear;
      }
      const bool sameSui = chs.cycle == prevChs.cycle && chs.position == prevChs.position;
      if (chs.day != 1) {
        ok = ok && sameSui && chs.term == prevChs.term && chs.day == prevChs.day + 1;
      } else {
        ok = ok && prevChs.day >= 14 && prevChs.day <= 16 && chs.term == prevChs.term % 24 + 1 &&
             sameSui != (chs.term == 1);
      }
    }
    if (!ok) {
      ++failures;
      ADD_FAILURE() << "day " << d << " at " << longitude << " E: " << r.ChlDateText(chl, 0) << " / "
                    << r.ChsDateText(chs, false) << " after " << r.ChlDateText(prevChl, 0) << " / "
                    << r.ChsDateText(prevChs, false) << "; back to " << lunar.jdn << " / " << solar.jdn;
    }
    prevChl = chl;
    prevChs = chs;
  }
}

TEST(ReckonerExhaustive, EveryDayRoundTripsAt120East) {
  CheckRange(120, Day(-3000, 1, 1), Day(3000, 12, 31));
}

// The other two countries over the modern range where their tables are in use.
TEST(ReckonerExhaustive, EveryDayRoundTripsAt105And135East1600To2200) {
  CheckRange(105, Day(1600, 1, 1), Day(2200, 12, 31));
  CheckRange(135, Day(1600, 1, 1), Day(2200, 12, 31));
}

// Following the calendar's history, across every change of meridian.
TEST(ReckonerExhaustive, EveryDayRoundTripsFollowingTheHistory1600To2200) {
  CheckRange(105, Day(1600, 1, 1), Day(2200, 12, 31), kVietnam);
  CheckRange(120, Day(1600, 1, 1), Day(2200, 12, 31), kChina);
  CheckRange(135, Day(1600, 1, 1), Day(2200, 12, 31), kKorea);
}

}  // namespace
}  // namespace mirvo
