// The saved state as text: the 79 lines of "mirvo.usr" that carry the instant, the entry
// calendar, the option pairs, the Move and Search choices, the method and epoch, the log
// configuration, the display switches, the zone labels, the reference longitude and the choices
// of the multiple element-animal search from one run to the next. One value a line, CR LF line
// ends, "." as the decimal point, true as -1 and false as 0 for the option pairs, 0 and 1 for the
// check boxes, texts in double quotes.
#pragma once

#include <string>
#include <string_view>

#include "features/log/LogPreferences.h"
#include "features/session/MainSettings.h"

namespace mirvo {

inline constexpr int kStateFileLines = 79;
inline constexpr const char* kStateFileName = "mirvo.usr";
// A state file is about 1 KB; anything much larger is not one this program wrote and is not read.
inline constexpr size_t kMaxStateFileBytes = 64 * 1024;

// Everything the file holds.
struct StateRecord {
  double ajd = 0;          // the current instant
  int calendar = kCalCHL;  // the entry calendar
  bool plus = true;        // "plus" rather than "minus"
  MainSettings settings;
  LogPreferences log;
  friend bool operator==(const StateRecord&, const StateRecord&) = default;
};

std::string StateFileText(const StateRecord& state);

// Reads the lines in file order into `state`, each as soon as it is read, and stops at the first
// line that is missing or whose value does not fit (a number that is not one, an index outside
// its list): the values read before it stay in `state`. The instant is the exception: one that is
// no finite number, or lies beyond every instant a step can reach (kMinReachableAjd ..
// kMaxReachableAjd), leaves `state.ajd` as the caller set it, and the reading goes on. True when
// all 79 lines were read. Reading also switches "repeatedly", "keep 30th" and "keep leap" off, as
// it passes the method's line.
// countrySelected: a country is chosen (always, in the window), and the stored longitude gives way
// to the country's meridian; without one the stored longitude picks the country.
bool ReadStateText(std::string_view text, StateRecord& state, bool countrySelected = true);

}  // namespace mirvo
