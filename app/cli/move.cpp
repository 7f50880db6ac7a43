// mirvo-cli move: the main window's Move command, repeated N times, through the same move rules:
// after each step the CE, CHL, CHS and VMC values as the window shows them.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "core/chinese/Reckoner.h"
#include "features/move/MoveRules.h"
#include "features/session/MainRules.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli move STEP [ENTRY] [--back] [--count N] [--keep30] [--keep-leap]\n"
    "                      [--time HH:MM] [--zone gmt|ref] [--plus N | --minus N]\n"
    "                      [--country vietnam|china|japan|korea] [--longitude L]\n"
    "                      [--epoch -2696|-2636] [--method true|mean] [--element NAME]\n"
    "                      [--animal NAME] [--historical] [--format text|tsv]\n"
    "Moves N times (default 1, at most 100000) by STEP, forward or --back, from ENTRY (a date with\n"
    "its calendar code and the options of `show`; without it, the present moment), as a repeated\n"
    "\"Move\" of the main window does, and prints after each step the CE, CHL, CHS and VMC\n"
    "(reference zone) values as the window shows them.\n"
    "STEP: minute, hour, day, ce-month, ce-year, ce-century, chl-month, chl-year, chl-cycle,\n"
    "chs-term, chs-year, chs-cycle, 60-day, jc-80-year, vmc-month, vmc-year.\n"
    "--keep30 brings a CHL month, year or cycle step started on day 30 back to day 30 wherever the\n"
    "month has one; --keep-leap brings a CHL year or cycle step started in a leap month back into\n"
    "the leap month in the years that have it.\n"
    "TSV columns: step, ut_ajd, ce, chl, chs, vmc.\n"
    "A cycle or year limit, a step the calendar cannot make, or a run beyond 3000-01-01 CE (or\n"
    "before -3000-01-01 CE) prints the message on stderr after the steps made and exits with 3;\n"
    "an entry error or a date out of range exits with 2.\n";

std::string AjdText(double ajd) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6f", ajd);
  return buffer;
}

// The steps a user may name, for the message about one the command does not know.
std::string StepNames() {
  std::string names;
  for (int step = 0; step < kMoveStepCount; ++step)
    names += (step ? ", " : "") + std::string(MoveStepName(step));
  return names;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.positional().empty()) throw UsageError("STEP is missing");
  const int step = MoveStepOfName(args.positional()[0]);
  if (step < 0)
    throw UsageError("unknown STEP " + QuotedText(args.positional()[0]) + " (steps: " + StepNames() + ")");
  const long count = args.integer("count", 1, 100000).value_or(1);
  const bool tsv = args.tsv();

  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (const std::optional<Refusal> refusal = ConvertEntryOptions(EntryArgs(args, 1), rules)) {
    err << "mirvo-cli move: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }
  rules.ClearDate();  // the entry is converted: the run starts from its instant
  rules.SetMoveStep(step);
  rules.SetMoveForward(!args.has("back"));
  rules.SetRepeatedly(true);
  rules.SetKeep30th(args.has("keep30"));
  rules.SetKeepLeap(args.has("keep-leap"));

  MoveRules move(rules);
  move.Begin();
  if (tsv) out << "step\tut_ajd\tce\tchl\tchs\tvmc\n";
  const int width = static_cast<int>(std::to_string(count).size());
  for (long i = 1; i <= count && out; ++i) {
    const MoveTick tick = move.Advance();
    if (tick.moved) {
      const DisplayTexts& d = rules.display();
      const std::string& ce = d.Row(RowId::kCe).value;
      const std::string& chl = d.Row(RowId::kChl).value;
      const std::string& chs = d.Row(RowId::kChs).value;
      const std::string& vmc = d.Row(RowId::kVmcReference).value;
      if (tsv) {
        out << i << '\t' << AjdText(d.ajd) << '\t' << ce << '\t' << chl << '\t' << chs << '\t' << vmc << '\n';
      } else {
        std::string number = std::to_string(i);
        number.insert(0, static_cast<size_t>(width) - number.size(), ' ');
        out << number << "  " << ce << " | " << chl << " | " << chs << " | " << vmc << '\n';
      }
    }
    if (tick.ended) {
      out.flush();
      err << "mirvo-cli move: " << OneLineMessage(tick.refusal ? tick.refusal->text : "") << "\n";
      return kExitNotFound;
    }
  }
  move.End();
  return kExitOk;
}

}  // namespace

Command MoveCommand() {
  return {"move",
          "the Move command: N steps of a minute to an 80-year cycle from a date",
          kUsage,
          Run,
          EntryOptionNames({"format", "count"}),
          EntryFlagNames({"back", "keep30", "keep-leap"})};
}

}  // namespace mirvo::cli
