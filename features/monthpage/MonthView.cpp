#include "features/monthpage/MonthView.h"

#include <cmath>
#include <numbers>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Names.h"
#include "core/names/NativeDate.h"
#include "core/vellomir/Vellomir.h"
#include "features/display/CalendarHistory.h"
#include "features/display/Phrases.h"
#include "features/display/UncertainDay.h"

namespace mirvo {
namespace {

constexpr int kSunday = 0, kSaturday = 6;

// The lunar date of a day, or valid = 0 outside the days the calendar computes.
ChlDate LunarDateOf(Reckoner& reckoner, int32_t day) {
  ChlDate chl;
  chl.epoch = reckoner.Epoch();
  chl.jdn = day;
  reckoner.RefreshChlDate(chl);
  return chl;
}

std::string FirstThree(std::string_view name) { return std::string(name.substr(0, 3)); }

void FillCell(MonthCell& cell, int lunarDay, int32_t jdn, Language language) {
  cell.lunarDay = lunarDay;
  cell.jdn = jdn;
  cell.ce = CeDateOfJdn(jdn);
  cell.weekday = WeekdayOf(jdn);
  cell.weekend = cell.weekday == kSaturday || cell.weekday == kSunday;
  if (language == Language::kEnglish) {
    cell.dayNumberText = std::to_string(lunarDay) + (lunarDay < 10 ? " " : "");
    cell.dateText = FirstThree(WeekdayName(cell.weekday, false, 0)) + " " +
                    FirstThree(MonthName(cell.ce.month, false, 0)) + " " + std::to_string(cell.ce.day);
  } else {
    cell.dayNumberText = std::string(names::Day(language, lunarDay));
    cell.dateText = Phrased(
        language, Phrase::kCellDate,
        {ShortWeekday(language, cell.weekday), std::to_string(cell.ce.month), std::to_string(cell.ce.day)});
  }
  const VmcDate vmc = VmcDateOfDay(jdn);
  cell.vmcText = std::string(VmcMonthName(vmc.month)) + " " + std::to_string(vmc.day);
}

}  // namespace

const MonthCell* MonthView::CellOfLunarDay(int day) const {
  for (const MonthCell& cell : cells) {
    if (cell.visible && cell.lunarDay == day) return &cell;
  }
  return nullptr;
}

bool MonthCellVisible(int n, int monthLength) {
  const int row = n / kMonthViewColumns, column = n % kMonthViewColumns;
  return (monthLength == 30 && row == 3) || row == 1 || column < kLunadayColumn;
}

MonthView BuildMonthView(Reckoner& reckoner, int32_t day, int32_t today, Language language,
                         FestivalCalendar* festivals) {
  MonthView view;
  ChlDate chl = LunarDateOf(reckoner, day);
  if (!chl.valid) return view;
  view.firstDay = day - (chl.day - 1);
  chl.day = 1;
  chl.jdn = view.firstDay;
  const int16_t length = reckoner.ChlMonthLength(chl);
  if (length != 29 && length != 30) return view;

  view.chl = chl;
  view.length = length;
  view.nextFirstDay = view.firstDay + length;
  // The preceding month has 29 days exactly when the day 29 days back is its day 1.
  view.previousFirstDay =
      LunarDateOf(reckoner, view.firstDay - 29).day == 1 ? view.firstDay - 29 : view.firstDay - 30;
  view.title =
      language == Language::kEnglish
          ? reckoner.ChlDateSentence(chl, {})
          : NativeLunarMonth(language, chl.position, chl.month, chl.leap != 0) +
                Parenthesized(language, ElementAnimalName(language, chl.position, reckoner.CountryIndex()));

  int lunarDay = 0;
  const MonthCell* first = nullptr;
  const MonthCell* last = nullptr;
  for (int n = 0; n < kMonthViewCells; ++n) {
    MonthCell& cell = view.cells[static_cast<size_t>(n)];
    cell.row = n / kMonthViewColumns;
    cell.column = n % kMonthViewColumns;
    cell.visible = MonthCellVisible(n, length);
    if (!cell.visible) continue;
    ++lunarDay;
    FillCell(cell, lunarDay, view.firstDay + lunarDay - 1, language);
    if (festivals != nullptr) {
      cell.festivals = festivals->OfDay(reckoner, cell.jdn);
      cell.festivalText = FestivalDayLine(language, cell.festivals, true);
    }
    if (cell.jdn == today) view.todayCell = n;
    if (first == nullptr) first = &cell;
    last = &cell;
  }
  view.heading = CeHeading(first->ce, last->ce, language);
  Reckoner::DayMargins atFirst, atLast;
  if (reckoner.MarginsOfDay(view.firstDay, atFirst) && reckoner.MarginsOfDay(view.nextFirstDay - 1, atLast)) {
    view.uncertainty = UncertainMonthPageText(atFirst.month, atLast.next, length);
    view.uncertainNote = UncertainMonthPageNote(atFirst.month, atLast.next);
  }
  const MonthHistory history = MonthHistoryOf(reckoner, chl, length);
  view.history = CalendarHistoryMonthText(reckoner, history);
  view.historyNote = CalendarHistoryMonthNote(history);
  view.valid = true;
  return view;
}

std::string CeHeading(const CalendarDate& first, const CalendarDate& last, Language language) {
  if (language != Language::kEnglish) {
    const std::string m1 = std::to_string(first.month), m2 = std::to_string(last.month);
    const std::string y1 = std::to_string(first.year), y2 = std::to_string(last.year);
    if (first.year != last.year) return Phrased(language, Phrase::kTwoYearsHeading, {y1, m1, y2, m2});
    if (first.month == last.month) return Phrased(language, Phrase::kOneMonthHeading, {y1, m1});
    return Phrased(language, Phrase::kTwoMonthsHeading, {y1, m1, m2});
  }
  const std::string m1(MonthName(first.month, false, 0)), m2(MonthName(last.month, false, 0));
  const std::string y1 = std::to_string(first.year), y2 = std::to_string(last.year);
  if (first.year != last.year) {
    return "Common Era year " + y1 + " (" + m1 + ") - " + y2 + " (" + m2 + ")";
  }
  if (first.month == last.month) return "Common Era year " + y1 + ", month of " + m1;
  return "Common Era year " + y1 + " (" + m1 + "-" + m2 + ")";
}

std::string MonthColumnHeading(int column, Language language) {
  return column == kLunadayColumn ? std::string(PhraseText(language, Phrase::kLunadayHeading)) : "";
}

std::string MonthViewCaption(Reckoner& reckoner, int32_t day) {
  const ChlDate chl = LunarDateOf(reckoner, day);
  return chl.valid ? reckoner.ChlDateText(chl, 0, "CHL") : std::string();
}

LunarDayMoon MoonOfLunarDay(int lunarDay) {
  // A lunar day begins on the civil day of the dark moon, which falls on average at its noon, so
  // noon of day d is on average d - 1 days after it. The phase angle of a Moon of mean motion
  // grows by 360 degrees in a mean synodic month (Meeus, Astronomical Algorithms, ch. 49), and
  // the lit fraction is (1 - cos i) / 2 of the elongation i (ch. 48, with the phase angle taken as
  // 180 degrees less the elongation).
  const double age = lunarDay - 1.0;
  const double elongation = 2.0 * std::numbers::pi * age / MeanSynodicMonth;
  return {(1.0 - std::cos(elongation)) / 2.0, age < MeanSynodicMonth / 2.0};
}

}  // namespace mirvo
