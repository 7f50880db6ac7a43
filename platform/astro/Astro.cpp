// First working ephemeris: the closed-form phase formula and the low-precision Sun and Moon of
// Meeus, Astronomical Algorithms (2nd ed.), chapters 25, 47 and 49. Good to a minute or so; it
// lets the calendar layers build while the full theories are brought in.
#include "platform/astro/Astro.h"

#include <cmath>
#include <numbers>

namespace mirvo::astro {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;
constexpr double kTwoPi = 2.0 * kPi;

double norm2pi(double a) {
  a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

// Wraps an angle into [-π, π).
double normpi(double a) { return norm2pi(a + kPi) - kPi; }

}  // namespace

double syzyg(int n, int phase) {
  const double k = n + phase / 4.0;
  const double T = k / 1236.85;
  const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 +
               0.00000000073 * T4;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double M = (2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3) * kDeg;
  const double Mp = (201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 -
                     0.000000058 * T4) * kDeg;
  const double F = (160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 +
                    0.000000011 * T4) * kDeg;
  const double Om = (124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3) * kDeg;
  double c = 0;
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
  jde += c;
  // Refine on the low-precision longitudes so that the phase is consistent with moonpos/sun_app.
  const double target = phase * kPi / 2;
  for (int i = 0; i < 3; ++i) {
    const double el = normpi(moonpos(jde - 2451545.0) - sun_app(jde) - target);
    jde -= el / (kTwoPi / 29.530588861);
  }
  return jde;
}

double moonpos(double d) {
  const double T = d / 36525.0;
  const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  const double Lp = (218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841 -
                     T4 / 65194000) * kDeg;
  const double D = (297.8501921 + 445267.1114034 * T - 0.0018819 * T2 + T3 / 545868 -
                    T4 / 113065000) * kDeg;
  const double M = (357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000) * kDeg;
  const double Mp = (134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699 -
                     T4 / 14712000) * kDeg;
  const double F = (93.2720950 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000 +
                    T4 / 863310000) * kDeg;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double A1 = (119.75 + 131.849 * T) * kDeg;
  const double A2 = (53.09 + 479264.290 * T) * kDeg;
  const double s = 6288774 * std::sin(Mp) + 1274027 * std::sin(2 * D - Mp) +
                   658314 * std::sin(2 * D) + 213618 * std::sin(2 * Mp) - 185116 * E * std::sin(M) -
                   114332 * std::sin(2 * F) + 58793 * std::sin(2 * D - 2 * Mp) +
                   57066 * E * std::sin(2 * D - M - Mp) + 53322 * std::sin(2 * D + Mp) +
                   45758 * E * std::sin(2 * D - M) - 40923 * E * std::sin(M - Mp) -
                   34720 * std::sin(D) - 30383 * E * std::sin(M + Mp) +
                   15327 * std::sin(2 * D - 2 * F) - 12528 * std::sin(Mp + 2 * F) +
                   10980 * std::sin(Mp - 2 * F) + 10675 * std::sin(4 * D - Mp) +
                   10034 * std::sin(3 * Mp) + 8548 * std::sin(4 * D - 2 * Mp) -
                   7888 * E * std::sin(2 * D + M - Mp) - 6766 * E * std::sin(2 * D + M) -
                   5163 * std::sin(D - Mp) + 4987 * E * std::sin(D + M) +
                   4036 * E * std::sin(2 * D - M + Mp) + 3958 * std::sin(A1) +
                   1962 * std::sin(Lp - F) + 318 * std::sin(A2);
  const double Om = (125.04452 - 1934.136261 * T) * kDeg;
  const double dpsi = (-17.20 * std::sin(Om) - 1.32 * std::sin(2 * (280.4665 + 36000.7698 * T) * kDeg)) /
                      3600.0 * kDeg;
  return norm2pi(Lp + s * 1e-6 * kDeg + dpsi);
}

double sun_app(double jd) {
  const double T = (jd - 2451545.0) / 36525.0;
  const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
  const double M = (357.52911 + 35999.05029 * T - 0.0001537 * T * T) * kDeg;
  const double C = (1.914602 - 0.004817 * T - 0.000014 * T * T) * std::sin(M) +
                   (0.019993 - 0.000101 * T) * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
  const double Om = (125.04 - 1934.136 * T) * kDeg;
  return norm2pi((L0 + C - 0.00569 - 0.00478 * std::sin(Om)) * kDeg);
}

void solar_terms_true_sun(double t1, double t2, double six[6]) {
  (void)t2;
  const double step = kPi / 12;
  const double base = std::round(sun_app(t1) / step) * step;
  six[0] = t1;
  for (int j = 1; j < 6; ++j) {
    const double target = base + j * step;
    double t = t1 + j * 15.2184;
    for (int i = 0; i < 4; ++i) t -= normpi(sun_app(t) - target) / (kTwoPi / 365.2422);
    six[j] = t;
  }
}

}  // namespace mirvo::astro
