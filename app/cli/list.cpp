// mirvo-cli list: the data window's lists of lunar new years (or anniversaries), month starts,
// leap months and European new years, for an entered date or the present moment.
#include <iostream>
#include <memory>

#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "app/cli/FestivalOptions.h"
#include "app/cli/StreamOutput.h"
#include "core/chinese/Reckoner.h"
#include "features/listings/Listings.h"
#include "features/session/MainRules.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli list new-years|months|leap-months|euro-new-years|festivals [--years N]\n"
    "                      [ENTRY]\n"
    "                      [--jc] [--omit-invalid] [--time HH:MM] [--zone gmt|ref]\n"
    "                      [--plus N | --minus N] [--country vietnam|china|japan|korea]\n"
    "                      [--longitude L] [--epoch -2696|-2636] [--method true|mean]\n"
    "                      [--element NAME] [--animal NAME] [--historical]\n"
    "                      [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "Prints the text of a list of the data window for the instant of ENTRY (a date with its\n"
    "calendar code, as for `show`; its words need no quotes) or the present moment:\n"
    "  new-years       from the lunar date of the instant on: its lunar new years (when it is\n"
    "                  the first day of month 1) with the months, J1 and Z1 terms of each nian,\n"
    "                  otherwise the anniversaries of that lunar date (default 20 years)\n"
    "  months          the first day of every lunar month of N years centred on the CE year\n"
    "                  (default 3)\n"
    "  leap-months     the same for the leap months only (default 30)\n"
    "  euro-new-years  the lunar date of January 1 of N years from the CE (or JC) year\n"
    "                  (default 20)\n"
    "  festivals       the festivals and seasonal days of the country (festivals.txt beside\n"
    "                  the program) of N years from the CE year, one line a day: date, lunar\n"
    "                  date, name in the --lang language, the period's end, an uncertain\n"
    "                  day's note (default 1)\n"
    "--years N (1..9999) sets the number of years, --jc gives Julian Calendar dates,\n"
    "--omit-invalid drops the lines of anniversaries that do not exist in a year. --lang writes\n"
    "the headers, the names and the closing lines in that language, as the data window does in\n"
    "it; codes, dates and numbers stay as they are. The window's messages go to stderr; an entry error or an "
    "invalid lunar date exits with 2, a list that a\n"
    "message leaves short (an error in listing) or that the admitted range (-3000-01-01 CE to\n"
    "3000-01-01 CE) cuts short with 3 after the lines it made, its closing line also on stderr.\n";

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.positional().empty()) {
    throw UsageError("which list: new-years, months, leap-months, euro-new-years or festivals");
  }
  const std::string& kind = args.positional()[0];
  int mode = 0;
  ListingOptions options;
  if (kind == "new-years")
    mode = kModeNewYears;
  else if (kind == "months")
    mode = kModeMonths;
  else if (kind == "leap-months")
    mode = kModeMonths, options.leapMonthsOnly = true;
  else if (kind == "euro-new-years")
    mode = kModeEuroNewYears;
  else if (kind == "festivals")
    mode = kModeFestivals;
  else
    throw UsageError("unknown list " + QuotedText(kind));
  options.julian = args.has("jc");
  options.omitInvalid = args.has("omit-invalid");
  options.years = static_cast<int>(
      args.integer("years", 1, kMaxListYears).value_or(DefaultListYears(mode, options.leapMonthsOnly)));

  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (const std::optional<Refusal> refusal = ConvertEntryText(args, JoinedArguments(args, 1), rules)) {
    err << "mirvo-cli list: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }
  ListingInputs inputs = InputsOf(reckoner, rules.currentAjd());
  inputs.zoneLabel = rules.settings().zoneLabel();
  inputs.language = rules.settings().language;
  FestivalCalendar festivals;
  if (mode == kModeFestivals) {
    FestivalTableRead read = ProgramFestivalTable();
    if (!read.table) {
      err << "mirvo-cli list: " << read.error << "\n";
      return kExitFailure;
    }
    festivals = FestivalCalendar(std::move(*read.table));
    inputs.festivals = &festivals;
  }
  StreamOutput text(out);
  const std::unique_ptr<Listing> list = MakeList(mode, reckoner, inputs, options);
  RunListing(*list, text, mode);
  // A message of the window means the list is not what was asked: an invalid lunar date lists
  // nothing; any other (a full output window, an error) leaves it short.
  bool refused = false;
  for (const auto& m : text.messages) {
    err << "mirvo-cli list: " << OneLineMessage(m.text) << "\n";
    refused = refused || m.text == kLunarDateInvalid;
  }
  if (refused) return kExitBadInput;
  // A list cut at an end of the admitted range repeats its line, in the list's language.
  const bool cut = list->LeftOutRangeStart() || list->EndedAtRangeEnd();
  if (list->LeftOutRangeStart())
    err << "mirvo-cli list: " << TrimmedText(RangeStartLine(inputs.language), " \n") << "\n";
  if (list->EndedAtRangeEnd())
    err << "mirvo-cli list: " << TrimmedText(RangeEndLine(inputs.language), " \n") << "\n";
  return text.messages.empty() && !cut ? kExitOk : kExitNotFound;
}

}  // namespace

Command ListCommand() {
  return {"list",
          "lunar new years or anniversaries, month starts, leap months, European new years, festivals",
          kUsage,
          Run,
          EntryOptionNames({"years"}),
          EntryFlagNames({"jc", "omit-invalid"})};
}

}  // namespace mirvo::cli
