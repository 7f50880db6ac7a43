#include "features/listings/LunarRecords.h"

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"

namespace mirvo {
namespace {

bool InCalendarYears(int32_t year) {
  return year >= Reckoner::kMinChineseYear && year <= Reckoner::kMaxChineseYear;
}

constexpr struct {
  const char* name;
  AnniversaryPolicy policy;
} kPolicies[] = {{"listing", AnniversaryPolicy::kListing},
                 {"skip", AnniversaryPolicy::kSkip},
                 {"earlier", AnniversaryPolicy::kEarlier},
                 {"later", AnniversaryPolicy::kLater}};

}  // namespace

bool ParseAnniversaryPolicy(const std::string& name, AnniversaryPolicy& policy) {
  for (const auto& p : kPolicies) {
    if (name == p.name) {
      policy = p.policy;
      return true;
    }
  }
  return false;
}

const char* AnniversaryPolicyName(AnniversaryPolicy policy) {
  for (const auto& p : kPolicies) {
    if (p.policy == policy) return p.name;
  }
  return "";
}

AnniversarySeries::AnniversarySeries(Reckoner& reckoner, const ChlDate& start, AnniversaryPolicy policy)
    : reckoner_(reckoner), start_(start), policy_(policy), cycle_(start.cycle), position_(start.position) {
  start_.epoch = reckoner.Epoch();
}

bool AnniversarySeries::Next(AnniversaryYear& year) {
  // Past the years the calendar serves there is nothing more to find.
  if (!InCalendarYears(YearFromCycle(cycle_, position_, reckoner_.Epoch()))) return false;
  year = AnniversaryYear{};
  year.index = index_++;
  year.wanted = start_;
  year.wanted.cycle = cycle_;
  year.wanted.position = position_;
  year.wanted.valid = 0;
  year.wanted.jdn = 0;
  StepYears(cycle_, position_, 1);

  ChlDate exact = year.wanted;
  const int16_t status = reckoner_.ChlToDay(exact);
  if (status == kChlValid) {
    year.found = true;
    year.date = exact;
    return true;
  }
  // What is missing: the leap month, or day 30 of the month the date names (or of the ordinary
  // month a missing leap month falls back to; after it for kLater).
  ChlDate month = year.wanted;
  month.day = 1;
  if (month.leap && reckoner_.ChlToDay(month) == kChlNoSuchMonth) {
    year.noSuchMonth = true;
    month.leap = 0;
  }
  if (policy_ != AnniversaryPolicy::kLater) NoteMissingDay(year, month);
  switch (policy_) {
    case AnniversaryPolicy::kListing:
    case AnniversaryPolicy::kEarlier: ResolveByRetries(year); break;
    case AnniversaryPolicy::kLater: ResolveLater(year); break;
    case AnniversaryPolicy::kSkip:
      // The date is not there; a missing day 30 matters only in a month that is.
      if (year.noSuchMonth) year.noSuchDay = false;
      year.anomaly = !year.noSuchMonth && !year.noSuchDay;
      break;
  }
  return true;
}

void AnniversarySeries::NoteMissingDay(AnniversaryYear& year, const ChlDate& month) {
  ChlDate probe = month;
  year.noSuchDay = year.wanted.day == 30 && reckoner_.ChlMonthLength(probe) == 29;
  if (year.noSuchDay) {
    year.missingDay = month;
    year.missingDay.day = 30;
  }
}

// Day 30 is retried as day 29, a leap month as the ordinary month of the same number (with day
// 30 again when the anniversary is on the 30th); anything else that fails is an anomaly.
void AnniversarySeries::ResolveByRetries(AnniversaryYear& year) {
  ChlDate date = year.wanted;
  for (;;) {
    ChlDate attempt = date;
    if (reckoner_.ChlToDay(attempt) == kChlValid) {
      year.found = true;
      year.date = attempt;
      return;
    }
    year.invalid.push_back(date);
    if (date.day == 30) {
      date.day = 29;
    } else if (date.leap) {
      date.leap = 0;
      if (start_.day == 30) date.day = 30;
    } else {
      year.anomaly = true;
      return;
    }
  }
}

// The month after a missing leap month (month 1 of the next lunar year after a leap 12th), and
// the day after day 29 when day 30 is missing.
void AnniversarySeries::ResolveLater(AnniversaryYear& year) {
  ChlDate date = year.wanted;
  if (year.noSuchMonth) {
    date.leap = 0;
    if (++date.month > 12) {
      date.month = 1;
      StepYears(date.cycle, date.position, 1);
    }
  }
  ChlDate month = date;
  month.day = 1;
  NoteMissingDay(year, month);
  if (!year.noSuchMonth && !year.noSuchDay) {
    year.anomaly = true;
    return;
  }
  ChlDate attempt = date;
  if (year.noSuchDay) attempt.day = 29;
  if (reckoner_.ChlToDay(attempt) == kChlValid) {
    if (!year.noSuchDay) {
      year.found = true;
      year.date = attempt;
      return;
    }
    // The day after day 29 is the first of the next month.
    ChlDate next;
    reckoner_.DayToChl(static_cast<double>(attempt.jdn) + 1.0, reckoner_.Epoch(), next);
    if (next.valid) {
      year.found = true;
      year.date = next;
      return;
    }
  }
  year.anomaly = true;
}

std::vector<MonthStart> MonthStartsOfYear(Reckoner& reckoner, int32_t year, bool leapOnly) {
  std::vector<MonthStart> starts;
  const Epoch epoch = reckoner.Epoch();
  for (int month = 1; month <= 12; ++month) {
    for (int leap = leapOnly ? 1 : 0; leap <= 1; ++leap) {
      MonthStart start;
      start.date.epoch = epoch;
      start.date.cycle = CycleOf(year, epoch);
      start.date.position = PositionOf(year);
      start.date.month = month;
      start.date.day = 1;
      start.date.leap = leap;
      start.status = reckoner.ChlToDay(start.date);
      if (start.status == kChlNoSuchMonth) continue;
      if (start.status == kChlValid) start.length = reckoner.ChlMonthLength(start.date);
      starts.push_back(start);
    }
  }
  return starts;
}

}  // namespace mirvo
