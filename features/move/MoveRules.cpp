#include "features/move/MoveRules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"
#include "features/tables/Limits.h"
#include "platform/calendarlib/EuroCalendar.h"

namespace mirvo {
namespace {

constexpr std::array<std::string_view, kMoveStepCount> kStepNames{
    "minute",    "hour",     "day",      "ce-month",  "ce-year", "ce-century", "chl-month", "chl-year",
    "chl-cycle", "chs-term", "chs-year", "chs-cycle", "60-day",  "jc-80-year", "vmc-month", "vmc-year"};

// The word a failed lunar or solar step names in "Unable to add a …".
std::string_view UnitWord(int step) {
  switch (step) {
    case kStepChlMonth: return "lunar month";
    case kStepChlYear: return "lunar year";
    case kStepChlCycle: return "60-year cycle (CHL)";
    case kStepChsTerm: return "solar term";
    case kStepChsYear: return "solar year";
    default: return "60-year cycle (CHS)";
  }
}

bool IsChlStep(int step) { return step >= kStepChlMonth && step <= kStepChlCycle; }

// A civil day and the time of day on one clock.
struct DayAndFraction {
  int32_t day;
  double fraction;
};
DayAndFraction Split(double cjd) {
  const double day = std::floor(cjd);
  return {static_cast<int32_t>(day), cjd - day};
}

}  // namespace

std::string_view MoveStepName(int step) {
  return step >= 0 && step < kMoveStepCount ? kStepNames[static_cast<size_t>(step)] : "";
}

int MoveStepOfName(std::string_view name) {
  const auto* it = std::find(kStepNames.begin(), kStepNames.end(), name);
  return it == kStepNames.end() ? -1 : static_cast<int>(it - kStepNames.begin());
}

int RefreshPeriodMilliseconds(int index) {
  constexpr std::array<int, 4> kPeriods{500, 1000, 2000, 5000};
  return index >= 0 && index < 4 ? kPeriods[static_cast<size_t>(index)] : 1000;
}

MoveRules::MoveRules(MainRules& rules) : rules_(rules) {}

bool MoveRules::Keep30thOffered() const {
  const MainSettings& s = rules_.settings();
  const ChlDate& chl = rules_.display().chl;
  return s.repeatedly && chl.valid == 1 && chl.day == 30 && IsChlStep(s.moveStep);
}

bool MoveRules::KeepLeapOffered() const {
  const MainSettings& s = rules_.settings();
  const ChlDate& chl = rules_.display().chl;
  return s.repeatedly && chl.valid == 1 && chl.leap == 1 &&
         (s.moveStep == kStepChlYear || s.moveStep == kStepChlCycle);
}

// ---------------------------------------------------------------------------------------------
// The command and its run

std::optional<Refusal> MoveRules::Begin() {
  if (std::optional<Refusal> refusal = rules_.AdoptTypedDate()) return refusal;
  if (rules_.settings().repeatedly) {
    CurrentDisplay();  // the boxes answer for the date the run starts from
    keep_.day30 = Keep30thOffered() && rules_.settings().keep30th;
    keep_.leap = KeepLeapOffered() && rules_.settings().keepLeap;
    state_ = RunState::kRunning;
    rules_.SetRepeating(true);
  } else {
    keep_ = {};
  }
  return std::nullopt;
}

MoveTick MoveRules::Advance() {
  const MainSettings& s = rules_.settings();
  StepResult step = Step(s.moveStep, s.moveForward, keep_);
  const bool moved = step.outcome == StepOutcome::kMoved;
  MoveTick tick{moved, !moved || !repeating(), std::move(step.refusal)};
  if (tick.ended || !repeating()) return tick;
  // "repeatedly" switched off while the step was shown (the log could not keep its entry).
  if (!s.repeatedly) {
    Stop();
    tick.ended = true;
    return tick;
  }
  // A run stops once the instant has left the admitted range; the step that left it stays shown.
  const double ajd = rules_.currentAjd();
  if (ajd < kMinAjd || ajd > kMaxAjd) {
    Stop();
    tick.refusal =
        rules_.Refuse({kOutOfRangeTitle, ajd < kMinAjd ? "Earliest date exceeded." : "Latest date exceeded.",
                       MessageIcon::kWarning});
    tick.ended = true;
  }
  return tick;
}

void MoveRules::End() {
  rules_.SetRepeatedly(false);
  state_ = RunState::kIdle;
  keep_ = {};
  rules_.SetRepeating(false);
}

void MoveRules::Pause() {
  if (state_ == RunState::kRunning) state_ = RunState::kPaused;
}

void MoveRules::Resume() {
  if (state_ == RunState::kPaused) state_ = RunState::kRunning;
}

void MoveRules::Stop() { state_ = RunState::kIdle; }

std::optional<Refusal> MoveRules::OneDay() {
  rules_.SetRepeatedly(false);
  const bool forward = rules_.settings().moveForward;
  const double next = rules_.currentAjd() + (forward ? 1 : -1);
  if (forward ? next > kMaxAjd : next < kMinAjd) {
    return rules_.Refuse({kOutOfRangeTitle, forward ? "Latest date reached." : "Earliest date reached.",
                          MessageIcon::kWarning});
  }
  MoveTo(next, kCalNone);
  rules_.Recalculate(kLogOneDay);
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// The steps

StepResult MoveRules::Step(int step, bool forward, Reckoner::ChlStepKeep keep) {
  const double sign = forward ? 1.0 : -1.0;
  double days = 0;
  switch (step) {
    case kStepMinute: days = 1.0 / 1440; break;
    case kStepHour: days = 1.0 / 24; break;
    case kStepDay: days = 1; break;
    case kStepSixtyDays: days = 60; break;
    case kStepChlMonth:
    case kStepChlYear:
    case kStepChlCycle: return ChlStep(step, forward, keep);
    case kStepChsTerm:
    case kStepChsYear:
    case kStepChsCycle: return ChsStep(step, forward);
    default: return CalendarStep(step, forward);
  }
  MoveTo(rules_.currentAjd() + sign * days, kCalNone);
  rules_.Recalculate(kLogMove);
  return {};
}

// The European steps on the London day, the Vellomir steps on the day at the reference meridian;
// the time of day on that clock stays.
StepResult MoveRules::CalendarStep(int step, bool forward) {
  if (step == kStepVmcMonth || step == kStepVmcYear) {
    const double longitude = rules_.reckoner().ReferenceDegrees();
    VmcDate date = VmcDateOfDay(Split(CjdcFromAjd(rules_.currentAjd(), longitude)).day);
    // Neither step can fail for a day of the calendar; a date that cannot be stepped stays.
    if (!(step == kStepVmcMonth ? StepVmcMonth(date, forward) : StepVmcYear(date, forward))) {
      return {StepOutcome::kStopped, std::nullopt};
    }
    return MoveToDayAtMeridian(date.jdn, kCalVMCCCT);
  }

  const DayAndFraction at = Split(CjdlFromAjd(rules_.currentAjd()));
  CalendarDate date;
  date.calendar = step == kStepJcEighty ? 'J' : 'G';
  date.jdn = at.day;
  CalendarDateFromJdn(date);
  if (std::optional<Refusal> limit = rules_.CheckYearLimit(date.year, forward)) {
    return {StepOutcome::kStopped, std::move(limit)};
  }
  const int sign = forward ? 1 : -1;
  switch (step) {
    case kStepCeMonth:
      date.month += sign;
      if (date.month > 12) {
        date.month = 1;
        ++date.year;
      } else if (date.month < 1) {
        date.month = 12;
        --date.year;
      }
      break;
    case kStepCeYear: date.year += sign; break;
    case kStepCeCentury: date.year += 100 * sign; break;
    default: date.year += 80 * sign; break;  // 80-year cycle (JC)
  }
  // 31 January + 1 month is the last of February, 29 February + 1 year the 28th.
  date.day = std::min(date.day, euro_days_in_month(date.year, date.month, date.calendar));
  JdnFromCalendarDate(date);
  MoveTo(AjdFromCjdl(date.jdn + at.fraction), date.calendar == 'J' ? kCalJC : kCalCE);
  rules_.Recalculate(kLogMove);
  return {};
}

// The lunar date stepped is exactly the one shown (its record, not its text read back); the time
// of day at the reference meridian stays.
StepResult MoveRules::ChlStep(int step, bool forward, Reckoner::ChlStepKeep keep) {
  const bool cycleStep = step == kStepChlCycle;
  ChlDate date = CurrentDisplay().chl;
  if (date.valid != 1)
    return Fail(cycleStep, cycleStep ? kInvalidTitle : "", "Lunar date is invalid.", MessageIcon::kNone);
  if (std::optional<Refusal> limit = rules_.CheckCycleLimit(date.cycle, forward)) {
    return {StepOutcome::kStopped, std::move(limit)};
  }
  Reckoner& reckoner = rules_.reckoner();
  const bool stepped = step == kStepChlMonth  ? reckoner.StepChlMonth(date, forward, keep.day30)
                       : step == kStepChlYear ? reckoner.StepChlYear(date, forward, keep)
                                              : reckoner.StepChlCycle(date, forward, keep);
  if (!stepped) {
    return Fail(cycleStep, kInabilityTitle, InabilityMessage(forward, UnitWord(step)), MessageIcon::kWarning);
  }
  if (reckoner.ChlToDay(date) != kChlValid) {
    return Fail(cycleStep, "", cycleStep ? "Invalid lunar date results." : "Invalid lunar date results",
                MessageIcon::kNone);
  }
  return MoveToDayAtMeridian(date.jdn, kCalCHL);
}

StepResult MoveRules::ChsStep(int step, bool forward) {
  const bool cycleStep = step == kStepChsCycle;
  ChsDate date = CurrentDisplay().chs;
  if (date.valid != 1) return Fail(cycleStep, "", "Solar date is invalid.", MessageIcon::kNone);
  if (std::optional<Refusal> limit = rules_.CheckCycleLimit(date.cycle, forward)) {
    return {StepOutcome::kStopped, std::move(limit)};
  }
  Reckoner& reckoner = rules_.reckoner();
  const bool stepped = step == kStepChsYear ? reckoner.StepChsYear(date, forward)
                                            : reckoner.StepChsTerm(date, forward, cycleStep);
  if (!stepped) {
    return Fail(cycleStep, kInabilityTitle, InabilityMessage(forward, UnitWord(step)), MessageIcon::kWarning);
  }
  if (!reckoner.ChsToDay(date)) {
    return Fail(cycleStep, "", cycleStep ? "Invalid solar date results." : "Invalid solar date results",
                MessageIcon::kNone);
  }
  return MoveToDayAtMeridian(date.jdn, kCalCHS);
}

// The time of day at the reference meridian stays.
StepResult MoveRules::MoveToDayAtMeridian(int32_t day, int calendar) {
  const double longitude = rules_.reckoner().ReferenceDegrees();
  const DayAndFraction at = Split(CjdcFromAjd(rules_.currentAjd(), longitude));
  MoveTo(AjdFromCjdc(day + at.fraction, longitude), calendar);
  rules_.Recalculate(kLogMove);
  return {};
}

const DisplayTexts& MoveRules::CurrentDisplay() {
  if (rules_.display().ajd != rules_.currentAjd()) rules_.DisplayDatesAndTimes();
  return rules_.display();
}

// A failed month, year or term step redraws the window as a step does; a failed 60-year cycle
// step leaves it as it is.
StepResult MoveRules::Fail(bool cycleStep, const char* title, const std::string& text, MessageIcon icon) {
  Refusal refusal = rules_.Refuse({title, text, icon});
  if (cycleStep) return {StepOutcome::kStopped, std::move(refusal)};
  rules_.Recalculate(kLogMove);
  return {StepOutcome::kFailed, std::move(refusal)};
}

void MoveRules::MoveTo(double ajd, int calendar) {
  if (calendar != kCalNone) rules_.entry().calendar = calendar;
  rules_.SetCurrentAjd(ajd);
}

}  // namespace mirvo
