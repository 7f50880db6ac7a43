// The fixed tables of the main window: calendar codes, countries, the contents and defaults of
// every drop-down list, and the settings the Reset command restores. Plain data shared by the
// window, the entry and display rules, the tests and the command-line tool.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/chinese/Cycles.h"
#include "core/ephemeris/Ephemeris.h"

namespace mirvo {

// Calendar index: the column of the calendar code table.
enum CalendarIndex : int {
  kCalNone = -1,
  kCalCE = 0,
  kCalJC = 1,
  kCalCHL = 2,
  kCalCHS = 3,
  kCalAJD = 4,
  kCalCJDC = 5,
  kCalCJDL = 6,
  kCalVMCGMT = 7,
  kCalVMCCCT = 8,
};

// The code each calendar's date texts end with; both VMC rows write "VMC".
inline constexpr std::array<std::string_view, 9> kCalendarCodes{"CE",   "JC",   "CHL", "CHS", "AJD",
                                                                "CJDC", "CJDL", "VMC", "VMC"};

struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kHighlightColour{255, 255, 255};
inline constexpr Rgb kDehighlightColour{200, 200, 200};

struct CountryInfo {
  std::string_view name;           // "China"
  std::string_view adjective;      // "Chinese"
  int longitudeIndex;              // index in the longitude list (L - 100)
  int longitude;                   // degrees east
  std::string_view zoneLabel;      // label of the meridian
  std::string_view moveStep14;     // "VMC month (CCT)"
  std::string_view moveStep15;     // "VMC year (CCT)"
  Rgb colour;                      // window background
  std::string_view pictureSuffix;  // inserted before ".bmp" in the Moon picture names
};
const CountryInfo& CountryOf(Country country);
// The country of a stored text: exactly "0", "1", "2" or "3", otherwise China.
Country CountryFromStoredText(std::string_view text);
// The label of a meridian as the country names it: its own zone (Korea's "KST" at 135° E) at its
// meridian, otherwise the meridian's label (ZoneLabel).
std::string ZoneLabelOf(Country country, int longitude);

// Epoch description used by the log and the listings: "Epoch = -2696, method = true sun".
std::string EpochMethod(Epoch epoch, SunMethod sunMethod, bool capitalE);

// Drop-down lists, in list order.
std::vector<std::string> EpochEntries();                    // "-2696 = 2697 BC", "-2636 = 2637 BC"
Epoch EpochOfEntry(int index);                              // the older for 0, the younger otherwise
std::vector<std::string> MethodEntries();                   // "true sun", "mean sun"
std::vector<std::string> MoveStepEntries(Country country);  // 16 steps, 14 and 15 named by country
std::vector<std::string> RefreshPeriodEntries();            // "0.5", "1", "2", "5"
std::vector<std::string> ElementEntries();                  // five elements, then ""
std::vector<std::string> AnimalEntries(Country country);    // twelve animals, then ""
std::vector<std::string> TimeZoneEntries(const std::string& zoneLabel);  // "GMT", label
std::vector<std::string> LongitudeEntries();                             // "100" … "145"
std::vector<std::string> CountryEntries();  // "Vietnam", "China", "Japan", "Korea"

inline constexpr int kNoElementEntry = 5;
inline constexpr int kNoAnimalEntry = 12;
inline constexpr int kTimeZoneGmt = 0;
inline constexpr int kTimeZoneReference = 1;
inline constexpr int kTimeZoneNone = -1;

// Search targets: the list text and the item data (the phase code for the two moon targets,
// -1 for the others). Entries 15..17 are the element-animal day, month and year targets.
struct SearchTarget {
  std::string text;
  int data;
};
inline constexpr int kSearchTargetCount = 23;
inline constexpr int kFirstElementAnimalTarget = 15;
inline constexpr int kLastElementAnimalTarget = 17;
std::vector<SearchTarget> SearchTargets();
inline bool IsElementAnimalTarget(int target) {
  return target >= kFirstElementAnimalTarget && target <= kLastElementAnimalTarget;
}

// Defaults of the settings lists at the first start, and the values the Reset command restores
// (Reset leaves epoch, method, country and longitude alone).
struct MainDefaults {
  int calendar = kCalCHL;
  int epochEntry = 0;
  int methodEntry = 0;
  int moveStep = 6;       // "CHL month"
  int refreshPeriod = 1;  // "1"
  int target = 0;         // "Full moon"
  int element = kNoElementEntry;
  int animal = kNoAnimalEntry;
  int timeZone = kTimeZoneNone;
  Country country = kChina;
  bool showVmc = true;
  bool showCjds = false;
  bool autoLog = false;
  bool next = true;     // "next" rather than "previous"
  bool plus = true;     // "plus" rather than "minus"
  bool forward = true;  // move direction
  bool repeatedly = false;
};
inline constexpr MainDefaults kMainDefaults{};

}  // namespace mirvo
