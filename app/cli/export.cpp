// mirvo-cli export: lunar anniversaries, lunar new years, month starts, leap months, solar terms
// and the Moon's phases as an iCalendar file for the user's own calendar program.
#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "app/cli/FestivalOptions.h"
#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/AlmanacEvents.h"
#include "features/export/CalendarExport.h"
#include "features/listings/ListingTexts.h"
#include "features/listings/Listings.h"
#include "features/session/MainRules.h"
#include "platform/ical/ICalendar.h"
#include "util/Files.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli export anniversaries [ENTRY] [--years N] [--from-year Y] [--title TEXT]\n"
    "                        [--policy listing|skip|earlier|later] [options of `show`]\n"
    "                        [--format ics] [--output FILE]\n"
    "       mirvo-cli export new-years|months|leap-months|terms|phases --from YEAR --to YEAR\n"
    "                        [--country vietnam|china|japan|korea | --longitude L] [--epoch E]\n"
    "                        [--historical] [--format ics] [--output FILE]\n"
    "                        [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "       mirvo-cli export festivals --from YEAR --to YEAR [--country vietnam|china|japan|korea]\n"
    "                        [--longitude L] [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "                        [--format ics] [--output FILE]\n"
    "Writes an iCalendar file (RFC 5545) to stdout (also with --output -), or to FILE: a regular\n"
    "file (a symbolic link is followed to it) is replaced only once complete and keeps its\n"
    "permissions, one you may not write is refused; a device or a FIFO is written to.\n"
    "  anniversaries  the day the lunar date of ENTRY (a date with its calendar code, as for\n"
    "                 `show`; default the present moment) falls on in N lunar years (default 20)\n"
    "                 from its own lunar year or the lunar year beginning in CE year Y, as the\n"
    "                 data window lists them; a start on 01-01 without --title gives the lunar\n"
    "                 new years. A year that lacks the date (day 30 of a 29-day month, a leap\n"
    "                 month the year does not have) follows --policy:\n"
    "                   listing  the list's rule: day 29, or the ordinary month (default)\n"
    "                   earlier  the nearest day before: the same days as listing\n"
    "                   later    the nearest day after: day 1 of the next month, or the month\n"
    "                            after the missing leap month\n"
    "                   skip     no event that year\n"
    "  new-years      the lunar new years of the lunar years beginning in YEAR..YEAR\n"
    "  months         the first day of every lunar month of those lunar years\n"
    "  leap-months    the first day of their leap months\n"
    "  terms          the 24 solar terms whose civil day at the meridian lies in YEAR..YEAR\n"
    "  phases         new moons, first quarters, full moons and last quarters, likewise\n"
    "  festivals      the festivals and seasonal days of the country's years YEAR..YEAR, as\n"
    "                 `mirvo-cli festivals` lists them, named in the --lang language; the UID\n"
    "                 follows the festival, its year and the country\n"
    "Dates are all-day events (VALUE=DATE, the same day in every time zone); solar terms and\n"
    "phases are instants in UTC to the second, as `almanac` shows them at the meridian. Years\n"
    "run from 1 to 3000. Every event's UID follows its lunar year, month, term or lunation, so\n"
    "importing a file again updates the events instead of doubling them. --title takes at most\n"
    "1000 characters. --lang names the events (SUMMARY) in that language: 春节, 农历闰四月初一,\n"
    "立春, 满月; their UIDs, dates and descriptions stay the same.\n"
    "Events beyond the years 1 to 3000 that a file can hold (the last months of the lunar year\n"
    "3000 begin in 3001) are left out: the file holds the others, stderr says how many were\n"
    "left out, and the exit code is 3. A file that cannot be written exits with 1, bad input\n"
    "with 2.\n";

// The longest title taken: a calendar shows a line of a few dozen characters, and every event
// of a file repeats its title.
constexpr size_t kMaxTitleCharacters = 1000;
// Lunar years (or CE years of terms and phases) made into events at a time: the file is written
// as it is made, so that memory stays small however many years are asked for.
constexpr int32_t kYearsPerBlock = 64;

// The file being written: a FileReplacement of --output, or standard output, whose failure the
// program reports as it reports that of any command.
class CalendarSink {
 public:
  CalendarSink(std::ostream& out, const std::optional<std::string>& path) : out_(out) {
    if (path && *path != "-") file_.emplace(*path);
  }
  std::string error() const { return file_ ? file_->error() : ""; }
  // False once nothing more can be written.
  bool Write(std::string_view text) {
    if (file_) return file_->Write(text);
    return static_cast<bool>(out_ << text);
  }
  std::string Commit() { return file_ ? file_->Commit() : ""; }

 private:
  std::ostream& out_;
  std::optional<FileReplacement> file_;
};

// The events of an export, made a block of years at a time: each call fills `events` with the
// next block's and returns false once every block has been made.
using EventBlocks = std::function<bool(std::vector<CalendarEvent>& events)>;

struct ExportPlan {
  std::string name;  // the calendar's name
  EventBlocks blocks;
  size_t yearsBeyond = 0;  // anniversaries asked for in lunar years after kLastICalendarYear
  std::unique_ptr<Reckoner> reckoner;
};

