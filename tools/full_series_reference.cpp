// Writes the instants of Moon phases and solar terms computed with the untruncated series, so that
// the tests can measure what the truncation of the committed tables costs. Built by hand against
// the full tables (see tools/README.md), never by the project build.
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/astro/Astro.h"

namespace {

constexpr const char* kPhaseNames[4] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
// Solar term m has the longitude 15·m degrees; m = 0 is the March equinox of 2000.
constexpr double kEquinox2000 = 2451623.81;
constexpr double kTropicalYear = 365.242189;

void phases(int from, int to, int every) {
  for (int k = from; k <= to; k += every) {
    const int p = ((k / every) % 4 + 4) % 4;
    std::printf("%s,%d,%.7f\n", kPhaseNames[p], k, mirvo::astro::syzyg(k, p));
  }
}

void terms(int from, int to, int every) {
  for (int m = from; m <= to; m += every) {
    const double lon = std::fmod(m * 15.0, 360.0) * std::numbers::pi / 180;
    const double near = kEquinox2000 + m * kTropicalYear / 24;
    std::printf("solar_term,%d,%.7f\n", m, mirvo::astro::solar_longitude_time(lon, near));
  }
}

}  // namespace

int main() {
  std::printf(
      "# Moon phases (n = lunation, 0 = new moon of 2000-01-06) and solar terms (n = term, "
      "longitude 15n degrees, 0 = March equinox 2000), TT Julian dates, computed with all "
      "terms of ELP/MPP02 (DE405) and VSOP87D Earth by tools/full_series_reference.cpp\n");
  std::printf("kind,n,jd_tt\n");
  phases(-4925, 2495, 5);     // 1600-2200
  phases(-61800, 12400, 50);  // -3000..3000
  terms(-9600, 4800, 7);
  terms(-120000, 24000, 97);
  return 0;
}
