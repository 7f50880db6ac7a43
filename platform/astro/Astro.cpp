// The ephemeris proper. The Moon is ELP/MPP02 (Chapront & Francou 2003) and the Sun is the Earth
// of VSOP87D (Bretagnon & Francou 1988); the tables are truncated so that the instants stay within
// a few seconds of the full theories over 1600-2200 (where the calendar's day boundaries matter)
// and within a minute or two over -3000..3000. Phases and solar terms are found by Newton steps
// on the full-theory longitudes, started from the short formulas of Meeus, Astronomical
// Algorithms (2nd ed.), chapters 25, 47 and 49, which also supply the slopes.
#include "platform/astro/Astro.h"

#include <cmath>
#include <numbers>

#include "platform/astro/AstroSeries.h"

namespace mirvo::astro {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kDeg = kPi / 180.0;
constexpr double kArcsec = kDeg / 3600.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kSynodicMonth = 29.530588861;
// Instants are solved until the last Newton step is below this (about 0.01 s).
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
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},          {-2, 0, 1, 0, 1, -13, 0},       {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},          {2, 0, -1, 2, 1, -10, 0},       {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},            {-2, 1, 1, 0, 0, -7, 0},        {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},           {2, 0, 1, 0, 0, 6, 0},          {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},           {2, 0, -2, 0, 1, -6, 0},        {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},           {-2, -1, 0, 2, 1, -5, 0},       {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},           {-2, 0, 2, 0, 1, 4, 0},         {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},           {-1, 0, 1, 0, 0, -4, 0},        {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},           {0, 0, 1, 2, 0, 3, 0},          {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},         {0, 1, 1, 0, 0, -3, 0},         {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},         {0, 0, 3, 2, 2, -3, 0},         {2, -1, 0, 2, 2, -3, 0},
};

double nutation_lon_T(double T) {
  const double T2 = T * T, T3 = T2 * T;
  // Fundamental arguments of Meeus ch. 22, degrees.
  const double D = (297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474) * kDeg;
  const double M = (357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000) * kDeg;
  const double Mp = (134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250) * kDeg;
  const double F = (93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270) * kDeg;
  const double Om = (125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000) * kDeg;
  double sum = 0;
  for (const NutationTerm& t : kNutation) {
    const double arg = t.d * D + t.m * M + t.mp * Mp + t.f * F + t.om * Om;
    sum += (t.s0 + t.s1 * T) * std::sin(arg);
  }
  return sum * 1e-4 * kArcsec;
}

// ---------------------------------------------------------------------------------------------
// The Moon: the ELP/MPP02 longitude is counted along the mean ecliptic of date from the fixed
// departure point of J2000, so the general precession in longitude of IAU 2006 (Capitaine,
// Wallace & Chapront 2003, all five terms: the T^4 one alone is 2.5' at -3000) brings it to the
// mean equinox of date; then the light time (1.28 s of the Moon's motion).
double moon_mean_of_date(double T) {
  double sum = 0;
  double tk = 1;
  for (const auto& s : series::kElpLongitude) {
    double part = 0;
    for (const series::ElpTerm& e : s) {
      const double arg = e.phi[0] + T * (e.phi[1] + T * (e.phi[2] + T * (e.phi[3] + T * e.phi[4])));
      part += e.a * std::sin(arg);
    }
    sum += part * tk;
    tk *= T;
  }
  const double* w = series::kElpW1;
  const double w1 = w[0] + T * (w[1] + T * (w[2] + T * (w[3] + T * w[4])));
  const double precession =
      T * (5028.796195 + T * (1.1054348 + T * (0.00007964 + T * (-0.000023857 + T * -0.0000000383))));
  return w1 + (sum + precession - 0.70) * kArcsec;
}

// ---------------------------------------------------------------------------------------------
// The Sun from VSOP87D Earth: the geocentric longitude on the mean equinox of date with the
// annual aberration, but without nutation.
double vsop_sum(const std::span<const series::VsopTerm> (&s)[6], double tau) {
  double sum = 0;
  double tk = 1;
  for (const auto& part : s) {
    double p = 0;
    for (const series::VsopTerm& v : part) p += v.a * std::cos(v.b + v.c * tau);
    sum += p * tk;
    tk *= tau;
  }
  return sum;
}

double sun_distance_T(double T) { return vsop_sum(series::kVsopEarthR, T / 10); }

