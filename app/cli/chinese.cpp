// mirvo-cli chinese: the Chinese lunar and solar dates of one day, spelled out, with the
// element-animal names of its day, month and year and its Vellomir date.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"
#include "features/display/Phrases.h"
#include "features/tables/MainTables.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli chinese DATE | --jdn N\n"
    "                         [--longitude L | --country vietnam|china|japan|korea]\n"
    "                         [--epoch -2696|-2636] [--historical]\n"
    "                         [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "The Chinese lunar (CHL) and solar (CHS) dates of the CE date DATE (year-month-day,\n"
    "astronomical years) or of the day number N, from -3000-01-01 to 3000-12-31, at the reference\n"
    "meridian (default China, 120 degrees east): their texts and sentences, the element-animal\n"
    "names of the day, the lunar month and the lunar year, and the Vellomir (VMC) date.\n"
    "With --lang other than en the sentences give way to the lunar date as the language's\n"
    "calendars write it, with the names of its year, month and day, and the day of the term.\n";

std::string OneLine(const std::string& text) {
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

  const Country country = r.CountryIndex();
  const Language language = LanguageOption(args);
  std::vector<std::pair<std::string, std::string>> lines;
  lines.emplace_back("CE:", IsoDateOfJdn(jdn) + " CE (JDN " + std::to_string(jdn) + ", " +
                                ZoneLabelOf(settings.country, settings.longitude) + ")");
  lines.emplace_back("CHL:", r.ChlDateText(chl, 0));
  if (language == Language::kEnglish) {
    lines.emplace_back("CHL year:", r.ChlDateText(chl, 2));
    lines.emplace_back("CHS:", r.ChsDateText(chs, true));
    const Reckoner::ChlSentenceParts sentence{
        .dayNames = true, .monthNames = true, .stemBranch = true, .full = true};
    lines.emplace_back("CHL sentence:", OneLine(r.ChlDateSentence(chl, sentence)));
    lines.emplace_back("CHS sentence:", r.ChsDateSentence(chs, true, true));
    lines.emplace_back("Day:", ElementAnimalPhrase(DayPosition(jdn), country));
    lines.emplace_back("Month:", ElementAnimalPhrase(monthPosition, country));
    lines.emplace_back("Year:", ElementAnimalPhrase(chl.position, country));
  } else {
    // The sentences become the calendar's own words: the lunar date with the names of its year,
    // month and day, and the day of the solar term.
    const Language l = language;
    auto add = [&](Phrase caption, std::string value) {
      lines.emplace_back(PhraseText(l, caption), std::move(value));
    };
    add(Phrase::kLunarYearCaption,
        r.ChlDateText(chl, 1) +
            Parenthesized(l, ElementAnimalOf(l, chl.position, country, CycleUnit::kYear)));
    lines.emplace_back("CHS:", r.ChsDateText(chs, true));
    add(Phrase::kLunarDateCaption, LunarDateWords(l, chl, jdn, country, true));
    add(Phrase::kTermDayCaption, SolarTermDayWords(l, chs));
    add(Phrase::kDayNamesCaption, CycleNames(l, DayPosition(jdn), country, CycleUnit::kDay));
    add(Phrase::kMonthNamesCaption, CycleNames(l, monthPosition, country, CycleUnit::kMonth));
    add(Phrase::kYearNamesCaption, CycleNames(l, chl.position, country, CycleUnit::kYear));
  }
  lines.emplace_back("VMC:", VmcDateText(VmcDateOfDay(jdn), 2));
  // The values start in one column, two after the widest caption (15 in English).
  size_t width = 0;
  for (const auto& [caption, value] : lines) width = std::max(width, TextColumns(caption));
  for (const auto& [caption, value] : lines)
    out << caption << std::string(width + 2 - TextColumns(caption), ' ') << value << "\n";
  return kExitOk;
}

}  // namespace

Command ChineseCommand() {
  return {"chinese",
          "the Chinese lunar and solar dates of a day, with its element-animal names",
          kUsage,
          Run,
          {"jdn", "longitude", "country", "epoch"},
          {"historical"}};
}

}  // namespace mirvo::cli
