// The saved state: its 79 lines, what a short or damaged file restores, and the save and restore
// sequences over files and a settings store in memory.
#include "features/state/StateFile.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/chinese/Reckoner.h"
#include "features/session/MainRules.h"
#include "features/state/SavedState.h"
#include "features/tables/Limits.h"
#include "tests/support/Lines.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

// A state unlike the defaults in every line.
StateRecord Unusual() {
  StateRecord s;
  s.ajd = 2456965.6666666665;
  s.calendar = kCalVMCCCT;
  s.plus = false;
  s.settings.moveForward = false;
  s.settings.searchNext = false;
  s.settings.moveStep = 15;
  s.settings.searchTarget = 21;
  s.settings.refreshPeriod = 3;
  s.settings.sunMethod = kMeanSun;
  s.settings.epoch = Epoch::kYounger;
  s.log.verbose = false;
  s.log.chs = s.log.lunation = s.log.viewLogWhenAdd = true;
  s.settings.showVmc = false;
  s.settings.showCjds = s.settings.autoLog = true;
  s.settings.zoneLabels[0] = "Zone one";
  s.settings.zoneLabels[45] = "";
  s.settings.multipleElement = {0, 2, 5};
  s.settings.multipleAnimal = {12, 1, 11};
  return s;
}

std::string Join(const std::vector<std::string>& lines, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

TEST(StateFile, LinesAndRoundTrip) {
  const StateRecord saved = Unusual();
  const std::string text = StateFileText(saved);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 79u);
  for (const std::string& line : lines) EXPECT_EQ(line.back(), '\r');
  EXPECT_EQ(lines[0], "2456965.6666666665\r");
  EXPECT_EQ(lines[1], "8\r");
  EXPECT_EQ(lines[2], "0\r");  // back
  EXPECT_EQ(lines[9], "-2636\r");
  EXPECT_EQ(lines[10], "0\r");  // not expanded
  EXPECT_EQ(lines[12], "1\r");  // view the log after adding
  EXPECT_EQ(lines[26], "\"Zone one\"\r");
  EXPECT_EQ(lines[27], "\"L01\"\r");
  EXPECT_EQ(lines[46], "\"CCT\"\r");
  EXPECT_EQ(lines[71], "\"\"\r");
  EXPECT_EQ(lines[72], "20\r");
  EXPECT_EQ(lines[78], "11\r");

  StateRecord read;
  ASSERT_TRUE(ReadStateText(text, read));
  EXPECT_EQ(read, saved);
  EXPECT_EQ(StateFileText(read), text);
}

// A file that ends early keeps what its lines held and leaves the rest.
TEST(StateFile, ShortFilesRestoreTheirLines) {
  const StateRecord saved = Unusual();
  const auto lines = Lines(StateFileText(saved));
  const StateRecord before;
  struct Case {
    size_t lines;
    std::function<bool(const StateRecord&)> restored, untouched;
  };
  const Case cases[] = {
      {1, [](auto& s) { return s.ajd == 2456965.6666666665; },
       [&](auto& s) { return s.calendar == before.calendar; }},
      {10, [](auto& s) { return s.settings.epoch == Epoch::kYounger; },
       [&](auto& s) { return s.log == before.log; }},
      {23, [&](auto& s) { return s.log == saved.log; }, [](auto& s) { return s.settings.showVmc; }},
      {40,
       [](auto& s) { return s.settings.zoneLabels[13] == "L13" && s.settings.zoneLabels[0] == "Zone one"; },
       [](auto& s) { return s.settings.zoneLabels[45] == "L45"; }},
      {78, [](auto& s) { return s.settings.multipleAnimal[1] == 1; },
       [](auto& s) { return s.settings.multipleAnimal[2] == kNoAnimalEntry; }},
  };
  for (const Case& c : cases) {
    StateRecord read = before;
    EXPECT_FALSE(ReadStateText(Join(lines, c.lines), read)) << c.lines;
    EXPECT_TRUE(c.restored(read)) << c.lines;
    EXPECT_TRUE(c.untouched(read)) << c.lines;
  }
}

// A value that does not fit its line ends the read there.
TEST(StateFile, ValuesThatDoNotFitEndTheRead) {
  const auto lines = Lines(StateFileText(Unusual()));
  const struct {
    size_t line;
    const char* value;
  } cases[] = {
      {2, "9"},      {2, "-1"}, {3, "yes"},    {6, "16"},  {6, "6.5"}, {7, "22"}, {8, "4"},   {9, "2"},
      {10, "99999"}, {11, "2"}, {11, "\"x\""}, {25, "-1"}, {73, "46"}, {74, "6"}, {75, "13"}, {79, "\"\""},
  };
  for (const auto& c : cases) {
    auto damaged = lines;
    damaged[c.line - 1] = std::string(c.value) + "\r";
    StateRecord read;
    EXPECT_FALSE(ReadStateText(Join(damaged, damaged.size()), read)) << c.line << ": " << c.value;
  }
  // Numbers written by hand: blanks around them, quotes around the check boxes, "-1" for true.
  auto edited = lines;
  edited[2] = " 5 \r";
  edited[10] = "\"1\"\r";
  edited[26] = "\"A \"B\" C\"";  // no CR LF: a file edited elsewhere
  StateRecord read;
  ASSERT_TRUE(ReadStateText(Join(edited, edited.size()), read));
  EXPECT_TRUE(read.settings.moveForward);
  EXPECT_TRUE(read.log.verbose);
  EXPECT_EQ(read.settings.zoneLabels[0], "A \"B\" C");
}

