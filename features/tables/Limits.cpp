#include "features/tables/Limits.h"

namespace mirvo {
namespace {

std::optional<std::string> LimitMessage(int64_t value, int64_t lowest, int64_t highest, bool forward) {
  if (!forward && value <= lowest) return "Earliest admissible date reached.";
  if (forward && value >= highest) return "Latest admissible date reached.";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CycleLimitMessage(int32_t cycle, bool forward) {
  return LimitMessage(cycle, kMinCycle, kMaxCycle, forward);
}

std::optional<std::string> YearLimitMessage(int32_t year, bool forward) {
  return LimitMessage(year, kMinYear, kMaxYear, forward);
}

std::string InabilityMessage(bool forward, std::string_view unit) {
  return std::string("Unable to ") + (forward ? "add a" : "subtract a") + " " + std::string(unit) + ".";
}

}  // namespace mirvo