double sun_mean_of_date_aberrated(double T) {
  const double tau = T / 10;
  const double L = vsop_sum(series::kVsopEarthL, tau);
  const double R = vsop_sum(series::kVsopEarthR, tau);
  // VSOP87's dynamical equinox to FK5 (Meeus ch. 32), then from the IAU 1976 precession that
  // VSOP87D's equinox of date follows to the IAU 2006 one used for the Moon: without it the
  // solar terms drift by some 7 s per century away from J2000.
  const double fk5 = -0.09033;
  const double dp = T * ((5028.796195 - 5029.0966) +
                         T * ((1.1054348 - 1.11113) + T * (0.00007964 + 0.000006)));
  const double aberration = -20.4898 / R;
  return L + kPi + (fk5 + dp + aberration) * kArcsec;
}

// ---------------------------------------------------------------------------------------------
// Short formulas, used only for first guesses and slopes.

// Rate of the Moon's longitude, radians per day, from the main terms of Meeus ch. 47.
double moon_rate(double T) {
  const double D = (297.8501921 + 445267.1114034 * T) * kDeg;
  const double M = (357.5291092 + 35999.0502909 * T) * kDeg;
  const double Mp = (134.9633964 + 477198.8675055 * T) * kDeg;
  const double F = (93.2720950 + 483202.0175233 * T) * kDeg;
  const double dD = 445267.1114034, dM = 35999.0502909, dMp = 477198.8675055, dF = 483202.0175233;
  // Each term a·sin(arg) contributes a·cos(arg)·d(arg)/dT; amplitudes in 1e-6 degree.
  const double s = 6288774 * std::cos(Mp) * dMp + 1274027 * std::cos(2 * D - Mp) * (2 * dD - dMp) +
                   658314 * std::cos(2 * D) * 2 * dD + 213618 * std::cos(2 * Mp) * 2 * dMp -
                   185116 * std::cos(M) * dM - 114332 * std::cos(2 * F) * 2 * dF +
                   58793 * std::cos(2 * D - 2 * Mp) * (2 * dD - 2 * dMp) +
                   57066 * std::cos(2 * D - M - Mp) * (2 * dD - dM - dMp) +
                   53322 * std::cos(2 * D + Mp) * (2 * dD + dMp) +
                   45758 * std::cos(2 * D - M) * (2 * dD - dM) -
                   40923 * std::cos(M - Mp) * (dM - dMp) - 34720 * std::cos(D) * dD -
                   30383 * std::cos(M + Mp) * (dM + dMp);
  const double degPerCentury = 481267.88123421 + s * 1e-6 * kDeg;
  return degPerCentury * kDeg / kDaysPerCentury;
}

// Mean anomaly of the Sun (Meeus ch. 25), radians.
double sun_anomaly(double T) { return (357.52911 + 35999.05029 * T) * kDeg; }

// Apparent longitude of the Sun to about 0.01° (Meeus ch. 25).
double sun_low(double T) {
  const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
  const double M = sun_anomaly(T);
  const double C = (1.914602 - 0.004817 * T) * std::sin(M) + 0.019993 * std::sin(2 * M) +
                   0.000289 * std::sin(3 * M);
  const double Om = (125.04 - 1934.136 * T) * kDeg;
  return (L0 + C - 0.00569 - 0.00478 * std::sin(Om)) * kDeg;
}

// Rate of the Sun's longitude, radians per day.
double sun_rate(double T) {
  const double M = sun_anomaly(T);
  const double dM = 35999.05029;
  const double deg = 36000.76983 + (1.914602 * std::cos(M) + 2 * 0.019993 * std::cos(2 * M)) * dM * kDeg;
  return deg * kDeg / kDaysPerCentury;
}

