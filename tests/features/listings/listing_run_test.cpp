// The run of a listing a slice at a time: the time budget of a slice, a stop, and the end of a
// list whose header names a setting that has changed.
#include "features/listings/ListingRun.h"

#include <gtest/gtest.h>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

// Steps that take 10 ms each on a clock of the test's own.
struct TimedSteps : Listing {
  ListingRun::Clock::time_point* clock;
  int steps = 0, limit;
  TimedSteps(ListingRun::Clock::time_point* c, int n) : clock(c), limit(n) {}
  bool Start(ListingOutput& out) override {
    out.Append("head\n");
    return true;
  }
  bool Step(ListingOutput& out) override {
    *clock += std::chrono::milliseconds(10);
    out.Append(std::to_string(++steps) + "\n");
    if (steps == 7) out.Message("", "seventh", MessageIcon::kNone);
    return steps < limit;
  }
  std::optional<int32_t> YearReached() const override { return 1999 + steps; }
};

TEST(ListingRun, ASliceTakesItsBudgetAndStopsAtAMessage) {
  Reckoner r;
  ListingRun::Clock::time_point now{};
  ListingRun run(r, [&] { return now; });
  auto steps = std::make_unique<TimedSteps>(&now, 12);
  TimedSteps& listing = *steps;
  ASSERT_TRUE(run.Start(std::move(steps), kModeNewYears));
  EXPECT_EQ(run.TakeText(), "head\n");
  const struct {
    int budgetMs, stepsAfter;
    bool more;
  } slices[] = {
      {40, 4, true},   // four steps of 10 ms
      {0, 5, true},    // at least one
      {100, 7, true},  // the seventh queues a message: the window shows it before going on
      {100, 12, false},
  };
  ListingRun::Message message;
  for (const auto& s : slices) {
    EXPECT_EQ(run.Step(std::chrono::milliseconds(s.budgetMs)), s.more);
    if (s.more) {
      EXPECT_EQ(listing.steps, s.stepsAfter);
    }
    EXPECT_EQ(run.TakeMessage(message), s.stepsAfter == 7);
  }
  EXPECT_EQ(message.text, "seventh");
  EXPECT_FALSE(run.running());
  EXPECT_EQ(Lines(run.TakeText()).back(), "12");  // ran to its end: no closing line
}

// A stop, or a change of any setting the header names, ends the list at the next slice with a
// line that says where and why; what was listed until then stays for "Save as iCalendar…".
TEST(ListingRun, StopAndChangedSettingsEndTheListWithTheirLine) {
  const struct {
    void (*change)(Reckoner&, ListingRun&);
    const char* why;
  } cases[] = {
      {[](Reckoner&, ListingRun& run) { run.Stop(); }, "stopped by the user"},
      {[](Reckoner& r, ListingRun&) { r.SetCountry(kVietnam); }, "the country was changed"},
      {[](Reckoner& r, ListingRun&) { r.SetReferenceLongitude(105); }, "the reference longitude was changed"},
      {[](Reckoner& r, ListingRun&) { r.SetEpoch(Epoch::kYounger); }, "the epoch was changed"},
      {[](Reckoner& r, ListingRun&) { r.SetSunMethod(kMeanSun); }, "the solar-term method was changed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Reckoner r;
    ListingRun run(r);
    ListingOptions options;
    options.years = kMaxListYears;
    ASSERT_TRUE(
        run.Start(MakeList(kModeMonths, r, InputsOf(r, JdnOfCeDate(2024, 6, 1)), options), kModeMonths));
    ASSERT_TRUE(run.Step(std::chrono::milliseconds(0)));  // the first year, -2975
    ASSERT_TRUE(run.Step(std::chrono::milliseconds(0)));
    c.change(r, run);
    EXPECT_FALSE(run.Step(std::chrono::milliseconds(40)));
    EXPECT_FALSE(run.running());
    const auto lines = Lines(run.TakeText());
    EXPECT_NE(lines.back().find(c.why), std::string::npos) << lines.back();
    EXPECT_NE(lines.back().find("after the year -2974"), std::string::npos) << lines.back();
    // 25 months in two lunar years, under the settings of the header.
    EXPECT_EQ(run.listed().months.size(), lines.size() - 3 - 1);
    EXPECT_EQ(run.listed().longitude, 120);
  }
}

// A list started in one language and switched to another while it runs: the header stays as
// written, the lines to come and the closing line are in the new language.
TEST(ListingRun, ARunningListGoesOnInTheNewLanguage) {
  Reckoner r;
  ListingRun run(r);
  ListingOptions options;
  options.years = kMaxListYears;
  ListingInputs inputs = InputsOf(r, JdnOfCeDate(2024, 6, 1));
  inputs.language = Language::kJapanese;
  ASSERT_TRUE(run.Start(MakeList(kModeMonths, r, inputs, options), kModeMonths));
  ASSERT_TRUE(run.Step(std::chrono::milliseconds(0)));
  EXPECT_EQ(Lines(run.TakeText()).front(), "各月の朔日と対応する西暦の日付・ユリウス日");
  run.SetLanguage(Language::kVietnamese);
  run.Stop();
  EXPECT_FALSE(run.Step(std::chrono::milliseconds(0)));
  EXPECT_EQ(Lines(run.TakeText()).back(), "Người dùng đã dừng danh sách sau năm -2975.");
}

// The closing lines in each language, for a stop and for a changed setting.
TEST(ListingRun, ClosingLinesInEachLanguage) {
  const struct {
    std::optional<int32_t> year;
    ListChange change;
    Language language;
    const char* line;
  } cases[] = {
      {2030, ListChange::kNone, Language::kSimplifiedChinese, "用户在2030年之后停止了列表。\n"},
      {std::nullopt, ListChange::kNone, Language::kKorean, "사용자가 첫 해 이전에 목록을 중지했습니다.\n"},
      {-12, ListChange::kEpoch, Language::kTraditionalChinese, "列表在-12年之後結束：紀元已更改。\n"},
      {std::nullopt, ListChange::kHistory, Language::kJapanese,
       "一覧は最初の年の前で終了：暦法の沿革の設定が変更された。\n"},
      {2030, ListChange::kCountry, Language::kEnglish,
       "List ended after the year 2030: the country was changed.\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(EndedEarlyLine(c.year, c.change, c.language), c.line);
  EXPECT_EQ(RangeEndLine(Language::kVietnamese), "Danh sách dừng ở 3000-01-01 CE, cuối phạm vi cho phép.\n");
}

}  // namespace
}  // namespace mirvo
