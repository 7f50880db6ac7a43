#include "features/display/CalendarHistory.h"

#include <gtest/gtest.h>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/Display.h"
#include "features/monthpage/MonthView.h"
#include "features/tables/MainTables.h"

namespace mirvo {
namespace {

struct Setting {
  Country country;
  bool historical;
};

void Apply(Reckoner& r, Setting s) {
  r.SetCountry(s.country);
  r.SetReferenceLongitude(CountryOf(s.country).longitude);
  r.SetHistorical(s.historical);
}

// The lunar row of a day at noon UT: its caption, and its tooltip's words on the calendar's history.
TEST(CalendarHistoryText, LunarRowSaysWhatTheAlmanacOfTheTimeGave) {
  struct Case {
    Setting setting;
    int y, m, d;
    const char* caption;
    const char* history;
  } cases[] = {
      {{kVietnam, false},
       1965,
       2,
       1,
       "Vietnamese Lunar:",
       "In 1965 Vietnam's almanac was computed for 120º E: that day was 78-41-12-30 CHL."},
      {{kVietnam, true},
       1965,
       2,
       1,
       "Vietnamese Lunar (120º E):",
       "Computed for 120º E, the meridian of Vietnam's almanac of 1964."},
      {{kVietnam, false},
       1940,
       2,
       10,
       "Vietnamese Lunar:",
       "Computed by the modern rule; the almanac of the time may differ."},
      {{kChina, true},
       1916,
       2,
       3,
       "Chinese Lunar (116º25′ E):",
       "Computed for 116º25′ E, the meridian of China's almanac of 1916."},
      {{kChina, false},
       1906,
       4,
       23,
       "Chinese Lunar:",
       "In 1906 China's almanac was computed for 116º25′ E: that day was 77-43-04-01 CHL. "
       "Computed by the modern rule; the almanac of the time may differ."},
      {{kKorea, false}, 1997, 2, 8, "Korean Lunar:", ""},
      {{kVietnam, false}, 1968, 1, 29, "Vietnamese Lunar:", ""},
      {{kJapan, true},
       1872,
       6,
       1,
       "Japanese Lunar:",
       "Computed by the modern rule; the almanac of the time may differ."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << CountryNumber(c.setting.country) << (c.setting.historical ? "h " : " ")
                                    << c.y << "-" << c.m << "-" << c.d);
    Reckoner r;
    Apply(r, c.setting);
    const DisplayTexts d = ComputeDisplay(JdnOfCeDate(c.y, c.m, c.d) + 0.0, r, DisplayOptions{});
    EXPECT_EQ(d.Row(RowId::kChl).caption, c.caption);
    EXPECT_EQ(d.chlHistory, c.history);
    EXPECT_NE(d.Row(RowId::kChl).tooltip.find(c.history), std::string::npos);
  }
}

// A month's rule and notes, as months and the month view give them.
TEST(CalendarHistoryText, MonthsSayTheirRule) {
  struct Case {
    Setting setting;
    int year, month;
    const char* rule;
    const char* note;
  } cases[] = {
      {{kVietnam, false},
       1965,
       1,
       "modern,almanac-E120",
       "the almanac of 1965 (120º E): 29 days from 1965-02-02 CE"},
      {{kVietnam, true}, 1965, 1, "E120", "computed for 120º E (the almanac of 1965)"},
      {{kVietnam, true}, 1968, 1, "modern", ""},
      {{kVietnam, true},
       1940,
       1,
       "E120,may-differ",
       "computed for 120º E (the almanac of 1940); modern rule: the almanac of the time may differ"},
      {{kChina, false},
       1914,
       9,
       "modern,almanac-E116.4167",
       "the almanac of 1914 (116º25′ E): 29 days from 1914-10-19 CE"},
      {{kChina, false}, 2024, 1, "modern", ""},
      {{kKorea, false}, 1899, 1, "modern,may-differ", "modern rule: the almanac of the time may differ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << CountryNumber(c.setting.country) << (c.setting.historical ? "h " : " ")
                                    << c.year << "-" << c.month);
    Reckoner r;
    Apply(r, c.setting);
    ChlDate month;
    month.cycle = CycleOf(c.year, Epoch::kOlder);
    month.position = PositionOf(c.year);
    month.month = c.month;
    month.day = 1;
    ASSERT_EQ(r.ChlToDay(month), kChlValid);
    ChlDate probe = month;
    const MonthHistory h = MonthHistoryOf(r, month, r.ChlMonthLength(probe));
    EXPECT_EQ(MonthRuleCode(h), c.rule);
    EXPECT_EQ(CalendarHistoryMonthNote(h), c.note);
    const MonthView view = BuildMonthView(r, month.jdn, 0);
    EXPECT_EQ(view.historyNote, c.note);
    EXPECT_EQ(view.history.empty(), std::string(c.note).empty()) << view.history;
  }
}

}  // namespace
}  // namespace mirvo
