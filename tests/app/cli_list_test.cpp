// Runs the real mirvo-cli list, year-data and selftest commands.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "tests/app/CliRun.h"

namespace mirvo {
namespace {

using test::RunCli;

std::string Expected(const std::string& name) {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/listings/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// "lunar_year,month,leap,first_day,days" rows of the reference table of 1901-2100 at 120º E.
std::vector<std::string> ReferenceRows(bool leapOnly) {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#' || line[0] == 'l') continue;
    if (!leapOnly || line.substr(line.find(',', 5), 3) == ",1,") rows.push_back(line);
  }
  return rows;
}

// The same rows read back from the lines of a month list ("79-41-4*-01  CHL =  2024-05-08 CE
// =  2460439 JDN  29 days"); cycle and position give the lunar year under the epoch -2696.
std::vector<std::string> ListedRows(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    const size_t equals = l.find(" CHL =  ");
    int cycle = 0, position = 0, month = 0;
    if (equals == std::string::npos || std::sscanf(l.c_str(), "%d-%d-%d", &cycle, &position, &month) != 3)
      continue;
    const int year = (cycle - 1) * 60 - 2696 + position - 1;
    rows.push_back(std::to_string(year) + "," + std::to_string(month) + "," +
                   (l.find('*') < equals ? "1" : "0") + "," + l.substr(equals + 8, 10) + "," +
                   l.substr(l.size() - 7, 2));
  }
  return rows;
}

// Every month start and every leap month of 1901-2100 as the reference table has them, except
// where its Delta T and ours can disagree: a month whose dark moon lies within the uncertainty of
// midnight (2057 month 9, for one) may begin a day off, which moves its length and that of the
// month before.
TEST(CliList, MonthsAndLeapMonthsOf1901To2100MatchTheReferenceTable) {
  Reckoner reckoner;
  auto nearMidnight = [&](const std::string& row) {  // "lunar_year,month,leap,YYYY-MM-DD,days"
    int year = 0, month = 0, leap = 0;
    std::sscanf(row.c_str(), "%d,%d,%d", &year, &month, &leap);
    ChlDate date;
    date.cycle = CycleOf(year, reckoner.Epoch());
    date.position = PositionOf(year);
    date.month = month;
    date.leap = leap;
    MonthMargin margin;
    return reckoner.MonthMarginOf(date, margin) && margin.newMoon.uncertain();
  };
  for (const bool leapOnly : {false, true}) {
    const auto run =
        RunCli(std::string("list ") + (leapOnly ? "leap-months" : "months") + " --years 200 2000-06-01 CE");
    ASSERT_EQ(run.code, 0) << run.out.substr(0, 400);
    const auto listed = ListedRows(run.out);
    const auto reference = ReferenceRows(leapOnly);
    ASSERT_EQ(listed.size(), reference.size());
    for (size_t i = 0; i < reference.size(); ++i) {
      const bool start = nearMidnight(reference[i]);
      const bool end = !leapOnly && i + 1 < reference.size() && nearMidnight(reference[i + 1]);
      const size_t keep = reference[i].size() - (start ? 13 : end ? 2 : 0);
      EXPECT_EQ(listed[i].substr(0, keep), reference[i].substr(0, keep));
    }
  }
}

// The command prints the window's text for the same entry, whatever words the entry is split in.
TEST(CliList, PrintsTheWindowsTextForAnEntry) {
  EXPECT_EQ(RunCli("list new-years 79-41-1-1 CHL").out, Expected("new_years_2024_20.txt"));
  EXPECT_EQ(RunCli("list new-years --years 12 '79-41-5-30 chl'").out, Expected("anniversaries_day30.txt"));
  EXPECT_EQ(RunCli("list euro-new-years 2024-06-01 CE --time 23:00").out,
            Expected("euro_new_years_2024_20.txt"));
  const auto yearData = RunCli("year-data 2024-06-01 CE --no-major --minor --names --jc");
  ASSERT_EQ(yearData.code, 0);
  EXPECT_NE(yearData.out.find("and solar terms for 3 solar years beginning 79-40 (2023 JC),\n"),
            std::string::npos);
  // J12 of 2024-01-06 CE, 13 days earlier in the Julian Calendar.
  const size_t day = yearData.out.find("\n 2023-12-24 JC ");
  ASSERT_NE(day, std::string::npos) << yearData.out;
  const size_t end = yearData.out.find('\n', day + 1);
  EXPECT_EQ(yearData.out.substr(end - 31, 31), "ST 2 J12 (Xiao han Slight cold)");
  EXPECT_EQ(yearData.out.find("Z11"), std::string::npos);
  // The major terms by default, as the window's box is ticked; --no-major gives the text without.
  // (The lines are compared without their times and chronological Julian dates: the saved texts
  // come from a reference ephemeris that may differ by a minute, as the listing tests allow.)
  auto withoutCjds = [](const std::string& text) {
    return std::regex_replace(text, std::regex("[0-9]{2}:[0-9]{2} CCT  [0-9],[0-9]{3},[0-9]{3}\\.[0-9]{4}"),
                              "TIME");
  };
  EXPECT_EQ(withoutCjds(RunCli("year-data 2024-06-01 CE --no-major").out),
            withoutCjds(Expected("year_data_2024.txt")));
  EXPECT_EQ(withoutCjds(RunCli("year-data 2024-06-01 CE --minor --names").out),
            withoutCjds(Expected("year_data_2024_terms_names.txt")));
  const auto major = RunCli("year-data 2024-06-01 CE").out;
  EXPECT_EQ(major, RunCli("year-data 2024-06-01 CE --major").out);
  EXPECT_NE(major.find(" Z11"), std::string::npos);
  EXPECT_EQ(major.find(" J12"), std::string::npos);
}

TEST(CliList, RefusalsAndTheSelfTest) {
  const struct {
    const char* args;
    int code;
    const char* message;
  } cases[] = {
      {"list", 2, "which list"},
      {"list fortnights", 2, "unknown list 'fortnights'"},
      {"list months --years 0", 2, "--years must be from 1 to 9999"},
      {"list new-years 79-40-2*-30 CHL", 2, "Day number exceeds number of days in the month."},
      {"year-data 3001-01-01 CE", 2, "mirvo-cli year-data:"},
      {"selftest --count 0", 2, "--count must be from 1"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.args << "\n" << run.out;
  }
  const auto test = RunCli("selftest --count 200 --seed 9 --country vietnam");
  EXPECT_EQ(test.code, 0) << test.out;
  const std::string head = "\nDoing 200 random solar,lunar -> JDN -> solar,lunar";
  ASSERT_EQ(test.out.substr(0, head.size()), head);
  EXPECT_EQ(test.out.substr(head.size()).find_first_not_of("01"), 400u) << test.out;
  EXPECT_EQ(test.out.size(), head.size() + 401);
}

}  // namespace
}  // namespace mirvo
