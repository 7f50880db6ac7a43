// Cost of the solar-term table: built from nothing, built when the neighbouring sui years are
// known (a conversion moving on by a year), and taken from the cache (the same sui at another
// meridian). Also the Moon's data of an instant, as the main window asks for it at every step.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/ephemeris/Ephemeris.h"
#include "core/ephemeris/MoonPhase.h"

namespace {

constexpr double kDay2024 = 2460311.0;  // 2024-01-01

void ColdSolarTermTable(benchmark::State& state) {
  mirvo::SolarTermTable table;
  double day = 2305448;  // 1600-01-01, then on by 7 years at a time
  for (auto _ : state) {
    state.PauseTiming();
    mirvo::Ephemeris eph;
    day = day > 2780000 ? 2305448 : day + 7 * 365.2422;
    state.ResumeTiming();
    eph.BuildSolarTermTable(day, mirvo::kTrueSun, 120, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(ColdSolarTermTable)->Unit(benchmark::kMicrosecond);

void NextYearSolarTermTable(benchmark::State& state) {
  auto eph = std::make_unique<mirvo::Ephemeris>();
  mirvo::SolarTermTable table;
  double day = 2305448;
  eph->BuildSolarTermTable(day, mirvo::kTrueSun, 120, table);
  for (auto _ : state) {
    day += 365.2422;
    if (day > 2780000) {  // a fresh start, so that every table built is a new one
      state.PauseTiming();
      day = 2305448;
      eph = std::make_unique<mirvo::Ephemeris>();
      eph->BuildSolarTermTable(day, mirvo::kTrueSun, 120, table);
      state.ResumeTiming();
    }
    eph->BuildSolarTermTable(day, mirvo::kTrueSun, 120, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(NextYearSolarTermTable)->Unit(benchmark::kMicrosecond);

void CachedSolarTermTable(benchmark::State& state) {
  mirvo::Ephemeris eph;
  mirvo::SolarTermTable table;
  eph.BuildSolarTermTable(kDay2024, mirvo::kTrueSun, 120, table);
  int longitude = 100;
  for (auto _ : state) {
    longitude = longitude == 145 ? 100 : longitude + 1;
    eph.BuildSolarTermTable(kDay2024, mirvo::kTrueSun, longitude, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(CachedSolarTermTable)->Unit(benchmark::kMicrosecond);

void MeanSunSolarTermTable(benchmark::State& state) {
  mirvo::Ephemeris eph;
  mirvo::SolarTermTable table;
  eph.BuildSolarTermTable(kDay2024, mirvo::kMeanSun, 120, table);
  for (auto _ : state) {
    eph.BuildSolarTermTable(kDay2024, mirvo::kMeanSun, 120, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(MeanSunSolarTermTable)->Unit(benchmark::kMicrosecond);

void MoonDataOfAnInstant(benchmark::State& state) {
  mirvo::Ephemeris eph;
  double ajd = kDay2024;
  for (auto _ : state) {
    ajd += 0.37;  // a new instant every time, in lunations mostly already known
    benchmark::DoNotOptimize(mirvo::ComputeMoonData(eph, ajd));
  }
}
BENCHMARK(MoonDataOfAnInstant)->Unit(benchmark::kMicrosecond);

}  // namespace
