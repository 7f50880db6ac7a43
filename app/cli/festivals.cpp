// mirvo-cli festivals: the festivals and seasonal days of a country over a span of years.
#include <iostream>
#include <memory>

#include "app/cli/Batch.h"
#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "app/cli/FestivalOptions.h"
#include "core/chinese/Reckoner.h"
#include "core/names/NativeDate.h"
#include "features/export/CalendarExport.h"
#include "platform/ical/ICalendar.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli festivals --from YEAR --to YEAR [--country vietnam|china|japan|korea]\n"
    "                           [--longitude L] [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "                           [--format text|tsv|ics]\n"
    "The festivals and seasonal days of the country (default China) of the years YEAR..YEAR\n"
    "(1..3000), as the table festivals.txt beside the program gives them: those on lunar dates\n"
    "for the lunar years beginning in those CE years, the others counted from the solar terms\n"
    "or solar longitudes of those CE years (the winter nines of a year run into the next one).\n"
    "Each year's days are in date order; days are civil days at the country's meridian (or L\n"
    "degrees east). A day that rests on an instant closer to midnight than the uncertainty of\n"
    "its time says so. --lang names the festivals and lunar dates in that language (default\n"
    "English); TSV never changes with it. TSV columns: date, jdn, id, name (English),\n"
    "lunar_date (the CHL code), rule (as the table writes it). ics writes the days as all-day\n"
    "events, as `mirvo-cli export festivals` does.\n";

std::string ListedYear(Reckoner& r, const FestivalSettings& s, int32_t year, bool tsv) {
  std::string text;
  for (const FestivalDay& day : FestivalDaysOfYear(r, *s.country, year)) {
    const Festival& f = *day.festival;
    if (tsv) {
      ChlDate chl;
      r.DayToChl(day.jdn, r.Epoch(), chl);
      text += IsoDateOfJdn(day.jdn) + '\t' + std::to_string(day.jdn) + '\t' + f.id + '\t' +
              f.name(Language::kEnglish) + '\t' + (chl.valid ? r.ChlDateText(chl, 0) : "") + '\t' +
              f.rule.text + '\n';
      continue;
    }
    text += IsoDateOfJdn(day.jdn) + "  " + f.name(s.language) + "  (" +
            NativeLunarDateOfDay(s.language, r, day.jdn) + ")";
    if (day.lastJdn > day.jdn) text += "  to " + IsoDateOfJdn(day.lastJdn);
    if (const std::string note = UncertainFestivalNote(day); !note.empty()) text += "  uncertain: " + note;
    text += '\n';
  }
  return text;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  RefusePositional(args);
  // Named values, not a structured binding: the workers' lambdas capture them.
  const auto span = YearSpanOptions(args, kFirstICalendarYear, kLastICalendarYear);
  const long from = span.first, to = span.second;
  const std::string format = args.value("format", "text");
  if (format != "text" && format != "tsv" && format != "ics")
    throw UsageError("--format must be text, tsv or ics");
  const FestivalTableRead read = ProgramFestivalTable();
  if (!read.table) {
    err << "mirvo-cli festivals: " << read.error << "\n";
    return kExitFailure;
  }
  const FestivalSettings s = FestivalOptions(args, *read.table);
  auto reckonerFor = [&s] {
    auto r = std::make_unique<Reckoner>();
    r->SetReferenceLongitude(s.longitude);
    return r;
  };
  if (format == "ics") {
    auto r = reckonerFor();
    const EventTime stamp = UtcNow();
    size_t leftOut = 0;
    out << ICalendarHead(FestivalCalendarName(*s.country, s.language));
    for (long year = from; year <= to && out; ++year) {
      const auto days = FestivalDaysOfYear(*r, *s.country, static_cast<int32_t>(year));
      for (const CalendarEvent& e : FestivalEvents(*r, *s.country, days, s.language)) {
        if (InICalendarYears(e.start)) {
          out << ICalendarEventText(e, stamp);
        } else {
          ++leftOut;
        }
      }
    }
    out << ICalendarTail();
    if (leftOut > 0) {
      err << "mirvo-cli festivals: " << leftOut << (leftOut == 1 ? " date " : " dates ") << kDatesLeftOut
          << "\n";
      return kExitNotFound;
    }
    return kExitOk;
  }
  const bool tsv = format == "tsv";
  if (tsv) out << "date\tjdn\tid\tname\tlunar_date\trule\n";
  WriteSpanInOrder(
      from, to, 16, 128, reckonerFor,
      [&](Reckoner& r, long year, std::string& text) {
        text += ListedYear(r, s, static_cast<int32_t>(year), tsv);
      },
      out);
  return kExitOk;
}

}  // namespace

Command FestivalsCommand() {
  return {"festivals",
          "the festivals and seasonal days of a country over a span of years",
          kUsage,
          Run,
          {"from", "to", "country", "longitude", "lang", "format"},
          {}};
}

}  // namespace mirvo::cli
