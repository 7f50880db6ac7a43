// The sexagenary cycle: positions 1..60 as element-animal and stem-branch pairs, the year, cycle
// and year-count arithmetic, and the names (the animal names depend on the country).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

enum Country : int { kVietnam = 0, kChina = 1, kJapan = 2, kKorea = 3 };

// Years and cycles. Epoch is the CE year of cycle 1, position 1: -2696 or -2636.
int32_t YearFromCycle(int32_t cycle, int32_t position, int32_t epoch);
int32_t CycleOf(int32_t year, int32_t epoch);
int16_t PositionOf(int32_t year);
int32_t YearCount(int32_t cycle, int32_t position, int32_t epoch);
std::pair<int32_t, int32_t> CycleFromYearCount(int32_t count, int32_t epoch);  // (cycle, position)
// Moves a (cycle, position 1..60) pair by a number of years, across cycles.
void StepYears(int32_t& cycle, int32_t& position, int years);
// "01".."12" for an ordinary month, "7*" for a leap month.
std::string MonthLabel(int month, int leap);

// Positions and pairs.
int16_t ElementOfPosition(int p);   // 0..4
int16_t AnimalOfPosition(int p);    // 0..11
int16_t StemOfPosition(int p);      // 1..10
int16_t BranchOfPosition(int p);    // 1..12
int16_t PositionOfElementAnimal(int element, int animal);  // 1..60
int16_t DayPosition(int32_t jdn);
std::pair<int16_t, int16_t> MonthElementAnimal(const ChlDate& date);  // (element, animal)
std::pair<int16_t, int16_t> YearElementAnimal(int position);

// Names.
std::string_view ElementName(int element);             // "wood" …
std::string_view AnimalName(int animal, int country);  // "rat" …; 3/7/11 depend on the country
std::string_view StemName(int stem);                   // 1..10: "jia" …
std::string_view BranchName(int branch);               // 1..12: "zi" …
std::string ElementAnimalText(int p, int country);     // "metal-monkey"
std::string StemBranchText(int p);                     // "geng-shen"
// The element-animal of a position with its stem-branch: "metal-monkey (geng-shen)".
std::string ElementAnimalPhrase(int p, int country);
// The same for a chosen element (0..4) and animal (0..11), either of which may be missing (any
// other index): "fire-dog (bing-xu)", "fire- (bing-, ding-)", "-dog (-xu)"; "" without both.
std::string ChosenElementAnimalPhrase(int element, int animal, int country);
std::string DayElementAnimalText(int32_t jdn, int country);
std::string DayStemBranchText(int32_t jdn);
std::string MonthNameText(const ChlDate& date, int country, bool withStemBranch, bool stemBranchFirst);
int ElementIndexOf(std::string_view name);                // -1 when absent
int AnimalIndexOf(std::string_view name, int country);    // -1 when absent

}  // namespace mirvo
