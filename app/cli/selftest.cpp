// mirvo-cli selftest: the data window's random test of lunar and solar dates converted to day
// numbers and back.
#include <chrono>
#include <cmath>
#include <iostream>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "app/cli/StreamOutput.h"
#include "core/chinese/Reckoner.h"
#include "features/listings/Listings.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli selftest [--count N] [--seed S] [--country vietnam|china|japan|korea]\n"
    "                          [--longitude L] [--epoch -2696|-2636] [--method true|mean]\n"
    "                          [--historical]\n"
    "Draws N (default 1000, at most 10000000) random pairs of a solar and a lunar date, partly\n"
    "beyond the valid fields, converts each valid one to its day number and back, and prints the\n"
    "test's text: \"0\" for an invalid date, \"1\" for one that came back unchanged, and a report\n"
    "of the first that did not. --seed repeats a run (default: from the clock). Exits with 1\n"
    "when a date failed. A run longer than 5 seconds (a million pairs take minutes) says every\n"
    "5 seconds on stderr how far it is.\n";

// A run that takes longer than a few seconds says on stderr how far it is, every few seconds.
class ProgressOutput : public StreamOutput {
 public:
  ProgressOutput(std::ostream& out, std::ostream& err, const RandomSelfTest& test, long count)
      : StreamOutput(out), err_(err), test_(test), count_(count) {}

  bool StopRequested() const override {
    if (StreamOutput::StopRequested()) return true;
    if (++steps_ % 256 != 0) return false;
    const auto now = std::chrono::steady_clock::now();
    if (now < next_) return false;
    next_ = now + kInterval;
    const long done = test_.done();
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const long left = done > 0 ? std::lround(seconds * static_cast<double>(count_ - done) / done) : 0;
    err_ << "mirvo-cli selftest: " << done << " of " << count_ << " pairs tested (" << 100 * done / count_
         << "%), about " << (left >= 120 ? left / 60 : left) << (left >= 120 ? " min" : " s") << " left"
         << std::endl;
    return false;
  }

 private:
  static constexpr std::chrono::seconds kInterval{5};
  std::ostream& err_;
  const RandomSelfTest& test_;
  long count_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  mutable std::chrono::steady_clock::time_point next_ = start_ + kInterval;
  mutable unsigned steps_ = 0;
};

int Run(const Args& args, std::ostream& out, std::ostream& err) {
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
  ProgressOutput text(out, err, test, count);
  RunListing(test, text, kModeTest);
  out << "\n";
  return test.failed() ? 1 : kExitOk;
}

}  // namespace

Command SelfTestCommand() {
  return {"selftest",
          "random lunar and solar dates to day numbers and back; exit 1 on a failure",
          kUsage,
          Run,
          {"count", "seed", "country", "longitude", "epoch", "method"},
          {"historical"}};
}

}  // namespace mirvo::cli
