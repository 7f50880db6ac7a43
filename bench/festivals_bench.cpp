// Speed of the festival days over the years 1 to 3000 in one fresh context (what one worker of
// `mirvo-cli festivals --from 1 --to 3000` does, without the text), China and Japan (whose
// Doyō and rainy-season days each solve for a solar longitude).
#include <benchmark/benchmark.h>

#include <memory>

#include "core/chinese/Reckoner.h"
#include "features/festivals/Festivals.h"

namespace {

void RunYears(benchmark::State& state, const char* countryName) {
  const mirvo::FestivalTableRead read = mirvo::LoadFestivalTable(MIRVO_DATA_DIR);
  if (!read.table) {
    state.SkipWithError(read.error.c_str());
    return;
  }
  const mirvo::FestivalCountry& country = *read.table->Country(countryName);
  for (auto _ : state) {
    state.PauseTiming();
    auto reckoner = std::make_unique<mirvo::Reckoner>();
    reckoner->SetReferenceLongitude(country.longitude);
    state.ResumeTiming();
    size_t days = 0;
    for (int32_t year = 1; year <= state.range(0); ++year) {
      days += mirvo::FestivalDaysOfYear(*reckoner, country, year).size();
    }
    benchmark::DoNotOptimize(days);
  }
}

void BM_FestivalYearsChina(benchmark::State& state) { RunYears(state, "china"); }
BENCHMARK(BM_FestivalYearsChina)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FestivalYearsJapan(benchmark::State& state) { RunYears(state, "japan"); }
BENCHMARK(BM_FestivalYearsJapan)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
