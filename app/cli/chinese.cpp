// mirvo-cli chinese: the Chinese lunar and solar dates of one day, spelled out, with the
// element-animal names of its day, month and year and its Vellomir date.
#include <string>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/tables/MainTables.h"
#include "core/vellomir/Vellomir.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli chinese DATE | --jdn N\n"
    "                         [--longitude L | --country vietnam|china|japan|korea]\n"
    "                         [--epoch -2696|-2636] [--historical]\n"
    "The Chinese lunar (CHL) and solar (CHS) dates of the CE date DATE (year-month-day,\n"
    "astronomical years) or of the day number N, from -3000-01-01 to 3000-12-31, at the reference\n"
    "meridian (default China, 120 degrees east): their texts and sentences, the element-animal\n"
    "names of the day, the lunar month and the lunar year, and the Vellomir (VMC) date.\n";

std::string OneLine(std::string text) {
  std::string out;
  for (char c : text) {
    // The sentence already ends its line with a blank, as the window's tooltip shows it.
    if (c != '\r' && c != '\n') out += c;
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
    jdn = CeDateArgument(args.positional().front(), "DATE must be");
  }
  const ChineseSettings settings = ChineseOptions(args);
  if (!InChineseDaySpan(jdn, jdn)) {
    err << "Date out of range\n";
    return kExitBadInput;
  }

  Reckoner r;
  ApplyChineseSettings(settings, r);
  ChsDate chs;
  ChlDate chl;
  r.DayToChinese(jdn + 0.5, r.Epoch(), chs, chl);
  const auto [monthElement, monthAnimal] = MonthElementAnimal(chl);
  const int monthPosition = PositionOfElementAnimal(monthElement, monthAnimal);

  out << "CE:            " << IsoDateOfJdn(jdn) << " CE (JDN " << jdn << ", "
      << ZoneLabelOf(settings.country, settings.longitude) << ")\n"
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
          kUsage, Run, {"jdn", "longitude", "country", "epoch"}, {"historical"}};
}

}  // namespace mirvo::cli
