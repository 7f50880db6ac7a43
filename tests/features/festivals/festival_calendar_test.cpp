// The festivals as the windows ask for them: the main window's day line of published days, the
// festival list over two centuries against the engine's days, and the festival search.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/export/CalendarExport.h"
#include "features/listings/Listings.h"
#include "features/search/MultipleSearchRules.h"
#include "features/search/SearchRules.h"
#include "features/session/MainRules.h"

namespace mirvo {
namespace {

const std::string kDataFolder = MIRVO_TEST_DATA_DIR "/../../data";

struct Session {
  Reckoner reckoner;
  MainRules rules{reckoner, nullptr, nullptr, kDataFolder};
  Session(Country country, Language language) {
    rules.ChooseCountry(country);
    rules.SetLanguage(language);
  }
  void At(int y, int m, int d) {
    rules.SetCurrentAjd(NoonOfDay(JdnOfCeDate(y, m, d), reckoner.ReferenceDegrees()));
  }
};

TEST(FestivalDayLine, PublishedDays) {
  struct Case {
    Country country;
    int y, m, d;
    Language language;
    const char* line;
  };
  const Case cases[] = {
      {kChina, 2024, 7, 25, Language::kSimplifiedChinese, "中伏"},
      {kChina, 2024, 7, 27, Language::kSimplifiedChinese, "中伏第3天"},
      {kChina, 2025, 1, 11, Language::kTraditionalChinese, "三九第4天"},
      {kChina, 2024, 12, 21, Language::kSimplifiedChinese, "冬至，一九"},
      {kChina, 2024, 9, 17, Language::kEnglish, "Mid-Autumn Festival"},
      {kChina, 2024, 9, 18, Language::kEnglish, ""},
      {kJapan, 2024, 7, 24, Language::kJapanese, "夏の土用の入り6日目、夏の土用の丑の日"},
      {kKorea, 2024, 9, 17, Language::kKorean, "추석"},
      {kVietnam, 2024, 2, 10, Language::kVietnamese, "Tết Nguyên Đán"},
  };
  for (const Case& c : cases) {
    Session s(c.country, c.language);
    s.At(c.y, c.m, c.d);
    EXPECT_EQ(s.rules.display().festival, c.line)
        << CountryNumber(c.country) << " " << c.y << "-" << c.m << "-" << c.d;
    EXPECT_TRUE(s.rules.display().festivalNote.empty());
  }
}

// A month-page cell has room for one name: the day's own festival wins over a day of a period.
TEST(FestivalDayLine, OneNameForACell) {
  struct Case {
    Country country;
    int y, m, d;
    const char* cell;
  };
  const Case cases[] = {
      {kJapan, 2024, 7, 24, "夏の土用の丑の日"},
      {kJapan, 2024, 8, 5, "夏の土用の二の丑"},
      {kChina, 2024, 12, 21, "冬至"},
      {kChina, 2024, 7, 27, "中伏第3天"},
  };
  for (const Case& c : cases) {
    Session s(c.country, Language::kJapanese);
    const auto days = s.rules.festivals().OfDay(s.reckoner, JdnOfCeDate(c.y, c.m, c.d));
    const Language language = c.country == kJapan ? Language::kJapanese : Language::kSimplifiedChinese;
    EXPECT_EQ(FestivalDayLine(language, days, true), c.cell) << c.y << "-" << c.m << "-" << c.d;
  }
}

// One line a day: the list of 1901-2100 holds exactly the engine's days of those years.
TEST(FestivalList, LinesAreTheEngineDays) {
  for (Country country : kAllCountries) {
    Session s(country, Language::kEnglish);
    size_t days = 0;
    for (int32_t year = 1901; year <= 2100; ++year) {
      days += FestivalDaysOfYear(s.reckoner, *s.rules.festivals().Country(country), year).size();
    }
    ListingInputs inputs = InputsOf(s.reckoner, NoonOfDay(JdnOfCeDate(1901, 6, 1), 120));
    inputs.festivals = &s.rules.festivals();
    ListingOptions options;
    options.years = 200;
    const auto list = MakeList(kModeFestivals, s.reckoner, inputs, options);
    const std::string text = ListingText(*list, kModeFestivals);
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), days + 2)
        << CountryNumber(country);
    ASSERT_NE(list->Dates(), nullptr);
    EXPECT_EQ(list->Dates()->festivals.size(), days);
  }
}

