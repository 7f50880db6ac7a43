// The main window's work per command: the display of an instant (every row) and a date entry
// parsed into an instant, at random instants over the admitted range.
#include <benchmark/benchmark.h>

#include <random>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"

namespace {

using namespace mirvo;

void BM_DisplayDatesAndTimes(benchmark::State& state) {
  Reckoner reckoner;
  DisplayOptions options;
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> instant(kMinAjd + 1, kMaxAjd - 1);
  for (auto _ : state) benchmark::DoNotOptimize(ComputeDisplay(instant(random), reckoner, options));
}
BENCHMARK(BM_DisplayDatesAndTimes);

// The same instants again and again: what a repeated display of a settled instant costs.
void BM_DisplaySameYear(benchmark::State& state) {
  Reckoner reckoner;
  DisplayOptions options;
  double ajd = 2451545.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeDisplay(ajd, reckoner, options));
    ajd += 1.0 / 24;
    if (ajd > 2451545.0 + 300) ajd = 2451545.0;
  }
}
BENCHMARK(BM_DisplaySameYear);

void BM_ParseLunarEntry(benchmark::State& state) {
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  std::mt19937_64 random(2);
  std::uniform_int_distribution<int> cycle(30, 80), position(1, 60), month(1, 12), day(1, 29);
  for (auto _ : state) {
    EntryModel model;
    model.date = std::to_string(cycle(random)) + "-" + std::to_string(position(random)) + "-" +
                 std::to_string(month(random)) + "-" + std::to_string(day(random)) + " CHL";
    benchmark::DoNotOptimize(rules.Parse(model));
  }
}
BENCHMARK(BM_ParseLunarEntry);

}  // namespace
