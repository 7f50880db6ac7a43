#include "ui/main/Display.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/ephemeris/MoonPhase.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"
#include "platform/services/Services.h"
#include "util/Text.h"

namespace mirvo {
namespace {

enum RowIndex : size_t {
  kRowCe, kRowJc, kRowChl, kRowChs, kRowVmcGmt, kRowVmcReference, kRowCjdl, kRowCjdc, kRowAjd,
  kRowPhase, kRowAge, kRowDeltaT, kRowCount
};

const std::array<std::string_view, kRowCount> kRowNames{
    "lblCommonEraDate",          "lblJulianCalendarDate",
    "lblChineseLunarDate",       "lblChineseSolarDate",
    "lblVellomirCalendarGMT",    "lblVellomirCalendarCCT",
    "lblChronologicalJulianDateLondon", "lblChronologicalJulianDateBeijing",
    "lblAstronomicalJulianDate", "lblPhaseOfMoon",
    "lblAgeOfMoon",              "lblDeltaT"};

const std::array<int, kRowCount> kRowCalendars{
    kCalCE, kCalJC, kCalCHL, kCalCHS, kCalVMCGMT, kCalVMCCCT, kCalCJDL, kCalCJDC, kCalAJD,
    kCalNone, kCalNone, kCalNone};

double Fraction(double x) { return x - std::floor(x); }

std::string RemoveLineBreaks(std::string s) {
  std::string out;
  for (char c : s) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

}  // namespace

const std::vector<std::string_view>& RowNames() {
  static const std::vector<std::string_view> kNames(kRowNames.begin(), kRowNames.end());
  return kNames;
}

const DisplayRow* DisplayTexts::Row(std::string_view name) const {
  for (const auto& r : rows) {
    if (r.name == name) return &r;
  }
  return nullptr;
}

const DisplayRow* DisplayTexts::RowOfCalendar(int calendar) const {
  for (const auto& r : rows) {
    if (r.calendar == calendar && calendar != kCalNone) return &r;
  }
  return nullptr;
}

std::string LondonTime(double cjdl) { return TimeOfDayText(Fraction(cjdl), false) + " GMT"; }

std::string BeijingTime(double cjdc, const std::string& zoneLabel) {
  return TimeOfDayText(Fraction(cjdc), false) + " " + zoneLabel;
}

std::string ShowDeltaT(double minutes) {
  if (minutes > 1440) return "More than 24 hours";
  return DurationText(static_cast<long long>(minutes), true);
}

std::string GroupedNumber(double x, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
  std::string s = buffer;
  size_t start = s[0] == '-' ? 1 : 0;
  size_t point = s.find('.');
  if (point == std::string::npos) point = s.size();
  for (size_t i = point; i > start + 3; i -= 3) s.insert(i - 3, ",");
  return s;
}

std::string CompareVmcWithChl(const ChlDate& chl, const CalendarDate& vmc) {
  if (chl.leap) return "";
  const int vm = vmc.month, vd = vmc.day, cm = chl.month, cd = chl.day;
  if (vm == cm && vd == cd) return "VMC month & day same as CHL";
  if (vm == cm && vd == cd + 1) return "VMC date 1 day ahead of CHL";
  if (vm == cm && cd == vd + 1) return "VMC date 1 day behind CHL";
  if (vd == cd && vm == cm + 1) return "VMC date 1 month ahead of CHL";
  if (vd == cd && cm == vm + 1) return "VMC date 1 month behind CHL";
  if (vm == cm) return "VMC month no. same as CHL";
  if (vd == cd) return "VMC day no. same as CHL";
  return "";
}

DisplayTexts ComputeDisplay(double ajd, Reckoner& reckoner, const DisplayOptions& options) {
  DisplayTexts d;
  d.ajd = ajd;
  const int country = reckoner.CountryIndex();
  const int longitude = reckoner.ReferenceLongitude();
  const bool china = country == kChina;
  const CountryInfo& info = CountryOf(country);
  d.rows.resize(kRowCount);
  for (size_t i = 0; i < kRowCount; ++i) {
    d.rows[i].name = kRowNames[i];
    d.rows[i].calendar = kRowCalendars[i];
  }

  // AJD.
  d.rows[kRowAjd].caption = "Astronomical Julian date:";
  d.rows[kRowAjd].value = GroupedNumber(ajd, 4) + " AJD";

  // CE, JC and the London day count.
  const double x = CjdlFromAjd(ajd);
  d.rows[kRowCjdl].caption = "Chronological JD London:";
  d.rows[kRowCjdl].value = GroupedNumber(x, 4) + " CJDL";
  const int32_t londonDay = JdnOf(x);
  const std::string weekday = WeekdayName(WeekdayOf(londonDay), false, 0);
  CeAndJcFromDayCount(x, d.ce, d.jc);
  d.rows[kRowCe].caption = "Common Era (Gregorian):";
  d.rows[kRowCe].value = CalendarDateText(d.ce, 2, '-', ',', true) + " " + LondonTime(x) + " " + weekday;
  d.rows[kRowCe].tooltip = CalendarDateSentence(d.ce) + " (London).";
  d.rows[kRowJc].caption = "Julian Calendar:";
  d.rows[kRowJc].value = CalendarDateText(d.jc, 2, '-', ',', true) + " " + LondonTime(x) + " " + weekday;
  d.rows[kRowJc].tooltip = CalendarDateSentence(d.jc) + " (London).";

  // The Chinese dates at the reference meridian.
  const double y = CjdcFromAjd(ajd, longitude);
  d.rows[kRowCjdc].caption = "Chronological JD " + std::to_string(longitude) + "º East";
  d.rows[kRowCjdc].value = GroupedNumber(y, 4) + " CJDC";
  reckoner.DayToChinese(y, reckoner.Epoch(), d.chs, d.chl);
  d.rows[kRowChs].caption = std::string(info.adjective) + " Solar";
  std::string chs = reckoner.ChsDateText(d.chs, true) + " " + BeijingTime(y, options.zoneLabel);
  // On the first day of a term the code in parentheses takes the place of the zone label.
  if (d.chs.day == 1 && chs.size() >= 3) chs.resize(chs.size() - 3);
  d.rows[kRowChs].value = chs;
  d.rows[kRowChs].tooltip = reckoner.ChsDateSentence(d.chs, false, false);
  d.rows[kRowChl].caption = std::string(info.adjective) + " Lunar";
  d.rows[kRowChl].value = reckoner.ChlDateText(d.chl, 0, "CHL") + " " + BeijingTime(y, options.zoneLabel);
  d.rows[kRowChl].tooltip =
      RemoveLineBreaks(reckoner.ChlDateSentence(d.chl, false, false, false, false, true));

  // The day, year and month in the sexagenary cycle.
  d.dayPosition = DayPosition(d.chl.jdn);
  d.dayStem = StemOfPosition(d.dayPosition);
  d.dayBranch = BranchOfPosition(d.dayPosition);
  d.dayStemBranch = StemBranchText(d.dayPosition);
  d.elementAnimalOfDay = ElementAnimalText(d.dayPosition, country) + " day";
  d.yearStem = StemOfPosition(d.chl.position);
  d.yearBranch = BranchOfPosition(d.chl.position);
  auto [ye, ya] = YearElementAnimal(d.chl.position);
  d.elementAnimalOfYear = std::string(ElementName(ye)) + "-" + std::string(AnimalName(ya, country)) + " year";
  if (china) d.elementAnimalOfYear = StemBranchText(d.chl.position) + " " + d.elementAnimalOfYear;
  d.elementAnimalOfMonth = MonthNameText(d.chl, country, china, china) + " month";
  d.yearAndMonthVisible = !options.showCjds;
  d.yearLabel = "Year " + std::to_string(YearCount(d.chl.cycle, d.chl.position, reckoner.Epoch()));
  d.chinaOnlyVisible = china;

  // The Vellomir Calendar for London and for the reference meridian.
  d.vmcGmt = VmcDateOfDay(londonDay);
  d.vmcReference = VmcDateOfDay(JdnOf(y));
  d.rows[kRowVmcGmt].caption = "Vellomir Calendar:";
  d.rows[kRowVmcGmt].value = VmcDateText(d.vmcGmt, 1) + " " + LondonTime(x) + " " +
                             std::string(VmcDayName(d.vmcGmt.day));
  d.rows[kRowVmcGmt].tooltip = VmcDateText(d.vmcGmt, 4) + " in the Vellomir Calendar (GMT timezone)";
  d.rows[kRowVmcReference].value = VmcDateText(d.vmcReference, 1) + " " +
                                   BeijingTime(y, options.zoneLabel) + " " +
                                   std::string(VmcDayName(d.vmcReference.day));
  // The tooltip names the zone of the row's time (JST, ICT, BEI …), as the value does; a fixed
  // "CCT" would misname the zone for every meridian but 120 degrees.
  d.rows[kRowVmcReference].tooltip =
      VmcDateText(d.vmcReference, 4) + " in the Vellomir Calendar (" + options.zoneLabel + " timezone)";
  d.rows[kRowVmcReference].caption = CompareVmcWithChl(d.chl, d.vmcReference);

  // The Moon and Delta T.
  MoonData moon = ComputeMoonData(reckoner.ephemeris(), ajd);
  d.rows[kRowPhase].caption = "Phase of Moon, illumination:";
  d.rows[kRowAge].caption = "[Lunation] Age of Moon:";
  if (moon.ok) {
    d.rows[kRowPhase].value = moon.phaseText;
    d.rows[kRowAge].value = moon.ageText;
  } else {
    d.moonError = moon.error;
  }
  d.illumination = moon.w;
  d.waxing = moon.waxing;
  d.moonPicture = std::string(moon.picture);
  d.deltaTMinutes = DeltaTMinutes(ajd);
  d.rows[kRowDeltaT].caption = "Delta T:";
  d.rows[kRowDeltaT].value = ShowDeltaT(d.deltaTMinutes);

  d.rows[kRowVmcGmt].visible = d.rows[kRowVmcReference].visible = options.showVmc;
  d.rows[kRowCjdl].visible = d.rows[kRowCjdc].visible = options.showCjds;
  return d;
}

int LabelClick(const DisplayTexts& display, std::string_view rowName, bool valueLabel,
               EntryModel& model, Clipboard* clipboard, int country) {
  const DisplayRow* row = display.Row(rowName);
  if (row == nullptr) return 0;
  if (clipboard) clipboard->SetText(row->value);
  if (row->calendar == kCalNone) return 0;
  model.calendar = row->calendar;
  if (!valueLabel) return 0;

  const std::string& value = row->value;
  const int calendar = row->calendar;
  const bool dayCount = calendar == kCalCJDC || calendar == kCalCJDL || calendar == kCalAJD;
  // A new date text runs the date box's own rule on the element and animal choices: they are
  // kept only for a "?" lunar entry or while an element-animal search target uses them.
  auto setDate = [&model](std::string text) {
    if (text == model.date) return;
    model.date = std::move(text);
    UpdateElementAnimalControls(model);
  };
  if (dayCount) {
    setDate(value);
    model.time.clear();
    model.timeZone = kTimeZoneNone;
    return 0;
  }
  std::string_view code = calendar == kCalVMCGMT || calendar == kCalVMCCCT
                              ? std::string_view("VMC") : kCalendarCodeTable[0][static_cast<size_t>(calendar)];
  size_t p = value.find(code);
  setDate(p == std::string::npos ? value : value.substr(0, p + code.size()));
  size_t colon = value.find(':');
  if (colon != std::string::npos && colon >= 2) model.time = value.substr(colon - 2, 5);
  const bool reference = calendar == kCalVMCCCT || calendar == kCalCHL || calendar == kCalCHS;
  model.timeZone = reference ? kTimeZoneReference : kTimeZoneGmt;
  if (calendar == kCalCHL || calendar == kCalCHS) {
    // Names found in the value are selected; a choice without a name in the value stays.
    std::string lower = LowerCaseText(value);
    for (int e = 0; e < 5; ++e) {
      if (lower.find(ElementName(e)) != std::string::npos) {
        model.element = e;
        break;
      }
    }
    for (int a = 0; a < 12; ++a) {
      if (lower.find(AnimalName(a, country)) != std::string::npos) {
        model.animal = a;
        break;
      }
    }
  }
  if (calendar == kCalCE) return 'G';
  if (calendar == kCalJC) return 'J';
  return 0;
}

}  // namespace mirvo
