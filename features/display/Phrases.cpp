// The phrase tables: one row per phrase, its texts in the order of the Language enum (English,
// Simplified Chinese, Traditional Chinese, Vietnamese, Japanese, Korean).
//
// Captions use each script's own colon and parentheses (："（）" in Chinese and Japanese). The
// words are those of the calendars printed in each country: 农历/農曆 and 节气 in Chinese, âm lịch
// and tiết khí in Vietnamese, 旧暦 and 節気 in Japanese, 음력 and 절기 in Korean; the names of the
// year, month and day are 纪年/纪月/纪日 in Chinese, the 干支 of each in Japanese and the Korean
// almanac's 세차 (歲次), 월건 (月建) and 일진 (日辰).
#include "features/display/Phrases.h"

#include <array>
#include <cstdio>

#include "core/chinese/Cycles.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Names.h"
#include "core/names/NativeDate.h"

namespace mirvo {
namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

struct PhraseRow {
  Phrase phrase;
  Texts texts;
};

constexpr PhraseRow kPhrases[] = {
    {Phrase::kCommonEraCaption,
     {"Common Era (Gregorian):", "公历：", "公曆：", "Dương lịch:", "西暦：", "양력:"}},
    {Phrase::kJulianCaption,
     {"Julian Calendar:", "儒略历：", "儒略曆：", "Lịch Julius:", "ユリウス暦：", "율리우스력:"}},
    {Phrase::kLunarCaption,
     {"Lunar ({0}):", "农历（{0}）：", "農曆（{0}）：", "Âm lịch ({0}):", "旧暦（{0}）：", "음력({0}):"}},
    {Phrase::kSolarCaption,
     {"Solar ({0}):", "节气历（{0}）：", "節氣曆（{0}）：", "Lịch tiết khí ({0}):", "節気暦（{0}）：",
      "절기력({0}):"}},
    {Phrase::kVellomirCaption,
     {"Vellomir Calendar:", "Vellomir历：", "Vellomir曆：", "Lịch Vellomir:", "Vellomir暦：", "Vellomir력:"}},
    {Phrase::kVellomirZoneCaption,
     {"Vellomir Calendar ({0}):", "Vellomir历（{0}）：", "Vellomir曆（{0}）：",
      "Lịch Vellomir ({0}):", "Vellomir暦（{0}）：", "Vellomir력({0}):"}},
    {Phrase::kVellomirNoteCaption,
     {"VMC and CHL:", "VMC与CHL：", "VMC與CHL：", "VMC và CHL:", "VMCとCHL：", "VMC와 CHL:"}},
    {Phrase::kCjdLondonCaption,
     {"Chronological JD London:", "民用儒略日（伦敦）：", "民用儒略日（倫敦）：",
      "Ngày Julius dân sự (London):", "暦日ユリウス日（ロンドン）：", "역일 율리우스일(런던):"}},
    {Phrase::kCjdMeridianCaption,
     {"Chronological JD {0}º East:", "民用儒略日（东经{0}º）：", "民用儒略日（東經{0}º）：",
      "Ngày Julius dân sự (kinh độ {0}º Đông):", "暦日ユリウス日（東経{0}º）：",
      "역일 율리우스일(동경 {0}º):"}},
    {Phrase::kAjdCaption,
     {"Astronomical Julian date:", "天文儒略日：", "天文儒略日：",
      "Ngày Julius thiên văn:", "天文ユリウス日：", "천문 율리우스일:"}},
    {Phrase::kPhaseCaption,
     {"Phase of Moon, illumination:", "月相、照亮比例：", "月相、照亮比例：",
      "Pha Mặt Trăng, phần được chiếu sáng:", "月相・輝面比：", "달의 위상, 밝은 면:"}},
    {Phrase::kAgeCaption,
     {"[Lunation] Age of Moon:", "[朔望月] 月龄：", "[朔望月] 月齡：",
      "[Tuần trăng] Tuổi trăng:", "[朔望月] 月齢：", "[삭망월] 월령:"}},
    {Phrase::kDeltaTCaption, {"Delta T:", "ΔT：", "ΔT：", "ΔT:", "ΔT：", "ΔT:"}},
    {Phrase::kUncertainDayCaption,
     {"Uncertain day:", "日期存疑：", "日期存疑：", "Ngày chưa chắc chắn:", "不確かな日付：",
      "불확실한 날짜:"}},
    {Phrase::kLunarDateCaption,
     {"Lunar date:", "农历日期：", "農曆日期：", "Ngày âm lịch:", "旧暦の日付：", "음력 날짜:"}},
    {Phrase::kSolarTermCaption, {"Solar term:", "节气：", "節氣：", "Tiết khí:", "二十四節気：", "절기:"}},
    {Phrase::kYearNamesCaption, {"Year:", "纪年：", "紀年：", "Năm:", "年の干支：", "세차:"}},
    {Phrase::kMonthNamesCaption, {"Month:", "纪月：", "紀月：", "Tháng:", "月の干支：", "월건:"}},
    {Phrase::kDayNamesCaption, {"Day:", "纪日：", "紀日：", "Ngày:", "日の干支：", "일진:"}},
    {Phrase::kYearCountCaption,
     {"Year count:", "纪元年：", "紀元年：", "Năm kỷ nguyên:", "紀元年：", "기원 연도:"}},
    {Phrase::kYearCount, {"Year {0}", "{0}年", "{0}年", "năm {0}", "{0}年", "{0}년"}},
    {Phrase::kLunarYearCaption,
     {"CHL year:", "农历纪元年：", "農曆紀元年：", "Năm âm lịch (kỷ nguyên):", "旧暦（紀元年）：",
      "음력(기원 연도):"}},
    {Phrase::kTermDayCaption,
     {"Solar term day:", "节气日：", "節氣日：", "Ngày tiết khí:", "節気の日：", "절기 날짜:"}},
    {Phrase::kVmcSameMonthAndDay,
     {"VMC month & day same as CHL", "VMC月、日与CHL相同", "VMC月、日與CHL相同",
      "VMC cùng tháng và ngày với CHL", "VMCの月日はCHLと同じ", "VMC 월·일이 CHL과 같음"}},
    {Phrase::kVmcDayAhead,
     {"VMC date 1 day ahead of CHL", "VMC日期领先CHL 1天", "VMC日期領先CHL 1天", "VMC đi trước CHL 1 ngày",
      "VMCはCHLより1日先", "VMC가 CHL보다 1일 앞섬"}},
    {Phrase::kVmcDayBehind,
     {"VMC date 1 day behind CHL", "VMC日期落后CHL 1天", "VMC日期落後CHL 1天", "VMC đi sau CHL 1 ngày",
      "VMCはCHLより1日遅れ", "VMC가 CHL보다 1일 늦음"}},
    {Phrase::kVmcMonthAhead,
     {"VMC date 1 month ahead of CHL", "VMC日期领先CHL 1个月", "VMC日期領先CHL 1個月",
      "VMC đi trước CHL 1 tháng", "VMCはCHLより1か月先", "VMC가 CHL보다 1개월 앞섬"}},
    {Phrase::kVmcMonthBehind,
     {"VMC date 1 month behind CHL", "VMC日期落后CHL 1个月", "VMC日期落後CHL 1個月", "VMC đi sau CHL 1 tháng",
      "VMCはCHLより1か月遅れ", "VMC가 CHL보다 1개월 늦음"}},
    {Phrase::kVmcSameMonth,
     {"VMC month no. same as CHL", "VMC月序与CHL相同", "VMC月序與CHL相同", "VMC cùng số tháng với CHL",
      "VMCの月番号はCHLと同じ", "VMC 월 번호가 CHL과 같음"}},
    {Phrase::kVmcSameDay,
     {"VMC day no. same as CHL", "VMC日序与CHL相同", "VMC日序與CHL相同", "VMC cùng số ngày với CHL",
      "VMCの日番号はCHLと同じ", "VMC 일 번호가 CHL과 같음"}},
    {Phrase::kOneMonthHeading,
     {"Common Era year {0}, month of {1}", "公历{0}年{1}月", "公曆{0}年{1}月",
      "Dương lịch: tháng {1} năm {0}", "西暦{0}年{1}月", "양력 {0}년 {1}월"}},
    {Phrase::kTwoMonthsHeading,
     {"Common Era year {0} ({1}-{2})", "公历{0}年{1}月–{2}月", "公曆{0}年{1}月–{2}月",
      "Dương lịch: tháng {1}–{2} năm {0}", "西暦{0}年{1}月～{2}月", "양력 {0}년 {1}월~{2}월"}},
    {Phrase::kTwoYearsHeading,
     {"Common Era year {0} ({1}) - {2} ({3})", "公历{0}年{1}月–{2}年{3}月", "公曆{0}年{1}月–{2}年{3}月",
      "Dương lịch: tháng {1} năm {0} – tháng {3} năm {2}", "西暦{0}年{1}月～{2}年{3}月",
      "양력 {0}년 {1}월~{2}년 {3}월"}},
    // The eighth column holds day 15, the full moon (望, rằm, 보름), and day 30, the last day of
    // a long month (晦, 그믐).
    {Phrase::kLunadayHeading, {"Lunaday", "望·晦", "望·晦", "Rằm/Cuối", "望・晦", "보름·그믐"}},
    {Phrase::kMonthRowsHeading,
     {"One quarter of the lunar month in each row", "每行约为朔望月的四分之一", "每行約為朔望月的四分之一",
      "Mỗi hàng là một phần tư tháng âm lịch", "各行が旧暦の月のおよそ四分の一",
      "한 줄이 음력 한 달의 약 4분의 1"}},
    {Phrase::kUncertainCaption, {"Uncertain:", "存疑：", "存疑：", "Chưa chắc chắn:", "不確か：", "불확실:"}},
    {Phrase::kCalendarHistoryCaption,
     {"Calendar history:", "历法沿革：", "曆法沿革：", "Lịch sử lịch pháp:", "暦法の沿革：", "역법의 연혁:"}},
    {Phrase::kCellDate,
     {"{0} {1} {2}", "{1}月{2}日 {0}", "{1}月{2}日 {0}", "{0} {2}/{1}", "{1}月{2}日({0})",
      "{1}월 {2}일({0})"}},
    {Phrase::kNewYearSummary, {"Lunar New Year", "春节", "春節", "Tết Nguyên Đán", "旧正月", "설날"}},
    {Phrase::kTermDay,
     {"day {1} of {0}", "{0}第{1}天", "{0}第{1}天", "ngày thứ {1} của tiết {0}", "{0}の{1}日目",
      "{0} {1}일째"}},
};
constexpr size_t kPhraseCount = sizeof kPhrases / sizeof kPhrases[0];

constexpr bool RowsInEnumOrder() {
  for (size_t i = 0; i < kPhraseCount; ++i) {
    if (static_cast<size_t>(kPhrases[i].phrase) != i) return false;
  }
  return true;
}
static_assert(RowsInEnumOrder(), "one row per phrase, in the order of the enum");

// Countries in the order of Cycles.h.
constexpr std::array<Texts, 4> kCountryWords{{
    {"Vietnam", "越南", "越南", "Việt Nam", "ベトナム", "베트남"},
    {"China", "中国", "中國", "Trung Quốc", "中国", "중국"},
    {"Japan", "日本", "日本", "Nhật Bản", "日本", "일본"},
    {"Korea", "韩国", "韓國", "Hàn Quốc", "韓国", "한국"},
}};

constexpr std::array<std::array<std::string_view, 7>, kLanguageCount> kShortWeekdays{{
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"周日", "周一", "周二", "周三", "周四", "周五", "周六"},
    {"週日", "週一", "週二", "週三", "週四", "週五", "週六"},
    {"CN", "T2", "T3", "T4", "T5", "T6", "T7"},
    {"日", "月", "火", "水", "木", "金", "土"},
    {"일", "월", "화", "수", "목", "금", "토"},
}};

