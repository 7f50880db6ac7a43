// mirvo-cli months: every lunar month of a span of lunar years, with its first day and length.
#include <algorithm>
#include <memory>
#include <string>

#include "app/cli/Batch.h"
#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli months --from YEAR --to YEAR [--longitude L | --country vietnam|china|japan]\n"
    "                        [--epoch -2696|-2636] [--format text|tsv]\n"
    "One row per lunar month of the lunar years YEAR..YEAR (-2999..2999; a lunar year is the CE\n"
    "year in which its month 1 begins), leap months after the month whose number they repeat.\n"
    "Months begin on the civil day of the dark moon at the reference meridian (default China,\n"
    "120 degrees east). TSV columns: lunar_year, cycle, position, month, leap (0/1), first_day\n"
    "(CE, astronomical years), jdn, days.\n";

// The rows of one lunar year.
void AppendYear(Reckoner& r, long year, bool tsv, std::string& text) {
  for (int month = 1; month <= 12; ++month) {
    for (int leap = 0; leap <= 1; ++leap) {
      ChlDate d;
      d.cycle = CycleOf(static_cast<int32_t>(year), r.Epoch());
      d.position = PositionOf(static_cast<int32_t>(year));
      d.month = month;
      d.leap = leap;
      d.day = 1;
      if (r.ChlToDay(d) != kChlValid) continue;
      const int days = r.ChlMonthLength(d);
      if (tsv) {
        text += std::to_string(year) + '\t' + std::to_string(d.cycle) + '\t' +
                std::to_string(d.position) + '\t' + std::to_string(month) + '\t' +
                std::to_string(leap) + '\t' + IsoDateOfJdn(d.jdn) + '\t' + std::to_string(d.jdn) + '\t' +
                std::to_string(days) + '\n';
      } else {
        std::string chl = r.ChlDateText(d, 0);
        if (chl.size() < 18) chl.resize(18, ' ');
        std::string ce = IsoDateOfJdn(d.jdn);
        if (ce.size() < 11) ce.insert(0, 11 - ce.size(), ' ');
        text += chl + "  " + ce + " CE  JDN " + std::to_string(d.jdn) + "  " +
                std::to_string(days) + " days\n";
      }
    }
  }
}

int Run(const Args& args, std::ostream& out, std::ostream&) {
  RefusePositional(args);
  const auto [from, to] = YearSpanOptions(args, -2999, 2999);
  const bool tsv = args.tsv();
  const ChineseSettings settings = ChineseOptions(args);

  if (tsv) out << "lunar_year\tcycle\tposition\tmonth\tleap\tfirst_day\tjdn\tdays\n";
  const auto years = static_cast<size_t>(to - from + 1);
  const size_t length = BatchBlockLength(years, 8, 64);
  WriteBlocksInOrder((years + length - 1) / length, [&] {
    auto r = std::make_unique<Reckoner>();
    ApplyChineseSettings(settings, *r);
    return [&, r = std::move(r)](size_t block) {
      std::string text;
      const long first = from + static_cast<long>(block * length);
      const long last = std::min<long>(to, first + static_cast<long>(length) - 1);
      for (long year = first; year <= last; ++year) AppendYear(*r, year, tsv, text);
      return text;
    };
  }, out);
  return kExitOk;
}

}  // namespace

Command MonthsCommand() {
  return {"months", "the lunar months of a span of lunar years: first day and length", kUsage, Run,
          {"from", "to", "longitude", "country", "epoch", "format"}, {}};
}

}  // namespace mirvo::cli
