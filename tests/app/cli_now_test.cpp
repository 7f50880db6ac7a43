// Runs the real mirvo-cli and checks what it prints and how it exits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "core/daycount/DayCount.h"
#include "tests/app/CliRun.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

using test::CliRun;
using test::RunCli;

// The four lines describe one instant: CJDL is AJD + 1/2, and the dates, time and weekday are
// those of that CJDL, worked out here with the library independently of the program's formatting.
TEST(CliNow, PrintsOneConsistentInstant) {
  const double before = CurrentAjd();
  const CliRun run = RunCli("now");
  const double after = CurrentAjd();
  ASSERT_EQ(run.code, 0) << run.out;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  ASSERT_EQ(lines[0].rfind("AJD   ", 0), 0u) << lines[0];
  ASSERT_EQ(lines[1].rfind("CJDL  ", 0), 0u) << lines[1];
  const double ajd = std::stod(lines[0].substr(6));
  const double cjdl = std::stod(lines[1].substr(6));
  EXPECT_GE(ajd, before - 1e-6);
  EXPECT_LE(ajd, after + 1e-6);
  EXPECT_NEAR(cjdl - ajd, 0.5, 2e-6);
  EXPECT_EQ(lines[0].substr(lines[0].find('.') + 1).size(), 6u);  // six decimals

  // The printed CJDL is rounded to 1e-6 day, so the program's own value lies within half of that:
  // the date lines must match what one of the nearby instants gives.
  auto expected = [](double x) {
    CalendarDate ce, jc;
    CeAndJcFromDayCount(x, ce, jc);
    const std::string tail =
        " " + TimeOfDayText(x - std::floor(x), false) + " GMT " + WeekdayName(WeekdayOf(ce.jdn), false, 0);
    return std::pair{"CE    " + CalendarDateText(ce, 2, '-', ',', true) + tail,
                     "JC    " + CalendarDateText(jc, 2, '-', ',', true) + tail};
  };
  bool matched = false;
  for (const double x : {cjdl, cjdl - 6e-7, cjdl + 6e-7})
    matched = matched || expected(x) == std::pair{lines[2], lines[3]};
  EXPECT_TRUE(matched) << lines[2] << "\n"
                       << lines[3] << "\nexpected\n"
                       << expected(cjdl).first << "\n"
                       << expected(cjdl).second;
}

TEST(CliNow, TabSeparatedForm) {
  const CliRun run = RunCli("now --format tsv");
  ASSERT_EQ(run.code, 0) << run.out;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  const char* labels[] = {"AJD\t", "CJDL\t", "CE\t", "JC\t"};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(lines[i].rfind(labels[i], 0), 0u) << lines[i];
}

TEST(CliNow, BadInputGivesOneLineAndTheUsageWithExitCode2) {
  struct Case {
    const char* args;
    const char* firstLine;
  };
  const Case cases[] = {
      {"now extra", "mirvo-cli now: unexpected argument 'extra'"},
      {"now --bogus", "mirvo-cli now: unknown option --bogus"},
      {"now --format", "mirvo-cli now: option --format needs a value"},
      {"now --format xml", "mirvo-cli now: --format must be text or tsv"},
      {"nosuchcommand", "mirvo-cli: unknown command 'nosuchcommand'"},
      {"", "mirvo-cli: no command given"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.code, 2) << c.args;
    const auto lines = Lines(run.out);
    ASSERT_GE(lines.size(), 2u) << c.args;
    EXPECT_EQ(lines[0], c.firstLine) << c.args;
    EXPECT_EQ(lines[1].rfind("Usage: mirvo-cli", 0), 0u) << c.args;
  }
}

TEST(CliNow, HelpAndVersionSucceed) {
  CliRun run = RunCli("now --help");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.rfind("Usage: mirvo-cli now", 0), 0u) << run.out;
  run = RunCli("--help");
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("  now "), std::string::npos) << run.out;
  run = RunCli("--version");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.rfind("mirvo-cli (Vantrel) ", 0), 0u) << run.out;
}

}  // namespace
}  // namespace mirvo
