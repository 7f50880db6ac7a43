// Runs the real mirvo-cli month-view command.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/CliRun.h"

namespace mirvo {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  std::string part;
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

struct ReferenceMonth {
  std::string name;  // "2033,11,1"
  std::string firstDay;
  int days = 0;
};

// The months of the lunar years 2023 and 2033 in the reference table.
std::vector<ReferenceMonth> MonthsOf2023And2033() {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<ReferenceMonth> months;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("2023,", 0) != 0 && line.rfind("2033,", 0) != 0) continue;
    const auto f = Split(line, ',');
    months.push_back({f[0] + "," + f[1] + "," + f[2], f[3], std::stoi(f[4])});
  }
  return months;
}

// Each month, entered by a day in its middle, is laid out from its first day for its length: one
// line per day, day 15 and day 30 in the Lunaday column.
TEST(CliMonthView, MonthsOf2023And2033AgreeWithReferenceTable) {
  const auto months = MonthsOf2023And2033();
  ASSERT_EQ(months.size(), 26u);
  for (const ReferenceMonth& m : months) {
    SCOPED_TRACE(m.name);
    const test::CliRun run = test::RunCli("month-view '" + m.firstDay + " CE' --plus 14 --format tsv");
    ASSERT_EQ(run.code, 0) << run.out;
    const auto lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), static_cast<size_t>(m.days) + 1);
    EXPECT_EQ(lines[0], "lunar_day\tjdn\tce_date\tweekday\tvmc\trow\tcol");
    EXPECT_EQ(Split(lines[1], '\t')[2], m.firstDay);
    for (int day = 1; day <= m.days; ++day) {
      const auto f = Split(lines[static_cast<size_t>(day)], '\t');
      ASSERT_EQ(f.size(), 7u);
      EXPECT_EQ(f[0], std::to_string(day));
      const int row = day <= 7 ? 0 : day <= 15 ? 1 : day <= 22 ? 2 : 3;
      const int col = day == 15 || day == 30 ? 7 : (day <= 15 ? day - 1 : day - 16) % 7;
      EXPECT_EQ(f[5] + "," + f[6], std::to_string(row) + "," + std::to_string(col));
    }
  }
}

TEST(CliMonthView, PageAndErrors) {
  const test::CliRun page = test::RunCli("month-view '2033-12-25 CE' --no-vmc");
  ASSERT_EQ(page.code, 0) << page.out;
  const auto lines = Split(page.out, '\n');
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[1], "Common Era year 2033 (December) - 2034 (January)");
  // The rows are quarters of the lunar month; the columns hold no fixed weekday.
  EXPECT_EQ(lines[3].rfind("One quarter of the lunar month in each row ", 0), 0u) << lines[3];
  EXPECT_EQ(lines[3].substr(lines[3].size() - 8), " Lunaday");
  EXPECT_EQ(lines[3].size(), lines[7].size());  // over day 15
  EXPECT_EQ(lines[5], "Thu Dec 22 Fri Dec 23 Sat Dec 24 Sun Dec 25 Mon Dec 26 Tue Dec 27 Wed Dec 28");
  EXPECT_EQ(lines[7],
            "         8          9         10         11         12         13         14         15");

  const test::CliRun bad = test::RunCli("month-view '2033-13-45 CE'");
  EXPECT_EQ(bad.code, 2);
  EXPECT_EQ(Split(bad.out, '\n').size(), 1u) << bad.out;
}

}  // namespace
}  // namespace mirvo
