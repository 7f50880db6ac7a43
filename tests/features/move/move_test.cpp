#include "features/move/MoveRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/tables/Limits.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

// The instant of a CE date at a time of day in GMT.
double At(int year, int month, int day, double hoursGmt) {
  return JdnOfCeDate(year, month, day) - 0.5 + hoursGmt / 24;
}

class MoveTest : public ::testing::Test {
 protected:
  // A run (or a single move) of a step from an instant.
  void Prepare(double ajd, int step, bool forward = true, bool repeatedly = true) {
    rules_.SetCurrentAjd(ajd);
    rules_.SetMoveStep(step);
    rules_.SetMoveForward(forward);
    rules_.SetRepeatedly(repeatedly);
    rules_.entry().calendar = kCalCHL;
    messages_.shown.clear();
  }
  std::string Row(RowId row) const { return rules_.display().Row(row).value; }
  bool Starts(RowId row, const std::string& prefix) const { return Row(row).rfind(prefix, 0) == 0; }
  const RecordingMessages::Shown& Last() const { return messages_.shown.back(); }

  Reckoner reckoner_;
  RecordingMessages messages_;
  MainRules rules_{reckoner_, &messages_, nullptr};
  MoveRules move_{rules_};
};

// Each step keeps the time of day on its own clock: London for the European steps, the reference
// meridian (120 degrees east, 8 hours ahead) for the lunar, solar and Vellomir steps.
TEST_F(MoveTest, StepsKeepTheTimeOfDayOnTheirClock) {
  struct Case {
    const char* what;
    double start;
    int step;
    bool forward;
    RowId row;
    const char* expected;
    int calendar;
  };
  const Case cases[] = {
      {"31 January + 1 month", At(2023, 1, 31, 23.5), kStepCeMonth, true, RowId::kCe,
       "2023-02-28 CE 23:30 GMT", kCalCE},
      {"31 March - 1 month", At(2024, 3, 31, 10), kStepCeMonth, false, RowId::kCe, "2024-02-29 CE 10:00 GMT",
       kCalCE},
      {"29 February + 1 year", At(2024, 2, 29, 6), kStepCeYear, true, RowId::kCe, "2025-02-28 CE 06:00 GMT",
       kCalCE},
      {"2100 is no leap year", At(2000, 2, 29, 18), kStepCeCentury, true, RowId::kCe,
       "2100-02-28 CE 18:00 GMT", kCalCE},
      {"80 Julian years", At(2000, 1, 1, 12), kStepJcEighty, true, RowId::kJc, "2079-12-19 JC 12:00 GMT",
       kCalJC},
      {"minute over midnight", At(2023, 1, 31, 23 + 59.0 / 60), kStepMinute, true, RowId::kCe,
       "2023-02-01 CE 00:00 GMT", kCalCHL},
      // 20:00 GMT is 04:00 of the next day at the reference meridian.
      {"lunar month", At(2023, 2, 19, 20), kStepChlMonth, true, RowId::kCe, "2023-03-21 CE 20:00 GMT",
       kCalCHL},
      {"lunar month back", At(2023, 3, 21, 20), kStepChlMonth, false, RowId::kChl,
       "79-40-02-01 CHL 04:00 CCT", kCalCHL},
      {"solar term", At(2024, 1, 5, 20), kStepChsTerm, true, RowId::kChs, "79-41-03-01 CHS (Z12) 04:00",
       kCalCHS},
      {"Vellomir month", At(2023, 2, 19, 20), kStepVmcMonth, true, RowId::kVmcReference,
       "4720-03-01 VMC 04:00 CCT", kCalVMCCCT},
  };
  for (const auto& c : cases) {
    Prepare(c.start, c.step, c.forward, false);
    ASSERT_EQ(move_.Begin(), std::nullopt) << c.what;
    const MoveTick tick = move_.Advance();
    EXPECT_TRUE(tick.moved && tick.ended) << c.what;
    EXPECT_TRUE(Starts(c.row, c.expected)) << c.what << ": " << Row(c.row);
    EXPECT_EQ(rules_.entry().calendar, c.calendar) << c.what;
    EXPECT_TRUE(messages_.shown.empty()) << c.what << ": " << Last().text;
  }
}