// The closed-form phase of Meeus ch. 49 (without the planetary terms): within a minute of the
// true instant over 1600-2200 and a few minutes at -3000.
double phase_estimate(int n, int phase) {
  const double k = n + phase / 4.0;
  const double T = k / 1236.85;
  const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  const double jde = 2451550.09766 + kSynodicMonth * k + 0.00015437 * T2 - 0.000000150 * T3 +
                     0.00000000073 * T4;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double M = (2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3) * kDeg;
  const double Mp = (201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 -
                     0.000000058 * T4) * kDeg;
  const double F = (160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 +
                    0.000000011 * T4) * kDeg;
  const double Om = (124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3) * kDeg;
  double c;
  if (phase == 0 || phase == 2) {
    const bool nm = phase == 0;
    c = (nm ? -0.40720 : -0.40614) * std::sin(Mp) + (nm ? 0.17241 : 0.17302) * E * std::sin(M) +
        (nm ? 0.01608 : 0.01614) * std::sin(2 * Mp) + (nm ? 0.01039 : 0.01043) * std::sin(2 * F) +
        (nm ? 0.00739 : 0.00734) * E * std::sin(Mp - M) -
        (nm ? 0.00514 : 0.00515) * E * std::sin(Mp + M) +
        (nm ? 0.00208 : 0.00209) * E * E * std::sin(2 * M) - 0.00111 * std::sin(Mp - 2 * F) -
        0.00057 * std::sin(Mp + 2 * F) + 0.00056 * E * std::sin(2 * Mp + M) -
        0.00042 * std::sin(3 * Mp) + 0.00042 * E * std::sin(M + 2 * F) +
        0.00038 * E * std::sin(M - 2 * F) - 0.00024 * E * std::sin(2 * Mp - M) -
        0.00017 * std::sin(Om);
  } else {
    c = -0.62801 * std::sin(Mp) + 0.17172 * E * std::sin(M) - 0.01183 * E * std::sin(Mp + M) +
        0.00862 * std::sin(2 * Mp) + 0.00804 * std::sin(2 * F) + 0.00454 * E * std::sin(Mp - M) +
        0.00204 * E * E * std::sin(2 * M) - 0.00180 * std::sin(Mp - 2 * F) -
        0.00070 * std::sin(Mp + 2 * F) - 0.00040 * std::sin(3 * Mp) -
        0.00034 * E * std::sin(2 * Mp - M) + 0.00032 * E * std::sin(M + 2 * F) +
        0.00032 * E * std::sin(M - 2 * F) - 0.00028 * E * E * std::sin(Mp + 2 * M) +
        0.00027 * E * std::sin(2 * Mp + M) - 0.00017 * std::sin(Om);
    const double W = 0.00306 - 0.00038 * E * std::cos(M) + 0.00026 * std::cos(Mp) -
                     0.00002 * std::cos(Mp - M) + 0.00002 * std::cos(Mp + M) +
                     0.00002 * std::cos(2 * F);
    c += phase == 1 ? W : -W;
  }
  return jde + c;
}

// Newton steps on f(t) = 0 with a slope that is only approximate: each step shrinks the error
// by the slope's relative error (about 1e-4), so two or three evaluations suffice.
template <class F, class Slope>
double solve(double t, F f, Slope slope) {
  const double rate = slope(t);
  for (int i = 0; i < kMaxSteps; ++i) {
    const double dt = f(t) / rate;
    t -= dt;
    if (std::fabs(dt) < kTimeTolerance) break;
  }
  return t;
}

}  // namespace

double nutation_longitude(double jd) { return nutation_lon_T(centuries(jd)); }

double sun_distance(double jd) { return sun_distance_T(centuries(jd)); }

double moon_sun_elongation(double jd) {
  // The nutation in longitude is common to both bodies and cancels.
  const double T = centuries(jd);
  return normpi(moon_mean_of_date(T) - sun_mean_of_date_aberrated(T));
}

double syzyg(int n, int phase) {
  // A phase outside 0..3 counts on into the neighbouring lunations, so that the result stays
  // increasing in 4n + phase instead of solving for a meaningless estimate.
  n += phase >= 0 ? phase / 4 : -((3 - phase) / 4);
  phase = ((phase % 4) + 4) % 4;
  const double target = phase * (kPi / 2);
  return solve(
      phase_estimate(n, phase),
      [&](double t) { return normpi(moon_sun_elongation(t) - target); },
      [](double t) {
        const double T = centuries(t);
        return moon_rate(T) - sun_rate(T);
      });
}

double moonpos(double d) {
  const double T = d / kDaysPerCentury;
  return norm2pi(moon_mean_of_date(T) + nutation_lon_T(T));
}

double sun_app(double jd) {
  const double T = centuries(jd);
  return norm2pi(sun_mean_of_date_aberrated(T) + nutation_lon_T(T));
}

double solar_longitude_time(double lon, double jdNear) {
  // Close in with the short formula first (to a few minutes), then on the full theory.
  double t = jdNear;
  for (int i = 0; i < 3; ++i) {
    const double T = centuries(t);
    t -= normpi(sun_low(T) - lon) / sun_rate(T);
  }
  return solve(
      t, [&](double x) { return normpi(sun_app(x) - lon); },
      [](double x) { return sun_rate(centuries(x)); });
}

void solar_terms_true_sun(double t1, double t2, double six[6]) {
  // The terms are found from t1 alone (the mean spacing is within two days of the true one), so a
  // t2 that is not the next quarter point cannot lead the search to another term.
  (void)t2;
  constexpr double kStep = kPi / 12;
  constexpr double kMeanSpacing = 365.2422 / 24;
  const double base = std::round(sun_app(t1) / kStep) * kStep;
  six[0] = t1;
  for (int j = 1; j < 6; ++j) six[j] = solar_longitude_time(base + j * kStep, t1 + j * kMeanSpacing);
}

}  // namespace mirvo::astro
