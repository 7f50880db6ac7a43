// mirvo-cli days: the Chinese lunar and solar dates and the Vellomir date of every day of a span.
#include <algorithm>
#include <memory>
#include <string>

#include "app/cli/Batch.h"
#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli days --from DATE --to DATE\n"
    "                      [--longitude L | --country vietnam|china|japan|korea]\n"
    "                      [--epoch -2696|-2636] [--historical] [--format text|tsv]\n"
    "Every day of the CE dates DATE..DATE (year-month-day, astronomical years, from -3000-01-01 to\n"
    "3000-12-31), one row each. TSV columns: jdn, ce_date, cycle, position, month, leap, day\n"
    "(the lunar date), term, term_day (the solar date), vmc_date.\n";

int32_t DateOption(const Args& args, const std::string& name) {
  const auto text = args.value(name);
  if (!text) throw UsageError("--from and --to are both required");
  return CeDateArgument(*text, "--" + name + " needs");
}

// The row of one day.
void AppendDay(Reckoner& r, int32_t d, bool tsv, std::string& text) {
  ChsDate chs;
  ChlDate chl;
  r.DayToChinese(d + 0.5, r.Epoch(), chs, chl);
  const CalendarDate ce = CeDateOfJdn(d);
  const VmcDate vmc = VmcDateOfDay(d);
  const std::string ceDate = IsoDate(ce.year, ce.month, ce.day);
  const std::string vmcDate = IsoDate(vmc.year, vmc.month, vmc.day);
  // Piece by piece: a chain of operator+ would copy the growing line at every step.
  if (tsv) {
    for (const std::string& field :
         {std::to_string(d), ceDate, std::to_string(chl.cycle), std::to_string(chl.position),
          std::to_string(chl.month), std::to_string(chl.leap), std::to_string(chl.day),
          std::to_string(chs.term), std::to_string(chs.day)}) {
      text += field;
      text += '\t';
    }
    text += vmcDate;
    text += '\n';
  } else {
    std::string chlText = r.ChlDateText(chl, 0);
    if (chlText.size() < 18) chlText.resize(18, ' ');
    text += std::to_string(d);
    text += "  ";
    text += ceDate;
    text += " CE  ";
    text += chlText;
    text += "  ";
    text += r.ChsDateText(chs, true);
    text += "  ";
    text += VmcDateText(vmc, 1);
    text += '\n';
  }
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

  if (tsv) out << "jdn\tce_date\tcycle\tposition\tmonth\tleap\tday\tterm\tterm_day\tvmc_date\n";
  WriteSpanInOrder(
      from, to, 8 * 366, 64 * 366,
      [&] {
        auto r = std::make_unique<Reckoner>();
        ApplyChineseSettings(settings, *r);
        return r;
      },
      [&](Reckoner& r, long day, std::string& text) { AppendDay(r, static_cast<int32_t>(day), tsv, text); },
      out, tsv ? 64 : 96);
  return kExitOk;
}

}  // namespace

Command DaysCommand() {
  return {"days",
          "lunar, solar and Vellomir dates of every day of a span of CE dates",
          kUsage,
          Run,
          {"from", "to", "longitude", "country", "epoch", "format"},
          {"historical"}};
}

}  // namespace mirvo::cli
