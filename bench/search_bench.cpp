// Speed of the searches: a multiple element-animal search over 1000 years that finds nothing, in
// a fresh context (every year table built on the way) and in one that has met those years before;
// and a run of solar-term and leap-month searches from one instant to the next.
#include <benchmark/benchmark.h>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/search/MultipleSearchRules.h"
#include "features/search/SearchRules.h"
#include "features/session/MainRules.h"

namespace {

using mirvo::ElementAnimalRows;

// A jia-zi (wood-rat) year never has a wood-tiger month (its first month is bing-yin): the search
// passes over 59 years in 60 and scans the days of the other one.
ElementAnimalRows WoodRatYearWoodTigerMonth() {
  ElementAnimalRows rows;
  rows.element = {mirvo::kNoElementEntry, 0, 0};
  rows.animal = {mirvo::kNoAnimalEntry, 2, 0};
  return rows;
}

// Wood (jia and yi) years open with fire-tiger and earth-tiger months: two years in ten are scanned
// day by day, some 200 of the 1000.
ElementAnimalRows WoodYearWoodTigerMonth() {
  ElementAnimalRows rows;
  rows.element = {mirvo::kNoElementEntry, 0, 0};
  rows.animal = {mirvo::kNoAnimalEntry, 2, mirvo::kNoAnimalEntry};
  return rows;
}

void RunNotFound(benchmark::State& state, const ElementAnimalRows& rows, bool fresh) {
  const int32_t start = mirvo::JdnOfCeDate(2000, 1, 1);
  auto shared = std::make_unique<mirvo::Reckoner>();
  long passes = 0;
  for (auto _ : state) {
    if (fresh) {
      state.PauseTiming();
      shared = std::make_unique<mirvo::Reckoner>();
      state.ResumeTiming();
    }
    mirvo::MultipleElementAnimalSearch search(*shared, rows, start, false, 1000, mirvo::Epoch::kOlder);
    while (!search.Run(1 << 16)) {}
    if (!search.notFound()) state.SkipWithError("found a day");
    passes = search.passes();
  }
  state.counters["passes"] = static_cast<double>(passes);
}

void BM_Multiple1000YearsNotFoundJiaZiFresh(benchmark::State& state) {
  RunNotFound(state, WoodRatYearWoodTigerMonth(), true);
}
void BM_Multiple1000YearsNotFoundJiaZiWarm(benchmark::State& state) {
  RunNotFound(state, WoodRatYearWoodTigerMonth(), false);
}
void BM_Multiple1000YearsNotFoundWoodYearsFresh(benchmark::State& state) {
  RunNotFound(state, WoodYearWoodTigerMonth(), true);
}
void BM_Multiple1000YearsNotFoundWoodYearsWarm(benchmark::State& state) {
  RunNotFound(state, WoodYearWoodTigerMonth(), false);
}
BENCHMARK(BM_Multiple1000YearsNotFoundJiaZiFresh)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Multiple1000YearsNotFoundJiaZiWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Multiple1000YearsNotFoundWoodYearsFresh)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Multiple1000YearsNotFoundWoodYearsWarm)->Unit(benchmark::kMillisecond);

// 100 searches in a row from 2000-01-01, each from the result before, in a fresh context.
void RunSearches(benchmark::State& state, int target) {
  for (auto _ : state) {
    mirvo::Reckoner reckoner;
    mirvo::MainRules rules(reckoner, nullptr, nullptr);
    mirvo::SearchRules search(rules);
    rules.SetCurrentAjd(mirvo::NoonOfDay(mirvo::JdnOfCeDate(2000, 1, 1), 120));
    for (int k = 0; k < 100; ++k) {
      const std::optional<double> found = search.Find(target, true).ajd;
      if (!found) state.SkipWithError("nothing found");
      rules.SetCurrentAjd(*found);
    }
  }
}
void BM_HundredSolarTerms(benchmark::State& state) { RunSearches(state, mirvo::kTargetSolarTerm); }
void BM_HundredLeapMonths(benchmark::State& state) { RunSearches(state, mirvo::kTargetIntercalaryMonth); }
void BM_HundredTermDarkMoons(benchmark::State& state) { RunSearches(state, mirvo::kTargetTermDarkMoon); }
BENCHMARK(BM_HundredSolarTerms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredLeapMonths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredTermDarkMoons)->Unit(benchmark::kMillisecond);

}  // namespace