// Every instant a step reaches from within the admitted range is read back; one beyond that, or
// no finite number, leaves the instant the reader was given, and every other line is read.
TEST(StateFile, AnInstantBeyondReachLeavesTheOtherLinesRead) {
  const StateRecord saved = Unusual();
  auto lines = Lines(StateFileText(saved));
  constexpr double kGiven = 2460000.5;
  const std::pair<const char*, double> cases[] = {{"2816788.1", 2816788.1},
                                                  {"625332.9", 625332.9},
                                                  {"2853313", kMaxReachableAjd},
                                                  {"588808", kMinReachableAjd},
                                                  {"2853313.01", kGiven},
                                                  {"588807.99", kGiven},
                                                  {"NaN", kGiven},
                                                  {"nan", kGiven},
                                                  {"inf", kGiven},
                                                  {"1e300", kGiven},
                                                  {"-5e9", kGiven},
                                                  {"2,456,965.5", kGiven},
                                                  {"day", kGiven},
                                                  {"", kGiven}};
  for (const auto& [value, expected] : cases) {
    lines[0] = std::string(value) + "\r";
    StateRecord read;
    read.ajd = kGiven;
    EXPECT_TRUE(ReadStateText(Join(lines, lines.size()), read)) << value;
    EXPECT_EQ(read.ajd, expected) << value;
    read.ajd = saved.ajd;
    EXPECT_EQ(read, saved) << value;
  }
}

TEST(StateFile, TheCountryDecidesTheMeridian) {
  StateRecord saved = Unusual();
  saved.settings.longitude = 116;
  const std::string text = StateFileText(saved);
  StateRecord read;
  read.settings.country = kJapan;
  ASSERT_TRUE(ReadStateText(text, read));
  EXPECT_EQ(read.settings.longitude, 135);
  EXPECT_EQ(read.settings.country, kJapan);
  // Without a chosen country the stored meridian picks one.
  for (auto [longitude, country] : {std::pair{116, kChina}, {105, kVietnam}, {135, kJapan}}) {
    saved.settings.longitude = longitude;
    StateRecord free;
    ASSERT_TRUE(ReadStateText(StateFileText(saved), free, false));
    EXPECT_EQ(free.settings.longitude, longitude);
    EXPECT_EQ(free.settings.country, country);
  }
}

TEST(StateFile, RubbishIsNotRead) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  const std::string huge(10 << 20, '7');
  for (const std::string& text :
       {std::string(), binary, huge, std::string("\r\n\r\n"), std::string(79, '\n')}) {
    StateRecord read;
    EXPECT_FALSE(ReadStateText(text, read));
    EXPECT_EQ(read, StateRecord{});
  }
}

// Start-up keeps what a short file held; the button takes only a whole file, and neither asks nor
// says anything when it cannot; without a folder a save fails aloud.
TEST(SavedState, ShortFilesAndMissingFolders) {
  MemoryTextFiles files;
  MemorySettingsStore store;
  RecordingMessages messages;
  const StateRecord saved = Unusual();
  files.files["/d/mirvo.usr"] = Join(Lines(StateFileText(saved)), 40);
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  LogPreferences log;
  SavedState state(rules, log, {&files, &store, &messages, "/d/mirvo.usr"});
  EXPECT_FALSE(state.Restore());
  EXPECT_EQ(rules.settings().epoch, Epoch::kOlder);
  EXPECT_FALSE(state.ReadAtStartUp());
  EXPECT_EQ(reckoner.Epoch(), Epoch::kYounger);
  EXPECT_EQ(reckoner.SunMethod(), kMeanSun);
  EXPECT_EQ(log, saved.log);
  EXPECT_EQ(rules.settings().zoneLabels[0], "Zone one");
  EXPECT_TRUE(messages.shown.empty());

  SavedState nowhere(rules, log, {&files, &store, &messages, ""});
  EXPECT_FALSE(nowhere.Save());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Save state");
  EXPECT_EQ(messages.shown[0].text.rfind("Error when attempting to save the state: ", 0), 0u);
}

}  // namespace
}  // namespace mirvo
