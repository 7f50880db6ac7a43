// The context of every Chinese conversion: the settings the calendars depend on (reference
// longitude, epoch, Sun method, country), the ephemeris with its caches, and the last-built
// solar-term and lunar-month tables (which the year-data listing and the calendar view read after
// a build). Two Reckoners with different settings can be used side by side; nothing is global.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/chinese/Cycles.h"
#include "core/ephemeris/Ephemeris.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// Statuses of ChlToDay.
enum ChlStatus : int16_t {
  kChlValid = 0,
  kChlFieldOutOfRange = -1,
  kChlNoNewYear = -2,
  kChlEndOfTable = -3,
  kChlDayBeyondMonth = -4,
  kChlNoSuchMonth = -5,
};

// An instant other than a month's own dark moon whose civil day decides the month's number or
// whether it is leap: a major solar term on the first or last day of a month, or the dark moon of
// another month when moving it across midnight carries a major term into the other month.
struct MonthDecider {
  double cjdc = 0;      // the instant at the reference meridian
  int16_t term = 0;     // solar term 1..24, or 0 for a dark moon
  bool number = false;  // its civil day decides the month's number
  bool leap = false;    // ... or whether the month is leap
};

struct LunarMonth {
  double cjdc = 0;         // dark moon at the reference meridian
  int32_t day = 0;         // D[i], its civil day
  std::string label;       // "01".."12", "7*", or a building mark, or empty
  int16_t majorTerms = 0;  // Z[i]
  int16_t number = 0;      // month number of a numbered month (1..12), 0 otherwise
  int16_t leap = 0;        // 1 for a leap month
  int meridian = 0;        // arc-minutes east of the meridian the month was computed for
  // Of the deciders, the one nearest midnight in proportion to the uncertainty of its time.
  std::optional<MonthDecider> decider;
};

// A deciding instant and how near midnight at the reference meridian it lies.
struct DecidingInstant {
  double cjdc = 0;
  int16_t term = 0;               // solar term 1..24, or 0 for a dark moon
  double offsetSeconds = 0;       // from the nearest midnight: positive after it, negative before
  double uncertaintySeconds = 0;  // of its civil time (CivilTimeUncertaintySeconds)
  double marginSeconds() const { return offsetSeconds < 0 ? -offsetSeconds : offsetSeconds; }
  // Other tables may put it on the neighbouring civil day.
  bool uncertain() const { return marginSeconds() < uncertaintySeconds; }
};

// How sure a month's first day, number and leap status are.
struct MonthMargin {
  DecidingInstant newMoon;               // the dark moon that begins the month
  std::optional<DecidingInstant> label;  // the month's decider (LunarMonth::decider), if any
  bool labelDecidesNumber = false;
  bool labelDecidesLeap = false;
  double marginSeconds() const;  // the smaller of the two margins
  bool uncertain() const;        // either instant is uncertain
};

// Building marks of LunarMonth::label.
inline constexpr const char* kStartOfSuiMark = "start of sui";
inline constexpr const char* kLeapMonthMark = "leap month";
inline constexpr const char* kStopHereMark = "stop here";

// Month i runs from months[i].day to months[i + 1].day - 1; the last entry only closes the
// previous month. At most 51 entries.
struct LunarMonthTable {
  std::vector<LunarMonth> months;
  int32_t firstLunation = 0;
  int count() const { return static_cast<int>(months.size()); }
};

class Reckoner {
 public:
  Reckoner();
  ~Reckoner();
  Reckoner(const Reckoner&) = delete;
  Reckoner& operator=(const Reckoner&) = delete;

