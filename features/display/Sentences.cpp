// The sentence tables: one row per sentence, its texts in the order of the Language enum
// (English, Simplified Chinese, Traditional Chinese, Vietnamese, Japanese, Korean).
//
// The Chinese and Japanese sentences end with their own full stop (。) and follow each other
// without a space. The new moon is 朔 (합삭 in Korean, điểm sóc in Vietnamese), as the almanacs
// name the instant that begins a month; midnight is 午夜, 午前0時, 자정, nửa đêm.
#include "features/display/Sentences.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/MoonPhase.h"
#include "core/names/Names.h"
#include "features/display/Display.h"
#include "features/display/Phrases.h"
#include "features/display/UncertainDay.h"
#include "features/tables/MainTables.h"

namespace mirvo {
namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

struct SentenceRow {
  Sentence sentence;
  Texts texts;
};

constexpr SentenceRow kSentences[] = {
    {Sentence::kUnderOneSecond,
     {"under 1 second", "不到1秒", "不到1秒", "chưa đến 1 giây", "1秒未満", "1초 미만"}},
    {Sentence::kSeconds, {"{0} seconds", "{0}秒", "{0}秒", "{0} giây", "{0}秒", "{0}초"}},
    {Sentence::kMinutes, {"{0} minutes", "{0}分钟", "{0}分鐘", "{0} phút", "{0}分", "{0}분"}},
    {Sentence::kHours, {"{0} hours", "{0}小时", "{0}小時", "{0} giờ", "{0}時間", "{0}시간"}},
    {Sentence::kHoursAndMinutes,
     {"{0} hours and {1} minutes", "{0}小时{1}分钟", "{0}小時{1}分鐘", "{0} giờ {1} phút", "{0}時間{1}分",
      "{0}시간 {1}분"}},
    {Sentence::kBeforeMidnight,
     {"{0} before midnight", "午夜前{0}", "午夜前{0}", "{0} trước nửa đêm", "午前0時の{0}前", "자정 {0} 전"}},
    {Sentence::kAfterMidnight,
     {"{0} after midnight", "午夜后{0}", "午夜後{0}", "{0} sau nửa đêm", "午前0時の{0}後", "자정 {0} 후"}},
    {Sentence::kFirstDayMayBeDayBefore,
     {"The first day of this month depends on a new moon {0}; other sources may give the day before.",
      "本月初一取决于{0}的朔；其他资料可能定为前一天。", "本月初一取決於{0}的朔；其他資料可能定為前一天。",
      "Ngày mùng 1 tháng này phụ thuộc vào điểm sóc {0}; nguồn khác có thể ghi ngày hôm trước.",
      "この月の朔日は{0}の朔によるため、他の暦では前日となることがある。",
      "이달 초하루는 {0}의 합삭에 달려 있어, 다른 자료에서는 하루 전날일 수 있다."}},
    {Sentence::kFirstDayMayBeDayAfter,
     {"The first day of this month depends on a new moon {0}; other sources may give the day after.",
      "本月初一取决于{0}的朔；其他资料可能定为后一天。", "本月初一取決於{0}的朔；其他資料可能定為後一天。",
      "Ngày mùng 1 tháng này phụ thuộc vào điểm sóc {0}; nguồn khác có thể ghi ngày hôm sau.",
      "この月の朔日は{0}の朔によるため、他の暦では翌日となることがある。",
      "이달 초하루는 {0}의 합삭에 달려 있어, 다른 자료에서는 다음 날일 수 있다."}},
    {Sentence::kNumberAndLeapDepend,
     {"The number of this month and whether it is a leap month depend on {0} of {1}, {2}; other sources may "
      "number it differently.",
      "本月的月序及是否为闰月取决于{1}的{0}（{2}）；其他资料可能编排不同。",
      "本月的月序及是否為閏月取決於{1}的{0}（{2}）；其他資料可能編排不同。",
      "Số của tháng này và việc có phải tháng nhuận hay không phụ thuộc vào {0} ngày {1}, {2}; nguồn khác có "
      "thể đánh số khác.",
      "この月の番号と閏月かどうかは{1}の{0}（{2}）によるため、他の暦では異なることがある。",
      "이달의 번호와 윤달 여부는 {1}의 {0}({2})에 달려 있어, 다른 자료에서는 다르게 매길 수 있다."}},
    {Sentence::kNumberDepends,
     {"The number of this month depends on {0} of {1}, {2}; other sources may number it differently.",
      "本月的月序取决于{1}的{0}（{2}）；其他资料可能编排不同。",
      "本月的月序取決於{1}的{0}（{2}）；其他資料可能編排不同。",
      "Số của tháng này phụ thuộc vào {0} ngày {1}, {2}; nguồn khác có thể đánh số khác.",
      "この月の番号は{1}の{0}（{2}）によるため、他の暦では異なることがある。",
      "이달의 번호는 {1}의 {0}({2})에 달려 있어, 다른 자료에서는 다르게 매길 수 있다."}},
    {Sentence::kLeapDepends,
     {"Whether this month is a leap month depends on {0} of {1}, {2}; other sources may number it "
      "differently.",
      "本月是否为闰月取决于{1}的{0}（{2}）；其他资料可能编排不同。",
      "本月是否為閏月取決於{1}的{0}（{2}）；其他資料可能編排不同。",
      "Việc tháng này có phải tháng nhuận hay không phụ thuộc vào {0} ngày {1}, {2}; nguồn khác có thể "
      "đánh số khác.",
      "この月が閏月かどうかは{1}の{0}（{2}）によるため、他の暦では異なることがある。",
      "이달의 윤달 여부는 {1}의 {0}({2})에 달려 있어, 다른 자료에서는 다르게 매길 수 있다."}},
    {Sentence::kTheNewMoon, {"the new moon", "朔", "朔", "điểm sóc", "朔", "합삭"}},
    {Sentence::kTheSolarTerm,
     {"the solar term {0} ({1})", "节气{1}（{0}）", "節氣{1}（{0}）", "tiết {1} ({0})", "節気{1}（{0}）",
      "절기 {1}({0})"}},
    {Sentence::kNextMonthTomorrow,
     {"The next month begins tomorrow by a new moon {0}; other sources may begin it on this day.",
      "下个月因{0}的朔而从明天开始；其他资料可能从今天开始。",
      "下個月因{0}的朔而從明天開始；其他資料可能從今天開始。",
      "Tháng sau bắt đầu từ ngày mai theo điểm sóc {0}; nguồn khác có thể bắt đầu từ hôm nay.",
      "翌月は{0}の朔により明日始まるが、他の暦では今日から始まることがある。",
      "다음 달은 {0}의 합삭으로 내일 시작하지만, 다른 자료에서는 오늘 시작할 수 있다."}},
    {Sentence::kComputedForMeridian,
     {"Computed for {0}, the meridian of {1}'s almanac of {2}.", "按{0}计算，即{1}{2}年历书的子午线。",
      "按{0}計算，即{1}{2}年曆書的子午線。", "Tính theo {0}, kinh tuyến của lịch {1} năm {2}.",
      "{1}の{2}年の暦の子午線である{0}で計算。", "{1} {2}년 역서의 자오선인 {0} 기준으로 계산."}},
    {Sentence::kAlmanacComputedFor,
     {"In {0} {1}'s almanac was computed for {2}: that day was {3}.", "{0}年{1}的历书按{2}计算：该日为{3}。",
      "{0}年{1}的曆書按{2}計算：該日為{3}。", "Năm {0} lịch {1} được tính theo {2}: ngày đó là {3}.",
      "{0}年の{1}の暦は{2}で計算され、この日は{3}だった。",
      "{0}년 {1}의 역서는 {2} 기준으로 계산되어, 이날은 {3}이었다."}},
    {Sentence::kModernRule,
     {"Computed by the modern rule; the almanac of the time may differ.",
      "按现代规则计算；当时的历书可能不同。", "按現代規則計算；當時的曆書可能不同。",
      "Tính theo quy tắc hiện đại; lịch thời đó có thể khác.",
      "現代の規則による計算で、当時の暦とは異なることがある。",
      "현대 규칙으로 계산한 것으로, 당시의 역서와 다를 수 있다."}},
    {Sentence::kMoonAge,
     {"{0} days, {1} hrs, {2} mins ({3}%)", "{0}天{1}小时{2}分（{3}%）", "{0}天{1}小時{2}分（{3}%）",
      "{0} ngày {1} giờ {2} phút ({3}%)", "{0}日{1}時間{2}分（{3}%）", "{0}일 {1}시간 {2}분({3}%)"}},
    {Sentence::kMoreThanADay,
     {"More than 24 hours", "超过24小时", "超過24小時", "Hơn 24 giờ", "24時間超", "24시간 초과"}},
    {Sentence::kCeDay,
     {"{3}, {2}-{1}-{0} in the Common Era Calendar (London)", "公历{0}年{1}月{2}日，{3}（伦敦）",
      "公曆{0}年{1}月{2}日，{3}（倫敦）", "{3}, ngày {2} tháng {1} năm {0} Dương lịch (London)",
      "西暦{0}年{1}月{2}日（{3}）、ロンドン", "양력 {0}년 {1}월 {2}일 {3}(런던)"}},
    {Sentence::kJcDay,
     {"{3}, {2}-{1}-{0} in the Julian Calendar (London)", "儒略历{0}年{1}月{2}日，{3}（伦敦）",
      "儒略曆{0}年{1}月{2}日，{3}（倫敦）", "{3}, ngày {2} tháng {1} năm {0} lịch Julius (London)",
      "ユリウス暦{0}年{1}月{2}日（{3}）、ロンドン", "율리우스력 {0}년 {1}월 {2}일 {3}(런던)"}},
    {Sentence::kEpochMethod,
     {"Epoch = {0}, method = {1}", "纪元 = {0}，方法 = {1}", "紀元 = {0}，方法 = {1}",
      "Kỷ nguyên = {0}, phương pháp = {1}", "紀元 = {0}、方法 = {1}", "기원 = {0}, 방법 = {1}"}},
    {Sentence::kTrueSun,
     {"true sun", "定气（真太阳）", "定氣（真太陽）", "Mặt Trời thực", "定気（真太陽）", "정기(진태양)"}},
    {Sentence::kMeanSun,
     {"mean sun", "平气（平太阳）", "平氣（平太陽）", "Mặt Trời trung bình", "平気（平太陽）",
      "평기(평균 태양)"}},
};
constexpr size_t kSentenceCount = sizeof kSentences / sizeof kSentences[0];

constexpr bool RowsInEnumOrder() {
  for (size_t i = 0; i < kSentenceCount; ++i) {
    if (static_cast<size_t>(kSentences[i].sentence) != i) return false;
  }
  return true;
}
static_assert(RowsInEnumOrder(), "one row per sentence, in the order of the enum");

bool Spaceless(Language language) {
  return language == Language::kSimplifiedChinese || language == Language::kTraditionalChinese ||
         language == Language::kJapanese;
}

}  // namespace

