// Runs the real mirvo-cli where its output can fail or must not be replaced: a full device, a
// reader that has gone, --output onto a FIFO, a symbolic link, a read-only file and a device, a
// run killed while writing; and its strict date texts, quoting and partial exports.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/listings/LunarRecords.h"
#include "tests/app/CliRun.h"
#include "tests/support/ICalendarRead.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

namespace fs = std::filesystem;
using test::CliCommand;
using test::File;
using test::RunCli;
using test::RunShell;

constexpr const char* kExport = "export leap-months --from 2020 --to 2030";  // four events

size_t EventsIn(const std::string& text) { return test::ReadICalendar(text).events.size(); }

// A folder of its own, removed afterwards.
struct Folder {
  std::string path = [] {
    std::string pattern = ::testing::TempDir() + "/mirvo-output-XXXXXX";
    return std::string(mkdtemp(pattern.data()));
  }();
  ~Folder() { fs::remove_all(path); }
  std::string operator/(const std::string& name) const { return path + "/" + name; }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path)) names.push_back(e.path().filename().string());
    return names;
  }
};

// Output that cannot be written is a failure of every kind of command, however it is made: at
// once, in blocks on several threads, by a listing, as a calendar file, or as help.
TEST(CliOutput, LostOutputIsAFailureOfEveryCommand) {
  for (const char* command :
       {"--help", "show --help", "now", "show '2000-01-01 CE'", "chinese 2000-01-01",
        "days --from 2000-01-01 --to 2010-01-01", "months --from 2000 --to 2001",
        "almanac --from 2000 --to 2000", "month-view '2000-01-01 CE'", "year-data 2024-06-01 CE",
        "list new-years 2024-02-10 CE", "selftest --count 10", "move day '2000-01-01 CE' --count 3",
        "search full-moon '2000-01-01 CE'", "log-entry '2000-01-01 CE'", kExport,
        "export terms --from 2000 --to 2000 --output -"}) {
    const auto run = RunShell(CliCommand() + " " + command + " 2>&1 >/dev/full");
    EXPECT_EQ(run.code, 1) << command;
    EXPECT_EQ(run.out, "mirvo-cli: the output could not be written: No space left on device\n") << command;
  }
  // A reader that has gone, with SIGPIPE ignored as some services leave it: EPIPE, not success.
  const auto gone =
      RunShell("bash -c \"trap '' PIPE; " + CliCommand() +
               " days --from 2000-01-01 --to 2010-01-01 2>/dev/null | true; echo \\${PIPESTATUS[0]}\"");
  EXPECT_EQ(gone.out, "1\n");
}

// A FIFO and a device are written to, a symbolic link is followed, an existing file keeps its
// permissions, one the user may not write is refused as cp refuses it, and nothing is left
// beside them.
TEST(CliOutput, WhatOutputNamesDecidesHowItIsWritten) {
  Folder folder;
  const std::string fifo = folder / "fifo", real = folder / "real.ics", link = folder / "link",
                    full = folder / "full", readOnly = folder / "read-only.ics";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  auto reader = std::async(std::launch::async, [&] { return File(fifo); });
  EXPECT_EQ(RunCli(std::string(kExport) + " --output " + fifo).code, 0);
  if (reader.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // nothing was written: end the reader's wait
  }
  EXPECT_EQ(EventsIn(reader.get()), 4u);
  EXPECT_TRUE(fs::is_fifo(fifo));

  std::ofstream(real) << "old";
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(symlink("real.ics", link.c_str()), 0);
  EXPECT_EQ(RunCli(std::string(kExport) + " --output " + link).code, 0);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(EventsIn(File(real)), 4u);
  EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));

  ASSERT_EQ(symlink("/dev/full", full.c_str()), 0);
  const auto onFull = RunCli(std::string(kExport) + " --output " + full);
  EXPECT_EQ(onFull.code, 1);
  EXPECT_NE(onFull.out.find("cannot write '" + full + "': No space left on device"), std::string::npos)
      << onFull.out;
  EXPECT_TRUE(fs::is_symlink(full));
  for (const char* standardOutput : {"/dev/stdout", "-"}) {
    EXPECT_EQ(EventsIn(RunCli(std::string(kExport) + " --output " + standardOutput, false).out), 4u);
  }

  // The administrator may write a read-only file, as with cp; run so, the test also runs the
  // program as an ordinary user, when it can take that identity, to see the refusal.
  std::ofstream(readOnly) << "old";
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  std::vector<std::pair<std::string, bool>> runs;  // command prefix, whether it may write
  if (geteuid() == 0 && access("/usr/bin/setpriv", X_OK) == 0 && chmod(folder.path.c_str(), 0777) == 0) {
    runs.push_back({"/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups ", false});
  }
  runs.push_back({"", access(readOnly.c_str(), W_OK) == 0});
  for (const auto& [prefix, writable] : runs) {
    const auto run = RunShell(prefix + CliCommand() + " " + kExport + " --output " + readOnly + " 2>&1");
    EXPECT_EQ(run.code, writable ? 0 : 1) << prefix << run.out;
    EXPECT_EQ(File(readOnly) == "old", !writable) << prefix;
    EXPECT_EQ(run.out.find("Permission denied") != std::string::npos, !writable) << run.out;
    EXPECT_EQ(fs::status(readOnly).permissions(), fs::perms(0444));
  }
  EXPECT_EQ(folder.Names().size(), 5u);
}

