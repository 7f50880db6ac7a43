// mirvo-cli search: the main window's "Search for", clicked N times, through the same search
// rules; the multiple element-animal targets run the search of their window with the conditions
// given as options. After each search the CE, CHL and CHS values as the window shows them.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "app/cli/FestivalOptions.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/search/SearchRules.h"
#include "features/session/MainRules.h"
#include "features/tables/MainTables.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli search TARGET [ENTRY] [--previous] [--count N] [--day E-A] [--month E-A]\n"
    "                        [--year E-A] [--within 1|10|100|1000]\n"
    "                        [--time HH:MM] [--zone gmt|ref] [--plus N | --minus N]\n"
    "                        [--country vietnam|china|japan|korea] [--longitude L]\n"
    "                        [--epoch -2696|-2636] [--method true|mean] [--historical]\n"
    "                        [--festival ID] [--format text|tsv]\n"
    "Finds the next (or --previous) event of TARGET from ENTRY (a date with its calendar code and\n"
    "the options of `show`; without it, the present moment), N times (default 1, at most 10000),\n"
    "each search starting from the result of the one before, as clicking \"Search for\" in the\n"
    "main window does, and prints the CE, CHL and CHS values after each.\n"
    "TARGET: full-moon, dark-moon, lunar-quarter, lunar-new-year, winter-solstice,\n"
    "vernal-equinox, summer-solstice, autumnal-equinox, solstice-or-equinox, solar-term,\n"
    "solar-term-dark-moon, solar-term-full-moon, winter-solstice-dark-moon,\n"
    "solstice-equinox-dark-moon, solstice-equinox-full-moon, element-animal-day,\n"
    "element-animal-month, element-animal-year, triple-coincidence,\n"
    "same-element-animal-day-month, multiple-element-animal, intercalary-month, festival.\n"
    "E-A is an element and animal such as wood-dragon, or one of them (wood-, -dragon); the\n"
    "animal names of the country are accepted. element-animal-day takes --day, -month --month,\n"
    "-year --year; multiple-element-animal takes any of the three and --within (years, default\n"
    "100).\n"
    "festival takes --festival ID, a festival or seasonal day of the country by its id in\n"
    "festivals.txt beside the program (`mirvo-cli festivals --format tsv` lists them; default\n"
    "the country's first); its day is the civil day at the meridian, and the search lands at noon.\n"
    "TSV columns: n, ut_ajd, ce, chl, chs.\n"
    "A search that finds nothing prints its message on stderr after the results found and exits\n"
    "with 3; an entry error or a date out of range exits with 2.\n";

constexpr const char* kRowOptions[3] = {"day", "month", "year"};

int AnimalOfName(const std::string& name, Country country) {
  int animal = AnimalIndexOf(name, country);
  for (Country other : kAllCountries) {
    if (animal < 0) animal = AnimalIndexOf(name, other);
  }
  return animal;
}

// "wood-dragon", "wood-", "-dragon", "wood" or "dragon" as list indexes (5 and 12: none).
std::pair<int, int> ElementAnimalOption(const std::string& option, const std::string& text, Country country) {
  const size_t dash = text.find('-');
  std::string elementName = dash == std::string::npos ? text : text.substr(0, dash);
  std::string animalName = dash == std::string::npos ? "" : text.substr(dash + 1);
  if (dash == std::string::npos && ElementIndexOf(text) < 0) std::swap(elementName, animalName);
  const int element = elementName.empty() ? kNoElementEntry : ElementIndexOf(elementName);
  const int animal = animalName.empty() ? kNoAnimalEntry : AnimalOfName(animalName, country);
  if (element < 0 || animal < 0 || (elementName.empty() && animalName.empty())) {
    throw UsageError("--" + option +
                     " must be an element-animal such as wood-dragon, wood- or -dragon, not " +
                     QuotedText(text));
  }
  return {element, animal};
}

// The program's festival table for the festival target, and --festival among the country's ids.
bool UseFestivalTable(const Args& args, MainRules& rules, std::ostream& err) {
  FestivalTableRead read = ProgramFestivalTable();
  if (!read.table) {
    err << "mirvo-cli search: " << read.error << "\n";
    return false;
  }
  rules.festivals() = FestivalCalendar(std::move(*read.table));
  const FestivalCountry* country = rules.festivals().Country(rules.settings().country);
  const std::string id = args.value("festival", "");
  if (id.empty()) return true;
  std::string ids;
  for (const Festival& f : country ? country->festivals : std::vector<Festival>{}) {
    if (f.id == id) {
      rules.SetSearchFestival(id);
      return true;
    }
    ids += (ids.empty() ? "" : ", ") + f.id;
  }
  throw UsageError("--festival must be a festival of the country (" + ids + "), not " + QuotedText(id));
}

// TARGET by its name.
int TargetOption(const Args& args) {
  if (args.positional().empty()) throw UsageError("TARGET is missing");
  const int target = SearchTargetOfName(args.positional()[0]);
  if (target < 0) {
    std::string names;
    for (int t = 0; t < kSearchTargetCount; ++t) names += (t ? ", " : "") + std::string(SearchTargetName(t));
    throw UsageError("unknown TARGET " + QuotedText(args.positional()[0]) + " (targets: " + names + ")");
  }
  return target;
}

