// The words for a lunar date or month that the almanac of its time gives, or may give, otherwise:
// the years before those whose almanacs the modern rule reproduces (AlmanacMayDiffer), the
// meridian a date was computed for when the calendar's history is followed and that is not the
// reference meridian, and, when it is not followed, a date or month that the almanac of the time,
// computed for another meridian, gave differently.
#pragma once

#include <string>

#include "core/names/Language.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class Reckoner;

// What the calendar's history says of one lunar month (day 1 in `month`, valid, with its jdn).
struct MonthHistory {
  int32_t lunarYear = 0;
  int meridian = 0;            // arc-minutes east of the meridian the month was computed for
  bool otherMeridian = false;  // the calendar's history put it at another than the reference one
  bool mayDiffer = false;      // computed by the modern rule; the almanac of the time may differ
  // Without the history: the meridian of the almanac of the year, when it gives this month
  // another first day or length, or no such month.
  int almanacMeridian = 0;
  bool almanacDiffers = false;
  bool almanacHasMonth = true;
  int32_t almanacFirstDay = 0;
  int almanacLength = 0;
};
MonthHistory MonthHistoryOf(Reckoner& reckoner, const ChlDate& month, int length);

// The sentences for a day's lunar date (each capitalised and closed by a full stop, joined by a
// space), or "" when the almanac of its time gave the same date by the same rule:
// "In 1965 Vietnam's almanac was computed for 120º E: that day was 78-41-12-30 CHL."
std::string CalendarHistoryDayText(Reckoner& reckoner, const ChlDate& chl);
// The same sentences in a language (Sentences.h); English as above.
std::string CalendarHistoryDayText(Reckoner& reckoner, const ChlDate& chl, Language language);

// The sentences for a month's page, and the short form for a listing's row or the page's corner
// ("computed for 120º E, Vietnam's almanac of 1965", "the almanac of 1965 (120º E) began it on
// 1965-02-02", "modern rule: the almanac of the time may differ"); "" when there is nothing to say.
std::string CalendarHistoryMonthText(Reckoner& reckoner, const MonthHistory& history);
std::string CalendarHistoryMonthNote(const MonthHistory& history);

// The month's rule for TSV columns: "modern" (the reference meridian) or the meridian the history
// put it at ("E120", "E116.4167"), then ",may-differ" before the years whose almanacs the modern
// rule reproduces, and ",almanac-E120" when, without the history, the almanac of the time (computed
// for that meridian) began or ended the month on another day or had no such month.
std::string MonthRuleCode(const MonthHistory& history);

}  // namespace mirvo
