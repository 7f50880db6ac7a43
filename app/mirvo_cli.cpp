// mirvo-cli: the calendar core from the command line, for scripts and checks.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/cli/Args.h"
#include "util/Files.h"
#include "util/Text.h"

#ifndef MIRVO_VERSION
#define MIRVO_VERSION "0"
#endif

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage: mirvo-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
         "       mirvo-cli --help | --version | COMMAND --help\n\n"
         "Every command takes --lang en|zh-Hans|zh-Hant|vi|ja|ko: the words of show, chinese,\n"
         "month-view, list, year-data, log-entry and the event titles of export in that language\n"
         "(default English); codes, numbers and TSV output stay the same.\n\nCommands:\n";
  size_t width = 0;
  for (const auto& c : mirvo::cli::Commands()) width = std::max(width, std::strlen(c.name));
  for (const auto& c : mirvo::cli::Commands()) {
    std::string name = c.name;
    name.resize(width + 2, ' ');
    out << "  " << name << c.summary << "\n";
  }
}

// The command's exit code, with what it wrote to `out` and `err`.
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  using namespace mirvo::cli;
  if (args.empty()) {
    err << "mirvo-cli: no command given\n";
    PrintUsage(err);
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(out);
    return kExitOk;
  }
  if (args[0] == "--version") {
    out << "mirvo-cli (Vantrel) " << MIRVO_VERSION << "\n";
    return kExitOk;
  }
  for (const auto& c : Commands()) {
    if (args[0] != c.name) continue;
    try {
      std::set<std::string> valueOptions = c.valueOptions;
      valueOptions.insert(kLanguageOption);
      Args parsed(std::vector<std::string>(args.begin() + 1, args.end()), valueOptions, c.flagOptions);
      LanguageOption(parsed);  // a bad --lang is refused by every command alike
      if (parsed.help()) {
        out << c.usage;
        return kExitOk;
      }
      return c.run(parsed, out, err);
    } catch (const UsageError& e) {
      err << "mirvo-cli " << c.name << ": " << e.what() << "\n" << c.usage;
      return kExitBadInput;
    }
  }
  err << "mirvo-cli: unknown command " << mirvo::QuotedText(args[0]) << "\n";
  PrintUsage(err);
  return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  // Standard output through a buffer that keeps why a write failed: output lost to a full disk,
  // a closed descriptor or a reader that has gone is a failure, never a success.
  mirvo::DescriptorBuffer buffer(1);
  std::ostream out(&buffer);
  std::cerr.tie(&out);  // a message follows what was printed before it
  const int code = RunCommand(std::vector<std::string>(argv + 1, argv + argc), out, std::cerr);
  out.flush();
  // Standard error outlives out (it is flushed at exit): it must not point at it any longer.
  std::cerr.tie(nullptr);
  if (!buffer.error().empty()) {
    std::cerr << "mirvo-cli: the output could not be written: " << buffer.error() << "\n";
    return mirvo::cli::kExitFailure;
  }
  return code;
}
