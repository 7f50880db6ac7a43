// mirvo-cli export: lunar anniversaries, lunar new years, month starts, leap months, solar terms
// and the Moon's phases as an iCalendar file for the user's own calendar program.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/AlmanacEvents.h"
#include "platform/ical/ICalendar.h"
#include "features/export/CalendarExport.h"
#include "features/listings/Listings.h"
#include "features/session/MainRules.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli export anniversaries [ENTRY] [--years N] [--from-year Y] [--title TEXT]\n"
    "                        [--policy listing|skip|earlier|later] [options of `show`]\n"
    "                        [--format ics] [--output FILE]\n"
    "       mirvo-cli export new-years|months|leap-months|terms|phases --from YEAR --to YEAR\n"
    "                        [--country vietnam|china|japan | --longitude L] [--epoch E]\n"
    "                        [--format ics] [--output FILE]\n"
    "Writes an iCalendar file (RFC 5545) to stdout, or to FILE (replaced only once complete):\n"
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
    "Dates are all-day events (VALUE=DATE, the same day in every time zone); solar terms and\n"
    "phases are instants in UTC to the second, as `almanac` shows them at the meridian. Years\n"
    "run from 1 to 3000. Every event's UID follows its lunar year, month, term or lunation, so\n"
    "importing a file again updates the events instead of doubling them.\n";

// Writes beside the target and renames over it, so that the file is either the old one or the
// whole new one.
std::string ReplaceFile(const std::string& path, const std::string& content) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string reason = n < 0 ? std::strerror(errno) : "nothing written";
      close(fd);
      unlink(temp.c_str());
      return reason;
    }
    done += static_cast<size_t>(n);
  }
  // mkstemp makes the file for its owner only; a calendar file is as readable as any other.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  if (fsync(fd) != 0 || close(fd) != 0) {
    const std::string reason = std::strerror(errno);
    unlink(temp.c_str());
    return reason;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    unlink(temp.c_str());
    return reason;
  }
  return "";
}

std::vector<CalendarEvent> AnniversaryEvents(const Args& args, std::string& name, std::ostream& err,
                                             bool& refused) {
  const int years = static_cast<int>(args.integer("years", 1, kMaxListYears).value_or(20));
  AnniversaryPolicy policy = AnniversaryPolicy::kListing;
  if (auto p = args.value("policy"); p && !ParseAnniversaryPolicy(*p, policy)) {
    throw UsageError("--policy must be listing, skip, earlier or later");
  }
  const auto fromYear = args.integer("from-year", kFirstICalendarYear, kLastICalendarYear);
  const std::string title = args.value("title", "");

  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (!ConvertEntryText(args, JoinedArguments(args, 1), rules)) {
    err << "mirvo-cli export: " << OneLineMessage(rules.lastMessage()) << "\n";
    refused = true;
    return {};
  }
  ChlDate start;
  reckoner.DayToChl(CjdcFromAjd(rules.currentAjd(), reckoner.ReferenceLongitude()), reckoner.Epoch(),
                    start);
  if (!start.valid) {
    err << "mirvo-cli export: " << kLunarDateInvalid << "\n";
    refused = true;
    return {};
  }
  if (fromYear) {
    start.cycle = CycleOf(static_cast<int32_t>(*fromYear), reckoner.Epoch());
    start.position = PositionOf(static_cast<int32_t>(*fromYear));
  }
  const ListedDates dates = AnniversaryDates(reckoner, start, years, policy);
  name = ListedCalendarName(dates, title);
  return ListedEvents(reckoner, dates, title, policy);
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.positional().empty()) {
    throw UsageError("what to export: anniversaries, new-years, months, leap-months, terms or phases");
  }
  if (args.value("format", "ics") != "ics") throw UsageError("--format must be ics");
  const std::string& kind = args.positional()[0];
  std::vector<CalendarEvent> events;
  std::string name;
  if (kind == "anniversaries") {
    bool refused = false;
    events = AnniversaryEvents(args, name, err, refused);
    if (refused) return kExitBadInput;
  } else if (kind == "new-years" || kind == "months" || kind == "leap-months" || kind == "terms" ||
             kind == "phases") {
    if (args.positional().size() > 1) throw UsageError("no ENTRY for " + kind + ": it takes --from and --to");
    const auto [from, to] = YearSpanOptions(args, kFirstICalendarYear, kLastICalendarYear);
    const ChineseSettings settings = ChineseOptions(args);
    Reckoner reckoner;
    ApplyChineseSettings(settings, reckoner);
    const auto first = static_cast<int32_t>(from), last = static_cast<int32_t>(to);
    if (kind == "terms" || kind == "phases") {
      std::vector<AlmanacEvent> almanac;
      for (int32_t y = first; y <= last; ++y) {
        const auto year = AlmanacEventsOfYear(reckoner.ephemeris(), y, settings.longitude);
        almanac.insert(almanac.end(), year.begin(), year.end());
      }
      events = AlmanacCalendarEvents(almanac, settings.longitude, kind == "terms");
      name = kind == "terms" ? "Solar terms" : "Phases of the Moon";
    } else {
      const ListedDates dates = kind == "new-years"
                                    ? NewYearDates(reckoner, first, last)
                                    : MonthStartDates(reckoner, first, last, kind == "leap-months");
      events = ListedEvents(reckoner, dates);
      name = ListedCalendarName(dates);
    }
  } else {
    throw UsageError("unknown export '" + kind + "'");
  }

  std::string text;
  try {
    text = ICalendarText(events, UtcNow(), name);
  } catch (const std::exception& e) {
    err << "mirvo-cli export: " << e.what() << "\n";
    return kExitBadInput;
  }
  if (auto path = args.value("output")) {
    const std::string reason = ReplaceFile(*path, text);
    if (!reason.empty()) {
      err << "mirvo-cli export: cannot write " << *path << ": " << reason << "\n";
      return kExitBadInput;
    }
  } else {
    out << text;
  }
  return kExitOk;
}

}  // namespace

Command ExportCommand() {
  return {"export", "anniversaries, new years, months, terms and phases as an iCalendar file", kUsage,
          Run,
          EntryOptionNames({"years", "from-year", "title", "policy", "format", "output", "from", "to"}),
          {}};
}

}  // namespace mirvo::cli
