// Delta T = TT - UT1, in four spans joined without a step in value or rate:
//
// * before -720: the long-term parabola of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and
//   M. Zawilski, "Addendum 2020 to 'Measurement of the Earth's rotation: 720 BC to AD 2015'",
//   Proc. R. Soc. A 477: 20200776 (2021), eq. (5.1);
// * -720 to the first observed year: the cubic spline of the same paper (supplementary Table S15,
//   version 2020), fitted to eclipse and occultation timings: untimed and timed eclipses before
//   1600, lunar occultations from 1623 on, so that from 1620 it carries the annual values of the
//   telescopic era;
// * 1962 to the last whole year of the IERS series: the observed Delta T on 1 July of each year
//   (platform/astro/DeltaTObserved.h, written by tools/gen_delta_t.py);
// * after that: a continuation from the last observed value and rate onto the parabola.
//
// The spline and the parabola go with a lunar ephemeris whose tidal acceleration is about
// -25.8"/cy², as does the ELP/MPP02 (DE405) Moon of our ephemeris.
#include "platform/astro/DeltaT.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/astro/DeltaTObserved.h"

namespace mirvo::astro {
namespace {

// Table S15 (v. 2020): for from <= y <= to, t = (y - from) / (to - from),
// Delta T = a0 + a1 t + a2 t² + a3 t³ seconds.
struct SplineRow {
  double from, to, a0, a1, a2, a3;
};
constexpr SplineRow kSpline[] = {
    {-720, -100, 20371.848, -9999.586, 776.247, 409.160},
    {-100, 400, 11557.668, -5822.270, 1303.151, -503.433},
    {400, 1000, 6535.116, -5671.519, -298.291, 1085.087},
    {1000, 1150, 1650.393, -753.210, 184.811, -25.346},
    {1150, 1300, 1056.647, -459.628, 108.771, -24.641},
    {1300, 1500, 681.149, -421.345, 61.953, -29.414},
    {1500, 1600, 292.343, -192.841, -6.572, 16.197},
    {1600, 1650, 109.127, -78.697, 10.505, 3.018},
    {1650, 1720, 43.952, -68.089, 38.333, -2.127},
    {1720, 1800, 12.068, 2.507, 41.731, -37.939},
    {1800, 1810, 18.367, -3.481, -1.126, 1.918},
    {1810, 1820, 15.678, 0.021, 4.629, -3.812},
    {1820, 1830, 16.516, -2.157, -6.806, 3.250},
    {1830, 1840, 10.804, -6.018, 2.944, -0.096},
    {1840, 1850, 7.634, -0.416, 2.658, -0.539},
    {1850, 1855, 9.338, 1.642, 0.261, -0.883},
    {1855, 1860, 10.357, -0.486, -2.389, 1.558},
    {1860, 1865, 9.040, -0.591, 2.284, -2.477},
    {1865, 1870, 8.255, -3.456, -5.148, 2.720},
    {1870, 1875, 2.371, -5.593, 3.011, -0.914},
    {1875, 1880, -1.126, -2.314, 0.269, -0.039},
    {1880, 1885, -3.210, -1.893, 0.152, 0.563},
    {1885, 1890, -4.388, 0.101, 1.842, -1.438},
    {1890, 1895, -3.884, -0.531, -2.474, 1.871},
    {1895, 1900, -5.017, 0.134, 3.138, -0.232},
    {1900, 1905, -1.977, 5.715, 2.443, -1.257},
    {1905, 1910, 4.923, 6.828, -1.329, 0.720},
    {1910, 1915, 11.142, 6.330, 0.831, -0.825},
    {1915, 1920, 17.479, 5.518, -1.643, 0.262},
    {1920, 1925, 21.617, 3.020, -0.856, 0.008},
    {1925, 1930, 23.789, 1.333, -0.831, 0.127},
    {1930, 1935, 24.418, 0.052, -0.449, 0.142},
    {1935, 1940, 24.164, -0.419, -0.022, 0.702},
    {1940, 1945, 24.426, 1.645, 2.086, -1.106},
    {1945, 1950, 27.050, 2.499, -1.232, 0.614},
    {1950, 1953, 28.932, 1.127, 0.220, -0.277},
    {1953, 1956, 30.002, 0.737, -0.610, 0.631},
    {1956, 1959, 30.760, 1.409, 1.282, -0.799},
    {1959, 1962, 32.652, 1.577, -1.115, 0.507},
    {1962, 1965, 33.621, 0.868, 0.406, 0.199},
    {1965, 1968, 35.093, 2.275, 1.002, -0.414},
    {1968, 1971, 37.956, 3.035, -0.242, 0.202},
    {1971, 1974, 40.951, 3.157, 0.364, -0.229},
    {1974, 1977, 44.244, 3.199, -0.323, 0.172},
    {1977, 1980, 47.291, 3.069, 0.193, -0.192},
    {1980, 1983, 50.361, 2.878, -0.384, 0.081},
    {1983, 1986, 52.936, 2.354, -0.140, -0.165},
    {1986, 1989, 54.984, 1.577, -0.637, 0.448},
    {1989, 1992, 56.373, 1.648, 0.708, -0.276},
    {1992, 1995, 58.453, 2.235, -0.121, 0.110},
    {1995, 1998, 60.678, 2.324, 0.210, -0.313},
    {1998, 2001, 62.898, 1.804, -0.729, 0.109},
    {2001, 2004, 64.083, 0.674, -0.402, 0.199},
    {2004, 2007, 64.553, 0.466, 0.194, -0.017},
    {2007, 2010, 65.197, 0.804, 0.144, -0.084},
    {2010, 2013, 66.061, 0.839, -0.109, 0.128},
    {2013, 2016, 66.920, 1.007, 0.277, -0.095},
    {2016, 2019, 68.109, 1.277, -0.007, -0.139},
};

struct ValueAndRate {
  double value;  // seconds
  double rate;   // seconds per year
};

// The spline's row for y, clamped to the table's span.
const SplineRow& RowOf(double y) {
  for (const SplineRow& r : kSpline)
    if (y < r.to) return r;
  return kSpline[std::size(kSpline) - 1];
}

ValueAndRate Spline(double y) {
  const SplineRow& r = RowOf(y);
  const double h = r.to - r.from, t = (y - r.from) / h;
  return {r.a0 + t * (r.a1 + t * (r.a2 + t * r.a3)), (r.a1 + t * (2 * r.a2 + t * 3 * r.a3)) / h};
}

// Eq. (5.1) of the 2021 paper, fitted to the whole record: a constant deceleration of the Earth's
// rotation of -4.59e-22 rad/s² (the day lengthening by 1.72 ms a century).
ValueAndRate Parabola(double y) {
  const double tau = (y - 1825) / 100;
  return {-10 + 31.4 * tau * tau, 2 * 31.4 * tau / 100};
}

// The cubic through (x0, a) and (x1, b) with the given values and rates at both ends, at x.
double Hermite(double x, double x0, ValueAndRate a, double x1, ValueAndRate b) {
  const double h = x1 - x0, u = (x - x0) / h;
  const double u2 = u * u, u3 = u2 * u;
  return (2 * u3 - 3 * u2 + 1) * a.value + (u3 - 2 * u2 + u) * h * a.rate + (3 * u2 - 2 * u3) * b.value +
         (u3 - u2) * h * b.rate;
}

constexpr double kSplineFirst = -720;

// The parabola lies 44 s below the spline's first value; the difference (and the small one in
// rate) is taken up over the century before the spline begins, well inside the three-minute
// uncertainty of that era, so that the curve has no step there.
constexpr double kPastJoinYears = 100;

// The spline is a smoothing fit and runs up to half a second below the IERS values of the 1960s;
// it is bent onto the first observed value and rate over the ten years before.
constexpr double kObservedJoinYears = 10;

// After the observations: the rate of Delta T changes by decades with the flow in the Earth's
// core, so the last observed rate holds for a few years at most, while over centuries the tidal
// deceleration of the parabola prevails. The continuation is the cubic from the last observed
// value and rate (the rate over the last observed year) to the parabola's value and rate 500 years
// later. Over that span the rate climbs to the parabola's without overshooting it (a shorter span
// would have the day lengthen faster than the trend for a while), and the first years stay near
// the 69.2 s observed after the table ends.
constexpr double kFutureJoinYears = 500;

constexpr double kFirstObserved = observed::kFirstYear + 0.5;
constexpr double kLastObserved = observed::kLastYear + 0.5;

double ObservedAt(int year) { return observed::kMidYearSeconds[year - observed::kFirstYear]; }

// Straight lines between the mid-year values.
double Observed(double y) {
  const double x = y - 0.5;
  const int year = std::min(static_cast<int>(std::floor(x)), observed::kLastYear - 1);
  const double f = x - year;
  return ObservedAt(year) * (1 - f) + ObservedAt(year + 1) * f;
}

ValueAndRate LastObserved() {
  return {ObservedAt(observed::kLastYear),
          ObservedAt(observed::kLastYear) - ObservedAt(observed::kLastYear - 1)};
}

ValueAndRate FirstObserved() {
  return {ObservedAt(observed::kFirstYear),
          ObservedAt(observed::kFirstYear + 1) - ObservedAt(observed::kFirstYear)};
}

// -----------------------------------------------------------------------------------------------
// Uncertainty.

// One-sigma uncertainty of Delta T, seconds, by epoch: the error estimates that HM Nautical
// Almanac Office gives with the 2020 spline and its extrapolation before -720
// (astro.ukho.gov.uk/nao/lvm), taken between the listed epochs on straight lines.
struct Sigma {
  double year, seconds;
};
constexpr Sigma kPastSigma[] = {
    {-2000, 1080}, {-1600, 720}, {-900, 360}, {-720, 180}, {-700, 170},  {-600, 160}, {-500, 150},
    {-400, 130},   {-300, 120},  {-200, 110}, {-100, 100}, {0, 90},      {100, 80},   {200, 70},
    {300, 60},     {400, 50},    {500, 40},   {700, 30},   {800, 25},    {900, 20},   {1000, 15},
    {1620, 20},    {1660, 15},   {1670, 10},  {1680, 5},   {1730, 2},    {1770, 1},   {1800, 0.5},
    {1802, 0.4},   {1805, 0.3},  {1809, 0.2}, {1831, 0.1}, {1870, 0.05},
};

// The seasonal variation of the Earth's rotation: up to 0.03 s in the conventional annual and
// semiannual terms that define UT2 - UT1.
constexpr double kSeasonal = 0.03;

// The formal error of UT1 - UTC in the IERS series is a few milliseconds at most.
constexpr double kObservedSigma = 0.002;

// After the observations the error of the continuation first grows like that of a random walk in
// the length of day, as N^1.5 for N years ahead: 0.085 s × N^1.5 is the root-mean-square error this
// same continuation would have made from every year since 1700 over the 1 to 20 years after it,
// measured against the spline and the observations. Further ahead the rate can be off by no more
// than the decade fluctuations of the length of day about the parabola's trend, 1.43 ms (0.52 s a
// year) root-mean-square since 1620, and the error grows no faster than that.
constexpr double kFutureSigmaPerYear15 = 0.085;
constexpr double kFutureSigmaPerYear = 0.52;

double FutureSigma(double years) {
  return std::min(kFutureSigmaPerYear15 * std::pow(years, 1.5), kFutureSigmaPerYear * years);
}

double PastSigma(double y) {
  if (y < kPastSigma[0].year) {
    // Beyond the table the error grows as the parabola's, with the square of the time from 1825.
    const double ratio = (y - 1825) / (kPastSigma[0].year - 1825);
    return kPastSigma[0].seconds * ratio * ratio;
  }
  for (size_t i = 1; i < std::size(kPastSigma); ++i) {
    const Sigma &a = kPastSigma[i - 1], &b = kPastSigma[i];
    if (y < b.year) return a.seconds + (b.seconds - a.seconds) * (y - a.year) / (b.year - a.year);
  }
  return kPastSigma[std::size(kPastSigma) - 1].seconds;
}

}  // namespace

double DeltaTSeconds(double y) {
  if (std::isnan(y)) return y;
  if (y < kSplineFirst) {
    const ValueAndRate p = Parabola(y);
    const double from = kSplineFirst - kPastJoinYears;
    if (y <= from) return p.value;
    const ValueAndRate s = Spline(kSplineFirst), q = Parabola(kSplineFirst);
    return p.value + Hermite(y, from, {0, 0}, kSplineFirst, {s.value - q.value, s.rate - q.rate});
  }
  if (y < kFirstObserved) {
    const double spline = Spline(y).value;
    const double from = kFirstObserved - kObservedJoinYears;
    if (y <= from) return spline;
    const ValueAndRate s = Spline(kFirstObserved), o = FirstObserved();
    return spline + Hermite(y, from, {0, 0}, kFirstObserved, {o.value - s.value, o.rate - s.rate});
  }
  if (y <= kLastObserved) return Observed(y);
  const double join = kLastObserved + kFutureJoinYears;
  if (y >= join) return Parabola(y).value;
  return Hermite(y, kLastObserved, LastObserved(), join, Parabola(join));
}

double deltat(double year, int /*unused*/) { return DeltaTSeconds(year + 0.5) / 60.0; }

double DeltaTUncertaintySeconds(double year) {
  double sigma;
  if (year < observed::kFirstYear) {
    sigma = PastSigma(year + 0.5);
  } else if (year <= observed::kLastYear) {
    sigma = kObservedSigma;
  } else {
    sigma = std::hypot(kObservedSigma, FutureSigma(year - observed::kLastYear));
  }
  // The whole year has the value of its middle; towards its ends Delta T moves away by the change
  // over half a year, and by the seasonal variation.
  const double middle = DeltaTSeconds(year + 0.5);
  const double halfYear =
      std::max(std::fabs(DeltaTSeconds(year) - middle), std::fabs(DeltaTSeconds(year + 1) - middle));
  return std::sqrt(sigma * sigma + halfYear * halfYear + kSeasonal * kSeasonal);
}

int DeltaTFirstObservedYear() { return observed::kFirstYear; }
int DeltaTLastObservedYear() { return observed::kLastYear; }

}  // namespace mirvo::astro
