// Runs the real mirvo-cli months, days and chinese commands.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/daycount/DayCount.h"
#include "tests/app/CliRun.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

using test::CliRun;

CliRun Cli(const std::string& arguments, bool withErrors = true) {
  return test::RunCli(arguments, withErrors);
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

// The reference rows as "lunar_year,month,leap,first_day,days".
std::vector<std::string> ReferenceRows() {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/china_months_1901_2100.csv");
  std::vector<std::string> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#' || line[0] == 'l') continue;
    rows.push_back(line);
  }
  return rows;
}

// The TSV of 1901-2100 for China is the reference table, column for column, except where the
// reference's other Delta T and ours can disagree: a month marked uncertain (its dark moon lies
// within the uncertainty of midnight) may begin a day off, which moves its length and that of the
// month before. 2057 month 9, whose new moon the reference puts 4 s after midnight, is one.
TEST(CliMonths, TsvOfChinaMatchesReferenceTableWhereCertain) {
  const CliRun run = Cli("months --from 1901 --to 2100 --format tsv");
  ASSERT_EQ(run.code, 0) << run.out.substr(0, 300);
  const auto lines = Lines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0],
            "lunar_year\tcycle\tposition\tmonth\tleap\tfirst_day\tjdn\tdays\tmargin_s\tuncertain\trule");
  const auto reference = ReferenceRows();
  ASSERT_EQ(lines.size(), reference.size() + 1);
  std::vector<std::string> uncertain;
  for (size_t i = 0; i < reference.size(); ++i) {
    const auto f = Fields(lines[i + 1]);
    ASSERT_EQ(f.size(), 11u) << lines[i + 1];
    const std::string row = f[0] + "," + f[3] + "," + f[4] + "," + f[5] + "," + f[7];
    const bool start = f[9] == "1";
    const bool end = i + 1 < reference.size() && Fields(lines[i + 2])[9] == "1";
    if (start) uncertain.push_back(f[0] + "-" + f[3]);
    // The reference puts the new moon of 1933 month 6 at 00:03, and that of 2057 month 9 at
    // 00:00:04 with a Delta T some 30 s larger than ours.
    if (f[0] + "-" + f[3] == "1933-6") {
      EXPECT_GE(std::stod(f[8]), 180);
      EXPECT_LT(std::stod(f[8]), 240);
    }
    if (f[0] + "-" + f[3] == "2057-9") {
      EXPECT_LT(std::stod(f[8]), 60);
    }
    if (start || end) {
      // The year, month and leap flag stay; the first day too unless its dark moon is the one.
      const size_t keep = reference[i].size() - (start ? 13 : 2);
      EXPECT_EQ(row.substr(0, keep), reference[i].substr(0, keep));
      continue;
    }
    EXPECT_EQ(row, reference[i]);
  }
  EXPECT_EQ(uncertain, (std::vector<std::string>{"2057-9", "2089-8", "2097-7"}));
}

TEST(CliMonths, TextFormCountriesAndEpochs) {
  const CliRun text = Cli("months --from 2033 --to 2033");
  ASSERT_EQ(text.code, 0) << text.out;
  const auto lines = Lines(text.out);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[11], "79-50-11*-01 CHL     2033-12-22 CE  JDN 2463954  29 days");

  // The Vietnamese new year of 1985 is a month before the Chinese one.
  const auto vietnam = Lines(Cli("months --from 1985 --to 1985 --country vietnam --format tsv").out);
  ASSERT_GE(vietnam.size(), 2u);
  EXPECT_EQ(Fields(vietnam[1])[5], "1985-01-21");
  const auto china = Lines(Cli("months --from 1985 --to 1985 --longitude 120 --format tsv").out);
  ASSERT_GE(china.size(), 2u);
  EXPECT_EQ(Fields(china[1])[5], "1985-02-20");

  const auto younger = Lines(Cli("months --from 2024 --to 2024 --epoch -2636 --format tsv").out);
  ASSERT_GE(younger.size(), 2u);
  EXPECT_EQ(Fields(younger[1])[1], "78");
  EXPECT_EQ(Fields(younger[1])[2], "41");

  // Years far back use astronomical numbering in the CE column.
  const auto early = Lines(Cli("months --from -2999 --to -2999 --format tsv").out);
  ASSERT_GE(early.size(), 13u);
  EXPECT_EQ(Fields(early[1])[0], "-2999");
  EXPECT_EQ(Fields(early[1])[5].substr(0, 6), "-2999-");
}