std::string Worded(Language language, Sentence sentence, std::initializer_list<std::string_view> texts) {
  const auto l = static_cast<size_t>(language);
  const auto s = static_cast<size_t>(sentence);
  if (l >= static_cast<size_t>(kLanguageCount) || s >= kSentenceCount) return {};
  return FilledIn(kSentences[s].texts[l], texts);
}

void AddSentence(Language language, std::string& text, const std::string& sentence) {
  if (sentence.empty()) return;
  if (!text.empty() && !Spaceless(language)) text += " ";
  text += sentence;
}

std::string MarginWords(Language language, double seconds) {
  if (language == Language::kEnglish) return MarginText(seconds);
  const double s = std::fabs(seconds);
  if (std::llround(s) < 1) return Worded(language, Sentence::kUnderOneSecond, {});
  if (s < 120) return Worded(language, Sentence::kSeconds, {std::to_string(std::llround(s))});
  if (s < 7200) return Worded(language, Sentence::kMinutes, {std::to_string(std::llround(s / 60))});
  return Worded(language, Sentence::kHours, {std::to_string(std::llround(s / 3600))});
}

std::string MoonAgeWords(Language language, int32_t lunation, double age, double fraction) {
  if (language == Language::kEnglish) {
    return "[" + std::to_string(lunation) + "] " + AgeText(age) + " (" + LunationPercentText(fraction) + "%)";
  }
  // The same hair above the value as the English age (AgeText), so both give the same minute.
  const double a = age + 1e-9;
  const double d = std::floor(a);
  const double h = std::floor((a - d) * 24);
  const double m = std::floor((a - d - h / 24) * 1440);
  auto whole = [](double x) { return std::to_string(static_cast<long long>(x)); };
  return "[" + std::to_string(lunation) + "] " +
         Worded(language, Sentence::kMoonAge, {whole(d), whole(h), whole(m), LunationPercentText(fraction)});
}

