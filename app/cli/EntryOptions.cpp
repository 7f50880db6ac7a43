#include "app/cli/EntryOptions.h"

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "util/Text.h"

namespace mirvo::cli {

std::set<std::string> EntryOptionNames(std::initializer_list<const char*> more) {
  std::set<std::string> names = {"time",      "zone",  "plus",   "minus",   "country",
                                 "longitude", "epoch", "method", "element", "animal"};
  names.insert(more.begin(), more.end());
  return names;
}

std::set<std::string> EntryFlagNames(std::initializer_list<const char*> more) {
  std::set<std::string> names = {"historical"};
  names.insert(more.begin(), more.end());
  return names;
}

Args EntryArgs(const Args& args, size_t first) {
  std::vector<std::string> argv;
  if (args.positional().size() > first)
    argv.assign(args.positional().begin() + static_cast<std::ptrdiff_t>(first), args.positional().end());
  for (const std::string& name : EntryOptionNames()) {
    if (auto value = args.value(name)) argv.push_back("--" + name + "=" + *value);
  }
  for (const std::string& name : EntryFlagNames()) {
    if (args.has(name)) argv.push_back("--" + name);
  }
  return Args(argv, EntryOptionNames(), EntryFlagNames());
}

std::optional<Refusal> ConvertEntryOptions(const Args& args, MainRules& rules) {
  if (args.positional().size() > 1) {
    throw UsageError("at most one ENTRY (quote it when it holds blanks)");
  }
  return ConvertEntryText(args, args.positional().empty() ? "" : args.positional()[0], rules);
}

namespace {

// The meridian, language, calendar and Sun method of the options; returns the country, whose
// animal names the entry's --animal is read in.
Country ChooseSettingOptions(const Args& args, MainRules& rules) {
  auto [country, longitude] = MeridianOptions(args);
  // Machine formats are the same in every language.
  rules.SetLanguage(args.value("format", "text") == "tsv" ? Language::kEnglish : LanguageOption(args));
  rules.ChooseCountry(country);
  rules.ChooseLongitude(longitude);
  rules.ChooseHistorical(args.has("historical"));
  if (auto e = args.value("epoch")) {
    if (*e != "-2696" && *e != "-2636") throw UsageError("--epoch must be -2696 or -2636");
    rules.ChooseEpoch(*EpochFromYear(std::stol(*e)));
  }
  if (auto m = args.value("method")) {
    if (*m != "true" && *m != "mean") throw UsageError("--method must be true or mean");
    rules.ChooseSunMethod(*m == "true" ? kTrueSun : kMeanSun);
  }
  return country;
}

// The entry boxes beside the date: time, zone, element, animal and the days to add or take away.
void FillEntryBoxes(const Args& args, Country country, EntryModel& entry) {
  if (auto t = args.value("time")) entry.time = *t;
  if (auto z = args.value("zone")) {
    if (*z == "gmt")
      entry.timeZone = kTimeZoneGmt;
    else if (*z == "ref")
      entry.timeZone = kTimeZoneReference;
    else
      throw UsageError("--zone must be gmt or ref");
  }
  if (auto e = args.value("element")) {
    int index = ElementIndexOf(LowerCaseText(*e));
    if (index < 0) throw UsageError("--element must be wood, fire, earth, metal or water");
    entry.element = index;
  }
  if (auto a = args.value("animal")) {
    int index = AnimalIndexOf(LowerCaseText(*a), country);
    if (index < 0) throw UsageError("--animal must be an animal name of the country");
    entry.animal = index;
  }
  if (auto p = args.value("plus")) {
    entry.plusMinus = *p;
    entry.plus = true;
  } else if (auto m = args.value("minus")) {
    entry.plusMinus = *m;
    entry.plus = false;
  }
}

}  // namespace

std::optional<Refusal> ConvertEntryText(const Args& args, const std::string& text, MainRules& rules) {
  const Country country = ChooseSettingOptions(args, rules);
  if (args.has("plus") && args.has("minus")) throw UsageError("--plus and --minus exclude each other");

  EntryModel& entry = rules.entry();
  FillEntryBoxes(args, country, entry);

  rules.SetCurrentAjd(CurrentAjd());
  const bool hasEntry = !text.empty();
  if (hasEntry) entry.date = text;
  if (hasEntry || !entry.plusMinus.empty()) {
    ConvertResult result = rules.Convert();
    if (result.outcome == ConvertOutcome::kEntryError || result.outcome == ConvertOutcome::kOutOfRange) {
      return std::move(result.refusal);
    }
  }
  return std::nullopt;
}

std::string JoinedArguments(const Args& args, size_t first) {
  std::string text;
  for (size_t i = first; i < args.positional().size(); ++i) {
    if (!text.empty()) text += ' ';
    text += args.positional()[i];
  }
  return text;
}

std::string OneLineMessage(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      if (!out.empty() && out.back() != ' ') out += ' ';
      continue;
    }
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace mirvo::cli
