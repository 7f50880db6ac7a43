#include "app/cli/CliDates.h"

#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "util/Text.h"

namespace mirvo::cli {

std::string IsoDate(int32_t year, int32_t month, int32_t day) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%s%04d-%02d-%02d", year < 0 ? "-" : "", std::abs(year), month, day);
  return buffer;
}

std::string IsoDateOfJdn(int32_t jdn) {
  const CalendarDate d = CeDateOfJdn(jdn);
  return IsoDate(d.year, d.month, d.day);
}

std::string Fixed6(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", x);
  return buffer;
}

namespace {

// Exactly the form the commands' help names: an optional minus, then the year, month and day in
// digits joined by dashes. The date box's reader drops every other character, which would read
// "2000-01-01 JC" as a CE date and "2000-01-01 (day 5)" as 2000-01-15.
bool IsIsoDateForm(const std::string& text) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  for (int field = 0; field < 3; ++field) {
    if (field > 0) {
      if (i >= text.size() || text[i] != '-') return false;
      ++i;
    }
    const size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == start) return false;
  }
  return i == text.size();
}

}  // namespace

int32_t CeDateArgument(const std::string& text, const std::string& prefix) {
  CalendarDate date;
  date.calendar = 'G';
  if (!IsIsoDateForm(text) || ParseCalendarDate(text, date) != 1)
    throw UsageError(prefix + " a CE date such as 2024-02-10, not " + QuotedText(text));
  return date.jdn;
}

bool InChineseDaySpan(int32_t first, int32_t last) {
  return first >= JdnOfCeDate(-3000, 1, 1) && last <= JdnOfCeDate(3000, 12, 31);
}

void RefusePositional(const Args& args) {
  if (!args.positional().empty())
    throw UsageError("unexpected argument " + QuotedText(args.positional().front()));
}

std::pair<long, long> YearSpanOptions(const Args& args, long lo, long hi) {
  const auto from = args.integer("from", lo, hi);
  const auto to = args.integer("to", lo, hi);
  if (!from || !to) throw UsageError("--from and --to are both required");
  if (*from > *to) throw UsageError("--from must not be later than --to");
  return {*from, *to};
}

ChineseSettings ChineseOptions(const Args& args) {
  ChineseSettings s;
  std::tie(s.country, s.longitude) = MeridianOptions(args);
  const long epoch = args.integer("epoch", -2696, -2636).value_or(-2696);
  if (epoch != -2696 && epoch != -2636) throw UsageError("--epoch must be -2696 or -2636");
  s.epoch = *EpochFromYear(epoch);
  s.historical = args.has("historical");
  return s;
}

void ApplyChineseSettings(const ChineseSettings& settings, Reckoner& reckoner) {
  reckoner.SetReferenceLongitude(settings.longitude);
  reckoner.SetCountry(settings.country);
  reckoner.SetEpoch(settings.epoch);
  reckoner.SetHistorical(settings.historical);
}

}  // namespace mirvo::cli
