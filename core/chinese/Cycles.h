// The sexagenary cycle: positions 1..60 as element-animal and stem-branch pairs, the year, cycle
// and year-count arithmetic, and the names (the animal names depend on the country).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// The country whose names and almanac history are followed; the numbers are those of the settings
// store and the state file.
enum class Country : int { kVietnam = 0, kChina = 1, kJapan = 2, kKorea = 3 };
using enum Country;
inline constexpr std::array<Country, 4> kAllCountries{kVietnam, kChina, kJapan, kKorea};
// The stored number of a country, and the country of a stored number (none outside 0..3).
constexpr int CountryNumber(Country country) { return static_cast<int>(country); }
constexpr std::optional<Country> CountryFromNumber(int number) {
  if (number < 0 || number > 3) return std::nullopt;
  return static_cast<Country>(number);
}
// The same for an epoch's CE year (none for a year other than -2696 and -2636).
constexpr int32_t EpochYear(Epoch epoch) { return static_cast<int32_t>(epoch); }
constexpr std::optional<Epoch> EpochFromYear(long year) {
  if (year != EpochYear(Epoch::kOlder) && year != EpochYear(Epoch::kYounger)) return std::nullopt;
  return static_cast<Epoch>(year);
}

// Years and cycles under an epoch.
int32_t YearFromCycle(int32_t cycle, int32_t position, Epoch epoch);
int32_t CycleOf(int32_t year, Epoch epoch);
int16_t PositionOf(int32_t year);
int32_t YearCount(int32_t cycle, int32_t position, Epoch epoch);
std::pair<int32_t, int32_t> CycleFromYearCount(int32_t count, Epoch epoch);  // (cycle, position)
// Moves a (cycle, position 1..60) pair by a number of years, across cycles.
void StepYears(int32_t& cycle, int32_t& position, int years);
// "01".."12" for an ordinary month, "7*" for a leap month.
std::string MonthLabel(int month, int leap);

// Positions and pairs.
int16_t ElementOfPosition(int p);                          // 0..4
int16_t AnimalOfPosition(int p);                           // 0..11
int16_t StemOfPosition(int p);                             // 1..10
int16_t BranchOfPosition(int p);                           // 1..12
int16_t PositionOfElementAnimal(int element, int animal);  // 1..60
int16_t DayPosition(int32_t jdn);
std::pair<int16_t, int16_t> MonthElementAnimal(const ChlDate& date);  // (element, animal)
std::pair<int16_t, int16_t> YearElementAnimal(int position);

// Names.
std::string_view ElementName(int element);                 // "wood" …
std::string_view AnimalName(int animal, Country country);  // "rat" …; 3/7/11 depend on the country
std::string_view StemName(int stem);                       // 1..10: "jia" …
std::string_view BranchName(int branch);                   // 1..12: "zi" …
std::string ElementAnimalText(int p, Country country);     // "metal-monkey"
std::string StemBranchText(int p);                         // "geng-shen"
// The element-animal of a position with its stem-branch: "metal-monkey (geng-shen)".
std::string ElementAnimalPhrase(int p, Country country);
// The same for a chosen element (0..4) and animal (0..11), either of which may be missing (any
// other index): "fire-dog (bing-xu)", "fire- (bing-, ding-)", "-dog (-xu)"; "" without both.
std::string ChosenElementAnimalPhrase(int element, int animal, Country country);
std::string DayElementAnimalText(int32_t jdn, Country country);
std::string DayStemBranchText(int32_t jdn);
std::string MonthNameText(const ChlDate& date, Country country, bool withStemBranch, bool stemBranchFirst);
int ElementIndexOf(std::string_view name);                  // -1 when absent
int AnimalIndexOf(std::string_view name, Country country);  // -1 when absent

}  // namespace mirvo
