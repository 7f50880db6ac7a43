// Moving lunar and solar dates by months, terms, years and cycles. Every try is a full conversion
// of the modified date, so a step lands only on a day that exists; a day 30 that the month lacks
// falls back to 29 (and comes back with the "keep 30th" option). A step that reaches no date
// leaves the date as it was.
#include <climits>
#include <utility>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"

namespace mirvo {

namespace {

// A step starts only from a date whose fields are within their ranges (the day within the
// longest month or term), so that no field can overflow on the way: a date that is not one
// cannot be moved.
bool CanStep(const ChlDate& d) {
  return d.position >= 1 && d.position <= 60 && d.month >= 1 && d.month <= 12 &&
         (d.leap == 0 || d.leap == 1) && d.day >= 1 && d.day <= 30 && d.cycle > INT32_MIN &&
         d.cycle < INT32_MAX;
}

bool CanStep(const ChsDate& d) {
  return d.position >= 1 && d.position <= 60 && d.term >= 1 && d.term <= 24 && d.day >= 1 && d.day <= 16 &&
         d.cycle > INT32_MIN && d.cycle < INT32_MAX;
}

}  // namespace

// Tries the date as it stands and, when that fails and the day was 30, day 29 of the same month.
bool Reckoner::TryChlOrDay29(ChlDate& date, int originalDay) {
  date.day = originalDay;
  if (TryChl(date)) return true;
  if (originalDay == 30) {
    date.day = 29;
    if (TryChl(date)) return true;
  }
  return false;
}

bool Reckoner::RestoreDay30(ChlDate& date, bool keep30) {
  if (keep30 && date.day == 29) {
    ChlDate with30 = date;
    with30.day = 30;
    if (TryChl(with30)) {
      date = with30;
      return true;
    }
  }
  return date.valid == 1;
}

bool Reckoner::StepChlMonth(ChlDate& date, bool forward, bool keep30) {
  if (!CanStep(date)) return false;
  const ChlDate start = date;
  const int day = date.day;
  ChlDate d = start;
  bool reached = false;
  if (forward) {
    if (!start.leap) {
      // The leap month of the same number, when the year has one, comes next.
      d.leap = 1;
      reached = TryChlOrDay29(d, day);
    }
    if (!reached) {
      d = start;
      d.leap = 0;
      d.month = start.month + 1;
      if (d.month <= 12) reached = TryChlOrDay29(d, day);
      if (!reached) {
        d = start;
        d.leap = 0;
        d.month = 1;
        StepYears(d.cycle, d.position, 1);
        reached = TryChlOrDay29(d, day);
      }
    }
  } else if (start.leap) {
    // Back from a leap month to the ordinary month of the same number; only day 30 can be missing.
    d.leap = 0;
    reached = TryChlOrDay29(d, day);
  } else if (start.month == 1) {
    StepYears(d.cycle, d.position, -1);
    for (int month = 12; month >= 10 && !reached; --month) {
      for (int leap = 1; leap >= 0 && !reached; --leap) {
        d.month = month;
        d.leap = leap;
        reached = TryChlOrDay29(d, day);
      }
    }
  } else {
    for (int leap = 1; leap >= 0 && !reached; --leap) {
      d.month = start.month - 1;
      d.leap = leap;
      reached = TryChlOrDay29(d, day);
    }
  }
  if (!reached) {
    date = start;
    return false;
  }
  date = d;
  return RestoreDay30(date, keep30);
}

bool Reckoner::PreferLeapMonth(ChlDate& date, bool keepLeap) {
  if (!keepLeap || date.leap) return false;
  ChlDate leapMonth = date;
  leapMonth.leap = 1;
  if (TryChlOrDay29(leapMonth, date.day)) {
    date = leapMonth;
    return true;
  }
  return false;
}

bool Reckoner::SettleAfterYearStep(ChlDate& date, bool keep30, bool keepLeap) {
  const int day = date.day;
  if (TryChl(date)) {
    PreferLeapMonth(date, keepLeap);
    return RestoreDay30(date, keep30);
  }
  // A date reached by the fallbacks below is taken as it is: keep30 and keepLeap act on the
  // next step.
  if (day == 30) {
    date.day = 29;
    if (TryChl(date)) return true;
  }
  // The year has no such leap month: take the ordinary month.
  date.leap = 0;
  return TryChlOrDay29(date, day);
}

bool Reckoner::StepChlYear(ChlDate& date, bool forward, ChlStepKeep keep) {
  if (!CanStep(date)) return false;
  const ChlDate start = date;
  StepYears(date.cycle, date.position, forward ? 1 : -1);
  if (SettleAfterYearStep(date, keep.day30, keep.leap)) return true;
  date = start;
  return false;
}

bool Reckoner::StepChlCycle(ChlDate& date, bool forward, ChlStepKeep keep) {
  if (!CanStep(date)) return false;
  const ChlDate start = date;
  date.cycle += forward ? 1 : -1;
  if (SettleAfterYearStep(date, keep.day30, keep.leap)) return true;
  date = start;
  return false;
}

bool Reckoner::StepChsYear(ChsDate& date, bool forward) {
  if (!CanStep(date)) return false;
  const ChsDate start = date;
  StepYears(date.cycle, date.position, forward ? 1 : -1);
  if (ChsToDay(date)) return true;
  for (int shorter = 1; shorter <= 2; ++shorter) {
    date.day = start.day - shorter;
    if (ChsToDay(date)) return true;
  }
  date = start;
  return false;
}

bool Reckoner::StepChsTerm(ChsDate& date, bool forward, bool byCycle) {
  if (!CanStep(date)) return false;
  const ChsDate start = date;
  if (byCycle) {
    date.cycle += forward ? 1 : -1;
  } else {
    date.term += forward ? 1 : -1;
    if (date.term > 24) {
      date.term = 1;
      StepYears(date.cycle, date.position, 1);
    } else if (date.term < 1) {
      date.term = 24;
      StepYears(date.cycle, date.position, -1);
    }
  }
  if (ChsToDay(date)) return true;
  date.day = start.day - 1;
  if (ChsToDay(date)) return true;
  date = start;
  return false;
}

}  // namespace mirvo
