// The Move row without the widgets: the sixteen steps, each in the arithmetic of its own calendar,
// "one day", the keep boxes, and the run of a repeated move (running, paused, ended). The window
// paces a run with its clock and calls Advance on every tick; mirvo-cli calls it in a loop. Every
// message is shown through the main rules and carried back in the result, so it can be printed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "features/session/MainRules.h"

namespace mirvo {

// The entries of the move-step list, in list order.
enum MoveStep : int {
  kStepMinute,
  kStepHour,
  kStepDay,
  kStepCeMonth,
  kStepCeYear,
  kStepCeCentury,
  kStepChlMonth,
  kStepChlYear,
  kStepChlCycle,
  kStepChsTerm,
  kStepChsYear,
  kStepChsCycle,
  kStepSixtyDays,
  kStepJcEighty,
  kStepVmcMonth,
  kStepVmcYear,
};
inline constexpr int kMoveStepCount = 16;

// The name of a step on the command line ("chl-month"), and the step of a name (-1 for none).
std::string_view MoveStepName(int step);
int MoveStepOfName(std::string_view name);

// The interval of the run's clock for an entry of the refresh-period list: 500, 1000, 2000 or
// 5000 milliseconds (1000 for an index outside the list).
int RefreshPeriodMilliseconds(int index);

inline constexpr const char* kInvalidTitle = "Invalid";

// What one step did.
enum class StepOutcome {
  kMoved,    // the instant moved; everything is redrawn
  kFailed,   // refused with its message; redrawn, the instant as it was
  kStopped,  // a cycle or year limit, or a 60-year cycle step that failed: its message, no redraw
};
// A step's outcome with the message it showed (none for a step made, nor for a Vellomir date
// that cannot be stepped).
struct StepResult {
  StepOutcome outcome = StepOutcome::kMoved;
  std::optional<Refusal> refusal;
};

// What one call of Advance did: whether the instant moved, whether the command ends here, and
// the message that ended it, if any.
struct MoveTick {
  bool moved = false;
  bool ended = false;
  std::optional<Refusal> refusal;
};

enum class RunState { kIdle, kRunning, kPaused };

class MoveRules {
 public:
  explicit MoveRules(MainRules& rules);

  // The keep boxes are offered (shown) only for a repeated CHL month, year or cycle step from a
  // day 30 (keep 30th) or from a leap month (keep leap) of the lunar date shown.
  bool Keep30thOffered() const;
  bool KeepLeapOffered() const;

  // The Move command. Begin adopts a typed date (its refusal, after its message, when it is refused)
  // and, with "repeatedly" ticked, starts a run: the keep choices are fixed for the whole run.
  // Advance makes the step of the settings record and, in a run, ends it when the instant has
  // left the admitted range ("Earliest/Latest date exceeded.", the step staying shown). A single
  // move ends with its one step. End finishes the command: "repeatedly" is unticked and the run,
  // if any, is over.
  std::optional<Refusal> Begin();
  MoveTick Advance();
  void End();

  // Control of a run. Stop ends it (End follows); Pause and Resume only change the state, the
  // window stops and restarts its clock.
  void Pause();
  void Resume();
  void Stop();
  RunState state() const { return state_; }
  bool repeating() const { return state_ != RunState::kIdle; }

  // One step with explicit choices (used by Advance): the instant moves by the step in the
  // arithmetic of its calendar, the time of day kept on the step's clock, and the entry calendar
  // becomes the step's calendar. What is kept counts only for the CHL steps.
  StepResult Step(int step, bool forward, Reckoner::ChlStepKeep keep);

  // "one day": one day forward or back in the direction of the settings record, refused at the
  // ends of the admitted range ("Latest/Earliest date reached."; nothing when moved). Unticks
  // "repeatedly".
  std::optional<Refusal> OneDay();

 private:
  StepResult CalendarStep(int step, bool forward);
  StepResult ChlStep(int step, bool forward, Reckoner::ChlStepKeep keep);
  StepResult ChsStep(int step, bool forward);
  StepResult MoveToDayAtMeridian(int32_t day, int calendar);
  // The lunar and solar dates stepped are those of the display; it is brought up to the instant
  // first when a typed date has moved it.
  const DisplayTexts& CurrentDisplay();
  StepResult Fail(bool cycleStep, const char* title, const std::string& text, MessageIcon icon);
  void MoveTo(double ajd, int calendar);

  MainRules& rules_;
  RunState state_ = RunState::kIdle;
  Reckoner::ChlStepKeep keep_;
};

}  // namespace mirvo
