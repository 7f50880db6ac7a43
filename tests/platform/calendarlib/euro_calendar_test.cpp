#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "platform/calendarlib/EuroCalendar.h"

namespace mirvo {
namespace {

CalendarDate Date(int32_t y, int32_t m, int32_t d, char letter) { return MakeCalendarDate(y, m, d, letter); }

CalendarDate FromJdn(int32_t jdn, char letter) {
  CalendarDate date;
  date.calendar = letter;
  date.jdn = jdn;
  jdn_to_euro_date(date);
  return date;
}

// Walks every day from -10000-01-01 to 10000-12-31 of one calendar: the next day of each date
// (computed by hand from the month lengths) must have the next day number and convert back.
void CheckWholeRange(char letter) {
  auto leap = [letter](int32_t y) {
    const bool by4 = ((y % 4) + 4) % 4 == 0;
    if (letter == 'J') return by4;
    return by4 && (y % 100 != 0 || y % 400 == 0);
  };
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  CalendarDate first = Date(-10000, 1, 1, letter);
  int32_t jdn = euro_date_to_jdn(first);
  int failures = 0;
  for (int32_t y = -10000; y <= 10000 && failures < 5; ++y) {
    for (int32_t m = 1; m <= 12; ++m) {
      const int length = m == 2 && leap(y) ? 29 : kDays[m - 1];
      for (int32_t d = 1; d <= length; ++d, ++jdn) {
        CalendarDate date = Date(y, m, d, letter);
        const int32_t got = euro_date_to_jdn(date);
        const CalendarDate back = FromJdn(jdn, letter);
        if (got != jdn || date.jdn != jdn || back.year != y || back.month != m || back.day != d) {
          ADD_FAILURE() << letter << " " << y << "-" << m << "-" << d << ": jdn " << got << " expected "
                        << jdn << ", back " << back.year << "-" << back.month << "-" << back.day;
          ++failures;
        }
      }
    }
  }
}

TEST(EuroCalendarExhaustive, GregorianDaysAreConsecutiveAndRoundTrip) { CheckWholeRange('G'); }
TEST(EuroCalendarExhaustive, JulianDaysAreConsecutiveAndRoundTrip) { CheckWholeRange('J'); }

TEST(EuroCalendarExhaustive, ConsecutiveDaysHaveConsecutiveWeekdays) {
  CalendarDate lo = Date(-10000, 1, 1, 'G'), hi = Date(10000, 12, 31, 'G');
  const int32_t first = euro_date_to_jdn(lo), last = euro_date_to_jdn(hi);
  int previous = euro_day_of_week(first - 1);
  for (int32_t jdn = first; jdn <= last; ++jdn) {
    const int wd = euro_day_of_week(jdn);
    ASSERT_EQ(wd, (previous + 1) % 7) << "jdn " << jdn;
    previous = wd;
  }
}

TEST(EuroCalendar, FixedPoints) {
  struct Case {
    int32_t jdn;
    int32_t y, m, d;
    char letter;
  };
  const Case cases[] = {
      {0, -4712, 1, 1, 'J'},         // start of the Julian day count
      {2299161, 1582, 10, 15, 'G'},  // first day of the Gregorian reform …
      {2299161, 1582, 10, 5, 'J'},   // … which was 5 October in the old style
      {2299160, 1582, 10, 4, 'J'},
      {2451545, 2000, 1, 1, 'G'},
      {625333, -3000, 1, 1, 'G'},  // ends of the admitted range of the instant
      {2816788, 3000, 1, 1, 'G'},
      {1721426, 1, 1, 1, 'G'},
      {1721424, 1, 1, 1, 'J'},
      {1721060, 0, 1, 1, 'G'},  // year 0 (1 BC) is a leap year in both calendars
      {1721058, 0, 1, 1, 'J'},
      {1721118, 0, 3, 1, 'J'},
      {-1, -4713, 12, 31, 'J'},  // negative day numbers work too
  };
  for (const auto& c : cases) {
    CalendarDate date = Date(c.y, c.m, c.d, c.letter);
    EXPECT_EQ(euro_date_to_jdn(date), c.jdn) << c.y << "-" << c.m << "-" << c.d << " " << c.letter;
    const CalendarDate back = FromJdn(c.jdn, c.letter);
    EXPECT_EQ(back.year, c.y) << c.jdn;
    EXPECT_EQ(back.month, c.m) << c.jdn;
    EXPECT_EQ(back.day, c.d) << c.jdn;
  }
}

TEST(EuroCalendar, Weekdays) {
  EXPECT_EQ(euro_day_of_week(2451545), 6);  // 2000-01-01 was a Saturday
  EXPECT_EQ(euro_day_of_week(2299161), 5);  // 1582-10-15 a Friday
  EXPECT_EQ(euro_day_of_week(0), 1);        // -4712-01-01 JC a Monday
  EXPECT_EQ(euro_day_of_week(-1), 0);
  EXPECT_EQ(euro_day_of_week(-7), 1);
  for (int32_t jdn : {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
    const int wd = euro_day_of_week(jdn);
    EXPECT_GE(wd, 0);
    EXPECT_LE(wd, 6);
  }
}

TEST(EuroCalendar, ExtremeDayNumbersConvertWithoutOverflow) {
  for (char letter : {'G', 'J'}) {
    for (int32_t jdn : {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
      CalendarDate date = FromJdn(jdn, letter);
      EXPECT_EQ(euro_date_to_jdn(date), jdn) << letter;
    }
  }
}

TEST(EuroCalendar, StrToDateStatuses) {
  struct Case {
    const char* text;
    char letter;
    int status;
  };
  const Case cases[] = {
      {"2023-02-28", 'G', 0},
      {"2024-02-29", 'G', 0},
      {"1900-02-29", 'J', 0},
      {"-44-03-15", 'J', 0},
      {"2023-02-29", 'G', -5},
      {"1900-02-29", 'G', -5},
      {"2023-13-01", 'G', -5},
      {"2023-00-10", 'G', -5},
      {"2023-04-31", 'G', -5},
      {"2023-01-00", 'G', -5},
      {"1-13-30", 'R', 0},
      {"1-14-1", 'R', -5},
      {"1-1-31", 'R', -5},
      // Years whose day number does not fit 32 bits are refused, not wrapped around.
      {"5000000-1-1", 'G', 0},
      {"-5000000-1-1", 'J', 0},
      {"9000000-1-1", 'G', -5},
      {"-9000000-1-1", 'J', -5},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    CalendarDate date;
    EXPECT_EQ(str_to_date(text, 2, date, c.letter), c.status) << c.text;
    if (c.status == 0) {
      EXPECT_EQ(date.calendar, c.letter) << c.text;
    }
  }
}

TEST(EuroCalendar, StrToDateRefusesNonDatesAndLeavesTheRecordAlone) {
  const char* texts[] = {"",
                         "-",
                         "--",
                         "---",
                         "2023",
                         "2023-1",
                         "2023-1-",
                         "-2023--1-1",
                         "--2023-1-1",
                         "+2023-1-1",
                         "2023-+1-1",
                         "2023-1-1-",
                         "2023-1-1 ",
                         "99999999999-1-1",
                         "1-99999999999-1",
                         "2023/1/1",
                         "a-b-c",
                         "2023-1-1x"};
  for (const char* t : texts) {
    std::string text = t;
    CalendarDate date = Date(7, 8, 9, 'J');
    const int status = str_to_date(text, 2, date, 'G');
    EXPECT_NE(status, 0) << '"' << t << '"';
    EXPECT_NE(status, -5) << '"' << t << '"';
    EXPECT_EQ(date.year, 7) << t;
    EXPECT_EQ(date.calendar, 'J') << t;
  }
  std::string text = "2023-1-1";
  CalendarDate date;
  EXPECT_NE(str_to_date(text, 1, date, 'G'), 0);  // only year-month-day is read
}

TEST(EuroCalendar, SeparateThousands) {
  EXPECT_EQ(separate_thousands("1234567", ','), "1,234,567");
  EXPECT_EQ(separate_thousands("-12345", ','), "-12,345");
  EXPECT_EQ(separate_thousands("999", ','), "999");
  EXPECT_EQ(separate_thousands("1000", '.'), "1.000");
  EXPECT_EQ(separate_thousands("", ','), "");
  // Longer than the 19 characters the result may have: returned unchanged, never cut.
  EXPECT_EQ(separate_thousands("123456789012345678", ','), "123456789012345678");
}

TEST(EuroCalendar, TimezoneIsWithinTheWorldsOffsets) {
  const int32_t west = get_timezone();
  EXPECT_GE(west, -14 * 3600);
  EXPECT_LE(west, 12 * 3600);
}

// The offset of standard time whatever the season: zones whose daylight saving is not one hour,
// and southern zones, which keep it over the turn of the year.
TEST(EuroCalendar, TimezoneIsStandardTimeInEverySeason) {
  const char* saved = std::getenv("TZ");
  const std::string previous = saved ? saved : "";
  struct Case {
    const char* zone;
    int32_t west;
  };
  const Case cases[] = {
      {"Australia/Lord_Howe", -(10 * 3600 + 1800)},  // +10:30, +11:00 in the southern summer
      {"Australia/Sydney", -10 * 3600},
      {"Europe/Berlin", -3600},
      {"Europe/Dublin", 0},  // GMT in winter, written in the zone data as a "negative" saving
      {"America/New_York", 5 * 3600},
      {"Asia/Shanghai", -8 * 3600},
      {"UTC", 0},
  };
  for (const Case& c : cases) {
    setenv("TZ", c.zone, 1);
    tzset();
    EXPECT_EQ(get_timezone(), c.west) << c.zone;
  }
  if (saved)
    setenv("TZ", previous.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace mirvo
