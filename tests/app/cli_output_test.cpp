// Runs the real mirvo-cli where its output can fail or must not be replaced: a full device, a
// reader that has gone, --output onto a FIFO, a symbolic link, a read-only file, a device and a
// run killed while writing; and the strict date texts and safe quoting of its messages.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "tests/app/CliRun.h"
#include "ui/data/LunarRecords.h"
#include "tests/support/ICalendarRead.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

namespace fs = std::filesystem;
using test::CliCommand;
using test::RunCli;
using test::RunShell;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A folder of its own for each test, removed afterwards.
class Folder {
 public:
  Folder() {
    std::string pattern = ::testing::TempDir() + "/mirvo-output-XXXXXX";
    path_ = mkdtemp(pattern.data());
  }
  ~Folder() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  // The names in it, hidden ones included.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path_)) names.push_back(e.path().filename().string());
    return names;
  }

 private:
  std::string path_;
};

mode_t Mode(const std::string& path, bool follow = true) {
  struct stat st {};
  if (follow) stat(path.c_str(), &st);
  else lstat(path.c_str(), &st);
  return st.st_mode;
}

constexpr const char* kExport = "export leap-months --from 2020 --to 2030";  // four events

size_t EventsIn(const std::string& text) {
  const auto calendar = test::ReadICalendar(text);
  return calendar.parsed ? calendar.events.size() : 0;
}

// Output that cannot be written is a failure of every kind of command, however the output is
// made: at once, in blocks on several threads, by a listing, as a calendar file, or as help.
TEST(CliOutput, LostOutputIsAFailureOfEveryCommand) {
  const char* commands[] = {
      "--help",
      "show --help",
      "now",
      "show '2000-01-01 CE'",
      "chinese 2000-01-01",
      "days --from 2000-01-01 --to 2010-01-01",
      "months --from 2000 --to 2001 --format tsv",
      "almanac --from 2000 --to 2000",
      "month-view '2000-01-01 CE'",
      "year-data 2024-06-01 CE",
      "list new-years 2024-02-10 CE",
      "selftest --count 10 --seed 1",
      "move day '2000-01-01 CE' --count 3",
      "search full-moon '2000-01-01 CE'",
      "log-entry '2000-01-01 CE'",
      kExport,
      "export leap-months --from 2020 --to 2030 --output -",
  };
  for (const char* command : commands) {
    const auto run = RunShell(CliCommand() + " " + command + " 2>&1 >/dev/full");
    EXPECT_EQ(run.code, 1) << command;
    EXPECT_EQ(Lines(run.out).size(), 1u) << command << "\n" << run.out;
    EXPECT_NE(run.out.find("the output could not be written: No space left on device"), std::string::npos)
        << command << "\n" << run.out;
  }
  // A reader that has gone, with SIGPIPE ignored as some shells and services leave it: the write
  // fails with EPIPE instead of ending the program.
  const auto gone = RunShell("bash -c \"trap '' PIPE; " + CliCommand() +
                             " days --from 2000-01-01 --to 2010-01-01 2>/dev/null | true; echo \\${PIPESTATUS[0]}\"");
  EXPECT_EQ(gone.out, "1\n");
}

