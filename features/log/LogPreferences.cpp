#include "features/log/LogPreferences.h"

namespace mirvo {

const std::array<LogPreferenceInfo, kLogPreferenceCount>& LogPreferenceTable() {
  using P = LogPreferences;
  static const std::array<LogPreferenceInfo, kLogPreferenceCount> kTable{{
      {"chkVerbose", "Expanded log entries", LogGroup::kNone, "verbose", &P::verbose},
      {"chkIncludeGanzhi", "Include Chinese terms", LogGroup::kNone, "ganzhi", &P::includeGanzhi},
      {"chkViewLogWhenAdd", "View log after adding an entry", LogGroup::kNone, "", &P::viewLogWhenAdd},
      {"chkIncludeChL", "ChL (Chinese Lunar Calendar)", LogGroup::kChinese, "chl", &P::chl},
      {"chkIncludeChS", "ChS (Chinese Solar Calendar)", LogGroup::kChinese, "chs", &P::chs},
      {"chkIncludeCJDC", "CJDC (Chronological Julian Date, China)", LogGroup::kChinese, "cjdc", &P::cjdc},
      {"chkEpochEtc", "Epoch, method, longitude", LogGroup::kChinese, "epoch", &P::epochEtc},
      {"chkIncludeCE", "CE (Common Era Calendar)", LogGroup::kWestern, "ce", &P::ce},
      {"chkIncludeJC", "JC (Julian Calendar)", LogGroup::kWestern, "jc", &P::jc},
      {"chkIncludeCJDL", "CJDL (Chronological Julian Date, London)", LogGroup::kWestern, "cjdl", &P::cjdl},
      {"chkIncludeAJD", "AJD (Astronomical Julian Date)", LogGroup::kAstronomical, "ajd", &P::ajd},
      {"chkIncludePhaseOfMoonAndIllumination", "Phase of Moon and illumination", LogGroup::kAstronomical,
       "phase", &P::phase},
      {"chkIncludeLunationAndAgeOfMoon", "Lunation and age of Moon", LogGroup::kAstronomical, "age",
       &P::lunation},
  }};
  return kTable;
}

LogPreferences DefaultLogPreferences(bool showCjds) {
  LogPreferences p;
  p.cjdc = p.cjdl = p.ajd = showCjds;
  return p;
}

std::optional<LogPreferences> ParseLogPreferenceList(std::string_view list) {
  LogPreferences p;
  for (const LogPreferenceInfo& info : LogPreferenceTable()) p.*info.member = false;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    if (name.empty()) continue;
    bool known = false;
    for (const LogPreferenceInfo& info : LogPreferenceTable()) {
      if (!info.shortName.empty() && info.shortName == name) {
        p.*info.member = true;
        known = true;
      }
    }
    if (!known) return std::nullopt;
  }
  return p;
}

}  // namespace mirvo
