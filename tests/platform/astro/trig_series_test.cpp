#include "platform/astro/TrigSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/astro/AstroSeries.h"

namespace mirvo::astro {
namespace {

// Angles a = 3t + 0.5t² and b = -2t; phasors 3 = 2a, 4 = 2a - b, 5 = (2a - b) + b = 2a again by
// another path, 6 = -b.
constexpr BasisAngle kAngles[] = {{{3, 0.5, 0, 0}}, {{-2, 0, 0, 0}}};
constexpr ProductNode kNodes[] = {{1, 1}, {3, 2 | kConjugate}, {4, 2}, {0, 2 | kConjugate}};
const ArgumentTree kTree = {kAngles, 2, kNodes};
// 0.7 + 2 cos 2a + t·(sin(2a - b) - 0.4 cos(2a - b)) + t²·3 sin(-b); the phasor 5 term cancels
// part of the phasor 3 one.
constexpr TrigTerm kT0[] = {{0, 0.7, 0}, {3, 2.5, 0}, {5, -0.5, 0}};
constexpr TrigTerm kT1[] = {{4, -0.4, 1}};
constexpr TrigTerm kT2[] = {{6, 0, 3}};
const TrigSeries kSeries = {&kTree, {kT0, kT1, kT2}};

double Direct(double t) {
  const double a = 3 * t + 0.5 * t * t, b = -2 * t;
  return 0.7 + 2 * std::cos(2 * a) + t * (std::sin(2 * a - b) - 0.4 * std::cos(2 * a - b)) +
         t * t * 3 * std::sin(-b);
}

// Central difference, the oracle for the rates.
double Slope(const std::function<double(double)>& f, double t, double h) {
  return (f(t + h) - f(t - h)) / (2 * h);
}

TEST(TrigSeries, ProductsConjugatesAndPowersOfTime) {
  TreeArguments args(kTree);
  for (double t : {-2.3, -0.1, 0.0, 0.4, 1.7}) {
    args.Evaluate(t);
    const SeriesValue v = args.Sum(kSeries);
    EXPECT_NEAR(v.value, Direct(t), 1e-12) << t;
    EXPECT_NEAR(v.rate, Slope(Direct, t, 1e-5), 1e-7) << t;
  }
}

// The rates of the ephemeris' own series against their values a moment apart, far from J2000
// too, where the polynomial parts of the Moon's arguments matter.
TEST(TrigSeries, RatesOfTheEphemerisSeriesMatchTheirValues) {
  struct Case {
    const ArgumentTree* tree;
    const TrigSeries* series;
  };
  for (const Case& c :
       {Case{&series::kElpTree, &series::kElpLongitude}, Case{&series::kVsopEarthTree, &series::kVsopEarthL},
        Case{&series::kVsopEarthTree, &series::kVsopEarthR}}) {
    TreeArguments args(*c.tree);
    const auto value = [&](double t) {
      args.Evaluate(t);
      return args.Sum(*c.series).value;
    };
    for (double t : {-4.9, -0.3, 0.0, 0.25, 3.0}) {
      const double slope = Slope(value, t, 1e-8);
      args.Evaluate(t);
      EXPECT_NEAR(args.Sum(*c.series).rate, slope, 1e-6 * std::max(1.0, std::fabs(slope))) << t;
    }
  }
}

}  // namespace
}  // namespace mirvo::astro