// Korean years are named by the colour of their element (2024 푸른 용의 해, 2023 검은 토끼의 해).
constexpr std::array<std::string_view, 5> kKoreanElementColours{"푸른", "붉은", "노란", "흰", "검은"};

// Dark, waxing crescent, first quarter, waxing gibbous, full, waning gibbous, last quarter,
// waning crescent. Japanese uses the old names of the Moon's nights (三日月, 十三夜月, 寝待月,
// 有明月), Chinese 蛾眉月 and 残月 for the crescents.
constexpr std::array<std::array<std::string_view, 8>, kLanguageCount> kPhaseWords{{
    {"Dark moon", "Crescent moon (waxing)", "Half moon (waxing)", "Gibbous moon (waxing)", "Full moon",
     "Gibbous moon (waning)", "Half moon (waning)", "Crescent moon (waning)"},
    {"新月", "蛾眉月", "上弦月", "盈凸月", "满月", "亏凸月", "下弦月", "残月"},
    {"新月", "蛾眉月", "上弦月", "盈凸月", "滿月", "虧凸月", "下弦月", "殘月"},
    {"Trăng non", "Trăng lưỡi liềm đầu tháng", "Trăng bán nguyệt đầu tháng", "Trăng khuyết đầu tháng",
     "Trăng tròn", "Trăng khuyết cuối tháng", "Trăng bán nguyệt cuối tháng", "Trăng lưỡi liềm cuối tháng"},
    {"新月", "三日月", "上弦の月", "十三夜月", "満月", "寝待月", "下弦の月", "有明月"},
    {"삭", "초승달", "상현달", "차오르는 볼록달", "보름달", "기우는 볼록달", "하현달", "그믐달"},
}};

