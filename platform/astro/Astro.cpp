// The ephemeris proper. The Moon is ELP/MPP02 (Chapront & Francou 2003) and the Sun is the Earth
// of VSOP87D (Bretagnon & Francou 1988); the tables are truncated so that the instants stay within
// a few seconds of the full theories over 1600-2200 (where the calendar's day boundaries matter)
// and within a minute or two over -3000..3000. Phases and solar terms are found by Newton steps
// on the full-theory longitudes, with the slopes from the same series, started from the short
// formulas of Meeus, Astronomical Algorithms (2nd ed.), chapters 25 and 49.
#include "platform/astro/Astro.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numbers>

#include "platform/astro/AstroSeries.h"
#include "platform/astro/TrigSeries.h"

namespace mirvo::astro {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kDeg = kPi / 180.0;
constexpr double kArcsec = kDeg / 3600.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
// The coefficient of k in Meeus's mean phase (49.1), with which phase_estimate's correction was
// fitted: another lunation length would move its starting instants, and with them the last bits of
// the solved ones.
constexpr double kSynodicMonth = 29.530588861;
// Instants are solved until their remaining error is below this (about 0.01 s): a tenth of the
// last of the six decimals of a day that the almanac prints, so that the printed instants do not
// depend on where the search started.
constexpr double kTimeTolerance = 1e-7;
constexpr int kMaxSteps = 12;

double norm2pi(double a) {
  a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

// Wraps an angle into [-π, π).
double normpi(double a) { return norm2pi(a + kPi) - kPi; }

double centuries(double jd) { return (jd - kJ2000) / kDaysPerCentury; }

// ---------------------------------------------------------------------------------------------
// Nutation in longitude, IAU 1980 (Meeus table 22.A). Multiples of D, M, M', F, Ω; the
// coefficients are in 0.0001".
struct NutationTerm {
  signed char d, m, mp, f, om;
  double s0, s1;
};

constexpr NutationTerm kNutation[] = {
    {0, 0, 0, 0, 1, -171996, -174.2},
    {-2, 0, 0, 2, 2, -13187, -1.6},
    {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},
    {0, 1, 0, 0, 0, 1426, -3.4},
    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},
    {0, 0, 0, 2, 1, -386, -0.4},
    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},
    {-2, 0, 1, 0, 0, -158, 0},
    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},
    {2, 0, 0, 0, 0, 63, 0},
    {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},
    {0, 0, -1, 0, 1, -58, -0.1},
    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},
    {0, 0, -2, 2, 1, 46, 0},
    {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},
    {0, 0, 2, 0, 0, 29, 0},
    {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
    {-2, 0, 0, 2, 0, -22, 0},
    {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},
    {2, 0, -1, 0, 1, 16, 0},
    {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},
    {-2, 0, 1, 0, 1, -13, 0},
    {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
    {2, 0, -1, 2, 1, -10, 0},
    {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},
    {-2, 1, 1, 0, 0, -7, 0},
    {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},
    {2, 0, 1, 0, 0, 6, 0},
    {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},
    {2, 0, -2, 0, 1, -6, 0},
    {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},
    {-2, -1, 0, 2, 1, -5, 0},
    {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
    {-2, 0, 2, 0, 1, 4, 0},
    {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},
    {-1, 0, 1, 0, 0, -4, 0},
    {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},
    {0, 0, 1, 2, 0, 3, 0},
    {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},
    {0, 1, 1, 0, 0, -3, 0},
    {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},
    {0, 0, 3, 2, 2, -3, 0},
    {2, -1, 0, 2, 2, -3, 0},
};

// The nutation's terms as a product tree over the five arguments (see TrigSeries.h), built when
// compiling from the table above: each argument is a known one plus or minus one fundamental
// argument, the simpler terms first so that the others can grow from them.
constexpr int kNutationArguments = 5;
constexpr size_t kNutationTerms = std::size(kNutation);

struct NutationTree {
  static constexpr size_t kCapacity = 4 * kNutationTerms;
  ProductNode nodes[kCapacity] = {};
  size_t nodeCount = 0;
  int vectors[1 + kNutationArguments + kCapacity][kNutationArguments] = {};  // multipliers by phasor
  TrigTerm constant[kNutationTerms] = {};                                    // s0 · sin x
  TrigTerm linear[kNutationTerms] = {};                                      // s1 · T · sin x

  constexpr NutationTree() {
    for (int j = 0; j < kNutationArguments; ++j) vectors[1 + j][j] = 1;
  }
  constexpr int Find(const int (&v)[kNutationArguments]) const {
    for (size_t p = 0; p < 1 + kNutationArguments + nodeCount; ++p) {
      bool same = true;
      for (int j = 0; j < kNutationArguments; ++j) same = same && vectors[p][j] == v[j];
      if (same) return static_cast<int>(p);
    }
    return -1;
  }
  constexpr uint16_t Build(const int (&v)[kNutationArguments]) {
    if (const int p = Find(v); p >= 0) return static_cast<uint16_t>(p);
    int from[kNutationArguments] = {};
    int step = -1, sign = 0;
    for (int j = 0; j < kNutationArguments && step < 0; ++j) {
      for (int s : {1, -1}) {
        for (int k = 0; k < kNutationArguments; ++k) from[k] = v[k] - (k == j ? s : 0);
        if (Find(from) >= 0) {
          step = j;
          sign = s;
          break;
        }
      }
    }
    if (step < 0) {  // one step of the last argument back, made first
      for (int j = 0; j < kNutationArguments; ++j)
        if (v[j] != 0) step = j;
      sign = v[step] > 0 ? 1 : -1;
      for (int k = 0; k < kNutationArguments; ++k) from[k] = v[k] - (k == step ? sign : 0);
    }
    const uint16_t a = Build(from);
    const auto b = static_cast<uint16_t>((1 + step) | (sign < 0 ? kConjugate : 0));
    nodes[nodeCount] = {a, b};
    for (int k = 0; k < kNutationArguments; ++k) vectors[1 + kNutationArguments + nodeCount][k] = v[k];
    return static_cast<uint16_t>(1 + kNutationArguments + nodeCount++);
  }
};

constexpr NutationTree BuildNutationTree() {
  NutationTree tree;
  // Terms by the sum of their |multipliers|, smallest first.
  size_t order[kNutationTerms] = {};
  int weight[kNutationTerms] = {};
  for (size_t i = 0; i < kNutationTerms; ++i) {
    const NutationTerm& t = kNutation[i];
    order[i] = i;
    for (int m : {t.d, t.m, t.mp, t.f, t.om}) weight[i] += m < 0 ? -m : m;
  }
  for (size_t i = 1; i < kNutationTerms; ++i)
    for (size_t j = i; j > 0 && weight[order[j]] < weight[order[j - 1]]; --j) {
      const size_t x = order[j];
      order[j] = order[j - 1];
      order[j - 1] = x;
    }
  for (const size_t i : order) {
    const NutationTerm& t = kNutation[i];
    const int v[kNutationArguments] = {t.d, t.m, t.mp, t.f, t.om};
    const uint16_t phasor = tree.Build(v);
    tree.constant[i] = {phasor, 0, t.s0};
    tree.linear[i] = {phasor, 0, t.s1};
  }
  return tree;
}

constexpr NutationTree kNutationTree = BuildNutationTree();
const ArgumentTree kNutationArgumentTree = {
    {}, kNutationArguments, {kNutationTree.nodes, kNutationTree.nodeCount}};
const TrigSeries kNutationSeries = {&kNutationArgumentTree, {kNutationTree.constant, kNutationTree.linear}};

// The nutation and its rate, radians and radians per century.
SeriesValue nutation_T(double T) {
  const double T2 = T * T, T3 = T2 * T;
  // Fundamental arguments of Meeus ch. 22 in degrees: D, M, M', F, Ω, and their rates.
  const double args[kNutationArguments] = {
      (297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474) * kDeg,
      (357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000) * kDeg,
      (134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250) * kDeg,
      (93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270) * kDeg,
      (125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000) * kDeg,
  };
  const double rates[kNutationArguments] = {
      (445267.111480 - 2 * 0.0019142 * T + 3 * T2 / 189474) * kDeg,
      (35999.050340 - 2 * 0.0001603 * T - 3 * T2 / 300000) * kDeg,
      (477198.867398 + 2 * 0.0086972 * T + 3 * T2 / 56250) * kDeg,
      (483202.017538 - 2 * 0.0036825 * T + 3 * T2 / 327270) * kDeg,
      (-1934.136261 + 2 * 0.0020708 * T + 3 * T2 / 450000) * kDeg,
  };
  TreeArguments arguments(kNutationArgumentTree);
  arguments.EvaluateAngles(T, args, rates);
  const SeriesValue sum = arguments.Sum(kNutationSeries);
  return {sum.value * 1e-4 * kArcsec, sum.rate * 1e-4 * kArcsec};
}

// ---------------------------------------------------------------------------------------------
// The Moon: the ELP/MPP02 longitude is counted along the mean ecliptic of date from the fixed
// departure point of J2000, so the general precession in longitude of IAU 2006 (Capitaine,
// Wallace & Chapront 2003, all five terms: the T^4 one alone is 2.5' at -3000) brings it to the
// mean equinox of date; then the light time (1.28 s of the Moon's motion). Radians and radians
// per century.
SeriesValue moon_mean_of_date(TreeArguments& elp, double T) {
  elp.Evaluate(T);
  const SeriesValue sum = elp.Sum(series::kElpLongitude);
  const double* w = series::kElpW1;
  const double w1 = w[0] + T * (w[1] + T * (w[2] + T * (w[3] + T * w[4])));
  const double w1Rate = w[1] + T * (2 * w[2] + T * (3 * w[3] + T * 4 * w[4]));
  constexpr double p[5] = {5028.796195, 1.1054348, 0.00007964, -0.000023857, -0.0000000383};
  const double precession = T * (p[0] + T * (p[1] + T * (p[2] + T * (p[3] + T * p[4]))));
  const double precessionRate = p[0] + T * (2 * p[1] + T * (3 * p[2] + T * (4 * p[3] + T * 5 * p[4])));
  return {w1 + (sum.value + precession - 0.70) * kArcsec, w1Rate + (sum.rate + precessionRate) * kArcsec};
}

// ---------------------------------------------------------------------------------------------
// The Sun from VSOP87D Earth: the geocentric longitude on the mean equinox of date with the
// annual aberration, but without nutation; radians and radians per century.
SeriesValue sun_mean_of_date_aberrated(TreeArguments& vsop, double T) {
  vsop.Evaluate(T / 10);
  const SeriesValue L = vsop.Sum(series::kVsopEarthL);
  const SeriesValue R = vsop.Sum(series::kVsopEarthR);
  // VSOP87's dynamical equinox to FK5 (Meeus ch. 32), then from the IAU 1976 precession that
  // VSOP87D's equinox of date follows to the IAU 2006 one used for the Moon: without it the
  // solar terms drift by some 7 s per century away from J2000.
  const double fk5 = -0.09033;
  constexpr double dp[3] = {5028.796195 - 5029.0966, 1.1054348 - 1.11113, 0.00007964 + 0.000006};
  const double precession = T * (dp[0] + T * (dp[1] + T * dp[2]));
  const double precessionRate = dp[0] + T * (2 * dp[1] + T * 3 * dp[2]);
  const double aberration = -20.4898 / R.value;
  const double aberrationRate = 20.4898 * (R.rate / 10) / (R.value * R.value);
  return {L.value + kPi + (fk5 + precession + aberration) * kArcsec,
          L.rate / 10 + (precessionRate + aberrationRate) * kArcsec};
}

// ---------------------------------------------------------------------------------------------
// Short formulas, used only for first guesses.

// Apparent longitude of the Sun to about 0.01° (Meeus ch. 25) and its rate per day, from the
// equation of the centre.
SeriesValue sun_low(double T) {
  const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
  const double M = (357.52911 + 35999.05029 * T - 0.0001537 * T * T) * kDeg;
  const double s1 = std::sin(M), c1 = std::cos(M);
  const double s2 = 2 * s1 * c1, c2 = c1 * c1 - s1 * s1;
  const double s3 = s1 * (3 - 4 * s1 * s1);
  const double C =
      (1.914602 - 0.004817 * T - 0.000014 * T * T) * s1 + (0.019993 - 0.000101 * T) * s2 + 0.000289 * s3;
  const double Om = (125.04 - 1934.136 * T) * kDeg;
  const double rate = 36000.76983 + (1.914602 * c1 + 2 * 0.019993 * c2) * 35999.05029 * kDeg;
  return {(L0 + C - 0.00569 - 0.00478 * std::sin(Om)) * kDeg, rate * kDeg / kDaysPerCentury};
}

// The closed-form phase of Meeus ch. 49 (without the planetary terms), with the mean difference
// from our lunar theory (a cubic in T fitted over -3000..3000; it reaches 5 minutes at -3000), so
// that the estimate stays within two minutes of the solution over the whole range and one Newton
// step is enough. The sines of the combined arguments come from those of M, M', F by angle
// addition.
double phase_estimate(int n, int phase) {
  const double k = n + phase / 4.0;
  const double T = k / 1236.85;
  const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  const double jde =
      2451550.09766 + kSynodicMonth * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double M = (2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3) * kDeg;
  const double Mp =
      (201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4) * kDeg;
  const double F = (160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4) * kDeg;
  const double Om = (124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3) * kDeg;
  struct Angle {
    double c, s;
    Angle operator+(const Angle& o) const { return {c * o.c - s * o.s, s * o.c + c * o.s}; }
    Angle operator-(const Angle& o) const { return {c * o.c + s * o.s, s * o.c - c * o.s}; }
  };
  const Angle m{std::cos(M), std::sin(M)}, mp{std::cos(Mp), std::sin(Mp)}, f{std::cos(F), std::sin(F)};
  const Angle m2 = m + m, mp2 = mp + mp, f2 = f + f;
  const double sinOm = std::sin(Om);
  double c;
  if (phase == 0 || phase == 2) {
    const bool nm = phase == 0;
    c = (nm ? -0.40720 : -0.40614) * mp.s + (nm ? 0.17241 : 0.17302) * E * m.s +
        (nm ? 0.01608 : 0.01614) * mp2.s + (nm ? 0.01039 : 0.01043) * f2.s +
        (nm ? 0.00739 : 0.00734) * E * (mp - m).s - (nm ? 0.00514 : 0.00515) * E * (mp + m).s +
        (nm ? 0.00208 : 0.00209) * E * E * m2.s - 0.00111 * (mp - f2).s - 0.00057 * (mp + f2).s +
        0.00056 * E * (mp2 + m).s - 0.00042 * (mp2 + mp).s + 0.00042 * E * (m + f2).s +
        0.00038 * E * (m - f2).s - 0.00024 * E * (mp2 - m).s - 0.00017 * sinOm;
  } else {
    c = -0.62801 * mp.s + 0.17172 * E * m.s - 0.01183 * E * (mp + m).s + 0.00862 * mp2.s + 0.00804 * f2.s +
        0.00454 * E * (mp - m).s + 0.00204 * E * E * m2.s - 0.00180 * (mp - f2).s - 0.00070 * (mp + f2).s -
        0.00040 * (mp2 + mp).s - 0.00034 * E * (mp2 - m).s + 0.00032 * E * (m + f2).s +
        0.00032 * E * (m - f2).s - 0.00028 * E * E * (mp + m2).s + 0.00027 * E * (mp2 + m).s -
        0.00017 * sinOm;
    const double W = 0.00306 - 0.00038 * E * m.c + 0.00026 * mp.c - 0.00002 * (mp - m).c +
                     0.00002 * (mp + m).c + 0.00002 * f2.c;
    c += phase == 1 ? W : -W;
  }
  const double drift = (0.0130427 + T * (0.00357083 + T * (0.00151491 - T * 0.0000125117))) / 1440;
  return jde + c + drift;
}

// Newton steps on f(t) = 0, f and its slope from the same series. Near the root a step leaves an
// error of about (f''/2f')·dt², so the steps stop as soon as that falls below the tolerance, not
// one evaluation later when a small step has been seen. `curvature` bounds |f''/2f'| (per day).
template <class F>
double solve(double t, double curvature, F f) {
  for (int i = 0; i < kMaxSteps; ++i) {
    const SeriesValue r = f(t);
    const double dt = r.value / r.rate;
    t -= dt;
    if (curvature * dt * dt < kTimeTolerance) break;
  }
  return t;
}

// Bounds of |f''/2f'| per day, with a margin over the largest values found every 1.4 days from
// -3000 to 3000: 0.021 for the elongation (the Moon's equation of the centre, evection and
// variation against a relative motion of at least 0.187 rad/day), 3.7e-4 for the Sun (the
// equation of the centre and the nutation's fortnightly terms against 0.0166 rad/day).
constexpr double kElongationCurvature = 0.03;
constexpr double kSunCurvature = 5e-4;

// Apparent longitude of the Sun (without the wrap into 0..2π) and its rate per day.
SeriesValue sun_apparent(TreeArguments& vsop, double T) {
  const SeriesValue sun = sun_mean_of_date_aberrated(vsop, T);
  const SeriesValue nutation = nutation_T(T);
  return {sun.value + nutation.value, (sun.rate + nutation.rate) / kDaysPerCentury};
}

}  // namespace

double nutation_longitude(double jd) { return nutation_T(centuries(jd)).value; }

double sun_distance(double jd) {
  TreeArguments vsop(series::kVsopEarthTree);
  vsop.Evaluate(centuries(jd) / 10);
  return vsop.Sum(series::kVsopEarthR).value;
}

double moon_sun_elongation(double jd) {
  // The nutation in longitude is common to both bodies and cancels.
  const double T = centuries(jd);
  TreeArguments elp(series::kElpTree), vsop(series::kVsopEarthTree);
  return normpi(moon_mean_of_date(elp, T).value - sun_mean_of_date_aberrated(vsop, T).value);
}

double syzyg(int n, int phase) {
  // A phase outside 0..3 counts on into the neighbouring lunations, so that the result stays
  // increasing in 4n + phase instead of solving for a meaningless estimate.
  n += phase >= 0 ? phase / 4 : -((3 - phase) / 4);
  phase = ((phase % 4) + 4) % 4;
  const double target = phase * (kPi / 2);
  TreeArguments elp(series::kElpTree), vsop(series::kVsopEarthTree);
  return solve(phase_estimate(n, phase), kElongationCurvature, [&](double t) {
    const double T = centuries(t);
    const SeriesValue moon = moon_mean_of_date(elp, T);
    const SeriesValue sun = sun_mean_of_date_aberrated(vsop, T);
    return SeriesValue{normpi(moon.value - sun.value - target), (moon.rate - sun.rate) / kDaysPerCentury};
  });
}

double moonpos(double d) {
  const double T = d / kDaysPerCentury;
  TreeArguments elp(series::kElpTree);
  return norm2pi(moon_mean_of_date(elp, T).value + nutation_T(T).value);
}

double sun_app(double jd) {
  TreeArguments vsop(series::kVsopEarthTree);
  return norm2pi(sun_apparent(vsop, centuries(jd)).value);
}

namespace {

// The instant near t at which the short formula plus `offset` reaches lon: two Newton steps take a
// start days away to the formula's own accuracy.
double sun_low_time(double lon, double t, double offset) {
  for (int i = 0; i < 2; ++i) {
    const SeriesValue low = sun_low(centuries(t));
    t -= normpi(low.value + offset - lon) / low.rate;
  }
  return t;
}

}  // namespace

double solar_longitude_time(double lon, double jdNear) {
  // Close in with the short formula first (to a quarter of an hour over 1600-2200, an hour at
  // -3000), then on the full theory.
  return solar_longitude_refine(lon, sun_low_time(lon, jdNear, 0));
}

void solar_terms_true_sun(double t1, double t2, double six[6]) {
  // The terms are found from t1 alone (the mean spacing is within two days of the true one), so a
  // t2 that is not the next quarter point cannot lead the search to another term. The short
  // formula is good to 0.01°, ample to round t1's longitude to its 15° point.
  (void)t2;
  constexpr double kStep = kPi / 12;
  constexpr double kMeanSpacing = 365.2422 / 24;
  const double base = std::round(norm2pi(sun_low(centuries(t1)).value) / kStep) * kStep;
  six[0] = t1;
  // The short formula's error changes slowly (by some 10" in a fortnight): measured at each term
  // found, it corrects the start for the next one to within a few minutes, where one Newton step
  // on the full theory suffices even far from J2000.
  for (int j = 1; j < 6; ++j) {
    const double previous = base + (j - 1) * kStep;
    const double offset = normpi(previous - sun_low(centuries(six[j - 1])).value);
    const double lon = base + j * kStep;
    six[j] = solar_longitude_refine(lon, sun_low_time(lon, six[j - 1] + kMeanSpacing, offset));
  }
}

double solar_longitude_refine(double lon, double jdEstimate) {
  TreeArguments vsop(series::kVsopEarthTree);
  return solve(jdEstimate, kSunCurvature, [&](double x) {
    const SeriesValue s = sun_apparent(vsop, centuries(x));
    return SeriesValue{normpi(s.value - lon), s.rate};
  });
}

}  // namespace mirvo::astro
