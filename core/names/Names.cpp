// The name tables. One row per language, in the order of the Language enum: English, Simplified
// Chinese, Traditional Chinese, Vietnamese, Japanese, Korean. An empty row (readings, leap and
// traditional months) means the language uses the names of the main table there.
//
// Solar terms: the Simplified forms of the Chinese standard on the lunar calendar (GB/T
// 33661-2017), the Traditional ones as Taiwan and Hong Kong print them; Japanese in the forms of
// the Japanese almanac (啓蟄, 小満, 処暑, 穀雨). The Moon's phases are the words of everyday
// calendars (新月, 满月 rather than the almanac's 朔, 望); Korean calendars print 삭 상현 망 하현.
#include "core/names/Names.h"

#include <array>
#include <cstddef>

#include "core/chinese/Cycles.h"

namespace mirvo::names {
namespace {

template <size_t N>
using Table = std::array<std::array<std::string_view, N>, kLanguageCount>;

constexpr Table<10> kStems{{
    {"jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"},
    {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"},
    {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"},
    {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"},
    {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"},
    {"갑", "을", "병", "정", "무", "기", "경", "신", "임", "계"},
}};

constexpr Table<10> kStemReadings{{
    {},
    {"jiǎ", "yǐ", "bǐng", "dīng", "wù", "jǐ", "gēng", "xīn", "rén", "guǐ"},
    {"jiǎ", "yǐ", "bǐng", "dīng", "wù", "jǐ", "gēng", "xīn", "rén", "guǐ"},
    {},
    {"きのえ", "きのと", "ひのえ", "ひのと", "つちのえ", "つちのと", "かのえ", "かのと", "みずのえ",
     "みずのと"},
    {},
}};

constexpr Table<12> kBranches{{
    {"zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"},
    {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"},
    {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"},
    {"Tý", "Sửu", "Dần", "Mão", "Thìn", "Tỵ", "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"},
    {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"},
    {"자", "축", "인", "묘", "진", "사", "오", "미", "신", "유", "술", "해"},
}};

constexpr Table<12> kBranchReadings{{
    {},
    {"zǐ", "chǒu", "yín", "mǎo", "chén", "sì", "wǔ", "wèi", "shēn", "yǒu", "xū", "hài"},
    {"zǐ", "chǒu", "yín", "mǎo", "chén", "sì", "wǔ", "wèi", "shēn", "yǒu", "xū", "hài"},
    {},
    {"ね", "うし", "とら", "う", "たつ", "み", "うま", "ひつじ", "さる", "とり", "いぬ", "い"},
    {},
}};

// Between stem and branch in a pair: jia-chen, 甲辰, Giáp Thìn.
constexpr std::array<std::string_view, kLanguageCount> kPairSeparator{"-", "", "", " ", "", ""};

constexpr Table<5> kElements{{
    {"wood", "fire", "earth", "metal", "water"},
    {"木", "火", "土", "金", "水"},
    {"木", "火", "土", "金", "水"},
    {"Mộc", "Hỏa", "Thổ", "Kim", "Thủy"},
    {"木", "火", "土", "金", "水"},
    {"목", "화", "토", "금", "수"},
}};

// China's animals; the other countries differ only where kCountryAnimals says. The Chinese 羊 is
// the sheep, as the Japanese 羊 and the Korean 양; the Japanese name China's pig 豚, since their
// own 猪 is the wild boar.
constexpr Table<12> kAnimals{{
    {"rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse", "sheep", "monkey", "rooster", "dog", "pig"},
    {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"},
    {"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"},
    {"Chuột", "Bò", "Hổ", "Thỏ", "Rồng", "Rắn", "Ngựa", "Cừu", "Khỉ", "Gà", "Chó", "Lợn"},
    {"鼠", "牛", "虎", "兎", "竜", "蛇", "馬", "羊", "猿", "鶏", "犬", "豚"},
    {"쥐", "소", "호랑이", "토끼", "용", "뱀", "말", "양", "원숭이", "닭", "개", "돼지"},
}};

struct CountryAnimal {
  Country country;
  int animal;
  std::array<std::string_view, kLanguageCount> names;
};
// Vietnam's ox is the water buffalo (the program's English keeps "ox"), its rabbit the cat and its
// sheep the goat; Japan's pig is the wild boar.
constexpr std::array<CountryAnimal, 4> kCountryAnimals{{
    {kVietnam, 1, {"ox", "水牛", "水牛", "Trâu", "水牛", "물소"}},
    {kVietnam, 3, {"cat", "猫", "貓", "Mèo", "猫", "고양이"}},
    {kVietnam, 7, {"goat", "山羊", "山羊", "Dê", "山羊", "염소"}},
    {kJapan, 11, {"boar", "野猪", "野豬", "Lợn rừng", "猪", "멧돼지"}},
}};

constexpr Table<12> kMonths{{
    {"month 1", "month 2", "month 3", "month 4", "month 5", "month 6", "month 7", "month 8", "month 9",
     "month 10", "month 11", "month 12"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "臘月"},
    {"tháng Giêng", "tháng Hai", "tháng Ba", "tháng Tư", "tháng Năm", "tháng Sáu", "tháng Bảy", "tháng Tám",
     "tháng Chín", "tháng Mười", "tháng Mười Một", "tháng Chạp"},
    {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
}};

// Leap months are named by their number (the leap eleventh month of 2033 is 闰十一月).
constexpr Table<12> kLeapMonths{{
    {},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"},
    {},
    {},
    {},
}};

constexpr std::array<std::string_view, kLanguageCount> kLeapMarks{"leap", "闰", "閏", "nhuận", "閏", "윤"};

constexpr Table<30> kDays{{
    {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14", "15",
     "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30"},
    {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
     "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
     "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"},
    {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
     "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
     "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"},
    {"mùng 1", "mùng 2", "mùng 3", "mùng 4", "mùng 5", "mùng 6", "mùng 7", "mùng 8", "mùng 9", "mùng 10",
     "11",     "12",     "13",     "14",     "15",     "16",     "17",     "18",     "19",     "20",
     "21",     "22",     "23",     "24",     "25",     "26",     "27",     "28",     "29",     "30"},
    {"1日",  "2日",  "3日",  "4日",  "5日",  "6日",  "7日",  "8日",  "9日",  "10日",
     "11日", "12日", "13日", "14日", "15日", "16日", "17日", "18日", "19日", "20日",
     "21日", "22日", "23日", "24日", "25日", "26日", "27日", "28日", "29日", "30日"},
    {"1일",  "2일",  "3일",  "4일",  "5일",  "6일",  "7일",  "8일",  "9일",  "10일",
     "11일", "12일", "13일", "14일", "15일", "16일", "17일", "18일", "19일", "20일",
     "21일", "22일", "23일", "24일", "25일", "26일", "27일", "28일", "29일", "30일"},
}};

// Term 1 is the winter solstice (Ephemeris.h).
constexpr Table<24> kSolarTerms{{
    {"Winter solstice",  "Slight cold",         "Great cold",     "Beginning of spring",
     "Rain water",       "Waking of insects",   "Spring equinox", "Pure brightness",
     "Grain rain",       "Beginning of summer", "Grain full",     "Grain in ear",
     "Summer solstice",  "Slight heat",         "Great heat",     "Beginning of autumn",
     "Limit of heat",    "White dew",           "Autumn equinox", "Cold dew",
     "Descent of frost", "Beginning of winter", "Slight snow",    "Great snow"},
    {"冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
     "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    {"冬至", "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種",
     "夏至", "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    {"Đông chí", "Tiểu hàn", "Đại hàn",  "Lập xuân",   "Vũ thủy",     "Kinh trập", "Xuân phân",  "Thanh minh",
     "Cốc vũ",   "Lập hạ",   "Tiểu mãn", "Mang chủng", "Hạ chí",      "Tiểu thử",  "Đại thử",    "Lập thu",
     "Xử thử",   "Bạch lộ",  "Thu phân", "Hàn lộ",     "Sương giáng", "Lập đông",  "Tiểu tuyết", "Đại tuyết"},
    {"冬至", "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種",
     "夏至", "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    {"동지", "소한", "대한", "입춘", "우수", "경칩", "춘분", "청명", "곡우", "입하", "소만", "망종",
     "하지", "소서", "대서", "입추", "처서", "백로", "추분", "한로", "상강", "입동", "소설", "대설"},
}};

constexpr Table<7> kWeekdays{{
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
    {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
    {"Chủ Nhật", "Thứ Hai", "Thứ Ba", "Thứ Tư", "Thứ Năm", "Thứ Sáu", "Thứ Bảy"},
    {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"},
    {"일요일", "월요일", "화요일", "수요일", "목요일", "금요일", "토요일"},
}};

constexpr Table<4> kMoonPhases{{
    {"New moon", "First quarter", "Full moon", "Last quarter"},
    {"新月", "上弦", "满月", "下弦"},
    {"新月", "上弦", "滿月", "下弦"},
    {"Trăng mới", "Thượng huyền", "Trăng tròn", "Hạ huyền"},
    {"新月", "上弦", "満月", "下弦"},
    {"삭", "상현", "망", "하현"},
}};

int LanguageIndex(Language language) {
  const int i = static_cast<int>(language);
  return i >= 0 && i < kLanguageCount ? i : -1;
}

// Entry `index` (0-based) of the language's row; empty outside the table.
template <size_t N>
std::string_view Lookup(const Table<N>& table, Language language, int index) {
  const int l = LanguageIndex(language);
  if (l < 0 || index < 0 || index >= static_cast<int>(N)) return {};
  return table[static_cast<size_t>(l)][static_cast<size_t>(index)];
}

// The entry of `table`, or of `names` where the language's row of `table` is empty.
template <size_t N>
std::string_view LookupOr(const Table<N>& table, const Table<N>& names, Language language, int index) {
  const std::string_view entry = Lookup(table, language, index);
  return entry.empty() ? Lookup(names, language, index) : entry;
}

std::string Pair(Language language, int position, std::string_view (*stem)(Language, int),
                 std::string_view (*branch)(Language, int)) {
  const int l = LanguageIndex(language);
  if (l < 0 || position < 1 || position > 60) return {};
  std::string text(stem(language, StemOfPosition(position)));
  text += kPairSeparator[static_cast<size_t>(l)];
  text += branch(language, BranchOfPosition(position));
  return text;
}

}  // namespace

std::string_view Stem(Language language, int stem) { return Lookup(kStems, language, stem - 1); }

std::string_view Branch(Language language, int branch) { return Lookup(kBranches, language, branch - 1); }

std::string_view StemReading(Language language, int stem) {
  return LookupOr(kStemReadings, kStems, language, stem - 1);
}

std::string_view BranchReading(Language language, int branch) {
  return LookupOr(kBranchReadings, kBranches, language, branch - 1);
}

std::string StemBranch(Language language, int position) { return Pair(language, position, Stem, Branch); }

std::string StemBranchReading(Language language, int position) {
  return Pair(language, position, StemReading, BranchReading);
}

std::string_view Element(Language language, int element) { return Lookup(kElements, language, element); }

std::string_view Animal(Language language, Country country, int animal) {
  const int l = LanguageIndex(language);
  if (l < 0) return {};
  for (const CountryAnimal& special : kCountryAnimals) {
    if (special.country == country && special.animal == animal) return special.names[static_cast<size_t>(l)];
  }
  return Lookup(kAnimals, language, animal);
}

std::string_view Month(Language language, int month) { return Lookup(kMonths, language, month - 1); }

std::string_view LeapMonth(Language language, int month) {
  return LookupOr(kLeapMonths, kMonths, language, month - 1);
}

std::string MonthWithLeap(Language language, int month, bool leap) {
  if (!leap) return std::string(Month(language, month));
  const std::string name(LeapMonth(language, month));
  if (name.empty()) return {};
  const std::string mark(LeapMark(language));
  switch (language) {
    case Language::kVietnamese: return name + " " + mark;
    case Language::kEnglish: return mark + " " + name;
    default: return mark + name;
  }
}

std::string_view LeapMark(Language language) {
  const int l = LanguageIndex(language);
  return l < 0 ? std::string_view() : kLeapMarks[static_cast<size_t>(l)];
}

std::string_view Day(Language language, int day) { return Lookup(kDays, language, day - 1); }

std::string_view SolarTerm(Language language, int term) { return Lookup(kSolarTerms, language, term - 1); }

std::string_view Weekday(Language language, int weekday) { return Lookup(kWeekdays, language, weekday); }

std::string_view MoonPhase(Language language, int phase) { return Lookup(kMoonPhases, language, phase); }

}  // namespace mirvo::names
