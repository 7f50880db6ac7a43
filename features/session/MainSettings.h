// The settings of the main window as one plain record: what the calendars depend on (country,
// meridian, epoch, Sun method), the display switches and the choices of the Move and Search rows.
// The main rules own it, the panels show it and report changes, and the saved state writes it.
#pragma once

#include <array>
#include <string>

#include "core/daycount/DayCount.h"
#include "core/names/Language.h"
#include "features/tables/MainTables.h"

namespace mirvo {

inline constexpr int kLongitudeCount = kMaxLongitude - kMinLongitude + 1;  // 46 meridians

// The zone labels of the meridians 100..145 degrees east as the program starts with them.
std::array<std::string, kLongitudeCount> DefaultZoneLabels();

struct MainSettings {
  Country country = kMainDefaults.country;
  int longitude = 120;  // reference meridian, degrees east
  // Follow the calendar's history (Reckoner::SetHistorical). Kept in the settings store beside
  // the country, not in the state file, whose 79 lines older programs read.
  bool historical = false;
  // The label of each meridian (index longitude - 100); a saved state may rename them.
  std::array<std::string, kLongitudeCount> zoneLabels = DefaultZoneLabels();
  Epoch epoch = Epoch::kOlder;
  SunMethod sunMethod = kTrueSun;
  bool showVmc = kMainDefaults.showVmc;
  bool showCjds = kMainDefaults.showCjds;
  bool autoLog = kMainDefaults.autoLog;
  int moveStep = kMainDefaults.moveStep;  // index in the move-step list
  bool moveForward = kMainDefaults.forward;
  bool repeatedly = kMainDefaults.repeatedly;
  bool keep30th = false;
  bool keepLeap = false;
  int refreshPeriod = kMainDefaults.refreshPeriod;  // index in the refresh-period list
  int searchTarget = kMainDefaults.target;          // index in the search-target list
  bool searchNext = kMainDefaults.next;
  // The festival the festival target looks for (its id in the festival table), "" for the
  // country's first. Not kept in the state file.
  std::string searchFestival;
  // The element and animal chosen for the day, month and year rows of the multiple
  // element-animal search (list indexes; 5 and 12 mean none).
  std::array<int, 3> multipleElement{kNoElementEntry, kNoElementEntry, kNoElementEntry};
  std::array<int, 3> multipleAnimal{kNoAnimalEntry, kNoAnimalEntry, kNoAnimalEntry};
  // The language of the window's calendar words (the native lunar date). Kept with the window's
  // settings, not in the state file.
  Language language = Language::kEnglish;

  // The label of the reference meridian (strCCT): the one a saved state gave it, or the
  // country's own at its meridian (ZoneLabelOf).
  std::string zoneLabel() const;
  friend bool operator==(const MainSettings&, const MainSettings&) = default;
};

}  // namespace mirvo
