// Runs the real mirvo-cli export and reads every file it writes back with libical's parser:
// against the lists and the almanac of the same program, the golden new years and the independent
// table of lunar months of 1901-2100.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "tests/app/CliRun.h"
#include "tests/support/ICalendarRead.h"

namespace mirvo {
namespace {

using test::File;
using test::RunCli;

// The events of an export, after checking the form every file must have.
std::vector<test::ReadEvent> Export(const std::string& arguments) {
  const auto run = RunCli("export " + arguments + " --format ics", false);
  EXPECT_EQ(run.code, 0) << arguments;
  EXPECT_EQ(test::FormFault(run.out), "") << arguments;
  const test::ReadCalendar read = test::ReadICalendar(run.out);
  EXPECT_TRUE(read.parsed) << arguments;
  EXPECT_EQ(read.version, "2.0");
  EXPECT_FALSE(read.prodid.empty());
  std::set<std::string> uids;
  for (const auto& e : read.events) {
    uids.insert(e.uid);
    EXPECT_TRUE(e.hasStamp && !e.summary.empty() && !e.description.empty()) << e.uid;
  }
  EXPECT_EQ(uids.size(), read.events.size()) << arguments;
  return read.events;
}

std::vector<std::string> Starts(const std::vector<test::ReadEvent>& events) {
  std::vector<std::string> starts;
  for (const auto& e : events) {
    EXPECT_TRUE(e.start.is_date) << e.uid;
    starts.push_back(e.StartText());
  }
  return starts;
}

// The CE dates of the lines of a list ("79-41-01-01 CHL = 2024-02-10 CE = …").
std::vector<std::string> ListedDates(const std::string& text) {
  std::vector<std::string> dates;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    const size_t at = l.find("CHL =");
    if (at != std::string::npos) dates.push_back(l.substr(l.find_first_of("0123456789", at), 10));
  }
  return dates;
}

TEST(CliExport, TheNewYearsOf2024To2043AreThoseTheListPrints) {
  const auto events = Export("anniversaries 2024-02-10 CE --years 20");
  const auto list = ListedDates(RunCli("list new-years --years 20 2024-02-10 CE").out);
  const auto golden = ListedDates(File(std::string(MIRVO_TEST_DATA_DIR) + "/listings/new_years_2024_20.txt"));
  ASSERT_EQ(golden.size(), 20u);
  EXPECT_EQ(Starts(events), list);
  EXPECT_EQ(Starts(events), golden);
  // The same events as the new years of those years, UIDs and all, on every run.
  const auto again = Export("new-years --from 2024 --to 2043");
  ASSERT_EQ(again.size(), events.size());
  for (size_t i = 0; i < events.size(); ++i) EXPECT_EQ(again[i].uid, events[i].uid);
  // A title makes them anniversaries of their own; --from-year moves the first year.
  const auto titled =
      Export("anniversaries 2024-02-10 CE --years 3 --from-year 2030 --title 'Family, dinner'");
  ASSERT_EQ(titled.size(), 3u);
  EXPECT_EQ(titled[0].summary, "Family, dinner");
  EXPECT_EQ(titled[0].StartText(), golden[6]);
}

// Every new year and leap month of 1901-2100 on the day the reference table gives, except a
// month whose dark moon lies within the uncertainty of midnight.
TEST(CliExport, NewYearsAndLeapMonthsOf1901To2100MatchTheReferenceTable) {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<std::string> newYears, leapMonths;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line[0] == 'l') continue;
    int year = 0, month = 0, leap = 0;
    char date[11] = {};
    if (std::sscanf(line.c_str(), "%d,%d,%d,%10[0-9-]", &year, &month, &leap, date) != 4) continue;
    if (month == 1 && !leap) newYears.push_back(date);
    if (leap) leapMonths.push_back(date);
  }
  ASSERT_EQ(newYears.size(), 200u);
  Reckoner reckoner;  // China: 120 degrees east
  for (const auto& [kind, reference] :
       {std::pair{"new-years", newYears}, std::pair{"leap-months", leapMonths}}) {
    const auto starts = Starts(Export(std::string(kind) + " --from 1901 --to 2100"));
    ASSERT_EQ(starts.size(), reference.size()) << kind;
    for (size_t i = 0; i < starts.size(); ++i) {
      const std::string& r = reference[i];
      const int y = std::stoi(r.substr(0, 4));
      // A month whose deciding new moon lies within its uncertainty of midnight may differ by a day.
      Reckoner::DayMargins margins;
      if (reckoner.MarginsOfDay(JdnOfCeDate(y, std::stoi(r.substr(5, 2)), std::stoi(r.substr(8, 2))),
                                margins) &&
          (margins.month.uncertain() || (margins.nextBeginsTomorrow && margins.next.uncertain())))
        continue;
      EXPECT_EQ(starts[i], r) << kind;
    }
  }
}

