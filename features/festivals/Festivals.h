// The festivals and seasonal days of each country: a table read from data/festivals.txt (one rule
// per line, with the name in every language; the file's head explains the rules) and the civil
// days those rules give in a year, at the country's reference meridian as the calendar itself.
// Lunar days come from the Reckoner's month tables, solar terms from its true-sun term tables,
// other solar longitudes from the ephemeris.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chinese/Reckoner.h"
#include "core/names/Language.h"

namespace mirvo {

inline constexpr char kFestivalFileName[] = "festivals.txt";

// The instant a seasonal rule counts from, in a given CE year.
struct FestivalAnchor {
  bool term = true;      // a solar term of the term tables, or the Sun at any longitude
  double longitude = 0;  // apparent solar longitude, degrees 0 ≤ L < 360
  int yearOffset = 0;    // 0: the instant in the CE year of the festival; -1: the year before
};

enum class FestivalRuleKind { kLunar, kLunarLast, kAnchorDay, kStemDay, kBranchDay, kNinePeriod };

struct FestivalRule {
  FestivalRuleKind kind = FestivalRuleKind::kLunar;
  int month = 0;          // lunar rules
  int day = 0;            // kLunar
  FestivalAnchor anchor;  // the other rules
  int offset = 0;         // days after the day the rule names (negative before it)
  int cyclic = 0;         // kStemDay 1..10 (甲..癸), kBranchDay 1..12 (子..亥)
  int count = 0;          // the count-th such day, or the count-th nine-day period
  int spanDays = 1;       // days of the period the day opens (9 for a nine-day period)
  std::shared_ptr<const FestivalRule> spanUntil;  // the period ends the day before its day
  std::shared_ptr<const FestivalRule> before;     // the day counts only before its day
  std::string text;                               // the rule as the file writes it, spaces normalised
};

struct Festival {
  std::string id;
  FestivalRule rule;
  std::array<std::string, kLanguageCount> names;  // by Language
  const std::string& name(Language language) const { return names[static_cast<size_t>(language)]; }
};

struct FestivalCountry {
  mirvo::Country country = kChina;  // the file writes its stored number
  std::string name;                 // "china", as --country takes it
  int longitude = 120;              // reference meridian, degrees east
  std::vector<Festival> festivals;
};

struct FestivalTable {
  std::vector<FestivalCountry> countries;  // in the file's order
  // The country of a country or a name; nullptr when the table has none.
  const FestivalCountry* Country(mirvo::Country country) const;
  const FestivalCountry* Country(std::string_view name) const;
};

// A table read, or why it could not be: error says why exactly when there is no table.
struct FestivalTableRead {
  std::optional<FestivalTable> table;
  std::string error;
};

// The table of the file's text, or the error "line N: why".
FestivalTableRead ParseFestivalTable(std::string_view text);
// The table of kFestivalFileName in the data folder, read as a regular file only; an error
// begins with the file's path.
FestivalTableRead LoadFestivalTable(const std::string& dataFolder);

// A day a festival falls on.
struct FestivalDay {
  const Festival* festival = nullptr;
  int32_t year = 0;     // the festival's year: the CE year its lunar year begins in, or its anchor's
  int32_t jdn = 0;      // its civil day at the meridian
  int32_t lastJdn = 0;  // the last day of the period it opens (jdn itself for a single day)
  // Why other tables may give another day: the month it lies in, or its anchor's instant closer
  // to midnight than the uncertainty of its time (only when the other civil day of that instant
  // would give another day).
  std::optional<MonthMargin> month;
  std::optional<MonthMargin> nextMonth;  // on a month's last day: the month after, whose first day ends it
  std::optional<DecidingInstant> anchor;
  double anchorLongitude = 0;
  bool uncertain() const;
};

// The days of the country's festivals of the CE year `year` (as FestivalDay::year says), in day
// order (table order on the same day), under the reckoner's meridian and epoch. A festival whose
// `before` bound it misses that year has no day. Years the calendar does not compute give none.
std::vector<FestivalDay> FestivalDaysOfYear(Reckoner& reckoner, const FestivalCountry& country, int32_t year);

// The festivals and periods a civil day lies in, with the day's number in its period (1 for the
// festival's own day).
struct FestivalOnDay {
  FestivalDay day;
  int dayOfPeriod = 1;
};
std::vector<FestivalOnDay> FestivalsOfDay(Reckoner& reckoner, const FestivalCountry& country, int32_t jdn);

// The name of a day of a festival's period: the name itself on its first day, then "初伏第3天",
// "三九第4天", "Middle Fu (dog days), day 3" as each language counts.
std::string FestivalDayName(Language language, const Festival& festival, int dayOfPeriod);

// The short note of an uncertain day ("day: the Sun reaches 117° 12 seconds before midnight",
// "first day: new moon 4 seconds after midnight"), "" when the day is sure.
std::string UncertainFestivalNote(const FestivalDay& day);

}  // namespace mirvo