// --within in years (default 100): one of the spans the search window offers.
long WithinOption(const Args& args) {
  if (!args.has("within")) return 100;
  const long within = *args.integer("within", 1, 1000);
  if (within != 1 && within != 10 && within != 100 && within != 1000) {
    throw UsageError("--within must be 1, 10, 100 or 1000");
  }
  return within;
}

// Refuses the options that the target does not read.
void CheckOptionsApply(const Args& args, int target) {
  for (int row = 0; row < 3; ++row) {
    const bool used = target == kTargetMultiple || target == kTargetElementAnimalDay + row;
    if (args.has(kRowOptions[row]) && !used) {
      throw UsageError(std::string("--") + kRowOptions[row] + " does not apply to " + args.positional()[0]);
    }
  }
  if (args.has("within") && target != kTargetMultiple && target != kTargetSameDayAndMonth) {
    throw UsageError("--within applies to the multiple element-animal targets only");
  }
  if (args.has("festival") && target != kTargetFestival)
    throw UsageError("--festival applies to festival only");
}

// --day, --month and --year: the rows of the multiple search, or the entry's element and animal.
void SetElementAnimalOptions(const Args& args, int target, MainRules& rules) {
  const Country country = rules.settings().country;
  for (int row = 0; row < 3; ++row) {
    const auto text = args.value(kRowOptions[row]);
    if (!text) continue;
    const auto [element, animal] = ElementAnimalOption(kRowOptions[row], *text, country);
    if (target == kTargetMultiple) {
      rules.SetMultipleRow(row, element, animal);
    } else {
      rules.entry().element = element;
      rules.entry().animal = animal;
    }
  }
}

// The search the multiple element-animal window would run, finished at the day found; the
// message of a search that finds nothing.
std::optional<std::string> RunMultipleSearch(SearchRules& search, MainRules& rules, Reckoner& reckoner,
                                             long within) {
  const ElementAnimalRows rows = search.MultipleRows();
  if (!rows.AnySet()) return kNoRowSetText;
  const double longitude = reckoner.ReferenceDegrees();
  bool notFound = false, rangeEnded = false;
  const int32_t day = SearchMultipleElementAnimal(
      reckoner, rows, JdnOf(CjdcFromAjd(rules.currentAjd(), longitude)), rules.settings().searchNext,
      static_cast<int>(within), rules.settings().epoch, notFound, &rangeEnded);
  if (notFound) {
    return NotFoundText({.withinYears = static_cast<int>(within),
                         .rangeEnded = rangeEnded,
                         .next = rules.settings().searchNext});
  }
  search.FinishMultiple(false, day);
  return std::nullopt;
}

// The n-th result: its CE, CHL and CHS values, numbered to the width of the count.
void WriteResult(std::ostream& out, long n, int width, bool tsv, const DisplayTexts& d) {
  // The solar date ends with a blank on the first day of a term, where its code takes the
  // place of the zone label.
  const std::string ce = TrimmedText(d.Row(RowId::kCe).value);
  const std::string chl = TrimmedText(d.Row(RowId::kChl).value);
  const std::string chs = TrimmedText(d.Row(RowId::kChs).value);
  if (tsv) {
    out << n << '\t' << Fixed6(d.ajd) << '\t' << ce << '\t' << chl << '\t' << chs << '\n';
  } else {
    std::string number = std::to_string(n);
    number.insert(0, static_cast<size_t>(width) - number.size(), ' ');
    out << number << "  " << ce << " | " << chl << " | " << chs << '\n';
  }
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  const int target = TargetOption(args);
  const long count = args.integer("count", 1, 10000).value_or(1);
  const long within = WithinOption(args);
  CheckOptionsApply(args, target);

  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  rules.SetSearchTarget(target);
  if (const std::optional<Refusal> refusal = ConvertEntryOptions(EntryArgs(args, 1), rules)) {
    err << "mirvo-cli search: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }
  rules.ClearDate();  // the entry is converted: the searches start from its instant
  rules.SetSearchNext(!args.has("previous"));
  if (target == kTargetFestival && !UseFestivalTable(args, rules, err)) return kExitFailure;
  SetElementAnimalOptions(args, target, rules);

  SearchRules search(rules);
  const bool tsv = args.tsv();
  if (tsv) out << "n\tut_ajd\tce\tchl\tchs\n";
  const int width = static_cast<int>(std::to_string(count).size());
  auto fail = [&](const std::string& message) {
    out.flush();
    err << "mirvo-cli search: " << OneLineMessage(message) << "\n";
    return kExitNotFound;
  };
  for (long n = 1; n <= count && out; ++n) {
    const SearchResult result = search.Search();
    if (result.outcome == SearchOutcome::kFailed || result.outcome == SearchOutcome::kRefused) {
      return fail(result.refusal ? result.refusal->text : "");
    }
    if (result.outcome == SearchOutcome::kMultipleWindow) {
      if (const auto message = RunMultipleSearch(search, rules, reckoner, within)) return fail(*message);
    }
    WriteResult(out, n, width, tsv, rules.display());
  }
  return kExitOk;
}

}  // namespace

Command SearchCommand() {
  return {"search",
          "the Search command: the next or previous of 23 kinds of event from a date",
          kUsage,
          Run,
          EntryOptionNames({"format", "count", "day", "month", "year", "within", "festival"}),
          EntryFlagNames({"previous"})};
}

}  // namespace mirvo::cli