// Day 30 comes back in every 30-day month with "keep 30th"; without it the day stays 29 after
// the first 29-day month. Lengths of 2023's months 2*..12 and 2024's month 1 from
// tests/data/china_months_1901_2100.csv: 29 29 30 30 29 30 30 29 30 29 30 29.
TEST_F(MoveTest, RepeatedLunarMonthsFromDayThirty) {
  const std::vector<int> kept{29, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30, 29};
  const double start = At(2023, 3, 21, 4);  // 79-40-02-30 CHL
  for (bool keep : {true, false}) {
    Prepare(start, kStepChlMonth);
    rules_.SetKeep30th(keep);
    ASSERT_EQ(rules_.display().chl.day, 30);
    EXPECT_TRUE(move_.Keep30thOffered());
    ASSERT_EQ(move_.Begin(), std::nullopt);
    for (size_t i = 0; i < kept.size(); ++i) {
      ASSERT_FALSE(move_.Advance().ended);
      EXPECT_EQ(rules_.display().chl.day, keep ? kept[i] : 29) << (keep ? "kept, " : "") << "step " << i + 1;
    }
    move_.End();
  }
  // A single Move never offers the box, so a tick left in it from an earlier run counts for nothing.
  Prepare(start, kStepChlMonth, true, false);
  EXPECT_FALSE(move_.Keep30thOffered());
}

// From 2023's leap month 2*, year by year: the ordinary month 2 in the years without that leap
// month; with "keep leap", back into 2* in 2042, the next year with a leap month 2
// (tests/data/china_months_1901_2100.csv: 2042-03-22, and month 2 from 2042-02-20).
TEST_F(MoveTest, RepeatedLunarYearsFromALeapMonth) {
  for (bool keep : {true, false}) {
    Prepare(At(2023, 3, 31, 4), kStepChlYear);  // 79-40-2*-10 CHL
    rules_.SetKeepLeap(keep);
    ASSERT_EQ(rules_.display().chl.leap, 1);
    EXPECT_TRUE(move_.KeepLeapOffered());
    ASSERT_EQ(move_.Begin(), std::nullopt);
    for (int year = 2024; year <= 2042; ++year) {
      ASSERT_FALSE(move_.Advance().ended);
      const ChlDate& chl = rules_.display().chl;
      EXPECT_EQ(chl.month, 2);
      EXPECT_EQ(chl.day, 10);
      EXPECT_EQ(chl.leap, keep && year == 2042 ? 1 : 0) << year;
    }
    EXPECT_TRUE(Starts(RowId::kCe, keep ? "2042-03-31 CE" : "2042-03-01 CE")) << Row(RowId::kCe);
    move_.End();
  }
  Prepare(At(2023, 3, 31, 4), kStepChlMonth);
  EXPECT_FALSE(move_.KeepLeapOffered()) << "only the year and cycle steps can leave a leap month";
}

// The year or cycle of the date before the step decides; the step that reaches the last year is
// still made. Cycle 0 holds -2756..-2697 CE, cycle 96 begins in 3004 (epoch -2696).
TEST_F(MoveTest, CycleAndYearLimitsStopBeforeTheStep) {
  struct Case {
    double start;
    int step;
    bool forward;
    const char* message;
  };
  const char* kLatest = "Latest admissible date reached.";
  const char* kEarliest = "Earliest admissible date reached.";
  const Case cases[] = {
      {At(3000, 1, 1, 6), kStepCeYear, true, kLatest},
      {At(2999, 6, 1, 12), kStepCeYear, true, nullptr},
      {At(-3000, 6, 1, 12), kStepCeMonth, false, kEarliest},
      {At(3010, 6, 1, 12), kStepChlMonth, true, kLatest},
      {At(3010, 6, 1, 12), kStepChsTerm, false, nullptr},
      {At(3000, 1, 1, 6), kStepChlCycle, true, nullptr},
      {At(-2720, 6, 1, 12), kStepChsYear, false, kEarliest},
      {At(-2720, 6, 1, 12), kStepChlYear, true, nullptr},
  };
  for (const auto& c : cases) {
    Prepare(c.start, c.step, c.forward, false);
    const StepResult result = move_.Step(c.step, c.forward, {});
    EXPECT_EQ(result.outcome, c.message ? StepOutcome::kStopped : StepOutcome::kMoved)
        << c.start << " step " << c.step;
    if (!c.message) continue;
    EXPECT_DOUBLE_EQ(rules_.currentAjd(), c.start);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(Last().text == c.message && Last().title == kOutOfRangeTitle &&
                Last().icon == MessageIcon::kNone);
    EXPECT_EQ(result.refusal, (Refusal{kOutOfRangeTitle, c.message, MessageIcon::kNone}));
  }
}

// Beyond the years the lunar and solar calendars are computed for, no date is shown and none can
// be stepped; a failed cycle step ends without a redraw.
TEST_F(MoveTest, NoShownDateNoStep) {
  struct Case {
    int step;
    StepOutcome outcome;
    const char* title;
    const char* message;
  };
  const Case cases[] = {
      {kStepChlMonth, StepOutcome::kFailed, "", "Lunar date is invalid."},
      {kStepChlCycle, StepOutcome::kStopped, kInvalidTitle, "Lunar date is invalid."},
      {kStepChsCycle, StepOutcome::kStopped, "", "Solar date is invalid."},
  };
  const double beyond = Reckoner::kMaxChineseDay + 10.0;
  for (const auto& c : cases) {
    Prepare(beyond, c.step, true, false);
    ASSERT_NE(rules_.display().chl.valid, 1);
    const StepResult result = move_.Step(c.step, true, {});
    EXPECT_EQ(result.outcome, c.outcome) << c.step;
    EXPECT_EQ(rules_.currentAjd(), beyond);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(Last().title == c.title && Last().text == c.message && Last().icon == MessageIcon::kNone)
        << c.step;
    EXPECT_EQ(result.refusal, (Refusal{c.title, c.message, MessageIcon::kNone})) << c.step;
  }
}

