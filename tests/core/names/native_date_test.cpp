#include <gtest/gtest.h>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/names/Names.h"
#include "core/names/NativeDate.h"

namespace mirvo {
namespace {

struct Published {
  int year, month, day;  // CE
  Country country;
  int longitude;
  Language language;
  const char* expected;
};

// Published lunar dates, converted by the calendar itself: new years, the leap months of 2023,
// 2025 and 2033, the last days of two years (a 29-day and a 30-day twelfth month) and mid-month
// days, for each language's way of writing them. Korea keeps the 135° E meridian.
const Published kPublished[] = {
    {2024, 2, 10, kChina, 120, Language::kSimplifiedChinese, "甲辰年正月初一"},
    {2023, 3, 22, kChina, 120, Language::kSimplifiedChinese, "癸卯年闰二月初一"},
    {2025, 1, 28, kChina, 120, Language::kSimplifiedChinese, "甲辰年腊月廿九"},
    {2033, 12, 22, kChina, 120, Language::kSimplifiedChinese, "癸丑年闰十一月初一"},
    {2023, 4, 5, kChina, 120, Language::kTraditionalChinese, "癸卯年閏二月十五"},
    {2024, 2, 9, kChina, 120, Language::kTraditionalChinese, "癸卯年臘月三十"},
    {2024, 2, 10, kVietnam, 105, Language::kVietnamese, "mùng 1 tháng Giêng năm Giáp Thìn"},
    {2025, 7, 25, kVietnam, 105, Language::kVietnamese, "mùng 1 tháng Sáu nhuận năm Ất Tỵ"},
    {2024, 2, 24, kVietnam, 105, Language::kVietnamese, "ngày 15 tháng Giêng năm Giáp Thìn"},
    {2024, 2, 10, kJapan, 135, Language::kJapanese, "甲辰年 旧暦1月1日"},
    {2023, 3, 22, kJapan, 135, Language::kJapanese, "癸卯年 旧暦閏2月1日"},
    {2024, 2, 10, kChina, 135, Language::kKorean, "갑진년 음력 1월 1일"},
    {2023, 3, 22, kChina, 120, Language::kEnglish, "Gui-mao year, leap month 2, day 1"},
};

// The year's pair comes from the cycle position, which both epochs share.
TEST(NativeDate, PublishedDates) {
  for (const Published& p : kPublished) {
    for (Epoch epoch : {Epoch::kOlder, Epoch::kYounger}) {
      SCOPED_TRACE(testing::Message() << p.year << "-" << p.month << "-" << p.day << " "
                                      << LanguageTag(p.language) << " epoch " << EpochYear(epoch));
      Reckoner r;
      r.SetCountry(p.country);
      r.SetReferenceLongitude(p.longitude);
      r.SetEpoch(epoch);
      EXPECT_EQ(NativeLunarDateOfDay(p.language, r, JdnOfCeDate(p.year, p.month, p.day)), p.expected);
    }
  }
}

TEST(NativeDate, NoTextForARecordThatIsNoDate) {
  Reckoner r;
  ChlDate date;
  r.DayToChl(JdnOfCeDate(2024, 2, 10) + 0.5, r.Epoch(), date);
  ASSERT_EQ(NativeLunarDate(Language::kJapanese, date), "甲辰年 旧暦1月1日");
  ChlDate invalid = date;
  invalid.valid = 0;
  EXPECT_EQ(NativeLunarDate(Language::kJapanese, invalid), "");
  ChlDate day31 = date;
  day31.day = 31;
  EXPECT_EQ(NativeLunarDate(Language::kJapanese, day31), "");
  EXPECT_EQ(NativeLunarDateOfDay(Language::kEnglish, r, Reckoner::kMaxChineseDay + 1), "");
}

// Published term days of 2024 and 2025 (Purple Mountain Observatory, NAOJ): the civil day at the
// meridian carries the term, the day after none. 大雪 2024 fell at 23:17 Beijing time, 00:17 on
// 7 December in Tokyo; 冬至 2025 at 23:03, 00:03 on 22 December in Tokyo.
TEST(NativeDate, SolarTermOfADay) {
  struct Row {
    int year, month, day, longitude;
    Language language;
    const char* term;
  };
  const Row rows[] = {
      {2024, 2, 4, 120, Language::kSimplifiedChinese, "立春"},
      {2024, 2, 5, 120, Language::kSimplifiedChinese, ""},
      {2024, 3, 5, 135, Language::kJapanese, "啓蟄"},
      {2024, 8, 22, 105, Language::kVietnamese, "Xử thử"},
      {2024, 12, 6, 120, Language::kTraditionalChinese, "大雪"},
      {2024, 12, 6, 135, Language::kJapanese, ""},
      {2024, 12, 7, 135, Language::kJapanese, "大雪"},
      {2025, 12, 21, 120, Language::kSimplifiedChinese, "冬至"},
      {2025, 12, 22, 135, Language::kJapanese, "冬至"},
      {2024, 6, 21, 120, Language::kEnglish, "Summer solstice"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.year << "-" << row.month << "-" << row.day);
    Reckoner r;
    r.SetReferenceLongitude(row.longitude);
    const int term = SolarTermOfDay(r, JdnOfCeDate(row.year, row.month, row.day));
    EXPECT_EQ(term == 0 ? std::string_view() : names::SolarTerm(row.language, term), row.term);
  }
}

}  // namespace
}  // namespace mirvo