int IndexOf(Language language) {
  const int i = static_cast<int>(language);
  return i >= 0 && i < kLanguageCount ? i : -1;
}

bool Cjk(Language language) {
  return language == Language::kSimplifiedChinese || language == Language::kTraditionalChinese ||
         language == Language::kJapanese;
}

// The unit's word after a name: 年 月 日, 년 월 일, and the Korean native words of an element-animal
// name (의 해, 의 달, 의 날).
std::string_view UnitSuffix(Language language, CycleUnit unit, bool elementAnimal) {
  static constexpr std::array<std::string_view, 3> kHan{"年", "月", "日"};
  static constexpr std::array<std::string_view, 3> kKorean{"년", "월", "일"};
  static constexpr std::array<std::string_view, 3> kKoreanNative{"의 해", "의 달", "의 날"};
  static constexpr std::array<std::string_view, 3> kJapaneseNative{"の年", "の月", "の日"};
  static constexpr std::array<std::string_view, 3> kEnglish{" year", " month", " day"};
  const auto u = static_cast<size_t>(unit);
  switch (language) {
    case Language::kSimplifiedChinese:
    case Language::kTraditionalChinese: return kHan[u];
    case Language::kJapanese: return elementAnimal ? kJapaneseNative[u] : kHan[u];
    case Language::kKorean: return elementAnimal ? kKoreanNative[u] : kKorean[u];
    case Language::kEnglish: return kEnglish[u];
    default: return {};
  }
}

