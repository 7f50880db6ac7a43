#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo {
namespace {

int32_t Day(int y, int m, int d) { return JdnOfCeDate(y, m, d); }

ChlDate Lunar(int year, int month, int leap, int day, Epoch epoch = Epoch::kOlder) {
  ChlDate d;
  d.epoch = epoch;
  d.cycle = CycleOf(year, epoch);
  d.position = PositionOf(year);
  d.month = month;
  d.leap = leap;
  d.day = day;
  return d;
}

ChlDate LunarOf(Reckoner& r, int32_t jdn) {
  ChlDate chl;
  r.DayToChl(jdn + 0.5, r.Epoch(), chl);
  return chl;
}

int32_t FirstDay(Reckoner& r, int year, int month, int leap) {
  ChlDate d = Lunar(year, month, leap, 1, r.Epoch());
  return r.ChlToDay(d) == kChlValid ? d.jdn : -1;
}

struct RefMonth {
  int year, month, leap;
  int32_t first;
  int days;
  int ceYear;  // of the first day
};

std::vector<RefMonth> ReadReference() {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<RefMonth> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line[0] == 'l') continue;
    RefMonth r{};
    int y, m, d;
    if (std::sscanf(line.c_str(), "%d,%d,%d,%d-%d-%d,%d", &r.year, &r.month, &r.leap, &y, &m, &d, &r.days) !=
        7)
      continue;
    r.first = Day(y, m, d);
    r.ceYear = y;
    rows.push_back(r);
  }
  return rows;
}

// Every month of 1901-2100 at 120 E, both ways: the lunar date of the first day, and the first
// day and the length of the lunar month. The reference was made with another Delta T; where a new
// moon lies within the uncertainty of midnight (2057 month 9, for one: the months marked
// uncertain) either day is accepted, and with it either length for that month and the one before.
TEST(ReckonerMonths, ChinaAgreesWithReferenceTable1901To2100) {
  const auto rows = ReadReference();
  ASSERT_EQ(rows.size(), 2473u);
  Reckoner r;
  auto firstDayUncertain = [&r](const RefMonth& row) {
    MonthMargin margin;
    return r.MonthMarginOf(Lunar(row.year, row.month, row.leap, 1), margin) && margin.newMoon.uncertain();
  };
  int mismatches = 0, uncertain = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const RefMonth& row = rows[i];
    SCOPED_TRACE(testing::Message() << row.year << " month " << row.month << (row.leap ? "*" : ""));
    const bool uncertainStart = firstDayUncertain(row);
    const bool uncertainEnd = i + 1 < rows.size() && firstDayUncertain(rows[i + 1]);
    ChlDate d = Lunar(row.year, row.month, row.leap, 1);
    ASSERT_EQ(r.ChlToDay(d), kChlValid);
    const int length = r.ChlMonthLength(d);
    if (uncertainStart || uncertainEnd) {
      uncertain += uncertainStart;
      EXPECT_LE(std::abs(d.jdn - row.first), uncertainStart ? 1 : 0);
      EXPECT_TRUE(length == 29 || length == 30);
      continue;
    }
    if (d.jdn != row.first || length != row.days) ++mismatches;
    EXPECT_EQ(d.jdn, row.first);
    EXPECT_EQ(length, row.days);
    const ChlDate back = LunarOf(r, row.first);
    EXPECT_EQ(back.month, row.month);
    EXPECT_EQ(back.leap, row.leap);
    EXPECT_EQ(back.day, 1);
    EXPECT_EQ(back.position, PositionOf(row.year));
    EXPECT_EQ(back.cycle, CycleOf(row.year, Epoch::kOlder));
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GE(uncertain, 1);
  EXPECT_LE(uncertain, 5);
}

