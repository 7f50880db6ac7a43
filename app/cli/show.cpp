// mirvo-cli show: the rows of the main window for an entered date, or for the present moment,
// through the same entry, Convert and display rules as the window.
#include <algorithm>
#include <iostream>

#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/names/Names.h"
#include "features/display/Phrases.h"
#include "features/session/MainRules.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli show [ENTRY] [--time HH:MM] [--zone gmt|ref] [--plus N | --minus N]\n"
    "                      [--country vietnam|china|japan|korea] [--longitude L]\n"
    "                      [--epoch -2696|-2636] [--method true|mean] [--element NAME]\n"
    "                      [--animal NAME] [--historical] [--format text|tsv]\n"
    "                      [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "Shows every row of the main window for ENTRY (a date with its calendar code, e.g.\n"
    "\"2000-1-1 CE\", \"79-31-9*-12 CHL\", \"2,455,999.729 CJDL\"), converted as the \"Convert\"\n"
    "button does. Without ENTRY: the present moment (moved by --plus/--minus days from its lunar\n"
    "date). --element and --animal resolve a \"?\" position (\"70-?-12-30 CHL\").\n"
    "On a day whose lunar date rests on a new moon or solar term closer to midnight than its\n"
    "uncertainty, a line \"Uncertain day:\" says so (other tables may give another date); a line\n"
    "\"Calendar history:\" says where the almanac of the time may differ, or differed.\n"
    "--historical follows the calendar's history: each lunar year is computed for the meridian\n"
    "its country's almanac used (China: 116 degrees 25 minutes east up to 1928; Vietnam: 120\n"
    "degrees east up to 1967; Korea: 120 degrees east up to 1911).\n"
    "With --lang other than en the text is in that language, with a line for the lunar date as\n"
    "its calendars write it (甲辰年正月初一) and one for the solar term of the day; TSV stays\n"
    "the same in every language.\n"
    "An entry error or a date out of range prints the message and exits with 2.\n";

struct Line {
  std::string name, caption, value;
};

std::vector<Line> Lines(const DisplayTexts& d, const std::string& zoneLabel) {
  std::vector<Line> lines;
  for (int i = 0; i < kRowCount; ++i) {
    const RowId id = static_cast<RowId>(i);
    const DisplayRow& row = d.Row(id);
    const std::string name(RowLabelName(id));
    std::string caption = row.caption;
    if (id == RowId::kVmcReference) {
      lines.push_back({name, "Vellomir Calendar (" + zoneLabel + "):", row.value});
      lines.push_back({"lblVellomirCalendarCCT.note", "VMC and CHL:", row.caption});
      continue;
    }
    if (!caption.empty() && caption.back() != ':') caption += ":";
    lines.push_back({name, caption, row.value});
    // What the lunar row's tooltip adds on a day that other tables may date differently.
    if (id == RowId::kChl && !d.chlUncertainty.empty())
      lines.push_back({name + ".uncertain", "Uncertain day:", d.chlUncertainty});
    if (id == RowId::kChl && !d.chlHistory.empty())
      lines.push_back({name + ".history", "Calendar history:", d.chlHistory});
  }
  lines.push_back({"lblElementAnimalOfYear", "Year:", d.elementAnimalOfYear});
  lines.push_back({"lblElementAnimalOfMonth", "Month:", d.elementAnimalOfMonth});
  lines.push_back({"lblElementAnimalOfDay.1", "Day:", d.elementAnimalOfDay});
  if (d.chinaOnlyVisible) {
    lines.push_back({"lblElementAnimalOfDay.0", "Day (stem-branch):", d.dayStemBranch});
    lines.push_back({"lblYear", "Year count:", d.yearLabel});
  }
  return lines;
}

// The text lines in another language than English: the captions in it, the lunar date as its
// calendars write it after the lunar row (and the solar term on the day of one), and the names of
// the year, month and day with their stem-branch names, which these calendars name them by.
// The values of the rows are their codes and numbers as in English; the Moon's phase is named
// in the language, its age and Delta T keep the English units.
std::vector<Line> LanguageLines(const DisplayTexts& d, const MainSettings& settings, Language l) {
  std::vector<Line> lines;
  auto add = [&](Phrase caption, std::initializer_list<std::string_view> texts, std::string value) {
    lines.push_back({"", Phrased(l, caption, texts), std::move(value)});
  };
  auto row = [&d](RowId id) { return d.Row(id).value; };
  // The European rows up to their zone, as the window writes them, and the weekday in the language.
  const std::string weekday(names::Weekday(l, WeekdayOf(d.londonDay)));
  auto european = [&](RowId id) {
    return d.Row(id).entry.date + " " + d.Row(id).entry.time + " GMT " + weekday;
  };
  const std::string_view country = CountryWord(l, settings.country);
  add(Phrase::kCommonEraCaption, {}, european(RowId::kCe));
  add(Phrase::kJulianCaption, {}, european(RowId::kJc));
  add(Phrase::kLunarCaption, {country}, row(RowId::kChl));
  add(Phrase::kLunarDateCaption, {}, d.nativeDate);
  if (!d.solarTerm.empty()) add(Phrase::kSolarTermCaption, {}, d.solarTerm);
  if (!d.chlUncertainty.empty()) add(Phrase::kUncertainDayCaption, {}, d.chlUncertainty);
  if (!d.chlHistory.empty()) add(Phrase::kCalendarHistoryCaption, {}, d.chlHistory);
  add(Phrase::kSolarCaption, {country}, row(RowId::kChs));
  add(Phrase::kVellomirCaption, {}, row(RowId::kVmcGmt));
  add(Phrase::kVellomirZoneCaption, {settings.zoneLabel()}, row(RowId::kVmcReference));
  add(Phrase::kVellomirNoteCaption, {}, CompareVmcWithChl(l, d.chl, d.vmcReference));
  add(Phrase::kCjdLondonCaption, {}, row(RowId::kCjdl));
  add(Phrase::kCjdMeridianCaption, {std::to_string(settings.longitude)}, row(RowId::kCjdc));
  add(Phrase::kAjdCaption, {}, row(RowId::kAjd));
  add(Phrase::kPhaseCaption, {}, d.moonError.empty() ? MoonPhaseWords(l, d.illumination, d.waxing) : "");
  add(Phrase::kAgeCaption, {}, row(RowId::kAge));
  add(Phrase::kDeltaTCaption, {}, row(RowId::kDeltaT));
  const auto [monthElement, monthAnimal] = MonthElementAnimal(d.chl);
  const int monthPosition = PositionOfElementAnimal(monthElement, monthAnimal);
  add(Phrase::kYearNamesCaption, {}, CycleNames(l, d.chl.position, settings.country, CycleUnit::kYear));
  add(Phrase::kMonthNamesCaption, {}, CycleNames(l, monthPosition, settings.country, CycleUnit::kMonth));
  add(Phrase::kDayNamesCaption, {}, CycleNames(l, d.dayPosition, settings.country, CycleUnit::kDay));
  if (d.chinaOnlyVisible) {
    const std::string count = std::to_string(YearCount(d.chl.cycle, d.chl.position, settings.epoch));
    add(Phrase::kYearCountCaption, {}, Phrased(l, Phrase::kYearCount, {count}));
  }
  return lines;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  rules.SetShowCjds(true);
  if (const std::optional<Refusal> refusal = ConvertEntryOptions(args, rules)) {
    err << "mirvo-cli show: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }

  if (args.tsv()) {
    out << "name\tcaption\tvalue\n";
    for (const auto& l : Lines(rules.display(), rules.settings().zoneLabel()))
      out << l.name << '\t' << l.caption << '\t' << l.value << '\n';
    return kExitOk;
  }
  const Language language = LanguageOption(args);
  const auto lines = language == Language::kEnglish
                         ? Lines(rules.display(), rules.settings().zoneLabel())
                         : LanguageLines(rules.display(), rules.settings(), language);
  // Captions are padded to the columns they take ("º" is one, 农 two).
  size_t width = 0;
  for (const auto& l : lines) width = std::max(width, TextColumns(l.caption));
  for (const auto& l : lines)
    out << l.caption << std::string(width + 2 - TextColumns(l.caption), ' ') << l.value << '\n';
  return kExitOk;
}

}  // namespace

Command ShowCommand() {
  return {"show",
          "every row of the main window for an entered date or the present moment",
          kUsage,
          Run,
          EntryOptionNames({"format"}),
          EntryFlagNames()};
}

}  // namespace mirvo::cli