// A FIFO and a device are written to, a symbolic link is followed, an existing file keeps its
// permissions, and a file the user may not write is refused as cp refuses it.
TEST(CliOutput, WhatOutputNamesDecidesHowItIsWritten) {
  Folder folder;
  // A FIFO: its reader gets the file, and it stays a FIFO.
  const std::string fifo = folder / "calendar.fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  auto reader = std::async(std::launch::async, [&] { return File(fifo); });
  EXPECT_EQ(RunCli(std::string(kExport) + " --output " + Quoted(fifo)).code, 0);
  if (reader.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // the program never wrote: end the reader's wait
  }
  EXPECT_EQ(EventsIn(reader.get()), 4u);
  EXPECT_TRUE(S_ISFIFO(Mode(fifo)));

  // A symbolic link to a file with its own permissions: the file it names is replaced, the link
  // stays, and the mode is kept.
  const std::string real = folder / "real.ics", link = folder / "link.ics";
  std::ofstream(real) << "old";
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(symlink("real.ics", link.c_str()), 0);
  EXPECT_EQ(RunCli(std::string(kExport) + " --output " + Quoted(link)).code, 0);
  EXPECT_TRUE(S_ISLNK(Mode(link, false)));
  EXPECT_EQ(EventsIn(File(real)), 4u);
  EXPECT_EQ(Mode(real) & 07777, 0640u);

  // A device behind a link: written directly, and a full one is a failure, not a replacement.
  const std::string full = folder / "full";
  ASSERT_EQ(symlink("/dev/full", full.c_str()), 0);
  const auto onFull = RunCli(std::string(kExport) + " --output " + Quoted(full));
  EXPECT_EQ(onFull.code, 1);
  EXPECT_NE(onFull.out.find("No space left on device"), std::string::npos) << onFull.out;
  EXPECT_TRUE(S_ISLNK(Mode(full, false)));
  // /dev/stdout and "-" are the standard output the program was given.
  for (const char* path : {"/dev/stdout", "-"}) {
    const auto toStdout = RunCli(std::string(kExport) + " --output " + path, false);
    EXPECT_EQ(toStdout.code, 0) << path;
    EXPECT_EQ(EventsIn(toStdout.out), 4u) << path;
  }

  // A read-only file: refused unless the user may write it anyway (the administrator may, as
  // with cp), and then replaced with its mode kept. Run by the administrator, the test also runs
  // the program as an ordinary user, when it can take that identity, to see the refusal.
  const std::string readOnly = folder / "read-only.ics";
  std::ofstream(readOnly) << "old";
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  std::vector<std::pair<std::string, bool>> runs;  // command prefix, whether it may write the file
  if (geteuid() == 0 && access("/usr/bin/setpriv", X_OK) == 0 && chmod(folder.path().c_str(), 0777) == 0) {
    runs.push_back({"/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups ", false});
  }
  runs.push_back({"", access(readOnly.c_str(), W_OK) == 0});
  for (const auto& [prefix, writable] : runs) {
    const auto run = RunShell(prefix + CliCommand() + " " + kExport + " --output " + Quoted(readOnly) + " 2>&1");
    EXPECT_EQ(run.code, writable ? 0 : 1) << prefix << run.out;
    EXPECT_EQ(File(readOnly) == "old", !writable) << prefix;
    if (!writable) {
      EXPECT_NE(run.out.find("Permission denied"), std::string::npos) << run.out;
    }
    EXPECT_EQ(Mode(readOnly) & 07777, 0444u);
  }
  // No temporary file is left anywhere.
  EXPECT_EQ(folder.Names().size(), 5u);
}

// A run killed while it writes leaves its temporary file; the next run that succeeds on the same
// file removes it.
TEST(CliOutput, AKilledExportLeavesNoTemporaryFileAfterTheNextSuccess) {
  Folder folder;
  const std::string target = folder / "phases.ics";
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    execl(MIRVO_CLI_PATH, MIRVO_CLI_PATH, "export", "phases", "--from", "1", "--to", "3000", "--output",
          target.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  // Killed once its temporary file has grown.
  bool started = false;
  for (int i = 0; i < 600 && !started; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    for (const auto& name : folder.Names()) started = started || fs::file_size(folder / name) > 100000;
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  ASSERT_TRUE(started);
  ASSERT_EQ(folder.Names().size(), 1u);
  EXPECT_NE(folder.Names()[0], "phases.ics");

  EXPECT_EQ(RunCli(std::string(kExport) + " --output " + Quoted(target)).code, 0);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"phases.ics"});
  EXPECT_EQ(EventsIn(File(target)), 4u);
}

// A date argument is read in exactly the forms the help names; anything else is refused, and the
// message quotes it safely: one line, at most 80 characters, control characters escaped.
TEST(CliOutput, StrictDatesAndSafelyQuotedMessages) {
  const struct {
    const char* args;
    int code;
  } cases[] = {
      {"chinese 2000-01-01", 0},
      {"chinese -44-03-15", 0},
      {"chinese '2000-01-01 JC'", 2},
      {"chinese '2000-01-01 (day 5)'", 2},
      {"chinese ' 2000-01-01'", 2},
      {"chinese 2000/01/01", 2},
      {"chinese 2000-01-01x", 2},
      {"chinese 2023-02-29", 2},
      {"days --from 2000-01-01 --to '2000-01-03 CE'", 2},
      {"days --from +2000-01-01 --to 2000-01-03", 2},
      {"days --from 2000-01-01 --to 2000-01-03", 0},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args << "\n" << run.out;
    if (c.code == 2) {
      EXPECT_NE(run.out.find("a CE date such as 2024-02-10, not '"), std::string::npos) << c.args;
    }
  }
  // 200 characters with a line break and a terminal escape sequence in them.
  const std::string hostile = "$(printf 'x\\033[31m\\ny%.0s' $(seq 50))";
  for (const std::string& args : {"chinese \"" + hostile + "\"", "move \"" + hostile + "\"",
                                 "days --from 2000-01-01 --to 2000-01-01 --bogus\"" + hostile + "\""}) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.code, 2) << args;
    const std::string first = Lines(run.out).at(0);
    EXPECT_NE(first.find("x\\x1B[31m\\ny"), std::string::npos) << first;
    EXPECT_EQ(first.find('\033'), std::string::npos) << first;
    EXPECT_LT(first.size(), 80u * 5 + 100) << first;
    EXPECT_NE(first.find("…"), std::string::npos) << first;
  }
  // "--" ends the options: what follows is the entry, even when it looks like an option.
  EXPECT_EQ(RunCli("show -- '2000-01-01 CE'").out, RunCli("show '2000-01-01 CE'").out);
  const auto early = RunCli("show -- '-3001-01-01 CE'");
  EXPECT_EQ(early.code, 2);
  EXPECT_EQ(RunCli("show -- --bogus").code, 2);
  EXPECT_EQ(early.out.find("unknown option"), std::string::npos) << early.out;
}