// Anniversaries, or the lunar new years of a start on 01-01 without a title. Lunar years that
// begin after the last year a file can hold are not made: all their days lie beyond it.
bool PlanAnniversaries(const Args& args, ExportPlan& plan, std::ostream& err) {
  const int years = static_cast<int>(args.integer("years", 1, kMaxListYears).value_or(20));
  AnniversaryPolicy policy = AnniversaryPolicy::kListing;
  if (auto p = args.value("policy"); p && !ParseAnniversaryPolicy(*p, policy)) {
    throw UsageError("--policy must be listing, skip, earlier or later");
  }
  const auto fromYear = args.integer("from-year", kFirstICalendarYear, kLastICalendarYear);
  const std::string title = args.value("title", "");
  if (listing::CharacterCount(title) > kMaxTitleCharacters) {
    throw UsageError("--title must be at most " + std::to_string(kMaxTitleCharacters) + " characters");
  }

  plan.reckoner = std::make_unique<Reckoner>();
  Reckoner& reckoner = *plan.reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (const std::optional<Refusal> refusal = ConvertEntryText(args, JoinedArguments(args, 1), rules)) {
    err << "mirvo-cli export: " << OneLineMessage(refusal->text) << "\n";
    return false;
  }
  ChlDate start;
  reckoner.DayToChl(CjdcFromAjd(rules.currentAjd(), reckoner.ReferenceDegrees()), reckoner.Epoch(), start);
  if (!start.valid) {
    err << "mirvo-cli export: " << kLunarDateInvalid << "\n";
    return false;
  }
  if (fromYear) {
    start.cycle = CycleOf(static_cast<int32_t>(*fromYear), reckoner.Epoch());
    start.position = PositionOf(static_cast<int32_t>(*fromYear));
  }
  const int32_t firstYear = YearFromCycle(start.cycle, start.position, reckoner.Epoch());
  const int made =
      static_cast<int>(std::clamp<int64_t>(int64_t{kLastICalendarYear} - firstYear + 1, 0, years));
  plan.yearsBeyond = static_cast<size_t>(years - made);
  ListedDates dates = AnniversaryDates(reckoner, start, made, policy);
  plan.name = ListedCalendarName(dates, title);
  auto listed = std::make_shared<std::vector<AnniversaryYear>>(std::move(dates.years));
  dates.years.clear();
  const Language language = rules.settings().language;
  plan.blocks = [&reckoner, dates, listed, title, policy, language,
                 next = size_t{0}](std::vector<CalendarEvent>& events) mutable {
    if (next >= listed->size()) return false;
    const size_t end = std::min(listed->size(), next + kYearsPerBlock);
    ListedDates block = dates;
    block.years.assign(listed->begin() + static_cast<ptrdiff_t>(next),
                       listed->begin() + static_cast<ptrdiff_t>(end));
    next = end;
    events = ListedEvents(reckoner, block, title, policy, language);
    return true;
  };
  return true;
}

// New years, month starts or leap months of the lunar years from..to; solar terms or phases of
// the CE years from..to.
void PlanSpan(const Args& args, const std::string& kind, ExportPlan& plan) {
  if (args.positional().size() > 1) {
    throw UsageError("no ENTRY for " + kind + ": it takes --from and --to");
  }
  const auto [from, to] = YearSpanOptions(args, kFirstICalendarYear, kLastICalendarYear);
  const ChineseSettings settings = ChineseOptions(args);
  plan.reckoner = std::make_unique<Reckoner>();
  Reckoner& reckoner = *plan.reckoner;
  ApplyChineseSettings(settings, reckoner);
  const auto first = static_cast<int32_t>(from), last = static_cast<int32_t>(to);
  const Language language = LanguageOption(args);
  auto blockEnd = [last](int32_t year) { return std::min(last, year + kYearsPerBlock - 1); };
  if (kind == "terms" || kind == "phases") {
    const bool terms = kind == "terms";
    plan.name = terms ? "Solar terms" : "Phases of the Moon";
    plan.blocks = [&reckoner, terms, longitude = settings.longitude, blockEnd, last, language,
                   year = first](std::vector<CalendarEvent>& events) mutable {
      if (year > last) return false;
      std::vector<AlmanacEvent> almanac;
      for (const int32_t end = blockEnd(year); year <= end; ++year) {
        const auto ofYear = AlmanacEventsOfYear(reckoner.ephemeris(), year, longitude);
        almanac.insert(almanac.end(), ofYear.begin(), ofYear.end());
      }
      events = AlmanacCalendarEvents(almanac, longitude, terms, language);
      return true;
    };
    return;
  }
  const bool newYears = kind == "new-years", leapOnly = kind == "leap-months";
  auto datesOf = [&reckoner, newYears, leapOnly](int32_t a, int32_t b) {
    return newYears ? NewYearDates(reckoner, a, b) : MonthStartDates(reckoner, a, b, leapOnly);
  };
  // The name follows the kind of list only (and the start on 01-01 of the new years): an empty
  // span of month starts, one year of new years.
  plan.name = ListedCalendarName(datesOf(first, newYears ? first : first - 1));
  plan.blocks = [&reckoner, datesOf, blockEnd, last, language,
                 year = first](std::vector<CalendarEvent>& events) mutable {
    if (year > last) return false;
    const int32_t end = blockEnd(year);
    events = ListedEvents(reckoner, datesOf(year, end), "", AnniversaryPolicy::kListing, language);
    year = end + 1;
    return true;
  };
}

