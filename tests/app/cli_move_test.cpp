// mirvo-cli move, run as the real program, against the lunar months of
// tests/data/china_months_1901_2100.csv and the published solar-term dates.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/CliRun.h"

namespace {

using mirvo::test::CliRun;
using mirvo::test::RunCli;

struct Month {
  std::string key;  // "2023,2,1"
  std::string firstDay;
};

std::vector<Month> ReferenceMonths() {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<Month> months;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]))) continue;
    std::vector<std::string> f;
    std::stringstream s(line);
    for (std::string field; std::getline(s, field, ',');) f.push_back(field);
    months.push_back({f[0] + "," + f[1] + "," + f[2], f[3]});
  }
  return months;
}

size_t IndexOf(const std::vector<Month>& months, const std::string& key) {
  for (size_t i = 0; i < months.size(); ++i) {
    if (months[i].key == key) return i;
  }
  return months.size();
}

// The rows of a TSV answer, each split into its columns; the header is checked and dropped.
std::vector<std::vector<std::string>> Rows(const std::string& tsv) {
  std::vector<std::vector<std::string>> rows;
  std::stringstream s(tsv);
  std::string line;
  std::getline(s, line);
  EXPECT_EQ(line, "step\tut_ajd\tce\tchl\tchs\tvmc");
  while (std::getline(s, line)) {
    std::vector<std::string> columns;
    std::stringstream l(line);
    for (std::string c; std::getline(l, c, '\t');) columns.push_back(c);
    rows.push_back(columns);
  }
  return rows;
}

std::string Date(const std::string& ceValue) { return ceValue.substr(0, ceValue.find(' ')); }

// 2023-01-22 is the lunar new year; fourteen months later, through the leap month 2*, is 2024's
// month 2.
TEST(CliMove, LunarMonthsThroughTheLeapMonth) {
  const CliRun r = RunCli("move chl-month --count 14 '2023-01-22 CE' --format tsv", false);
  ASSERT_EQ(r.code, 0) << r.out;
  const auto rows = Rows(r.out);
  ASSERT_EQ(rows.size(), 14u);
  const auto months = ReferenceMonths();
  const size_t first = IndexOf(months, "2023,1,0");
  ASSERT_LT(first + 14, months.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 6u);
    EXPECT_EQ(rows[i][0], std::to_string(i + 1));
    EXPECT_EQ(Date(rows[i][2]), months[first + 1 + i].firstDay) << rows[i][3];
  }
  EXPECT_EQ(rows[1][3].rfind("79-40-2*-01 CHL 20:00 CCT", 0), 0u) << rows[1][3];
  EXPECT_EQ(rows[0][1], "2459996.000000");  // noon GMT kept: the entry's default time
}

// Back from 2034's month 4, day 15 through 2033's leap month 11*, day 15 all the way.
TEST(CliMove, BackThroughTheLeapEleventhMonth) {
  const CliRun r = RunCli("move chl-month --back --count 40 '2034-06-01 CE' --format tsv", false);
  ASSERT_EQ(r.code, 0) << r.out;
  const auto rows = Rows(r.out);
  ASSERT_EQ(rows.size(), 40u);
  const auto months = ReferenceMonths();
  const size_t start = IndexOf(months, "2034,4,0");
  ASSERT_GE(start, 40u);
  std::vector<std::string> chl;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string first = months[start - 1 - i].firstDay;
    // Day 15 of a month: the day number is not needed, the month containing the date is.
    EXPECT_LE(first, Date(rows[i][2])) << rows[i][3];
    EXPECT_GT(months[start - i].firstDay, Date(rows[i][2])) << rows[i][3];
    EXPECT_NE(rows[i][3].find("-15 CHL"), std::string::npos) << rows[i][3];
    chl.push_back(rows[i][3].substr(0, rows[i][3].find(' ')));
  }
  EXPECT_EQ(chl[3], "79-50-12-15");
  EXPECT_EQ(chl[4], "79-50-11*-15");
  EXPECT_EQ(chl[5], "79-50-11-15");
}

// Every solar-term step lands on the first day of the next term, which the display marks with the
// term's code. The equinoxes and solstices of 2024 and the March equinox of 2025 fall on these
// days in China (UTC+8): 03-20, 06-21, 09-22, 12-21, 2025-03-20.
TEST(CliMove, SolarTermsLandOnEachTermsFirstDay) {
  const CliRun r = RunCli("move chs-term --count 30 '2024-01-06 CE' --format tsv", false);
  ASSERT_EQ(r.code, 0) << r.out;
  const auto rows = Rows(r.out);
  ASSERT_EQ(rows.size(), 30u);
  std::string days;
  for (const auto& row : rows) {
    EXPECT_NE(row[4].find("-01 CHS ("), std::string::npos) << row[4];
    days += Date(row[2]) + " ";
  }
  for (const char* day : {"2024-03-20", "2024-06-21", "2024-09-22", "2024-12-21", "2025-03-20"}) {
    EXPECT_NE(days.find(day), std::string::npos) << day << " in " << days;
  }
}

TEST(CliMove, LimitsAndFailuresKeepWhatWasPrinted) {
  struct Case { const char* args; int code; int lines; const char* message; };
  const Case cases[] = {
      {"move ce-year --count 5 '2998-06-01 CE'", 3, 2, "mirvo-cli move: Latest date exceeded."},
      {"move ce-year --back --count 3 '-2999-06-01 CE'", 3, 1, "mirvo-cli move: Earliest admissible date reached."},
      {"move hour --count 3 '2000-01-01 CE'", 0, 3, nullptr},
      {"move fortnight '2000-01-01 CE'", 2, 0, "unknown STEP"},
      {"move day '2000-13-01 CE'", 2, 0, "Invalid CE date."},
      {"move day --count 0", 2, 0, "--count"},
  };
  for (const auto& c : cases) {
    const CliRun out = RunCli(c.args, false);
    EXPECT_EQ(out.code, c.code) << c.args;
    int lines = 0;
    for (char ch : out.out) lines += ch == '\n';
    EXPECT_EQ(lines, c.lines) << c.args << "\n" << out.out;
    if (c.message) {
      const CliRun all = RunCli(c.args, true);
      EXPECT_NE(all.out.find(c.message), std::string::npos) << c.args << ": " << all.out;
    }
  }
}

}  // namespace
