// The words of the program's text outputs in every language (Language.h): the captions of the
// rows, of the month page and of calendar events, and the calendar names they are made of — the
// element-animal and stem-branch names of a year, month or day, a lunar date spelled out with
// them, the day of a solar term, the Moon's phase. English is the program's own text; codes (CE,
// CHL, 79-41-01-01) and numbers stay as they are in every language. These texts are only shown,
// never read back.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/chinese/Cycles.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Language.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// A caption or fixed text. "{}" marks where Phrased puts its texts, in order.
enum class Phrase : int {
  // The rows of the main window as `mirvo-cli show` heads them, and its other lines.
  kCommonEraCaption,
  kJulianCaption,
  kLunarCaption,  // {country}
  kSolarCaption,  // {country}
  kVellomirCaption,
  kVellomirZoneCaption,  // {zone label}
  kVellomirNoteCaption,
  kCjdLondonCaption,
  kCjdMeridianCaption,  // {longitude}
  kAjdCaption,
  kPhaseCaption,
  kAgeCaption,
  kDeltaTCaption,
  kUncertainDayCaption,
  kLunarDateCaption,
  kSolarTermCaption,
  kYearNamesCaption,
  kMonthNamesCaption,
  kDayNamesCaption,
  kYearCountCaption,
  kYearCount,         // {count}
  kLunarYearCaption,  // `chinese`: the lunar date with the year count
  kTermDayCaption,    // `chinese`: the day of the solar term
  // How the Vellomir date's month and day compare with the lunar date's (CompareVmcWithChl).
  kVmcSameMonthAndDay,
  kVmcDayAhead,
  kVmcDayBehind,
  kVmcMonthAhead,
  kVmcMonthBehind,
  kVmcSameMonth,
  kVmcSameDay,
  // The month page.
  kOneMonthHeading,   // {year} {month}
  kTwoMonthsHeading,  // {year} {first month} {last month}
  kTwoYearsHeading,   // {first year} {first month} {last year} {last month}
  kLunadayHeading,
  kMonthRowsHeading,
  kUncertainCaption,
  kCalendarHistoryCaption,
  kCellDate,  // {short weekday} {month} {day}
  // Calendar events and the day of a solar term.
  kNewYearSummary,
  kTermDay,  // {term} {day}
};

// The phrase in the language; "" for a value outside either enum.
std::string_view PhraseText(Language language, Phrase phrase);
// The phrase with each "{}" replaced by the next text.
std::string Phrased(Language language, Phrase phrase, std::initializer_list<std::string_view> texts);
// A pattern with each "{N}" (one digit) replaced by the N-th text; the other tables of phrases
// fill theirs in with it.
std::string FilledIn(std::string_view pattern, std::initializer_list<std::string_view> texts);

// A text in the language's parentheses: "（木龙）" in Chinese and Japanese, " (Rồng Mộc)" else.
std::string Parenthesized(Language language, std::string_view text);
// Between the parts of a listing: "，" in Chinese, "、" in Japanese, ", " else.
std::string_view ListSeparator(Language language);

// The country (Cycles.h index) as a caption names it: "China", 中国, Trung Quốc, ベトナム.
std::string_view CountryWord(Language language, Country country);
// Sunday (0) … Saturday (6) in a calendar cell: 周日, CN, 日, 일; "Sun" in English.
std::string_view ShortWeekday(Language language, int weekday);

// The element and animal of a cycle position (1..60) in the country: "wood-dragon", 木龙, Rồng
// Mộc, 木の竜, and in Korean the element's colour, as Korean years are named (푸른 용).
std::string ElementAnimalName(Language language, int position, Country country);

// What a position names: a year, a month or a day.
enum class CycleUnit { kYear, kMonth, kDay };
// The stem-branch name of a year, month or day: 甲辰年, năm Giáp Thìn, 갑진년, "jia-chen year".
std::string StemBranchOf(Language language, int position, CycleUnit unit);
// The element-animal name of a year, month or day: 木龙年, năm Rồng Mộc, 木の竜の年, 푸른 용의 해,
// "wood-dragon year".
std::string ElementAnimalOf(Language language, int position, Country country, CycleUnit unit);
// Both: 甲辰年（木龙）, năm Giáp Thìn (Rồng Mộc), 갑진년 (푸른 용).
std::string CycleNames(Language language, int position, Country country, CycleUnit unit);

// A lunar date spelled out in calendar words: the date as the language's calendars write it
// (NativeLunarDate), then the names of its year, month and day (jdn is its day number; 0 leaves
// the day's names out), with their stem-branch names or without:
//   甲辰年正月初一，甲辰年（木龙），丙寅月（火虎），甲子日（木鼠）
//   mùng 1 tháng Giêng năm Giáp Thìn, ngày Giáp Tý (Chuột Mộc), tháng Bính Dần (Hổ Hỏa), …
std::string LunarDateWords(Language language, const ChlDate& date, int32_t jdn, Country country,
                           bool withStemBranch);
// The day of a solar term with the term's code: 立春第1天（J1）, ngày thứ 1 của tiết Lập xuân (J1).
std::string SolarTermDayWords(Language language, const ChsDate& date);
// A lunar month and day without the year, named as a lunar date: 农历五月三十, ngày 30 tháng
// Năm âm lịch, 旧暦閏4月1日, 음력 5월 30일; "month 5, day 30" in English.
std::string LunarMonthDayWords(Language language, int month, bool leap, int day);
// The Moon's phase by its lit fraction (0..1) and half of the month, with the fraction:
// 蛾眉月，23.4%, Trăng lưỡi liềm đầu tháng, 23.4%, 三日月、23.4%.
std::string MoonPhaseWords(Language language, double illumination, bool waxing);

}  // namespace mirvo
