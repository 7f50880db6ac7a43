#include "features/log/LogEntry.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/ephemeris/MoonPhase.h"
#include "features/display/Phrases.h"
#include "features/tables/MainTables.h"
#include "features/search/MultipleSearchRules.h"
#include "util/Text.h"

namespace mirvo {
namespace {

constexpr const char* kSeparator = "--------------------";
constexpr int kMultipleElementAnimalTarget = 20;
constexpr size_t kMaxUnderline = 255;

// Line breaks of the calendar sentences become the log's own.
std::string LogLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// "The 1st ..." read as the continuation of "= t".
std::string ContinuedSentence(std::string_view sentence) {
  return "= t" + std::string(sentence.empty() ? sentence : sentence.substr(1));
}

size_t CharacterCount(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

// The CHS sentence with the term's names inside its parentheses and its year on a line of its own.
std::string ChsSentenceLines(const LogSources& s, bool chineseTerms) {
  std::string text = ContinuedSentence(s.reckoner.ChsDateSentence(s.display.chs, false, false));
  const size_t at = text.find(") in the year");
  if (at == std::string::npos) return text + "\n";
  std::string names = ", " + std::string(TermEnglishName(s.display.chs.term));
  if (chineseTerms) names += ", " + std::string(TermName(s.display.chs.term));
  return text.substr(0, at) + names + ")\n" + text.substr(at + 2) + "\n";
}

// The text of a European date row up to its zone ("2000-01-01 CE 12:00 GMT"), and the weekday
// that follows it.
std::string EuropeanRowText(const DisplayRow& row) { return row.entry.date + " " + row.entry.time + " GMT"; }

void AppendEuropeanDate(std::string& out, const DisplayRow& row, const CalendarDate& date,
                        const std::string& weekday, bool expanded) {
  out += EuropeanRowText(row) + "\n";
  if (expanded) out += ContinuedSentence(CalendarDateSentence(date)) + ", a " + weekday + ".\n";
}

std::string SearchTargetText(const LogSources& s) {
  const int target = s.settings.searchTarget;
  if (target == kMultipleElementAnimalTarget) return MultipleElementAnimalDescription(s.settings);
  if (IsElementAnimalTarget(target)) {
    return LowerCaseText(BuildElementAnimalTargetText(target, s.entry.element, s.entry.animal, s.settings.country));
  }
  const std::vector<SearchTarget> targets = SearchTargets();
  if (target < 0 || target >= static_cast<int>(targets.size())) return "";
  return LowerCaseText(targets[static_cast<size_t>(target)].text);
}

std::string MoveStepText(const MainSettings& settings) {
  const std::vector<std::string> steps = MoveStepEntries(settings.country);
  const int step = settings.moveStep;
  return step >= 0 && step < static_cast<int>(steps.size()) ? steps[static_cast<size_t>(step)] : "";
}

}  // namespace

std::string LogNumber(double x) { return GroupedNumber(x, 4); }

std::string MultipleElementAnimalDescription(const MainSettings& settings) {
  return MultipleElementAnimalStr(ElementAnimalRows{settings.multipleElement, settings.multipleAnimal},
                                  settings.country);
}

std::string AutoLogHeading(int action, const LogSources& s) {
  switch (action) {
    case kLogNow:
      return "Now";
    case kLogConvert: {
      const std::string days = TrimmedText(s.entry.plusMinus);
      if (days.empty()) return "";
      std::string number = days;
      RemoveCharacters(number, ",");
      const bool one = std::abs(LeadingNumber(number)) == 1;
      return (s.entry.plus ? "Plus " : "Minus ") + days + " day" + (one ? "" : "s");
    }
    case kLogMove:
      return std::string("Move ") + (s.settings.moveForward ? "forward 1 " : "back 1 ") + MoveStepText(s.settings);
    case kLogSearch:
      return std::string("Search for ") + (s.settings.searchNext ? "next " : "previous ") + SearchTargetText(s);
    case kLogOneDay:
      return std::string("Move ") + (s.settings.moveForward ? "forward one day " : "back one day");
    default:
      return "";
  }
}

std::string AutoLogHeadingLines(int action, const LogSources& sources, const LogPreferences& preferences) {
  const std::string heading = AutoLogHeading(action, sources);
  std::string out = heading + "\n";
  if (preferences.verbose) out += std::string(std::min(CharacterCount(heading), kMaxUnderline), '-') + "\n";
  return out;
}

namespace {

// The entry, appended piece by piece so that a failure leaves what was written before it.
void AppendEntry(std::string& out, const LogSources& s, const LogPreferences& p) {
  const DisplayTexts& d = s.display;
  const bool chinese = p.chineseGroup();
  const bool european = p.europeanGroup();
  const bool astronomical = p.astronomicalGroup();
  const bool expanded = p.verbose;
  const bool chineseTerms = p.includeGanzhi;
  const int longitude = s.settings.longitude;
  const std::string country(CountryOf(s.settings.country).name);

  const bool english = s.language == Language::kEnglish;
  if (p.chs) {
    out += d.Row(RowId::kChs).value + "\n";
    if (expanded && english) out += ChsSentenceLines(s, chineseTerms);
    if (expanded && !english) out += "= " + SolarTermDayWords(s.language, d.chs) + "\n";
  }
  if (p.chl) {
    out += d.Row(RowId::kChl).value + "\n";
    if (expanded && english) {
      out += LogLines(ContinuedSentence(s.reckoner.ChlDateSentence(d.chl, true, true, chineseTerms, false, true))) +
             "\n";
    }
    if (expanded && !english) {
      out += "= " + LunarDateWords(s.language, d.chl, d.chl.jdn, s.settings.country, chineseTerms) + "\n";
    }
  }
  if (p.cjdc) {
    out += LogNumber(CjdcFromAjd(d.ajd, longitude)) + " CJDC";
    if (expanded) out += " (chronological Julian date, longitude " + Spaced(longitude) + "º E, " + country + ")";
    out += "\n";
  }
  if (p.epochEtc && chinese) {
    out += EpochMethod(s.settings.epoch, s.settings.sunMethod, true) + ", longitude =" + Spaced(longitude) +
           "º E, " + country + ".\n";
  }
  if (chinese && (european || astronomical) && expanded) out += std::string(kSeparator) + "\n";

  const std::string weekday = WeekdayName(WeekdayOf(d.londonDay), false, 0);
  if (p.ce) AppendEuropeanDate(out, d.Row(RowId::kCe), d.ce, weekday, expanded);
  if (p.jc) AppendEuropeanDate(out, d.Row(RowId::kJc), d.jc, weekday, expanded);
  if (p.cjdl) out += LogNumber(CjdlFromAjd(d.ajd)) + " CJDL" + (expanded ? " (chronological Julian date, London)" : "") + "\n";
  if (european && astronomical && expanded) out += std::string(kSeparator) + "\n";

  if (p.ajd) out += LogNumber(d.ajd) + " AJD" + (expanded ? " (astronomical Julian date)" : "") + "\n";
  // Without the Moon's phase the entry cannot go on: the error stops it (and a repeated run).
  if ((p.phase || p.lunation) && !d.moonError.empty()) throw std::runtime_error(d.moonError);
  if (p.phase && english) out += d.Row(RowId::kPhase).value + (expanded ? " illumination" : "") + "\n";
  if (p.phase && !english) out += MoonPhaseWords(s.language, d.illumination, d.waxing) + "\n";
  if (p.lunation) {
    out += "Lunation " + std::to_string(d.lunation) + ", age of Moon = " + AgeText(d.moonAge) + " (" +
           LunationPercentText(d.moonAgeFraction) + (expanded ? "% of lunation)\n" : "%)\n");
  }
  out += "\n";
}

template <typename Build>
LogAddition Add(const std::string& log, const std::string& caption, Build&& build) {
  LogAddition a;
  try {
    if (log.empty()) a.text = caption + "\n\n";
    // Text typed at the end of the log keeps its own line; what is added starts on a new one.
    else if (log.back() != '\n') a.text = "\n";
    build(a.text);
  } catch (const std::exception& e) {
    a.error = e.what();
  }
  return a;
}

}  // namespace

std::string LogEntryText(const LogSources& sources, const LogPreferences& preferences) {
  std::string out;
  AppendEntry(out, sources, preferences);
  return out;
}

LogAddition AddToLog(const std::string& log, const std::string& caption, const LogSources& sources,
                     const LogPreferences& preferences) {
  return Add(log, caption, [&](std::string& out) { AppendEntry(out, sources, preferences); });
}

LogAddition AutoLog(int action, const std::string& log, const std::string& caption, const LogSources& sources,
                    const LogPreferences& preferences) {
  if (!sources.settings.autoLog || action < 1) return {};
  return Add(log, caption, [&](std::string& out) {
    out += AutoLogHeadingLines(action, sources, preferences);
    AppendEntry(out, sources, preferences);
  });
}

}  // namespace mirvo