std::string DeltaTWords(Language language, double minutes) {
  if (language == Language::kEnglish) return ShowDeltaT(minutes);
  if (minutes > 1440) return Worded(language, Sentence::kMoreThanADay, {});
  const long long whole = static_cast<long long>(minutes);
  const long long magnitude = std::llabs(whole), h = magnitude / 60, m = magnitude % 60;
  const std::string sign = whole < 0 ? "-" : "";
  if (h == 0) return sign + Worded(language, Sentence::kMinutes, {std::to_string(m)});
  if (m == 0) return sign + Worded(language, Sentence::kHours, {std::to_string(h)});
  return sign + Worded(language, Sentence::kHoursAndMinutes, {std::to_string(h), std::to_string(m)});
}

std::string EuropeanDayWords(Language language, const CalendarDate& date, int weekday) {
  if (language == Language::kEnglish) return CalendarDateSentence(date) + " (London).";
  return Worded(language, date.calendar == 'J' ? Sentence::kJcDay : Sentence::kCeDay,
                {std::to_string(date.year), std::to_string(date.month), std::to_string(date.day),
                 names::Weekday(language, weekday)});
}

std::string EpochMethodWords(Language language, Epoch epoch, SunMethod sunMethod) {
  if (language == Language::kEnglish) return EpochMethod(epoch, sunMethod, true);
  const std::string method =
      Worded(language, sunMethod == kMeanSun ? Sentence::kMeanSun : Sentence::kTrueSun, {});
  return Worded(language, Sentence::kEpochMethod, {std::to_string(EpochYear(epoch)), method});
}

}  // namespace mirvo
