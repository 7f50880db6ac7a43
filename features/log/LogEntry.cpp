#include "features/log/LogEntry.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/ephemeris/MoonPhase.h"
#include "features/display/Phrases.h"
#include "features/display/Sentences.h"
#include "features/festivals/FestivalCalendar.h"
#include "features/search/MultipleSearchRules.h"
#include "features/search/SearchRules.h"
#include "features/tables/MainTables.h"
#include "util/Text.h"

namespace mirvo {
namespace {

constexpr const char* kSeparator = "--------------------";

// The words of an entry and of its heading in the languages other than English, in the order of
// the Language enum from Simplified Chinese on; English keeps the texts written out below.
enum class LogWord : int {
  kNow,
  kPlusDays,
  kMinusDays,
  kMoveForward,
  kMoveBack,
  kSearchNext,
  kSearchPrevious,
  kForwardOneDay,
  kBackOneDay,
  kCjdcNote,
  kEpochLine,
  kCjdlNote,
  kAjdNote,
};
using Words = std::array<std::string_view, kLanguageCount - 1>;
constexpr Words kLogWords[] = {
    {"现在", "現在", "Bây giờ", "現在", "지금"},
    {"加{0}天", "加{0}天", "Cộng {0} ngày", "{0}日後", "{0}일 후"},
    {"减{0}天", "減{0}天", "Trừ {0} ngày", "{0}日前", "{0}일 전"},
    {"前进：1个{0}", "前進：1個{0}", "Tiến 1 {0}", "1{0}進む", "1 {0} 앞으로"},
    {"后退：1个{0}", "後退：1個{0}", "Lùi 1 {0}", "1{0}戻る", "1 {0} 뒤로"},
    {"查找下一个：{0}", "查找下一個：{0}", "Tìm {0} kế tiếp", "次の{0}を検索", "다음 {0} 찾기"},
    {"查找上一个：{0}", "查找上一個：{0}", "Tìm {0} trước đó", "前の{0}を検索", "이전 {0} 찾기"},
    {"前进一天", "前進一天", "Tiến một ngày", "1日進む", "하루 앞으로"},
    {"后退一天", "後退一天", "Lùi một ngày", "1日戻る", "하루 뒤로"},
    {"（民用儒略日，东经{0}º，{1}）", "（民用儒略日，東經{0}º，{1}）",
     " (ngày Julius dân sự, kinh độ {0}º Đông, {1})", "（暦日ユリウス日、東経{0}º、{1}）",
     " (역일 율리우스일, 동경 {0}º, {1})"},
    {"{0}，东经{1}º，{2}。", "{0}，東經{1}º，{2}。", "{0}, kinh độ {1}º Đông, {2}.", "{0}、東経{1}º、{2}。",
     "{0}, 동경 {1}º, {2}."},
    {"（民用儒略日，伦敦）", "（民用儒略日，倫敦）", " (ngày Julius dân sự, London)",
     "（暦日ユリウス日、ロンドン）", " (역일 율리우스일, 런던)"},
    {"（天文儒略日）", "（天文儒略日）", " (ngày Julius thiên văn)", "（天文ユリウス日）",
     " (천문 율리우스일)"},
};

// The word in a language other than English, its texts put in.
std::string Said(Language language, LogWord word, std::initializer_list<std::string_view> texts = {}) {
  const int l = static_cast<int>(language) - 1;
  if (l < 0 || l >= kLanguageCount - 1) return {};
  return FilledIn(kLogWords[static_cast<size_t>(word)][static_cast<size_t>(l)], texts);
}
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

// The name of the festival a festival search looks for, in the language; "" without a table.
std::string FestivalName(const LogSources& s, Language language) {
  if (s.settings.searchTarget != kTargetFestival || s.festivals == nullptr) return "";
  const std::string id = ChosenFestival(*s.festivals, s.settings.country, s.settings);
  if (const FestivalCountry* country = s.festivals->Country(s.settings.country)) {
    for (const Festival& f : country->festivals) {
      if (f.id == id) return f.name(language);
    }
  }
  return "";
}

std::string SearchTargetText(const LogSources& s) {
  const int target = s.settings.searchTarget;
  if (std::string festival = FestivalName(s, Language::kEnglish); !festival.empty()) return festival;
  if (target == kMultipleElementAnimalTarget) return MultipleElementAnimalDescription(s.settings);
  if (IsElementAnimalTarget(target)) {
    return LowerCaseText(
        BuildElementAnimalTargetText(target, s.entry.element, s.entry.animal, s.settings.country));
  }
  const std::vector<SearchTarget> targets = SearchTargets();
  if (target < 0 || target >= static_cast<int>(targets.size())) return "";
  return LowerCaseText(targets[static_cast<size_t>(target)].text);
}

// The target as the Search list names it ("Full moon"), for a translated heading.
std::string SearchTargetName(const LogSources& s) {
  const int target = s.settings.searchTarget;
  if (IsElementAnimalTarget(target)) {
    return BuildElementAnimalTargetText(target, s.entry.element, s.entry.animal, s.settings.country);
  }
  const std::vector<SearchTarget> targets = SearchTargets();
  if (target < 0 || target >= static_cast<int>(targets.size())) return "";
  return targets[static_cast<size_t>(target)].text;
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

namespace {

// The heading in a language other than English, the names of the lists as the window shows them.
std::string HeadingIn(Language l, LogAction action, const LogSources& s) {
  auto listed = [&s](const std::string& name) { return s.listName ? s.listName(name) : name; };
  switch (action) {
    case kLogNow: return Said(l, LogWord::kNow);
    case kLogConvert: {
      const std::string days = TrimmedText(s.entry.plusMinus);
      if (days.empty()) return "";
      return Said(l, s.entry.plus ? LogWord::kPlusDays : LogWord::kMinusDays, {days});
    }
    case kLogMove:
      return Said(l, s.settings.moveForward ? LogWord::kMoveForward : LogWord::kMoveBack,
                  {listed(MoveStepText(s.settings))});
    case kLogSearch: {
      std::string target = FestivalName(s, l);
      if (target.empty()) {
        target = s.settings.searchTarget == kMultipleElementAnimalTarget ? SearchTargetText(s)
                                                                         : listed(SearchTargetName(s));
      }
      return Said(l, s.settings.searchNext ? LogWord::kSearchNext : LogWord::kSearchPrevious, {target});
    }
    case kLogOneDay: return Said(l, s.settings.moveForward ? LogWord::kForwardOneDay : LogWord::kBackOneDay);
    default: return "";
  }
}

}  // namespace

std::string AutoLogHeading(LogAction action, const LogSources& s) {
  if (s.language != Language::kEnglish) return HeadingIn(s.language, action, s);
  switch (action) {
    case kLogNow: return "Now";
    case kLogConvert: {
      const std::string days = TrimmedText(s.entry.plusMinus);
      if (days.empty()) return "";
      std::string number = days;
      RemoveCharacters(number, ",");
      const bool one = std::abs(LeadingNumber(number)) == 1;
      return (s.entry.plus ? "Plus " : "Minus ") + days + " day" + (one ? "" : "s");
    }
    case kLogMove:
      return std::string("Move ") + (s.settings.moveForward ? "forward 1 " : "back 1 ") +
             MoveStepText(s.settings);
    case kLogSearch:
      return std::string("Search for ") + (s.settings.searchNext ? "next " : "previous ") +
             SearchTargetText(s);
    case kLogOneDay:
      return std::string("Move ") + (s.settings.moveForward ? "forward one day " : "back one day");
    default: return "";
  }
}

std::string AutoLogHeadingLines(LogAction action, const LogSources& sources,
                                const LogPreferences& preferences) {
  const std::string heading = AutoLogHeading(action, sources);
  std::string out = heading + "\n";
  if (preferences.verbose) out += std::string(std::min(CharacterCount(heading), kMaxUnderline), '-') + "\n";
  return out;
}

namespace {

// The lunar and solar-term rows, each with its sentence in expanded entries.
void AppendChineseDates(std::string& out, const LogSources& s, const LogPreferences& p) {
  const DisplayTexts& d = s.display;
  const bool english = s.language == Language::kEnglish;
  const bool expanded = p.verbose;
  if (p.chs) {
    out += d.Row(RowId::kChs).value + "\n";
    if (expanded && english) out += ChsSentenceLines(s, p.includeGanzhi);
    if (expanded && !english) out += "= " + SolarTermDayWords(s.language, d.chs) + "\n";
  }
  if (!p.chl) return;
  out += d.Row(RowId::kChl).value + "\n";
  if (expanded && english) {
    out += LogLines(ContinuedSentence(s.reckoner.ChlDateSentence(
               d.chl, {.dayNames = true, .monthNames = true, .stemBranch = p.includeGanzhi, .full = true}))) +
           "\n";
  }
  if (expanded && !english) {
    out += "= " + LunarDateWords(s.language, d.chl, d.chl.jdn, s.settings.country, p.includeGanzhi) + "\n";
  }
}

// The day count at the chosen meridian and the line of the epoch, method and meridian.
void AppendMeridianLines(std::string& out, const LogSources& s, const LogPreferences& p) {
  const bool english = s.language == Language::kEnglish;
  const int longitude = s.settings.longitude;
  const std::string country(CountryOf(s.settings.country).name);
  const std::string_view countryWord = CountryWord(s.language, s.settings.country);
  if (p.cjdc) {
    out += LogNumber(CjdcFromAjd(s.display.ajd, longitude)) + " CJDC";
    if (p.verbose && english)
      out += " (chronological Julian date, longitude " + Spaced(longitude) + "º E, " + country + ")";
    if (p.verbose && !english)
      out += Said(s.language, LogWord::kCjdcNote, {std::to_string(longitude), countryWord});
    out += "\n";
  }
  if (!p.epochEtc || !p.chineseGroup()) return;
  if (english) {
    out += EpochMethod(s.settings.epoch, s.settings.sunMethod, true) + ", longitude =" + Spaced(longitude) +
           "º E, " + country + ".\n";
  } else {
    out += Said(s.language, LogWord::kEpochLine,
                {EpochMethodWords(s.language, s.settings.epoch, s.settings.sunMethod),
                 std::to_string(longitude), countryWord}) +
           "\n";
  }
}

// The Gregorian and Julian rows, each spelled out in expanded entries, and the London day count.
void AppendEuropeanSection(std::string& out, const LogSources& s, const LogPreferences& p) {
  const DisplayTexts& d = s.display;
  const bool english = s.language == Language::kEnglish;
  const bool expanded = p.verbose;
  const int weekdayIndex = WeekdayOf(d.londonDay);
  const std::string weekday = WeekdayName(weekdayIndex, false, 0);
  for (const bool julian : {false, true}) {
    if (!(julian ? p.jc : p.ce)) continue;
    const DisplayRow& row = d.Row(julian ? RowId::kJc : RowId::kCe);
    const CalendarDate& date = julian ? d.jc : d.ce;
    if (english)
      AppendEuropeanDate(out, row, date, weekday, expanded);
    else
      out += EuropeanRowText(row) + "\n" +
             (expanded ? "= " + EuropeanDayWords(s.language, date, weekdayIndex) + "\n" : "");
  }
  const std::string cjdlNote =
      english ? " (chronological Julian date, London)" : Said(s.language, LogWord::kCjdlNote);
  if (p.cjdl) out += LogNumber(CjdlFromAjd(d.ajd)) + " CJDL" + (expanded ? cjdlNote : "") + "\n";
}

// The Moon's phase and illumination, and its lunation and age.
void AppendMoonLines(std::string& out, const LogSources& s, const LogPreferences& p) {
  const DisplayTexts& d = s.display;
  const bool english = s.language == Language::kEnglish;
  if (p.phase && english) out += d.Row(RowId::kPhase).value + (p.verbose ? " illumination" : "") + "\n";
  if (p.phase && !english) out += MoonPhaseWords(s.language, d.illumination, d.waxing) + "\n";
  if (!p.lunation) return;
  if (english) {
    out += "Lunation " + std::to_string(d.lunation) + ", age of Moon = " + AgeText(d.moonAge) + " (" +
           LunationPercentText(d.moonAgeFraction) + (p.verbose ? "% of lunation)\n" : "%)\n");
    return;
  }
  const std::string caption = Phrased(s.language, Phrase::kAgeCaption, {});
  const bool wide = caption.size() >= 3 && caption.compare(caption.size() - 3, 3, "：") == 0;
  out +=
      caption + (wide ? "" : " ") + MoonAgeWords(s.language, d.lunation, d.moonAge, d.moonAgeFraction) + "\n";
}

// The entry, appended piece by piece so that a failure leaves what was written before it; the
// failure's description, or nothing.
std::optional<std::string> AppendEntry(std::string& out, const LogSources& s, const LogPreferences& p) {
  const bool chinese = p.chineseGroup();
  const bool european = p.europeanGroup();
  const bool astronomical = p.astronomicalGroup();
  AppendChineseDates(out, s, p);
  AppendMeridianLines(out, s, p);
  if (chinese && (european || astronomical) && p.verbose) out += std::string(kSeparator) + "\n";
  AppendEuropeanSection(out, s, p);
  if (european && astronomical && p.verbose) out += std::string(kSeparator) + "\n";

  const std::string ajdNote =
      s.language == Language::kEnglish ? " (astronomical Julian date)" : Said(s.language, LogWord::kAjdNote);
  if (p.ajd) out += LogNumber(s.display.ajd) + " AJD" + (p.verbose ? ajdNote : "") + "\n";
  // Without the Moon's phase the entry cannot go on: the error stops it (and a repeated run).
  if ((p.phase || p.lunation) && !s.display.moonError.empty()) return s.display.moonError;
  AppendMoonLines(out, s, p);
  out += "\n";
  return std::nullopt;
}

template <typename Build>
LogAddition Add(const std::string& log, const std::string& caption, Build&& build) {
  LogAddition a;
  if (log.empty()) a.text = caption + "\n\n";
  // Text typed at the end of the log keeps its own line; what is added starts on a new one.
  else if (log.back() != '\n')
    a.text = "\n";
  a.error = build(a.text);
  return a;
}

}  // namespace

LogAddition LogEntryText(const LogSources& sources, const LogPreferences& preferences) {
  LogAddition entry;
  entry.error = AppendEntry(entry.text, sources, preferences);
  return entry;
}

LogAddition AddToLog(const std::string& log, const std::string& caption, const LogSources& sources,
                     const LogPreferences& preferences) {
  return Add(log, caption, [&](std::string& out) { return AppendEntry(out, sources, preferences); });
}

LogAddition AutoLog(LogAction action, const std::string& log, const std::string& caption,
                    const LogSources& sources, const LogPreferences& preferences) {
  if (!sources.settings.autoLog || action == kLogNone) return {};
  return Add(log, caption, [&](std::string& out) {
    out += AutoLogHeadingLines(action, sources, preferences);
    return AppendEntry(out, sources, preferences);
  });
}

}  // namespace mirvo
