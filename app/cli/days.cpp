// mirvo-cli days: the Chinese lunar and solar dates and the Vellomir date of every day of a span.
#include <string>

#include "app/cli/CliDates.h"
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

int32_t DateOption(const Args& args, const std::string& name) {
  const auto text = args.value(name);
  if (!text) throw UsageError("--from and --to are both required");
  return CeDateArgument(*text, "--" + name + " needs");
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  RefusePositional(args);
  const int32_t from = DateOption(args, "from");
  const int32_t to = DateOption(args, "to");
  if (from > to) throw UsageError("--from must not be later than --to");
  const bool tsv = args.tsv();
  const ChineseSettings settings = ChineseOptions(args);
  if (!InChineseDaySpan(from, to)) {
    err << "Date out of range\n";
    return kExitBadInput;
  }

  Reckoner r;
  ApplyChineseSettings(settings, r);
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
