// Pieces shared by the commands that take CE dates, spans of years and the Chinese calendar's
// settings: date arguments, ISO date texts, --from/--to years and the meridian and epoch options.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "app/cli/Args.h"

namespace mirvo {
class Reckoner;
}

namespace mirvo::cli {

// "2024-02-10", "-0044-03-15": a CE date with astronomical years of at least four digits.
std::string IsoDate(int32_t year, int32_t month, int32_t day);
// The same for the CE date of a day number.
std::string IsoDateOfJdn(int32_t jdn);
// A day count with six decimals, as the TSV columns write AJD, CJD and JDE.
std::string Fixed6(double x);

// The day number of a CE date argument such as "2024-02-10" or "-44-03-15": digits and dashes
// only. Any other text, or a date that does not exist, is a UsageError: prefix + " a CE date
// such as 2024-02-10, not " + the text quoted.
int32_t CeDateArgument(const std::string& text, const std::string& prefix);

// Whether the days first..last all lie in the span the Chinese commands serve, -3000-01-01 to
// 3000-12-31 CE.
bool InChineseDaySpan(int32_t first, int32_t last);

// UsageError for a positional argument of a command that takes none.
void RefusePositional(const Args& args);

// --from YEAR and --to YEAR, both required, each within [lo, hi], the first not after the second.
std::pair<long, long> YearSpanOptions(const Args& args, long lo, long hi);

// The reference meridian, the country that names the animals, the epoch (default the older) and whether the calendar's history is followed, of --longitude, --country,
// --epoch and --historical.
struct ChineseSettings {
  Country country = kChina;
  int longitude = 120;
  Epoch epoch = Epoch::kOlder;
  bool historical = false;
};
ChineseSettings ChineseOptions(const Args& args);
void ApplyChineseSettings(const ChineseSettings& settings, Reckoner& reckoner);

}  // namespace mirvo::cli
