// The listing tables: one row per phrase, its texts in the order of the Language enum (English,
// Simplified Chinese, Traditional Chinese, Vietnamese, Japanese, Korean). A European date of any
// calendar is 西历 (Western) in Chinese, 西洋暦 in Japanese and 서력 in Korean; the year from
// December solstice to December solstice keeps its name sui (岁, 歳, 세, tuế).
#include "features/listings/ListingPhrases.h"

#include <array>

#include "features/display/Phrases.h"

namespace mirvo {
namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

struct ListingRow {
  ListingPhrase phrase;
  Texts texts;
};

constexpr ListingRow kRows[] = {
    {ListingPhrase::kNewYearsHeader,
     {"Lunar New Year's Day with corresponding European date and JDN\n({0}, longitude {1}º E, {2})\nplus "
      "number "
      "of months, J1's and Z1's in the nian:\n",
      "农历正月初一及对应的西历日期和儒略日数\n（{0}，东经{1}º，{2}"
      "）\n附该年（nian）的月数及J1、Z1的个数：\n",
      "農曆正月初一及對應的西曆日期和儒略日數\n（{0}，東經{1}º，{2}"
      "）\n附該年（nian）的月數及J1、Z1的個數：\n",
      "Ngày Tết Nguyên Đán với ngày dương lịch và số ngày Julius tương ứng\n({0}, kinh độ {1}º Đông, "
      "{2})\nkèm số "
      "tháng, số J1 và Z1 trong năm âm lịch:\n",
      "旧正月元日と対応する西洋暦の日付・ユリウス日\n（{0}、東経{1}º、{2}"
      "）\n年（nian）ごとの月数、J1とZ1の数：\n",
      "음력 설날과 해당 서력 날짜·율리우스일\n({0}, 동경 {1}º, {2})\n해(nian)마다의 달 수, J1·Z1 수:\n"}},
    {ListingPhrase::kAnniversariesHeader,
     {"Lunar Calendar anniversaries\nwith corresponding European date and JDN\n({0}, longitude {1}º E, "
      "{2}):\n",
      "农历周年日及对应的西历日期和儒略日数\n（{0}，东经{1}º，{2}）：\n",
      "農曆週年日及對應的西曆日期和儒略日數\n（{0}，東經{1}º，{2}）：\n",
      "Các ngày kỷ niệm âm lịch với ngày dương lịch và số ngày Julius tương ứng\n({0}, kinh độ {1}º Đông, "
      "{2}):\n",
      "旧暦の記念日と対応する西洋暦の日付・ユリウス日\n（{0}、東経{1}º、{2}）：\n",
      "음력 기념일과 해당 서력 날짜·율리우스일\n({0}, 동경 {1}º, {2}):\n"}},
    {ListingPhrase::kLeapMonthsHeader,
     {"Leap months with corresponding date CE and Julian day number\nfor {3} years from {4} {5} "
      "({0},\nlongitude "
      "{1}º E, {2}):\n",
      "闰月及对应的公历日期和儒略日数\n自{4} {5}起{3}年（{0}，\n东经{1}º，{2}）：\n",
      "閏月及對應的公曆日期和儒略日數\n自{4} {5}起{3}年（{0}，\n東經{1}º，{2}）：\n",
      "Các tháng nhuận với ngày dương lịch và số ngày Julius tương ứng\ntrong {3} năm từ {4} {5} ({0},\nkinh "
      "độ "
      "{1}º Đông, {2}):\n",
      "閏月と対応する西暦の日付・ユリウス日\n{4} {5}から{3}年間（{0}、\n東経{1}º、{2}）：\n",
      "윤달과 해당 양력 날짜·율리우스일\n{4} {5}부터 {3}년간({0},\n동경 {1}º, {2}):\n"}},
    {ListingPhrase::kMonthStartsHeader,
     {"Starts of all months with corresponding date CE\nand Julian day number for {3} years from {4} "
      "{5}\n({0}, "
      "longitude {1}º E, {2}):\n",
      "各月初一及对应的公历日期和儒略日数\n自{4} {5}起{3}年\n（{0}，东经{1}º，{2}）：\n",
      "各月初一及對應的公曆日期和儒略日數\n自{4} {5}起{3}年\n（{0}，東經{1}º，{2}）：\n",
      "Ngày đầu mọi tháng với ngày dương lịch và số ngày Julius tương ứng\ntrong {3} năm từ {4} {5}\n({0}, "
      "kinh độ "
      "{1}º Đông, {2}):\n",
      "各月の朔日と対応する西暦の日付・ユリウス日\n{4} {5}から{3}年間\n（{0}、東経{1}º、{2}）：\n",
      "모든 달의 초하루와 해당 양력 날짜·율리우스일\n{4} {5}부터 {3}년간\n({0}, 동경 {1}º, {2}):\n"}},
    {ListingPhrase::kCeNewYearsHeader,
     {"Lunar calendar dates of New Years Day in the Common Era Calendar\n({0}, longitude {1}º E, {2})\n",
      "公历元旦的农历日期\n（{0}，东经{1}º，{2}）\n", "公曆元旦的農曆日期\n（{0}，東經{1}º，{2}）\n",
      "Ngày âm lịch của ngày đầu năm Dương lịch\n({0}, kinh độ {1}º Đông, {2})\n",
      "西暦元日の旧暦の日付\n（{0}、東経{1}º、{2}）\n", "양력 1월 1일의 음력 날짜\n({0}, 동경 {1}º, {2})\n"}},
    {ListingPhrase::kJcNewYearsHeader,
     {"Lunar calendar dates of New Years Day in the Julian Calendar\n({0}, longitude {1}º E, {2})\n",
      "儒略历元旦的农历日期\n（{0}，东经{1}º，{2}）\n", "儒略曆元旦的農曆日期\n（{0}，東經{1}º，{2}）\n",
      "Ngày âm lịch của ngày đầu năm lịch Julius\n({0}, kinh độ {1}º Đông, {2})\n",
      "ユリウス暦元日の旧暦の日付\n（{0}、東経{1}º、{2}）\n",
      "율리우스력 1월 1일의 음력 날짜\n({0}, 동경 {1}º, {2})\n"}},
    {ListingPhrase::kInvalidDate,
     {"{0} is invalid", "{0}不存在", "{0}不存在", "{0} không tồn tại", "{0}は存在しない", "{0}: 없는 날짜"}},
    {ListingPhrase::kAnomaly, {"Anomaly", "异常", "異常", "Bất thường", "異常", "이상"}},
    {ListingPhrase::kRangeEnd,
     {"List ended at {0} CE, the end of the admitted range.\n", "列表止于允许范围的终点{0} CE。\n",
      "列表止於允許範圍的終點{0} CE。\n", "Danh sách dừng ở {0} CE, cuối phạm vi cho phép.\n",
      "一覧は許容範囲の終わり{0} CEで終了。\n", "목록이 허용 범위의 끝인 {0} CE에서 끝났습니다.\n"}},
    {ListingPhrase::kRangeStart,
     {"Dates before {0} CE, the start of the admitted range, are left out.\n",
      "允许范围的起点{0} CE之前的日期从略。\n", "允許範圍的起點{0} CE之前的日期從略。\n",
      "Các ngày trước {0} CE, đầu phạm vi cho phép, được bỏ qua.\n",
      "許容範囲の始まり{0} CEより前の日付は省略。\n",
      "허용 범위의 시작인 {0} CE 이전의 날짜는 생략했습니다.\n"}},
    {ListingPhrase::kStoppedAfterYear,
     {"List stopped by the user after the year {0}.\n", "用户在{0}年之后停止了列表。\n",
      "使用者在{0}年之後停止了列表。\n", "Người dùng đã dừng danh sách sau năm {0}.\n",
      "{0}年の後でユーザーが一覧を停止。\n", "사용자가 {0}년 이후 목록을 중지했습니다.\n"}},
    {ListingPhrase::kStoppedBeforeFirstYear,
     {"List stopped by the user before its first year.\n", "用户在第一年之前停止了列表。\n",
      "使用者在第一年之前停止了列表。\n", "Người dùng đã dừng danh sách trước năm đầu tiên.\n",
      "最初の年の前でユーザーが一覧を停止。\n", "사용자가 첫 해 이전에 목록을 중지했습니다.\n"}},
    {ListingPhrase::kEndedAfterYear,
     {"List ended after the year {0}: {1} was changed.\n", "列表在{0}年之后结束：{1}已更改。\n",
      "列表在{0}年之後結束：{1}已更改。\n", "Danh sách kết thúc sau năm {0}: {1} đã thay đổi.\n",
      "一覧は{0}年の後で終了：{1}が変更された。\n",
      "목록이 {0}년 이후 끝났습니다: {1}이(가) 바뀌었습니다.\n"}},
    {ListingPhrase::kEndedBeforeFirstYear,
     {"List ended before its first year: {0} was changed.\n", "列表在第一年之前结束：{0}已更改。\n",
      "列表在第一年之前結束：{0}已更改。\n", "Danh sách kết thúc trước năm đầu tiên: {0} đã thay đổi.\n",
      "一覧は最初の年の前で終了：{0}が変更された。\n",
      "목록이 첫 해 이전에 끝났습니다: {0}이(가) 바뀌었습니다.\n"}},
    {ListingPhrase::kChangedCountry, {"the country", "国家", "國家", "quốc gia", "国", "국가"}},
    {ListingPhrase::kChangedLongitude,
     {"the reference longitude", "基准经度", "基準經度", "kinh độ tham chiếu", "基準経度", "기준 경도"}},
    {ListingPhrase::kChangedEpoch, {"the epoch", "纪元", "紀元", "kỷ nguyên", "紀元", "기원"}},
    {ListingPhrase::kChangedMethod,
     {"the solar-term method", "节气计算方法", "節氣計算方法", "phương pháp tính tiết khí", "節気の計算法",
      "절기 계산법"}},
    {ListingPhrase::kChangedHistory,
     {"the calendar's history setting", "历法沿革设置", "曆法沿革設定", "thiết lập lịch sử lịch pháp",
      "暦法の沿革の設定", "역법 연혁 설정"}},
    {ListingPhrase::kYearDataTitleWithTerms,
     {"Dates, times and chronological Julian dates of dark moons\nand solar terms ",
      "朔及节气的日期、时刻和民用儒略日\n", "朔及節氣的日期、時刻和民用儒略日\n",
      "Ngày, giờ và ngày Julius dân sự của các điểm sóc và tiết khí\n",
      "朔と節気の日付・時刻・暦日ユリウス日\n", "합삭과 절기의 날짜·시각·역일 율리우스일\n"}},
    {ListingPhrase::kYearDataTitle,
     {"Dates, times and chronological Julian dates of dark moons\n", "朔的日期、时刻和民用儒略日\n",
      "朔的日期、時刻和民用儒略日\n", "Ngày, giờ và ngày Julius dân sự của các điểm sóc\n",
      "朔の日付・時刻・暦日ユリウス日\n", "합삭의 날짜·시각·역일 율리우스일\n"}},
    {ListingPhrase::kYearDataSpan,
     {"for 3 solar years beginning {0} ({1} {2}),\n{3}.  Times are {4} times,\nwhich assume longitude {5}º E "
      "({6}) "
      "as reference meridian.\n",
      "自岁{0}（{1} {2}）起的3个岁，{3}。\n时刻为{4}时间，以东经{5}º（{6}）为基准子午线。\n",
      "自歲{0}（{1} {2}）起的3個歲，{3}。\n時刻為{4}時間，以東經{5}º（{6}）為基準子午線。\n",
      "trong 3 năm tuế từ {0} ({1} {2}), {3}.\nGiờ theo {4}, lấy kinh độ {5}º Đông ({6}) làm kinh tuyến tham "
      "chiếu.\n",
      "歳{0}（{1} {2}）から3歳分、{3}。\n時刻は{4}で、東経{5}º（{6}）を基準子午線とする。\n",
      "세 {0}({1} {2})부터 3세, {3}.\n시각은 {4} 기준이며, 동경 {5}º({6})를 기준 자오선으로 한다.\n"}},
    {ListingPhrase::kYearDataHistory,
     {"The months follow the calendar's history: a dark moon whose time is marked with a\nmeridian (E120) is "
      "that "
      "meridian's time, for which the almanac of its year was computed.\n",
      "各月依历法沿革：注有子午线（如E120）的朔，\n其时刻为该子午线的时间，即当年历书所据。\n",
      "各月依曆法沿革：註有子午線（如E120）的朔，\n其時刻為該子午線的時間，即當年曆書所據。\n",
      "Các tháng theo lịch sử lịch pháp: giờ sóc có ghi kinh tuyến (E120)\nlà giờ của kinh tuyến đó, theo đó "
      "lịch "
      "năm ấy được tính.\n",
      "各月は暦法の沿革に従う。子午線（E120など）を付した朔の時刻は、\nその年の暦が計算されたその子午線の時刻"
      "。\n",
      "각 달은 역법의 연혁을 따른다. 자오선(E120 등)이 붙은 합삭 시각은\n그해 역서가 계산된 그 자오선의 "
      "시각이다.\n"}},
    {ListingPhrase::kSuiMonths,
     {"Sui {0} had {1} months.\n", "岁{0}共{1}个月。\n", "歲{0}共{1}個月。\n", "Năm tuế {0} có {1} tháng.\n",
      "歳{0}は{1}か月。\n", "세 {0}은(는) {1}개월.\n"}},
    {ListingPhrase::kNianMonths,
     {"Nian {0} had {1} months.\n", "年{0}共{1}个月。\n", "年{0}共{1}個月。\n",
      "Năm âm lịch {0} có {1} tháng.\n", "年{0}は{1}か月。\n", "년 {0}은(는) {1}개월.\n"}},
    {ListingPhrase::kFestivalsHeader,
     {"Festivals and seasonal days from {0}, {1} years\n(longitude {2}º E, {3})\n",
      "自{0}年起{1}年的节日与节令\n（东经{2}º，{3}）\n", "自{0}年起{1}年的節日與節令\n（東經{2}º，{3}）\n",
      "Ngày lễ và tiết lệnh trong {1} năm từ năm {0}\n(kinh độ {2}º Đông, {3})\n",
      "{0}年から{1}年間の行事・雑節\n（東経{2}º、{3}）\n",
      "{0}년부터 {1}년간의 명절과 절일\n(동경 {2}º, {3})\n"}},
    {ListingPhrase::kNoFestivalTable,
     {"No festival table for this country.\n", "没有此国家的节日表。\n", "沒有此國家的節日表。\n",
      "Không có bảng ngày lễ cho quốc gia này.\n", "この国の行事表がない。\n",
      "이 국가의 명절 표가 없습니다.\n"}},
    {ListingPhrase::kFestivalUntil,
     {"  to {0}", "  至{0}", "  至{0}", "  đến {0}", "  {0}まで", "  {0}까지"}},
    {ListingPhrase::kFestivalUncertain,
     {"  uncertain: {0}", "  存疑：{0}", "  存疑：{0}", "  không chắc chắn: {0}", "  不確定：{0}",
      "  불확실: {0}"}},
};
constexpr size_t kRowCount = sizeof kRows / sizeof kRows[0];

constexpr bool RowsInEnumOrder() {
  for (size_t i = 0; i < kRowCount; ++i) {
    if (static_cast<size_t>(kRows[i].phrase) != i) return false;
  }
  return true;
}
static_assert(RowsInEnumOrder(), "one row per phrase, in the order of the enum");

}  // namespace

std::string ListingWorded(Language language, ListingPhrase phrase,
                          std::initializer_list<std::string_view> texts) {
  const auto l = static_cast<size_t>(language);
  const auto p = static_cast<size_t>(phrase);
  if (l >= static_cast<size_t>(kLanguageCount) || p >= kRowCount) return {};
  return FilledIn(kRows[p].texts[l], texts);
}

std::string ChangedSettingWords(Language language, ListChange change) {
  switch (change) {
    case ListChange::kCountry: return ListingWorded(language, ListingPhrase::kChangedCountry, {});
    case ListChange::kLongitude: return ListingWorded(language, ListingPhrase::kChangedLongitude, {});
    case ListChange::kEpoch: return ListingWorded(language, ListingPhrase::kChangedEpoch, {});
    case ListChange::kMethod: return ListingWorded(language, ListingPhrase::kChangedMethod, {});
    case ListChange::kHistory: return ListingWorded(language, ListingPhrase::kChangedHistory, {});
    default: return {};
  }
}

}  // namespace mirvo
