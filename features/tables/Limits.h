// The limits of stepping and searching, and the messages that report them: the 60-year cycles
// and the CE or JC years a step may start from, and the sentence of a step the calendar cannot
// make.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/daycount/DayCount.h"

namespace mirvo {

inline constexpr const char* kOutOfRangeTitle = "Out of range";
inline constexpr const char* kInabilityTitle = "Inability";
inline constexpr int32_t kMinCycle = 0;
inline constexpr int32_t kMaxCycle = 96;
inline constexpr int32_t kMinYear = -3000;
inline constexpr int32_t kMaxYear = 3000;
// A single step may leave the admitted range (a repeated run stops only after the step that left
// it). The longest, a CE century, spans at most 36,525 days, so every instant the program itself
// reaches from within the range lies within this much of it.
inline constexpr double kLongestStepDays = 36525;
inline constexpr double kMinReachableAjd = kMinAjd - kLongestStepDays;
inline constexpr double kMaxReachableAjd = kMaxAjd + kLongestStepDays;

// "Earliest admissible date reached." going back from cycle kMinCycle (or below), "Latest
// admissible date reached." going forward from kMaxCycle (or above), else nothing.
std::optional<std::string> CycleLimitMessage(int32_t cycle, bool forward);
// The same for CE or JC years against kMinYear and kMaxYear.
std::optional<std::string> YearLimitMessage(int32_t year, bool forward);
// "Unable to add a lunar month." / "Unable to subtract a solar term."
std::string InabilityMessage(bool forward, std::string_view unit);

}  // namespace mirvo
