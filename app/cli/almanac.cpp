// mirvo-cli almanac: the Moon's phases and the solar terms of a span of years, in time order, at
// the reference meridian.
#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Batch.h"
#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/AlmanacEvents.h"
#include "core/ephemeris/Ephemeris.h"
#include "features/tables/MainTables.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli almanac --from YEAR --to YEAR\n"
    "                         [--longitude L | --country vietnam|china|japan|korea]\n"
    "                         [--format text|tsv]\n"
    "Every new moon, first quarter, full moon, last quarter and solar term whose civil date at the\n"
    "reference meridian (default China, 120 degrees east) lies in the CE years YEAR..YEAR\n"
    "(-3000..3000), in time order. Solar terms are those of the true-sun solar-term tables; term 1\n"
    "is the winter solstice (270 degrees). TSV columns: kind, number (lunation, or term 1..24),\n"
    "tt_jde, ut_ajd, cjdc, civil_date, civil_time.\n"
    "\n"
    "Civil times are dynamical time (TT) minus Delta T, one value per CE year (its middle):\n"
    "  1962-2022   observed (IERS EOP C04 and leap seconds), 34 to 69 s\n"
    "  -720-1961   spline of Morrison, Stephenson, Hohenkerk & Zawilski (Proc. R. Soc. A 477,\n"
    "              2021), from eclipse records and, since the 1620s, lunar occultations\n"
    "  before -720 their parabola -10 + 31.4 t^2 s, t in centuries from 1825\n"
    "  after 2022  from the last observed value and rate onto that parabola by 2522\n"
    "Uncertainty (one sigma) of Delta T, and of a new moon's civil time with the ephemeris error:\n"
    "  -3000 29 min, 30 min   -1000 7 min, 7 min    0 90 s, 100 s       1000 15 s, 19 s\n"
    "  1600 20 s, 22 s        1700 4 s, 5 s         1800-2022 < 1 s, < 3 s\n"
    "  2030 2 s, 4 s          2050 13 s, 14 s       2100 41 s, 42 s     3000 8.5 min, 8.5 min\n"
    "A solar term's ephemeris error is larger: 5 s from 1600 to 2200, 30 s back to -1000, 1 min\n"
    "back to -2000 and 3.5 min before.\n";

constexpr const char* kKinds[] = {"new_moon", "first_quarter", "full_moon", "last_quarter", "solar_term"};

void WriteYear(std::ostream& out, const std::vector<AlmanacEvent>& events, bool tsv,
               const std::string& zone) {
  for (const AlmanacEvent& e : events) {
    const int32_t day = JdnOf(e.cjdc);
    const std::string date = IsoDateOfJdn(day);
    const std::string time = TimeOfDayText(e.cjdc - day, true);
    if (tsv) {
      out << kKinds[e.kind] << '\t' << e.number << '\t' << Fixed6(e.tt) << '\t' << Fixed6(e.ut) << '\t'
          << Fixed6(e.cjdc) << '\t' << date << '\t' << time << '\n';
      continue;
    }
    std::string name(AlmanacKindName(e.kind));
    name.resize(15, ' ');
    out << date << ' ' << time << ' ' << zone << "  " << name;
    if (e.kind == kAlmanacSolarTerm) {
      std::string code(TermCode(e.number));
      code.resize(4, ' ');
      out << code << TermName(e.number) << " (" << TermEnglishName(e.number) << ")\n";
    } else {
      out << "lunation " << e.number << '\n';
    }
  }
}

int Run(const Args& args, std::ostream& out, std::ostream&) {
  RefusePositional(args);
  // Named values, not a structured binding: the workers' lambdas capture them.
  const auto span = YearSpanOptions(args, -3000, 3000);
  const long from = span.first, to = span.second;
  const bool tsv = args.tsv();
  const auto meridian = MeridianOptions(args);
  const Country country = meridian.first;
  const int longitude = meridian.second;
  const std::string zone = ZoneLabelOf(country, longitude);

  if (tsv) out << "kind\tnumber\ttt_jde\tut_ajd\tcjdc\tcivil_date\tcivil_time\n";
  WriteSpanInOrder(
      from, to, 8, 64, [] { return std::make_unique<Ephemeris>(); },
      [&](Ephemeris& eph, long year, std::string& text) {
        std::ostringstream lines;
        WriteYear(lines, AlmanacEventsOfYear(eph, static_cast<int32_t>(year), longitude), tsv, zone);
        text += lines.str();
      },
      out);
  return kExitOk;
}

}  // namespace

Command AlmanacCommand() {
  return {"almanac",
          "phases of the Moon and solar terms of a span of years, in time order",
          kUsage,
          Run,
          {"from", "to", "longitude", "country", "format"},
          {}};
}

}  // namespace mirvo::cli
