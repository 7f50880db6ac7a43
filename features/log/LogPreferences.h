// What a log entry contains and how it is written: the thirteen choices of the log configuration
// window, as one plain record. The main window keeps it with its saved state; the log reads it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mirvo {

struct LogPreferences {
  bool verbose = true;          // chkVerbose: expanded entries
  bool includeGanzhi = true;    // chkIncludeGanzhi: Chinese terms in expanded entries
  bool viewLogWhenAdd = false;  // chkViewLogWhenAdd
  bool chl = true;              // chkIncludeChL
  bool chs = false;             // chkIncludeChS
  bool cjdc = false;            // chkIncludeCJDC
  bool epochEtc = false;        // chkEpochEtc
  bool ce = true;               // chkIncludeCE
  bool jc = false;              // chkIncludeJC
  bool cjdl = false;            // chkIncludeCJDL
  bool ajd = false;             // chkIncludeAJD
  bool phase = true;            // chkIncludePhaseOfMoonAndIllumination
  bool lunation = false;        // chkIncludeLunationAndAgeOfMoon

  bool chineseGroup() const { return chl || chs || cjdc; }
  bool europeanGroup() const { return ce || jc || cjdl; }
  bool astronomicalGroup() const { return ajd || phase || lunation; }
  friend bool operator==(const LogPreferences&, const LogPreferences&) = default;
};

// The groups of the configuration window.
enum class LogGroup { kChinese, kWestern, kAstronomical, kNone };

// One choice: its check box, caption, group, the short name mirvo-cli uses ("" for the one that
// does not shape an entry) and its member.
struct LogPreferenceInfo {
  std::string_view control;
  std::string_view caption;
  LogGroup group;
  std::string_view shortName;
  bool LogPreferences::*member;
};

// In the order of the saved state: chkVerbose, chkIncludeGanzhi, chkViewLogWhenAdd,
// chkIncludeChL, chkIncludeChS, chkIncludeCJDC, chkEpochEtc, chkIncludeCE, chkIncludeJC,
// chkIncludeCJDL, chkIncludeAJD, chkIncludePhaseOfMoonAndIllumination,
// chkIncludeLunationAndAgeOfMoon.
inline constexpr int kLogPreferenceCount = 13;
const std::array<LogPreferenceInfo, kLogPreferenceCount>& LogPreferenceTable();

// The choices the program starts with: the day counts follow "Show chronological JDs".
LogPreferences DefaultLogPreferences(bool showCjds);

// A comma-separated list of short names ("verbose,chl,ce,phase"): those ticked, every other
// cleared. Nothing for an unknown name; an empty list clears everything.
std::optional<LogPreferences> ParseLogPreferenceList(std::string_view list);

}  // namespace mirvo
