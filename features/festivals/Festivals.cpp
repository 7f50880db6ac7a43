#include "features/festivals/Festivals.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <span>

#include "core/chinese/Cycles.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Uncertainty.h"
#include "features/display/UncertainDay.h"
#include "platform/astro/Astro.h"
#include "platform/astro/DeltaT.h"
#include "util/Files.h"

namespace mirvo {
namespace {

// The file holds a few hundred lines; anything far larger is not a festival table.
constexpr size_t kMaxFileBytes = 1 << 20;
// Offsets and counts beyond a year say nothing a calendar would.
constexpr int kMaxOffsetDays = 400;

constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = s.find(separator);
    parts.push_back(Trimmed(s.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

std::vector<std::string_view> Tokens(std::string_view s) {
  std::vector<std::string_view> tokens;
  for (std::string_view t : Split(s, ' ')) {
    if (!t.empty()) tokens.push_back(t);
  }
  return tokens;
}

std::optional<int> Integer(std::string_view t, int lo, int hi) {
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size() || value < lo || value > hi) return std::nullopt;
  return value;
}

// The place 1..N of a name among the cyclic names, 0 when it is none of them.
int CyclicNumber(std::span<const std::string_view> names, std::string_view name) {
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? 0 : static_cast<int>(it - names.begin()) + 1;
}

std::optional<double> Degrees(std::string_view t) {
  double value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size() || !(value >= 0 && value < 360)) return std::nullopt;
  return value;
}

// Reads rules from tokens[at...]; a nested rule (after span-until or before) takes no tail.
class RuleReader {
 public:
  explicit RuleReader(std::vector<std::string_view> tokens) : t_(std::move(tokens)) {}

  // Why the rule is refused; nothing when it reads.
  std::optional<std::string> Read(FestivalRule& rule, bool nested) {
    const size_t start = at_;
    if (auto why = Day(rule)) return why;
    if (!nested) {
      if (auto why = Tail(rule)) return why;
    }
    rule.text.clear();
    for (size_t i = start; i < at_; ++i) {
      if (!rule.text.empty()) rule.text += ' ';
      rule.text += t_[i];
    }
    return std::nullopt;
  }

 private:
  // What may follow a rule to the end of its tokens: span N, span-until RULE, before RULE.
  std::optional<std::string> Tail(FestivalRule& rule) {
    while (at_ < t_.size()) {
      const std::string_view word = t_[at_++];
      if (word == "span" && rule.kind != FestivalRuleKind::kNinePeriod) {
        const auto n = NextInteger(2, kMaxOffsetDays);
        if (!n) return "span takes a number of days from 2 to 400";
        rule.spanDays = *n;
      } else if (word == "span-until" || word == "before") {
        auto other = std::make_shared<FestivalRule>();
        if (auto why = Read(*other, true)) return why;
        (word == "before" ? rule.before : rule.spanUntil) = std::move(other);
      } else {
        return "unexpected " + std::string(word);
      }
    }
    return std::nullopt;
  }

  std::optional<std::string_view> Next() {
    if (at_ >= t_.size()) return std::nullopt;
    return t_[at_++];
  }
  std::optional<int> NextInteger(int lo, int hi) {
    auto t = Next();
    return t ? Integer(*t, lo, hi) : std::nullopt;
  }

  std::optional<std::string> Anchor(FestivalAnchor& anchor) {
    const auto kind = Next();
    if (!kind || (*kind != "term" && *kind != "sun")) return "expected term or sun";
    anchor.term = *kind == "term";
    const auto degrees = Next();
    const auto l = degrees ? Degrees(*degrees) : std::nullopt;
    if (!l) return "a longitude from 0 to 360 degrees must follow " + std::string(*kind);
    if (anchor.term && (std::fmod(*l, 15) != 0)) return "a solar term's longitude is a multiple of 15";
    anchor.longitude = *l;
    if (at_ < t_.size() && t_[at_] == "previous-year") {
      anchor.yearOffset = -1;
      ++at_;
    }
    return std::nullopt;
  }

