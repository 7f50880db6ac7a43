#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "platform/astro/DeltaT.h"

namespace mirvo {
namespace {

ChlDate Month(int year, int month, int leap) {
  ChlDate d;
  d.cycle = CycleOf(year, d.epoch);
  d.position = PositionOf(year);
  d.month = month;
  d.leap = leap;
  d.day = 1;
  return d;
}

// The independent table of 1901-2100 puts the new moon of 2057 month 9 at 00:00:04 (UTC+8) with
// the Delta T of Espenak and Meeus (2006) for mid-2057, -20 + 32u^2 - 0.5628(2150 - y) seconds,
// u = (y - 1820) / 100: about 108 s. With this calendar's Delta T the same instant lies that much
// less Delta T later. No month of 2024 comes near.
TEST(MonthMargins, NewMoonsNearMidnightMarkTheirMonth) {
  Reckoner r;
  MonthMargin m;
  ASSERT_TRUE(r.MonthMarginOf(Month(2057, 9, 0), m));
  const double u = (2057.5 - 1820) / 100;
  const double espenakMeeus = -20 + 32 * u * u - 0.5628 * (2150 - 2057.5);
  const double referenceOffset = m.newMoon.offsetSeconds - (espenakMeeus - astro::DeltaTSeconds(2057.5));
  EXPECT_NEAR(referenceOffset, 4.5, 0.5 + 2);  // 00:00:04.x, and 2 s of ephemeris
  EXPECT_TRUE(m.newMoon.uncertain());
  EXPECT_TRUE(m.uncertain());
  EXPECT_NEAR(m.marginSeconds(), m.newMoon.offsetSeconds, 1e-9);

  int months = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int leap = 0; leap <= 1; ++leap) {
      if (!r.MonthMarginOf(Month(2024, month, leap), m)) continue;
      ++months;
      EXPECT_FALSE(m.uncertain()) << month << (leap ? "*" : "");
      EXPECT_GT(m.marginSeconds(), 60) << month;
    }
  }
  EXPECT_EQ(months, 12);
  EXPECT_FALSE(r.MonthMarginOf(Month(2024, 7, 1), m));
}

// A month whose number or leap status rests on an instant close to midnight: the instant moved
// across midnight by a reference meridian a few degrees east (4 minutes a degree) must renumber
// the month beginning on the same day, as the margin said.
TEST(MonthMargins, TermOrNeighbouringNewMoonDecidesTheNumber) {
  struct Case {
    int year, month, leap;
    const char* decider;  // term code, or "" for a new moon
    bool decidesNumber, decidesLeap;
    int eastOfChina;  // a meridian where the decider lies across midnight
    int monthThere, leapThere;
  };
  const Case cases[] = {
      {-2849, 5, 0, "Z5", true, true, 122, 4, 1},
      {-2849, 5, 1, "Z5", false, true, 122, 5, 0},
      {-2966, 12, 1, "", true, true, 129, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << " month " << c.month << (c.leap ? "*" : ""));
    Reckoner r;
    MonthMargin m;
    ASSERT_TRUE(r.MonthMarginOf(Month(c.year, c.month, c.leap), m));
    ASSERT_TRUE(m.label.has_value());
    EXPECT_TRUE(m.label->uncertain());
    EXPECT_FALSE(m.newMoon.uncertain());
    EXPECT_LT(m.label->offsetSeconds, 0);
    EXPECT_EQ(std::string(m.label->term ? TermCode(m.label->term) : ""), c.decider);
    EXPECT_EQ(m.labelDecidesNumber, c.decidesNumber);
    EXPECT_EQ(m.labelDecidesLeap, c.decidesLeap);
    EXPECT_EQ(m.marginSeconds(), m.label->marginSeconds());

    ChlDate here = Month(c.year, c.month, c.leap);
    ASSERT_EQ(r.ChlToDay(here), kChlValid);
    Reckoner east;
    east.SetReferenceLongitude(c.eastOfChina);
    ChlDate there;
    east.DayToChl(here.jdn + 0.5, here.epoch, there);
    EXPECT_EQ(there.day, 1);
    EXPECT_EQ(there.month, c.monthThere);
    EXPECT_EQ(there.leap, c.leapThere);
  }
}

}  // namespace
}  // namespace mirvo
