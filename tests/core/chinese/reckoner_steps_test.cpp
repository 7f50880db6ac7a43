#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo {
namespace {

int32_t Day(int y, int m, int d) { return JdnOfCeDate(y, m, d); }

// A lunar date named by the CE year of its new year.
ChlDate Lunar(int year, int month, int leap, int day) {
  ChlDate d;
  d.cycle = CycleOf(year, Epoch::kOlder);
  d.position = PositionOf(year);
  d.month = month;
  d.leap = leap;
  d.day = day;
  return d;
}

std::string Show(const ChlDate& d) {
  return std::to_string(YearFromCycle(d.cycle, d.position, Epoch::kOlder)) + "-" +
         MonthLabel(d.month, d.leap) + "-" + std::to_string(d.day);
}

// Month lengths used below (120 E): 1983: 12 has 30; 1984: 1 has 30, 10 has 30, 10* 29, 11 30;
// 2023: 2 has 30, 2* 29, 12 has 30; 2024: 1 has 29; 2025: 5 has 29, 6 30, 6* 29, 7 30, 12 29;
// 2033: 11 has 30, 11* 29, 12 30; 2034: 11 has 29.
TEST(ReckonerSteps, ByMonth) {
  struct Case {
    const char* what;
    ChlDate from;
    bool forward, keep30;
    const char* to;
  };
  const Case cases[] = {
      {"6 to the leap month 6*", Lunar(2025, 6, 0, 12), true, false, "2025-6*-12"},
      {"6* to 7", Lunar(2025, 6, 1, 12), true, false, "2025-07-12"},
      {"day 30 into a 29-day leap month", Lunar(2025, 6, 0, 30), true, false, "2025-6*-29"},
      {"keep 30th restores day 30 after a short month", Lunar(2025, 6, 1, 29), true, true, "2025-07-30"},
      {"without keep 30th day 29 stays", Lunar(2025, 6, 1, 29), true, false, "2025-07-29"},
      {"no leap 5*: 5 to 6", Lunar(2025, 5, 0, 29), true, false, "2025-06-29"},
      {"12 to month 1 of the next year", Lunar(2025, 12, 0, 29), true, false, "2026-01-29"},
      {"day 30 into a 29-day month 1", Lunar(2023, 12, 0, 30), true, false, "2024-01-29"},
      {"11 to 11* at the end of 2033", Lunar(2033, 11, 0, 30), true, false, "2033-11*-29"},
      {"11* to 12", Lunar(2033, 11, 1, 29), true, true, "2033-12-30"},
      {"end of a cycle: 1983 (position 60) to 1984", Lunar(1983, 12, 0, 15), true, false, "1984-01-15"},
      {"back from 7 to the leap month 6*", Lunar(2025, 7, 0, 30), false, false, "2025-6*-29"},
      {"back from 6* to 6", Lunar(2025, 6, 1, 29), false, true, "2025-06-30"},
      {"back from 6* to 6 keeps the day", Lunar(2025, 6, 1, 29), false, false, "2025-06-29"},
      {"back from 12 to 11*", Lunar(2033, 12, 0, 30), false, false, "2033-11*-29"},
      {"back from 11* to 11", Lunar(2033, 11, 1, 20), false, false, "2033-11-20"},
      {"back from 11 to 10* in 1984", Lunar(1984, 11, 0, 30), false, false, "1984-10*-29"},
      {"back from 3 to 2* in 2023", Lunar(2023, 3, 0, 29), false, false, "2023-2*-29"},
      {"back from 1 to 12 across the cycle end", Lunar(1984, 1, 0, 30), false, false, "1983-12-30"},
      {"back from 1 to 12 of the previous year", Lunar(2024, 1, 0, 10), false, false, "2023-12-10"},
      // 1403 ends with a leap month 12* of 29 days; 1461 has a leap month 1* of 30 days.
      {"12 to the leap month 12*", Lunar(1403, 12, 0, 10), true, false, "1403-12*-10"},
      {"12* to month 1 of the next year", Lunar(1403, 12, 1, 10), true, false, "1404-01-10"},
      {"back from 1 to 12* before 12", Lunar(1404, 1, 0, 10), false, false, "1403-12*-10"},
      {"back from 1: day 29 of 12* before 12", Lunar(1404, 1, 0, 30), false, false, "1403-12*-29"},
      {"back from 12* to 12", Lunar(1403, 12, 1, 10), false, false, "1403-12-10"},
      {"1 to the leap month 1*", Lunar(1461, 1, 0, 30), true, false, "1461-1*-30"},
      {"1* to 2", Lunar(1461, 1, 1, 30), true, false, "1461-02-30"},
      {"back from 2 to 1*", Lunar(1461, 2, 0, 30), false, false, "1461-1*-30"},
      {"back from 1* to 1", Lunar(1461, 1, 1, 5), false, false, "1461-01-5"},
  };
  Reckoner r;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChlDate d = c.from;
    ASSERT_TRUE(r.StepChlMonth(d, c.forward, c.keep30));
    EXPECT_EQ(Show(d), c.to);
    EXPECT_EQ(d.valid, 1);
    ChlDate check = d;
    ASSERT_EQ(r.ChlToDay(check), kChlValid);
    EXPECT_EQ(check.jdn, d.jdn);
  }
  // The cycle number follows the position across the end of a cycle.
  ChlDate last = Lunar(1983, 12, 0, 15);
  ASSERT_TRUE(r.StepChlMonth(last, true, false));
  EXPECT_EQ(last.cycle, 79);
  EXPECT_EQ(last.position, 1);
  ASSERT_TRUE(r.StepChlMonth(last, false, false));
  EXPECT_EQ(last.cycle, 78);
  EXPECT_EQ(last.position, 60);
}