  // An optional +N or -N days.
  std::optional<std::string> Offset(FestivalRule& rule) {
    if (at_ < t_.size() && (t_[at_].front() == '+' || t_[at_].front() == '-')) {
      const auto n = Integer(t_[at_], -kMaxOffsetDays, kMaxOffsetDays);
      if (!n) return "bad number of days " + std::string(t_[at_]);
      rule.offset = *n;
      ++at_;
    }
    return std::nullopt;
  }

  // The day a rule names, by its first word.
  std::optional<std::string> Day(FestivalRule& rule) {
    const auto word = Next();
    if (!word) return "no rule";
    if (*word == "lunar" || *word == "lunar-last") return LunarDay(rule, *word);
    if (*word == "term" || *word == "sun") {
      --at_;
      return AnchorDay(rule);
    }
    if (*word == "stem" || *word == "branch") return CyclicDay(rule, *word);
    if (*word == "nine") return NinePeriod(rule);
    return "unknown rule " + std::string(*word);
  }

  // lunar MONTH DAY [±N], lunar-last MONTH [±N]
  std::optional<std::string> LunarDay(FestivalRule& rule, std::string_view word) {
    rule.kind = word == "lunar" ? FestivalRuleKind::kLunar : FestivalRuleKind::kLunarLast;
    const auto m = NextInteger(1, 12);
    if (!m) return "a lunar month from 1 to 12 must follow " + std::string(word);
    rule.month = *m;
    if (rule.kind == FestivalRuleKind::kLunar) {
      const auto d = NextInteger(1, 30);
      if (!d) return "a lunar day from 1 to 30 must follow the month";
      rule.day = *d;
    }
    return Offset(rule);
  }

  // ANCHOR [±N]
  std::optional<std::string> AnchorDay(FestivalRule& rule) {
    rule.kind = FestivalRuleKind::kAnchorDay;
    if (auto why = Anchor(rule.anchor)) return why;
    return Offset(rule);
  }

  // stem NAME COUNT ANCHOR, branch NAME COUNT ANCHOR
  std::optional<std::string> CyclicDay(FestivalRule& rule, std::string_view word) {
    const bool stem = word == "stem";
    rule.kind = stem ? FestivalRuleKind::kStemDay : FestivalRuleKind::kBranchDay;
    if (const auto name = Next())
      rule.cyclic = stem ? CyclicNumber(kStems, *name) : CyclicNumber(kBranches, *name);
    if (rule.cyclic == 0) return stem ? "a stem 甲…癸 must follow stem" : "a branch 子…亥 must follow branch";
    const auto n = NextInteger(1, 36);
    if (!n) return "a count from 1 to 36 must follow the " + std::string(word);
    rule.count = *n;
    return Anchor(rule.anchor);
  }

  // nine PERIOD ANCHOR
  std::optional<std::string> NinePeriod(FestivalRule& rule) {
    rule.kind = FestivalRuleKind::kNinePeriod;
    const auto n = NextInteger(1, 9);
    if (!n) return "a period from 1 to 9 must follow nine";
    rule.count = *n;
    rule.spanDays = 9;
    return Anchor(rule.anchor);
  }

  std::vector<std::string_view> t_;
  size_t at_ = 0;
};

// The country of a "[INDEX NAME LONGITUDE]" line; nothing when the line is not one.
std::optional<FestivalCountry> CountryHeader(std::string_view line) {
  const auto t = Tokens(line.substr(1, line.size() - 2));
  const auto number =
      t.size() == 3 ? Integer(t[0], 0, static_cast<int>(kAllCountries.size()) - 1) : std::nullopt;
  const auto known = number ? CountryFromNumber(*number) : std::nullopt;
  const auto longitude = t.size() == 3 ? Integer(t[2], kMinLongitude, kMaxLongitude) : std::nullopt;
  if (!known || !longitude || t[1].empty()) return std::nullopt;
  FestivalCountry country;
  country.country = *known;
  country.name = std::string(t[1]);
  country.longitude = *longitude;
  return country;
}

// Each line reader adds what the line holds to the table; why the line is refused, nothing when
// it reads.
std::optional<std::string> ReadCountryLine(std::string_view line, FestivalTable& table) {
  if (line.back() != ']') return "bad country";
  auto country = CountryHeader(line);
  if (!country) return "a country is [INDEX NAME LONGITUDE], the index 0 to 3 and the longitude 100 to 145";
  // A repeated index is named by its number: the second header's name may be new.
  if (table.Country(country->country))
    return "country index " + std::to_string(CountryNumber(country->country)) + " twice";
  if (table.Country(country->name)) return "country " + country->name + " twice";
  table.countries.push_back(std::move(*country));
  return std::nullopt;
}

bool IsFestivalId(std::string_view id) {
  return !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
  });
}