  // Settings; a value outside the ranges below throws std::out_of_range.
  // The reference meridian: the civil day of an instant, and the months unless the calendar's
  // history is followed. Kept in arc-minutes; ReferenceLongitude gives its whole degrees, which
  // the lists and texts that name the user's choice show.
  int ReferenceLongitude() const { return meridian_ / 60; }
  void SetReferenceLongitude(int degreesEast);  // 100..145
  int ReferenceMeridian() const { return meridian_; }
  double ReferenceDegrees() const { return meridian_ / 60.0; }
  void SetReferenceMeridian(int arcMinutesEast);  // 6000..8700
  // Follow the calendar's history: the months of each lunar year are computed for the meridian of
  // the country's almanac of that year (AlmanacMeridian), whatever the reference meridian; a
  // month at a change of meridian runs from its own first day to the first day of the next year.
  bool Historical() const { return historical_; }
  void SetHistorical(bool on) { historical_ = on; }
  // Arc-minutes east of the meridian the months of a lunar year are computed for.
  int MeridianOfLunarYear(int32_t year) const;
  mirvo::Epoch Epoch() const { return epoch_; }
  void SetEpoch(mirvo::Epoch epoch);
  mirvo::SunMethod SunMethod() const { return sunMethod_; }
  void SetSunMethod(mirvo::SunMethod method);
  Country CountryIndex() const { return country_; }
  void SetCountry(Country country);  // names only; the longitude is set separately

  Ephemeris& ephemeris() { return ephemeris_; }
  const SolarTermTable& solarTermTable() const { return solarTerms_; }
  const LunarMonthTable& lunarMonthTable() const { return lunarMonths_; }

  // Lunar calendar.
  void BuildYearTables(double day);
  int16_t ChlToDay(ChlDate& date);
  // Fills both records for the day whose number is the integer part of x (valid = 1 in each).
  void DayToChinese(double x, mirvo::Epoch epoch, ChsDate& chs, ChlDate& chl);
  // The lunar half only.
  void DayToChl(double x, mirvo::Epoch epoch, ChlDate& chl);
  // The solar half with the terms of either Sun method (DayToChinese, and so the window, always
  // uses the true sun); the date that ChsToDay under `method` gives the same day.
  void DayToChs(double x, mirvo::Epoch epoch, mirvo::SunMethod method, ChsDate& chs);
  void RefreshChlDate(ChlDate& date);
  // The lunar date of a day, and the day of a lunar date (as ChlToDay), with the calendar's
  // history followed or not, whatever the setting; the setting stays, and the last-built tables
  // are those of the day, or of the date's year, under it.
  void DayToChlWithHistory(int32_t day, bool historical, ChlDate& chl);
  int16_t ChlToDayWithHistory(ChlDate& date, bool historical);
  // 29 or 30, or the negative ChlToDay status; the date itself is left as it was.
  int16_t ChlMonthLength(ChlDate& date);

  bool RestoreDay30(ChlDate& date, bool keep30);
  bool StepChlMonth(ChlDate& date, bool forward, bool keep30);
  // What a year or cycle step keeps where the year reached has it: day 30, the leap month.
  struct ChlStepKeep {
    bool day30 = false;
    bool leap = false;
  };
  bool StepChlYear(ChlDate& date, bool forward, ChlStepKeep keep);
  bool StepChlCycle(ChlDate& date, bool forward, ChlStepKeep keep);

  // The margin of the month of a lunar date (its day is ignored); false when there is no such month.
  bool MonthMarginOf(ChlDate date, MonthMargin& margin);
  // The margins of the month holding the day and of the month after it; nextBeginsTomorrow when
  // the day is the last of its month. False outside the days the calendar computes.
  struct DayMargins {
    MonthMargin month;
    MonthMargin next;
    bool nextBeginsTomorrow = false;
  };
  bool MarginsOfDay(int32_t day, DayMargins& margins);

  // Solar calendar (the only conversion that honours the mean-sun setting).
  bool ChsToDay(ChsDate& date);
  bool StepChsYear(ChsDate& date, bool forward);
  bool StepChsTerm(ChsDate& date, bool forward, bool byCycle);

  // Texts (names follow the country).
  std::string ChlDateText(const ChlDate& date, int form, const std::string& suffix = "CHL");
  // The parts of a lunar date's sentence: the day's element-animal (a full sentence only), the
  // month's, the stem-branch beside each element-animal (before the month's when stemBranchFirst),
  // and the full sentence "The 1st day of month 1 …" rather than "Month 1 …".
  struct ChlSentenceParts {
    bool dayNames = false;
    bool monthNames = false;
    bool stemBranch = false;
    bool stemBranchFirst = false;
    bool full = false;
  };
  std::string ChlDateSentence(ChlDate date, ChlSentenceParts parts);
  std::string ChlDateStemBranchText(ChlDate date);
  std::string ChsDateText(const ChsDate& date, bool withCode) const;
  std::string ChsDateSentence(ChsDate date, bool withDay, bool withStemBranch);

