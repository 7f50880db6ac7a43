// Runs the real mirvo-cli festivals and export festivals: the TSV columns, a TSV that no language
// changes, the names of --lang, the iCalendar UIDs that stay the same in every language, and the
// refusals of bad options.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/app/CliRun.h"
#include "tests/support/ICalendarRead.h"

namespace mirvo {
namespace {

using test::RunCli;

TEST(CliFestivals, TsvColumnsAndLanguageIndependence) {
  const auto en = RunCli("festivals --from 2024 --to 2024 --format tsv", false);
  ASSERT_EQ(en.code, 0);
  EXPECT_EQ(en.out.substr(0, en.out.find('\n')), "date\tjdn\tid\tname\tlunar_date\trule");
  EXPECT_NE(
      en.out.find("2024-09-17\t2460571\tmid-autumn\tMid-Autumn Festival\t79-41-08-15 CHL\tlunar 8 15\n"),
      std::string::npos)
      << en.out;
  EXPECT_NE(en.out.find("2025-01-28\t2460704\tchuxi\t"), std::string::npos);
  for (const char* lang : {"zh-Hans", "ja", "ko", "vi"}) {
    EXPECT_EQ(RunCli(std::string("festivals --from 2024 --to 2024 --format tsv --lang ") + lang, false).out,
              en.out);
  }
  const auto ja = RunCli("festivals --from 2024 --to 2024 --country japan --lang ja");
  EXPECT_EQ(ja.code, 0);
  EXPECT_NE(ja.out.find("2024-07-24  夏の土用の丑の日"), std::string::npos) << ja.out;
  const auto ko = RunCli("festivals --from 2024 --to 2024 --country korea --lang ko");
  EXPECT_NE(ko.out.find("2024-09-17  추석"), std::string::npos) << ko.out;
}

TEST(CliFestivals, ExportUidsFollowFestivalYearAndCountry) {
  for (const char* command : {"export festivals", "festivals --format ics"}) {
    std::map<std::string, std::string> summaries[2];  // by UID, in English and Vietnamese
    for (int i = 0; i < 2; ++i) {
      const auto run = RunCli(
          std::string(command) + " --from 2024 --to 2025 --country vietnam --lang " + (i ? "vi" : "en"),
          false);
      ASSERT_EQ(run.code, 0) << command;
      EXPECT_EQ(test::FormFault(run.out), "");
      for (const auto& e : test::ReadICalendar(run.out).events) summaries[i][e.uid] = e.summary;
    }
    EXPECT_EQ(summaries[0].size(), summaries[1].size());
    EXPECT_EQ(summaries[1]["festival-hung-kings-2024-vietnam@mirvo"], "Giỗ Tổ Hùng Vương") << command;
    EXPECT_EQ(summaries[0]["festival-hung-kings-2024-vietnam@mirvo"], "Hùng Kings' Commemoration Day")
        << command;
  }
}

TEST(CliFestivals, BadOptionsAreRefused) {
  for (const char* args :
       {"festivals --from 2024 --to 2024 --country mars", "festivals --from 2024 --to 2024 --lang fr",
        "festivals --from 2025 --to 2024", "festivals --from 0 --to 2024",
        "festivals --from 2024 --to 2024 --format csv", "export festivals --from 2024 --to 2024 --lang xx"}) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.code, 2) << args << "\n" << run.out;
    EXPECT_NE(run.out.find("Usage: mirvo-cli"), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace mirvo