// The festival days of the years from..to (their years as the festival table counts them).
bool PlanFestivals(const Args& args, ExportPlan& plan, std::ostream& err) {
  if (args.positional().size() > 1) throw UsageError("no ENTRY for festivals: it takes --from and --to");
  const auto [from, to] = YearSpanOptions(args, kFirstICalendarYear, kLastICalendarYear);
  FestivalTableRead read = ProgramFestivalTable();
  if (!read.table) {
    err << "mirvo-cli export: " << read.error << "\n";
    return false;
  }
  auto shared = std::make_shared<const FestivalTable>(std::move(*read.table));
  const FestivalSettings s = FestivalOptions(args, *shared);
  plan.reckoner = std::make_unique<Reckoner>();
  plan.reckoner->SetReferenceLongitude(s.longitude);
  plan.name = FestivalCalendarName(*s.country, s.language);
  plan.blocks = [&reckoner = *plan.reckoner, shared, s, last = static_cast<int32_t>(to),
                 year = static_cast<int32_t>(from)](std::vector<CalendarEvent>& events) mutable {
    if (year > last) return false;
    events.clear();
    for (const int32_t end = std::min(last, year + kYearsPerBlock - 1); year <= end; ++year) {
      const auto ofYear =
          FestivalEvents(reckoner, *s.country, FestivalDaysOfYear(reckoner, *s.country, year), s.language);
      events.insert(events.end(), ofYear.begin(), ofYear.end());
    }
    return true;
  };
  return true;
}

// The plan of the export the first argument names; kExitOk, or the exit code of its failure.
int PlanExport(const Args& args, ExportPlan& plan, std::ostream& err) {
  if (args.positional().empty()) {
    throw UsageError(
        "what to export: anniversaries, new-years, months, leap-months, terms, phases or festivals");
  }
  if (args.value("format", "ics") != "ics") throw UsageError("--format must be ics");
  const std::string& kind = args.positional()[0];
  if (kind == "anniversaries") return PlanAnniversaries(args, plan, err) ? kExitOk : kExitBadInput;
  if (kind == "new-years" || kind == "months" || kind == "leap-months" || kind == "terms" ||
      kind == "phases") {
    PlanSpan(args, kind, plan);
    return kExitOk;
  }
  if (kind == "festivals") return PlanFestivals(args, plan, err) ? kExitOk : kExitFailure;
  throw UsageError("unknown export " + QuotedText(kind));
}

// The calendar's head, its events a block at a time and its tail, counting in `leftOut` the
// events beyond the years a file can hold; false once the sink takes nothing more.
bool WriteCalendar(CalendarSink& sink, ExportPlan& plan, size_t& leftOut) {
  const EventTime stamp = UtcNow();
  bool writing = sink.Write(ICalendarHead(plan.name));
  std::vector<CalendarEvent> events;
  while (writing && plan.blocks(events)) {
    for (const CalendarEvent& e : events) {
      if (!InICalendarYears(e.start)) {
        ++leftOut;
        continue;
      }
      if (!(writing = sink.Write(ICalendarEventText(e, stamp)))) break;
    }
  }
  if (writing) writing = sink.Write(ICalendarTail());
  return writing;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  ExportPlan plan;
  if (const int exit = PlanExport(args, plan, err); exit != kExitOk) return exit;

  const auto path = args.value("output");
  auto cannotWrite = [&](const std::string& reason) {
    err << "mirvo-cli export: cannot write " << (path && *path != "-" ? QuotedText(*path) : "the output")
        << ": " << reason << "\n";
    return kExitFailure;
  };
  CalendarSink sink(out, path);
  if (!sink.error().empty()) return cannotWrite(sink.error());
  size_t leftOut = plan.yearsBeyond;
  bool writing = true;
  try {
    writing = WriteCalendar(sink, plan, leftOut);
  } catch (const std::exception& e) {
    return cannotWrite(e.what());
  }
  // Lost standard output is reported by the program as for any command; a file says why here.
  if (const std::string reason = sink.Commit(); !reason.empty()) return cannotWrite(reason);
  if (!writing) return kExitFailure;
  if (leftOut > 0) {
    err << "mirvo-cli export: " << leftOut << (leftOut == 1 ? " date " : " dates ") << kDatesLeftOut << "\n";
    return kExitNotFound;
  }
  return kExitOk;
}

}  // namespace

Command ExportCommand() {
  return {
      "export",
      "anniversaries, new years, months, terms and phases as an iCalendar file",
      kUsage,
      Run,
      EntryOptionNames({"years", "from-year", "title", "policy", "format", "output", "from", "to", "lang"}),
      EntryFlagNames()};
}

}  // namespace mirvo::cli
