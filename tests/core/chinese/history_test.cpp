// The calendar's history: lunar years computed for the meridian of their country's almanac, checked
// against published dates and against the plain tables of each meridian, and the months at a
// change of meridian.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/chinese/History.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo {
namespace {

ChlDate Lunar(int year, int month, int leap, int day) {
  ChlDate d;
  d.cycle = CycleOf(year, Epoch::kOlder);
  d.position = PositionOf(year);
  d.month = month;
  d.leap = leap;
  d.day = day;
  return d;
}

int32_t DayOf(Reckoner& r, int year, int month, int day) {
  ChlDate d = Lunar(year, month, 0, day);
  return r.ChlToDay(d) == kChlValid ? d.jdn : -1;
}

int32_t Ce(int y, int m, int d) { return JdnOfCeDate(y, m, d); }

void ForCountry(Reckoner& r, Country country, bool historical) {
  r.SetCountry(country);
  r.SetReferenceMeridian(ArcMinutes(country == kVietnam ? 105 : country == kChina ? 120 : 135));
  r.SetHistorical(historical);
}

// The Chinese new years of 1912-1959 as the Hong Kong Observatory's Gregorian-lunar conversion
// tables give them. Only the Beijing meridian gives 1916's: 120 degrees east begins that year on
// 4 February.
TEST(CalendarHistory, ChinaNewYears1912To1959AreThePublishedOnes) {
  const std::vector<std::pair<int, int>> published{
      // month, day of each year from 1912
      {2, 18}, {2, 6},  {1, 26}, {2, 14}, {2, 3},  {1, 23}, {2, 11}, {2, 1},  {2, 20}, {2, 8},
      {1, 28}, {2, 16}, {2, 5},  {1, 24}, {2, 13}, {2, 2},  {1, 23}, {2, 10}, {1, 30}, {2, 17},
      {2, 6},  {1, 26}, {2, 14}, {2, 4},  {1, 24}, {2, 11}, {1, 31}, {2, 19}, {2, 8},  {1, 27},
      {2, 15}, {2, 5},  {1, 25}, {2, 13}, {2, 2},  {1, 22}, {2, 10}, {1, 29}, {2, 17}, {2, 6},
      {1, 27}, {2, 14}, {2, 3},  {1, 24}, {2, 12}, {1, 31}, {2, 18}, {2, 8}};
  Reckoner history, modern;
  ForCountry(history, kChina, true);
  ForCountry(modern, kChina, false);
  for (int year = 1912; year <= 1959; ++year) {
    SCOPED_TRACE(year);
    const auto [month, day] = published[static_cast<size_t>(year - 1912)];
    EXPECT_EQ(DayOf(history, year, 1, 1), Ce(year, month, day));
    EXPECT_EQ(DayOf(modern, year, 1, 1), Ce(year, month, day) + (year == 1916 ? 1 : 0));
  }
}

// 설날 (month 1 day 1) and 추석 (month 8 day 15) as Korea's public holidays fell, with the famous
// year 1997, when Korea's new year came a day after China's (7 February).
TEST(CalendarHistory, KoreanNewYearsAndChuseok) {
  struct Row {
    int year;
    int32_t seollal, chuseok;
  };
  const std::vector<Row> rows{
      {1997, Ce(1997, 2, 8), Ce(1997, 9, 16)},  {2015, Ce(2015, 2, 19), Ce(2015, 9, 27)},
      {2016, Ce(2016, 2, 8), Ce(2016, 9, 15)},  {2017, Ce(2017, 1, 28), Ce(2017, 10, 4)},
      {2018, Ce(2018, 2, 16), Ce(2018, 9, 24)}, {2019, Ce(2019, 2, 5), Ce(2019, 9, 13)},
      {2020, Ce(2020, 1, 25), Ce(2020, 10, 1)}, {2021, Ce(2021, 2, 12), Ce(2021, 9, 21)},
      {2022, Ce(2022, 2, 1), Ce(2022, 9, 10)},  {2023, Ce(2023, 1, 22), Ce(2023, 9, 29)},
      {2024, Ce(2024, 2, 10), Ce(2024, 9, 17)}, {2025, Ce(2025, 1, 29), Ce(2025, 10, 6)}};
  for (bool historical : {false, true}) {
    Reckoner r;
    ForCountry(r, kKorea, historical);
    for (const Row& row : rows) {
      SCOPED_TRACE(testing::Message() << row.year << (historical ? " historical" : ""));
      EXPECT_EQ(DayOf(r, row.year, 1, 1), row.seollal);
      EXPECT_EQ(DayOf(r, row.year, 8, 15), row.chuseok);
    }
  }
  Reckoner china;
  ForCountry(china, kChina, false);
  EXPECT_EQ(DayOf(china, 1997, 1, 1), Ce(1997, 2, 7));
}

TEST(CalendarHistory, VietnameseTetOf1965And1968) {
  Reckoner history, modern;
  ForCountry(history, kVietnam, true);
  ForCountry(modern, kVietnam, false);
  EXPECT_EQ(DayOf(history, 1965, 1, 1), Ce(1965, 2, 2));
  EXPECT_EQ(DayOf(modern, 1965, 1, 1), Ce(1965, 2, 1));
  EXPECT_EQ(DayOf(history, 1968, 1, 1), Ce(1968, 1, 29));
  EXPECT_EQ(DayOf(modern, 1968, 1, 1), Ce(1968, 1, 29));
}

// Every day of the spans, under the history, has the lunar date that the plain table of its
// year's almanac meridian gives, in sequence (each day the next of the day before), and converts
// back. The spans hold every change of meridian; the months at a change keep 29 or 30 days.
TEST(CalendarHistory, EachYearFollowsItsMeridianWithoutGapsAcrossTheChanges) {
  struct Span {
    Country country;
    int32_t first, last;
  };
  for (const Span& span :
       {Span{kChina, Ce(1925, 1, 1), Ce(1932, 12, 31)}, Span{kVietnam, Ce(1940, 1, 1), Ce(1972, 12, 31)},
        Span{kKorea, Ce(1898, 1, 1), Ce(1915, 12, 31)}}) {
    Reckoner r, plain;
    ForCountry(r, span.country, true);
    ChlDate before;
    r.DayToChl(span.first - 1 + 0.5, Epoch::kOlder, before);
    for (int32_t day = span.first; day <= span.last; ++day) {
      SCOPED_TRACE(testing::Message() << "country " << CountryNumber(span.country) << " JDN " << day);
      ChlDate chl;
      r.DayToChl(day + 0.5, Epoch::kOlder, chl);
      ASSERT_EQ(chl.valid, 1);
      const int year = YearFromCycle(chl.cycle, chl.position, Epoch::kOlder);
      plain.SetReferenceMeridian(AlmanacMeridian(span.country, year));
      ChlDate expected;
      plain.DayToChl(day + 0.5, Epoch::kOlder, expected);
      ASSERT_EQ(std::make_tuple(chl.position, chl.month, chl.leap, chl.day),
                std::make_tuple(expected.position, expected.month, expected.leap, expected.day));
      if (chl.day == 1) {
        EXPECT_TRUE(before.day == 29 || before.day == 30) << before.day;
        ChlDate last = before;
        EXPECT_EQ(r.ChlMonthLength(last), before.day);
      } else {
        EXPECT_EQ(chl.day, before.day + 1);
        EXPECT_EQ(chl.month, before.month);
      }
      ChlDate back = chl;
      ASSERT_EQ(r.ChlToDay(back), kChlValid);
      EXPECT_EQ(back.jdn, day);
      before = chl;
    }
  }
}

TEST(CalendarHistory, MeridianTexts) {
  EXPECT_EQ(MeridianText(ArcMinutes(116, 25)) + " " + MeridianCode(ArcMinutes(116, 25)),
            "116º25′ E E116.4167");
  EXPECT_EQ(MeridianText(ArcMinutes(120)) + " " + MeridianCode(ArcMinutes(120)), "120º E E120");
}

// The question leaves the setting and the current tables as they were.
TEST(CalendarHistory, DateUnderTheOtherRuleChangesNothing) {
  Reckoner r;
  ForCountry(r, kVietnam, false);
  const int32_t tet = Ce(1965, 2, 1);
  r.BuildYearTables(tet + 0.5);
  const auto months = r.lunarMonthTable().months.size();
  const int32_t firstDay = r.lunarMonthTable().months[0].day;
  ChlDate then;
  r.DayToChlWithHistory(tet, true, then);
  EXPECT_EQ(std::make_tuple(then.month, then.day), std::make_tuple(12, 30));
  EXPECT_FALSE(r.Historical());
  EXPECT_EQ(r.lunarMonthTable().months.size(), months);
  EXPECT_EQ(r.lunarMonthTable().months[0].day, firstDay);
}

}  // namespace
}  // namespace mirvo