// Events beyond the years 1 to 3000 that a file can hold are left out, counted on stderr, and
// the export ends with 3; the file holds all the others.
TEST(CliOutput, ExportsReachingPast3000WriteWhatFitsAndSaySo) {
  Folder folder;
  const std::string path = folder / "months.ics";
  const auto months = RunShell(CliCommand() + " export months --from 2999 --to 3000 --output " + Quoted(path) + " 2>&1");
  EXPECT_EQ(months.code, 3) << months.out;
  // The months of those lunar years as the calendar has them, and those that begin after 3000.
  Reckoner reckoner;
  size_t all = 0, after3000 = 0;
  for (const int32_t year : {2999, 3000}) {
    for (const MonthStart& m : MonthStartsOfYear(reckoner, year, false)) {
      ASSERT_EQ(m.status, kChlValid);
      ++all;
      after3000 += m.date.jdn > JdnOfCeDate(3000, 12, 31);
    }
  }
  const auto written = test::ReadICalendar(File(path)).events;
  ASSERT_GT(after3000, 0u);
  EXPECT_EQ(written.size() + after3000, all);
  EXPECT_EQ(written.back().StartText().substr(0, 4), "3000");
  EXPECT_EQ(months.out, "mirvo-cli export: " + std::to_string(after3000) + (after3000 == 1 ? " date" : " dates") +
                            " left out: an iCalendar file holds the years 1 to 3000.\n");

  // Anniversaries: every year asked for is either in the file or counted as left out.
  for (const int years : {984, 985, 1000}) {
    const auto run = RunShell(CliCommand() + " export anniversaries 2017-01-28 CE --years " +
                              std::to_string(years) + " 2>" + Quoted(folder / "err"));
    const size_t events = EventsIn(run.out);
    const std::string err = File(folder / "err");
    const size_t leftOut = err.empty() ? 0 : std::stoul(err.substr(err.find(':') + 2));
    EXPECT_EQ(events + leftOut, static_cast<size_t>(years)) << err;
    EXPECT_EQ(run.code, leftOut == 0 ? 0 : 3) << years;
  }

  // A title longer than a calendar shows is refused.
  const auto title = RunCli("export anniversaries 2024-02-10 CE --title \"$(printf 'a%.0s' $(seq 1001))\"");
  EXPECT_EQ(title.code, 2);
  EXPECT_NE(title.out.find("--title must be at most 1000 characters"), std::string::npos);
}

// A self-test that runs for many minutes says how far it is on stderr while it runs.
TEST(CliOutput, ALongSelfTestShowsItsProgress) {
  int err[2];
  ASSERT_EQ(pipe(err), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(err[1], 2);
    close(err[0]);
    execl(MIRVO_CLI_PATH, MIRVO_CLI_PATH, "selftest", "--count", "10000000", "--seed", "1",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(err[1]);
  // The first line comes after 5 seconds; the read ends there or when the program ends.
  std::string line;
  char c;
  while (line.find('\n') == std::string::npos && read(err[0], &c, 1) == 1) line += c;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(err[0]);
  EXPECT_EQ(line.rfind("mirvo-cli selftest: ", 0), 0u) << line;
  EXPECT_NE(line.find(" of 10000000 pairs tested ("), std::string::npos) << line;
}

}  // namespace
}  // namespace mirvo
