// The sentences of the data window's listings in every language (Language.h): the headers, the
// lines of an invalid date or an anomaly, the closing lines, and the year data's sentences.
// English keeps the listings' own texts; codes (CHL, CE, JDN, LN, zq), dates in code notation and
// numbers stay as they are in every language.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/names/Language.h"

namespace mirvo {

// "{N}" marks where ListingWorded puts the N-th text.
enum class ListingPhrase : int {
  kNewYearsHeader,       // {epoch and method} {longitude} {country}
  kAnniversariesHeader,  // {epoch and method} {longitude} {country}
  kLeapMonthsHeader,     // {epoch and method} {longitude} {country} {years} {first year} {CE|JC}
  kMonthStartsHeader,    // the same
  kCeNewYearsHeader,     // {epoch and method} {longitude} {country}
  kJcNewYearsHeader,     // the same
  kInvalidDate,          // {lunar date}
  kAnomaly,
  kRangeEnd,          // {date}
  kRangeStart,        // {date}
  kStoppedAfterYear,  // {year}
  kStoppedBeforeFirstYear,
  kEndedAfterYear,        // {year} {what changed}
  kEndedBeforeFirstYear,  // {what changed}
  kChangedCountry,
  kChangedLongitude,
  kChangedEpoch,
  kChangedMethod,
  kChangedHistory,
  kYearDataTitleWithTerms,
  kYearDataTitle,
  kYearDataSpan,  // {cycle-year} {year} {CE|JC} {epoch and method} {zone} {longitude} {country}
  kYearDataHistory,
  kSuiMonths,        // {cycle-year} {months}
  kNianMonths,       // {cycle-year} {months}
  kFestivalsHeader,  // {first year} {years} {longitude} {country}
  kNoFestivalTable,
  kFestivalUntil,      // {last day of the period}
  kFestivalUncertain,  // {note}
};

// The phrase in the language with its texts put in; "" for a value outside either enum.
std::string ListingWorded(Language language, ListingPhrase phrase,
                          std::initializer_list<std::string_view> texts);

// The setting whose change ends a running list (kNone: none changed).
enum class ListChange { kNone, kCountry, kLongitude, kEpoch, kMethod, kHistory };
// "the country", 国家, quốc gia … ("" for kNone).
std::string ChangedSettingWords(Language language, ListChange change);

}  // namespace mirvo