TEST(ReckonerSteps, ByYearAndCycle) {
  struct Case {
    const char* what;
    ChlDate from;
    bool forward, keep30, keepLeap, byCycle;
    const char* to;
  };
  const Case cases[] = {
      {"a leap month the next year lacks becomes ordinary", Lunar(2023, 2, 1, 15), true, false, false, false,
       "2024-02-15"},
      {"keep leap: 2 becomes 2* where the year has it", Lunar(2022, 2, 0, 15), true, false, true, false,
       "2023-2*-15"},
      {"without keep leap the month stays ordinary", Lunar(2022, 2, 0, 15), true, false, false, false,
       "2023-02-15"},
      {"keep leap into a 29-day leap month from day 30", Lunar(2022, 2, 0, 30), true, false, true, false,
       "2023-2*-29"},
      {"day 30 of 11 into a 29-day 11", Lunar(2033, 11, 0, 30), true, false, false, false, "2034-11-29"},
      {"11* of 2033 back from 2034 with keep leap", Lunar(2034, 11, 0, 29), false, false, true, false,
       "2033-11*-29"},
      {"11* to a year without it keeps day 29", Lunar(2033, 11, 1, 29), true, false, false, false,
       "2034-11-29"},
      {"keep 30th: an ordinary month reached as it stands gets day 30", Lunar(2023, 2, 0, 29), true, true,
       false, false, "2024-02-30"},
      {"keep 30th: not after leaving a leap month the year lacks", Lunar(2023, 2, 1, 29), true, true, false,
       false, "2024-02-29"},
      {"across the end of a cycle", Lunar(1983, 12, 0, 30), true, false, false, false, "1984-12-30"},
      {"keep leap into the leap month 12*", Lunar(1402, 12, 0, 30), true, false, true, false, "1403-12*-29"},
      {"keep leap into 1* a cycle on", Lunar(1401, 1, 0, 15), true, false, true, true, "1461-1*-15"},
      {"a cycle back", Lunar(2024, 1, 0, 15), false, false, false, true, "1964-01-15"},
      {"a cycle forward", Lunar(1964, 1, 0, 15), true, false, false, true, "2024-01-15"},
  };
  Reckoner r;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChlDate d = c.from;
    const bool ok = c.byCycle ? r.StepChlCycle(d, c.forward, {c.keep30, c.keepLeap})
                              : r.StepChlYear(d, c.forward, {c.keep30, c.keepLeap});
    ASSERT_TRUE(ok);
    EXPECT_EQ(Show(d), c.to);
    EXPECT_EQ(d.valid, 1);
  }
}

ChsDate Solar(int cycle, int position, int term, int day) {
  ChsDate d;
  d.cycle = cycle;
  d.position = position;
  d.term = term;
  d.day = day;
  return d;
}

