// `mirvo-cli now`: the present instant on the time scales and in the European calendars.
#include <cmath>
#include <string>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/daycount/DayCount.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

// "2026-12-07 CE 21:24 GMT Monday": the civil date of London with its time and weekday.
std::string LondonDateLine(const CalendarDate& date, double cjdl) {
  const double fraction = cjdl - std::floor(cjdl);
  return CalendarDateText(date, 2, '-', ',', true) + " " + TimeOfDayText(fraction, false) + " GMT " +
         WeekdayName(WeekdayOf(date.jdn), false, 0);
}

int RunNow(const Args& args, std::ostream& out, std::ostream&) {
  if (!args.positional().empty())
    throw UsageError("unexpected argument " + QuotedText(args.positional().front()));
  const bool tsv = args.tsv();
  const double ajd = CurrentAjd();
  const double cjdl = CjdlFromAjd(ajd);
  CalendarDate ce, jc;
  CeAndJcFromDayCount(cjdl, ce, jc);
  const std::pair<const char*, std::string> rows[] = {
      {"AJD", Fixed6(ajd)},
      {"CJDL", Fixed6(cjdl)},
      {"CE", LondonDateLine(ce, cjdl)},
      {"JC", LondonDateLine(jc, cjdl)},
  };
  for (const auto& [label, value] : rows) {
    std::string name = label;
    if (tsv)
      name += '\t';
    else
      name.resize(6, ' ');
    out << name << value << '\n';
  }
  return kExitOk;
}

}  // namespace

Command NowCommand() {
  return {"now",
          "the present instant as AJD, CJDL and CE/JC dates with the London time",
          "Usage: mirvo-cli now [--format text|tsv]\n"
          "Prints the present instant from the system clock: the astronomical Julian date (AJD),\n"
          "the chronological Julian date of London (CJDL) and the Common Era and Julian calendar\n"
          "dates with the time and weekday at Greenwich.\n",
          RunNow,
          {"format"},
          {}};
}

}  // namespace mirvo::cli
