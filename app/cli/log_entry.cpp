// mirvo-cli log-entry: the entry the log window gets for an entered date (or the present moment),
// with the chosen log preferences, and with --auto the heading of an automatic entry, through
// the same entry, display and log rules as the window.
#include <iostream>

#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "core/chinese/Reckoner.h"
#include "features/log/LogEntry.h"
#include "features/session/MainRules.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli log-entry [ENTRY] [the options of show] [--prefs LIST] [--auto OP]\n"
    "                           [--step N] [--back] [--target N] [--previous]\n"
    "Prints the log entry for ENTRY (a date with its calendar code, as for show), or for the\n"
    "present moment, exactly as \"Add to log\" writes it (the caption that opens an empty log is\n"
    "not printed). LIST names what the entry holds, comma-separated, from: verbose (expanded\n"
    "entries), ganzhi (Chinese terms), chl, chs, cjdc, epoch, ce, jc, cjdl, ajd, phase, age;\n"
    "default verbose,ganzhi,chl,ce,phase; an empty LIST gives an empty entry.\n"
    "--auto OP puts the heading of an automatic entry first: 1 now, 2 convert or plus/minus days,\n"
    "3 a move step, 4 a search, 5 one day. The move heading names step N (0..15 in the list of\n"
    "the main window, default 6, CHL month) and --back; the search heading names target N (0..21,\n"
    "default 0, full moon) and --previous; targets 15..17 take --element and --animal.\n"
    "--lang other than en writes the expanded lunar and solar lines in the calendar words of that\n"
    "language (the lunar date with the names of its year, month and day, the day of the term)\n"
    "and names the Moon's phase in it; the rest of the entry stays English.\n";

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  LogPreferences preferences = DefaultLogPreferences(false);
  if (auto list = args.value("prefs")) {
    auto parsed = ParseLogPreferenceList(*list);
    if (!parsed)
      throw UsageError(
          "--prefs takes names from verbose, ganzhi, chl, chs, cjdc, epoch, ce, jc, "
          "cjdl, ajd, phase, age");
    preferences = *parsed;
  }
  const auto action = args.integer("auto", static_cast<int>(kLogNow), static_cast<int>(kLogOneDay));

  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (auto step = args.integer("step", 0, 15)) rules.SetMoveStep(static_cast<int>(*step));
  rules.SetMoveForward(!args.has("back"));
  if (auto target = args.integer("target", 0, kSearchTargetCount - 1))
    rules.SetSearchTarget(static_cast<int>(*target));
  rules.SetSearchNext(!args.has("previous"));
  if (const std::optional<Refusal> refusal = ConvertEntryOptions(args, rules)) {
    err << "mirvo-cli log-entry: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }

  const LogSources sources{rules.display(), rules.settings(), rules.entry(), reckoner,
                           rules.settings().language};
  if (action) out << AutoLogHeadingLines(static_cast<LogAction>(*action), sources, preferences);
  const LogAddition entry = LogEntryText(sources, preferences);
  out << entry.text;
  if (entry.error) {
    // Without the Moon's phase the entry ends short: what was written stays, and stderr says why.
    out.flush();
    err << "mirvo-cli log-entry: " << OneLineMessage(*entry.error) << "\n";
    return kExitNotFound;
  }
  return kExitOk;
}

}  // namespace

Command LogEntryCommand() {
  return {"log-entry",
          "the log entry (and automatic heading) for an entered date or the present moment",
          kUsage,
          Run,
          EntryOptionNames({"prefs", "auto", "step", "target"}),
          EntryFlagNames({"back", "previous"})};
}

}  // namespace mirvo::cli
