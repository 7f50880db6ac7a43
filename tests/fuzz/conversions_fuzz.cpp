// The conversions: any day number in and around the days the Chinese calendars compute, under any
// meridian, epoch, Sun method and country, to its lunar and solar dates and back, also through the
// lunar date's text; any 32-bit day number to its CE, JC and VMC dates and back.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/vellomir/Vellomir.h"
#include "platform/calendarlib/ChineseDateText.h"
#include "platform/calendarlib/EuroCalendar.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace mirvo;

namespace {

// Days either side of the computed range, where both records must come back invalid.
constexpr int64_t kAround = 400;
// The last day of the admitted range (3000-01-01 CE).
constexpr int32_t kMaxAdmittedDay = static_cast<int32_t>(kMaxAjd + 0.5);

void CheckEuropean(int32_t jdn) {
  for (const int16_t letter : {int16_t{'G'}, int16_t{'J'}}) {
    CalendarDate date = MakeCalendarDate(0, 0, 0, letter);
    date.jdn = jdn;
    jdn_to_euro_date(date);
    CalendarDate back = MakeCalendarDate(date.year, date.month, date.day, letter);
    FUZZ_CHECK(euro_date_to_jdn(back) == jdn, "%c %d -> %d-%d-%d -> %d", letter, jdn, date.year, date.month,
               date.day, back.jdn);
  }
  const VmcDate vmc = VmcDateOfDay(jdn);
  VmcDate back = MakeCalendarDate(vmc.year, vmc.month, vmc.day, kVmcLetter);
  FUZZ_CHECK(VmcToDay(back) && back.jdn == jdn, "VMC %d -> %d-%d-%d -> %d", jdn, vmc.year, vmc.month, vmc.day,
             back.jdn);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 7) return 0;
  uint32_t raw = 0;
  std::memcpy(&raw, data, sizeof raw);
  CheckEuropean(static_cast<int32_t>(raw));

  static Reckoner reckoner;
  reckoner.SetReferenceLongitude(kMinLongitude + data[4] % (kMaxLongitude - kMinLongitude + 1));
  reckoner.SetEpoch((data[5] & 1) ? Epoch::kYounger : Epoch::kOlder);
  reckoner.SetSunMethod((data[5] & 2) ? kMeanSun : kTrueSun);
  reckoner.SetCountry(*CountryFromNumber((data[5] >> 2) % 3));
  const Epoch epoch = reckoner.Epoch();

  // A day number in reach is taken as it is (so that a seed reads as its day), any other is
  // folded into reach.
  const int64_t low = Reckoner::kMinChineseDay - kAround;
  const int64_t high = Reckoner::kMaxChineseDay + kAround;
  const int64_t asIs = static_cast<int32_t>(raw);
  const auto day =
      static_cast<int32_t>(asIs >= low && asIs <= high ? asIs : low + int64_t{raw} % (high - low + 1));
  const double x = day + data[6] / 256.0;

  ChsDate chs;
  ChlDate chl;
  reckoner.DayToChinese(x, epoch, chs, chl);
  if (day < Reckoner::kMinChineseDay || day > Reckoner::kMaxChineseDay) {
    FUZZ_CHECK(!chs.valid && !chl.valid, "day %d outside the computed days has a date", day);
    return 0;
  }
  if (day >= kMinJdnMirvo && day <= kMaxAdmittedDay) {
    FUZZ_CHECK(chs.valid && chl.valid, "day %d of the admitted range has no date", day);
  }
  if (chl.valid) {
    FUZZ_CHECK(chl.jdn == day, "lunar date of %d holds day %d", day, chl.jdn);
    ChlDate back = chl;
    back.jdn = 0;
    back.valid = 0;
    FUZZ_CHECK(reckoner.ChlToDay(back) == kChlValid && back.jdn == day, "day %d -> %d-%d-%d(%d)-%d CHL -> %d",
               day, chl.cycle, chl.position, chl.month, chl.leap, chl.day, back.jdn);
    const int length = reckoner.ChlMonthLength(back);
    FUZZ_CHECK((length == 29 || length == 30) && chl.day <= length, "day %d of a month of %d", chl.day,
               length);
    const std::string text = reckoner.ChlDateText(chl, 0);
    ChlDate read;
    FUZZ_CHECK(chl_datestr_to_chldate(text, read), "%s is not read", text.c_str());
    read.epoch = epoch;
    FUZZ_CHECK(reckoner.ChlToDay(read) == kChlValid && read.jdn == day, "%s -> %d, not %d", text.c_str(),
               read.jdn, day);
  }
  if (chs.valid) {
    FUZZ_CHECK(chs.jdn == day, "solar date of %d holds day %d", day, chs.jdn);
    ChsDate back = chs;
    back.jdn = 0;
    back.valid = 0;
    // The solar date shown is always that of the true sun; only the way back honours the
    // mean-sun method, whose terms lie days away from the true ones.
    const bool converted = reckoner.ChsToDay(back);
    if (reckoner.SunMethod() == kTrueSun) {
      FUZZ_CHECK(converted && back.jdn == day, "day %d -> %d-%d-%d-%d CHS -> %d", day, chs.cycle,
                 chs.position, chs.term, chs.day, back.jdn);
    }
  }
  return 0;
}