std::optional<std::string> ReadFestivalLine(std::string_view line, FestivalCountry& country) {
  const auto fields = Split(line, '|');
  if (fields.size() != 2 + kLanguageCount)
    return "a festival is id | rule | and a name in each of the " + std::to_string(kLanguageCount) +
           " languages";
  Festival festival;
  festival.id = std::string(fields[0]);
  if (!IsFestivalId(festival.id)) return "an id is made of a-z, 0-9 and -";
  for (const Festival& f : country.festivals) {
    if (f.id == festival.id) return "id " + festival.id + " twice in " + country.name;
  }
  if (auto why = RuleReader(Tokens(fields[1])).Read(festival.rule, false)) return why;
  for (int l = 0; l < kLanguageCount; ++l) {
    if (fields[static_cast<size_t>(2 + l)].empty())
      return "no name in " + std::string(LanguageTag(static_cast<Language>(l)));
    festival.names[static_cast<size_t>(l)] = std::string(fields[static_cast<size_t>(2 + l)]);
  }
  country.festivals.push_back(std::move(festival));
  return std::nullopt;
}

// The civil day an instant may have in other tables: the one across its nearest midnight.
int32_t OtherDay(double cjdc) { return JdnOf(cjdc) + (cjdc - std::floor(cjdc) < 0.5 ? -1 : 1); }

DecidingInstant Deciding(double cjdc) {
  DecidingInstant d;
  d.cjdc = cjdc;
  const double f = cjdc - std::floor(cjdc);
  d.offsetSeconds = (f < 0.5 ? f : f - 1) * 86400;
  d.uncertaintySeconds = CivilTimeUncertaintySeconds(InstantKind::kSolarTerm, CeYearOfJdn(JdnOf(cjdc)));
  return d;
}

// Term k = 1..24 (1 = the winter solstice) of a solar longitude that is a multiple of 15.
int TermOfLongitude(double longitude) {
  return (static_cast<int>(std::lround(longitude)) + 90) % 360 / 15 + 1;
}

// The days of one year's rules, with the term tables of the years they need built once.
class YearDays {
 public:
  YearDays(Reckoner& reckoner, int32_t year) : r_(reckoner), year_(year) {}

  struct Result {
    int32_t jdn = 0;
    std::optional<DecidingInstant> anchor;  // set when the anchor's other civil day moves the day
    std::optional<Reckoner::DayMargins> margins;
  };

  std::optional<Result> Day(const FestivalRule& rule) {
    if (rule.kind == FestivalRuleKind::kLunar || rule.kind == FestivalRuleKind::kLunarLast)
      return Lunar(rule);
    const double cjdc = AnchorInstant(rule.anchor);
    Result result;
    result.jdn = FromAnchorDay(rule, JdnOf(cjdc));
    const DecidingInstant instant = Deciding(cjdc);
    if (instant.uncertain() && FromAnchorDay(rule, OtherDay(cjdc)) != result.jdn) result.anchor = instant;
    return result;
  }

  // The instant at the meridian of a term (from the term tables) or of the Sun at a longitude.
  double AnchorInstant(const FestivalAnchor& anchor) {
    const int32_t y = year_ + anchor.yearOffset;
    if (anchor.term) {
      const int k = TermOfLongitude(anchor.longitude);
      // Sui y opens with the winter solstice of December y - 1 (entry 24); the solstice of
      // December y opens sui y + 1 (entry 48).
      return TermTable(y).entry[static_cast<size_t>(k == 1 ? 48 : 24 + k - 1)].cjdc;
    }
    // Any estimate within half a year finds the instant: the Sun is near 280° on 1 January.
    const double jan1 = JdnOfCeDate(y, 1, 1) - 0.5;
    const double near = jan1 + std::fmod(anchor.longitude - 280 + 360, 360) / 360 * 365.2422;
    const double tt = astro::solar_longitude_time(anchor.longitude * std::numbers::pi / 180, near);
    // Universal Time as the term tables take it: Delta T of the CE year.
    return CjdcFromAjd(tt - astro::deltat(y) / 1440, r_.ReferenceDegrees());
  }

