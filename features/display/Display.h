// The display of the main window without the widgets: every text the window shows for an instant,
// row by row in window order, under the names of the window's labels, plus what the pictures
// need. The window only copies these texts into its labels.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/names/Language.h"
#include "features/entry/EntryModel.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class Reckoner;
class Clipboard;

struct DisplayOptions {
  std::string zoneLabel = "CCT";  // strCCT
  bool showVmc = true;            // chkShowVMC
  bool showCjds = false;          // chkShowCJDs
  // The language of the native lunar date and the solar term's name.
  Language language = Language::kEnglish;
};

// The rows of the display in window order: the dates, the day counts, then the Moon and Delta T.
enum class RowId : int {
  kCe,
  kJc,
  kChl,
  kChs,
  kVmcGmt,
  kVmcReference,
  kCjdl,
  kCjdc,
  kAjd,
  kPhase,
  kAge,
  kDeltaT
};
inline constexpr int kRowCount = 12;
inline constexpr int kFirstMoonRow = static_cast<int>(RowId::kPhase);

// The name of a row's label pair in the window ("lblCommonEraDate" …).
std::string_view RowLabelName(RowId row);
// The calendar a click on the row makes current, kCalNone for the Moon and Delta T rows.
int RowCalendar(RowId row);
// The row whose value shows a calendar (both VMC codes have a row of their own).
std::optional<RowId> RowOfCalendar(int calendar);

// What a click on a row's value puts into the entry boxes: the date with its code, the time of
// day and its zone. Built from the same records as the value, never cut out of it.
struct RowEntry {
  std::string date;  // "2000-01-01 CE", "79-16-11-25 CHL", "2,451,545.0000 AJD"
  std::string time;  // "hh:mm", "" for the day counts
  int timeZone = kTimeZoneNone;
};

// One row: caption (label element 0) and value (element 1).
struct DisplayRow {
  std::string caption;
  std::string value;
  std::string tooltip;
  bool visible = true;
  RowEntry entry;  // empty for the Moon and Delta T rows
};

struct DisplayTexts {
  double ajd = 0;
  std::array<DisplayRow, kRowCount> rows;  // indexed by RowId

  // Single labels.
  std::string elementAnimalOfYear;   // lblElementAnimalOfYear
  std::string elementAnimalOfMonth;  // lblElementAnimalOfMonth
  std::string dayStemBranch;         // lblElementAnimalOfDay(0), China only
  std::string elementAnimalOfDay;    // lblElementAnimalOfDay(1)
  std::string yearLabel;             // lblYear, China only
  // The lunar date as a calendar of the options' language writes it (甲辰年正月初一), and the
  // name of the solar term whose day it is ("" on the other days).
  std::string nativeDate;
  std::string solarTerm;
  // The festivals and seasonal days of the day in that language, and why other tables may give
  // them another day (both "" on other days). The session adds them: the display knows no table.
  std::string festival;
  std::string festivalNote;
  // Why other tables may give this day another lunar date ("" for most days); the lunar row's
  // tooltip ends with it.
  std::string chlUncertainty;
  // What the almanac of the day's time says otherwise, or may say (CalendarHistoryDayText); the
  // lunar row's tooltip holds it before chlUncertainty.
  std::string chlHistory;
  bool yearAndMonthVisible = true;  // hidden while the CJD rows are shown
  bool chinaOnlyVisible = true;     // lblYear, the stem and branch pictures, the day's Chinese name

  // Pictures.
  int yearStem = 0, yearBranch = 0;  // picStem(0), picBranch(0): 1..10, 1..12
  int dayStem = 0, dayBranch = 0;    // picStem(1), picBranch(1)
  int dayPosition = 0;               // place of the day in the 60-day cycle
  std::string moonError;             // set when the phase could not be found; the Moon rows are
                                     // then empty and the window keeps its previous texts
  double illumination = 0;           // 0..1
  bool waxing = true;
  // The numbers of the age row: the lunation, the days since its dark moon and the part of the
  // lunation they are (0..1).
  int32_t lunation = 0;
  double moonAge = 0;
  double moonAgeFraction = 0;
  std::string moonPicture;  // base picture: "darkmoon", "1stquarter", "fullmoon", "lastquarter"

  // The records behind the texts.
  CalendarDate ce, jc, vmcGmt, vmcReference;
  ChlDate chl;
  ChsDate chs;
  int32_t londonDay = 0;  // JDN of the CE and JC dates
  int londonMinute = 0;   // minute of the London day their time shows
  double deltaTMinutes = 0;

  const DisplayRow& Row(RowId row) const { return rows[static_cast<size_t>(row)]; }
  DisplayRow& Row(RowId row) { return rows[static_cast<size_t>(row)]; }
};

// Delta T value: "More than 24 hours" above 1440 minutes, else the long duration text.
std::string ShowDeltaT(double minutes);
// The note in the caption of the second VMC row: how its month and day compare with the lunar
// date ("" for a leap month or when neither matches).
std::string CompareVmcWithChl(const ChlDate& chl, const CalendarDate& vmcReference);
// The same note in a language.
std::string CompareVmcWithChl(Language language, const ChlDate& chl, const CalendarDate& vmcReference);
// A number with thousands grouping and four decimals: "2,451,545.0000".
std::string GroupedNumber(double x, int decimals);

// Every text of the window for the instant. The Reckoner supplies country, longitude, epoch and
// Sun method.
DisplayTexts ComputeDisplay(double ajd, Reckoner& reckoner, const DisplayOptions& options);

// A click on a row: the clipboard gets the row's value and the row's calendar becomes the entry
// calendar. A click on the value (valueLabel) also fills the entry boxes with the row's entry
// (date with its code, time and zone, the last two written for that code: a date typed next in
// another reckoning does not inherit them); a changed date text resets the element and animal
// choices as typing does (UpdateElementAnimalControls). The Moon rows only copy. Returns the
// European calendar to select in the data window ('G' or 'J'), or 0.
int LabelClick(const DisplayTexts& display, RowId row, bool valueLabel, EntryModel& model,
               Clipboard* clipboard);

}  // namespace mirvo
