// The calendar's names in every language: stems and branches (with their readings), elements,
// animals by country, lunar months, the leap mark, lunar days, solar terms, weekdays and the
// Moon's four phases. Indices follow the program's own numbering (Cycles.h, Ephemeris.h,
// DayCount.h, AlmanacEvents.h); an index outside its range, or a value outside the Language enum,
// gives the empty text. English is the program's existing English text for each name.
#pragma once

#include <string>
#include <string_view>

#include "core/chinese/Cycles.h"
#include "core/names/Language.h"

namespace mirvo::names {

// Stems 1..10 and branches 1..12 as a calendar of the language writes them: 甲 … 癸 and 子 … 亥
// in Chinese and Japanese, Giáp … Quý and Tý … Hợi, 갑 … 계 and 자 … 해, jia … gui in English.
std::string_view Stem(Language language, int stem);
std::string_view Branch(Language language, int branch);
// How they are read: pinyin with tone marks (jiǎ, zǐ), the Japanese kun readings (きのえ, ね);
// the names themselves in English, Vietnamese and Korean.
std::string_view StemReading(Language language, int stem);
std::string_view BranchReading(Language language, int branch);
// The pair of a cycle position 1..60: 甲辰, Giáp Thìn, 갑진, jia-chen (as StemBranchText).
std::string StemBranch(Language language, int position);
// Its reading: jiǎchén, きのえたつ, Giáp Thìn, 갑진, jia-chen.
std::string StemBranchReading(Language language, int position);

// Elements 0..4 (wood … water): 木 火 土 金 水, Mộc … Thủy, 목 … 수.
std::string_view Element(Language language, int element);
// Animals 0..11 of a country: Vietnam has the buffalo, cat and goat, Japan the wild boar; Korea's
// are China's.
std::string_view Animal(Language language, Country country, int animal);

// Lunar months 1..12 as a date writes them: 正月 … 十月 冬月 腊月 (臘月), tháng Giêng … tháng Chạp,
// 1月 … 12月, 1월 … 12월, "month 1" … "month 12".
std::string_view Month(Language language, int month);
// The name of a leap month, before or after the leap mark: the number where the ordinary month
// has a customary name (闰十一月 beside 冬月, 闰十二月 beside 腊月); elsewhere the same as Month.
std::string_view LeapMonth(Language language, int month);
// The mark of a leap month: 闰, 閏, nhuận, 閏, 윤, "leap".
std::string_view LeapMark(Language language);
// A month with its leap mark where it has one, as a date writes it: 闰十一月, 閏四月, tháng Sáu
// nhuận, 閏4月, 윤4월, "leap month 4"; without the mark the same as Month.
std::string MonthWithLeap(Language language, int month, bool leap);
// Lunar days 1..30: 初一 … 初十 十一 … 二十 廿一 … 廿九 三十, mùng 1 … mùng 10 then 11 … 30,
// 1日 …, 1일 …, and the plain numbers in English.
std::string_view Day(Language language, int day);

// Solar terms 1..24 in the program's order: term 1 is the winter solstice 冬至 that opens the sui,
// term 4 the beginning of spring 立春, term 24 the great snow 大雪.
std::string_view SolarTerm(Language language, int term);
// Weekdays 0..6, Sunday first (WeekdayOf).
std::string_view Weekday(Language language, int weekday);
// The Moon's phases 0..3: new (dark) moon, first quarter, full moon, last quarter (AlmanacKind).
std::string_view MoonPhase(Language language, int phase);

}  // namespace mirvo::names
