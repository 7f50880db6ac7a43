// The dates behind the lists of lunar new years, anniversaries and month starts, as records: the
// listings turn them into lines, the calendar export into events. Nothing here writes text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class Reckoner;

// What an anniversary does in a year that lacks its date (day 30 of a month with 29 days, or a
// leap month the year does not have).
enum class AnniversaryPolicy {
  kListing,  // the listing's retries: day 29 for a missing day 30, the ordinary month of the same
             // number for a missing leap month (keeping day 30 when that month has it)
  kSkip,     // no date that year
  kEarlier,  // the nearest day before the missing date: the same days as kListing
  kLater,    // the nearest day after it: day 1 of the next month for a missing day 30, the month
             // after the missing leap month (day 1 of the month after that for a missing day 30)
};

// One lunar year of an anniversary.
struct AnniversaryYear {
  int index = 0;             // 0 for the first year
  ChlDate wanted;            // the anniversary's month, leap flag and day in this lunar year
  bool noSuchMonth = false;  // the year has no such leap month
  bool noSuchDay = false;    // day 30 of the month it names or falls back to does not exist:
  ChlDate missingDay;        // that day 30
  // The listing's tries that do not exist, in the order it makes them (kListing and kEarlier).
  std::vector<ChlDate> invalid;
  bool found = false;  // date holds the day (valid, jdn set)
  ChlDate date;
  bool anomaly = false;  // not found for another reason than the two above
  bool Moved() const {
    return found && (date.month != wanted.month || date.day != wanted.day || date.leap != wanted.leap ||
                     date.cycle != wanted.cycle || date.position != wanted.position);
  }
};

// The yearly return of a lunar date (month, leap flag, day) from the lunar year of `start`, one
// lunar year per call. For a start on 01-01 (not leap) these are the lunar new years.
class AnniversarySeries {
 public:
  AnniversarySeries(Reckoner& reckoner, const ChlDate& start, AnniversaryPolicy policy);
  // The next lunar year; false once the years the calendar serves are passed.
  bool Next(AnniversaryYear& year);
  const ChlDate& start() const { return start_; }

 private:
  void ResolveByRetries(AnniversaryYear& year);
  void ResolveLater(AnniversaryYear& year);
  void NoteMissingDay(AnniversaryYear& year, const ChlDate& month);

  Reckoner& reckoner_;
  ChlDate start_;
  AnniversaryPolicy policy_;
  int32_t cycle_ = 0, position_ = 1;
  int index_ = 0;
};

// "listing", "skip", "earlier", "later"; false for another name.
bool ParseAnniversaryPolicy(const std::string& name, AnniversaryPolicy& policy);
const char* AnniversaryPolicyName(AnniversaryPolicy policy);

// The first day of a lunar month of one year.
struct MonthStart {
  ChlDate date;        // day 1 (jdn set when status is kChlValid)
  int16_t status = 0;  // ChlToDay's status; months the year lacks are left out
  int length = 0;      // 29 or 30 when valid
};
// Month 1 to 12 of the lunar year whose new year falls in CE year `year`, each followed by its
// leap month when the year has one (only the leap months when leapOnly).
std::vector<MonthStart> MonthStartsOfYear(Reckoner& reckoner, int32_t year, bool leapOnly);

}  // namespace mirvo