// The text form names the instant that makes a month uncertain.
TEST(CliMonths, UncertainMonthsAreNamed) {
  const auto y2057 = Lines(Cli("months --from 2057 --to 2057").out);
  ASSERT_EQ(y2057.size(), 12u);
  for (size_t i = 0; i < y2057.size(); ++i) {
    const size_t note = y2057[i].find("  uncertain: first day: new moon ");
    EXPECT_EQ(note != std::string::npos, i == 8) << y2057[i];
  }
  EXPECT_NE(y2057[8].find("seconds after midnight"), std::string::npos) << y2057[8];

  const auto early = Lines(Cli("months --from -2849 --to -2849").out);
  ASSERT_GE(early.size(), 7u);
  EXPECT_NE(early[4].find("-2-28-05-01 CHL"), std::string::npos) << early[4];
  EXPECT_NE(early[4].find("uncertain: number: solar term Z5 5 minutes before midnight"), std::string::npos);
  EXPECT_NE(early[5].find("uncertain: leap: solar term Z5 5 minutes before midnight"), std::string::npos);
}

TEST(CliMonths, BadArgumentsExitWith2) {
  for (const char* arguments :
       {"months --from 3000 --to 3000", "months --from 2000 --to 1999", "months --from 2000",
        "months --from 2000 --to 2000 --epoch -2000", "months --from 2000 --to 2000 --longitude 99",
        "months --from 2000 --to 2000 --country mars", "days --from 2024-01-01 --to 3001-01-01 --format tsv",
        "days --from 2024-13-01 --to 2024-12-01", "chinese 3001-01-01", "chinese --jdn 1",
        "chinese 2024/02/10", "chinese"}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(Cli(arguments).code, 2);
  }
}

// The span of days the Chinese commands serve ends exactly at -3000-01-01 and 3000-12-31 CE.
TEST(CliDays, SpanOfServedDaysEndsAtTheFirstAndLastDay) {
  for (const char* arguments :
       {"chinese -3000-01-01", "chinese 3000-12-31", "days --from -3000-01-01 --to -3000-01-01",
        "days --from 3000-12-31 --to 3000-12-31"}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(Cli(arguments).code, 0);
  }
  for (const char* arguments :
       {"chinese -3001-12-31", "chinese 3001-01-01", "days --from -3001-12-31 --to -3000-01-01",
        "days --from 3000-12-31 --to 3001-01-01"}) {
    SCOPED_TRACE(arguments);
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "Date out of range\n");
  }
}

// Every day of 1900-2100: one row each, and the rows with lunar day 1 are exactly the first days
// that months lists.
TEST(CliDays, EveryDayAgreesWithMonths) {
  const CliRun days = Cli("days --from 1901-02-19 --to 2100-12-31 --format tsv");
  ASSERT_EQ(days.code, 0) << days.out.substr(0, 300);
  const auto lines = Lines(days.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "jdn\tce_date\tcycle\tposition\tmonth\tleap\tday\tterm\tterm_day\tvmc_date");
  std::set<std::string> firstDays;
  long previous = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    const auto f = Fields(lines[i]);
    ASSERT_EQ(f.size(), 10u) << lines[i];
    const long jdn = std::stol(f[0]);
    if (i > 1) {
      ASSERT_EQ(jdn, previous + 1);
    }
    previous = jdn;
    if (f[6] == "1") firstDays.insert(f[1] + " " + f[3] + " " + f[4] + " " + f[5]);
  }
  EXPECT_EQ(lines.size(), 73000u + 1);  // 2415435 (1901-02-19) .. 2488434 (2100-12-31)

  const auto months = Lines(Cli("months --from 1901 --to 2100 --format tsv").out);
  std::set<std::string> listed;
  for (size_t i = 1; i < months.size(); ++i) {
    const auto f = Fields(months[i]);
    if (f[5] <= "2100-12-31") listed.insert(f[5] + " " + f[2] + " " + f[3] + " " + f[4]);
  }
  EXPECT_EQ(firstDays, listed);

  const auto row = Lines(Cli("days --from 2024-02-10 --to 2024-02-10 --format tsv").out);
  ASSERT_EQ(row.size(), 2u);
  EXPECT_EQ(row[1], "2460351\t2024-02-10\t79\t41\t1\t0\t1\t4\t7\t4721-01-01");
}

