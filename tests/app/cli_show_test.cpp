// mirvo-cli show, run as the real program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <string>

namespace {

struct CliRun {
  int code = -1;
  std::string out;
};

// Runs mirvo-cli with the arguments (already quoted for the shell); stderr is folded into out
// when withStderr is set.
CliRun Cli(const std::string& args, bool withStderr = false) {
  std::string command =
      std::string("'") + MIRVO_CLI_PATH + "' " + args + (withStderr ? " 2>&1" : " 2>/dev/null");
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliShow, LunarEntryPrintsEveryRowInWindowOrder) {
  CliRun r = Cli("show '79-31-9*-12 CHL'");
  ASSERT_EQ(r.code, 0) << r.out;
  const char* inOrder[] = {"Common Era (Gregorian):",
                           "Julian Calendar:",
                           "Chinese Lunar:",
                           "Chinese Solar:",
                           "Vellomir Calendar:",
                           "Chronological JD London:",
                           "Chronological JD 120º East:",
                           "Astronomical Julian date:",
                           "Phase of Moon, illumination:",
                           "[Lunation] Age of Moon:",
                           "Delta T:"};
  size_t at = 0;
  for (const char* caption : inOrder) {
    size_t p = r.out.find(caption, at);
    ASSERT_NE(p, std::string::npos) << caption << "\n" << r.out;
    at = p;
  }
  EXPECT_TRUE(Has(r.out, "79-31-9*-12 CHL 12:00 CCT")) << r.out;
  EXPECT_TRUE(Has(r.out, "Year 4711")) << r.out;
}

TEST(CliShow, TsvHasOneHeaderAndNamedRows) {
  CliRun r = Cli("show '2000-1-1 ce' --format tsv");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_EQ(r.out.rfind("name\tcaption\tvalue\n", 0), 0u);
  EXPECT_TRUE(Has(r.out, "lblCommonEraDate\tCommon Era (Gregorian):\t2000-01-01 CE 12:00 GMT Saturday\n"))
      << r.out;
  EXPECT_TRUE(Has(r.out, "lblAstronomicalJulianDate\tAstronomical Julian date:\t2,451,545.0000 AJD\n"));
  EXPECT_TRUE(Has(r.out, "lblElementAnimalOfDay.1\tDay:\tearth-horse day\n"));
}

// Right under the lunar date, on a day other tables may date differently only.
TEST(CliShow, UncertainDayFollowsTheLunarDate) {
  CliRun r = Cli("show '2057-10-01 CE' --format tsv");
  ASSERT_EQ(r.code, 0) << r.out;
  const size_t lunar = r.out.find("lblChineseLunarDate\t");
  const size_t note = r.out.find(
      "lblChineseLunarDate.uncertain\tUncertain day:\tThe first day of this "
      "month depends on a new moon ");
  ASSERT_NE(note, std::string::npos) << r.out;
  EXPECT_EQ(r.out.rfind('\n', note - 1) + 1, r.out.find('\n', lunar) + 1);
  EXPECT_FALSE(Has(Cli("show '2024-02-10 CE'").out, "Uncertain day:"));
}

TEST(CliShow, OptionsReachTheRules) {
  CliRun r = Cli("show '2000-01-01 CE' --time 10:30 --zone ref --country japan --format tsv");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_TRUE(Has(r.out, "2000-01-01 CE 01:30 GMT")) << r.out;
  EXPECT_TRUE(Has(r.out, "Japanese Lunar")) << r.out;
  CliRun q = Cli("show '70-?-12-30 CHL' --element fire --animal dog --format tsv");
  ASSERT_EQ(q.code, 0) << q.out;
  EXPECT_TRUE(Has(q.out, "70-23-12-30 CHL")) << q.out;
  CliRun p = Cli("show '2000-01-01 CE' --plus 1,000 --format tsv");
  EXPECT_TRUE(Has(p.out, "2002-09-27 CE 12:00 GMT")) << p.out;
}

TEST(CliShow, ErrorsGoToStderrWithExitTwo) {
  struct Case {
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {"show '2000-13-01 CE'", "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day"},
      {"show '2000-01-01'", "Calendar must be specified"},
      {"show '-3000-01-01 CE' --time 11:59", "Date is earlier than -3000-01-01 CE."},
      {"show '3000-01-02 CE'", "Date is later than 3000-01-01 CE."},
      {"show '2000-01-01 CE' --plus 1-2", "Invalid plus/minus days."},
      {"show '4709-01-01 CHL' --country vietnam", "Invalid CHL date."},
      {"show x --zone mars", "--zone"},
  };
  for (const auto& c : cases) {
    CliRun quiet = Cli(c.args);
    EXPECT_EQ(quiet.code, 2) << c.args;
    EXPECT_TRUE(quiet.out.empty()) << c.args << ": nothing on stdout";
    CliRun r = Cli(c.args, true);
    EXPECT_TRUE(Has(r.out, c.message)) << c.args << ": " << r.out;
  }
  EXPECT_EQ(Cli("show '-3000-01-01 CE' --time 12:00").code, 0);
}

TEST(CliShow, PresentMomentWithoutEntry) {
  CliRun r = Cli("show --format tsv");
  ASSERT_EQ(r.code, 0);
  EXPECT_TRUE(Has(r.out, "lblChineseLunarDate\tChinese Lunar:\t")) << r.out;
}

}  // namespace
