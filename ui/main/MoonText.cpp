#include "ui/main/MoonText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/ephemeris/Ephemeris.h"
#include "platform/astro/Astro.h"

namespace mirvo {
namespace {

// The lunar theory in use is trusted for the Moon's longitude only over 1600..2099 CE (day numbers
// below); outside it the phase fraction is interpolated between the syzygies.
constexpr int32_t kFirstLongitudeDay = 2305448;
constexpr int32_t kLastLongitudeDay = 2488069;

std::string OneDecimal(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", x);
  return buffer;
}

std::string Plural(long long n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

std::string AgeText(double days) {
  long long d = static_cast<long long>(std::floor(days));
  long long h = static_cast<long long>(std::floor((days - d) * 24));
  long long m = static_cast<long long>(std::floor((days - d - h / 24.0) * 1440));
  if (m < 0) m = 0;
  return Plural(d, "day") + ", " + Plural(h, "hr") + ", " + Plural(m, "min");
}

std::string MoonPhaseLabel(double w, bool waxing) {
  double k = 100 * w;
  std::string name = k < 1 ? "Dark moon" : k < 45 ? "Crescent moon" : k < 55 ? "Half moon"
                     : k < 99 ? "Gibbous moon" : "Full moon";
  if (k >= 0.05 && k <= 99.95) name += waxing ? " (waxing)" : " (waning)";
  return name;
}

MoonState ComputeMoonState(double ajd, Ephemeris& ephemeris) {
  MoonState m;
  const int32_t n = ephemeris.LunationAt(ajd);
  bool exact = false;
  const int p = ephemeris.GetPhase(n, ajd, exact);
  if (p < 0) return m;
  m.lunation = n;
  m.phase = p;
  m.waxing = p <= 1;
  const int32_t day = static_cast<int32_t>(std::floor(ajd + 0.5));
  if (day >= kFirstLongitudeDay && day <= kLastLongitudeDay) {
    const double twoPi = 2 * std::numbers::pi;
    double moon = astro::moonpos(ajd - 2451545.0);
    double sun = astro::sun_app(ajd);
    double a = moon - sun, b = sun - moon;
    a = std::fmod(a, twoPi);
    b = std::fmod(b, twoPi);
    if (a < 0) a += twoPi;
    if (b < 0) b += twoPi;
    m.illumination = (1 - std::cos(std::min(a, b))) / 2;
  } else {
    const double tp = ephemeris.SyzygyUt(n, p);
    const double tq = p == 3 ? ephemeris.SyzygyUt(n + 1, 0) : ephemeris.SyzygyUt(n, p + 1);
    const double s = tq - tp;
    double f = p == 0 ? (ajd - tp) / s / 2
               : p == 1 ? (ajd - tp) / s / 2 + 0.5
               : p == 2 ? (tq - ajd) / s / 2 + 0.5
                        : (tq - ajd) / s / 2;
    m.illumination = (1 - std::cos(std::numbers::pi * f)) / 2;
  }
  const double d0 = ephemeris.SyzygyUt(n, 0);
  const double d1 = ephemeris.SyzygyUt(n + 1, 0);
  m.age = ajd - d0;
  m.phaseText = MoonPhaseLabel(m.illumination, m.waxing) + ", " + OneDecimal(100 * m.illumination) + "%";
  m.ageText = "[" + std::to_string(n) + "] " + AgeText(m.age) + " (" + OneDecimal(100 * m.age / (d1 - d0)) + "%)";
  m.ok = true;
  return m;
}

}  // namespace mirvo