// A list saved after the country changed keeps its own lunar dates: Tết 2007 fell on 17 February
// in Vietnam, a day before China's Spring Festival, so under China's meridian that day is 12-30.
TEST(FestivalList, SavedEventsKeepTheListsSettings) {
  Session s(kVietnam, Language::kVietnamese);
  ListingInputs inputs = InputsOf(s.reckoner, NoonOfDay(JdnOfCeDate(2007, 1, 1), 105));
  inputs.festivals = &s.rules.festivals();
  inputs.language = Language::kVietnamese;
  const auto list = MakeList(kModeFestivals, s.reckoner, inputs, ListingOptions{.years = 1});
  ListingText(*list, kModeFestivals);
  s.rules.ChooseCountry(kChina);
  const auto saved = ListedEvents(s.reckoner, *list->Dates());
  const auto tet = std::find_if(saved.begin(), saved.end(), [](const CalendarEvent& e) {
    return e.uid == "festival-tet-2007-vietnam@mirvo";
  });
  ASSERT_NE(tet, saved.end());
  EXPECT_EQ(tet->start.month * 100 + tet->start.day, 217);
  EXPECT_EQ(tet->description.rfind("mùng 1 tháng Giêng năm Đinh Hợi.", 0), 0u) << tet->description;
}

TEST(FestivalSearch, NextAndPrevious) {
  struct Case {
    Country country;
    const char* id;
    int from[3];
    bool next;
    int found[3];
  };
  const Case cases[] = {
      {kChina, "mid-autumn", {2024, 1, 1}, true, {2024, 9, 17}},
      {kChina, "mid-autumn", {2024, 9, 17}, true, {2025, 10, 6}},
      {kChina, "mid-autumn", {2025, 1, 1}, false, {2024, 9, 17}},
      {kChina, "chuxi", {2024, 3, 1}, false, {2024, 2, 9}},
      {kJapan, "ushi-summer-1", {2024, 1, 1}, true, {2024, 7, 24}},
      {kKorea, "chuseok", {2024, 12, 31}, false, {2024, 9, 17}},
  };
  for (const Case& c : cases) {
    Session s(c.country, Language::kEnglish);
    s.rules.SetSearchTarget(kTargetFestival);
    s.rules.SetSearchFestival(c.id);
    s.rules.SetSearchNext(c.next);
    s.At(c.from[0], c.from[1], c.from[2]);
    SearchRules search(s.rules);
    ASSERT_EQ(search.Search().outcome, SearchOutcome::kFound) << c.id;
    EXPECT_EQ(s.rules.currentAjd(),
              NoonOfDay(JdnOfCeDate(c.found[0], c.found[1], c.found[2]), s.reckoner.ReferenceDegrees()))
        << c.id << " from " << c.from[0] << "-" << c.from[1] << "-" << c.from[2];
  }
}

// Without a table the search says so and the instant stays.
TEST(FestivalSearch, NoTableFindsNothing) {
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  rules.SetSearchTarget(kTargetFestival);
  rules.SetCurrentAjd(2460000.0);
  SearchRules search(rules);
  const SearchResult result = search.Search();
  EXPECT_EQ(result.outcome, SearchOutcome::kFailed);
  ASSERT_TRUE(result.refusal);
  EXPECT_EQ(result.refusal->text, kNoFestivalText);
  EXPECT_EQ(rules.currentAjd(), 2460000.0);
}

}  // namespace
}  // namespace mirvo
