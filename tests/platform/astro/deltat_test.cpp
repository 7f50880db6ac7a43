#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/astro/DeltaT.h"

namespace mirvo::astro {
namespace {

double Seconds(int year) { return deltat(year) * 60; }

struct Observed {
  double jan1 = NAN, jul1 = NAN;
};

// Delta T of 1 January and 1 July of the IERS years, as tools/gen_delta_t.py wrote them.
std::map<int, Observed> ReadIers() {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/delta_t_iers.csv");
  EXPECT_TRUE(in.good());
  std::map<int, Observed> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line[0] == 'y') continue;
    std::stringstream ss(line);
    std::string year, jan, jul;
    std::getline(ss, year, ',');
    std::getline(ss, jan, ',');
    std::getline(ss, jul, ',');
    rows[std::stoi(year)] = {jan.empty() ? NAN : std::stod(jan), std::stod(jul)};
  }
  return rows;
}

TEST(DeltaT, ObservedYearsAreTheIersValuesOfFirstJuly) {
  const auto iers = ReadIers();
  ASSERT_FALSE(iers.empty());
  EXPECT_EQ(DeltaTFirstObservedYear(), iers.begin()->first);
  EXPECT_EQ(DeltaTLastObservedYear(), iers.rbegin()->first);
  for (int y = 1973; y <= 2022; ++y) {
    ASSERT_EQ(iers.count(y), 1u) << y;
    EXPECT_NEAR(Seconds(y), iers.at(y).jul1, 1.0) << y;
  }
  // Published values of the IERS / USNO, 1 January.
  EXPECT_NEAR(iers.at(1980).jan1, 50.54, 0.01);
  EXPECT_NEAR(iers.at(2000).jan1, 63.83, 0.01);
  EXPECT_NEAR(iers.at(2020).jan1, 69.36, 0.01);
}

// The value of the middle of the year stands for the whole year; at its ends (1 January of the
// year and of the next) the uncertainty must cover the difference like a one-sigma error: about a
// third of the cases outside, none far outside.
TEST(DeltaT, UncertaintyCoversTheEndsOfObservedYears) {
  const auto iers = ReadIers();
  int cases = 0, outside = 0;
  for (int y = DeltaTFirstObservedYear(); y < DeltaTLastObservedYear(); ++y) {
    const double sigma = DeltaTUncertaintySeconds(y);
    for (double v : {iers.at(y).jan1, iers.at(y + 1).jan1}) {
      const double ratio = std::fabs(v - Seconds(y)) / sigma;
      EXPECT_LT(ratio, 2.0) << y;
      ++cases;
      outside += ratio > 1;
    }
  }
  EXPECT_GT(cases, 100);
  EXPECT_LT(outside, cases * 4 / 10);
}

// After the series ends Delta T has stayed near 69.2 s.
TEST(DeltaT, TheYearsAfterTheSeriesStayNearTheObservedLevel) {
  for (int y = 2023; y <= 2025; ++y) EXPECT_NEAR(Seconds(y), 69.2, 1.5) << y;
}

// Morrison, Stephenson, Hohenkerk & Zawilski (2021): the spline (Table S15) at its epochs, to its
// 0.001 s; the table of HM Nautical Almanac Office from it, printed to 10 s; and before -720 the
// values that office extrapolates, printed to 0.1 h with their stated error.
TEST(DeltaT, PublishedValuesAtTheirEpochs) {
  struct Case {
    double year, seconds, tolerance;
  };
  const Case spline[] = {
      {-720, 20371.848, 0.001}, {-100, 11557.668, 0.001}, {400, 6535.116, 0.001}, {1000, 1650.393, 0.001},
      {1600, 109.127, 0.001},   {1800, 18.367, 0.001},    {1900, -1.977, 0.001},  {1950, 28.932, 0.001},
      {-700, 20050, 5},         {-600, 18470, 5},         {-100, 11560, 5},       {1000, 1650, 5},
      {1600, 110, 5},
  };
  for (const Case& c : spline) EXPECT_NEAR(DeltaTSeconds(c.year), c.seconds, c.tolerance) << c.year;
  const Case hours[] = {{-2000, 12.8, 0.3}, {-1600, 10.2, 0.2}, {-1200, 8.1, 0.2},
                        {-1000, 7.1, 0.2},  {-900, 6.6, 0.1},   {-800, 6.1, 0.1}};
  for (const Case& c : hours)
    EXPECT_NEAR(DeltaTSeconds(c.year) / 3600, c.seconds, c.tolerance + 0.05) << c.year;
}