TEST(ReckonerMonths, NamedLeapMonthsAndNewYears) {
  Reckoner china;
  // 2033: the leap month follows month 11 (the "2033 problem" of the old rules).
  EXPECT_EQ(FirstDay(china, 2033, 11, 1), Day(2033, 12, 22));
  ChlDate none = Lunar(2033, 7, 1, 1);
  EXPECT_EQ(china.ChlToDay(none), kChlNoSuchMonth);
  EXPECT_EQ(FirstDay(china, 2023, 2, 1), Day(2023, 3, 22));
  EXPECT_EQ(FirstDay(china, 2025, 6, 1), Day(2025, 7, 25));
  EXPECT_EQ(FirstDay(china, 1985, 1, 0), Day(1985, 2, 20));

  Reckoner vietnam;
  vietnam.SetReferenceLongitude(105);
  vietnam.SetCountry(kVietnam);
  // The dark moon of 1985-01-21 falls before midnight at 105 E but after it at 120 E, so the
  // Vietnamese month 12 starts a day earlier and the sui's months shift against China's.
  EXPECT_EQ(FirstDay(vietnam, 1985, 1, 0), Day(1985, 1, 21));
  EXPECT_EQ(FirstDay(china, 1985, 1, 0), Day(1985, 2, 20));
  // The December solstice of 1984 (16:23 UT) falls on the 21st at 105 E and on the 22nd at
  // 120 E, the day of a dark moon: so the leap month moves too, from China's 10* of 1984 to
  // Vietnam's 2* of 1985, and the length of month 4 of 1984 changes with a dark moon near midnight.
  EXPECT_EQ(FirstDay(china, 1984, 10, 1), Day(1984, 11, 23));
  EXPECT_EQ(FirstDay(vietnam, 1984, 10, 1), -1);
  EXPECT_EQ(FirstDay(vietnam, 1985, 2, 1), Day(1985, 3, 21));
  EXPECT_EQ(FirstDay(china, 1985, 2, 1), -1);
  ChlDate april = Lunar(1984, 4, 0, 1);
  EXPECT_EQ(china.ChlMonthLength(april), 30);
  EXPECT_EQ(vietnam.ChlMonthLength(april), 29);
}

TEST(ReckonerMonths, NewYear2024IsWoodDragonYearCount4721) {
  Reckoner r;
  const ChlDate d = LunarOf(r, Day(2024, 2, 10));
  EXPECT_EQ(d.valid, 1);
  EXPECT_EQ(d.cycle, 79);
  EXPECT_EQ(d.position, 41);
  EXPECT_EQ(d.month, 1);
  EXPECT_EQ(d.leap, 0);
  EXPECT_EQ(d.day, 1);
  EXPECT_EQ(r.ChlDateText(d, 0), "79-41-01-01 CHL");
  EXPECT_EQ(r.ChlDateText(d, 1), "4721-01-01 CHL");
  EXPECT_EQ(r.ChlDateText(d, 2), "4721-01-01 CHL (in a wood-dragon year)");
  // The eve of the new year is the last day of month 12 of the rabbit year 40.
  const ChlDate eve = LunarOf(r, Day(2024, 2, 9));
  EXPECT_EQ(eve.position, 40);
  EXPECT_EQ(eve.month, 12);
  EXPECT_EQ(eve.day, 30);
  // January before the new year still belongs to month 11 or 12 of the previous year.
  const ChlDate january = LunarOf(r, Day(2024, 1, 5));
  EXPECT_EQ(january.position, 40);
  EXPECT_EQ(january.month, 11);

  r.SetEpoch(Epoch::kYounger);
  const ChlDate younger = LunarOf(r, Day(2024, 2, 10));
  EXPECT_EQ(younger.cycle, 78);
  EXPECT_EQ(r.ChlDateText(younger, 1), "4721-01-01 CHL");
}

// Two contexts with different meridians must not see each other's tables, whatever the order in
// which they are used.
TEST(ReckonerMonths, TwoMeridiansSideBySide) {
  Reckoner china;
  Reckoner vietnam;
  vietnam.SetReferenceLongitude(105);
  for (int32_t day = Day(1984, 12, 1); day < Day(1985, 3, 1); ++day) {
    const ChlDate c = LunarOf(china, day);
    const ChlDate v = LunarOf(vietnam, day);
    Reckoner freshChina;
    Reckoner freshVietnam;
    freshVietnam.SetReferenceLongitude(105);
    const ChlDate fc = LunarOf(freshChina, day);
    const ChlDate fv = LunarOf(freshVietnam, day);
    ASSERT_EQ(c.month * 100 + c.day, fc.month * 100 + fc.day) << day;
    ASSERT_EQ(v.month * 100 + v.day, fv.month * 100 + fv.day) << day;
  }
  EXPECT_EQ(china.solarTermTable().longitude, 120);
  EXPECT_EQ(vietnam.solarTermTable().longitude, 105);
}

