#include "features/listings/Listings.h"

#include <algorithm>
#include <exception>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/listings/ListingTexts.h"
#include "features/tables/MainTables.h"
#include "util/Text.h"

namespace mirvo {

ListingInputs InputsOf(Reckoner& reckoner, double ajd) {
  ListingInputs in;
  in.ajd = ajd;
  in.epochMethod = EpochMethod(reckoner.Epoch(), reckoner.SunMethod(), true);
  in.country = reckoner.CountryIndex();
  in.zoneLabel = ZoneLabelOf(reckoner.CountryIndex(), reckoner.ReferenceLongitude());
  return in;
}

void RunListing(Listing& listing, ListingOutput& out, int mode, const std::string& errorTitle) {
  try {
    if (listing.Start(out)) {
      while (!out.StopRequested() && listing.Step(out)) {}
    }
  } catch (const std::exception& e) {
    out.Message(errorTitle, e.what(), mode == kModeNewYears ? MessageIcon::kError : MessageIcon::kWarning);
  }
  listing.Finish(out);
}

std::string ListingText(Listing& listing, int mode) {
  TextOutput out;
  RunListing(listing, out, mode);
  return out.text;
}

bool ListsYears(int mode) {
  return mode == kModeNewYears || mode == kModeMonths || mode == kModeEuroNewYears || mode == kModeFestivals;
}

const char* ListCaption(int mode) {
  switch (mode) {
    case kModeNewYears: return kNewYearsCaption;
    case kModeMonths: return kMonthsCaption;
    case kModeFestivals: return kFestivalsCaption;
    default: return kEuroNewYearsCaption;
  }
}

bool ListSavesDates(int mode) {
  return mode == kModeNewYears || mode == kModeMonths || mode == kModeFestivals;
}

std::string RangeEndLine(Language language) {
  const std::string end = listing::DateText(listing::DateOfJdn(listing::LastListedDay(), false));
  if (language != Language::kEnglish) return ListingWorded(language, ListingPhrase::kRangeEnd, {end});
  return "List ended at " + listing::DateText(listing::DateOfJdn(listing::LastListedDay(), false)) +
         " CE, the end of the admitted range.\n";
}

std::string RangeStartLine(Language language) {
  const std::string start = listing::DateText(listing::DateOfJdn(listing::kFirstListedDay, false));
  if (language != Language::kEnglish) return ListingWorded(language, ListingPhrase::kRangeStart, {start});
  return "Dates before " + listing::DateText(listing::DateOfJdn(listing::kFirstListedDay, false)) +
         " CE, the start of the admitted range, are left out.\n";
}

std::string EndedEarlyLine(std::optional<int32_t> yearReached, std::string_view why) {
  const std::string where =
      yearReached ? "after the year " + std::to_string(*yearReached) : "before its first year";
  if (why.empty()) return "List stopped by the user " + where + ".\n";
  return "List ended " + where + ": " + std::string(why) + " was changed.\n";
}

std::string EndedEarlyLine(std::optional<int32_t> yearReached, ListChange change, Language language) {
  const std::string why = ChangedSettingWords(language, change);
  if (language == Language::kEnglish) return EndedEarlyLine(yearReached, why);
  const std::string year = yearReached ? std::to_string(*yearReached) : "";
  if (change == ListChange::kNone) {
    return yearReached ? ListingWorded(language, ListingPhrase::kStoppedAfterYear, {year})
                       : ListingWorded(language, ListingPhrase::kStoppedBeforeFirstYear, {});
  }
  return yearReached ? ListingWorded(language, ListingPhrase::kEndedAfterYear, {year, why})
                     : ListingWorded(language, ListingPhrase::kEndedBeforeFirstYear, {why});
}

std::string RunningYearsCaption(std::optional<int32_t> yearReached) {
  std::string caption = "years     Calculating ...";
  if (yearReached) caption += " year " + std::to_string(*yearReached);
  return caption;
}

int DefaultListYears(int mode, bool leapMonthsOnly) {
  if (mode == kModeMonths) return leapMonthsOnly ? 30 : 3;
  if (mode == kModeFestivals) return 1;
  return 20;
}

int SettleListYears(std::array<int, 6>& remembered, int mode, bool leapMonthsOnly, std::string& boxText) {
  const size_t slot = mode >= 1 && mode <= 5 ? static_cast<size_t>(mode) : 0;
  if (!boxText.empty()) {
    boxText = KeepCharacters(boxText, "0123456789");
    // Leading zeros and any length of digits: the value is capped, never overflowed.
    const size_t first = boxText.find_first_not_of('0');
    const std::string digits = first == std::string::npos ? "0" : boxText.substr(first);
    remembered[slot] = digits.size() > 4 ? kMaxListYears : std::min(std::stoi(digits), kMaxListYears);
  }
  const int years = remembered[slot] > 0 ? remembered[slot] : DefaultListYears(mode, leapMonthsOnly);
  boxText = std::to_string(years);
  return years;
}

namespace listing {

std::string CountryName(Country country) { return std::string(CountryOf(country).name); }

CalendarDate DateOfJdn(int32_t jdn, bool julian) {
  CalendarDate date;
  date.calendar = julian ? 'J' : 'G';
  date.jdn = jdn;
  CalendarDateFromJdn(date);
  return date;
}

std::string DateText(const CalendarDate& date) { return CalendarDateText(date, 2, '-', ',', false); }

size_t CharacterCount(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

void CyclePlace::Advance() {
  if (++position > 60) {
    position = 1;
    ++cycle;
  }
}

void CyclePlace::Back() {
  if (--position < 1) {
    position = 60;
    --cycle;
  }
}

}  // namespace listing
}  // namespace mirvo
