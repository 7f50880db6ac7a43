#include "core/ephemeris/MoonPhase.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/daycount/DayCount.h"
#include "platform/astro/Astro.h"

namespace mirvo {
namespace {

constexpr double kPi = std::numbers::pi;

// The series of the Moon and the Sun run on dynamical time: an instant in UT plus Delta T.
double TtOfUt(double ajd) { return ajd + DeltaTMinutes(ajd) / 1440; }

std::string OneDecimal(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", x);
  std::string s = buffer;
  if (s == "-0.0") s = "0.0";
  return s;
}

std::string Counted(long long n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

std::optional<double> MoonLongitude(double ajd) {
  const double day = std::floor(ajd + 0.5);
  if (day < kMoonLongitudeFirstDay || day > kMoonLongitudeLastDay) return std::nullopt;
  return astro::moonpos(TtOfUt(ajd) - 2451545);
}

std::string AgeText(double days) {
  // A hair above the value, so that an age stored as 1 d 1 h 1 min does not truncate to 0 min
  // through the binary fraction; far below a minute.
  const double age = days + 1e-9;
  const double d = std::floor(age);
  const double h = std::floor((age - d) * 24);
  const double m = std::floor((age - d - h / 24) * 1440);
  return Counted(static_cast<long long>(d), "day") + ", " + Counted(static_cast<long long>(h), "hr") + ", " +
         Counted(static_cast<long long>(m), "min");
}

std::string MoonPhaseLabel(double w, bool waxing) {
  const double k = 100 * w;
  std::string name;
  if (k < 1)
    name = "Dark moon";
  else if (k < 45)
    name = "Crescent moon";
  else if (k < 55)
    name = "Half moon";
  else if (k < 99)
    name = "Gibbous moon";
  else
    name = "Full moon";
  if (k >= 0.05 && k <= 99.95) name += waxing ? " (waxing)" : " (waning)";
  return name;
}

std::string PhaseOfMoonText(double w, bool waxing) {
  return MoonPhaseLabel(w, waxing) + ", " + OneDecimal(100 * w) + "%";
}

std::string LunationPercentText(double fraction) { return OneDecimal(100 * fraction); }

std::string AgeOfMoonText(int32_t lunation, double age, double lunationLength) {
  return "[" + std::to_string(lunation) + "] " + AgeText(age) + " (" +
         LunationPercentText(age / lunationLength) + "%)";
}

std::string GetPhaseErrorText(int code) {
  return "Error" + std::to_string(code) + " when calling GetPhase() in DisplayMoonData().";
}

MoonData ComputeMoonData(Ephemeris& ephemeris, double ajd) {
  MoonData m;
  const int32_t n = ephemeris.LunationAt(ajd);
  bool exact = false;
  const int16_t p = ephemeris.GetPhase(n, ajd, exact);
  if (p < 0) {
    m.error = GetPhaseErrorText(p);
    return m;
  }
  m.phase = p;
  m.exact = exact;
  m.waxing = p <= 1;
  m.lunation = n;

  const std::optional<double> moon = MoonLongitude(ajd);
  m.longitudeMethod = moon.has_value();
  if (moon) {
    const double sun = astro::sun_app(TtOfUt(ajd));
    double a = *moon - sun, b = sun - *moon;
    if (a < 0) a += 2 * kPi;
    if (b < 0) b += 2 * kPi;
    m.w = (1 - std::cos(std::min(a, b))) / 2;
  } else {
    const double tp = ephemeris.SyzygyUt(n, p);
    const double tq = p == 3 ? ephemeris.SyzygyUt(n + 1, 0) : ephemeris.SyzygyUt(n, p + 1);
    const double s = tq - tp;
    double f = 0;
    switch (p) {
      case 0: f = (ajd - tp) / s / 2; break;
      case 1: f = (ajd - tp) / s / 2 + 0.5; break;
      case 2: f = (tq - ajd) / s / 2 + 0.5; break;
      default: f = (tq - ajd) / s / 2; break;
    }
    m.w = (1 - std::cos(kPi * f)) / 2;
  }

  const double d0 = ephemeris.SyzygyUt(n, 0);
  const double d1 = ephemeris.SyzygyUt(n + 1, 0);
  m.age = ajd - d0;
  m.lunationLength = d1 - d0;
  m.phaseText = PhaseOfMoonText(m.w, m.waxing);
  m.ageText = AgeOfMoonText(n, m.age, m.lunationLength);
  m.picture = MoonPictureBase(m.w, m.waxing);
  m.paintTerminator = m.w <= 0.99 && m.w >= 0.01;
  m.ok = true;
  return m;
}

std::string_view MoonPictureBase(double w, bool waxing) {
  if (w > 0.99 || w >= 0.5) return "fullmoon";
  if (w < 0.01) return "darkmoon";
  return waxing ? "1stquarter" : "lastquarter";
}

void PaintTerminator(PixelBuffer& picture, double w, bool waxing, uint32_t colour) {
  if (w > 0.99 || w < 0.01) return;
  const int cx = picture.width / 2;
  const int cy = picture.height / 2;
  const double r2 = double(cx) * cx;
  const double e2 = (2 * w - 1) * (2 * w - 1);
  const bool gibbous = w >= 0.5;
  // The half worked on: gibbous, the dark half; crescent, the lit half of the quarter picture.
  const bool left = gibbous == waxing;
  for (int y = 0; y < picture.height; ++y) {
    const double dy = cy - y;
    const double ellipse = (r2 - dy * dy) * e2;
    for (int x = 0; x < picture.width; ++x) {
      const int dx = x - cx;
      if (left ? dx > 0 : dx < 0) continue;
      const bool outside = ellipse <= double(dx) * dx;
      if (outside == gibbous) picture.at(x, y) = colour;
    }
  }
}

}  // namespace mirvo
