// mirvo-cli days: the Chinese lunar and solar dates and the Vellomir date of every day of a span.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli days --from DATE --to DATE [--longitude L | --country vietnam|china|japan]\n"
    "                      [--epoch -2696|-2636] [--format text|tsv]\n"
    "Every day of the CE dates DATE..DATE (year-month-day, astronomical years, from -3000-01-01 to\n"
    "3000-12-31), one row each. TSV columns: jdn, ce_date, cycle, position, month, leap, day\n"
    "(the lunar date), term, term_day (the solar date), vmc_date.\n";

std::string IsoDate(int32_t year, int32_t month, int32_t day) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%s%04d-%02d-%02d", year < 0 ? "-" : "", std::abs(year), month,
                day);
  return buffer;
}

int32_t DateOption(const Args& args, const std::string& name) {
  const auto text = args.value(name);
  if (!text) throw UsageError("--from and --to are both required");
  CalendarDate date;
  date.calendar = 'G';
  if (ParseCalendarDate(*text, date) != 1)
    throw UsageError("--" + name + " needs a CE date such as 2024-02-10, not '" + *text + "'");
  return date.jdn;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.positional().empty())
    throw UsageError("unexpected argument '" + args.positional().front() + "'");
  const int32_t from = DateOption(args, "from");
  const int32_t to = DateOption(args, "to");
  if (from > to) throw UsageError("--from must not be later than --to");
  const bool tsv = args.tsv();
  const auto [country, longitude] = MeridianOptions(args);
  const long epoch = args.integer("epoch", -2696, -2636).value_or(-2696);
  if (epoch != -2696 && epoch != -2636) throw UsageError("--epoch must be -2696 or -2636");
  CalendarDate lowest;
  lowest.year = -3000;
  lowest.month = 1;
  lowest.day = 1;
  CalendarDate highest;
  highest.year = 3000;
  highest.month = 12;
  highest.day = 31;
  if (from < JdnFromCalendarDate(lowest) || to > JdnFromCalendarDate(highest)) {
    err << "Date out of range\n";
    return kExitBadInput;
  }

  Reckoner r;
  r.SetReferenceLongitude(longitude);
  r.SetCountry(country);
  r.SetEpoch(static_cast<int>(epoch));
  std::string text;
  if (tsv) text += "jdn\tce_date\tcycle\tposition\tmonth\tleap\tday\tterm\tterm_day\tvmc_date\n";
  CalendarDate ce;
  ce.calendar = 'G';
  for (int32_t d = from; d <= to; ++d) {
    ChsDate chs;
    ChlDate chl;
    r.DayToChinese(d + 0.5, r.Epoch(), chs, chl);
    ce.jdn = d;
    CalendarDateFromJdn(ce);
    const VmcDate vmc = VmcDateOfDay(d);
    const std::string ceDate = IsoDate(ce.year, ce.month, ce.day);
    const std::string vmcDate = IsoDate(vmc.year, vmc.month, vmc.day);
    if (tsv) {
      text += std::to_string(d) + '\t' + ceDate + '\t' + std::to_string(chl.cycle) + '\t' +
              std::to_string(chl.position) + '\t' + std::to_string(chl.month) + '\t' +
              std::to_string(chl.leap) + '\t' + std::to_string(chl.day) + '\t' +
              std::to_string(chs.term) + '\t' + std::to_string(chs.day) + '\t' + vmcDate + '\n';
    } else {
      std::string chlText = r.ChlDateText(chl, 0);
      if (chlText.size() < 18) chlText.resize(18, ' ');
      text += std::to_string(d) + "  " + ceDate + " CE  " + chlText + "  " +
              r.ChsDateText(chs, true) + "  " + VmcDateText(vmc, 1) + '\n';
    }
    if (text.size() > (1u << 16)) {
      out << text;
      text.clear();
    }
  }
  out << text;
  return kExitOk;
}

}  // namespace

Command DaysCommand() {
  return {"days", "lunar, solar and Vellomir dates of every day of a span of CE dates", kUsage, Run,
          {"from", "to", "longitude", "country", "epoch", "format"}, {}};
}

}  // namespace mirvo::cli