 private:
  static int32_t FromAnchorDay(const FestivalRule& rule, int32_t a) {
    auto mod = [](int x, int n) { return ((x % n) + n) % n; };
    switch (rule.kind) {
      case FestivalRuleKind::kAnchorDay: return a + rule.offset;
      case FestivalRuleKind::kNinePeriod: return a + 9 * (rule.count - 1);
      case FestivalRuleKind::kStemDay:
        return a + mod(rule.cyclic - StemOfPosition(DayPosition(a)), 10) + 10 * (rule.count - 1);
      case FestivalRuleKind::kBranchDay:
        return a + mod(rule.cyclic - BranchOfPosition(DayPosition(a)), 12) + 12 * (rule.count - 1);
      default: return a;
    }
  }

  std::optional<Result> Lunar(const FestivalRule& rule) {
    ChlDate d;
    d.epoch = r_.Epoch();
    d.cycle = CycleOf(year_, d.epoch);
    d.position = PositionOf(year_);
    d.month = rule.month;
    d.day = rule.kind == FestivalRuleKind::kLunar ? rule.day : 1;
    d.leap = 0;
    if (r_.ChlToDay(d) != kChlValid) return std::nullopt;
    Result result;
    result.jdn = d.jdn;
    if (rule.kind == FestivalRuleKind::kLunarLast) {
      const int length = r_.ChlMonthLength(d);
      if (length < 29) return std::nullopt;
      result.jdn += length - 1;
    }
    result.jdn += rule.offset;
    Reckoner::DayMargins margins;
    if (r_.MarginsOfDay(result.jdn, margins)) result.margins = margins;
    return result;
  }

  const SolarTermTable& TermTable(int32_t y) {
    auto it = tables_.find(y);
    if (it == tables_.end()) {
      it = tables_.emplace(y, SolarTermTable{}).first;
      r_.ephemeris().BuildSolarTermTable(JdnOfCeDate(y, 7, 1), kTrueSun, r_.ReferenceDegrees(), it->second);
    }
    return it->second;
  }

  Reckoner& r_;
  int32_t year_;
  std::map<int32_t, SolarTermTable> tables_;
};

// The day of a festival in the year of year_days, nothing when its rule or bound gives none.
std::optional<FestivalDay> DayOfFestival(YearDays& year_days, const Festival& festival, int32_t year) {
  const FestivalRule& rule = festival.rule;
  const auto day = year_days.Day(rule);
  if (!day) return std::nullopt;
  if (rule.before) {
    const auto bound = year_days.Day(*rule.before);
    if (!bound || day->jdn >= bound->jdn) return std::nullopt;
  }
  FestivalDay f;
  f.festival = &festival;
  f.year = year;
  f.jdn = day->jdn;
  f.lastJdn = day->jdn + rule.spanDays - 1;
  if (rule.spanUntil) {
    if (const auto end = year_days.Day(*rule.spanUntil); end && end->jdn > day->jdn) f.lastJdn = end->jdn - 1;
  }
  if (day->anchor) {
    f.anchor = day->anchor;
    f.anchorLongitude = rule.anchor.longitude;
  }
  if (day->margins) {
    if (day->margins->month.uncertain()) f.month = day->margins->month;
    // A month's last day ends with the next month's first.
    if (day->margins->nextBeginsTomorrow && day->margins->next.newMoon.uncertain())
      f.nextMonth = day->margins->next;
  }
  return f;
}

}  // namespace

const FestivalCountry* FestivalTable::Country(mirvo::Country country) const {
  for (const auto& c : countries) {
    if (c.country == country) return &c;
  }
  return nullptr;
}

const FestivalCountry* FestivalTable::Country(std::string_view name) const {
  for (const auto& c : countries) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

FestivalTableRead ParseFestivalTable(std::string_view text) {
  FestivalTable table;
  int lineNumber = 0;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark an editor added
  for (std::string_view line : Split(text, '\n')) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::optional<std::string> why;
    if (line.front() == '[')
      why = ReadCountryLine(line, table);
    else if (table.countries.empty())
      why = "a festival before the first [country]";
    else
      why = ReadFestivalLine(line, table.countries.back());
    if (why) return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + *why};
  }
  return {std::move(table), ""};
}

