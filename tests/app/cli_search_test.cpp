// Runs the real mirvo-cli search.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/app/CliRun.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

using test::RunCli;

TEST(CliSearch, EachSearchStartsFromTheResultBefore) {
  // The full moons of January to March 2000 (04:40, 16:27 and 04:44 UT by the published tables).
  const auto run = RunCli("search full-moon '2000-1-1 CE' --count 3 --format tsv", false);
  ASSERT_EQ(run.code, 0);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "n\tut_ajd\tce\tchl\tchs");
  EXPECT_EQ(lines[1].rfind("1\t2451564.694", 0), 0u) << lines[1];
  EXPECT_NE(lines[2].find("\t2000-02-19 CE 16:2"), std::string::npos) << lines[2];
  EXPECT_NE(lines[3].find("\t2000-03-20 CE 04:4"), std::string::npos) << lines[3];

  // Element-animal years and the leap months of 2023 and 2025, back and forth.
  EXPECT_NE(RunCli("search element-animal-year '2024-3-1 CE' --year wood-dragon --previous")
                .out.find("1964-02-13 CE"),
            std::string::npos);
  const auto leap = RunCli("search intercalary-month '2020-1-1 CE' --count 3", false);
  EXPECT_EQ(leap.code, 0);
  EXPECT_NE(leap.out.find("3  2025-07-25 CE 04:00 GMT Friday | 79-42-6*-01 CHL 12:00 CCT"), std::string::npos)
      << leap.out;
  // 中秋节 of 2024 and 2025, as the published calendars give them, from the program's table.
  const auto autumn = RunCli("search festival '2024-1-1 CE' --festival mid-autumn --count 2", false);
  EXPECT_EQ(autumn.code, 0);
  EXPECT_NE(autumn.out.find("1  2024-09-17 CE"), std::string::npos) << autumn.out;
  EXPECT_NE(autumn.out.find("2  2025-10-06 CE"), std::string::npos) << autumn.out;
  // Vietnamese names: the cat.
  EXPECT_EQ(
      RunCli("search multiple-element-animal '2024-1-1 CE' --country vietnam --day -cat --year water-cat")
          .code,
      0);
}

TEST(CliSearch, FailuresAndBadArguments) {
  struct Case {
    const char* arguments;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {"search element-animal-day '2024-1-1 CE'", 3, "You must specify an element, an animal or both."},
      {"search multiple-element-animal '2024-1-1 CE' --month wood-tiger --year wood-rat --within 10", 3,
       "There is no such day within 10 years."},
      {"search multiple-element-animal", 3, "You must specify an element or an animal or both for one"},
      {"search lunar-new-year '2999-12-31 CE'", 3, "Date is later than 3000-01-01 CE."},
      {"search new-moon", 2, "unknown TARGET 'new-moon' (targets: full-moon, dark-moon,"},
      {"search element-animal-day --day wood-unicorn", 2, "--day must be an element-animal"},
      {"search full-moon --year wood-rat", 2, "--year does not apply to full-moon"},
      {"search full-moon '2000-02-30 CE'", 2, "Invalid CE date."},
  };
  for (const Case& c : cases) {
    const auto run = RunCli(c.arguments);
    EXPECT_EQ(run.code, c.code) << c.arguments;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
}

}  // namespace
}  // namespace mirvo
