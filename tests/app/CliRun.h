// Runs the real mirvo-cli program (MIRVO_CLI_PATH, set by the build) through the shell and keeps
// what it printed and how it exited.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace mirvo::test {

struct CliRun {
  std::string out;  // stdout, and stderr too unless it was dropped
  int code = -1;    // exit code, or -1 when the program did not exit normally
};

// The bytes of a file the program wrote ("" when there is none).
inline std::string File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The program's path, quoted for the shell.
inline std::string CliCommand() { return std::string("'") + MIRVO_CLI_PATH + "'"; }

// Runs a whole shell command line and keeps its stdout and the shell's exit code.
inline CliRun RunShell(const std::string& command) {
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[1 << 14];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// arguments are already quoted for the shell. withErrors folds stderr into out; without it stderr
// is dropped.
inline CliRun RunCli(const std::string& arguments, bool withErrors = true) {
  return RunShell(CliCommand() + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null"));
}

}  // namespace mirvo::test
