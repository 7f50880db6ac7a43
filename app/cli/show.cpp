// mirvo-cli show: the rows of the main window for an entered date, or for the present moment,
// through the same entry, Convert and display rules as the window.
#include <algorithm>
#include <iostream>

#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "core/chinese/Reckoner.h"
#include "features/session/MainRules.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli show [ENTRY] [--time HH:MM] [--zone gmt|ref] [--plus N | --minus N]\n"
    "                      [--country vietnam|china|japan|korea] [--longitude L]\n"
    "                      [--epoch -2696|-2636] [--method true|mean] [--element NAME]\n"
    "                      [--animal NAME] [--historical] [--format text|tsv]\n"
    "Shows every row of the main window for ENTRY (a date with its calendar code, e.g.\n"
    "\"2000-1-1 CE\", \"79-31-9*-12 CHL\", \"2,455,999.729 CJDL\"), converted as the \"Convert\"\n"
    "button does. Without ENTRY: the present moment (moved by --plus/--minus days from its lunar\n"
    "date). --element and --animal resolve a \"?\" position (\"70-?-12-30 CHL\").\n"
    "On a day whose lunar date rests on a new moon or solar term closer to midnight than its\n"
    "uncertainty, a line \"Uncertain day:\" says so (other tables may give another date); a line\n"
    "\"Calendar history:\" says where the almanac of the time may differ, or differed.\n"
    "--historical follows the calendar's history: each lunar year is computed for the meridian\n"
    "its country's almanac used (China: 116 degrees 25 minutes east up to 1928; Vietnam: 120\n"
    "degrees east up to 1967; Korea: 120 degrees east up to 1911).\n"
    "An entry error or a date out of range prints the message and exits with 2.\n";

struct Line {
  std::string name, caption, value;
};

std::vector<Line> Lines(const DisplayTexts& d, const std::string& zoneLabel) {
  std::vector<Line> lines;
  for (int i = 0; i < kRowCount; ++i) {
    const RowId id = static_cast<RowId>(i);
    const DisplayRow& row = d.Row(id);
    const std::string name(RowLabelName(id));
    std::string caption = row.caption;
    if (id == RowId::kVmcReference) {
      lines.push_back({name, "Vellomir Calendar (" + zoneLabel + "):", row.value});
      lines.push_back({"lblVellomirCalendarCCT.note", "VMC and CHL:", row.caption});
      continue;
    }
    if (!caption.empty() && caption.back() != ':') caption += ":";
    lines.push_back({name, caption, row.value});
    // What the lunar row's tooltip adds on a day that other tables may date differently.
    if (id == RowId::kChl && !d.chlUncertainty.empty())
      lines.push_back({name + ".uncertain", "Uncertain day:", d.chlUncertainty});
    if (id == RowId::kChl && !d.chlHistory.empty())
      lines.push_back({name + ".history", "Calendar history:", d.chlHistory});
  }
  lines.push_back({"lblElementAnimalOfYear", "Year:", d.elementAnimalOfYear});
  lines.push_back({"lblElementAnimalOfMonth", "Month:", d.elementAnimalOfMonth});
  lines.push_back({"lblElementAnimalOfDay.1", "Day:", d.elementAnimalOfDay});
  if (d.chinaOnlyVisible) {
    lines.push_back({"lblElementAnimalOfDay.0", "Day (stem-branch):", d.dayStemBranch});
    lines.push_back({"lblYear", "Year count:", d.yearLabel});
  }
  return lines;
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  rules.SetShowCjds(true);
  if (!ConvertEntryOptions(args, rules)) {
    err << "mirvo-cli show: " << OneLineMessage(rules.lastMessage()) << "\n";
    return kExitBadInput;
  }

  const auto lines = Lines(rules.display(), rules.settings().zoneLabel());
  if (args.tsv()) {
    out << "name\tcaption\tvalue\n";
    for (const auto& l : lines) out << l.name << '\t' << l.caption << '\t' << l.value << '\n';
    return kExitOk;
  }
  // Captions are padded by characters, not bytes ("º" takes two bytes).
  auto chars = [](const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
  };
  size_t width = 0;
  for (const auto& l : lines) width = std::max(width, chars(l.caption));
  for (const auto& l : lines) out << l.caption << std::string(width + 2 - chars(l.caption), ' ') << l.value << '\n';
  return kExitOk;
}

}  // namespace

Command ShowCommand() {
  return {"show", "every row of the main window for an entered date or the present moment",
          kUsage, Run, EntryOptionNames({"format"}), EntryFlagNames()};
}

}  // namespace mirvo::cli
