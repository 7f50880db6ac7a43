// The texts of the log without the window: the entry for the current instant in every combination
// of the log preferences, the headings of the automatic entries, and the number format of the day
// counts. They are built from the main rules' records (the display, the settings record and the
// entry boxes), never from texts read back from the window. Lines end with "\n".
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "features/display/Display.h"
#include "features/entry/EntryModel.h"
#include "features/log/LogPreferences.h"
#include "features/session/LogAction.h"
#include "features/session/MainSettings.h"

namespace mirvo {

class FestivalCalendar;
class Reckoner;

// What an entry is made of: the display of the instant, the settings and the entry boxes (the
// plus/minus days, the element and animal of a search target), and the calendar context.
struct LogSources {
  const DisplayTexts& display;
  const MainSettings& settings;
  const EntryModel& entry;
  Reckoner& reckoner;
  // The language of the entry's words: in English the calendar sentences, in the others the
  // lunar date with the names of its year, month and day, the day of the term, the European date
  // spelled out, the notes of the day counts, the Moon's phase and age, and the automatic headings.
  // Dates in code notation and numbers stay as they are.
  Language language = Language::kEnglish;
  // The name of an entry of the main window's lists (a move step, a search target) in the
  // language, for the headings; the English name is used when it is empty.
  std::function<std::string(const std::string&)> listName = nullptr;
  // The session's festivals: a festival search's heading names the festival chosen.
  const FestivalCalendar* festivals = nullptr;
};

// A day count as the log writes it: four decimals, thousands grouped ("2,451,545.0000").
std::string LogNumber(double x);

// The heading of an automatic entry for the action ("" for an unknown one): "Now", "Plus 100
// days", "Move forward 1 CHL month", "Search for next full moon", "Move back one day".
std::string AutoLogHeading(LogAction action, const LogSources& sources);
// The heading and its line, underlined with "-" in expanded entries.
std::string AutoLogHeadingLines(LogAction action, const LogSources& sources,
                                const LogPreferences& preferences);

// The conditions of the multiple element-animal search in one phrase:
// "wood-rat (jia-zi) day in a fire-ox (ding-chou) month", "day in an -ox (-chou) month".
std::string MultipleElementAnimalDescription(const MainSettings& settings);

// What one addition to the log appends: the main window's caption and an empty line when the log
// was empty, a line break when it does not end with one, an automatic heading when asked, then
// the entry. A failure part-way is reported in
// `error` (its description); what was built before it is in `text` and stays in the log.
struct LogAddition {
  std::string text;
  std::optional<std::string> error;
};
// The entry for the display's instant, ended by an empty line (a failure part-way as above).
LogAddition LogEntryText(const LogSources& sources, const LogPreferences& preferences);
// AddToLog.
LogAddition AddToLog(const std::string& log, const std::string& caption, const LogSources& sources,
                     const LogPreferences& preferences);
// AutoLog: nothing unless "Auto log" is ticked and the action is one of the five.
LogAddition AutoLog(LogAction action, const std::string& log, const std::string& caption,
                    const LogSources& sources, const LogPreferences& preferences);

}  // namespace mirvo
