// Runs the real mirvo-cli log-entry command: the texts the log window gets, through the program.
#include <gtest/gtest.h>

#include <string>

#include "core/chinese/Reckoner.h"
#include "features/log/LogEntry.h"
#include "features/session/MainRules.h"
#include "tests/app/CliRun.h"

namespace mirvo {
namespace {

using test::RunCli;

// The entry the log rules give in this process for the same date and settings.
std::string InProcess(const std::string& date, const char* list, LogAction action, Country country = kChina) {
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  rules.ChooseCountry(country);
  rules.SetCurrentAjd(2451545.0);
  rules.entry().date = date;
  rules.Convert();
  const LogPreferences preferences = *ParseLogPreferenceList(list);
  const LogSources sources{rules.display(), rules.settings(), rules.entry(), reckoner};
  return (action != kLogNone ? AutoLogHeadingLines(action, sources, preferences) : "") +
         LogEntryText(sources, preferences).text;
}

TEST(CliLogEntry, TheWindowsTexts) {
  const auto plain = RunCli("log-entry '79-31-9*-12 CHL' --prefs chl,ce,phase", false);
  ASSERT_EQ(plain.code, 0);
  EXPECT_EQ(plain.out,
            "79-31-9*-12 CHL 12:00 CCT\n2014-11-04 CE 04:00 GMT\nGibbous moon (waxing), 90.3%\n\n");

  const struct {
    const char* arguments;
    const char* date;
    const char* list;
    LogAction action;
    Country country;
  } cases[] = {
      {"'2000-01-01 CE'", "2000-01-01 CE", "verbose,ganzhi,chl,ce,phase", kLogNone, kChina},
      {"'2000-01-01 CE' --auto 1 --country japan --prefs "
       "verbose,ganzhi,chl,chs,cjdc,epoch,ce,jc,cjdl,ajd,phase,age",
       "2000-01-01 CE", "verbose,ganzhi,chl,chs,cjdc,epoch,ce,jc,cjdl,ajd,phase,age", kLogNow, kJapan},
      {"'4709-1-1 CHL' --auto 3 --prefs chs,age", "4709-1-1 CHL", "chs,age", kLogMove, kChina},
      {"'1900-02-29 JC' --auto 5 --prefs ''", "1900-02-29 JC", "", kLogOneDay, kChina},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(std::string("log-entry ") + c.arguments, false);
    ASSERT_EQ(run.code, 0) << c.arguments;
    EXPECT_EQ(run.out, InProcess(c.date, c.list, c.action, c.country)) << c.arguments;
  }
}

// Options that only shape the headings.
TEST(CliLogEntry, HeadingOptions) {
  const struct {
    const char* arguments;
    const char* output;
  } cases[] = {
      {"--auto 2 --minus 1,000 --prefs ''", "Minus 1,000 days\n\n"},
      {"--auto 3 --step 11 --back --prefs ''", "Move back 1 60-year cycle (CHS)\n\n"},
      {"--auto 4 --target 15 --element fire --animal dog --previous --prefs ''",
       "Search for previous fire-dog (bing-xu) day\n\n"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(std::string("log-entry '2000-01-01 CE' ") + c.arguments, false);
    EXPECT_EQ(run.out, c.output) << c.arguments;
  }
}

TEST(CliLogEntry, BadArguments) {
  for (const char* arguments : {"--prefs chl,moon", "--auto 6", "--step 16", "'2000-13-01 CE'"}) {
    const auto run = RunCli(std::string("log-entry ") + arguments);
    EXPECT_EQ(run.code, 2) << arguments;
    EXPECT_NE(run.out.find("mirvo-cli log-entry: "), std::string::npos) << run.out;
  }
}

}  // namespace
}  // namespace mirvo