  // Nearest day after (or before) startDay whose day, lunar month and lunar year share one
  // element-animal pair. Returns the day number, or -1 when the step limit was reached first
  // (every day examined counts as a step) or the search left the days the calendar computes. The
  // default limit, some 270 years, is eight times the longest gap between two coincidences from
  // -3000 to 3000 (11973 days), so within that range -1 does not occur.
  static constexpr int32_t kTripleSearchStepLimit = 100000;
  int32_t FindTripleCoincidence(int32_t startDay, bool forward, mirvo::Epoch epoch);
  int32_t FindTripleCoincidence(int32_t startDay, bool forward, mirvo::Epoch epoch, int32_t stepLimit);

  // Lunar years whose cycle gives a CE year outside this range are refused (status -1, or false
  // for solar dates): the tables need the ephemeris a few years either side of the year.
  static constexpr int32_t kMinChineseYear = -9999;
  static constexpr int32_t kMaxChineseYear = 9999;
  // Likewise for day numbers: -9999-01-01 .. 9999-12-31 CE. DayToChinese gives valid = 0 in both
  // records outside, and BuildYearTables leaves the tables as they were. Within it, the few days
  // at either end whose lunar year or sui lies outside the years above give valid = 0 in that
  // record, so that every valid record converts back.
  static constexpr int32_t kMinChineseDay = -1930999;
  static constexpr int32_t kMaxChineseDay = 5373484;

 private:
  // DayToChinese with the solar half when chs is given.
  void DayToChineseDates(double x, mirvo::Epoch epoch, ChsDate* chs, ChlDate& chl);
  static void SolarDateInTable(const SolarTermTable& terms, int32_t day, mirvo::Epoch epoch, ChsDate& chs);
  bool SettleAfterYearStep(ChlDate& date, bool keep30, bool keepLeap);
  bool PreferLeapMonth(ChlDate& date, bool keepLeap);
  bool TryChl(ChlDate& date) { return ChlToDay(date) == kChlValid; }
  bool TryChlOrDay29(ChlDate& date, int originalDay);
  void BuildDarkMoonTable(const SolarTermTable& terms, LunarMonthTable& months);
  // The months of each lunar year from the table of its almanac's meridian.
  void BuildHistoricalMonths(int32_t sui, mirvo::SunMethod method, LunarMonthTable& months);
  void LabelLunarMonths(const SolarTermTable& terms, LunarMonthTable& months) const;
  void FindMonthDeciders(const SolarTermTable& terms, LunarMonthTable& months) const;
  struct YearTables;
  // The cached tables of the sui holding day (built when missing); months only when wanted.
  YearTables& TablesFor(int32_t day, mirvo::SunMethod method, bool withMonths);
  // Those of a sui at a meridian (arc-minutes); plan 0 for one meridian, 1 + country for the
  // country's history.
  YearTables& SuiTables(int32_t sui, int meridian, mirvo::SunMethod method, int plan);
  void BuildMonths(YearTables& tables);
  int Plan() const { return historical_ ? CountryNumber(country_) + 1 : 0; }
  void MakeCurrentTerms(const YearTables& tables);
  void MakeCurrentMonths(const YearTables& tables);

  int meridian_ = 120 * 60;
  bool historical_ = false;
  mirvo::Epoch epoch_ = mirvo::Epoch::kOlder;
  mirvo::SunMethod sunMethod_ = kTrueSun;
  Country country_ = kChina;
  Ephemeris ephemeris_;
  SolarTermTable solarTerms_;
  LunarMonthTable lunarMonths_;
  struct YearCache;  // built tables by (meridian, plan, method, sui year), at most 256; see Reckoner.cpp
  std::unique_ptr<YearCache> yearCache_;
};

}  // namespace mirvo
