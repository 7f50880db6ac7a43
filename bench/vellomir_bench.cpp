// Conversions between day numbers and Vellomir Calendar dates over the whole admitted range
// (-3000-01-01 to 3000-12-31 CE), as listings and repeated steps use them.
#include <benchmark/benchmark.h>

#include "core/vellomir/Vellomir.h"

namespace {

constexpr int32_t kFirstDay = 625333;
constexpr int32_t kLastDay = 2817152;

void BM_DayToVmcWholeRange(benchmark::State& state) {
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t jdn = kFirstDay; jdn <= kLastDay; ++jdn) {
      mirvo::VmcDate date;
      date.jdn = jdn;
      mirvo::DayToVmc(date);
      sum += date.day;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (kLastDay - kFirstDay + 1));
}
BENCHMARK(BM_DayToVmcWholeRange)->Unit(benchmark::kMillisecond);

void BM_VmcToDayEveryMonthStart(benchmark::State& state) {
  int64_t count = 0;
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t year = 1700; year <= 7700; ++year) {
      for (int month = 1; month <= 12; ++month) {
        mirvo::VmcDate date;
        date.year = year;
        date.month = month;
        date.day = 1;
        mirvo::VmcToDay(date);
        sum += date.jdn;
      }
    }
    benchmark::DoNotOptimize(sum);
    count += 6001 * 12;
  }
  state.SetItemsProcessed(count);
}
BENCHMARK(BM_VmcToDayEveryMonthStart)->Unit(benchmark::kMillisecond);

}  // namespace
