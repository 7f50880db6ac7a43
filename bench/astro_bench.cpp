// Cost of one phase and one solar term of the ephemeris, each solved from nothing (a few µs: one
// evaluation of the series, sometimes two, per instant). The lunations and terms sweep 1600-2200 so
// that no value repeats.
#include <benchmark/benchmark.h>

#include <numbers>

#include "platform/astro/Astro.h"

namespace {

void NewMoon(benchmark::State& state) {
  int n = -4900;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mirvo::astro::syzyg(n, 0));
    if (++n > 2490) n = -4900;
  }
}
BENCHMARK(NewMoon)->Unit(benchmark::kMicrosecond);

void Quarter(benchmark::State& state) {
  int n = -4900;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mirvo::astro::syzyg(n, 1));
    if (++n > 2490) n = -4900;
  }
}
BENCHMARK(Quarter)->Unit(benchmark::kMicrosecond);

void SolarTerm(benchmark::State& state) {
  int m = -9600;
  for (auto _ : state) {
    const double lon = (m % 24 + 24) % 24 * std::numbers::pi / 12;
    benchmark::DoNotOptimize(mirvo::astro::solar_longitude_time(lon, 2451623.8 + m * 15.2184));
    if (++m > 4800) m = -9600;
  }
}
BENCHMARK(SolarTerm)->Unit(benchmark::kMicrosecond);

// One call of the calendar interface: five solar terms after a quarter point.
void SixTerms(benchmark::State& state) {
  double t1 = 2451900.0;
  for (auto _ : state) {
    double six[6];
    mirvo::astro::solar_terms_true_sun(t1, t1 + 91.3, six);
    benchmark::DoNotOptimize(six);
    t1 += 91.31;
    if (t1 > 2470000.0) t1 = 2451900.0;
  }
}
BENCHMARK(SixTerms)->Unit(benchmark::kMicrosecond);

void MoonLongitude(benchmark::State& state) {
  double d = -100000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mirvo::astro::moonpos(d));
    d += 0.37;
    if (d > 100000.0) d = -100000.0;
  }
}
BENCHMARK(MoonLongitude)->Unit(benchmark::kMicrosecond);

void SunLongitude(benchmark::State& state) {
  double jd = 2300000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mirvo::astro::sun_app(jd));
    jd += 0.37;
    if (jd > 2500000.0) jd = 2300000.0;
  }
}
BENCHMARK(SunLongitude)->Unit(benchmark::kMicrosecond);

}  // namespace