// Solar terms and phases are the almanac's events, at the almanac's second moved to UTC by the
// meridian, at a whole-hour meridian and at one of 6 h 44 min.
TEST(CliExport, TermsAndPhasesAreTheAlmanacsInstantsInUtc) {
  for (const auto& [meridian, seconds] :
       {std::pair{"--country china", 8 * 3600}, std::pair{"--longitude 101", 24240}}) {
    const std::string span = std::string(" --from 1999 --to 2001 ") + meridian;
    std::vector<std::string> expected[2];  // phases, terms
    std::istringstream tsv(RunCli("almanac --format tsv" + span).out);
    std::string line;
    std::getline(tsv, line);
    while (std::getline(tsv, line)) {
      int y, mo, d, h, mi, s;
      const size_t date = line.rfind('\t', line.rfind('\t') - 1) + 1;
      ASSERT_EQ(std::sscanf(line.c_str() + date, "%d-%d-%d\t%d:%d:%d", &y, &mo, &d, &h, &mi, &s), 6) << line;
      const long long utc = JdnOfCeDate(y, mo, d) * 86400LL + h * 3600 + mi * 60 + s - seconds;
      CalendarDate ce;
      ce.jdn = static_cast<int32_t>(utc / 86400);
      CalendarDateFromJdn(ce);
      char text[32];
      const int t = static_cast<int>(utc % 86400);
      std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", ce.year, ce.month, ce.day, t / 3600,
                    t / 60 % 60, t % 60);
      expected[line.rfind("solar_term", 0) == 0].push_back(text);
    }
    ASSERT_GT(expected[0].size(), 3u * 49);
    ASSERT_EQ(expected[1].size(), 3u * 24);
    for (int terms = 0; terms < 2; ++terms) {
      const auto events = Export(std::string(terms ? "terms" : "phases") + span);
      ASSERT_EQ(events.size(), expected[terms].size()) << meridian;
      for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_TRUE(events[i].Utc()) << events[i].uid;
        EXPECT_EQ(events[i].StartText(), expected[terms][i]) << meridian << " " << events[i].summary;
        EXPECT_NE(events[i].description.find(expected[terms][i].substr(11) + " UTC"), std::string::npos);
      }
    }
  }
}

TEST(CliExport, OutputFileAndRefusals) {
  const std::string path = ::testing::TempDir() + "/mirvo-export-test.ics";
  std::remove(path.c_str());
  ASSERT_EQ(RunCli("export leap-months --from 2020 --to 2030 --output '" + path + "'").code, 0);
  const std::string file = File(path);
  EXPECT_EQ(test::FormFault(file), "");
  EXPECT_EQ(test::ReadICalendar(file).events.size(), 4u);  // 2020 4*, 2023 2*, 2025 6*, 2028 5*
  std::remove(path.c_str());

  const struct {
    const char* args;
    int code;
    const char* message;
  } cases[] = {
      {"export", 2, "what to export"},
      {"export fortnights --from 2000 --to 2001", 2, "unknown export 'fortnights'"},
      {"export terms --from 2000 --to 2001 --format tsv", 2, "--format must be ics"},
      {"export terms --from 0 --to 2001", 2, "--from must be from 1"},
      {"export new-years --from 2001 --to 2000", 2, "--from must not be later than --to"},
      {"export anniversaries 2024-02-10 CE --policy never", 2, "--policy must be"},
      {"export anniversaries 2024-02-10 CE --years 0", 2, "--years must be from 1"},
      {"export anniversaries 79-40-2*-30 CHL", 2, "Day number exceeds number of days in the month."},
      {"export anniversaries 2990-06-01 CE --years 20", 3,
       "dates left out: an iCalendar file holds the years 1 to 3000"},
      {"export leap-months --from 2020 --to 2030 --output /nonexistent/dir/x.ics", 1,
       "cannot write '/nonexistent/dir/x.ics': No such file or directory"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.args << "\n" << run.out.substr(0, 300);
  }
}

}  // namespace
}  // namespace mirvo
