#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "core/vellomir/Vellomir.h"

namespace mirvo {
namespace {

VmcDate Vmc(int32_t year, int month, int day) { return MakeCalendarDate(year, month, day, kVmcLetter); }

::testing::AssertionResult IsDate(const VmcDate& d, int32_t year, int month, int day) {
  if (d.year == year && d.month == month && d.day == day && d.valid == 1 && d.calendar == kVmcLetter)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << d.year << "-" << d.month << "-" << d.day << " valid "
                                       << d.valid << " letter " << d.calendar;
}

TEST(VmcConversion, KnownDaysBothWays) {
  struct Case {
    int32_t jdn;
    int32_t year;
    int month;
    int day;
  };
  const Case cases[] = {
      {2460351, 4721, 1, 1},    // 2024-02-10 CE, the Chinese new year of 2024
      {2451545, 4696, 11, 25},  // 2000-01-01 CE
      {2415051, 4597, 1, 1},    // 1900-01-31 CE
      {897474, 442, 1, 1},      // opening day of a cycle
      {897474 + 658532, 2245, 1, 1}, {897474 - 658532, -1361, 1, 1},
      {897473, 441, 12, 29},  // last day of the previous cycle (441, a short 12-month year)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.jdn);
    VmcDate date;
    date.jdn = c.jdn;
    DayToVmc(date);
    EXPECT_TRUE(IsDate(date, c.year, c.month, c.day));
    VmcDate back = Vmc(c.year, c.month, c.day);
    EXPECT_TRUE(VmcToDay(back));
    EXPECT_EQ(back.jdn, c.jdn);
    EXPECT_EQ(back.valid, 1);
  }
}

TEST(VmcYears, LengthsAndCycleTotals) {
  EXPECT_TRUE(VmcHasMonth13(4720));
  EXPECT_TRUE(VmcIsLong(4720));
  EXPECT_EQ(VmcYearLength(4720), 385);
  EXPECT_FALSE(VmcHasMonth13(4721));
  EXPECT_FALSE(VmcIsLong(4721));
  EXPECT_EQ(VmcYearLength(4721), 354);

  // Any 1803 consecutive years, wherever they start, hold the same numbers of 13-month and long
  // years and the same number of days; the two new years 1803 years apart are a cycle apart.
  for (int32_t start : {442, -3000, 1, 4000, 123456}) {
    int64_t days = 0;
    int months13 = 0;
    int longs = 0;
    for (int32_t y = start; y < start + kVmcCycleYears; ++y) {
      const int length = VmcYearLength(y);
      ASSERT_TRUE(length == 354 || length == 355 || length == 384 || length == 385) << y;
      int sum = 0;
      for (int m = 1; m <= 13; ++m) sum += std::max(0, VmcMonthLength(y, m));
      ASSERT_EQ(sum, length) << y;
      days += length;
      months13 += VmcHasMonth13(y);
      longs += VmcIsLong(y);
    }
    EXPECT_EQ(days, 658532) << start;
    EXPECT_EQ(months13, 664) << start;
    EXPECT_EQ(longs, 350) << start;
    VmcDate a = Vmc(start, 1, 1);
    VmcDate b = Vmc(start + kVmcCycleYears, 1, 1);
    ASSERT_TRUE(VmcToDay(a));
    ASSERT_TRUE(VmcToDay(b));
    EXPECT_EQ(b.jdn - a.jdn, 658532) << start;
  }
}

TEST(VmcYears, MonthLengths) {
  EXPECT_EQ(VmcMonthLength(4721, 1), 30);
  EXPECT_EQ(VmcMonthLength(4721, 2), 29);
  EXPECT_EQ(VmcMonthLength(4721, 10), 29);
  EXPECT_EQ(VmcMonthLength(4720, 10), 30);  // long year
  EXPECT_EQ(VmcMonthLength(4721, 11), 30);
  EXPECT_EQ(VmcMonthLength(4721, 12), 29);
  EXPECT_EQ(VmcMonthLength(4720, 13), 30);
  EXPECT_EQ(VmcMonthLength(4721, 13), -2);
  EXPECT_EQ(VmcMonthLength(4721, 0), -1);
  EXPECT_EQ(VmcMonthLength(4721, 14), -1);
}

TEST(VmcConversion, ValidityOfDates) {
  struct Case {
    int32_t year;
    int month;
    int day;
    bool valid;
  };
  const Case cases[] = {
      {4721, 2, 30, false},
      {4721, 2, 29, true},
      {4720, 13, 30, true},
      {4721, 13, 1, false},
      {4720, 10, 30, true},
      {4721, 10, 30, false},
      {4721, 1, 0, false},
      {4721, 1, 31, false},
      {4721, 0, 1, false},
      {4721, 14, 1, false},
      {4721, -1, 1, false},
      {4721, 1, -5, false},
      {-3000, 1, 1, true},
      // Years so far away that no 32-bit day number reaches them.
      {std::numeric_limits<int32_t>::max(), 1, 1, false},
      {std::numeric_limits<int32_t>::min(), 1, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    VmcDate date = Vmc(c.year, c.month, c.day);
    date.jdn = 12345;
    EXPECT_EQ(VmcToDay(date), c.valid);
    EXPECT_EQ(date.valid, c.valid ? 1 : 0);
    if (!c.valid) {
      EXPECT_EQ(date.jdn, 0);
    }
  }
}

TEST(VmcConversion, ExtremeDayNumbersRoundTrip) {
  for (int32_t jdn : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 0, -1}) {
    SCOPED_TRACE(jdn);
    VmcDate date;
    date.jdn = jdn;
    DayToVmc(date);
    EXPECT_EQ(date.valid, 1);
    VmcDate back = Vmc(date.year, date.month, date.day);
    EXPECT_TRUE(VmcToDay(back));
    EXPECT_EQ(back.jdn, jdn);
  }
}

// Every day of the admitted range and a year beyond each end: the date of each day follows the
// date of the day before by the month-length rules alone, and converts back to its own day.
TEST(VmcConversion, ExhaustiveRoundTripAndSuccession) {
  constexpr int32_t kFirst = 625333 - 366;  // a year before -3000-01-01 CE
  constexpr int32_t kLast = 2817152 + 366;  // a year after 3000-12-31 CE
  VmcDate previous = VmcDateOfDay(kFirst - 1);
  for (int32_t jdn = kFirst; jdn <= kLast; ++jdn) {
    const VmcDate date = VmcDateOfDay(jdn);
    VmcDate expected = previous;
    if (expected.day < VmcMonthLength(expected.year, expected.month)) {
      ++expected.day;
    } else if (expected.month < 12 || (expected.month == 12 && VmcHasMonth13(expected.year))) {
      ++expected.month;
      expected.day = 1;
    } else {
      ++expected.year;
      expected.month = 1;
      expected.day = 1;
    }
    ASSERT_TRUE(IsDate(date, expected.year, expected.month, expected.day)) << jdn;
    VmcDate back = Vmc(date.year, date.month, date.day);
    ASSERT_TRUE(VmcToDay(back)) << jdn;
    ASSERT_EQ(back.jdn, jdn);
    previous = date;
  }
}

TEST(VmcSteps, MonthSteps) {
  struct Case {
    VmcDate from;
    bool forward;
    int32_t year;
    int month;
    int day;
  };
  const Case cases[] = {
      {Vmc(4720, 12, 15), true, 4720, 13, 15},
      {Vmc(4721, 12, 15), true, 4722, 1, 15},
      {Vmc(4720, 13, 15), true, 4721, 1, 15},
      {Vmc(4721, 1, 15), false, 4720, 13, 15},
      {Vmc(4722, 1, 15), false, 4721, 12, 15},
      {Vmc(4721, 1, 30), true, 4721, 2, 29},   // day 30 kept only where the month has it
      {Vmc(4720, 9, 30), true, 4720, 10, 30},  // month 10 of a long year has 30 days
      {Vmc(4721, 3, 30), false, 4721, 2, 29},
      {Vmc(4720, 13, 30), true, 4721, 1, 30},
  };
  for (const auto& c : cases) {
    VmcDate date = c.from;
    SCOPED_TRACE(testing::Message() << VmcDateText(date, 1) << (c.forward ? " forward" : " back"));
    EXPECT_TRUE(StepVmcMonth(date, c.forward));
    EXPECT_TRUE(IsDate(date, c.year, c.month, c.day));
    VmcDate check = Vmc(c.year, c.month, c.day);
    VmcToDay(check);
    EXPECT_EQ(date.jdn, check.jdn);
  }
}

TEST(VmcSteps, YearSteps) {
  struct Case {
    VmcDate from;
    bool forward;
    int32_t year;
    int month;
    int day;
  };
  const Case cases[] = {
      {Vmc(4720, 13, 15), true, 4721, 12, 15},  // 4721 has no month 13
      {Vmc(4720, 13, 30), true, 4721, 12, 29},  // and its month 12 has 29 days
      {Vmc(4720, 13, 15), false, 4719, 12, 15},
      {Vmc(4720, 10, 30), true, 4721, 10, 29},  // long year to a short one
      {Vmc(4721, 5, 7), false, 4720, 5, 7},
  };
  for (const auto& c : cases) {
    VmcDate date = c.from;
    SCOPED_TRACE(testing::Message() << VmcDateText(date, 1) << (c.forward ? " forward" : " back"));
    EXPECT_TRUE(StepVmcYear(date, c.forward));
    EXPECT_TRUE(IsDate(date, c.year, c.month, c.day));
  }
}

TEST(VmcSteps, StepsAtTheEndOfTheYearRangeFailWithoutOverflow) {
  VmcDate date = Vmc(std::numeric_limits<int32_t>::max(), 12, 1);
  EXPECT_FALSE(StepVmcYear(date, true));
  EXPECT_EQ(date.valid, 0);
  EXPECT_EQ(date.year, std::numeric_limits<int32_t>::max());
  date = Vmc(std::numeric_limits<int32_t>::min(), 1, 1);
  EXPECT_FALSE(StepVmcMonth(date, false));
  EXPECT_EQ(date.valid, 0);
  date = Vmc(4721, 14, 1);  // not a month: nothing valid is reached
  EXPECT_FALSE(StepVmcMonth(date, true));
}

TEST(VmcText, FormsOfOneDate) {
  const VmcDate date = Vmc(4721, 1, 2);
  EXPECT_EQ(VmcDateText(date, 1), "4721-01-02 VMC");
  EXPECT_EQ(VmcDateText(date, 2), "4721-01-02 VMC (Mercury Day, Apollo 2,  4721)");
  EXPECT_EQ(VmcDateText(date, 3), "Apollo 2,  4721");
  EXPECT_EQ(VmcDateText(date, 4), "The 2nd day of Apollo in the year 4721");
  EXPECT_EQ(VmcDateText(date, 5), "Mercury Day, Apollo 2,  4721");
  EXPECT_EQ(VmcDateText(date, 0), "4721-01-02 VMC");
  EXPECT_EQ(VmcDateText(Vmc(4720, 13, 30), 2), "4720-13-30 VMC (Pluto Day, Persephone 30,  4720)");
  EXPECT_EQ(VmcDateText(Vmc(-5, 11, 1), 1), "-5-11-01 VMC");
  EXPECT_EQ(VmcDateText(Vmc(-5, 11, 1), 3), "Dionysus 1, -5");
  EXPECT_EQ(VmcDateText(Vmc(-5, 11, 1), 4), "The 1st day of Dionysus in the year-5");
}

TEST(VmcText, OrdinalsOfEveryDay) {
  const char* suffixes[31] = {"",   "st", "nd", "rd", "th", "th", "th", "th", "th", "th", "th",
                              "th", "th", "th", "th", "th", "th", "th", "th", "th", "th", "st",
                              "nd", "rd", "th", "th", "th", "th", "th", "th", "th"};
  for (int day = 1; day <= 30; ++day) {
    EXPECT_EQ(VmcDateText(Vmc(4721, 3, day), 4),
              "The " + std::to_string(day) + suffixes[day] + " day of Hermes in the year 4721");
  }
}

TEST(VmcText, NamesOfDaysAndMonths) {
  EXPECT_EQ(VmcDayName(1), "Sun Day");
  EXPECT_EQ(VmcDayName(11), "Sun Day");
  EXPECT_EQ(VmcDayName(6), "Jupiter Day");
  EXPECT_EQ(VmcDayName(30), "Pluto Day");
  EXPECT_EQ(VmcMonthName(4), "Aphrodite");
  EXPECT_EQ(VmcMonthName(13), "Persephone");
  EXPECT_EQ(VmcDayName(0), "");
  EXPECT_EQ(VmcDayName(31), "");
  EXPECT_EQ(VmcMonthName(0), "");
}

}  // namespace
}  // namespace mirvo
