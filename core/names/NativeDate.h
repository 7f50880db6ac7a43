// Lunar dates written the way a calendar of each language writes them, and the solar term of a
// civil day. The code notation (79-41-01-01 CHL) stays the entry syntax; these texts are only
// shown, never read back.
#pragma once

#include <cstdint>
#include <string>

#include "core/names/Language.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class Reckoner;

// The lunar date of a valid record (DayToChl, ChlToDay):
//   zh-Hans  甲辰年正月初一, 癸卯年闰二月初一       zh-Hant  甲辰年臘月廿九, 癸卯年閏二月十五
//   vi       mùng 1 tháng Giêng năm Giáp Thìn, ngày 15 tháng Sáu nhuận năm Ất Tỵ
//   ja       甲辰年 旧暦1月1日, 癸卯年 旧暦閏2月1日  ko  갑진년 음력 1월 1일, 계묘년 음력 윤2월 1일
//   en       Jia-chen year, month 1, day 1; Gui-mao year, leap month 2, day 1
// The year is named by the record's cycle position, which does not depend on the epoch. Empty
// for a record not marked valid, or whose position, month or day lies outside 1..60, 1..12, 1..30.
std::string NativeLunarDate(Language language, const ChlDate& date);

// The lunar month of a cycle position (1..60) alone, as the same calendars head a month's page:
// 癸丑年闰十一月, tháng Mười Một nhuận năm Quý Sửu, 癸丑年 旧暦閏11月, 계축년 음력 윤11월,
// "Gui-chou year, leap month 11". Empty for a position or month out of range.
std::string NativeLunarMonth(Language language, int position, int month, bool leap);

// The same for the civil day numbered jdn at the reckoner's meridian, in the reckoner's lunar
// calendar; empty outside the days it computes.
std::string NativeLunarDateOfDay(Language language, Reckoner& reckoner, int32_t jdn);

// The solar term 1..24 (Ephemeris.h numbering) whose instant falls on the civil day numbered jdn
// at the reckoner's meridian, by the reckoner's Sun method; 0 when none does or outside the days
// the calendar computes. Name it with names::SolarTerm.
int SolarTermOfDay(Reckoner& reckoner, int32_t jdn);

}  // namespace mirvo
