// Command-line conventions of mirvo-cli: `mirvo-cli COMMAND [ARGS…] [--name value] [--flag]`.
// Errors are one line on stderr; exit 0 success, 1 a file or stream that could not be read or
// written (lost output included), 2 bad input or out of range, 3 a search, step, list or export
// that found nothing or ended short of what was asked (after writing what it found).
// A lone "--" ends the options: every argument after it is positional.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/chinese/Cycles.h"
#include "core/names/Language.h"

namespace mirvo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitNotFound = 3;

// A bad argument: the message is printed on one line, with the command's usage, exit code 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Args {
 public:
  // valueOptions: names (without "--") that take a value; flagOptions: names that take none.
  Args(const std::vector<std::string>& argv, const std::set<std::string>& valueOptions,
       const std::set<std::string>& flagOptions);

  const std::vector<std::string>& positional() const { return positional_; }
  bool has(const std::string& name) const;
  std::optional<std::string> value(const std::string& name) const;
  std::string value(const std::string& name, const std::string& fallback) const;
  // Integer option within [lo, hi]; UsageError otherwise.
  std::optional<long> integer(const std::string& name, long lo, long hi) const;
  // "text" (default) or "tsv".
  bool tsv() const;
  bool help() const { return has("help"); }

 private:
  // Reads the option argv[i] ("--name" or "--name=value") and the value that follows it; returns
  // the index of the last argument it took.
  size_t readOption(const std::vector<std::string>& argv, size_t i, const std::set<std::string>& valueOptions,
                    const std::set<std::string>& flagOptions);

  std::vector<std::string> positional_;
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
};

struct Command {
  const char* name;
  const char* summary;
  const char* usage;  // full usage text shown by --help and after an argument error
  int (*run)(const Args& args, std::ostream& out, std::ostream& err);
  std::set<std::string> valueOptions;
  std::set<std::string> flagOptions;
};

const std::vector<Command>& Commands();

// Reference meridian from --longitude L (100..145) or --country vietnam|china|japan|korea
// (default China, 120). Returns (country index, longitude).
std::pair<Country, int> MeridianOptions(const Args& args);

// --lang en|zh-Hans|zh-Hant|vi|ja|ko, taken by every command: the language of the words of the
// text outputs (default English). Codes, numbers and every TSV or iCalendar field a program reads
// stay the same in every language.
inline constexpr const char* kLanguageOption = "lang";
Language LanguageOption(const Args& args);

}  // namespace mirvo::cli
