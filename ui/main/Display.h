// The display of the main window without the widgets: every text the window shows for an instant,
// row by row in window order, under the names of the window's labels, plus what the pictures
// need. The window only copies these texts into its labels.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/calendarlib/CalendarRecords.h"
#include "ui/main/EntryModel.h"

namespace mirvo {

class Reckoner;
class Clipboard;

struct DisplayOptions {
  std::string zoneLabel = "CCT";   // strCCT
  bool showVmc = true;             // chkShowVMC
  bool showCjds = false;           // chkShowCJDs
};

// One row: caption (label element 0) and value (element 1) of the label pair `name`.
struct DisplayRow {
  std::string name;       // "lblCommonEraDate" …
  int calendar;           // the calendar a click makes current, -1 for the Moon and Delta T rows
  std::string caption;
  std::string value;
  std::string tooltip;
  bool visible = true;
};

struct DisplayTexts {
  double ajd = 0;
  std::vector<DisplayRow> rows;     // window order, see RowNames()

  // Single labels.
  std::string elementAnimalOfYear;  // lblElementAnimalOfYear
  std::string elementAnimalOfMonth; // lblElementAnimalOfMonth
  std::string dayStemBranch;        // lblElementAnimalOfDay(0), China only
  std::string elementAnimalOfDay;   // lblElementAnimalOfDay(1)
  std::string yearLabel;            // lblYear, China only
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
  std::string moonPicture;           // base picture: "darkmoon", "1stquarter", "fullmoon", "lastquarter"

  // The records behind the texts.
  CalendarDate ce, jc, vmcGmt, vmcReference;
  ChlDate chl;
  ChsDate chs;
  double deltaTMinutes = 0;

  const DisplayRow* Row(std::string_view name) const;
  const DisplayRow* RowOfCalendar(int calendar) const;
};

// Names of the rows in window order.
const std::vector<std::string_view>& RowNames();

// "02:32 GMT" for a CJDL; "10:32 CCT" for a CJDC with the given zone label.
std::string LondonTime(double cjdl);
std::string BeijingTime(double cjdc, const std::string& zoneLabel);
// Delta T value: "More than 24 hours" above 1440 minutes, else the long duration text.
std::string ShowDeltaT(double minutes);
// The note in the caption of the second VMC row: how its month and day compare with the lunar
// date ("" for a leap month or when neither matches).
std::string CompareVmcWithChl(const ChlDate& chl, const CalendarDate& vmcReference);
// A number with thousands grouping and four decimals: "2,451,545.0000".
std::string GroupedNumber(double x, int decimals);

// Every text of the window for the instant. The Reckoner supplies country, longitude, epoch and
// Sun method.
DisplayTexts ComputeDisplay(double ajd, Reckoner& reckoner, const DisplayOptions& options);

// A click on a row: the clipboard gets the row's value and the row's calendar becomes the entry
// calendar. A click on the value (valueLabel) also fills the entry boxes: date text up to its
// code, the time and the zone; a changed date text resets the element and animal choices as
// typing does (UpdateElementAnimalControls), and the lunar and solar rows then select the element
// and animal named in the value. The Moon rows only copy. Returns the European calendar to select in the data window ('G' or
// 'J'), or 0.
int LabelClick(const DisplayTexts& display, std::string_view rowName, bool valueLabel,
               EntryModel& model, Clipboard* clipboard, int country);

}  // namespace mirvo
