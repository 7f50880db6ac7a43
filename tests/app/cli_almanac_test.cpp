// Runs the real mirvo-cli almanac and checks its events against published times and each other.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "platform/astro/DeltaT.h"
#include "tests/app/CliRun.h"

namespace mirvo {
namespace {

using test::CliRun;

CliRun Almanac(const std::string& arguments) { return test::RunCli("almanac " + arguments); }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

struct Row {
  std::string kind;
  int number = 0;
  double tt = 0, ut = 0, cjdc = 0;
  std::string date, time;
  std::string line;
};

std::vector<Row> Tsv(const std::string& arguments) {
  const CliRun run = Almanac(arguments + " --format tsv");
  EXPECT_EQ(run.code, 0) << run.out;
  std::vector<Row> rows;
  const auto lines = Split(run.out, '\n');
  if (lines.empty()) return rows;
  EXPECT_EQ(lines[0], "kind\tnumber\ttt_jde\tut_ajd\tcjdc\tcivil_date\tcivil_time");
  for (size_t i = 1; i < lines.size(); ++i) {
    const auto f = Split(lines[i], '\t');
    EXPECT_EQ(f.size(), 7u) << lines[i];
    if (f.size() != 7) continue;
    Row r;
    r.kind = f[0];
    r.number = std::stoi(f[1]);
    r.tt = std::stod(f[2]);
    r.ut = std::stod(f[3]);
    r.cjdc = std::stod(f[4]);
    r.date = f[5];
    r.time = f[6];
    r.line = lines[i];
    for (int c : {2, 3, 4}) EXPECT_EQ(f[c].size() - f[c].find('.') - 1, 6u) << lines[i];
    rows.push_back(r);
  }
  return rows;
}

// Published times (to the minute), Beijing time, 2024: the new moon before the lunar new year,
// the new moon of the total solar eclipse of April 8 (UT), the full moon of the partial lunar
// eclipse of September 18 (UT), the equinoxes and solstices.
TEST(CliAlmanac, AgreesWithPublishedTimesOf2024ToTheMinute) {
  const CliRun text = Almanac("--from 2024 --to 2024");
  ASSERT_EQ(text.code, 0) << text.out;
  EXPECT_NE(text.out.find("2024-02-10 06:59:"), std::string::npos);
  EXPECT_NE(text.out.find("CCT  New moon"), std::string::npos);
  EXPECT_NE(text.out.find("Z2  Chun fen (Spring equinox)"), std::string::npos);

  struct Published {
    const char* kind;
    int number;
    const char* date;
    int hour, minute;
  };
  const Published published[] = {
      {"new_moon", 298, "2024-02-10", 6, 59},   {"new_moon", 300, "2024-04-09", 2, 21},
      {"full_moon", 305, "2024-09-18", 10, 34}, {"solar_term", 7, "2024-03-20", 11, 6},
      {"solar_term", 13, "2024-06-21", 4, 51},  {"solar_term", 1, "2024-12-21", 17, 21},
  };
  const auto rows = Tsv("--from 2024 --to 2024");
  for (const Published& p : published) {
    SCOPED_TRACE(std::string(p.kind) + " " + p.date);
    int found = 0;
    for (const Row& r : rows) {
      if (r.kind != p.kind || r.number != p.number || r.date != p.date) continue;
      ++found;
      const double minutes = (r.cjdc - std::floor(r.cjdc)) * 1440;
      EXPECT_NEAR(minutes, p.hour * 60 + p.minute, 1.0) << r.line;
    }
    EXPECT_EQ(found, 1);
  }
}

TEST(CliAlmanac, TsvRowsAreConsistentAndInOrder) {
  for (const char* meridian : {"--country china", "--country vietnam", "--longitude 145"}) {
    SCOPED_TRACE(meridian);
    const int longitude = std::string(meridian) == "--country china"     ? 120
                          : std::string(meridian) == "--country vietnam" ? 105
                                                                         : 145;
    const auto rows = Tsv(std::string("--from 1999 --to 2000 ") + meridian);
    std::map<std::string, int> count;
    int lastTerm = 0;
    int lastPhase = -1, lastLunation = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
      const Row& r = rows[i];
      SCOPED_TRACE(r.line);
      ++count[r.kind];
      if (i > 0) {
        EXPECT_LT(rows[i - 1].ut, r.ut);
      }
      EXPECT_NEAR(r.cjdc, CjdcFromAjd(r.ut, longitude), 2e-6);
      EXPECT_NEAR(r.tt - r.ut, DeltaTMinutes(r.ut) / 1440, 2e-6);
      // The civil date and time are those of the CJDC.
      const CalendarDate d = CeDateOfJdn(JdnOf(r.cjdc));
      char iso[16];
      std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", d.year, d.month, d.day);
      EXPECT_EQ(r.date, iso);
      // The printed CJDC is rounded to 1e-6 day, the time truncated to the second.
      const int seconds = std::stoi(r.time.substr(0, 2)) * 3600 + std::stoi(r.time.substr(3, 2)) * 60 +
                          std::stoi(r.time.substr(6, 2));
      EXPECT_NEAR(seconds + 0.5, (r.cjdc - d.jdn) * 86400, 0.6);
      if (r.kind == "solar_term") {
        if (lastTerm) {
          EXPECT_EQ(r.number, lastTerm % 24 + 1);
        }
        lastTerm = r.number;
      } else {
        const int phase = r.kind == "new_moon"        ? 0
                          : r.kind == "first_quarter" ? 1
                          : r.kind == "full_moon"     ? 2
                                                      : 3;
        if (lastPhase >= 0) {
          EXPECT_EQ(phase, (lastPhase + 1) % 4);
          EXPECT_EQ(r.number, lastLunation + (phase == 0 ? 1 : 0));
        }
        lastPhase = phase;
        lastLunation = r.number;
      }
    }
    EXPECT_EQ(count["solar_term"], 48);
    for (const char* k : {"new_moon", "first_quarter", "full_moon", "last_quarter"}) {
      EXPECT_GE(count[k], 24) << k;
      EXPECT_LE(count[k], 26) << k;
    }
    EXPECT_EQ(rows.front().date.substr(0, 4), "1999");
    EXPECT_EQ(rows.back().date.substr(0, 4), "2000");
  }
}

TEST(CliAlmanac, EveryPhaseNearNewYearIsListedInItsCivilYearOnly) {
  // The phases within 40 days of New Year's midnight at the meridian, from the library, must
  // each be listed once, in the year of their civil date there: in modern times and in the far
  // past, where Delta T is hours long.
  Ephemeris eph;
  for (int year : {2056, -2001}) {
    for (int longitude : {100, 135}) {
      SCOPED_TRACE(std::to_string(year) + " at " + std::to_string(longitude));
      const std::string l = " --longitude " + std::to_string(longitude);
      const auto before = Tsv("--from " + std::to_string(year) + " --to " + std::to_string(year) + l);
      const auto after = Tsv("--from " + std::to_string(year + 1) + " --to " + std::to_string(year + 1) + l);
      const int32_t firstDay = JdnOfCeDate(year + 1, 1, 1);
      const double midnight = AjdFromCjdc(firstDay, longitude);
      int checked = 0;
      for (int32_t n = eph.LunationAt(midnight) - 2; n <= eph.LunationAt(midnight) + 2; ++n) {
        for (int p = 0; p < 4; ++p) {
          const double ut = eph.SyzygyUt(n, p);
          if (std::abs(ut - midnight) > 40) continue;
          const bool inNext = JdnOf(CjdcFromAjd(ut, longitude)) >= firstDay;
          int inBefore = 0, inAfter = 0;
          for (const Row& r : before) inBefore += r.kind != "solar_term" && std::abs(r.ut - ut) < 2e-6;
          for (const Row& r : after) inAfter += r.kind != "solar_term" && std::abs(r.ut - ut) < 2e-6;
          EXPECT_EQ(inBefore, inNext ? 0 : 1) << n << " " << p;
          EXPECT_EQ(inAfter, inNext ? 1 : 0) << n << " " << p;
          ++checked;
        }
      }
      EXPECT_GE(checked, 8);
    }
  }
}

TEST(CliAlmanac, TheWholeRangeOfYearsIsAccepted) {
  for (const char* year : {"-3000", "3000", "0"}) {
    const auto rows = Tsv(std::string("--from ") + year + " --to " + year);
    ASSERT_FALSE(rows.empty()) << year;
    for (const Row& r : rows) {
      const std::string y = std::string(year) == "-3000" ? "-3000"
                            : std::string(year) == "0"   ? "0000"
                                                         : "3000";
      EXPECT_EQ(r.date.substr(0, y.size()), y) << r.line;
    }
    std::set<int> terms;
    for (const Row& r : rows)
      if (r.kind == "solar_term") terms.insert(r.number);
    EXPECT_EQ(terms.size(), 24u) << year;
  }
}

// The help states the span of observed Delta T; it must follow the table when that is regenerated.
TEST(CliAlmanac, HelpNamesTheObservedYearsOfDeltaT) {
  const CliRun run = Almanac("--help");
  EXPECT_EQ(run.code, 0);
  const std::string first = std::to_string(astro::DeltaTFirstObservedYear());
  const std::string last = std::to_string(astro::DeltaTLastObservedYear());
  EXPECT_NE(run.out.find("  " + first + "-" + last + "   observed"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("  after " + last + "  "), std::string::npos) << run.out;
}

TEST(CliAlmanac, BadArgumentsGiveOneLineAndExitCode2) {
  struct Case {
    const char* arguments;
    const char* message;
  };
  const Case cases[] = {
      {"--from 2024", "--from and --to are both required"},
      {"--from 2025 --to 2024", "--from must not be later than --to"},
      {"--from 2024 --to 3001", "--to must be from -3000 to 3000"},
      {"--from -3001 --to 2024", "--from must be from -3000 to 3000"},
      {"--from 2024x --to 2024", "--from needs a whole number"},
      {"--from 2024 --to 2024 --format csv", "--format must be text or tsv"},
      {"--from 2024 --to 2024 --longitude 146", "--longitude must be from 100 to 145"},
      {"--from 2024 --to 2024 --country mongolia", "--country must be vietnam, china, japan or korea"},
      {"--from 2024 --to 2024 --year 3", "unknown option --year"},
      {"2024", "unexpected argument '2024'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = Almanac(c.arguments);
    EXPECT_EQ(run.code, 2);
    const std::string firstLine = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(firstLine.rfind("mirvo-cli almanac: ", 0), 0u) << firstLine;
    EXPECT_NE(firstLine.find(c.message), std::string::npos) << firstLine;
  }
}

}  // namespace
}  // namespace mirvo
