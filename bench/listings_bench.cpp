// Speed of the data window's lists over many years, each in a fresh context (nothing of the years
// cached): the first days of all months of 1000 lunar years, and 1000 lunar new years with the
// months and spring terms of each nian.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/listings/Listings.h"

namespace {

// Noon UT of a CE date.
double Noon(int year, int month, int day) { return mirvo::JdnOfCeDate(year, month, day); }

void RunList(benchmark::State& state, int mode, double ajd) {
  for (auto _ : state) {
    state.PauseTiming();
    auto reckoner = std::make_unique<mirvo::Reckoner>();
    mirvo::ListingOptions options;
    options.years = static_cast<int>(state.range(0));
    auto list = mirvo::MakeList(mode, *reckoner, mirvo::InputsOf(*reckoner, ajd), options);
    state.ResumeTiming();
    benchmark::DoNotOptimize(mirvo::ListingText(*list, mode));
  }
}

// 1000 years centred on 2024: 12,371 month lines.
void BM_AllMonthsOfYears(benchmark::State& state) { RunList(state, mirvo::kModeMonths, Noon(2024, 6, 1)); }
BENCHMARK(BM_AllMonthsOfYears)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

// 1000 new years from 2024, each with its nian's months and J1 and Z1 counts.
void BM_NewYearsWithNianStatistics(benchmark::State& state) {
  RunList(state, mirvo::kModeNewYears, Noon(2024, 2, 10));
}
BENCHMARK(BM_NewYearsWithNianStatistics)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
