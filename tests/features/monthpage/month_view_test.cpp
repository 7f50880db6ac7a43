#include "features/monthpage/MonthView.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/monthpage/CalendarImage.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/Services.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

// Lunar months at 120 degrees east (tests/data/china_months_1901_2100.csv): 2033's month 11 has 30
// days from 2033-11-22, its leap month 11* 29 days from 2033-12-22, month 12 30 days from
// 2034-01-20; month 2 of 2033 runs from 2033-03-01 to 03-30.
const int32_t kMonth11 = JdnOfCeDate(2033, 11, 22);
const int32_t kLeapMonth11 = JdnOfCeDate(2033, 12, 22);
const int32_t kMonth12 = JdnOfCeDate(2034, 1, 20);

class MonthViewTest : public ::testing::Test {
 protected:
  MonthView View(int32_t day, int32_t today = 0) { return BuildMonthView(reckoner_, day, today); }
  Reckoner reckoner_;
};

TEST_F(MonthViewTest, DaysFillTheGridWithDay15InTheLunadayColumn) {
  struct Case {
    int32_t first;
    int length;
  };
  for (const Case c : {Case{kLeapMonth11, 29}, Case{kMonth11, 30}}) {
    SCOPED_TRACE(c.length);
    // Any day of the month shows the whole month.
    const MonthView view = View(c.first + 17);
    ASSERT_TRUE(view.valid);
    EXPECT_EQ(view.firstDay, c.first);
    EXPECT_EQ(view.length, c.length);
    std::vector<int> days;
    for (const MonthCell& cell : view.cells) {
      if (cell.visible) {
        days.push_back(cell.lunarDay);
        EXPECT_EQ(cell.jdn, c.first + cell.lunarDay - 1);
      }
    }
    ASSERT_EQ(days.size(), static_cast<size_t>(c.length));
    for (size_t i = 0; i < days.size(); ++i) EXPECT_EQ(days[i], static_cast<int>(i) + 1);
    const MonthCell* fifteen = view.CellOfLunarDay(15);
    ASSERT_NE(fifteen, nullptr);
    EXPECT_EQ(fifteen->row, 1);
    EXPECT_EQ(fifteen->column, kLunadayColumn);
    EXPECT_EQ(view.cells[kMonthViewCells - 1].visible, c.length == 30);
    EXPECT_FALSE(view.cells[7].visible);
    EXPECT_FALSE(view.cells[23].visible);
  }
}

TEST_F(MonthViewTest, TextsOfTheLeapMonth) {
  const MonthView view = View(kLeapMonth11);
  EXPECT_EQ(view.title, "Leap month 11*  in the water-ox year (nian) at position 50 of cycle 79 (year 4730)");
  const MonthCell& first = view.cells[0];
  EXPECT_EQ(first.dayNumberText, "1 ");
  EXPECT_EQ(first.dateText, "Thu Dec 22");
  EXPECT_EQ(view.CellOfLunarDay(15)->dayNumberText, "15");
  EXPECT_EQ(view.CellOfLunarDay(11)->dateText, "Sun Jan 1");
  EXPECT_EQ(MonthViewCaption(reckoner_, kLeapMonth11 + 2), "79-50-11*-03 CHL");
}

// The rows follow the Moon, not the week: over a year of months each column holds every weekday,
// so no heading may name one. Day 15 stays under "Lunaday".
TEST_F(MonthViewTest, HeadingsNameNoWeekdayTheColumnsDoNotHold) {
  std::array<std::set<int>, kMonthViewColumns> weekdays;
  for (int32_t day = kLeapMonth11; day < kLeapMonth11 + 365; day = View(day).nextFirstDay) {
    for (const MonthCell& cell : View(day).cells) {
      if (cell.visible) weekdays[static_cast<size_t>(cell.column)].insert(cell.weekday);
    }
  }
  for (int k = 0; k < kMonthViewColumns; ++k) {
    EXPECT_EQ(weekdays[static_cast<size_t>(k)].size(), 7u) << k;
    for (int weekday = 0; weekday < 7; ++weekday) {
      EXPECT_EQ(MonthColumnHeading(k).find(WeekdayName(weekday, false, 0).substr(0, 3)), std::string::npos)
          << k;
    }
  }
  EXPECT_EQ(MonthColumnHeading(kLunadayColumn), "Lunaday");
}

// The month before has 30 days (month 11) or 29 (leap month 11*): day 1 lies 30 or 29 days back.
TEST_F(MonthViewTest, StepsLandOnDayOneOfTheNeighbours) {
  const MonthView leap = View(kLeapMonth11);
  EXPECT_EQ(leap.previousFirstDay, kMonth11);
  EXPECT_EQ(leap.nextFirstDay, kMonth12);
  const MonthView twelve = View(kMonth12);
  EXPECT_EQ(twelve.previousFirstDay, kLeapMonth11);
  EXPECT_EQ(View(kMonth11).nextFirstDay, kLeapMonth11);
}

TEST_F(MonthViewTest, HeadingNamesTheCommonEraMonths) {
  EXPECT_EQ(View(kLeapMonth11).heading, "Common Era year 2033 (December) - 2034 (January)");
  EXPECT_EQ(View(kMonth11).heading, "Common Era year 2033 (November-December)");
  EXPECT_EQ(View(JdnOfCeDate(2033, 3, 10)).heading, "Common Era year 2033, month of March");
  // Years are astronomical and bare.
  EXPECT_EQ(CeHeading(MakeCalendarDate(0, 12, 20), MakeCalendarDate(1, 1, 18)),
            "Common Era year 0 (December) - 1 (January)");
}

