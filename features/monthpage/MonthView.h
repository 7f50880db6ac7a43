// The lunar calendar month view without the widgets: one Chinese lunar month laid out as a page of
// 32 cells in 4 rows of 8, with every text the window paints, the month's neighbours for the step
// buttons, and the cell of today. The window and `mirvo-cli month-view` only show what this builds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/names/Language.h"
#include "features/festivals/FestivalCalendar.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class Reckoner;

inline constexpr int kMonthViewRows = 4;
inline constexpr int kMonthViewColumns = 8;
inline constexpr int kMonthViewCells = kMonthViewRows * kMonthViewColumns;
// The eighth column holds day 15 and, in a 30-day month, day 30; it is headed "Lunaday".
inline constexpr int kLunadayColumn = 7;

struct MonthCell {
  int row = 0;     // 0..3
  int column = 0;  // 0..7
  bool visible = false;
  // The rest is set for visible cells only.
  int lunarDay = 0;  // 1..30
  int32_t jdn = 0;
  CalendarDate ce;  // its CE date
  int weekday = 0;  // 0 Sunday .. 6 Saturday
  bool weekend = false;
  std::string dayNumberText;  // "7 ", "15"; 初七, mùng 7 … in other languages
  std::string dateText;       // "Mon Jan 6"; 1月6日 周一, T2 6/1 …
  std::string vmcText;        // "Apollo 5"
  // The festivals and periods of the day, named in any language with FestivalDayLine; the cell
  // names the first.
  std::vector<FestivalOnDay> festivals;
  std::string festivalText;  // the first, in the view's language ("" on other days)
};

struct MonthView {
  bool valid = false;        // false: the day lies outside the days the calendar computes
  ChlDate chl;               // day 1 of the month
  int32_t firstDay = 0;      // day number of day 1
  int length = 0;            // 29 or 30
  int32_t nextFirstDay = 0;  // day 1 of the following month
  int32_t previousFirstDay = 0;
  // "Leap month 11*  in the water-ox year (nian) at position 50 of cycle 79 (year 4730)";
  // 癸丑年闰十一月（水牛）, tháng Mười Một nhuận năm Quý Sửu (Trâu Thủy) … in other languages
  std::string title;
  std::string heading;  // "Common Era year 2033 (December) - 2034 (January)"
  std::array<MonthCell, kMonthViewCells> cells{};
  int todayCell = -1;  // the cell that holds today, or -1
  // Other tables may begin, number or end this month differently: the sentences, and a short
  // note for the page (both "" when the month is as sure as the ephemeris and Delta T allow).
  std::string uncertainty;
  std::string uncertainNote;
  // What the almanac of the month's time says otherwise, or may say: the sentences and a short
  // note (CalendarHistoryMonthText and CalendarHistoryMonthNote; both "" for most months).
  std::string history;
  std::string historyNote;

  const MonthCell* CellOfLunarDay(int day) const;
};

// Whether cell n (0..31) shows a day: row 1 always, row 3 of a 30-day month, and otherwise the
// first seven columns.
bool MonthCellVisible(int n, int monthLength);

// The month holding `day` (any day of it, not only day 1), with today's cell marked when `today`
// lies in it. The Reckoner's settings (meridian, epoch, country) apply, and its last-built tables
// are those of the month afterwards. The texts are in the language; codes and numbers stay. With
// festivals, each cell holds its day's.
MonthView BuildMonthView(Reckoner& reckoner, int32_t day, int32_t today,
                         Language language = Language::kEnglish, FestivalCalendar* festivals = nullptr);

// The heading over the grid for the CE dates of the first and the last day of the month.
std::string CeHeading(const CalendarDate& first, const CalendarDate& last,
                      Language language = Language::kEnglish);

// Column k (0..7): "" over the seven day columns, which hold no fixed weekday (each cell names
// its own), and "Lunaday" over the eighth. The rows heading spans the seven day columns.
std::string MonthColumnHeading(int column, Language language = Language::kEnglish);
inline constexpr char kMonthRowsHeadingText[] = "One quarter of the lunar month in each row";

// The window's caption: the lunar date of `day` as the main window's CHL row writes it, up to its
// code ("79-50-11*-03 CHL").
std::string MonthViewCaption(Reckoner& reckoner, int32_t day);

// The Moon of a cell: the illuminated fraction and the half of the month of lunar day d (1..30),
// for a Moon of mean motion seen at noon of that day.
struct LunarDayMoon {
  double illumination = 0;
  bool waxing = true;
};
LunarDayMoon MoonOfLunarDay(int lunarDay);

}  // namespace mirvo
