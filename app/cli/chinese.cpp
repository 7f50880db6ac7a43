// mirvo-cli chinese: the Chinese lunar and solar dates of one day, spelled out, with the
// element-animal names of its day, month and year and its Vellomir date.
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
    "Usage: mirvo-cli chinese DATE | --jdn N [--longitude L | --country vietnam|china|japan]\n"
    "                         [--epoch -2696|-2636]\n"
    "The Chinese lunar (CHL) and solar (CHS) dates of the CE date DATE (year-month-day,\n"
    "astronomical years) or of the day number N, from -3000-01-01 to 3000-12-31, at the reference\n"
    "meridian (default China, 120 degrees east): their texts and sentences, the element-animal\n"
    "names of the day, the lunar month and the lunar year, and the Vellomir (VMC) date.\n";

std::string OneLine(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    out += c == '\n' ? ' ' : c;
  }
  return out;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  int32_t jdn = 0;
  if (args.has("jdn")) {
    if (!args.positional().empty()) throw UsageError("give either DATE or --jdn, not both");
    jdn = static_cast<int32_t>(*args.integer("jdn", -2147483647L, 2147483647L));
  } else {
    if (args.positional().size() != 1) throw UsageError("one DATE (or --jdn N) is required");
    CalendarDate date;
    date.calendar = 'G';
    if (ParseCalendarDate(args.positional().front(), date) != 1)
      throw UsageError("DATE must be a CE date such as 2024-02-10, not '" + args.positional().front() + "'");
    jdn = date.jdn;
  }
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
  if (jdn < JdnFromCalendarDate(lowest) || jdn > JdnFromCalendarDate(highest)) {
    err << "Date out of range\n";
    return kExitBadInput;
  }

  Reckoner r;
  r.SetReferenceLongitude(longitude);
  r.SetCountry(country);
  r.SetEpoch(static_cast<int>(epoch));
  ChsDate chs;
  ChlDate chl;
  r.DayToChinese(jdn + 0.5, r.Epoch(), chs, chl);
  CalendarDate ce;
  ce.calendar = 'G';
  ce.jdn = jdn;
  CalendarDateFromJdn(ce);
  char ceText[40];
  std::snprintf(ceText, sizeof ceText, "%s%04d-%02d-%02d", ce.year < 0 ? "-" : "", std::abs(ce.year),
                ce.month, ce.day);
  const auto [monthElement, monthAnimal] = MonthElementAnimal(chl);
  const int monthPosition = PositionOfElementAnimal(monthElement, monthAnimal);

  out << "CE:            " << ceText << " CE (JDN " << jdn << ", " << ZoneLabel(longitude) << ")\n"
      << "CHL:           " << r.ChlDateText(chl, 0) << "\n"
      << "CHL year:      " << r.ChlDateText(chl, 2) << "\n"
      << "CHS:           " << r.ChsDateText(chs, true) << "\n"
      << "CHL sentence:  " << OneLine(r.ChlDateSentence(chl, true, true, true, false, true)) << "\n"
      << "CHS sentence:  " << r.ChsDateSentence(chs, true, true) << "\n"
      << "Day:           " << DayElementAnimalText(jdn, r.CountryIndex()) << " (" << DayStemBranchText(jdn)
      << ")\n"
      << "Month:         " << ElementAnimalText(monthPosition, r.CountryIndex()) << " ("
      << StemBranchText(monthPosition) << ")\n"
      << "Year:          " << ElementAnimalText(chl.position, r.CountryIndex()) << " ("
      << StemBranchText(chl.position) << ")\n"
      << "VMC:           " << VmcDateText(VmcDateOfDay(jdn), 2) << "\n";
  return kExitOk;
}

}  // namespace

Command ChineseCommand() {
  return {"chinese", "the Chinese lunar and solar dates of a day, with its element-animal names",
          kUsage, Run, {"jdn", "longitude", "country", "epoch"}, {}};
}

}  // namespace mirvo::cli
