// Calendar events of the lunar listings and of the almanac, for iCalendar files: anniversaries
// and lunar new years, month starts and leap months as all-day events, solar terms and the
// Moon's phases as instants in UTC. The events come from the listings' records; UIDs follow the
// calendar identity of an event (its lunar year, month, term or lunation), so a file written
// again, even after a change of rule, replaces the events it wrote before instead of adding to
// them.
#pragma once

#include <string>
#include <vector>

#include "core/ephemeris/AlmanacEvents.h"
#include "features/festivals/Festivals.h"
#include "features/listings/Listings.h"
#include "features/listings/LunarRecords.h"
#include "platform/ical/ICalendar.h"

namespace mirvo {

class FileDialogs;
class Messages;
class Reckoner;
class TextFiles;

// The records the export needs under the Reckoner's settings, as the listings make them:
// `years` lunar years of a lunar date from its own year on, the lunar new years of the lunar
// years from..to (numbered by the CE year they begin in), the month starts or leap months of
// the lunar years from..to.
ListedDates AnniversaryDates(Reckoner& reckoner, const ChlDate& start, int years, AnniversaryPolicy policy);
ListedDates NewYearDates(Reckoner& reckoner, int32_t fromYear, int32_t toYear);
ListedDates MonthStartDates(Reckoner& reckoner, int32_t fromYear, int32_t toYear, bool leapOnly);

// One event per lunar year that has a day: the lunar new years when the dates start on 01-01 and
// no title is given, otherwise the anniversaries titled `title` (a default names the lunar date).
// Each description gives the lunar date and, when the policy moved it, why and where to.
// Month starts: one event per month (leap months named so). In another language than English
// the summaries of the new years, of the default titles and of the month starts are its
// calendar's words (春节, 农历五月三十, 农历闰四月初一); UIDs and descriptions are the same in every
// language.
std::vector<CalendarEvent> ListedEvents(Reckoner& reckoner, const ListedDates& dates,
                                        const std::string& title = "",
                                        AnniversaryPolicy policy = AnniversaryPolicy::kListing,
                                        Language language = Language::kEnglish);
// "Lunar anniversary 05-30", "Lunar anniversary 6*-30".
std::string DefaultAnniversaryTitle(const ChlDate& start);

// The solar terms (terms) or the four phases (otherwise) among the events, with their instants
// in UTC as the almanac shows them at the meridian, cut to the second; their summaries name the
// term or phase in the language.
std::vector<CalendarEvent> AlmanacCalendarEvents(const std::vector<AlmanacEvent>& events, int longitude,
                                                 bool terms, Language language = Language::kEnglish);

// The festival days as all-day events named in the language, with the lunar date, the rule, the
// period's last day and an uncertain day's note in the description. The UID follows the
// festival's id, its year and the country ("festival-mid-autumn-2024-china@mirvo"): a file of
// the same days written again, in any language, updates its events. The lunar dates are those of
// lunarDates (one a day: a list's, made under its own settings) or, without them, those of the
// reckoner's present settings.
std::vector<CalendarEvent> FestivalEvents(Reckoner& reckoner, const FestivalCountry& country,
                                          const std::vector<FestivalDay>& days, Language language,
                                          const std::vector<ChlDate>* lunarDates = nullptr);
// "Festivals (china)" named in English; other languages add their own word for festivals.
std::string FestivalCalendarName(const FestivalCountry& country, Language language);

// A name for the calendar file of some dates ("Lunar new years (China)").
std::string ListedCalendarName(const ListedDates& dates, const std::string& title = "");

// Saving the dates of a list from the data window.
inline constexpr char kSaveICalendarCaption[] = "Save as iCalendar…";
inline constexpr char kSaveICalendarTitle[] = "Save as iCalendar";
inline constexpr char kSaveICalendarDialogTitle[] = "Save the listed dates as an iCalendar file";
inline constexpr char kICalendarFilter[] = "iCalendar file (*.ics) | *.ics";
inline constexpr char kNothingToSave[] = "The list holds no dates to save.";
inline constexpr char kCalendarSaved[] = "The dates have been saved in the iCalendar file";
inline constexpr char kCalendarNotSaved[] = "The iCalendar file could not be written.";
// A list reaching beyond the years a file can hold is saved without those dates.
inline constexpr char kDatesLeftOut[] = "left out: an iCalendar file holds the years 1 to 3000.";

// "lunar-new-years.ics", "leap-months.ics", "lunar-anniversary-06L-30.ics".
std::string ListedFileName(const ListedDates& dates);

enum class CalendarSaveOutcome { kNothing, kCancelled, kSaved, kFailed };
// The events of the listed dates (ListedEvents with the listing's rule) that a file can hold into
// a file chosen in the Save dialog, replaced as a whole or not at all; the outcome, with the
// number of dates left out, is told in a message box.
CalendarSaveOutcome SaveListedDates(Reckoner& reckoner, const ListedDates& dates, FileDialogs& dialogs,
                                    TextFiles& files, Messages& messages);

}  // namespace mirvo
