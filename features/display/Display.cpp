#include "features/display/Display.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/chinese/Cycles.h"
#include "core/chinese/History.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/MoonPhase.h"
#include "core/names/Names.h"
#include "core/names/NativeDate.h"
#include "core/vellomir/Vellomir.h"
#include "features/display/CalendarHistory.h"
#include "features/display/Phrases.h"
#include "features/display/Sentences.h"
#include "features/display/UncertainDay.h"
#include "platform/services/Services.h"
#include "util/Text.h"

namespace mirvo {
namespace {

constexpr std::array<std::string_view, kRowCount> kRowLabelNames{"lblCommonEraDate",
                                                                 "lblJulianCalendarDate",
                                                                 "lblChineseLunarDate",
                                                                 "lblChineseSolarDate",
                                                                 "lblVellomirCalendarGMT",
                                                                 "lblVellomirCalendarCCT",
                                                                 "lblChronologicalJulianDateLondon",
                                                                 "lblChronologicalJulianDateBeijing",
                                                                 "lblAstronomicalJulianDate",
                                                                 "lblPhaseOfMoon",
                                                                 "lblAgeOfMoon",
                                                                 "lblDeltaT"};

constexpr std::array<int, kRowCount> kRowCalendars{kCalCE,     kCalJC,     kCalCHL,  kCalCHS,
                                                   kCalVMCGMT, kCalVMCCCT, kCalCJDL, kCalCJDC,
                                                   kCalAJD,    kCalNone,   kCalNone, kCalNone};

double Fraction(double x) { return x - std::floor(x); }

}  // namespace

std::string_view RowLabelName(RowId row) { return kRowLabelNames[static_cast<size_t>(row)]; }
int RowCalendar(RowId row) { return kRowCalendars[static_cast<size_t>(row)]; }

std::optional<RowId> RowOfCalendar(int calendar) {
  for (size_t i = 0; i < kRowCalendars.size(); ++i) {
    if (calendar != kCalNone && kRowCalendars[i] == calendar) return static_cast<RowId>(i);
  }
  return std::nullopt;
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
  return CompareVmcWithChl(Language::kEnglish, chl, vmc);
}

std::string CompareVmcWithChl(Language language, const ChlDate& chl, const CalendarDate& vmc) {
  if (chl.leap) return "";
  const int vm = vmc.month, vd = vmc.day, cm = chl.month, cd = chl.day;
  auto note = [language](Phrase phrase) { return std::string(PhraseText(language, phrase)); };
  if (vm == cm && vd == cd) return note(Phrase::kVmcSameMonthAndDay);
  if (vm == cm && vd == cd + 1) return note(Phrase::kVmcDayAhead);
  if (vm == cm && cd == vd + 1) return note(Phrase::kVmcDayBehind);
  if (vd == cd && vm == cm + 1) return note(Phrase::kVmcMonthAhead);
  if (vd == cd && cm == vm + 1) return note(Phrase::kVmcMonthBehind);
  if (vm == cm) return note(Phrase::kVmcSameMonth);
  if (vd == cd) return note(Phrase::kVmcSameDay);
  return "";
}

namespace {

// The instant on the two clocks of the display: London's (CE, JC, the first VMC row) and the
// reference meridian's (the lunar and solar dates, the second VMC row).
struct Clocks {
  double london;           // CJDL
  double reference;        // CJDC
  std::string londonTime;  // "hh:mm"
  std::string referenceTime;
};

// A date row's value is its entry (date with code, time, zone) followed by what only the display
// adds (the zone label, the weekday, the day's name); a click gives back the entry.
DisplayRow& DateRow(DisplayTexts& d, RowId id, std::string date, std::string time, int zone) {
  DisplayRow& row = d.Row(id);
  row.entry = {std::move(date), std::move(time), zone};
  row.value = row.entry.date + " " + row.entry.time;
  return row;
}

DisplayRow& DayCountRow(DisplayTexts& d, RowId id, double count, const char* code) {
  DisplayRow& row = d.Row(id);
  row.value = GroupedNumber(count, 4) + " " + code;
  row.entry = {row.value, "", kTimeZoneNone};
  return row;
}

void ShowDayCounts(DisplayTexts& d, const Clocks& clocks, int longitude) {
  d.Row(RowId::kAjd).caption = "Astronomical Julian date:";
  DayCountRow(d, RowId::kAjd, d.ajd, "AJD");
  d.Row(RowId::kCjdl).caption = "Chronological JD London:";
  DayCountRow(d, RowId::kCjdl, clocks.london, "CJDL");
  d.Row(RowId::kCjdc).caption = "Chronological JD " + std::to_string(longitude) + "º East";
  DayCountRow(d, RowId::kCjdc, clocks.reference, "CJDC");
}

void ShowEuropeanDates(DisplayTexts& d, const Clocks& clocks, Language language) {
  d.londonDay = JdnOf(clocks.london);
  d.londonMinute = MinuteOfDay(Fraction(clocks.london));
  const int weekdayIndex = WeekdayOf(d.londonDay);
  const std::string weekday = language == Language::kEnglish
                                  ? WeekdayName(weekdayIndex, false, 0)
                                  : std::string(names::Weekday(language, weekdayIndex));
  CeAndJcFromDayCount(clocks.london, d.ce, d.jc);
  const std::string& time = clocks.londonTime;
  DisplayRow& ce = DateRow(d, RowId::kCe, CalendarDateText(d.ce, 2, '-', ',', true), time, kTimeZoneGmt);
  ce.caption = "Common Era (Gregorian):";
  ce.value += " GMT " + weekday;
  ce.tooltip = EuropeanDayWords(language, d.ce, weekdayIndex);
  DisplayRow& jc = DateRow(d, RowId::kJc, CalendarDateText(d.jc, 2, '-', ',', true), time, kTimeZoneGmt);
  jc.caption = "Julian Calendar:";
  jc.value += " GMT " + weekday;
  jc.tooltip = EuropeanDayWords(language, d.jc, weekdayIndex);
}

void ShowChineseDates(DisplayTexts& d, Reckoner& reckoner, const Clocks& clocks,
                      const DisplayOptions& options) {
  const CountryInfo& info = CountryOf(reckoner.CountryIndex());
  const std::string& time = clocks.referenceTime;
  reckoner.DayToChinese(clocks.reference, reckoner.Epoch(), d.chs, d.chl);
  DisplayRow& chs = DateRow(d, RowId::kChs, reckoner.ChsDateText(d.chs, false), time, kTimeZoneReference);
  chs.caption = std::string(info.adjective) + " Solar:";
  // On the first day of a term the term's code in parentheses takes the place of the zone label.
  chs.value = d.chs.day == 1 ? reckoner.ChsDateText(d.chs, true) + " " + time + " "
                             : chs.value + " " + options.zoneLabel;
  const Language language = options.language;
  const bool english = language == Language::kEnglish;
  chs.tooltip = english ? reckoner.ChsDateSentence(d.chs, false, false) : SolarTermDayWords(language, d.chs);
  DisplayRow& chl = DateRow(d, RowId::kChl, reckoner.ChlDateText(d.chl, 0, "CHL"), time, kTimeZoneReference);
  chl.caption = std::string(info.adjective) + " Lunar:";
  chl.value += " " + options.zoneLabel;
  chl.tooltip = english ? RemoveLineBreaks(reckoner.ChlDateSentence(d.chl, {.full = true}))
                        : LunarDateWords(language, d.chl, d.chl.jdn, reckoner.CountryIndex(), true);
  d.chlHistory = CalendarHistoryDayText(reckoner, d.chl, language);
  AddSentence(language, chl.tooltip, d.chlHistory);
  Reckoner::DayMargins margins;
  if (d.chl.valid && reckoner.MarginsOfDay(d.chl.jdn, margins)) {
    d.chlUncertainty = UncertainDayText(margins, language);
    AddSentence(language, chl.tooltip, d.chlUncertainty);
  }
  // The meridian the date was computed for, when the calendar's history puts it elsewhere.
  if (d.chl.valid) {
    const int meridian =
        reckoner.MeridianOfLunarYear(YearFromCycle(d.chl.cycle, d.chl.position, reckoner.Epoch()));
    if (meridian != reckoner.ReferenceMeridian()) {
      chl.caption = std::string(info.adjective) + " Lunar (" + MeridianText(meridian) + "):";
    }
  }
  d.nativeDate = NativeLunarDate(options.language, d.chl);
  // Day 1 of a solar term is the civil day of its instant at the meridian (SolarTermOfDay).
  if (d.chs.valid && d.chs.day == 1)
    d.solarTerm = std::string(names::SolarTerm(options.language, d.chs.term));
}

// The day, year and month of the lunar date in the sexagenary cycle.
void ShowSexagenaryNames(DisplayTexts& d, const Reckoner& reckoner, const DisplayOptions& options) {
  const Country country = reckoner.CountryIndex();
  const bool china = country == kChina;
  d.dayPosition = DayPosition(d.chl.jdn);
  d.dayStem = StemOfPosition(d.dayPosition);
  d.dayBranch = BranchOfPosition(d.dayPosition);
  d.dayStemBranch = StemBranchText(d.dayPosition);
  d.elementAnimalOfDay = ElementAnimalText(d.dayPosition, country) + " day";
  d.yearStem = StemOfPosition(d.chl.position);
  d.yearBranch = BranchOfPosition(d.chl.position);
  d.elementAnimalOfYear = ElementAnimalText(d.chl.position, country) + " year";
  if (china) d.elementAnimalOfYear = StemBranchText(d.chl.position) + " " + d.elementAnimalOfYear;
  d.elementAnimalOfMonth = MonthNameText(d.chl, country, china, china) + " month";
  d.yearAndMonthVisible = !options.showCjds;
  d.yearLabel = "Year " + std::to_string(YearCount(d.chl.cycle, d.chl.position, reckoner.Epoch()));
  d.chinaOnlyVisible = china;
}

// The Vellomir Calendar for London and for the reference meridian.
void ShowVellomirDates(DisplayTexts& d, const Clocks& clocks, const DisplayOptions& options) {
  d.vmcGmt = VmcDateOfDay(d.londonDay);
  d.vmcReference = VmcDateOfDay(JdnOf(clocks.reference));
  DisplayRow& vmcGmt = DateRow(d, RowId::kVmcGmt, VmcDateText(d.vmcGmt, 1), clocks.londonTime, kTimeZoneGmt);
  vmcGmt.caption = "Vellomir Calendar:";
  vmcGmt.value += " GMT " + std::string(VmcDayName(d.vmcGmt.day));
  vmcGmt.tooltip = VmcDateText(d.vmcGmt, 4) + " in the Vellomir Calendar (GMT timezone)";
  DisplayRow& vmcReference = DateRow(d, RowId::kVmcReference, VmcDateText(d.vmcReference, 1),
                                     clocks.referenceTime, kTimeZoneReference);
  vmcReference.value += " " + options.zoneLabel + " " + std::string(VmcDayName(d.vmcReference.day));
  // The tooltip names the zone of the row's time (JST, ICT, BEI …), as the value does; a fixed
  // "CCT" would misname the zone for every meridian but 120 degrees.
  vmcReference.tooltip =
      VmcDateText(d.vmcReference, 4) + " in the Vellomir Calendar (" + options.zoneLabel + " timezone)";
  vmcReference.caption = CompareVmcWithChl(d.chl, d.vmcReference);
}

void ShowMoonAndDeltaT(DisplayTexts& d, Reckoner& reckoner, Language language) {
  MoonData moon = ComputeMoonData(reckoner.ephemeris(), d.ajd);
  d.Row(RowId::kPhase).caption = "Phase of Moon, illumination:";
  d.Row(RowId::kAge).caption = "[Lunation] Age of Moon:";
  if (moon.ok) {
    d.lunation = moon.lunation;
    d.moonAge = moon.age;
    d.moonAgeFraction = moon.age / moon.lunationLength;
    const bool english = language == Language::kEnglish;
    d.Row(RowId::kPhase).value = english ? moon.phaseText : MoonPhaseWords(language, moon.w, moon.waxing);
    d.Row(RowId::kAge).value =
        english ? moon.ageText : MoonAgeWords(language, d.lunation, d.moonAge, d.moonAgeFraction);
  } else {
    d.moonError = moon.error;
  }
  d.illumination = moon.w;
  d.waxing = moon.waxing;
  d.moonPicture = std::string(moon.picture);
  d.deltaTMinutes = DeltaTMinutes(d.ajd);
  d.Row(RowId::kDeltaT).caption = "Delta T:";
  d.Row(RowId::kDeltaT).value = DeltaTWords(language, d.deltaTMinutes);
}

}  // namespace

DisplayTexts ComputeDisplay(double ajd, Reckoner& reckoner, const DisplayOptions& options) {
  DisplayTexts d;
  d.ajd = ajd;
  const int longitude = reckoner.ReferenceLongitude();
  Clocks clocks;
  clocks.london = CjdlFromAjd(ajd);
  clocks.reference = CjdcFromAjd(ajd, reckoner.ReferenceDegrees());
  clocks.londonTime = TimeOfDayText(Fraction(clocks.london), false);
  clocks.referenceTime = TimeOfDayText(Fraction(clocks.reference), false);

  ShowDayCounts(d, clocks, longitude);
  ShowEuropeanDates(d, clocks, options.language);
  ShowChineseDates(d, reckoner, clocks, options);
  ShowSexagenaryNames(d, reckoner, options);
  ShowVellomirDates(d, clocks, options);
  ShowMoonAndDeltaT(d, reckoner, options.language);

  d.Row(RowId::kVmcGmt).visible = d.Row(RowId::kVmcReference).visible = options.showVmc;
  d.Row(RowId::kCjdl).visible = d.Row(RowId::kCjdc).visible = options.showCjds;
  return d;
}

int LabelClick(const DisplayTexts& display, RowId id, bool valueLabel, EntryModel& model,
               Clipboard* clipboard) {
  const DisplayRow& row = display.Row(id);
  if (clipboard) clipboard->SetText(row.value);
  const int calendar = RowCalendar(id);
  if (calendar == kCalNone) return 0;
  model.calendar = calendar;
  if (!valueLabel) return 0;
  // A new date text runs the date box's own rule on the element and animal choices: they are
  // kept only for a "?" lunar entry or while an element-animal search target uses them.
  if (row.entry.date != model.date) {
    model.date = row.entry.date;
    UpdateElementAnimalControls(model);
  }
  const std::string_view code = kCalendarCodes[static_cast<size_t>(calendar)];
  model.WriteTime(row.entry.time, code);
  model.WriteZone(row.entry.timeZone, code);
  if (calendar == kCalCE) return 'G';
  if (calendar == kCalJC) return 'J';
  return 0;
}

}  // namespace mirvo
