// mirvo-cli months: every lunar month of a span of lunar years, with its first day and length.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/cli/Batch.h"
#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/CalendarHistory.h"
#include "features/display/UncertainDay.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli months --from YEAR --to YEAR\n"
    "                        [--longitude L | --country vietnam|china|japan|korea]\n"
    "                        [--epoch -2696|-2636] [--historical] [--format text|tsv]\n"
    "One row per lunar month of the lunar years YEAR..YEAR (-2999..2999; a lunar year is the CE\n"
    "year in which its month 1 begins), leap months after the month whose number they repeat.\n"
    "Months begin on the civil day of the dark moon at the reference meridian (default China,\n"
    "120 degrees east). TSV columns: lunar_year, cycle, position, month, leap (0/1), first_day\n"
    "(CE, astronomical years), jdn, days, margin_s, uncertain, rule.\n"
    "margin_s is the time in seconds from the month's new moon to the nearest midnight at the\n"
    "meridian, or from the solar term that decides its number or leap status when that is nearer;\n"
    "uncertain is 1 when that instant lies within its uncertainty (twice that of Delta T plus the\n"
    "ephemeris error of the era) of midnight: other tables may begin or number the month\n"
    "differently. The text form names such instants at the end of the row.\n"
    "rule is \"modern\" for a month computed for the reference meridian, or the meridian the\n"
    "calendar's history put it at (--historical: E120, E116.4167); \",may-differ\" follows for\n"
    "the years before 1912 in China, 1945 in Vietnam, 1900 in Korea and 1873 in Japan, computed\n"
    "by the modern rule where the almanac of the time may differ; \",almanac-E120\" follows when,\n"
    "without --historical, the almanac of the year (computed for that meridian) gave the month\n"
    "another first day or length, or had no such month. The text form says the same after\n"
    "\"history:\" at the end of the row.\n"
    "--historical follows the calendar's history: each lunar year is computed for the meridian\n"
    "its country's almanac used (China: 116 degrees 25 minutes east up to 1928; Vietnam: 120\n"
    "degrees east up to 1967; Korea: 120 degrees east up to 1911).\n";

// Seconds with one decimal.
std::string MarginField(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", seconds);
  return buffer;
}

// The TSV row of month d of the lunar year, `days` long.
std::string TsvMonthRow(long year, const ChlDate& d, int days, const MonthMargin& margin,
                        const MonthHistory& history) {
  return std::to_string(year) + '\t' + std::to_string(d.cycle) + '\t' + std::to_string(d.position) + '\t' +
         std::to_string(d.month) + '\t' + std::to_string(d.leap) + '\t' + IsoDateOfJdn(d.jdn) + '\t' +
         std::to_string(d.jdn) + '\t' + std::to_string(days) + '\t' + MarginField(margin.marginSeconds()) +
         '\t' + (margin.uncertain() ? "1" : "0") + '\t' + MonthRuleCode(history) + '\n';
}

// The text row of month d, `days` long, with its notes of uncertainty and history.
std::string TextMonthRow(Reckoner& r, const ChlDate& d, int days, const MonthMargin& margin,
                         const MonthHistory& history) {
  std::string chl = r.ChlDateText(d, 0);
  if (chl.size() < 18) chl.resize(18, ' ');
  std::string ce = IsoDateOfJdn(d.jdn);
  if (ce.size() < 11) ce.insert(0, 11 - ce.size(), ' ');
  std::string row =
      chl + "  " + ce + " CE  JDN " + std::to_string(d.jdn) + "  " + std::to_string(days) + " days";
  const std::string note = UncertainMonthNote(margin);
  if (!note.empty()) row += "  uncertain: " + note;
  const std::string historyNote = CalendarHistoryMonthNote(history);
  if (!historyNote.empty()) row += "  history: " + historyNote;
  return row + '\n';
}

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
      MonthMargin margin;
      r.MonthMarginOf(d, margin);
      const MonthHistory history = MonthHistoryOf(r, d, days);
      text += tsv ? TsvMonthRow(year, d, days, margin, history) : TextMonthRow(r, d, days, margin, history);
    }
  }
}

int Run(const Args& args, std::ostream& out, std::ostream&) {
  RefusePositional(args);
  // Named values, not a structured binding: the workers' lambdas capture them.
  const auto span = YearSpanOptions(args, -2999, 2999);
  const long from = span.first, to = span.second;
  const bool tsv = args.tsv();
  const ChineseSettings settings = ChineseOptions(args);

  if (tsv)
    out << "lunar_year\tcycle\tposition\tmonth\tleap\tfirst_day\tjdn\tdays\tmargin_s\tuncertain\trule\n";
  WriteSpanInOrder(
      from, to, 8, 64,
      [&] {
        auto r = std::make_unique<Reckoner>();
        ApplyChineseSettings(settings, *r);
        return r;
      },
      [&](Reckoner& r, long year, std::string& text) { AppendYear(r, year, tsv, text); }, out);
  return kExitOk;
}

}  // namespace

Command MonthsCommand() {
  return {"months", "the lunar months of a span of lunar years: first day and length", kUsage,
          Run,      {"from", "to", "longitude", "country", "epoch", "format"},         {"historical"}};
}

}  // namespace mirvo::cli
