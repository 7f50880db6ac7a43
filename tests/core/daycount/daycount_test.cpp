#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "core/daycount/DayCount.h"
#include "platform/astro/DeltaT.h"

namespace mirvo {
namespace {

CalendarDate Date(int32_t y, int32_t m, int32_t d, char letter = 'G') {
  return MakeCalendarDate(y, m, d, letter);
}

TEST(TimeScales, ReferenceMeridianConversions) {
  EXPECT_DOUBLE_EQ(CjdcFromAjd(2451545.0, 120), 2451545.0 + 0.5 + 1.0 / 3);
  EXPECT_DOUBLE_EQ(CjdcFromAjd(2451545.0, 105), 2451545.0 + 0.5 + 7.0 / 24);
  EXPECT_DOUBLE_EQ(AjdFromCjdc(CjdcFromAjd(2451545.25, 135), 135), 2451545.25);
  EXPECT_DOUBLE_EQ(CjdlFromCjdc(CjdcFromCjdl(2451545.75, 120), 120), 2451545.75);
  EXPECT_EQ(JdnOf(CjdlFromAjd(2451544.5)), 2451545);  // midnight GMT starts the civil day
  EXPECT_EQ(JdnOf(CjdlFromAjd(2451544.4999)), 2451544);
}

TEST(ZoneLabels, NamedMeridiansAndTheRest) {
  EXPECT_EQ(ZoneLabel(105), "ICT");
  EXPECT_EQ(ZoneLabel(106), "HAN");
  EXPECT_EQ(ZoneLabel(109), "CHA");
  EXPECT_EQ(ZoneLabel(116), "BEI");
  EXPECT_EQ(ZoneLabel(120), "CCT");
  EXPECT_EQ(ZoneLabel(135), "JST");
  EXPECT_EQ(ZoneLabel(140), "EDO");
  EXPECT_EQ(ZoneLabel(100), "L00");
  EXPECT_EQ(ZoneLabel(107), "L07");
  EXPECT_EQ(ZoneLabel(145), "L45");
  EXPECT_EQ(ZoneLabel(99), "");
  EXPECT_EQ(ZoneLabel(146), "");
}

TEST(NameTables, MonthsAndWeekdays) {
  EXPECT_EQ(MonthName(1, false, 0), "January");
  EXPECT_EQ(MonthName(9, true, 0), "Sept.");
  EXPECT_EQ(MonthName(3, false, 1), "März");
  EXPECT_EQ(MonthName(10, true, 1), "Okt.");
  EXPECT_EQ(MonthName(0, false, 0), "");
  EXPECT_EQ(MonthName(13, true, 1), "");

  EXPECT_EQ(WeekdayName(3, true, 0), "Wednesday");
  EXPECT_EQ(WeekdayName(5, true, 0), "   Friday");
  EXPECT_EQ(WeekdayName(5, false, 0), "Friday");
  EXPECT_EQ(WeekdayName(0, false, 1), "Sonntag");
  EXPECT_EQ(WeekdayName(4, true, 1), "Donnerstag");  // longer than the width: left as it is
  EXPECT_EQ(WeekdayName(7, true, 0), "");
  EXPECT_EQ(WeekdayName(-1, false, 0), "");
}

TEST(DayNumbers, DatesWeekdaysAndBothCalendarsOfADay) {
  CalendarDate d = Date(2000, 1, 1);
  EXPECT_EQ(JdnFromCalendarDate(d), 2451545);
  EXPECT_EQ(d.jdn, 2451545);
  EXPECT_EQ(WeekdayOf(2451545), 6);

  CalendarDate back;
  back.calendar = 'J';
  back.jdn = 2299161;
  CalendarDateFromJdn(back);
  EXPECT_EQ(back.year, 1582);
  EXPECT_EQ(back.month, 10);
  EXPECT_EQ(back.day, 5);

  // The day count is truncated: the whole of JDN 2299161 is 1582-10-15 CE = 1582-10-05 JC.
  CalendarDate ce, jc;
  CeAndJcFromDayCount(2299161.99, ce, jc);
  EXPECT_EQ(ce.calendar, 'G');
  EXPECT_EQ(jc.calendar, 'J');
  EXPECT_EQ(ce.jdn, 2299161);
  EXPECT_EQ(jc.jdn, 2299161);
  EXPECT_EQ(ce.day, 15);
  EXPECT_EQ(jc.day, 5);
  // A day count beyond 32 bits is clamped rather than converted with undefined behaviour.
  CeAndJcFromDayCount(1e300, ce, jc);
  EXPECT_EQ(ce.jdn, std::numeric_limits<int32_t>::max());
}

TEST(DayNumbers, CeDateOfADay) {
  const struct {
    int32_t jdn, year, month, day;
  } cases[] = {
      {2451545, 2000, 1, 1},
      {2299161, 1582, 10, 15},
      {1721060, 0, 1, 1},
      {1721059, -1, 12, 31},
  };
  for (const auto& c : cases) {
    const CalendarDate d = CeDateOfJdn(c.jdn);
    EXPECT_EQ(std::tie(d.year, d.month, d.day), std::tie(c.year, c.month, c.day)) << c.jdn;
    EXPECT_EQ(d.calendar, 'G');
    EXPECT_EQ(d.jdn, c.jdn);
    EXPECT_EQ(JdnOfCeDate(c.year, c.month, c.day), c.jdn);
  }
}

TEST(TimeOfDay, TruncatedNeverRounded) {
  EXPECT_EQ(TimeOfDayText(0.0, false), "00:00");
  EXPECT_EQ(TimeOfDayText(0.0, true), "00:00:00");
  EXPECT_EQ(TimeOfDayText(0.5, true), "12:00:00");
  EXPECT_EQ(TimeOfDayText(0.5 - 1e-12, true), "12:00:00");  // a noon computed a hair short
  const double almost = (12 * 3600 + 34 * 60 + 59.9) / 86400.0;
  EXPECT_EQ(TimeOfDayText(almost, true), "12:34:59");
  EXPECT_EQ(TimeOfDayText(almost, false), "12:34");
  EXPECT_EQ(TimeOfDayText(0.99999999, true), "23:59:59");
  EXPECT_EQ(TimeOfDayText(0.9999999999999, true), "23:59:59");
  EXPECT_EQ(TimeOfDayText(1.0, true), "XX:XX:XX");
  EXPECT_EQ(TimeOfDayText(-0.1, true), "XX:XX:XX");
  EXPECT_EQ(TimeOfDayText(std::nan(""), true), "XX:XX:XX");
  EXPECT_EQ(TimeOfDayText(std::numeric_limits<double>::infinity(), false), "XX:XX:XX");
}

TEST(DateTexts, OrdersSeparatorsAndSuffixes) {
  EXPECT_EQ(CalendarDateText(Date(2001, 12, 31), 2, '-', ',', false), "2001-12-31");
  EXPECT_EQ(CalendarDateText(Date(2001, 12, 31), 2, '-', ',', true), "2001-12-31 CE");
  EXPECT_EQ(CalendarDateText(Date(-44, 3, 15, 'J'), 2, '-', ',', true), "-44-03-15 JC");
  EXPECT_EQ(CalendarDateText(Date(12345, 1, 2), 2, '-', ',', false), "12,345-01-02");
  EXPECT_EQ(CalendarDateText(Date(-12345, 1, 2), 2, '-', '.', false), "-12.345-01-02");
  EXPECT_EQ(CalendarDateText(Date(9999, 1, 2), 2, '-', ',', false), "9999-01-02");
  EXPECT_EQ(CalendarDateText(Date(5, 6, 7), 2, '/', ',', false), "5/06/07");
  EXPECT_EQ(CalendarDateText(Date(2001, 12, 31), 1, '.', ',', false), "31.12.2001");
  EXPECT_EQ(CalendarDateText(Date(2001, 12, 31), 0, '/', ',', false), "12/31/2001");
  EXPECT_EQ(CalendarDateText(Date(-44, 3, 15), 1, '-', ',', false), "(15-03-44)");
  EXPECT_EQ(CalendarDateText(Date(-12345, 3, 15), 0, '-', ',', true), "(03-15-12,345) CE");
}

TEST(DateTexts, Sentence) {
  EXPECT_EQ(CalendarDateSentence(Date(2001, 12, 31)),
            "The 31st day of December in the year 2001 in the Common Era Calendar");
  EXPECT_EQ(CalendarDateSentence(Date(-44, 3, 15, 'J')),
            "The 15th day of March in the year -44 in the Julian Calendar");
  EXPECT_EQ(CalendarDateSentence(Date(-12345, 2, 22)),
            "The 22nd day of February in the year -12,345 in the Common Era Calendar");
}

TEST(ParseCalendarDate, StatusesRecordsAndDayNumbers) {
  struct Case {
    const char* text;
    char letter;
    int status;
    int32_t y, m, d;
    char stored;
  };
  const Case cases[] = {
      {"2000-01-01", 'G', 1, 2000, 1, 1, 'G'},
      {" 2000-1-1 CE", 'G', 1, 2000, 1, 1, 'G'},  // letters and blanks are dropped
      {"-44-03-15", 'J', 1, -44, 3, 15, 'J'},     // three dashes: a negative year
      {"1582-10-05", 'X', 1, 1582, 10, 5, 'G'},   // unknown letters read as CE
      {"7-13-30", 'R', 1, 7, 13, 30, 'R'},
      {"2023-02-29", 'G', -1, 0, 0, 0, 'G'},
      {"2023-13-01", 'G', -1, 0, 0, 0, 'G'},
      {"9000000-1-1", 'G', -1, 0, 0, 0, 'G'},  // no 32-bit day number
      {"2024/02/10", 'G', 0, 0, 0, 0, 'G'},    // reduced to 20240210: no dashes
      {"", 'G', 0, 0, 0, 0, 'G'},
      {"-", 'G', 0, 0, 0, 0, 'G'},
      {"---", 'G', 0, 0, 0, 0, 'G'},
      {"----", 'G', 0, 0, 0, 0, 'G'},
      {"1-2-3-4", 'G', 0, 0, 0, 0, 'G'},
      {"+2023-1-1", 'G', 1, 2023, 1, 1, 'G'},  // the plus is not kept
      {"2023--1-1", 'G', 0, 0, 0, 0, 'G'},
      {"99999999999-1-1", 'G', 0, 0, 0, 0, 'G'},
  };
  for (const auto& c : cases) {
    CalendarDate date;
    date.calendar = c.letter;
    date.valid = 7;
    const int status = ParseCalendarDate(c.text, date);
    EXPECT_EQ(status, c.status) << '"' << c.text << '"';
    EXPECT_EQ(date.valid, status == 1 ? 1 : 0) << c.text;
    EXPECT_EQ(date.calendar, c.stored) << c.text;
    if (status != 1) continue;
    EXPECT_EQ(date.year, c.y) << c.text;
    EXPECT_EQ(date.month, c.m) << c.text;
    EXPECT_EQ(date.day, c.d) << c.text;
    if (c.stored != 'R') {
      CalendarDate check = Date(c.y, c.m, c.d, c.stored);
      EXPECT_EQ(date.jdn, JdnFromCalendarDate(check)) << c.text;
    }
  }
}

TEST(PresentInstant, ClockAndToday) {
  const double now = CurrentAjd();
  EXPECT_GT(now, 2460000.0);  // after 2023
  EXPECT_LT(now, kMaxAjd);
  // The local date is at most a day from the UT date.
  EXPECT_LE(std::abs(TodayJdn() - JdnOf(CjdlFromAjd(now))), 1);
}

TEST(DeltaTOfADayCount, WholeCeYearsRoundedHalfToEven) {
  CalendarDate jan1 = Date(2000, 1, 1), dec31 = Date(1999, 12, 31);
  const int32_t j = JdnFromCalendarDate(jan1);
  const int32_t k = JdnFromCalendarDate(dec31);
  EXPECT_DOUBLE_EQ(DeltaTMinutes(j), astro::deltat(2000));
  EXPECT_DOUBLE_EQ(DeltaTMinutes(k), astro::deltat(1999));
  EXPECT_DOUBLE_EQ(DeltaTMinutes(k + 0.49), astro::deltat(1999));
  EXPECT_DOUBLE_EQ(DeltaTMinutes(k + 0.51), astro::deltat(2000));
  // Halves go to the even day: 2451544.5 to 2451544 (1999-12-31), 2452275.5 to 2452276
  // (2002-01-01).
  EXPECT_DOUBLE_EQ(DeltaTMinutes(2451544.5), astro::deltat(1999));
  EXPECT_DOUBLE_EQ(DeltaTMinutes(2452275.5), astro::deltat(2002));
  EXPECT_NEAR(DeltaTMinutes(2451545.0) * 60, 64.0, 0.2);
  EXPECT_NEAR(DeltaTMinutes(kMinAjd) * 60, 73076.0, 1.0);
  EXPECT_TRUE(std::isnan(DeltaTMinutes(std::nan(""))));
}

}  // namespace
}  // namespace mirvo