// Every span (parabola, spline, observations, continuation) meets the next without a step in value
// or rate, and so do the spline's own pieces; only the straight lines between observed mid-year
// values bend at their corners.
TEST(DeltaT, ContinuousInValueAndRate) {
  const double e = 1e-7, d = 1e-4;
  for (int q = -3000 * 4; q <= 3000 * 4; ++q) {
    const double x = q / 4.0;
    const double left = DeltaTSeconds(x - e), right = DeltaTSeconds(x + e);
    ASSERT_NEAR(left, right, 2e-3) << x;
    const bool corner =
        x > DeltaTFirstObservedYear() + 0.5 && x < DeltaTLastObservedYear() + 0.5 && x - std::floor(x) == 0.5;
    if (corner) continue;
    const double leftRate = (left - DeltaTSeconds(x - e - d)) / d;
    const double rightRate = (DeltaTSeconds(x + e + d) - right) / d;
    ASSERT_NEAR(leftRate, rightRate, 2e-3) << x;
  }
}

// Year by year: no step after 1620 (the change from one year to the next moves by less than a
// second), and nothing out of bounds over the whole range.
TEST(DeltaT, YearByYearWithoutSteps) {
  for (int y = 1620; y <= 3000; ++y)
    ASSERT_LT(std::fabs(Seconds(y + 1) - 2 * Seconds(y) + Seconds(y - 1)), 1.0) << y;
  for (int y = -3000; y <= 3000; ++y) {
    const double a = Seconds(y), b = Seconds(y + 1);
    ASSERT_TRUE(std::isfinite(a)) << y;
    ASSERT_LT(std::fabs(b - a), 40.0) << y;  // the steepest slope, near -3000, is ~31 s a year
    ASSERT_GT(a, -10.0) << y;
  }
  EXPECT_TRUE(std::isnan(DeltaTSeconds(NAN)));
}

// The whole-year form is taken at mid-year and given in minutes.
TEST(DeltaT, WholeYearsInMinutes) {
  EXPECT_NEAR(deltat(2000) * 60, 63.98, 0.01);
  EXPECT_NEAR(deltat(-3000) * 60, 73076.0, 1.0);  // -10 + 31.4 τ², τ = -48.245
  EXPECT_DOUBLE_EQ(deltat(1990), DeltaTSeconds(1990.5) / 60);
  EXPECT_DOUBLE_EQ(deltat(1990, 0), deltat(1990, 1915));  // second argument ignored
}

TEST(DeltaTUncertainty, ByEraAndGrowingAwayFromTheObservations) {
  struct Case {
    int year;
    double low, high;
  };
  const Case cases[] = {
      {-3000, 1500, 2000}, {-1000, 360, 720}, {0, 80, 100}, {1000, 10, 20},  {1700, 2, 5},
      {1900, 0.05, 1},     {2000, 0.03, 0.5}, {2030, 1, 5}, {2100, 20, 100},
  };
  for (const Case& c : cases) {
    EXPECT_GT(DeltaTUncertaintySeconds(c.year), c.low) << c.year;
    EXPECT_LT(DeltaTUncertaintySeconds(c.year), c.high) << c.year;
  }
  for (int y = DeltaTLastObservedYear(); y < 3000; ++y)
    ASSERT_LT(DeltaTUncertaintySeconds(y), DeltaTUncertaintySeconds(y + 1)) << y;
  for (int y = -720; y > -3000; --y)
    ASSERT_LT(DeltaTUncertaintySeconds(y), DeltaTUncertaintySeconds(y - 1)) << y;
}

}  // namespace
}  // namespace mirvo::astro
