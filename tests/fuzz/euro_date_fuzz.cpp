// The European date-text reader: any text, read as a CE, JC or VMC date. A text it takes must give
// a date that exists and converts to a day number and back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/vellomir/Vellomir.h"
#include "platform/calendarlib/EuroCalendar.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace mirvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  for (const int letter : {'G', 'J', 'R'}) {
    std::string text = input;
    CalendarDate date = MakeCalendarDate(11, 22, 33, 'X');
    const int status = str_to_date(text, 2, date, letter);
    FUZZ_CHECK(text == input, "the reader changed its text");
    if (status != 0) {
      FUZZ_CHECK(date.year == 11 && date.month == 22 && date.day == 33 && date.calendar == 'X',
                 "a refused text wrote the record");
      continue;
    }
    FUZZ_CHECK(date.calendar == letter, "letter %d", date.calendar);
    if (letter == 'R') {
      // Only split: the VMC rules decide, and a date they take comes back from its day.
      if (!VmcToDay(date)) continue;
      const VmcDate back = VmcDateOfDay(date.jdn);
      FUZZ_CHECK(back.year == date.year && back.month == date.month && back.day == date.day,
                 "VMC %d-%d-%d -> %d -> %d-%d-%d", date.year, date.month, date.day, date.jdn, back.year,
                 back.month, back.day);
      continue;
    }
    FUZZ_CHECK(date.month >= 1 && date.month <= 12 && date.day >= 1 &&
                   date.day <= euro_days_in_month(date.year, date.month, letter),
               "%d-%d-%d does not exist", date.year, date.month, date.day);
    const int32_t jdn = euro_date_to_jdn(date);
    CalendarDate back = MakeCalendarDate(0, 0, 0, static_cast<int16_t>(letter));
    back.jdn = jdn;
    jdn_to_euro_date(back);
    FUZZ_CHECK(back.year == date.year && back.month == date.month && back.day == date.day,
               "%c %d-%d-%d -> %d -> %d-%d-%d", letter, date.year, date.month, date.day, jdn, back.year,
               back.month, back.day);
  }
  return 0;
}