// A step that reaches no date reports it and leaves the date untouched, instead of leaving a
// half-changed record behind.
TEST(ReckonerSteps, FailedStepLeavesTheDate) {
  Reckoner r;
  // 9999 is the last year the calendar computes.
  ChlDate before = Lunar(9999, 1, 0, 15);
  ASSERT_EQ(r.ChlToDay(before), kChlValid);
  ChlDate d = before;
  EXPECT_FALSE(r.StepChlYear(d, true, {}));
  EXPECT_EQ(d.cycle, before.cycle);
  EXPECT_EQ(d.position, before.position);
  EXPECT_EQ(d.jdn, before.jdn);
  EXPECT_EQ(d.valid, 1);

  // Records that are not dates cannot be moved (nor can a step overflow their fields).
  struct Odd {
    const char* what;
    int32_t cycle, position, month, leap, day;
  };
  const Odd odd[] = {
      {"largest cycle", INT32_MAX, 60, 12, 0, 15},
      {"smallest cycle", INT32_MIN, 1, 1, 0, 15},
      {"position 61", 79, 61, 1, 0, 1},
      {"position 0", 79, 0, 1, 0, 1},
      {"month 13", 79, 41, 13, 0, 1},
      {"leap flag 2", 79, 41, 1, 2, 1},
      {"day 0", 79, 41, 1, 0, 0},
      {"largest day", 79, 41, 1, 0, INT32_MAX},
  };
  for (const auto& o : odd) {
    SCOPED_TRACE(o.what);
    for (bool forward : {true, false}) {
      ChlDate lunar;
      lunar.cycle = o.cycle;
      lunar.position = o.position;
      lunar.month = o.month;
      lunar.leap = o.leap;
      lunar.day = o.day;
      ChlDate moved = lunar;
      EXPECT_FALSE(r.StepChlMonth(moved, forward, true));
      EXPECT_FALSE(r.StepChlYear(moved, forward, {true, true}));
      EXPECT_FALSE(r.StepChlCycle(moved, forward, {true, true}));
      EXPECT_EQ(moved.cycle, lunar.cycle);
      EXPECT_EQ(moved.position, lunar.position);
      EXPECT_EQ(moved.day, lunar.day);
    }
  }
  const ChsDate oddSolar[] = {Solar(INT32_MAX, 60, 24, 5), Solar(INT32_MIN, 1, 1, 5), Solar(79, 61, 3, 1),
                              Solar(79, 41, 25, 1),        Solar(79, 41, 0, 1),       Solar(79, 41, 3, 17),
                              Solar(79, 41, 3, INT32_MIN)};
  for (const auto& solar : oddSolar) {
    SCOPED_TRACE(r.ChsDateText(solar, false));
    for (bool forward : {true, false}) {
      ChsDate moved = solar;
      EXPECT_FALSE(r.StepChsYear(moved, forward));
      EXPECT_FALSE(r.StepChsTerm(moved, forward, false));
      EXPECT_FALSE(r.StepChsTerm(moved, forward, true));
      EXPECT_EQ(moved.cycle, solar.cycle);
      EXPECT_EQ(moved.position, solar.position);
      EXPECT_EQ(moved.term, solar.term);
      EXPECT_EQ(moved.day, solar.day);
    }
  }

  ChsDate s;
  s.cycle = CycleOf(9999, Epoch::kOlder);
  s.position = PositionOf(9999);
  s.term = 20;
  s.day = 3;
  ASSERT_TRUE(r.ChsToDay(s));
  ChsDate t = s;
  EXPECT_FALSE(r.StepChsYear(t, true));
  EXPECT_EQ(t.position, s.position);
  EXPECT_EQ(t.jdn, s.jdn);
}

