// The search for a day whose own element-animal pair is also that of its lunar month and of its
// lunar year.
#include "core/chinese/Reckoner.h"

namespace mirvo {

int32_t Reckoner::FindTripleCoincidence(int32_t startDay, bool forward, int epoch) {
  return FindTripleCoincidence(startDay, forward, epoch, kTripleSearchStepLimit);
}

// Pairs and positions are one to one, so "same pair" is compared as "same position". Every day is
// examined in turn: jumping 60 days after a day whose pair matches the year's can carry the search
// into the next lunar year past days of that year that were never examined (the first month of a
// ren-yin year is one where a coincidence can hide), so the search does not jump. Consecutive days
// share their cached year tables, which keeps a day's test to a table lookup.
int32_t Reckoner::FindTripleCoincidence(int32_t startDay, bool forward, int epoch,
                                        int32_t stepLimit) {
  const int s = forward ? 1 : -1;
  ChsDate skip;
  ChlDate chl;
  for (int32_t d = startDay + s, steps = 1; steps <= stepLimit; d += s, ++steps) {
    skip.valid = -99;
    DayToChinese(d + 0.5, epoch, skip, chl);
    if (chl.valid != 1) return -1;
    if (DayPosition(d) != chl.position) continue;
    const auto [element, animal] = MonthElementAnimal(chl);
    if (PositionOfElementAnimal(element, animal) == chl.position) return d;
  }
  return -1;
}

}  // namespace mirvo
