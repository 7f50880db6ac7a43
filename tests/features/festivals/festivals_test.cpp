// The festival table shipped in data/: published days of 2024 and 2025, each also checked against
// the calendar's own month and term tables by walking the days (so that a wrong rule cannot hide
// behind a right date), and every festival of 1901-2100 once a year in every country.
#include <gtest/gtest.h>

#include <map>
#include <numbers>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/names/NativeDate.h"
#include "features/festivals/Festivals.h"
#include "features/tables/MainTables.h"
#include "platform/astro/Astro.h"
#include "platform/astro/DeltaT.h"

namespace mirvo {
namespace {

const FestivalTable& Table() {
  static const FestivalTable table = [] {
    auto read = LoadFestivalTable(MIRVO_TEST_DATA_DIR "/../../data");
    EXPECT_TRUE(read.table) << read.error;
    return std::move(read.table).value_or(FestivalTable{});
  }();
  return table;
}

int32_t Jdn(const char* iso) {
  int y = 0, m = 0, d = 0;
  std::sscanf(iso, "%d-%d-%d", &y, &m, &d);
  return JdnOfCeDate(y, m, d);
}

const FestivalDay* Find(const std::vector<FestivalDay>& days, const std::string& id) {
  for (const auto& d : days) {
    if (d.festival->id == id) return &d;
  }
  return nullptr;
}

ChlDate Lunar(Reckoner& r, int32_t jdn) {
  ChlDate chl;
  r.DayToChl(jdn, r.Epoch(), chl);
  return chl;
}

// The day the term (1 = winter solstice … 4 立春, 13 夏至, 16 立秋) falls on at or before jdn,
// found by walking back through the calendar's own term days.
int32_t TermDayAtOrBefore(Reckoner& r, int term, int32_t jdn) {
  while (SolarTermOfDay(r, jdn) != term) --jdn;
  return jdn;
}

// Whether the Sun's apparent longitude passes `degrees` during the civil day at the meridian.
bool SunPassesDuring(int32_t jdn, double degrees, int longitude) {
  auto lon = [&](double cjdc) {
    const double ut = AjdFromCjdc(cjdc, longitude);
    return astro::sun_app(ut + astro::deltat(CeYearOfJdn(jdn)) / 1440) * 180 / std::numbers::pi;
  };
  const double a = lon(jdn), b = lon(jdn + 1.0);
  return a < degrees && degrees <= b;
}

// How many days from `from` to `to` (both included) have the stem (or branch).
int CountCyclic(int32_t from, int32_t to, bool stem, int value) {
  int n = 0;
  for (int32_t d = from; d <= to; ++d) {
    n += (stem ? StemOfPosition(DayPosition(d)) : BranchOfPosition(DayPosition(d))) == value;
  }
  return n;
}

struct Published {
  const char* country;
  const char* id;
  int year;
  const char* date;
};

TEST(Festivals, PublishedDaysAgreeWithTheMonthAndTermTables) {
  const Published cases[] = {
      {"china", "chufu", 2024, "2024-07-15"},         {"china", "zhongfu", 2024, "2024-07-25"},
      {"china", "mofu", 2024, "2024-08-14"},          {"china", "shujiu-1", 2024, "2024-12-21"},
      {"china", "chuxi", 2024, "2025-01-28"},         {"japan", "setsubun", 2024, "2024-02-03"},
      {"japan", "setsubun", 2025, "2025-02-02"},      {"japan", "hachijuhachiya", 2024, "2024-05-01"},
      {"japan", "ushi-summer-1", 2024, "2024-07-24"}, {"japan", "ushi-summer-2", 2024, "2024-08-05"},
      {"japan", "nihyakutoka", 2024, "2024-08-31"},   {"vietnam", "hung-kings", 2024, "2024-04-18"},
      {"korea", "chuseok", 2024, "2024-09-17"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.country) + " " + c.id);
    const FestivalCountry* country = Table().Country(c.country);
    ASSERT_NE(country, nullptr);
    Reckoner r;
    r.SetReferenceLongitude(country->longitude);
    const auto days = FestivalDaysOfYear(r, *country, c.year);
    const FestivalDay* day = Find(days, c.id);
    ASSERT_NE(day, nullptr);
    const int32_t jdn = Jdn(c.date);
    EXPECT_EQ(day->jdn, jdn);
    const std::string id = c.id;
    if (id == "chufu" || id == "zhongfu") {  // the 3rd and 4th 庚 day from the day of 夏至
      const int32_t summer = TermDayAtOrBefore(r, 13, jdn);
      EXPECT_EQ(CountCyclic(jdn, jdn, true, 7), 1);
      EXPECT_EQ(CountCyclic(summer, jdn, true, 7), id == "chufu" ? 3 : 4);
    } else if (id == "mofu") {  // the 1st 庚 day from the day of 立秋
      EXPECT_EQ(CountCyclic(jdn, jdn, true, 7), 1);
      EXPECT_EQ(CountCyclic(TermDayAtOrBefore(r, 16, jdn), jdn, true, 7), 1);
      EXPECT_EQ(day->lastJdn, jdn + 9);
      EXPECT_EQ(Find(days, "zhongfu")->lastJdn, jdn - 1);  // 中伏 runs until 末伏
    } else if (id == "shujiu-1") {                         // opens nine days on the day of 冬至
      EXPECT_EQ(SolarTermOfDay(r, jdn), 1);
      EXPECT_EQ(day->lastJdn, jdn + 8);
    } else if (id == "chuxi") {  // the last day of a 29-day month 12
      const ChlDate eve = Lunar(r, jdn), next = Lunar(r, jdn + 1);
      EXPECT_EQ(eve.month, 12);
      EXPECT_EQ(eve.leap, 0);
      EXPECT_EQ(eve.day, 29);
      EXPECT_EQ(next.month * 100 + next.day, 101);
    } else if (id == "setsubun") {  // the day before 立春
      EXPECT_EQ(SolarTermOfDay(r, jdn + 1), 4);
    } else if (id == "hachijuhachiya" || id == "nihyakutoka") {  // 立春 counted as the first day
      EXPECT_EQ(SolarTermOfDay(r, jdn - (id == "hachijuhachiya" ? 87 : 209)), 4);
    } else if (id.starts_with("ushi-summer")) {  // 丑 days from 土用の入り (117°) before 立秋
      int32_t entry = jdn;
      while (!SunPassesDuring(entry, 117, country->longitude)) --entry;
      EXPECT_EQ(Find(days, "doyo-summer")->jdn, entry);
      EXPECT_EQ(CountCyclic(jdn, jdn, false, 2), 1);
      EXPECT_EQ(CountCyclic(entry, jdn, false, 2), id == "ushi-summer-1" ? 1 : 2);
      EXPECT_LT(jdn, TermDayAtOrBefore(r, 16, jdn + 30));
    } else {  // lunar dates in the ordinary month
      const ChlDate chl = Lunar(r, jdn);
      EXPECT_EQ(chl.leap, 0);
      EXPECT_EQ(chl.month * 100 + chl.day, id == "hung-kings" ? 310 : 815);
    }
  }
}

// Every festival once a year (a second day of the Ox only in the years its Doyō holds one); lunar
// festivals on their date in the ordinary month, never in a leap month of that number; seasonal
// days on the days their rules name, checked against the calendar's term days.
TEST(Festivals, EveryFestivalOnceAYear1901To2100) {
  ASSERT_EQ(Table().countries.size(), kAllCountries.size());
  for (const FestivalCountry& country : Table().countries) {
    SCOPED_TRACE(country.name);
    EXPECT_EQ(country.longitude, CountryOf(country.country).longitude);
    Reckoner r;
    r.SetReferenceLongitude(country.longitude);
    std::map<std::string, int> optionalSeen;
    for (int32_t year = 1901; year <= 2100; ++year) {
      const auto days = FestivalDaysOfYear(r, country, year);
      std::map<std::string, int> count;
      for (size_t i = 0; i < days.size(); ++i) {
        const FestivalDay& d = days[i];
        const FestivalRule& rule = d.festival->rule;
        ++count[d.festival->id];
        if (i > 0) {
          EXPECT_LE(days[i - 1].jdn, d.jdn);
        }
        if (rule.kind == FestivalRuleKind::kLunar || rule.kind == FestivalRuleKind::kLunarLast) {
          const ChlDate chl = Lunar(r, d.jdn - rule.offset), next = Lunar(r, d.jdn - rule.offset + 1);
          ASSERT_EQ(chl.leap, 0) << d.festival->id << " " << year;
          EXPECT_EQ(chl.month, rule.month) << d.festival->id << " " << year;
          EXPECT_EQ(YearFromCycle(chl.cycle, chl.position, r.Epoch()), year);
          if (rule.kind == FestivalRuleKind::kLunar) {
            EXPECT_EQ(chl.day, rule.day) << d.festival->id;
          } else {
            EXPECT_EQ(next.day, 1) << d.festival->id << " " << year;
          }
        } else if (rule.anchor.term && rule.kind == FestivalRuleKind::kAnchorDay) {
          const int term = (static_cast<int>(rule.anchor.longitude) + 90) % 360 / 15 + 1;
          EXPECT_EQ(SolarTermOfDay(r, d.jdn - rule.offset), term) << d.festival->id << " " << year;
          EXPECT_EQ(CeYearOfJdn(d.jdn - rule.offset), year + rule.anchor.yearOffset) << d.festival->id;
        }
      }
      for (const Festival& f : country.festivals) {
        if (f.rule.before) {
          EXPECT_LE(count[f.id], 1) << f.id << " " << year;
          optionalSeen[f.id] += count[f.id];
        } else {
          EXPECT_EQ(count[f.id], 1) << f.id << " " << year;
        }
      }
    }
    for (const auto& [id, seen] : optionalSeen) EXPECT_GT(seen, 0) << id;
  }
}

TEST(Festivals, DaysInsidePeriodsAreCountedAndNamed) {
  struct Case {
    const char* country;
    const char* date;
    Language language;
    const char* name;
  };
  const Case cases[] = {
      {"china", "2024-07-27", Language::kSimplifiedChinese, "中伏第3天"},
      {"china", "2025-01-11", Language::kSimplifiedChinese, "三九第4天"},
      {"japan", "2024-07-24", Language::kJapanese, "夏の土用の丑の日"},
  };
  for (const auto& c : cases) {
    const FestivalCountry& country = *Table().Country(c.country);
    Reckoner r;
    r.SetReferenceLongitude(country.longitude);
    std::vector<std::string> names;
    for (const FestivalOnDay& f : FestivalsOfDay(r, country, Jdn(c.date))) {
      names.push_back(FestivalDayName(c.language, *f.day.festival, f.dayOfPeriod));
    }
    EXPECT_NE(std::find(names.begin(), names.end(), c.name), names.end()) << c.date << " " << c.name;
  }
}

// A day resting on an instant closer to midnight than its uncertainty says so, as month starts do:
// the winter solstice of the year 16 (and the nines counted from it), the 9th month of 2057.
TEST(Festivals, DaysOnUncertainInstantsCarryTheNote) {
  struct Case {
    int year;
    const char* id;
    const char* note;
  };
  const Case cases[] = {
      {16, "dongzhi", "day: solar term Z11 3 minutes before midnight"},
      {16, "shujiu-9", "day: solar term Z11 3 minutes before midnight"},
      {16, "qingming", ""},
      {2057, "chongyang", "first day: new moon 37 seconds after midnight"},
      {2057, "mid-autumn", ""},
  };
  const FestivalCountry& china = *Table().Country("china");
  Reckoner r;
  for (const auto& c : cases) {
    const auto days = FestivalDaysOfYear(r, china, c.year);
    const FestivalDay* day = Find(days, c.id);
    ASSERT_NE(day, nullptr) << c.id;
    EXPECT_EQ(UncertainFestivalNote(*day), c.note) << c.id;
    EXPECT_EQ(day->uncertain(), *c.note != 0) << c.id;
  }
}

TEST(Festivals, BadLinesAreRefusedWithTheirLine) {
  const std::string names = " | a | b | c | d | e | f\n";
  struct Case {
    std::string text;
    const char* error;
  };
  const Case cases[] = {
      {"x | lunar 1 1" + names, "line 1: a festival before the first [country]"},
      {"[1 china 120]\nx | lunar 13 1" + names, "line 2: a lunar month from 1 to 12"},
      {"[1 china 120]\nx | stem 子 1 term 90" + names, "line 2: a stem"},
      {"[1 china 120]\nx | lunar 1 1 | a\n", "line 2: a festival is id | rule |"},
      {"[1 china 120]\nx | lunar 1 1" + names + "x | lunar 1 2" + names, "line 3: id x twice"},
      {"[1 china 120]\nx | lunar 1 1 span" + names, "line 2: span takes"},
      {"[1 china 120]\n[1 korea 127]\n", "line 2: country index 1 twice"},
      {"[1 china 120]\n[3 china 127]\n", "line 2: country china twice"},
  };
  for (const auto& c : cases) {
    const auto read = ParseFestivalTable(c.text);
    EXPECT_FALSE(read.table);
    EXPECT_EQ(read.error.rfind(c.error, 0), 0u) << read.error;
  }
  const auto ok = ParseFestivalTable("[2 japan 135]\nx | branch 丑 2 sun 117 before term 135" + names);
  ASSERT_TRUE(ok.table) << ok.error;
  EXPECT_EQ(ok.table->countries[0].festivals[0].rule.text, "branch 丑 2 sun 117 before term 135");
}

}  // namespace
}  // namespace mirvo