// Terms of sui 2024 (79-41) at 120 E: term 1 begins 2023-12-22 and has 15 days, term 2 has 14,
// term 4 (J1) begins 2024-02-04, term 7 (the March equinox) 2024-03-20, term 9 has 16 days.
TEST(ReckonerSolar, ChsToDayAndBack) {
  Reckoner r;
  struct Case {
    ChsDate date;
    bool valid;
    int32_t jdn;
  };
  const Case cases[] = {
      {Solar(79, 41, 1, 1), true, Day(2023, 12, 22)},  // sui 2024 opens in December 2023
      {Solar(79, 41, 1, 15), true, Day(2024, 1, 5)},
      {Solar(79, 41, 1, 16), false, 0},  // day 16 of a 15-day term
      {Solar(79, 41, 2, 14), true, Day(2024, 1, 19)},
      {Solar(79, 41, 2, 15), false, 0},
      {Solar(79, 41, 9, 16), true, Day(2024, 5, 4)},
      {Solar(79, 41, 4, 1), true, Day(2024, 2, 4)},
      {Solar(79, 41, 24, 15), true, Day(2024, 12, 20)},
      {Solar(79, 41, 25, 1), false, 0},
      {Solar(79, 41, 0, 1), false, 0},
      {Solar(79, 41, 3, 17), false, 0},
      {Solar(79, 61, 3, 1), false, 0},
      {Solar(2000000000, 41, 3, 1), false, 0},
  };
  for (const auto& c : cases) {
    ChsDate d = c.date;
    SCOPED_TRACE(r.ChsDateText(d, false));
    EXPECT_EQ(r.ChsToDay(d), c.valid);
    EXPECT_EQ(d.valid, c.valid ? 1 : 0);
    if (!c.valid) continue;
    EXPECT_EQ(d.jdn, c.jdn);
    ChsDate back;
    ChlDate lunar;
    r.DayToChinese(c.jdn + 0.5, Epoch::kOlder, back, lunar);
    EXPECT_EQ(back.valid, 1);
    EXPECT_EQ(r.ChsDateText(back, false), r.ChsDateText(c.date, false));
  }
  // The day before the solstice still belongs to the last term of sui 2023 (position 40).
  ChsDate eve;
  ChlDate lunar;
  r.DayToChinese(Day(2023, 12, 21) + 0.5, Epoch::kOlder, eve, lunar);
  EXPECT_EQ(r.ChsDateText(eve, true), "79-40-24-15 CHS");
}

// Only the solar-date conversion follows the mean-sun setting: the mean March equinox of 2024
// comes two days after the true one, and the day's own solar date (true sun) shows that.
TEST(ReckonerSolar, MeanSunEntry) {
  Reckoner r;
  r.SetSunMethod(kMeanSun);
  ChsDate equinox = Solar(79, 41, 7, 1);
  ASSERT_TRUE(r.ChsToDay(equinox));
  EXPECT_EQ(equinox.jdn, Day(2024, 3, 22));
  // The mean-sun table divides the sui into 24 equal parts between true solstices.
  const auto& e = r.solarTermTable().entry;
  EXPECT_EQ(r.solarTermTable().method, kMeanSun);
  const double step = e[25].cjdc - e[24].cjdc;
  for (int i = 24; i < 48; ++i) EXPECT_NEAR(e[i + 1].cjdc - e[i].cjdc, step, 1e-6) << i;
  ChsDate shown;
  ChlDate lunar;
  r.DayToChinese(equinox.jdn + 0.5, Epoch::kOlder, shown, lunar);
  EXPECT_EQ(r.ChsDateText(shown, false), "79-41-07-03 CHS");
  EXPECT_EQ(r.solarTermTable().method, kTrueSun);  // the lunar conversion rebuilt a true table
  // The solstice itself is the same day under both methods.
  ChsDate solstice = Solar(79, 41, 1, 1);
  ASSERT_TRUE(r.ChsToDay(solstice));
  EXPECT_EQ(solstice.jdn, Day(2023, 12, 22));
}

TEST(ReckonerSolar, Steps) {
  Reckoner r;
  struct Case {
    const char* what;
    ChsDate from;
    int kind;  // 0 term, 1 cycle, 2 year
    bool forward;
    const char* to;
  };
  const Case cases[] = {
      {"term 24 to term 1 of the next year", Solar(79, 41, 24, 5), 0, true, "79-42-01-05 CHS"},
      {"position 60 to 1 of the next cycle", Solar(78, 60, 24, 5), 0, true, "79-01-01-05 CHS"},
      {"term 1 back to term 24 of the previous year", Solar(79, 1, 1, 5), 0, false, "78-60-24-05 CHS"},
      {"day 15 into a 14-day term", Solar(79, 41, 1, 15), 0, true, "79-41-02-14 CHS"},
      {"by cycle", Solar(79, 41, 4, 1), 1, false, "78-41-04-01 CHS"},
      {"year step shortens day 16 to an existing day", Solar(79, 41, 9, 16), 2, true, "79-42-09-15 CHS"},
      {"year step shortens day 15 of term 2", Solar(79, 40, 2, 15), 2, true, "79-41-02-14 CHS"},
      {"year step keeps day 16 where it exists", Solar(79, 41, 9, 16), 2, false, "79-40-09-16 CHS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChsDate d = c.from;
    const bool ok = c.kind == 2 ? r.StepChsYear(d, c.forward) : r.StepChsTerm(d, c.forward, c.kind == 1);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r.ChsDateText(d, false), c.to);
    EXPECT_EQ(d.valid, 1);
  }
}

