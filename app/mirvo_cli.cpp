// mirvo-cli: the calendar core from the command line, for scripts and checks.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/Args.h"

#ifndef MIRVO_VERSION
#define MIRVO_VERSION "0"
#endif

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage: mirvo-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
         "       mirvo-cli --help | --version | COMMAND --help\n\nCommands:\n";
  size_t width = 0;
  for (const auto& c : mirvo::cli::Commands()) width = std::max(width, std::strlen(c.name));
  for (const auto& c : mirvo::cli::Commands()) {
    std::string name = c.name;
    name.resize(width + 2, ' ');
    out << "  " << name << c.summary << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mirvo::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << "mirvo-cli: no command given\n";
    PrintUsage(std::cerr);
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(std::cout);
    return kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "mirvo-cli (Vantrel) " << MIRVO_VERSION << "\n";
    return kExitOk;
  }
  for (const auto& c : Commands()) {
    if (args[0] != c.name) continue;
    try {
      Args parsed(std::vector<std::string>(args.begin() + 1, args.end()), c.valueOptions, c.flagOptions);
      if (parsed.help()) {
        std::cout << c.usage;
        return kExitOk;
      }
      return c.run(parsed, std::cout, std::cerr);
    } catch (const UsageError& e) {
      std::cerr << "mirvo-cli " << c.name << ": " << e.what() << "\n" << c.usage;
      return kExitBadInput;
    }
  }
  std::cerr << "mirvo-cli: unknown command '" << args[0] << "'\n";
  PrintUsage(std::cerr);
  return kExitBadInput;
}
