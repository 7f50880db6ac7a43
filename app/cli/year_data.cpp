// mirvo-cli year-data: the data window's dark moons and solar terms of three sui, for an entered
// date or the present moment.
#include <iostream>

#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "core/chinese/Reckoner.h"
#include "features/listings/Listings.h"
#include "features/session/MainRules.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli year-data [ENTRY] [--no-major] [--minor] [--names] [--jc]\n"
    "                           [--time HH:MM] [--zone gmt|ref] [--plus N | --minus N]\n"
    "                           [--country vietnam|china|japan|korea] [--longitude L]\n"
    "                           [--epoch -2696|-2636] [--method true|mean] [--element NAME]\n"
    "                           [--animal NAME] [--historical]\n"
    "                           [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "Prints the text of the data window's year data for the instant of ENTRY (a date with its\n"
    "calendar code, as for `show`; its words need no quotes) or the present moment: the dark\n"
    "moons of the sui before, of and after the instant's sui with their dates, times at the\n"
    "reference meridian, chronological Julian dates, lunation numbers, month labels and counts\n"
    "of major terms, and the length of every sui and nian, with the major (Z) solar terms, as the\n"
    "window lists them by default. --no-major leaves the major terms out (--major, their default,\n"
    "is still accepted), --minor adds the minor (J) terms, --names the terms' names; --jc gives\n"
    "Julian Calendar dates. --lang writes the terms' names in that language (立春, Lập xuân).\n"
    "An entry error or a date out of range prints the message and exits with 2.\n";

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (const std::optional<Refusal> refusal = ConvertEntryText(args, JoinedArguments(args), rules)) {
    err << "mirvo-cli year-data: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }
  ListingOptions options;
  if (args.has("major") && args.has("no-major"))
    throw UsageError("--major and --no-major exclude each other");
  options.majorTerms = !args.has("no-major");
  options.minorTerms = args.has("minor");
  options.termNames = args.has("names");
  options.julian = args.has("jc");
  ListingInputs inputs = InputsOf(reckoner, rules.currentAjd());
  inputs.zoneLabel = rules.settings().zoneLabel();
  inputs.language = rules.settings().language;
  out << YearDataText(reckoner, inputs, options);
  return kExitOk;
}

}  // namespace

Command YearDataCommand() {
  return {"year-data",
          "the dark moons and solar terms of three sui, as the data window lists them",
          kUsage,
          Run,
          EntryOptionNames(),
          EntryFlagNames({"major", "no-major", "minor", "names", "jc"})};
}

}  // namespace mirvo::cli
