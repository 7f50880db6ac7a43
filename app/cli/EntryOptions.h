// The ENTRY argument and the options of `show`, shared by the commands that start from a date
// entered as in the main window's date box: the meridian, epoch and Sun method, and the entry
// boxes (time, zone, element, animal, plus/minus days), converted as the "Convert" button does.
#pragma once

#include <initializer_list>
#include <optional>
#include <set>
#include <string>

#include "app/cli/Args.h"
#include "features/session/Refusal.h"

namespace mirvo {
class MainRules;
}  // namespace mirvo

namespace mirvo::cli {

// Their names and the command's own value options, for a Command's valueOptions.
std::set<std::string> EntryOptionNames(std::initializer_list<const char*> more = {});
// Their flags (--historical) and the command's own, for a Command's flagOptions.
std::set<std::string> EntryFlagNames(std::initializer_list<const char*> more = {});
// The entry's arguments: the positional ones from the first-th on, with the entry options and
// flags, for the commands whose first positional argument is their own.
Args EntryArgs(const Args& args, size_t first);

// Sets the rules' settings from the options (meridian, epoch, Sun method, language), the present moment,
// and converts ENTRY (at most one positional argument) or the present moment moved by
// --plus/--minus. The refusal when the entry was refused or lies out of range, nothing when it was
// converted. A bad option is a UsageError.
std::optional<Refusal> ConvertEntryOptions(const Args& args, MainRules& rules);
// The same with the entry given as text (empty for none), for commands whose positional
// arguments hold more than the entry.
std::optional<Refusal> ConvertEntryText(const Args& args, const std::string& text, MainRules& rules);
// The positional arguments from the first-th on, joined by blanks: an ENTRY such as
// 2024-02-10 CE needs no quotes.
std::string JoinedArguments(const Args& args, size_t first = 0);

// A message of the window on one line: line breaks become single blanks.
std::string OneLineMessage(const std::string& text);

}  // namespace mirvo::cli
