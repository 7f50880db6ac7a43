#include "core/names/NativeDate.h"

#include "core/chinese/Reckoner.h"
#include "core/names/Names.h"

namespace mirvo {

std::string NativeLunarDate(Language language, const ChlDate& date) {
  if (!date.valid || date.position < 1 || date.position > 60 || date.month < 1 || date.month > 12 ||
      date.day < 1 || date.day > 30)
    return {};
  const std::string year = names::StemBranch(language, date.position);
  if (year.empty()) return {};
  const std::string month = names::MonthWithLeap(language, date.month, date.leap != 0);
  const std::string day(names::Day(language, date.day));
  switch (language) {
    case Language::kSimplifiedChinese:
    case Language::kTraditionalChinese: return year + "年" + month + day;
    case Language::kVietnamese:
      // The first ten days are "mùng"; from the eleventh on the number needs "ngày" in a date.
      return (date.day > 10 ? "ngày " : "") + day + " " + month + " năm " + year;
    case Language::kJapanese:
      // A bare 1月1日 reads as a Gregorian date; the old calendar is named.
      return year + "年 旧暦" + month + day;
    case Language::kKorean:
      // Likewise 1월 1일 alone is a solar date: Korean calendars mark the lunar one 음력.
      return year + "년 음력 " + month + " " + day;
    case Language::kEnglish:
    default: {
      std::string text = year + " year, " + month + ", day " + day;
      if (text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
      return text;
    }
  }
}

std::string NativeLunarMonth(Language language, int position, int month, bool leap) {
  if (position < 1 || position > 60 || month < 1 || month > 12) return {};
  const std::string year = names::StemBranch(language, position);
  if (year.empty()) return {};
  const std::string name = names::MonthWithLeap(language, month, leap);
  switch (language) {
    case Language::kSimplifiedChinese:
    case Language::kTraditionalChinese: return year + "年" + name;
    case Language::kVietnamese: return name + " năm " + year;
    case Language::kJapanese: return year + "年 旧暦" + name;
    case Language::kKorean: return year + "년 음력 " + name;
    case Language::kEnglish:
    default: {
      std::string text = year + " year, " + name;
      if (text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
      return text;
    }
  }
}

std::string NativeLunarDateOfDay(Language language, Reckoner& reckoner, int32_t jdn) {
  ChlDate chl;
  reckoner.DayToChl(jdn + 0.5, reckoner.Epoch(), chl);
  return NativeLunarDate(language, chl);
}

int SolarTermOfDay(Reckoner& reckoner, int32_t jdn) {
  ChsDate chs;
  ChlDate chl;
  reckoner.DayToChinese(jdn + 0.5, reckoner.Epoch(), chs, chl);
  // Day 1 of a solar term is the civil day of its instant.
  return chs.valid && chs.day == 1 ? chs.term : 0;
}

}  // namespace mirvo
