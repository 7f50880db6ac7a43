#include "core/chinese/Cycles.h"
#include "util/Numbers.h"
#include "util/Text.h"

namespace mirvo {

int32_t YearFromCycle(int32_t cycle, int32_t position, Epoch epoch) {
  return (cycle - 1) * 60 + EpochYear(epoch) + position - 1;
}

void StepYears(int32_t& cycle, int32_t& position, int years) {
  const int64_t fromFirst = int64_t{position} - 1 + years;
  cycle += static_cast<int32_t>(FloorDiv(fromFirst, 60));
  position = static_cast<int32_t>(FloorMod(fromFirst, 60)) + 1;
}

int32_t CycleOf(int32_t year, Epoch epoch) {
  return static_cast<int32_t>(FloorDiv(year - EpochYear(epoch), 60) + 1);
}

int16_t PositionOf(int32_t year) {
  return static_cast<int16_t>(FloorMod(year - EpochYear(Epoch::kOlder), 60) + 1);
}

int32_t YearCount(int32_t cycle, int32_t position, Epoch epoch) {
  return epoch == Epoch::kYounger ? cycle * 60 + position : (cycle - 1) * 60 + position;
}

std::pair<int32_t, int32_t> CycleFromYearCount(int32_t count, Epoch epoch) {
  int32_t cycle = FloorDiv(count - 1, 60) + 1;
  if (epoch == Epoch::kYounger) --cycle;
  return {cycle, FloorMod(count - 1, 60) + 1};
}

std::string MonthLabel(int month, int leap) {
  if (leap) return std::to_string(month) + "*";
  return TwoDigits(month);
}

}  // namespace mirvo