// One context that changes its meridian between conversions must not reuse the other meridian's
// cached tables.
TEST(ReckonerMonths, ChangingTheMeridianRebuilds) {
  Reckoner r;
  EXPECT_EQ(FirstDay(r, 1985, 1, 0), Day(1985, 2, 20));
  r.SetReferenceLongitude(105);
  EXPECT_EQ(FirstDay(r, 1985, 1, 0), Day(1985, 1, 21));
  r.SetReferenceLongitude(120);
  EXPECT_EQ(FirstDay(r, 1985, 1, 0), Day(1985, 2, 20));
  EXPECT_THROW(r.SetReferenceLongitude(99), std::out_of_range);
  EXPECT_THROW(r.SetEpoch(static_cast<Epoch>(-2700)), std::out_of_range);
}

TEST(ReckonerTables, LastBuiltTablesAreThoseOfTheLastConversion) {
  Reckoner r;
  r.BuildYearTables(Day(2033, 6, 1));
  const SolarTermTable terms2033 = r.solarTermTable();
  const LunarMonthTable months2033 = r.lunarMonthTable();
  r.BuildYearTables(Day(1900, 6, 1));
  EXPECT_NE(r.solarTermTable().entry[24].jdn, terms2033.entry[24].jdn);
  r.BuildYearTables(Day(2033, 7, 1));  // same sui again: served from the cache
  EXPECT_EQ(r.solarTermTable().entry[24].jdn, terms2033.entry[24].jdn);
  ASSERT_EQ(r.lunarMonthTable().count(), months2033.count());
  for (int i = 0; i < months2033.count(); ++i)
    EXPECT_EQ(r.lunarMonthTable().months[i].label, months2033.months[i].label);

  // The day built for lies within entries 24..47, and entry 24 is the solstice opening its sui.
  const int32_t day = Day(2033, 6, 1);
  const auto& e = r.solarTermTable().entry;
  EXPECT_LE(e[24].jdn, day);
  EXPECT_LT(day, e[48].jdn);
  EXPECT_EQ(r.solarTermTable().suiYear, 2033);

  // Month 11 holds every December solstice; the 13-month sui 2033 has exactly one leap month,
  // 11*, and it holds no major term; the months after the last solstice stay unnumbered.
  const auto& m = r.lunarMonthTable().months;
  int leaps = 0;
  for (size_t i = 0; i + 1 < m.size(); ++i) {
    for (int k = 0; k <= 72; k += 24) {
      if (m[i].day <= e[k].jdn && e[k].jdn < m[i + 1].day && k < 72) {
        EXPECT_EQ(m[i].label, "11");
      }
    }
    if (m[i].leap) {
      ++leaps;
      EXPECT_EQ(m[i].label, "11*");
      EXPECT_EQ(m[i].majorTerms, 0);
    }
  }
  EXPECT_EQ(leaps, 1);
  EXPECT_TRUE(m.back().label.empty());
  EXPECT_LE(r.lunarMonthTable().count(), 51);
}