TEST(ReckonerTexts, LunarAndSolarForms) {
  Reckoner r;
  ChlDate d = Lunar(2024, 1, 0, 1);
  ASSERT_EQ(r.ChlToDay(d), kChlValid);
  EXPECT_EQ(
      r.ChlDateSentence(
          d,
          {.dayNames = true, .monthNames = true, .stemBranch = true, .stemBranchFirst = true, .full = true}),
      "The 1st day (wood-dragon jia-chen) of month 1 (bing-yin fire-tiger) \r\n"
      "in the wood-dragon jia-chen year (nian) at position 41 of cycle 79 (year 4721).");
  EXPECT_EQ(r.ChlDateSentence(d, {.dayNames = true, .monthNames = true, .stemBranch = true}),
            "Month 1 (fire-tiger bing-yin)  in the wood-dragon jia-chen year (nian) at position 41 "
            "of cycle 79 (year 4721)");
  EXPECT_EQ(
      r.ChlDateSentence(d, {.full = true}),
      "The 1st day of month 1 \r\nin the wood-dragon year (nian) at position 41 of cycle 79 (year 4721).");
  EXPECT_EQ(r.ChlDateStemBranchText(d),
            "(jia-chen) day 1, (bing-yin) month 1, (jia-chen) year 41 of cycle 79");

  ChlDate leap = Lunar(2033, 11, 1, 4);
  EXPECT_EQ(r.ChlDateText(leap, 0), "79-50-11*-04 CHL");
  EXPECT_EQ(r.ChlDateSentence(leap, {}),
            "Leap month 11*  in the water-ox year (nian) at position 50 of cycle 79 (year 4730)");
  EXPECT_EQ(r.ChlDateText(Lunar(2028, 3, 0, 9), 2), "4725-03-09 CHL (in an earth-monkey year)");

  // Animal names follow the country of the context.
  Reckoner vietnam;
  vietnam.SetCountry(kVietnam);
  EXPECT_EQ(vietnam.ChlDateText(Lunar(2023, 1, 0, 1), 2), "4720-01-01 CHL (in a water-cat year)");

  ChsDate s = Solar(79, 41, 4, 1);
  EXPECT_EQ(r.ChsDateText(s, true), "79-41-04-01 CHS (J1)");
  EXPECT_EQ(r.ChsDateText(Solar(79, 41, 4, 2), true), "79-41-04-02 CHS");
  EXPECT_EQ(
      r.ChsDateSentence(s, true, true),
      "The 1st day (earth-dog, wu-xu) of solar term 4 (J1) in the year (sui) at position 41 of cycle 79.");
  EXPECT_EQ(r.ChsDateSentence(s, false, false),
            "The 1st day of solar term 4 (J1) in the year (sui) at position 41 of cycle 79.");
}

bool IsTriple(Reckoner& r, int32_t day) {
  ChlDate chl;
  r.DayToChl(day + 0.5, Epoch::kOlder, chl);
  const auto [e, a] = MonthElementAnimal(chl);
  return DayPosition(day) == chl.position && PositionOfElementAnimal(e, a) == chl.position;
}

// The search returns the nearest such day in its direction: nothing in between qualifies.
TEST(ReckonerTriple, NearestCoincidenceBothWays) {
  Reckoner r;
  const int32_t start = Day(2024, 6, 1);
  const int32_t next = r.FindTripleCoincidence(start, true, Epoch::kOlder);
  ASSERT_GT(next, start);
  EXPECT_TRUE(IsTriple(r, next));
  for (int32_t d = start + 1; d < next; ++d) ASSERT_FALSE(IsTriple(r, d)) << d;
  const int32_t previous = r.FindTripleCoincidence(start, false, Epoch::kOlder);
  ASSERT_GT(previous, 0);
  ASSERT_LT(previous, start);
  EXPECT_TRUE(IsTriple(r, previous));
  for (int32_t d = previous + 1; d < start; ++d) ASSERT_FALSE(IsTriple(r, d)) << d;
  // From the coincidence itself the search moves on.
  EXPECT_NE(r.FindTripleCoincidence(next, true, Epoch::kOlder), next);
  EXPECT_EQ(r.FindTripleCoincidence(next - 1, true, Epoch::kOlder), next);
  // A step limit too small to reach it gives -1.
  EXPECT_EQ(r.FindTripleCoincidence(start, true, Epoch::kOlder, static_cast<int32_t>(next - start - 1)), -1);
  EXPECT_EQ(r.FindTripleCoincidence(start, true, Epoch::kOlder, static_cast<int32_t>(next - start)), next);
}

}  // namespace
}  // namespace mirvo
