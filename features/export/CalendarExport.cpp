#include "features/export/CalendarExport.h"

#include <cinttypes>
#include <cstdio>

#include "core/chinese/History.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Names.h"
#include "core/names/NativeDate.h"
#include "features/display/Phrases.h"
#include "features/listings/ListingTexts.h"
#include "features/tables/MainTables.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/TextFiles.h"
#include "util/Numbers.h"
#include "util/Text.h"

namespace mirvo {
namespace {

constexpr const char* kUidDomain = "@mirvo";

EventTime CeDayOf(int32_t jdn) {
  const CalendarDate ce = listing::DateOfJdn(jdn, false);
  EventTime t;
  t.year = ce.year;
  t.month = ce.month;
  t.day = ce.day;
  return t;
}

std::string CeText(int32_t jdn) { return listing::DateText(listing::DateOfJdn(jdn, false)) + " CE"; }

// The month for identifiers: "05", "06L" (MonthLabel writes "05", "6*").
std::string MonthKey(const ChlDate& date) { return TwoDigits(date.month) + (date.leap ? "L" : ""); }

std::string Meridian(int longitude) { return "E" + std::to_string(longitude); }

int32_t LunarYearOf(const ChlDate& date, Epoch epoch) {
  return YearFromCycle(date.cycle, date.position, epoch);
}

// The calendar of the dates, and the meridian of the almanac the lunar year was computed for when
// the calendar's history puts it at another than the reference meridian.
std::string PlaceText(const ListedDates& dates, int32_t lunarYear) {
  std::string text = std::string(CountryOf(dates.country).adjective) + " calendar, longitude " +
                     std::to_string(dates.longitude) + "º E, " + listing::CountryName(dates.country);
  const int meridian = AlmanacMeridian(dates.country, lunarYear);
  if (dates.historical && meridian != ArcMinutes(dates.longitude)) {
    text += "; computed for " + MeridianText(meridian) + ", the meridian of the almanac of " +
            std::to_string(lunarYear);
  }
  return text + ".";
}

// FNV-1a: the same title gives the same identifier on every machine and in every run.
std::string TitleKey(const std::string& title) {
  uint64_t h = 14695981039346656037ull;
  for (unsigned char c : title) {
    h ^= c;
    h *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, h);
  return text;
}

CalendarEvent NewYearEvent(Reckoner& r, const ListedDates& dates, const AnniversaryYear& year,
                           Language language) {
  CalendarEvent e;
  const int32_t lunarYear = LunarYearOf(year.date, dates.epoch);
  e.uid = "lunar-new-year-" + std::to_string(lunarYear) + "-" + Meridian(dates.longitude) + kUidDomain;
  e.summary = PhraseText(language, Phrase::kNewYearSummary);
  e.description = r.ChlDateText(year.date, 0, "CHL") + " = " + CeText(year.date.jdn) +
                  ", the first day of the lunar year " + std::to_string(lunarYear) + ".\n" +
                  PlaceText(dates, lunarYear);
  e.start = CeDayOf(year.date.jdn);
  return e;
}

// Why a year lacks the anniversary's own date.
std::string MissingText(Reckoner& r, const AnniversaryYear& year) {
  std::string text;
  const std::string wanted = r.ChlDateText(year.wanted, 0, "CHL");
  if (year.noSuchMonth) {
    text = wanted + " does not exist: that lunar year has no leap month " +
           std::to_string(year.wanted.month) + ".";
    if (year.noSuchDay) {
      text +=
          " " + r.ChlDateText(year.missingDay, 0, "CHL") + " does not exist either: that month has 29 days.";
    }
  } else if (year.noSuchDay) {
    text = wanted + " does not exist: that month has 29 days.";
  } else {
    text = wanted + " could not be found.";
  }
  return text;
}

// The UID follows the title in English (`title`), so that a file written in another language
// updates the same events; the summary is the title in the language.
CalendarEvent AnniversaryEvent(Reckoner& r, const ListedDates& dates, const AnniversaryYear& year,
                               const std::string& title, const std::string& summary,
                               AnniversaryPolicy policy) {
  CalendarEvent e;
  e.uid = "anniversary-" + MonthKey(dates.start) + "-" + TwoDigits(dates.start.day) + "-" + TitleKey(title) +
          "-" + std::to_string(LunarYearOf(year.wanted, dates.epoch)) + "-" + Meridian(dates.longitude) +
          kUidDomain;
  e.summary = summary;
  const std::string after = year.index == 0
                                ? ""
                                : ", " + std::to_string(year.index) + (year.index == 1 ? " year" : " years") +
                                      " after " + r.ChlDateText(dates.start, 0, "CHL");
  if (year.Moved()) {
    e.description = "Lunar date " + r.ChlDateText(year.wanted, 0, "CHL") + after + ".\n" +
                    MissingText(r, year) + " By the rule \"" + AnniversaryPolicyName(policy) +
                    "\" the anniversary falls on " + r.ChlDateText(year.date, 0, "CHL") + " = " +
                    CeText(year.date.jdn) + ".";
  } else {
    e.description = r.ChlDateText(year.date, 0, "CHL") + " = " + CeText(year.date.jdn) + after + ".";
  }
  e.description += "\n" + PlaceText(dates, LunarYearOf(year.date, dates.epoch));
  e.start = CeDayOf(year.date.jdn);
  return e;
}

CalendarEvent MonthStartEvent(Reckoner& r, const ListedDates& dates, const MonthStart& start,
                              Language language) {
  CalendarEvent e;
  const ChlDate& d = start.date;
  e.uid = "lunar-month-" + std::to_string(LunarYearOf(d, dates.epoch)) + "-" + MonthKey(d) + "-" +
          Meridian(dates.longitude) + kUidDomain;
  // Other languages name the month's first day as their calendars do (农历闰四月初一).
  e.summary = language == Language::kEnglish
                  ? (d.leap ? "Leap month " : "Lunar month ") + MonthLabel(d.month, d.leap) + " begins"
                  : LunarMonthDayWords(language, d.month, d.leap != 0, 1);
  e.description = r.ChlDateText(d, 0, "CHL") + " = " + CeText(d.jdn) + ", the first day of " +
                  (d.leap ? "leap month " : "month ") + MonthLabel(d.month, d.leap) + " (" +
                  std::to_string(start.length) + " days).\n" + PlaceText(dates, LunarYearOf(d, dates.epoch));
  e.start = CeDayOf(d.jdn);
  return e;
}

// Lunar new years: the anniversaries of 01-01 (not leap).
bool StartsOnNewYear(const ListedDates& dates) {
  return dates.start.month == 1 && dates.start.day == 1 && !dates.start.leap;
}

}  // namespace

ListedDates AnniversaryDates(Reckoner& reckoner, const ChlDate& start, int years, AnniversaryPolicy policy) {
  ListedDates dates;
  dates.kind = ListedDates::kAnniversaries;
  dates.longitude = reckoner.ReferenceLongitude();
  dates.historical = reckoner.Historical();
  dates.country = reckoner.CountryIndex();
  dates.epoch = reckoner.Epoch();
  AnniversarySeries series(reckoner, start, policy);
  dates.start = series.start();
  AnniversaryYear year;
  while (static_cast<int>(dates.years.size()) < years && series.Next(year)) dates.years.push_back(year);
  return dates;
}

ListedDates NewYearDates(Reckoner& reckoner, int32_t fromYear, int32_t toYear) {
  ChlDate first;
  first.epoch = reckoner.Epoch();
  first.cycle = CycleOf(fromYear, reckoner.Epoch());
  first.position = PositionOf(fromYear);
  first.month = 1;
  first.day = 1;
  return AnniversaryDates(reckoner, first, toYear - fromYear + 1, AnniversaryPolicy::kListing);
}

ListedDates MonthStartDates(Reckoner& reckoner, int32_t fromYear, int32_t toYear, bool leapOnly) {
  ListedDates dates;
  dates.kind = ListedDates::kMonthStarts;
  dates.leapMonthsOnly = leapOnly;
  dates.longitude = reckoner.ReferenceLongitude();
  dates.historical = reckoner.Historical();
  dates.country = reckoner.CountryIndex();
  dates.epoch = reckoner.Epoch();
  for (int32_t y = fromYear; y <= toYear; ++y) {
    for (const MonthStart& m : MonthStartsOfYear(reckoner, y, leapOnly)) {
      if (m.status == kChlValid) dates.months.push_back(m);
    }
  }
  return dates;
}

std::string DefaultAnniversaryTitle(const ChlDate& start) {
  return "Lunar anniversary " + MonthLabel(start.month, start.leap) + "-" + TwoDigits(start.day);
}

std::vector<CalendarEvent> ListedEvents(Reckoner& reckoner, const ListedDates& dates,
                                        const std::string& title, AnniversaryPolicy policy,
                                        Language language) {
  std::vector<CalendarEvent> events;
  if (dates.kind == ListedDates::kFestivals) {
    // The list's own lunar dates: the reckoner may have changed its country or meridian since.
    const bool listedLunar = dates.festivalLunarDates.size() == dates.festivals.size();
    return dates.festivalCountry
               ? FestivalEvents(reckoner, *dates.festivalCountry, dates.festivals, dates.language,
                                listedLunar ? &dates.festivalLunarDates : nullptr)
               : events;
  }
  if (dates.kind == ListedDates::kMonthStarts) {
    for (const MonthStart& m : dates.months) events.push_back(MonthStartEvent(reckoner, dates, m, language));
    return events;
  }
  const bool newYears = title.empty() && StartsOnNewYear(dates);
  const std::string name = title.empty() ? DefaultAnniversaryTitle(dates.start) : title;
  const std::string summary =
      title.empty() && language != Language::kEnglish
          ? LunarMonthDayWords(language, dates.start.month, dates.start.leap != 0, dates.start.day)
          : name;
  for (const AnniversaryYear& year : dates.years) {
    if (!year.found) continue;
    events.push_back(newYears ? NewYearEvent(reckoner, dates, year, language)
                              : AnniversaryEvent(reckoner, dates, year, name, summary, policy));
  }
  return events;
}

std::vector<CalendarEvent> AlmanacCalendarEvents(const std::vector<AlmanacEvent>& events, int longitude,
                                                 bool terms, Language language) {
  std::vector<CalendarEvent> out;
  const std::string zone = ZoneLabel(longitude);
  for (const AlmanacEvent& a : events) {
    if ((a.kind == kAlmanacSolarTerm) != terms) continue;
    // The meridian is a whole number of degrees, four minutes of time each: UTC is the civil
    // second shown at the meridian moved by a whole number of seconds.
    const CivilSecond civil = CivilSecondOf(a);
    const int64_t utc = static_cast<int64_t>(civil.jdn) * 86400 + civil.second - longitude * 240;
    const int64_t utcDay = FloorDiv(utc, 86400);
    const int utcSecond = static_cast<int>(FloorMod(utc, 86400));
    CalendarEvent e;
    e.allDay = false;
    e.start = CeDayOf(static_cast<int32_t>(utcDay));
    e.start.hour = utcSecond / 3600;
    e.start.minute = utcSecond / 60 % 60;
    e.start.second = utcSecond % 60;
    const std::string when = listing::DateText(listing::DateOfJdn(static_cast<int32_t>(utcDay), false)) +
                             " " + SecondOfDayText(utcSecond, true) +
                             " UTC = " + listing::DateText(listing::DateOfJdn(civil.jdn, false)) + " " +
                             SecondOfDayText(civil.second, true) + " " + zone + " (longitude " +
                             std::to_string(longitude) + "º E).";
    if (a.kind == kAlmanacSolarTerm) {
      const std::string name = std::string(TermCode(a.number)) + " " + std::string(TermName(a.number)) +
                               " (" + std::string(TermEnglishName(a.number)) + ")";
      e.uid = "solar-term-" + std::to_string(a.sui) + "-" + TwoDigits(a.number) + kUidDomain;
      e.summary = language == Language::kEnglish ? name : std::string(names::SolarTerm(language, a.number));
      e.description = "Solar term " + name + ", the Sun at " +
                      std::to_string((270 + 15 * (a.number - 1)) % 360) + "º: " + when;
    } else {
      const std::string name(AlmanacKindName(a.kind));
      e.uid = "moon-phase-" + std::to_string(a.number) + "-" + std::to_string(a.kind) + kUidDomain;
      e.summary = language == Language::kEnglish ? name : std::string(names::MoonPhase(language, a.kind));
      e.description = name + " of lunation " + std::to_string(a.number) + ": " + when;
    }
    out.push_back(std::move(e));
  }
  return out;
}

std::string ListedCalendarName(const ListedDates& dates, const std::string& title) {
  if (dates.kind == ListedDates::kFestivals && dates.festivalCountry) {
    return FestivalCalendarName(*dates.festivalCountry, dates.language);
  }
  const std::string place = " (" + listing::CountryName(dates.country) + ")";
  if (dates.kind == ListedDates::kMonthStarts) {
    return (dates.leapMonthsOnly ? "Leap months" : "Lunar month starts") + place;
  }
  if (!title.empty()) return title;
  if (StartsOnNewYear(dates)) return "Lunar new years" + place;
  return DefaultAnniversaryTitle(dates.start) + place;
}

std::string ListedFileName(const ListedDates& dates) {
  if (dates.kind == ListedDates::kFestivals) return "festivals.ics";
  if (dates.kind == ListedDates::kMonthStarts) {
    return dates.leapMonthsOnly ? "leap-months.ics" : "lunar-month-starts.ics";
  }
  if (StartsOnNewYear(dates)) return "lunar-new-years.ics";
  return "lunar-anniversary-" + MonthKey(dates.start) + "-" + TwoDigits(dates.start.day) + ".ics";
}

CalendarSaveOutcome SaveListedDates(Reckoner& reckoner, const ListedDates& dates, FileDialogs& dialogs,
                                    TextFiles& files, Messages& messages) {
  std::vector<CalendarEvent> events = ListedEvents(reckoner, dates);
  const size_t listed = events.size();
  std::erase_if(events, [](const CalendarEvent& e) { return !InICalendarYears(e.start); });
  const size_t leftOut = listed - events.size();
  const std::string leftOutText =
      leftOut == 0 ? "" : std::to_string(leftOut) + (leftOut == 1 ? " date " : " dates ") + kDatesLeftOut;
  if (events.empty()) {
    messages.Show(kSaveICalendarTitle, std::string(kNothingToSave) + (leftOut == 0 ? "" : "\n" + leftOutText),
                  MessageIcon::kInformation, MessageButtons::kOk);
    return CalendarSaveOutcome::kNothing;
  }
  std::string text;
  try {
    text = ICalendarText(events, UtcNow(), ListedCalendarName(dates));
  } catch (const std::exception& e) {
    messages.Show(kSaveICalendarTitle, std::string(kCalendarNotSaved) + "\n" + e.what(), MessageIcon::kError,
                  MessageButtons::kOk);
    return CalendarSaveOutcome::kFailed;
  }
  const std::string path = dialogs.SaveFileName(kSaveICalendarDialogTitle, kICalendarFilter,
                                                ListedFileName(dates), StartFolder::kDocuments);
  if (path.empty()) return CalendarSaveOutcome::kCancelled;
  const std::string reason = files.Replace(path, text);
  if (!reason.empty()) {
    messages.Show(kSaveICalendarTitle, std::string(kCalendarNotSaved) + "\n" + reason, MessageIcon::kError,
                  MessageButtons::kOk);
    return CalendarSaveOutcome::kFailed;
  }
  messages.Show(kSaveICalendarTitle,
                std::string(kCalendarSaved) + " (" + std::to_string(events.size()) +
                    (events.size() == 1 ? " event" : " events") + "):\n" + path +
                    (leftOut == 0 ? "" : "\n" + leftOutText),
                MessageIcon::kInformation, MessageButtons::kOk);
  return CalendarSaveOutcome::kSaved;
}

std::vector<CalendarEvent> FestivalEvents(Reckoner& reckoner, const FestivalCountry& country,
                                          const std::vector<FestivalDay>& days, Language language,
                                          const std::vector<ChlDate>* lunarDates) {
  std::vector<CalendarEvent> events;
  events.reserve(days.size());
  for (size_t i = 0; i < days.size(); ++i) {
    const FestivalDay& day = days[i];
    const std::string lunar = lunarDates ? NativeLunarDate(language, (*lunarDates)[i])
                                         : NativeLunarDateOfDay(language, reckoner, day.jdn);
    CalendarEvent e;
    e.uid = "festival-" + day.festival->id + "-" + std::to_string(day.year) + "-" + country.name + kUidDomain;
    e.summary = day.festival->name(language);
    e.start = CeDayOf(day.jdn);
    e.description = lunar + ". Rule: " + day.festival->rule.text + ".";
    if (day.lastJdn > day.jdn) e.description += " Until " + CeText(day.lastJdn) + ".";
    if (const std::string note = UncertainFestivalNote(day); !note.empty()) {
      e.description += " Other tables may give another day (" + note + ").";
    }
    events.push_back(std::move(e));
  }
  return events;
}

std::string FestivalCalendarName(const FestivalCountry& country, Language language) {
  static constexpr const char* kWord[kLanguageCount] = {"Festivals", "节日", "節日",
                                                        "Ngày lễ",   "行事", "명절"};
  return std::string(kWord[static_cast<int>(language)]) + " (" + country.name + ")";
}

}  // namespace mirvo
