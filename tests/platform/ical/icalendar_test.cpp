// The iCalendar writer, read back with libical's parser.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ical/ICalendar.h"
#include "tests/support/ICalendarRead.h"

namespace mirvo {
namespace {

// Texts that need escaping and folding: commas, semicolons, line breaks, a backslash, and long
// runs of two-, three- and four-octet characters, so that a fold could fall inside one.
TEST(ICalendar, EventsComeBackWithTheirTextsDatesAndForm) {
  const std::string longTitle = "Tết Nguyên Đán; 春节, 旧正月 " + std::string(30, 'x') +
                                " 农历新年农历新年农历新年农历新年农历新年 🌕🌕🌕🌕🌕🌕";
  std::vector<CalendarEvent> events = {
      {"a-1@mirvo", longTitle, "Line one\nline two, with \\ and ;", {2024, 2, 10}, true},
      {"b-2@mirvo", "Z11", "Solar term", {2024, 12, 21, 9, 20, 34}, false},
      {"c-3@mirvo", "Year 1", "", {1, 1, 1}, true},
      {"d-4@mirvo", "Year 3000", "", {3000, 12, 31, 23, 59, 59}, false},
      {"e-5@mirvo", "Last day", "", {3000, 12, 31}, true},
  };
  const std::string text = ICalendarText(events, {2025, 3, 4, 5, 6, 7}, "Lunar, dates");
  EXPECT_EQ(test::FormFault(text), "");
  EXPECT_NE(text.find("DTSTAMP:20250304T050607Z\r\n"), std::string::npos);
  EXPECT_NE(text.find("DTSTART;VALUE=DATE:20240210\r\n"), std::string::npos);
  EXPECT_NE(text.find("DTEND;VALUE=DATE:20240211\r\n"), std::string::npos);

  const test::ReadCalendar read = test::ReadICalendar(text);
  ASSERT_TRUE(read.parsed);
  EXPECT_EQ(read.version, "2.0");
  EXPECT_FALSE(read.prodid.empty());
  ASSERT_EQ(read.events.size(), events.size());
  const char* starts[] = {"2024-02-10", "2024-12-21 09:20:34", "0001-01-01", "3000-12-31 23:59:59",
                          "3000-12-31"};
  for (size_t i = 0; i < events.size(); ++i) {
    const test::ReadEvent& e = read.events[i];
    SCOPED_TRACE(e.uid);
    EXPECT_EQ(e.uid, events[i].uid);
    EXPECT_EQ(e.summary, events[i].summary);
    EXPECT_EQ(e.description, events[i].description);
    EXPECT_TRUE(e.hasStamp);
    EXPECT_EQ(e.StartText(), starts[i]);
    EXPECT_EQ(e.start.is_date != 0, events[i].allDay);
    EXPECT_EQ(e.Utc(), !events[i].allDay);
    // All-day events end the next day, but for the last day libical can write.
    EXPECT_EQ(e.hasEnd, events[i].allDay && i + 1 < events.size());
  }
}

TEST(ICalendar, DatesTheFormatCannotHoldAreRefused) {
  for (const EventTime& t : {EventTime{0, 12, 31}, EventTime{-44, 3, 15}, EventTime{3001, 1, 1}}) {
    EXPECT_THROW(ICalendarText({{"x@mirvo", "x", "", t, true}}, {2025, 1, 1}, ""), std::out_of_range)
        << t.year;
  }
}

}  // namespace
}  // namespace mirvo