TEST(CliChinese, DayOfTheDragonNewYear) {
  const CliRun byDate = Cli("chinese 2024-02-10");
  ASSERT_EQ(byDate.code, 0) << byDate.out;
  EXPECT_NE(byDate.out.find("CHL:           79-41-01-01 CHL\n"), std::string::npos) << byDate.out;
  EXPECT_NE(byDate.out.find("CHS:           79-41-04-07 CHS\n"), std::string::npos);
  EXPECT_NE(byDate.out.find("Year:          wood-dragon (jia-chen)\n"), std::string::npos);
  EXPECT_NE(byDate.out.find("Month:         fire-tiger (bing-yin)\n"), std::string::npos);
  EXPECT_NE(byDate.out.find("VMC:           4721-01-01 VMC"), std::string::npos);
  EXPECT_EQ(Cli("chinese --jdn 2460351").out, byDate.out);
  // Animal names follow the country; the 2023 rabbit is a cat in Vietnam.
  const CliRun vietnam = Cli("chinese 2023-06-01 --country vietnam");
  EXPECT_NE(vietnam.out.find("Year:          water-cat (gui-mao)\n"), std::string::npos) << vietnam.out;
}

// Korea computes for 135 degrees east since 1912, and for 120 before it when the calendar's
// history is followed: its rows are those of the meridian's own tables, the rule column aside.
TEST(CliMonths, KoreaIsTheTablesOf135EastAndItsHistoryThoseOf120) {
  auto firstColumns = [](const std::string& out) {
    std::vector<std::string> rows;
    for (const std::string& line : Lines(out)) rows.push_back(line.substr(0, line.rfind('\t')));
    return rows;
  };
  const CliRun korea = Cli("months --country korea --from 1912 --to 2049 --format tsv");
  ASSERT_EQ(korea.code, 0);
  EXPECT_EQ(firstColumns(korea.out),
            firstColumns(Cli("months --longitude 135 --from 1912 --to 2049 --format tsv").out));
  EXPECT_EQ(korea.out.find(",almanac-"), std::string::npos);
  const CliRun history = Cli("months --country korea --historical --from 1900 --to 1911 --format tsv");
  EXPECT_EQ(firstColumns(history.out),
            firstColumns(Cli("months --longitude 120 --from 1900 --to 1911 --format tsv").out));
  for (const std::string& line : Lines(history.out)) {
    if (line[0] != 'l') {
      EXPECT_EQ(Fields(line)[10], "E120") << line;
    }
  }
  // The text form says where a month was computed for the almanac's meridian.
  const auto tet = Lines(Cli("months --country vietnam --from 1965 --to 1965").out);
  ASSERT_FALSE(tet.empty());
  EXPECT_NE(tet[0].find("  history: the almanac of 1965 (120º E): 29 days from 1965-02-02 CE"),
            std::string::npos)
      << tet[0];
}

// --historical reaches every command that reads a lunar date, through the entry's options too.
TEST(CliMonths, HistoricalReachesTheCommands) {
  struct Case {
    const char* arguments;
    const char* expected;
  } cases[] = {
      {"show '1965-02-01 CE' --country vietnam",
       "Calendar history:             In 1965 Vietnam's almanac was computed for 120º E: that day was "
       "78-41-12-30 CHL."},
      {"show '1965-02-01 CE' --country vietnam --historical",
       "Vietnamese Lunar (120º E):    78-41-12-30 CHL"},
      {"search lunar-new-year '1965-01-01 CE' --country vietnam --historical", "1965-02-02 CE"},
      {"move chl-month '1967-12-31 CE' --country vietnam --historical", "1968-01-29 CE"},
      {"chinese 1916-02-03 --country china --historical", "77-53-01-01 CHL"},
      {"days --from 1916-02-03 --to 1916-02-03 --historical --format tsv", "\t53\t1\t0\t1\t"},
      {"month-view '1965-02-05 CE' --country vietnam",
       "Calendar history: Vietnam's almanac of 1965 was computed for 120º E"},
      {"list new-years '1964-02-13 CE' --years 2 --country vietnam --historical", "1965-02-02 CE"},
      {"export new-years --from 1965 --to 1965 --country vietnam --historical",
       "DTSTART;VALUE=DATE:19650202"},
      {"chinese 2024-02-10 --country korea", "KST"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = Cli(c.arguments);
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find(c.expected), std::string::npos) << run.out;
  }
}

}  // namespace
}  // namespace mirvo
