// mirvo-cli selftest: the data window's random test of lunar and solar dates converted to day
// numbers and back.
#include <chrono>
#include <iostream>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "core/chinese/Reckoner.h"
#include "features/listings/Listings.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli selftest [--count N] [--seed S] [--country vietnam|china|japan]\n"
    "                          [--longitude L] [--epoch -2696|-2636] [--method true|mean]\n"
    "Draws N (default 1000, at most 10000000) random pairs of a solar and a lunar date, partly\n"
    "beyond the valid fields, converts each valid one to its day number and back, and prints the\n"
    "test's text: \"0\" for an invalid date, \"1\" for one that came back unchanged, and a report\n"
    "of the first that did not. --seed repeats a run (default: from the clock). Exits with 1\n"
    "when a date failed.\n";

int Run(const Args& args, std::ostream& out, std::ostream&) {
  RefusePositional(args);
  const long count = args.integer("count", 1, 10000000).value_or(1000);
  auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  if (auto s = args.integer("seed", 0, 2147483647)) seed = static_cast<uint64_t>(*s);
  Reckoner reckoner;
  ApplyChineseSettings(ChineseOptions(args), reckoner);
  if (auto m = args.value("method")) {
    if (*m != "true" && *m != "mean") throw UsageError("--method must be true or mean");
    reckoner.SetSunMethod(*m == "true" ? kTrueSun : kMeanSun);
  }
  RandomSelfTest test(reckoner, static_cast<int>(count), seed);
  TextOutput text;
  RunListing(test, text, kModeTest);
  out << text.text << "\n";
  return test.failed() ? 1 : kExitOk;
}

}  // namespace

Command SelfTestCommand() {
  return {"selftest", "random lunar and solar dates to day numbers and back; exit 1 on a failure",
          kUsage, Run, {"count", "seed", "country", "longitude", "epoch", "method"}, {}};
}

}  // namespace mirvo::cli