FestivalTableRead LoadFestivalTable(const std::string& dataFolder) {
  const std::string path = dataFolder + "/" + kFestivalFileName;
  const FileContent file = ReadRegularFile(path, kMaxFileBytes);
  if (file.status != FileContent::kRead) {
    return {std::nullopt, path + ": " +
                              (file.status == FileContent::kMissing      ? "missing"
                               : file.status == FileContent::kNotRegular ? "not a regular file"
                               : file.status == FileContent::kTooLarge   ? "too large"
                                                                         : file.reason)};
  }
  FestivalTableRead read = ParseFestivalTable(file.bytes);
  if (!read.table) read.error = path + ": " + read.error;
  return read;
}

bool FestivalDay::uncertain() const {
  return anchor || (month && month->uncertain()) || (nextMonth && nextMonth->newMoon.uncertain());
}

std::vector<FestivalDay> FestivalDaysOfYear(Reckoner& reckoner, const FestivalCountry& country,
                                            int32_t year) {
  std::vector<FestivalDay> days;
  // The term tables and the ephemeris need a few years either side.
  if (year <= Reckoner::kMinChineseYear + 2 || year >= Reckoner::kMaxChineseYear - 2) return days;
  YearDays year_days(reckoner, year);
  for (const Festival& festival : country.festivals) {
    if (auto day = DayOfFestival(year_days, festival, year)) days.push_back(*day);
  }
  std::stable_sort(days.begin(), days.end(),
                   [](const FestivalDay& a, const FestivalDay& b) { return a.jdn < b.jdn; });
  return days;
}

std::vector<FestivalOnDay> FestivalsOfDay(Reckoner& reckoner, const FestivalCountry& country, int32_t jdn) {
  std::vector<FestivalOnDay> found;
  const int32_t y = CeYearOfJdn(jdn);
  // A festival of the year before may fall in this one (the end of a lunar year, 九九); none of
  // the next year's falls before it begins.
  for (int32_t year = y - 1; year <= y; ++year) {
    for (FestivalDay& day : FestivalDaysOfYear(reckoner, country, year)) {
      if (jdn >= day.jdn && jdn <= day.lastJdn) found.push_back({day, static_cast<int>(jdn - day.jdn) + 1});
    }
  }
  return found;
}

std::string FestivalDayName(Language language, const Festival& festival, int dayOfPeriod) {
  const std::string& name = festival.name(language);
  if (dayOfPeriod <= 1) return name;
  const std::string n = std::to_string(dayOfPeriod);
  switch (language) {
    case Language::kSimplifiedChinese:
    case Language::kTraditionalChinese: return name + "第" + n + "天";
    case Language::kJapanese: return name + n + "日目";
    case Language::kKorean: return name + " " + n + "일째";
    case Language::kVietnamese: return name + ", ngày thứ " + n;
    default: return name + ", day " + n;
  }
}

std::string UncertainFestivalNote(const FestivalDay& day) {
  std::string note;
  if (day.anchor) {
    const DecidingInstant& a = *day.anchor;
    const bool term = day.festival && day.festival->rule.anchor.term;
    std::string what;
    if (term) {
      what = "solar term " + std::string(TermCode(TermOfLongitude(day.anchorLongitude)));
    } else {
      char degrees[32];
      std::snprintf(degrees, sizeof degrees, "%g", day.anchorLongitude);
      what = std::string("the Sun at ") + degrees + "°";
    }
    note = "day: " + what + " " + MarginText(a.marginSeconds()) +
           (a.offsetSeconds < 0 ? " before midnight" : " after midnight");
  }
  if (day.month || day.nextMonth) {
    const std::string month = day.nextMonth
                                  ? UncertainMonthPageNote(day.month.value_or(MonthMargin{}), *day.nextMonth)
                                  : UncertainMonthNote(*day.month);
    if (!month.empty()) note += (note.empty() ? "" : "; ") + month;
  }
  return note;
}

}  // namespace mirvo
