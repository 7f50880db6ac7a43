// Log entries and automatic headings for the lunar date 79-31-9*-12 CHL (2014-11-04, leap ninth
// month), built from the main rules' records as the log window gets them.
#include "features/log/LogEntry.h"

#include <gtest/gtest.h>

#include "core/chinese/Reckoner.h"
#include "features/festivals/FestivalCalendar.h"
#include "features/search/SearchRules.h"
#include "features/session/MainRules.h"

namespace mirvo {
namespace {

class LogEntryTest : public ::testing::Test {
 protected:
  void SetUp() override { ShowDate("79-31-9*-12 CHL"); }
  void ShowDate(const std::string& date) {
    rules_.SetCurrentAjd(2451545.0);
    rules_.entry().date = date;
    const ConvertResult result = rules_.Convert();
    ASSERT_EQ(result.outcome, ConvertOutcome::kConverted) << (result.refusal ? result.refusal->text : "");
  }
  LogSources Sources() { return {rules_.display(), rules_.settings(), rules_.entry(), reckoner_}; }
  std::string Entry(std::string_view list) {
    const auto preferences = ParseLogPreferenceList(list);
    EXPECT_TRUE(preferences) << list;
    return LogEntryText(Sources(), preferences.value_or(LogPreferences{})).text;
  }
  Reckoner reckoner_;
  MainRules rules_{reckoner_, nullptr, nullptr};
};

TEST_F(LogEntryTest, EntriesByPreferenceGroup) {
  const std::string chl = "79-31-9*-12 CHL 12:00 CCT\n";
  const std::string chlSentence =
      "= the 12th day (earth-rabbit) of leap month 9* (wood-dog) \n"
      "in the wood-horse year (nian) at position 31 of cycle 79 (year 4711).\n";
  const std::string ce = "2014-11-04 CE 04:00 GMT\n";
  const std::string ceSentence =
      "= the 4th day of November in the year 2014 in the Common Era Calendar, a Tuesday.\n";
  const std::string phase = "Gibbous moon (waxing), 90.3%";
  const std::string separator = "--------------------\n";
  const struct {
    const char* preferences;
    std::string entry;
  } cases[] = {
      // Plain entries: one line a reckoning, no separators.
      {"chl,ce,phase", chl + ce + phase + "\n\n"},
      {"chs,chl,cjdc,epoch,ce,jc,cjdl,ajd,phase,age",
       "79-31-21-13 CHS 12:00 CCT\n" + chl + "2,456,966.5000 CJDC\n" +
           "Epoch = -2696, method = true sun, longitude = 120º E, China.\n" + ce +
           "2014-10-22 JC 04:00 GMT\n" + "2,456,966.1667 CJDL\n2,456,965.6667 AJD\n" + phase +
           "\nLunation 183, age of Moon = 11 days, 6 hrs, 3 mins (38.0%)\n\n"},
      // Expanded: sentences, and a separator between each two groups that are both present.
      {"verbose,chl,ce,phase",
       chl + chlSentence + separator + ce + ceSentence + separator + phase + " illumination\n\n"},
      {"verbose,ganzhi,chs,chl",
       "79-31-21-13 CHS 12:00 CCT\n= the 13th day of solar term 21 (Z9, Descent of frost, Shuang jian)\n"
       "in the year (sui) at position 31 of cycle 79.\n" +
           chl +
           "= the 12th day (earth-rabbit ji-mao) of leap month 9* (wood-dog jia-xu) \n"
           "in the wood-horse jia-wu year (nian) at position 31 of cycle 79 (year 4711).\n\n"},
      {"verbose,ganzhi,cjdc,epoch,ajd",
       "2,456,966.5000 CJDC (chronological Julian date, longitude  120º E, China)\n"
       "Epoch = -2696, method = true sun, longitude = 120º E, China.\n" +
           separator + "2,456,965.6667 AJD (astronomical Julian date)\n\n"},
      {"verbose,jc,cjdl,age",
       "2014-10-22 JC 04:00 GMT\n= the 22nd day of October in the year 2014 in the Julian Calendar, a "
       "Tuesday.\n"
       "2,456,966.1667 CJDL (chronological Julian date, London)\n" +
           separator + "Lunation 183, age of Moon = 11 days, 6 hrs, 3 mins (38.0% of lunation)\n\n"},
      // Chinese terms only in expanded entries; the epoch line only with a Chinese reckoning.
      {"ganzhi,chs,epoch,ce",
       "79-31-21-13 CHS 12:00 CCT\nEpoch = -2696, method = true sun, longitude = 120º E, China.\n" + ce +
           "\n"},
      {"verbose,epoch,ce", ce + ceSentence + "\n"},
      {"", "\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Entry(c.preferences), c.entry) << c.preferences;
}

TEST_F(LogEntryTest, EntriesFollowTheCountryAndTheEpoch) {
  rules_.ChooseCountry(kJapan);
  rules_.ChooseEpoch(Epoch::kYounger);
  rules_.ChooseSunMethod(kMeanSun);
  rules_.DisplayDatesAndTimes();
  EXPECT_EQ(Entry("verbose,cjdc,epoch"),
            "2,456,966.5417 CJDC (chronological Julian date, longitude  135º E, Japan)\n"
            "Epoch = -2636, method = mean sun, longitude = 135º E, Japan.\n\n");
}

TEST_F(LogEntryTest, AutomaticHeadings) {
  MainSettings settings = rules_.settings();
  EntryModel entry = rules_.entry();
  struct Case {
    LogAction action;
    std::function<void()> set;
    std::string heading;
  };
  const Case cases[] = {
      {kLogNow, [] {}, "Now"},
      {kLogConvert, [&] { entry.plusMinus = ""; }, ""},
      {kLogConvert, [&] { entry.plusMinus = " 100 "; }, "Plus 100 days"},
      {kLogConvert, [&] { entry.plusMinus = "1"; }, "Plus 1 day"},
      {kLogConvert, [&] { entry.plusMinus = "+1.0"; }, "Plus +1.0 day"},
      {kLogConvert,
       [&] {
         entry.plusMinus = "1,000";
         entry.plus = false;
       },
       "Minus 1,000 days"},
      {kLogConvert, [&] { entry.plusMinus = "0.5"; }, "Minus 0.5 days"},
      {kLogMove, [] {}, "Move forward 1 CHL month"},
      {kLogMove,
       [&] {
         settings.moveStep = 0;
         settings.moveForward = false;
       },
       "Move back 1 minute"},
      {kLogMove,
       [&] {
         settings.moveStep = 14;
         settings.country = kJapan;
       },
       "Move back 1 VMC month (JST)"},
      {kLogOneDay, [] {}, "Move back one day"},
      {kLogOneDay, [&] { settings.moveForward = true; }, "Move forward one day "},
      {kLogSearch, [] {}, "Search for next full moon"},
      {kLogSearch,
       [&] {
         settings.searchNext = false;
         settings.searchTarget = 13;
       },
       "Search for previous solstice/equinox + dark moon"},
      {kLogSearch,
       [&] {
         settings.searchTarget = 15;
         entry.element = 1;
         entry.animal = 10;
       },
       "Search for previous fire-dog (bing-xu) day"},
      {kLogSearch,
       [&] {
         settings.searchTarget = 17;
         entry.element = 5;
         entry.animal = 3;
         settings.country = kVietnam;
       },
       "Search for previous -cat (-mao) year"},
      {kLogSearch,
       [&] {
         settings.searchTarget = 20;
         settings.multipleAnimal[1] = 1;
       },
       "Search for previous day in an -ox (-chou) month"},
      {kLogNone, [] {}, ""},
      {static_cast<LogAction>(6), [] {}, ""},
  };
  for (const Case& c : cases) {
    c.set();
    EXPECT_EQ(AutoLogHeading(c.action, {rules_.display(), settings, entry, reckoner_}), c.heading)
        << static_cast<int>(c.action);
  }
}

// In another language the entry's words are that language's; the dates' code notation and the
// numbers stay. The names of the lists in a heading are those the window gives (listName).
TEST_F(LogEntryTest, EntriesAndHeadingsInTheLanguage) {
  LogSources japanese = Sources();
  japanese.language = Language::kJapanese;
  const auto preferences = ParseLogPreferenceList("verbose,cjdc,epoch,ce,cjdl,ajd,age");
  ASSERT_TRUE(preferences);
  EXPECT_EQ(LogEntryText(japanese, *preferences).text,
            "2,456,966.5000 CJDC（暦日ユリウス日、東経120º、中国）\n"
            "紀元 = -2696、方法 = 定気（真太陽）、東経120º、中国。\n"
            "--------------------\n"
            "2014-11-04 CE 04:00 GMT\n= 西暦2014年11月4日（火曜日）、ロンドン\n"
            "2,456,966.1667 CJDL（暦日ユリウス日、ロンドン）\n"
            "--------------------\n"
            "2,456,965.6667 AJD（天文ユリウス日）\n"
            "[朔望月] 月齢：[183] 11日6時間3分（38.0%）\n\n");
  MainSettings settings = rules_.settings();
  EntryModel entry = rules_.entry();
  entry.plusMinus = "100";
  settings.moveForward = true;
  const struct {
    LogAction action;
    Language language;
    const char* heading;
  } cases[] = {
      {kLogNow, Language::kVietnamese, "Bây giờ"},
      {kLogConvert, Language::kSimplifiedChinese, "加100天"},
      {kLogMove, Language::kKorean, "1 <CHL month> 앞으로"},
      {kLogSearch, Language::kJapanese, "次の<Full moon>を検索"},
      {kLogOneDay, Language::kTraditionalChinese, "前進一天"},
  };
  for (const auto& c : cases) {
    LogSources sources{rules_.display(), settings, entry, reckoner_, c.language};
    sources.listName = [](const std::string& name) { return "<" + name + ">"; };
    EXPECT_EQ(AutoLogHeading(c.action, sources), c.heading) << static_cast<int>(c.action);
  }
}

// A festival search's heading names the festival chosen, in the entry's language.
TEST_F(LogEntryTest, FestivalSearchHeadingsNameTheFestival) {
  const FestivalCalendar festivals = FestivalCalendar::Load(MIRVO_TEST_DATA_DIR "/../../data");
  MainSettings settings = rules_.settings();
  settings.searchTarget = kTargetFestival;
  settings.searchFestival = "mid-autumn";
  const struct {
    Language language;
    const char* heading;
  } cases[] = {{Language::kEnglish, "Search for next Mid-Autumn Festival"},
               {Language::kSimplifiedChinese, "查找下一个：中秋节"}};
  for (const auto& c : cases) {
    LogSources sources{rules_.display(), settings, rules_.entry(), reckoner_, c.language};
    sources.festivals = &festivals;
    EXPECT_EQ(AutoLogHeading(kLogSearch, sources), c.heading);
  }
}

TEST_F(LogEntryTest, HeadingsAreUnderlinedInExpandedEntries) {
  LogPreferences expanded;
  LogPreferences plain;
  plain.verbose = false;
  EXPECT_EQ(AutoLogHeadingLines(kLogNow, Sources(), expanded), "Now\n---\n");
  EXPECT_EQ(AutoLogHeadingLines(kLogNow, Sources(), plain), "Now\n");
  // An empty plus/minus box: an empty heading with an empty underline.
  EXPECT_EQ(AutoLogHeadingLines(kLogConvert, Sources(), expanded), "\n\n");
}

TEST(MultipleElementAnimal, DescriptionJoinsTheSetRows) {
  struct Case {
    std::array<int, 3> element, animal;
    Country country;
    const char* text;
  };
  const Case cases[] = {
      {{0, 1, 5}, {0, 1, 12}, kChina, "wood-rat (jia-zi) day in a fire-ox (ding-chou) month"},
      {{5, 5, 5}, {12, 1, 12}, kChina, "day in an -ox (-chou) month"},
      {{5, 5, 2}, {12, 12, 12}, kChina, "day in an earth- (wu-, ji-) year"},
      {{3, 5, 5},
       {12, 3, 7},
       kVietnam,
       "metal- (geng-, xin-) day in a -cat (-mao) month in a -goat (-wei) year"},
      {{5, 5, 5}, {12, 12, 12}, kJapan, "day"},
  };
  for (const Case& c : cases) {
    MainSettings settings;
    settings.country = c.country;
    settings.multipleElement = c.element;
    settings.multipleAnimal = c.animal;
    EXPECT_EQ(MultipleElementAnimalDescription(settings), c.text);
  }
}

TEST_F(LogEntryTest, AdditionsToTheLog) {
  LogPreferences preferences = *ParseLogPreferenceList("chl");
  const std::string entry = "79-31-9*-12 CHL 12:00 CCT\n\n";
  // The caption opens an empty log only.
  EXPECT_EQ(AddToLog("", "Vantrel 1.06", Sources(), preferences).text, "Vantrel 1.06\n\n" + entry);
  EXPECT_EQ(AddToLog("x\n", "Vantrel 1.06", Sources(), preferences).text, entry);
  // Text typed without a line break at the end keeps its line.
  EXPECT_EQ(AddToLog("by hand.", "Vantrel 1.06", Sources(), preferences).text, "\n" + entry);

  // Automatic entries only with "Auto log" ticked and a known kind of action.
  EXPECT_EQ(AutoLog(kLogNow, "x\n", "", Sources(), preferences).text, "");
  rules_.SetAutoLog(true);
  EXPECT_EQ(AutoLog(kLogNow, "x\n\n", "", Sources(), preferences).text, "Now\n" + entry);
  EXPECT_EQ(AutoLog(kLogNow, "by hand.", "", Sources(), preferences).text, "\nNow\n" + entry);
  EXPECT_EQ(AutoLog(kLogNone, "x\n", "", Sources(), preferences).text, "");
  EXPECT_EQ(AutoLog(kLogNow, "", "Vantrel", Sources(), preferences).text, "Vantrel\n\nNow\n" + entry);

  // A failure part-way keeps what was written before it and says why.
  DisplayTexts broken = rules_.display();
  broken.moonError = "Error-2 when calling GetPhase() in DisplayMoonData().";
  const LogSources sources{broken, rules_.settings(), rules_.entry(), reckoner_};
  const LogAddition failed = AddToLog("x\n", "", sources, *ParseLogPreferenceList("chl,phase"));
  EXPECT_EQ(failed.text, "79-31-9*-12 CHL 12:00 CCT\n");
  EXPECT_EQ(failed.error, broken.moonError);
  const LogAddition alone = LogEntryText(sources, *ParseLogPreferenceList("chl,phase"));
  EXPECT_EQ(alone.text, failed.text);
  EXPECT_EQ(alone.error, broken.moonError);
  EXPECT_EQ(AddToLog("x\n", "", Sources(), *ParseLogPreferenceList("chl,phase")).error, std::nullopt);
}

TEST(LogPreferenceList, NamesAndDefaults) {
  EXPECT_EQ(ParseLogPreferenceList("verbose,ganzhi,chl,ce,phase"), DefaultLogPreferences(false));
  const LogPreferences withCjds = DefaultLogPreferences(true);
  EXPECT_TRUE(withCjds.cjdc && withCjds.cjdl && withCjds.ajd);
  EXPECT_FALSE(ParseLogPreferenceList("chl,lunar"));
  EXPECT_FALSE(ParseLogPreferenceList("CHL"));
  const auto all = ParseLogPreferenceList("verbose,ganzhi,chl,chs,cjdc,epoch,ce,jc,cjdl,ajd,phase,age");
  ASSERT_TRUE(all);
  EXPECT_FALSE(all->viewLogWhenAdd);
  EXPECT_TRUE(all->lunation && all->epochEtc && all->includeGanzhi);
}

}  // namespace
}  // namespace mirvo