// A date typed within 0.0007 day of the instant is the instant shown: the step starts from the
// instant itself. The lunar step starts from the typed date, not from the date shown before it.
TEST_F(MoveTest, TypedDateBeforeTheStep) {
  struct Case {
    double start;
    const char* date;
    const char* time;
    int step;
    double after;
  };
  const double noon = At(2000, 1, 1, 12);
  const Case cases[] = {
      {noon + 0.0006, "2000-01-01 CE", "12:00", kStepMinute, noon + 0.0006 + 1.0 / 1440},
      {noon - 300, "2000-01-01 CE", "12:00", kStepChlMonth, At(2000, 1, 31, 12)},
  };
  for (const auto& c : cases) {
    Prepare(c.start, c.step, true, false);
    rules_.entry().date = c.date;
    rules_.entry().time = c.time;
    rules_.entry().timeZone = kTimeZoneGmt;
    ASSERT_EQ(move_.Begin(), std::nullopt);
    move_.Advance();
    EXPECT_NEAR(rules_.currentAjd(), c.after, 1e-9) << c.date << " from " << c.start;
    EXPECT_EQ(rules_.entry().date, "");
  }
}

// "one day" refuses to leave the admitted range; a repeated run stops after the step that left it,
// which stays shown.
TEST_F(MoveTest, EndsOfTheAdmittedRange) {
  for (bool forward : {true, false}) {
    const double start = forward ? kMaxAjd - 0.5 : kMinAjd + 0.5;
    Prepare(start, kStepDay, forward);
    const std::optional<Refusal> refusal = move_.OneDay();
    EXPECT_FALSE(rules_.settings().repeatedly);
    EXPECT_EQ(rules_.currentAjd(), start);
    EXPECT_EQ(Last().text, forward ? "Latest date reached." : "Earliest date reached.");
    EXPECT_TRUE(Last().title == kOutOfRangeTitle && Last().icon == MessageIcon::kWarning);
    EXPECT_EQ(refusal, (Refusal{Last().title, Last().text, Last().icon}));
  }

  Prepare(kMaxAjd - 1.5, kStepDay);
  ASSERT_EQ(move_.Begin(), std::nullopt);
  const MoveTick first = move_.Advance();
  EXPECT_TRUE(first.moved && !first.ended && messages_.shown.empty());
  const MoveTick last = move_.Advance();
  EXPECT_TRUE(last.moved && last.ended);
  EXPECT_EQ(rules_.currentAjd(), kMaxAjd + 0.5);
  EXPECT_EQ(rules_.display().ajd, rules_.currentAjd());
  EXPECT_TRUE(Last().text == "Latest date exceeded." && Last().icon == MessageIcon::kWarning);
  EXPECT_EQ(last.refusal, (Refusal{Last().title, Last().text, Last().icon}));
  EXPECT_EQ(move_.state(), RunState::kIdle);
}

// A single step may leave the admitted range, but none goes further than the saved state reads back.
TEST_F(MoveTest, NoStepFromWithinTheRangeGoesBeyondReach) {
  for (int step = 0; step < kMoveStepCount; ++step) {
    for (double start : {kMaxAjd, At(2999, 12, 31, 23.9), kMinAjd, At(-2999, 1, 1, 0)}) {
      Prepare(start, step, start > kMaxAjd - 1, false);  // forward from the end, back from the start
      move_.Step(step, rules_.settings().moveForward, {});
      EXPECT_TRUE(rules_.currentAjd() >= kMinReachableAjd && rules_.currentAjd() <= kMaxReachableAjd)
          << MoveStepName(step) << " from " << start;
    }
  }
}

// The log switches "repeatedly" off when it cannot keep an entry: the step shown stays, the run ends.
TEST_F(MoveTest, ARunEndsOnceRepeatedlyIsSwitchedOff) {
  Prepare(At(2024, 2, 10, 4), kStepDay);
  ASSERT_EQ(move_.Begin(), std::nullopt);
  EXPECT_FALSE(move_.Advance().ended);
  rules_.StopRepeating();
  const MoveTick tick = move_.Advance();
  EXPECT_TRUE(tick.moved && tick.ended);
  EXPECT_EQ(rules_.currentAjd(), At(2024, 2, 12, 4));
  EXPECT_EQ(move_.state(), RunState::kIdle);
}

}  // namespace
}  // namespace mirvo
