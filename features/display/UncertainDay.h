// The words for a lunar date that other tables may give differently: a month whose first day, or
// whose number or leap status, rests on an instant closer to midnight at the reference meridian
// than the uncertainty of its time.
#pragma once

#include <string>

#include "core/chinese/Reckoner.h"
#include "core/names/Language.h"

namespace mirvo {

// "4 seconds", "1 second", "under 1 second", "12 minutes", "3 hours".
std::string MarginText(double seconds);

// The sentences for a day (each capitalised and closed by a full stop, joined by a space), or ""
// when its lunar date is as sure as the ephemeris and Delta T can make it.
std::string UncertainDayText(const Reckoner::DayMargins& margins);
// The same sentences in a language (Sentences.h); English as above.
std::string UncertainDayText(const Reckoner::DayMargins& margins, Language language);

// The short form for a month's row in a listing: "first day: new moon 4 seconds after midnight",
// "number: solar term Z10 12 seconds before midnight", or "" when the month is certain.
std::string UncertainMonthNote(const MonthMargin& margin);

// The sentences for a month's page: its own first day, number or leap status, and its length,
// which rests on the next month's new moon; "" when the page is as sure as can be.
std::string UncertainMonthPageText(const MonthMargin& month, const MonthMargin& next, int length);

// The short form for the page: UncertainMonthNote, and "end: next new moon 5 seconds after
// midnight" when the next month's first day is uncertain.
std::string UncertainMonthPageNote(const MonthMargin& month, const MonthMargin& next);

}  // namespace mirvo