TEST_F(MonthViewTest, WeekendCellsAreSaturdaysAndSundays) {
  const MonthView view = View(kLeapMonth11);
  for (const MonthCell& cell : view.cells) {
    if (!cell.visible) continue;
    const std::string weekday = cell.dateText.substr(0, 3);
    EXPECT_EQ(cell.weekend, weekday == "Sat" || weekday == "Sun") << cell.dateText;
  }
  EXPECT_TRUE(view.cells[2].weekend);   // Sat Dec 24
  EXPECT_FALSE(view.cells[1].weekend);  // Fri Dec 23
}

TEST_F(MonthViewTest, TodayIsMarkedOnlyInItsMonth) {
  EXPECT_EQ(View(kLeapMonth11, kLeapMonth11 + 14).todayCell, 15);  // day 15
  EXPECT_EQ(View(kMonth11, kMonth11 + 29).todayCell, 31);          // day 30
  EXPECT_EQ(View(kLeapMonth11, kMonth11 + 29).todayCell, -1);
  EXPECT_EQ(View(kMonth12, kLeapMonth11 + 28).todayCell, -1);
}

// A month whose first day rests on a new moon within its uncertainty of midnight (2057 month 9 at
// 2057-09-29, just after; 2089 month 8 at 2089-09-04, just before) says so on its page, and the
// month before it says that its length may differ by that day; a month of 2024 says nothing.
TEST_F(MonthViewTest, PagesOfUncertainMonthsSaySo) {
  struct Case {
    int32_t day;
    const char* note;      // the page's short note begins so
    const char* sentence;  // the sentences hold this
    int otherLength;       // the length other sources may give, 0: the month's own
  } const cases[] = {
      {JdnOfCeDate(2057, 9, 29), "first day: new moon 3", "other sources may give the day before.", 0},
      {JdnOfCeDate(2057, 9, 28), "end: next new moon 3", "may begin it a day earlier, giving this month ",
       -1},
      {JdnOfCeDate(2089, 9, 4), "first day: new moon 6", "other sources may give the day after.", 0},
      {JdnOfCeDate(2089, 9, 3), "end: next new moon 6", "may begin it a day later, giving this month ", +1},
      {JdnOfCeDate(2024, 3, 20), "", "", 0},
  };
  for (const Case& c : cases) {
    const MonthView view = View(c.day);
    SCOPED_TRACE(view.heading);
    EXPECT_TRUE(view.uncertainNote.starts_with(c.note)) << view.uncertainNote;
    EXPECT_NE(view.uncertainty.find(c.sentence), std::string::npos) << view.uncertainty;
    EXPECT_EQ(view.uncertainNote.empty(), view.uncertainty.empty());
    if (c.otherLength != 0) {
      EXPECT_TRUE(view.uncertainty.ends_with(std::to_string(view.length + c.otherLength) + " days."));
    }
  }
}

TEST(LunarDayMoon, WaxesToFullAtMidMonthThenWanes) {
  EXPECT_LT(MoonOfLunarDay(1).illumination, 0.01);
  EXPECT_NEAR(MoonOfLunarDay(8).illumination, 0.5, 0.06);
  EXPECT_GT(MoonOfLunarDay(15).illumination, 0.99);
  EXPECT_NEAR(MoonOfLunarDay(23).illumination, 0.5, 0.06);
  for (int day = 1; day <= 30; ++day) EXPECT_EQ(MoonOfLunarDay(day).waxing, day <= 15) << day;
}

TEST(CalendarImage, SavesPngOrFallsBackToBmp) {
  struct Case {
    std::string chosen;
    bool pngWorks, bmpWorks;
    ImageSaveOutcome outcome;
    std::vector<std::string> written;
    std::string message;
  };
  const Case cases[] = {
      {"", true, true, ImageSaveOutcome::kCancelled, {}, ""},
      {"/p/m.png",
       true,
       true,
       ImageSaveOutcome::kPng,
       {"PNG /p/m.png"},
       "The image has been saved in the PNG file\n/p/m.png"},
      {"/p/m.PNG",
       false,
       true,
       ImageSaveOutcome::kBmp,
       {"PNG /p/m.PNG", "BMP /p/m.bmp"},
       "Save error.  The image has been saved instead in the BMP file\n/p/m.bmp"},
      {"/p/m",
       false,
       false,
       ImageSaveOutcome::kFailed,
       {"PNG /p/m", "BMP /p/m.bmp"},
       "Error when attempting to save image.  Please try again."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    ScriptedDialogs dialogs;
    dialogs.answer = c.chosen;
    RecordingMessages messages;
    std::vector<std::string> written;
    const ImageSaveOutcome outcome = SaveCalendarImage(
        dialogs, messages,
        [&](const std::string& path, const char* format) {
          written.push_back(std::string(format) + " " + path);
          return std::string(format) == "PNG" ? c.pngWorks : c.bmpWorks;
        },
        "lunar-month-2033-11-leap.png");
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(written, c.written);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0],
              "Save image of this calendar month as a PNG file|PNG graphics file (*.png) | *.png");
    EXPECT_EQ(dialogs.fileName, "lunar-month-2033-11-leap.png");
    EXPECT_EQ(dialogs.folder, StartFolder::kPictures);
    if (c.message.empty()) {
      EXPECT_TRUE(messages.shown.empty());
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, c.message);
      EXPECT_EQ(messages.shown[0].title, c.outcome == ImageSaveOutcome::kFailed ? "" : "Save image");
    }
  }
}

}  // namespace
}  // namespace mirvo
