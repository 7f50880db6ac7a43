#include "features/display/Sentences.h"

#include <gtest/gtest.h>

#include <string>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/Display.h"

namespace mirvo {
namespace {

int Placeholders(std::string_view text) {
  int n = 0;
  for (size_t i = 0; i + 2 < text.size(); ++i) n += text[i] == '{' && text[i + 2] == '}';
  return n;
}

// A translation that drops a place would leave out a number or a date.
TEST(Sentences, EverySentenceKeepsItsPlacesInEveryLanguage) {
  for (int s = 0; s <= static_cast<int>(Sentence::kMeanSun); ++s) {
    const std::string english =
        Worded(Language::kEnglish, static_cast<Sentence>(s), {"{0}", "{1}", "{2}", "{3}"});
    for (int l = 1; l < kLanguageCount; ++l) {
      const std::string text =
          Worded(static_cast<Language>(l), static_cast<Sentence>(s), {"{0}", "{1}", "{2}", "{3}"});
      EXPECT_FALSE(text.empty()) << s << " " << l;
      EXPECT_EQ(Placeholders(text), Placeholders(english)) << text;
    }
  }
  EXPECT_EQ(Worded(static_cast<Language>(kLanguageCount), Sentence::kModernRule, {}), "");
}

// The rows of published instants in each language. The new moon of 9 February 2024 fell at 22:59
// UT, so at noon UT the next day the Moon was 13 hours old and 0.4% lit, a Saturday; Delta T was
// 69 seconds. On 29 September 2057 a new moon 37 seconds after midnight begins the month; the
// Vietnamese almanac of 1965, computed for 120º E, put the Tết of 1965 a day later than the 105º
// E rule does.
TEST(Sentences, RowsOfPublishedInstantsInEachLanguage) {
  const double noon = JdnOfCeDate(2024, 2, 10) + 0.0;
  struct Row {
    double ajd;
    Country country;
    Language language;
    RowId row;
    const char* value;    // the row's value, "" to skip
    const char* tooltip;  // the row's tooltip, "" to skip
  };
  const Row rows[] = {
      {noon, kChina, Language::kSimplifiedChinese, RowId::kCe, "2024-02-10 CE 12:00 GMT 星期六",
       "公历2024年2月10日，星期六（伦敦）"},
      {noon, kChina, Language::kSimplifiedChinese, RowId::kAge, "[298] 0天13小时0分（1.8%）", ""},
      {noon, kChina, Language::kTraditionalChinese, RowId::kDeltaT, "1分鐘", ""},
      {noon, kVietnam, Language::kVietnamese, RowId::kPhase, "Trăng non, 0.4%", ""},
      {noon, kVietnam, Language::kVietnamese, RowId::kJc, "2024-01-28 JC 12:00 GMT Thứ Bảy",
       "Thứ Bảy, ngày 28 tháng 1 năm 2024 lịch Julius (London)"},
      {noon, kJapan, Language::kJapanese, RowId::kAge, "[298] 0日13時間0分（1.8%）", ""},
      {noon, kKorea, Language::kKorean, RowId::kDeltaT, "1분", ""},
      {noon, kKorea, Language::kKorean, RowId::kCe, "2024-02-10 CE 12:00 GMT 토요일",
       "양력 2024년 2월 10일 토요일(런던)"},
  };
  for (const Row& r : rows) {
    Reckoner reckoner;
    reckoner.SetCountry(r.country);
    reckoner.SetReferenceLongitude(CountryOf(r.country).longitude);
    DisplayOptions options;
    options.language = r.language;
    const DisplayTexts d = ComputeDisplay(r.ajd, reckoner, options);
    if (*r.value) {
      EXPECT_EQ(d.Row(r.row).value, r.value);
    }
    if (*r.tooltip) {
      EXPECT_EQ(d.Row(r.row).tooltip, r.tooltip);
    }
  }
}

TEST(Sentences, UncertainDayAndCalendarHistoryInTheLanguage) {
  struct Row {
    int year, month, day;
    Country country;
    Language language;
    const char* uncertain;
    const char* history;
  };
  const Row rows[] = {
      {2057, 9, 29, kChina, Language::kSimplifiedChinese,
       "本月初一取决于午夜后37秒的朔；其他资料可能定为前一天。", ""},
      {2057, 9, 29, kChina, Language::kVietnamese,
       "Ngày mùng 1 tháng này phụ thuộc vào điểm sóc 37 giây sau nửa đêm; nguồn khác có thể ghi ngày hôm "
       "trước.",
       ""},
      {2057, 9, 28, kChina, Language::kKorean,
       "다음 달은 자정 37초 후의 합삭으로 내일 시작하지만, 다른 자료에서는 오늘 시작할 수 있다.", ""},
      {1965, 2, 1, kVietnam, Language::kVietnamese, "",
       "Năm 1965 lịch Việt Nam được tính theo 120º E: ngày đó là 78-41-12-30 CHL."},
      {1965, 2, 1, kVietnam, Language::kJapanese, "",
       "1965年のベトナムの暦は120º Eで計算され、この日は78-41-12-30 CHLだった。"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.year << "-" << r.month << "-" << r.day);
    Reckoner reckoner;
    reckoner.SetCountry(r.country);
    reckoner.SetReferenceLongitude(CountryOf(r.country).longitude);
    DisplayOptions options;
    options.language = r.language;
    const DisplayTexts d = ComputeDisplay(JdnOfCeDate(r.year, r.month, r.day) + 0.0, reckoner, options);
    EXPECT_EQ(d.chlUncertainty, r.uncertain);
    EXPECT_EQ(d.chlHistory, r.history);
  }
}

TEST(Sentences, DeltaTAndMargins) {
  struct Row {
    Language language;
    double minutes;
    const char* text;
  };
  const Row rows[] = {
      {Language::kSimplifiedChinese, 64.9, "1小时4分钟"},
      {Language::kJapanese, 60, "1時間"},
      {Language::kVietnamese, 0.4, "0 phút"},
      {Language::kKorean, 1441, "24시간 초과"},
      {Language::kEnglish, 64.9, "1 hour and 4 minutes"},
  };
  for (const Row& r : rows) EXPECT_EQ(DeltaTWords(r.language, r.minutes), r.text);
  EXPECT_EQ(MarginWords(Language::kJapanese, 0.4), "1秒未満");
  EXPECT_EQ(MarginWords(Language::kVietnamese, 7200), "2 giờ");
  EXPECT_EQ(EpochMethodWords(Language::kTraditionalChinese, Epoch::kOlder, kTrueSun),
            "紀元 = -2696，方法 = 定氣（真太陽）");
}

}  // namespace
}  // namespace mirvo
