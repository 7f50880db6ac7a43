// The state-file reader: any text, with or without a country chosen. A text it reads whole is
// written out again and read back to the same record; every text, whole or not, leaves values in
// the record that the window can show (indexes inside their lists, an instant a step can reach).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/daycount/DayCount.h"
#include "features/state/StateFile.h"
#include "features/tables/Limits.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace mirvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the file is read; the rest is the file.
  const bool countrySelected = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  StateRecord state;
  const bool whole = ReadStateText(text, state, countrySelected);
  const MainSettings& s = state.settings;
  FUZZ_CHECK(std::isfinite(state.ajd) && state.ajd >= (state.ajd == 0 ? 0 : kMinReachableAjd) &&
                 state.ajd <= kMaxReachableAjd,
             "instant %f", state.ajd);
  FUZZ_CHECK(state.calendar >= kCalCE && state.calendar <= kCalVMCCCT, "calendar %d", state.calendar);
  FUZZ_CHECK(s.moveStep >= 0 && s.moveStep <= 15 && s.searchTarget >= 0 &&
                 s.searchTarget < kSearchTargetCount && s.refreshPeriod >= 0 && s.refreshPeriod <= 3 &&
                 SunMethodFromNumber(SunMethodNumber(s.sunMethod)) && EpochFromYear(EpochYear(s.epoch)),
             "step %d target %d refresh %d method %d epoch %d", s.moveStep, s.searchTarget, s.refreshPeriod,
             SunMethodNumber(s.sunMethod), EpochYear(s.epoch));
  FUZZ_CHECK(s.longitude >= kMinLongitude && s.longitude <= kMaxLongitude &&
                 CountryFromNumber(CountryNumber(s.country)),
             "longitude %d country %d", s.longitude, CountryNumber(s.country));
  for (size_t row = 0; row < 3; ++row) {
    FUZZ_CHECK(s.multipleElement[row] >= 0 && s.multipleElement[row] <= kNoElementEntry &&
                   s.multipleAnimal[row] >= 0 && s.multipleAnimal[row] <= kNoAnimalEntry,
               "row %zu: %d %d", row, s.multipleElement[row], s.multipleAnimal[row]);
  }
  if (!whole) return 0;
  FUZZ_CHECK(!s.repeatedly && !s.keep30th && !s.keepLeap, "a repetition came back from the file");

  StateRecord again;
  again.settings.country = s.country;
  const std::string written = StateFileText(state);
  FUZZ_CHECK(ReadStateText(written, again, countrySelected), "the written file is not read whole");
  FUZZ_CHECK(again == state, "the written file reads as another state");
  return 0;
}
