// The search for a day whose own element-animal pair is also that of its lunar month and of its
// lunar year.
#include "core/chinese/Reckoner.h"

namespace mirvo {

int32_t Reckoner::FindTripleCoincidence(int32_t startDay, bool forward, mirvo::Epoch epoch) {
  return FindTripleCoincidence(startDay, forward, epoch, kTripleSearchStepLimit);
}

// Pairs and positions are one to one, so "same pair" is compared as "same position". Every day is
// examined in turn: jumping 60 days after a day whose pair matches the year's can carry the search
// into the next lunar year past days of that year that were never examined (the first month of a
// ren-yin year is one where a coincidence can hide), so the search does not jump. Consecutive days
// share their cached year tables, which keeps a day's test to a table lookup.
int32_t Reckoner::FindTripleCoincidence(int32_t startDay, bool forward, mirvo::Epoch epoch,
                                        int32_t stepLimit) {
  const int s = forward ? 1 : -1;
  ChlDate chl;
  // Counted in 64 bits so that a start at either end of the 32-bit days cannot overflow; such a
  // day is outside the calendar and ends the search at once.
  int64_t d = int64_t{startDay} + s;
  for (int32_t steps = 1; steps <= stepLimit; d += s, ++steps) {
    DayToChl(static_cast<double>(d) + 0.5, epoch, chl);
    if (chl.valid != 1) return -1;
    const auto day = static_cast<int32_t>(d);
    if (DayPosition(day) != chl.position) continue;
    const auto [element, animal] = MonthElementAnimal(chl);
    if (PositionOfElementAnimal(element, animal) == chl.position) return day;
  }
  return -1;
}

}  // namespace mirvo