// A run killed while it writes leaves its temporary file; the next success on the same file
// removes it. A long self-test says how far it is on stderr (first after 5 seconds).
TEST(CliOutput, InterruptedAndLongRuns) {
  Folder folder;
  const auto killed =
      RunShell("cd " + folder.path + " && { " + CliCommand() +
               " export phases --from 1 --to 3000 --output phases.ics & } && for i in $(seq 600); do "
               "[ -n \"$(find . -name '.phases.ics.*' -size +100k)\" ] && break; sleep 0.05; done; "
               "kill -9 $!; wait $!; ls -A");
  EXPECT_EQ(killed.out.rfind(".phases.ics.vantrel-", 0), 0u) << killed.out;
  EXPECT_EQ(Lines(killed.out).size(), 1u) << killed.out;
  EXPECT_EQ(RunCli(std::string(kExport) + " --output " + (folder / "phases.ics")).code, 0);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"phases.ics"});

  const auto progress = RunShell("timeout -s KILL 8 " + CliCommand() +
                                 " selftest --count 10000000 --seed 1 2>&1 >/dev/null | head -n 1");
  EXPECT_EQ(progress.out.rfind("mirvo-cli selftest: ", 0), 0u) << progress.out;
  EXPECT_NE(progress.out.find(" of 10000000 pairs tested ("), std::string::npos) << progress.out;
}

// Dates in exactly the form the help names; a refused value is quoted on one line, at most 80
// characters, its control characters escaped; "--" ends the options.
TEST(CliOutput, StrictDatesSafeQuotesAndTheEndOfOptions) {
  const std::pair<const char*, int> dates[] = {{"chinese -44-03-15", 0},
                                               {"chinese '2000-01-01 JC'", 2},
                                               {"chinese '2000-01-01 (day 5)'", 2},
                                               {"days --from 2000-01-01 --to '2000-01-03 CE'", 2}};
  for (const auto& [args, code] : dates) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.code, code) << args;
    EXPECT_EQ(run.out.find("a CE date such as 2024-02-10, not '") != std::string::npos, code == 2) << args;
  }
  const std::string hostile = "\"$(printf 'x\\033[31m\\ny%.0s' $(seq 50))\"";  // 350 characters
  for (const std::string& args : {"chinese " + hostile, "now --bogus" + hostile}) {
    const auto run = RunCli(args);
    const std::string first = Lines(run.out).at(0);
    EXPECT_EQ(run.code, 2) << args;
    EXPECT_NE(first.find("x\\x1B[31m\\ny"), std::string::npos) << first;
    EXPECT_EQ(first.find('\033'), std::string::npos) << first;
    EXPECT_LT(first.size(), 250u) << first;
  }
  EXPECT_EQ(RunCli("show -- '2000-01-01 CE'").out, RunCli("show '2000-01-01 CE'").out);
  EXPECT_EQ(RunCli("show -- '-3001-01-01 CE'").out.rfind("mirvo-cli show: Date too early.\n", 0), 0u);
}

// Events after the year 3000 are left out of a file and counted on stderr, with exit code 3; the
// file holds all the others. A title longer than a calendar shows is refused.
TEST(CliOutput, ExportsReachingPast3000WriteWhatFitsAndSaySo) {
  Folder folder;
  Reckoner reckoner;
  size_t months = 0, after3000 = 0;
  for (const int32_t year : {2999, 3000}) {
    for (const MonthStart& m : MonthStartsOfYear(reckoner, year, false)) {
      ++months;
      after3000 += m.date.jdn > JdnOfCeDate(3000, 12, 31);
    }
  }
  ASSERT_GT(after3000, 0u);
  const auto run = RunShell(CliCommand() + " export months --from 2999 --to 3000 --output " +
                            (folder / "m.ics") + " 2>&1");
  EXPECT_EQ(run.code, 3);
  EXPECT_EQ(run.out, "mirvo-cli export: " + std::to_string(after3000) +
                         (after3000 == 1 ? " date" : " dates") +
                         " left out: an iCalendar file holds the years 1 to 3000.\n");
  EXPECT_EQ(EventsIn(File(folder / "m.ics")), months - after3000);
  // The new years from 2017 on: 984 fit, the 985th and later begin after 3000.
  for (const auto& [years, code] : {std::pair{"984", 0}, std::pair{"990", 3}}) {
    const auto newYears = RunCli(std::string("export anniversaries 2017-01-28 CE --years ") + years, false);
    EXPECT_EQ(newYears.code, code) << years;
    EXPECT_EQ(EventsIn(newYears.out), 984u) << years;
  }
  const auto title = RunCli("export anniversaries 2024-02-10 CE --title \"$(printf 'a%.0s' $(seq 1001))\"");
  EXPECT_EQ(title.code, 2);
  EXPECT_NE(title.out.find("--title must be at most 1000 characters"), std::string::npos);
}

}  // namespace
}  // namespace mirvo