// The dark moon of 1984-12-22 (120 E) falls a few minutes after the December solstice on the
// same civil day. The solstice counts for the month that begins that day, which is month 11; the
// table of sui 1986 starts with the few weeks before it, a month that holds no solstice and must
// not be numbered (counted as a sui of its own it would turn into a leap month).
TEST(ReckonerTables, SolsticeOnTheDayOfADarkMoon) {
  Reckoner r;
  r.BuildYearTables(Day(1986, 6, 1));
  const auto& e = r.solarTermTable().entry;
  const auto& m = r.lunarMonthTable().months;
  ASSERT_EQ(e[0].jdn, Day(1984, 12, 22));
  ASSERT_EQ(m[1].day, Day(1984, 12, 22));
  EXPECT_EQ(m[0].label, "");
  EXPECT_EQ(m[0].leap, 0);
  const char* expected[] = {"11", "12", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(m[i + 1].label, expected[i]) << i;
  EXPECT_EQ(m[1].majorTerms, 2);  // the solstice and the great cold
  EXPECT_EQ(FirstDay(r, 1984, 11, 0), Day(1984, 12, 22));
}

TEST(ReckonerLunar, ChlToDayStatuses) {
  Reckoner r;
  struct Case {
    const char* what;
    int position, month, leap, day;
    int16_t status;
  };
  // 2024 (position 41): month 1 runs 2024-02-10 .. 2024-03-09, 29 days; no leap month.
  const Case cases[] = {
      {"month 1 of 2024", 41, 1, 0, 29, kChlValid},
      {"day 30 of the 29-day month 1 of 2024", 41, 1, 0, 30, kChlDayBeyondMonth},
      {"day 31", 41, 2, 0, 31, kChlDayBeyondMonth},
      {"leap month the year lacks", 41, 4, 1, 1, kChlNoSuchMonth},
      {"position 0", 0, 1, 0, 1, kChlFieldOutOfRange},
      {"position 61", 61, 1, 0, 1, kChlFieldOutOfRange},
      {"month 13", 41, 13, 0, 1, kChlFieldOutOfRange},
      {"month 0", 41, 0, 0, 1, kChlFieldOutOfRange},
      {"leap flag 2", 41, 1, 2, 1, kChlFieldOutOfRange},
      {"day 0", 41, 1, 0, 0, kChlFieldOutOfRange},
      {"day 32", 41, 1, 0, 32, kChlFieldOutOfRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChlDate d;
    d.cycle = 79;
    d.position = c.position;
    d.month = c.month;
    d.leap = c.leap;
    d.day = c.day;
    d.valid = 1;
    EXPECT_EQ(r.ChlToDay(d), c.status);
    EXPECT_EQ(d.valid, c.status == kChlValid ? 1 : 0);
  }
  // A cycle far outside the calendar is refused rather than overflowing the year arithmetic.
  for (int cycle : {-2000000000, 2000000000, 300}) {
    ChlDate d = Lunar(2024, 1, 0, 1);
    d.cycle = cycle;
    EXPECT_EQ(r.ChlToDay(d), kChlFieldOutOfRange) << cycle;
  }
}

// Far in the future the Gregorian December solstice drifts to the 15th (9296 at 120 E): month 12
// must still be found in its own lunar year and not in the next one.
TEST(ReckonerLunar, LastMonthsOfYearsWithAnEarlyDecemberSolstice) {
  Reckoner r;
  for (int year : {9296, 9624, 9996}) {
    SCOPED_TRACE(year);
    ASSERT_LE(JdnOf(r.ephemeris().DecemberSolsticeCjdc(year, 120)), Day(year, 12, 15));
    for (int month : {11, 12}) {
      ChlDate d = Lunar(year, month, 0, 1);
      ASSERT_EQ(r.ChlToDay(d), kChlValid);
      const ChlDate back = LunarOf(r, d.jdn);
      EXPECT_EQ(back.position, PositionOf(year)) << month;
      EXPECT_EQ(back.month, month);
      EXPECT_EQ(back.day, 1);
    }
  }
}

TEST(ReckonerLunar, MonthLengthLeavesTheDateAlone) {
  Reckoner r;
  ChlDate d = Lunar(2024, 1, 0, 12);
  EXPECT_EQ(r.ChlMonthLength(d), 29);
  EXPECT_EQ(d.day, 12);
  ChlDate second = Lunar(2024, 2, 0, 3);
  EXPECT_EQ(r.ChlMonthLength(second), 30);
  ChlDate missing = Lunar(2024, 5, 1, 3);
  EXPECT_EQ(r.ChlMonthLength(missing), kChlNoSuchMonth);
}

TEST(ReckonerLunar, RefreshRecomputesFromTheDayNumber) {
  Reckoner r;
  ChlDate d;
  d.epoch = Epoch::kOlder;
  d.jdn = Day(2033, 12, 25);
  r.RefreshChlDate(d);
  EXPECT_EQ(d.month, 11);
  EXPECT_EQ(d.leap, 1);
  EXPECT_EQ(d.day, 4);
  EXPECT_EQ(d.position, PositionOf(2033));
  EXPECT_EQ(r.ChlDateText(d, 0), "79-50-11*-04 CHL");
}

TEST(ReckonerLunar, LunarHalfAlone) {
  Reckoner r;
  ChlDate chl;
  r.DayToChl(Day(2024, 2, 10) + 0.5, Epoch::kOlder, chl);
  EXPECT_EQ(chl.valid, 1);
  EXPECT_EQ(chl.month, 1);
}

// Day counts the calendar cannot compute (or that are not numbers) give invalid records instead of
// overflowing the day arithmetic, and leave the last-built tables alone.
TEST(ReckonerLunar, DaysOutsideTheCalendar) {
  Reckoner r;
  r.BuildYearTables(Day(2024, 3, 1));
  const int32_t solstice = r.solarTermTable().entry[24].jdn;
  for (double x :
       {1e12, -1e12, std::nan(""), Reckoner::kMaxChineseDay + 1.5, Reckoner::kMinChineseDay - 0.5}) {
    ChsDate chs;
    chs.valid = 1;
    ChlDate chl;
    chl.valid = 1;
    r.DayToChinese(x, Epoch::kOlder, chs, chl);
    EXPECT_EQ(chl.valid, 0) << x;
    EXPECT_EQ(chs.valid, 0) << x;
    r.BuildYearTables(x);
    EXPECT_EQ(r.solarTermTable().entry[24].jdn, solstice);
  }
  // The last day computed still converts, and the search stops at the edge.
  const ChlDate last = LunarOf(r, Reckoner::kMaxChineseDay);
  EXPECT_EQ(last.valid, 1);
  // At both ends of the days, a record is valid only when its year can be converted back: the
  // first days of -9999 lie in lunar year -10000, the last days of 9999 in sui 10000.
  for (int32_t d : {Reckoner::kMinChineseDay, Reckoner::kMinChineseDay + 40, Reckoner::kMaxChineseDay - 20,
                    Reckoner::kMaxChineseDay}) {
    SCOPED_TRACE(d);
    ChsDate chs;
    ChlDate chl;
    r.DayToChinese(d + 0.5, Epoch::kOlder, chs, chl);
    ChlDate lunar = chl;
    ChsDate solar = chs;
    EXPECT_EQ(chl.valid == 1, r.ChlToDay(lunar) == kChlValid && lunar.jdn == d);
    EXPECT_EQ(chs.valid == 1, r.ChsToDay(solar) && solar.jdn == d);
  }
  ChsDate lastSolar;
  ChlDate lastLunar;
  r.DayToChinese(Reckoner::kMaxChineseDay + 0.5, Epoch::kOlder, lastSolar, lastLunar);
  EXPECT_EQ(lastSolar.valid, 0);
  EXPECT_EQ(lastLunar.valid, 1);
  r.DayToChinese(Reckoner::kMinChineseDay + 0.5, Epoch::kOlder, lastSolar, lastLunar);
  EXPECT_EQ(lastSolar.valid, 1);
  EXPECT_EQ(lastLunar.valid, 0);
  EXPECT_EQ(r.FindTripleCoincidence(Reckoner::kMaxChineseDay, true, Epoch::kOlder), -1);
  EXPECT_EQ(r.FindTripleCoincidence(INT32_MAX, true, Epoch::kOlder), -1);
  EXPECT_EQ(r.FindTripleCoincidence(INT32_MIN, false, Epoch::kOlder), -1);
}

// Found by fuzzing: in -7020 a major term lay so near midnight at 121 E that the tables of two
// neighbouring sui put it on different days, and the month the day's table called 11* did not
// exist in the table of the way back. Every day of those two months converts back now.
TEST(ReckonerRoundTrip, TermsNearMidnightInRemoteYearsAgreeBetweenTables) {
  Reckoner r;
  r.SetReferenceLongitude(121);
  r.SetEpoch(Epoch::kYounger);
  for (int32_t day = -842588; day < -842530; ++day) {
    ChsDate chs;
    ChlDate chl;
    r.DayToChinese(day + 0.5, Epoch::kYounger, chs, chl);
    ASSERT_EQ(chl.valid, 1) << day;
    ChlDate back = chl;
    ASSERT_EQ(r.ChlToDay(back), kChlValid) << day << " " << r.ChlDateText(chl, 0);
    EXPECT_EQ(back.jdn, day) << r.ChlDateText(chl, 0);
  }
}

}  // namespace
}  // namespace mirvo
