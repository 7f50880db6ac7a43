// mirvo-cli move, run as the real program, against the lunar months of
// tests/data/china_months_1901_2100.csv and the published solar-term dates.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/CliRun.h"

namespace {

using mirvo::test::RunCli;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream s(text);
  for (std::string part; std::getline(s, part, separator);) parts.push_back(part);
  return parts;
}

// The first days of the reference months from the month "year,month,leap" on, or back from it.
std::vector<std::string> FirstDays(const std::string& from, bool back, size_t count) {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) rows.push_back(Split(line, ','));
  std::vector<std::string> days;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].size() < 4 || rows[i][0] + "," + rows[i][1] + "," + rows[i][2] != from) continue;
    for (size_t k = 0; k < count; ++k) days.push_back(rows[back ? i - k : i + k][3]);
  }
  return days;
}

// The TSV answer of a move, checked for its header, each row split into its columns.
std::vector<std::vector<std::string>> Move(const std::string& arguments) {
  const auto run = RunCli("move " + arguments + " --format tsv", false);
  EXPECT_EQ(run.code, 0) << arguments;
  auto lines = Split(run.out, '\n');
  EXPECT_FALSE(lines.empty());
  if (lines.empty()) return {};
  EXPECT_EQ(lines[0], "step\tut_ajd\tce\tchl\tchs\tvmc");
  std::vector<std::vector<std::string>> rows;
  for (size_t i = 1; i < lines.size(); ++i) rows.push_back(Split(lines[i], '\t'));
  return rows;
}

std::string Head(const std::string& value) { return value.substr(0, value.find(' ')); }

// 2023-01-22 is the lunar new year; fourteen months on, through the leap month 2*, is 2024's
// month 2. Back from 2034's month 4, day 15, through 2033's leap month 11*.
TEST(CliMove, LunarMonthsThroughLeapMonths) {
  const auto forward = Move("chl-month --count 14 '2023-01-22 CE'");
  const auto firsts = FirstDays("2023,2,0", false, 14);
  ASSERT_EQ(forward.size(), 14u);
  for (size_t i = 0; i < forward.size(); ++i) {
    ASSERT_EQ(forward[i].size(), 6u);
    EXPECT_EQ(Head(forward[i][2]), firsts[i]) << forward[i][3];
  }
  EXPECT_EQ(forward[1][3], "79-40-2*-01 CHL 20:00 CCT");
  EXPECT_EQ(forward[0][1], "2459996.000000");  // noon GMT, the entry's time, kept

  const auto back = Move("chl-month --back --count 40 '2034-06-01 CE'");
  const auto starts = FirstDays("2034,3,0", true, 40);
  ASSERT_EQ(back.size(), 40u);
  for (size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i][3].find("-15 CHL"), back[i][3].find(' ') - 3) << back[i][3];
    EXPECT_GT(Head(back[i][2]), starts[i]) << back[i][3];
    if (i > 0) {
      EXPECT_LT(Head(back[i][2]), starts[i - 1]) << back[i][3];
    }
  }
  EXPECT_EQ(Head(back[3][3]) + Head(back[4][3]) + Head(back[5][3]), "79-50-12-1579-50-11*-1579-50-11-15");
}

// Every solar-term step lands on the first day of the next term, which the display marks with the
// term's code. The equinoxes and solstices of 2024 and the March equinox of 2025 fall on these
// days in China (UTC+8).
TEST(CliMove, SolarTermsLandOnEachTermsFirstDay) {
  const auto rows = Move("chs-term --count 30 '2024-01-06 CE'");
  ASSERT_EQ(rows.size(), 30u);
  std::string days;
  for (const auto& row : rows) {
    EXPECT_NE(row[4].find("-01 CHS ("), std::string::npos) << row[4];
    days += Head(row[2]) + " ";
  }
  for (const char* day : {"2024-03-20", "2024-06-21", "2024-09-22", "2024-12-21", "2025-03-20"}) {
    EXPECT_NE(days.find(day), std::string::npos) << day << " in " << days;
  }
}

TEST(CliMove, LimitsKeepWhatWasPrinted) {
  struct Case {
    const char* args;
    int code;
    int lines;
    const char* message;
  };
  const Case cases[] = {
      {"move ce-year --count 5 '2998-06-01 CE'", 3, 2, "mirvo-cli move: Latest date exceeded."},
      {"move ce-year --back --count 3 '-2999-06-01 CE'", 3, 1,
       "mirvo-cli move: Earliest admissible date reached."},
      {"move fortnight '2000-01-01 CE'", 2, 0,
       "unknown STEP 'fortnight' (steps: minute, hour, day, ce-month"},
  };
  for (const auto& c : cases) {
    const auto quiet = RunCli(c.args, false);
    EXPECT_EQ(quiet.code, c.code) << c.args;
    EXPECT_EQ(Split(quiet.out, '\n').size(), static_cast<size_t>(c.lines)) << c.args << "\n" << quiet.out;
    EXPECT_NE(RunCli(c.args, true).out.find(c.message), std::string::npos) << c.args;
  }
}

}  // namespace
