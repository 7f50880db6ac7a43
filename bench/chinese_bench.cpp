// Speed of the Chinese conversions: a day whose sui is cached, lunar dates back to days, the
// first build of a sui's tables, and the whole admitted range day by day (time and peak memory).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "core/chinese/Reckoner.h"
#include "platform/calendarlib/EuroCalendar.h"

namespace {

int32_t Day(int y, int m, int d) {
  mirvo::CalendarDate date = mirvo::MakeCalendarDate(y, m, d);
  return mirvo::euro_date_to_jdn(date);
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// Days of one sui, each converted to both records; the tables of that sui are built once.
void BM_DayToChineseCachedSui(benchmark::State& state) {
  mirvo::Reckoner r;
  const int32_t first = Day(2024, 1, 1);
  r.BuildYearTables(first);
  int32_t offset = 0;
  for (auto _ : state) {
    mirvo::ChsDate chs;
    mirvo::ChlDate chl;
    r.DayToChinese(first + offset + 0.5, mirvo::Epoch::kOlder, chs, chl);
    benchmark::DoNotOptimize(chl);
    offset = (offset + 1) % 300;
  }
}
BENCHMARK(BM_DayToChineseCachedSui);

// Lunar dates of cached years back to day numbers, alternating between two suis.
void BM_ChlToDayCached(benchmark::State& state) {
  mirvo::Reckoner r;
  mirvo::ChlDate dates[2];
  for (int i = 0; i < 2; ++i) {
    dates[i].cycle = 79;
    dates[i].position = 41;
    dates[i].month = i == 0 ? 2 : 12;
    dates[i].day = 15;
  }
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(r.ChlToDay(dates[i]));
    i ^= 1;
  }
}
BENCHMARK(BM_ChlToDayCached);

// First build of a sui's solar-term and month tables in a fresh context (the ephemeris caches are
// empty too).
void BM_BuildYearTablesCold(benchmark::State& state) {
  int year = -2900;
  for (auto _ : state) {
    mirvo::Reckoner r;
    r.BuildYearTables(Day(year, 6, 1));
    benchmark::DoNotOptimize(r.lunarMonthTable().count());
    year = year >= 2900 ? -2900 : year + 97;
  }
}
BENCHMARK(BM_BuildYearTablesCold)->Unit(benchmark::kMillisecond);

// Every lunar month of 1901-2100 to its first day, length and margin, in one fresh context: the
// work of mirvo-cli months over those years on one core, without the text.
void BM_LunarMonthsOf200Years(benchmark::State& state) {
  for (auto _ : state) {
    mirvo::Reckoner r;
    int64_t days = 0, uncertain = 0;
    for (int32_t year = 1901; year <= 2100; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int leap = 0; leap <= 1; ++leap) {
          mirvo::ChlDate d;
          d.cycle = mirvo::CycleOf(year, r.Epoch());
          d.position = mirvo::PositionOf(year);
          d.month = month;
          d.leap = leap;
          d.day = 1;
          if (r.ChlToDay(d) != mirvo::kChlValid) continue;
          days += r.ChlMonthLength(d);
          mirvo::MonthMargin margin;
          r.MonthMarginOf(d, margin);
          uncertain += margin.uncertain();
        }
      }
    }
    benchmark::DoNotOptimize(days);
    benchmark::DoNotOptimize(uncertain);
  }
}
BENCHMARK(BM_LunarMonthsOf200Years)->Unit(benchmark::kMillisecond);

// Every day of -3000-01-01 .. 3000-12-31 to a lunar date and back, in one fresh context.
void BM_WholeRangeChlRoundTrip(benchmark::State& state) {
  const int32_t first = Day(-3000, 1, 1);
  const int32_t last = Day(3000, 12, 31);
  int64_t mismatches = 0;
  for (auto _ : state) {
    mirvo::Reckoner r;
    for (int32_t d = first; d <= last; ++d) {
      mirvo::ChsDate chs;
      chs.valid = -99;
      mirvo::ChlDate chl;
      r.DayToChinese(d + 0.5, mirvo::Epoch::kOlder, chs, chl);
      if (r.ChlToDay(chl) != mirvo::kChlValid || chl.jdn != d) ++mismatches;
    }
  }
  state.counters["days"] = static_cast<double>(last - first + 1);
  state.counters["mismatches"] = static_cast<double>(mismatches);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_WholeRangeChlRoundTrip)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
