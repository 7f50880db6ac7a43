#include <gtest/gtest.h>

#include <cmath>

#include "platform/astro/DeltaT.h"

namespace mirvo::astro {
namespace {

// Values of the Espenak–Meeus polynomial expressions (NASA TP-2006-214141, section 2.6) at sample
// epochs, in seconds, worked out by hand from the published coefficients; the constant terms are
// the values at the segment epochs. A wrong coefficient moves them by far more than the tolerance.
TEST(DeltaT, PublishedValues) {
  struct Case { double year; double seconds; double tolerance; };
  const Case cases[] = {
      {-3000.0, 74323.68, 0.01},  // -20 + 32 u², u = -48.2
      {-500.0, 17203.66, 0.02},
      {0.0, 10583.6, 0.1},
      {500.0, 5710.04, 0.02},   // first year of the 500..1600 segment
      {1000.0, 1574.2, 0.1},
      {1600.0, 120.0, 0.1},
      {1700.0, 8.83, 0.01},
      {1800.0, 13.72, 0.01},
      {1860.0, 7.62, 0.01},
      {1900.0, -2.79, 0.01},
      {1920.0, 21.20, 0.01},
      {1950.0, 29.07, 0.01},
      {1975.0, 45.45, 0.01},
      {2000.0, 63.86, 0.01},
      {2010.0, 66.7, 0.2},
      {2100.0, 202.7, 1.0},  // -20 + 32·2.8² - 0.5628·50
  };
  for (const auto& c : cases)
    EXPECT_NEAR(DeltaTSeconds(c.year), c.seconds, c.tolerance) << c.year;
}

// The whole-year form is taken at mid-year and given in minutes.
TEST(DeltaT, WholeYearsInMinutes) {
  EXPECT_NEAR(deltat(2000) * 60, 64.0, 0.2);
  EXPECT_NEAR(deltat(0) * 60, 10580.0, 5.0);
  EXPECT_NEAR(deltat(-3000) * 60, 74300.0, 20.0);
  EXPECT_DOUBLE_EQ(deltat(1990), DeltaTSeconds(1990.5) / 60);
  EXPECT_DOUBLE_EQ(deltat(1990, 0), deltat(1990, 1915));  // second argument ignored
}

// The segments of the published fit join to within a few seconds; a mistyped coefficient makes a
// jump at one of the boundaries.
TEST(DeltaT, SegmentsJoin) {
  const double boundaries[] = {-500, 500, 1600, 1700, 1800, 1860, 1900, 1920,
                               1941, 1961, 1986, 2005, 2050, 2150};
  for (const double y : boundaries) {
    const double before = DeltaTSeconds(y - 1e-6), after = DeltaTSeconds(y);
    const double tolerance = y <= 500 ? 6.0 : 2.5;
    EXPECT_NEAR(before, after, tolerance) << y;
  }
}

// Neighbouring years never differ by more than the steepest part of the curve allows.
TEST(DeltaT, SmoothAndFiniteOverTheWholeRange) {
  for (int y = -3000; y <= 3000; ++y) {
    const double a = DeltaTSeconds(y), b = DeltaTSeconds(y + 1);
    ASSERT_TRUE(std::isfinite(a)) << y;
    ASSERT_LT(std::fabs(b - a), 250.0) << y;  // the steepest slope, near -3000, is ~155 s a year
    ASSERT_GT(a, -10.0) << y;
  }
}

}  // namespace
}  // namespace mirvo::astro
