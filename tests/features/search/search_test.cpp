#include "features/search/SearchRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr int kLongitude = 120;

int32_t Day(int y, int m, int d) { return JdnOfCeDate(y, m, d); }
double Noon(int y, int m, int d) { return NoonOfDay(Day(y, m, d), kLongitude); }

struct Searcher {
  Reckoner reckoner;
  RecordingMessages messages;
  MainRules rules{reckoner, &messages, nullptr};
  SearchRules search{rules};

  std::optional<double> Find(int target, bool next, double from) {
    rules.SetCurrentAjd(from);
    return search.Find(target, next).ajd;
  }
  std::string Message() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
  Ephemeris& eph() { return reckoner.ephemeris(); }
};

TEST(EventSearch, MoonPhasesFromAndNearTheirOwnInstant) {
  Searcher s;
  const int32_t n = s.eph().LunationAt(Noon(2024, 6, 1));
  const double full = s.eph().SyzygyUt(n, 2);
  const double firstQuarter = s.eph().SyzygyUt(n, 1);
  struct Case {
    int target;
    bool next;
    double from;
    double expected;
  };
  const Case cases[] = {
      {kTargetFullMoon, true, full, s.eph().SyzygyUt(n + 1, 2)},
      {kTargetFullMoon, false, full, s.eph().SyzygyUt(n - 1, 2)},
      {kTargetFullMoon, false, full + 3 * kSecond, s.eph().SyzygyUt(n - 1, 2)},  // still "exactly"
      {kTargetFullMoon, false, full + 10 * kSecond, full},
      {kTargetFullMoon, true, full - 10 * kSecond, full},
      {kTargetDarkMoon, true, full, s.eph().SyzygyUt(n + 1, 0)},
      {kTargetDarkMoon, false, full, s.eph().SyzygyUt(n, 0)},
      {kTargetDarkMoon, false, s.eph().SyzygyUt(n, 0), s.eph().SyzygyUt(n - 1, 0)},
      {kTargetLunarQuarter, false, (firstQuarter + full) / 2, firstQuarter},
      {kTargetLunarQuarter, false, full, firstQuarter},
      {kTargetLunarQuarter, true, full, s.eph().SyzygyUt(n, 3)},
      {kTargetLunarQuarter, false, s.eph().SyzygyUt(n, 0), s.eph().SyzygyUt(n - 1, 3)},
      {kTargetLunarQuarter, true, s.eph().SyzygyUt(n, 3), s.eph().SyzygyUt(n + 1, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(s.Find(c.target, c.next, c.from), c.expected)
        << SearchTargetName(c.target) << (c.next ? " next from " : " previous from ") << c.from;
  }
}

// 2023 has the leap month 2* (2023-03-22 .. 2023-04-19); its new year's day was 2023-01-22, the
// next 2024-02-10 and the one before 2022-02-01.
TEST(EventSearch, LunarNewYearFromItsOwnDayAndFromALeapMonth) {
  Searcher s;
  struct Case {
    double from;
    bool next;
    double expected;
  };
  const Case cases[] = {
      {Noon(2023, 1, 22), false, Noon(2022, 2, 1)},  {Noon(2023, 1, 23), false, Noon(2023, 1, 22)},
      {Noon(2023, 1, 22), true, Noon(2024, 2, 10)},  {Noon(2023, 3, 1), false, Noon(2023, 1, 22)},  // month 2
      {Noon(2023, 3, 22), false, Noon(2023, 1, 22)},                                                // 2*-01
      {Noon(2023, 3, 22), true, Noon(2024, 2, 10)},  {Noon(2023, 4, 10), true, Noon(2024, 2, 10)},
  };
  for (const Case& c : cases) EXPECT_EQ(s.Find(kTargetLunarNewYear, c.next, c.from), c.expected) << c.from;
}

TEST(EventSearch, SolsticesAndTermsAreSkippedFromTheirOwnInstant) {
  Searcher s;
  auto solstice = [&](int year) {
    return AjdFromCjdc(s.eph().DecemberSolsticeCjdc(year, kLongitude), kLongitude);
  };
  EXPECT_EQ(s.Find(kTargetWinterSolstice, true, solstice(2023)), solstice(2024));
  EXPECT_EQ(s.Find(kTargetWinterSolstice, false, solstice(2023)), solstice(2022));
  EXPECT_EQ(s.Find(kTargetWinterSolstice, false, solstice(2023) + 2 * kSecond), solstice(2023));
  const double march = AjdFromCjdc(s.eph().QuarterPointCjdc(kMarchEquinox, 2024, kLongitude), kLongitude);
  const double june = AjdFromCjdc(s.eph().QuarterPointCjdc(kJuneSolstice, 2024, kLongitude), kLongitude);
  EXPECT_EQ(s.Find(kTargetVernalEquinox, true, solstice(2023)), march);
  EXPECT_EQ(s.Find(kTargetSolsticeOrEquinox, true, march), june);
  EXPECT_EQ(s.Find(kTargetSummerSolstice, false, march),
            AjdFromCjdc(s.eph().QuarterPointCjdc(kJuneSolstice, 2023, kLongitude), kLongitude));
}

// Only the instant a search starts from is passed over: half a second before or after a term (at
// a sui's boundary or inside it, in any era) the search finds that term.
TEST(EventSearch, TermsHalfASecondAwayAreFound) {
  Searcher s;
  for (int year : {2024, -2000, 2900}) {
    for (int i : {24, 25, 47}) {
      s.reckoner.BuildYearTables(Day(year, 6, 1));
      const double term =
          AjdFromCjdc(s.reckoner.solarTermTable().entry[static_cast<size_t>(i)].cjdc, kLongitude);
      EXPECT_EQ(s.Find(kTargetSolarTerm, true, term - 0.5 * kSecond), term) << year << " entry " << i;
      EXPECT_EQ(s.Find(kTargetSolarTerm, false, term + 0.5 * kSecond), term) << year << " entry " << i;
    }
  }
}

// Every term takes the Delta T of its quarter point's year, so the tables of two neighbouring
// years give the same term at the same instant, even in remote eras where Delta T changes by tens
// of seconds a year. Walking back and forth over the solstice, every search moves on to the
// neighbouring term, as the term's own sui gives it.
TEST(EventSearch, SolarTermsNeverStandStillBetweenTheTablesOfTwoYears) {
  Searcher s;
  auto ownTable = [&](double ajd, int term) {
    s.reckoner.BuildYearTables(CjdcFromAjd(ajd, kLongitude));
    return AjdFromCjdc(s.reckoner.solarTermTable().entry[static_cast<size_t>(23 + term)].cjdc, kLongitude);
  };
  int disagreements = 0;
  for (int year = -2990; year <= 2990; year += 230) {
    s.reckoner.BuildYearTables(Day(year, 6, 1));
    const double inLater = s.reckoner.solarTermTable().entry[23].cjdc;
    s.reckoner.BuildYearTables(Day(year - 1, 6, 1));
    disagreements += std::abs(s.reckoner.solarTermTable().entry[47].cjdc - inLater) > kSecond;

    const double solstice = AjdFromCjdc(s.eph().DecemberSolsticeCjdc(year - 1, kLongitude), kLongitude);
    for (bool next : {false, true}) {
      double at = solstice + (next ? -1 : 1) * 60 * kSecond;
      for (int k = 0; k < 3; ++k) {
        const std::optional<double> found = s.Find(kTargetSolarTerm, next, at);
        ASSERT_TRUE(found);
        if (k > 0) {
          EXPECT_GT(std::abs(*found - at), 13) << year << (next ? " next " : " previous ") << k;
        }
        s.rules.SetCurrentAjd(*found);
        const ChsDate term = s.rules.display().chs;
        EXPECT_EQ(*found, ownTable(*found, term.term)) << year << " term " << term.term;
        at = *found;
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
}

// From 2000-01-01, 100 searches of each kind land exactly on the core's own instants and months.
TEST(EventSearch, HundredEventsFromTwoThousandAreThoseOfTheCoreTables) {
  Searcher s;
  const double start = Noon(2000, 1, 1);
  for (int target : {kTargetFullMoon, kTargetDarkMoon}) {
    const int phase = target == kTargetFullMoon ? 2 : 0;
    int32_t n = s.eph().LunationAt(start);
    if (s.eph().SyzygyUt(n, phase) <= start) ++n;
    double at = start;
    for (int k = 0; k < 100; ++k, ++n) {
      const std::optional<double> found = s.Find(target, true, at);
      ASSERT_EQ(found, s.eph().SyzygyUt(n, phase)) << SearchTargetName(target) << " " << k;
      at = *found;
    }
  }

  // The terms of each sui as its own table gives them (entries 24..47), sui after sui.
  std::vector<double> terms;
  for (int32_t sui = 2000; terms.size() < 101; ++sui) {
    s.reckoner.BuildYearTables(Day(sui - 1, 6, 1));
    for (int i = 24; i < 48; ++i) {
      const SolarTermEntry& e = s.reckoner.solarTermTable().entry[static_cast<size_t>(i)];
      if (e.cjdc > CjdcFromAjd(start, kLongitude)) terms.push_back(AjdFromCjdc(e.cjdc, kLongitude));
    }
  }
  double at = start;
  for (int k = 0; k < 100; ++k) {
    const std::optional<double> found = s.Find(kTargetSolarTerm, true, at);
    ASSERT_EQ(found, terms[static_cast<size_t>(k)]) << "term " << k;
    at = *found;
  }

  // The first days of the leap months in the month tables.
  std::set<int32_t> leapDays;
  for (int year = 2000; leapDays.size() < 102; ++year) {
    s.reckoner.BuildYearTables(Day(year, 6, 1));
    for (const LunarMonth& m : s.reckoner.lunarMonthTable().months) {
      if (m.leap && m.day > Day(2000, 1, 1)) leapDays.insert(m.day);
    }
  }
  at = start;
  auto leap = leapDays.begin();
  for (int k = 0; k < 100; ++k, ++leap) {
    const std::optional<double> found = s.Find(kTargetIntercalaryMonth, true, at);
    ASSERT_EQ(found, NoonOfDay(*leap, kLongitude)) << "leap month " << k;
    at = *found;
  }
}

// A dark or full moon on the civil day a term begins: the oracle walks the lunations and compares
// each syzygy's day at the meridian with the days of the term tables (entry 24 of a sui's table
// is its winter solstice, every sixth entry a solstice or an equinox).
TEST(EventSearch, SyzygiesOnTermDaysAreTheFirstTheTablesAllow) {
  Searcher s;
  std::set<int32_t> anyTerm, quarterPoint, winterSolstice;
  for (int32_t sui = 1995; sui <= 2040; ++sui) {
    s.reckoner.BuildYearTables(Day(sui - 1, 6, 1));
    for (int i = 24; i < 48; ++i) {
      const int32_t day = JdnOf(s.reckoner.solarTermTable().entry[static_cast<size_t>(i)].cjdc);
      anyTerm.insert(day);
      if (i % 6 == 0) quarterPoint.insert(day);
      if (i == 24) winterSolstice.insert(day);
    }
  }
  struct Case {
    int target;
    int phase;
    const std::set<int32_t>& days;
  };
  const Case cases[] = {{kTargetTermDarkMoon, 0, anyTerm},
                        {kTargetTermFullMoon, 2, anyTerm},
                        {kTargetWinterSolsticeDarkMoon, 0, winterSolstice},
                        {kTargetSolsticeEquinoxDarkMoon, 0, quarterPoint},
                        {kTargetSolsticeEquinoxFullMoon, 2, quarterPoint}};
  for (const Case& c : cases) {
    for (const bool next : {true, false}) {
      const double from = next ? Noon(2001, 1, 1) : Noon(2034, 1, 1);
      int32_t n = s.eph().LunationAt(from);
      double expected = s.eph().SyzygyUt(n, c.phase);
      while ((next ? expected <= from : expected >= from) ||
             !c.days.contains(JdnOf(CjdcFromAjd(expected, kLongitude)))) {
        n += next ? 1 : -1;
        expected = s.eph().SyzygyUt(n, c.phase);
      }
      EXPECT_EQ(s.Find(c.target, next, from), expected)
          << SearchTargetName(c.target) << (next ? " next" : " previous");
    }
  }
}

TEST(EventSearch, ElementAnimalDaysMonthsAndYearsNeverTheCurrentOne) {
  Searcher s;
  s.rules.SetSearchTarget(kTargetElementAnimalDay);
  for (int32_t start = Day(2024, 1, 1); start < Day(2024, 1, 1) + 130; start += 13) {
    const int p = DayPosition(start);
    struct Choice {
      int element, animal, maxDays;
    };
    for (const Choice c : {Choice{kNoElementEntry, AnimalOfPosition(p), 12},
                           Choice{ElementOfPosition(p), AnimalOfPosition(p), 60},
                           Choice{(ElementOfPosition(p) + 2) % 5, kNoAnimalEntry, 10}}) {
      s.rules.entry().element = c.element;
      s.rules.entry().animal = c.animal;
      for (bool next : {true, false}) {
        const std::optional<double> found =
            s.Find(kTargetElementAnimalDay, next, NoonOfDay(start, kLongitude));
        ASSERT_TRUE(found);
        const int32_t day = JdnOf(CjdcFromAjd(*found, kLongitude));
        const int distance = next ? day - start : start - day;
        EXPECT_GE(distance, 1);
        EXPECT_LE(distance, c.maxDays);
        EXPECT_TRUE(c.element == kNoElementEntry || ElementOfPosition(DayPosition(day)) == c.element);
        EXPECT_TRUE(c.animal == kNoAnimalEntry || AnimalOfPosition(DayPosition(day)) == c.animal);
      }
    }
  }

  // The month and the year of the start's own pair: the next and previous of that pair.
  const double start = Noon(2024, 3, 20);  // 2024 month 2, jia-chen year
  s.rules.SetCurrentAjd(start);
  const ChlDate current = s.rules.display().chl;
  const auto [monthElement, monthAnimal] = MonthElementAnimal(current);
  s.rules.entry().element = monthElement;
  s.rules.entry().animal = monthAnimal;
  for (bool next : {true, false}) {
    const std::optional<double> month = s.Find(kTargetElementAnimalMonth, next, start);
    ASSERT_TRUE(month);
    s.rules.SetCurrentAjd(*month);
    const ChlDate found = s.rules.display().chl;
    EXPECT_EQ(found.day, 1);
    EXPECT_EQ(MonthElementAnimal(found), MonthElementAnimal(current));
    EXPECT_NEAR(std::abs(*month - start), 5 * 365.25, 200) << "the pair comes back after 60 months";
  }
  s.rules.entry().element = ElementOfPosition(current.position);
  s.rules.entry().animal = AnimalOfPosition(current.position);
  EXPECT_EQ(s.Find(kTargetElementAnimalYear, true, start), Noon(2084, 2, 6));
  EXPECT_EQ(s.Find(kTargetElementAnimalYear, false, start), Noon(1964, 2, 13));
}

TEST(EventSearch, IntercalaryMonthFromTheFirstDayOfALeapMonth) {
  Searcher s;
  EXPECT_EQ(s.Find(kTargetIntercalaryMonth, true, Noon(2023, 3, 22)), Noon(2025, 7, 25));   // 6*
  EXPECT_EQ(s.Find(kTargetIntercalaryMonth, false, Noon(2023, 3, 22)), Noon(2020, 5, 23));  // 4*
}

TEST(EventSearch, FailuresSayWhyAndLeaveTheInstant) {
  Searcher s;
  for (int target : {kTargetElementAnimalDay, kTargetElementAnimalMonth, kTargetElementAnimalYear}) {
    s.rules.SetSearchTarget(target);
    EXPECT_FALSE(s.Find(target, true, Noon(2024, 1, 1)));
    EXPECT_EQ(s.Message(), "You must specify an element, an animal or both.");
    EXPECT_EQ(s.messages.shown.back().title, "Error");
  }
  EXPECT_TRUE(s.Find(kTargetTripleCoincidence, true, Noon(2024, 1, 1)));

  // Nothing beyond the admitted range: the next new year after the last admitted day.
  EXPECT_FALSE(s.Find(kTargetLunarNewYear, true, Noon(2999, 12, 31)));
  EXPECT_EQ(s.Message(), "Date is later than 3000-01-01 CE.");
  EXPECT_FALSE(s.Find(kTargetIntercalaryMonth, false, Noon(-2999, 1, 10)));
  EXPECT_EQ(s.Message(), "Date is earlier than -3000-01-01 CE.");

  // The command: the typed date is adopted, a failure keeps it and recomputes nothing.
  s.rules.SetSearchTarget(kTargetElementAnimalYear);
  s.rules.SetCurrentAjd(Noon(2024, 1, 1));
  s.rules.entry().date = "2020-05-05 CE";
  const SearchResult failed = s.search.Search();
  EXPECT_EQ(failed.outcome, SearchOutcome::kFailed);
  EXPECT_EQ(failed.refusal,
            (Refusal{"Error", "You must specify an element, an animal or both.", MessageIcon::kWarning}));
  EXPECT_EQ(s.rules.currentAjd(), AjdFromCjdl(Day(2020, 5, 5) + 0.5));
  s.rules.entry().date = "2020-02-30 CE";
  const SearchResult refused = s.search.Search();
  EXPECT_EQ(refused.outcome, SearchOutcome::kRefused);
  ASSERT_TRUE(refused.refusal);
  EXPECT_EQ(refused.refusal->text, s.Message());
}

TEST(EventSearch, CommandShowsTheFoundInstantWithItsRows) {
  Searcher s;
  s.rules.SetShowCjds(true);
  s.rules.SetSearchTarget(kTargetIntercalaryMonth);
  s.rules.entry().calendar = kCalCE;
  s.rules.SetCurrentAjd(Noon(2023, 3, 22));
  s.rules.MarkSaved(true);
  ASSERT_EQ(s.search.Search().outcome, SearchOutcome::kFound);
  EXPECT_EQ(s.rules.currentAjd(), Noon(2025, 7, 25));
  EXPECT_EQ(s.rules.display().ajd, Noon(2025, 7, 25));
  EXPECT_EQ(s.rules.entry().calendar, kCalCHL);
  EXPECT_TRUE(s.rules.settings().showCjds);
  EXPECT_TRUE(s.rules.unsaved());

  // "Same element-animal day and month": the day and month rows take the current pairs.
  s.rules.SetSearchTarget(kTargetSameDayAndMonth);
  s.rules.SetMultipleRow(kYearRow, 0, 0);
  ASSERT_EQ(s.search.Search().outcome, SearchOutcome::kMultipleWindow);
  const ElementAnimalRows rows = s.search.MultipleRows();
  const int day = DayPosition(Day(2025, 7, 25));
  EXPECT_EQ(rows.element[kDayRow], ElementOfPosition(day));
  EXPECT_EQ(rows.animal[kDayRow], AnimalOfPosition(day));
  EXPECT_EQ(rows.animal[kMonthRow], 7);  // month 6: sheep
  EXPECT_FALSE(rows.IsSet(kYearRow));
  s.search.FinishMultiple(true, 0);
  EXPECT_EQ(s.rules.currentAjd(), Noon(2025, 7, 25));
  EXPECT_FALSE(s.rules.settings().showCjds);
  s.search.FinishMultiple(false, Day(2030, 1, 1));
  EXPECT_EQ(s.rules.currentAjd(), Noon(2030, 1, 1));

  s.rules.SetShowCjds(true);
  s.rules.SetSearchTarget(kTargetTripleCoincidence);
  ASSERT_EQ(s.search.Search().outcome, SearchOutcome::kFound);
  EXPECT_FALSE(s.rules.settings().showCjds);
}

}  // namespace
}  // namespace mirvo