// Vietnamese puts the unit first: năm Giáp Thìn, tháng Bính Dần, ngày Giáp Tý.
std::string_view VietnameseUnit(CycleUnit unit) {
  static constexpr std::array<std::string_view, 3> kWords{"năm ", "tháng ", "ngày "};
  return kWords[static_cast<size_t>(unit)];
}

std::string WithUnit(Language language, const std::string& name, CycleUnit unit, bool elementAnimal) {
  if (name.empty()) return {};
  if (language == Language::kVietnamese) return std::string(VietnameseUnit(unit)) + name;
  return name + std::string(UnitSuffix(language, unit, elementAnimal));
}

std::string Percent(double fraction) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%%", 100 * fraction);
  return text;
}

}  // namespace

std::string_view PhraseText(Language language, Phrase phrase) {
  const int l = IndexOf(language);
  const auto p = static_cast<size_t>(phrase);
  if (l < 0 || p >= kPhraseCount) return {};
  return kPhrases[p].texts[static_cast<size_t>(l)];
}

std::string Phrased(Language language, Phrase phrase, std::initializer_list<std::string_view> texts) {
  return FilledIn(PhraseText(language, phrase), texts);
}

std::string FilledIn(std::string_view pattern, std::initializer_list<std::string_view> texts) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    // "{N}" with one digit N names the N-th text; anything else is copied.
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '0' &&
        pattern[i + 1] <= '9') {
      const auto n = static_cast<size_t>(pattern[i + 1] - '0');
      if (n < texts.size()) out += *(texts.begin() + n);
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string Parenthesized(Language language, std::string_view text) {
  if (Cjk(language)) return "（" + std::string(text) + "）";
  return " (" + std::string(text) + ")";
}

std::string_view ListSeparator(Language language) {
  switch (language) {
    case Language::kSimplifiedChinese:
    case Language::kTraditionalChinese: return "，";
    case Language::kJapanese: return "、";
    default: return ", ";
  }
}

std::string_view CountryWord(Language language, Country country) {
  const int l = IndexOf(language);
  if (l < 0) return {};
  const Country c = CountryFromNumber(CountryNumber(country)).value_or(kChina);
  return kCountryWords[static_cast<size_t>(CountryNumber(c))][static_cast<size_t>(l)];
}

std::string_view ShortWeekday(Language language, int weekday) {
  const int l = IndexOf(language);
  if (l < 0 || weekday < 0 || weekday > 6) return {};
  return kShortWeekdays[static_cast<size_t>(l)][static_cast<size_t>(weekday)];
}

std::string ElementAnimalName(Language language, int position, Country country) {
  if (position < 1 || position > 60 || IndexOf(language) < 0) return {};
  const int element = ElementOfPosition(position);
  const std::string e(names::Element(language, element));
  const std::string a(names::Animal(language, country, AnimalOfPosition(position)));
  switch (language) {
    case Language::kSimplifiedChinese:
    case Language::kTraditionalChinese: return e + a;
    case Language::kVietnamese: return a + " " + e;
    case Language::kJapanese: return e + "の" + a;
    case Language::kKorean: return std::string(kKoreanElementColours[static_cast<size_t>(element)]) + " " + a;
    default: return ElementAnimalText(position, country);
  }
}

std::string StemBranchOf(Language language, int position, CycleUnit unit) {
  return WithUnit(language, names::StemBranch(language, position), unit, false);
}

std::string ElementAnimalOf(Language language, int position, Country country, CycleUnit unit) {
  return WithUnit(language, ElementAnimalName(language, position, country), unit, true);
}

std::string CycleNames(Language language, int position, Country country, CycleUnit unit) {
  const std::string names = StemBranchOf(language, position, unit);
  if (names.empty()) return {};
  return names + Parenthesized(language, ElementAnimalName(language, position, country));
}

std::string LunarDateWords(Language language, const ChlDate& date, int32_t jdn, Country country,
                           bool withStemBranch) {
  const std::string native = NativeLunarDate(language, date);
  if (native.empty()) return {};
  auto names = [&](int position, CycleUnit unit) {
    return withStemBranch ? CycleNames(language, position, country, unit)
                          : ElementAnimalOf(language, position, country, unit);
  };
  const auto [monthElement, monthAnimal] = MonthElementAnimal(date);
  std::string year = names(date.position, CycleUnit::kYear);
  std::string month = names(PositionOfElementAnimal(monthElement, monthAnimal), CycleUnit::kMonth);
  const std::string dayNames = jdn != 0 ? names(DayPosition(jdn), CycleUnit::kDay) : "";
  const std::string separator(ListSeparator(language));
  // Vietnamese almanacs name the day first (ngày …, tháng …, năm …), the others the year.
  std::string text = native;
  if (language == Language::kVietnamese) {
    if (!dayNames.empty()) text += separator + dayNames;
    return text + separator + month + separator + year;
  }
  text += separator + year + separator + month;
  if (!dayNames.empty()) text += separator + dayNames;
  return text;
}

std::string SolarTermDayWords(Language language, const ChsDate& date) {
  const std::string_view term = names::SolarTerm(language, date.term);
  if (term.empty()) return {};
  return Phrased(language, Phrase::kTermDay, {term, std::to_string(date.day)}) +
         Parenthesized(language, TermCode(date.term));
}

std::string LunarMonthDayWords(Language language, int month, bool leap, int day) {
  const std::string name = names::MonthWithLeap(language, month, leap);
  const std::string dayName(names::Day(language, day));
  if (name.empty() || dayName.empty()) return {};
  switch (language) {
    case Language::kSimplifiedChinese: return "农历" + name + dayName;
    case Language::kTraditionalChinese: return "農曆" + name + dayName;
    case Language::kVietnamese: return (day > 10 ? "ngày " : "") + dayName + " " + name + " âm lịch";
    case Language::kJapanese: return "旧暦" + name + dayName;
    case Language::kKorean: return "음력 " + name + " " + dayName;
    default: return name + ", day " + dayName;
  }
}

std::string MoonPhaseWords(Language language, double illumination, bool waxing) {
  const int l = IndexOf(language);
  if (l < 0) return {};
  // The bounds of the window's phase names: dark below 1%, crescent below 45%, half below 55%,
  // gibbous below 99%.
  const double k = 100 * illumination;
  const int shape = k < 1 ? 0 : k < 45 ? 1 : k < 55 ? 2 : k < 99 ? 3 : 4;
  const int index = shape == 0 || shape == 4 || waxing ? shape : 8 - shape;
  return std::string(kPhaseWords[static_cast<size_t>(l)][static_cast<size_t>(index)]) +
         std::string(ListSeparator(language)) + Percent(illumination);
}

}  // namespace mirvo
