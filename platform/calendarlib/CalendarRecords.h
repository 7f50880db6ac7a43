// Date records exchanged between the calendar library and the calendar code. Their field layout is
// binding (other code and the date-string parsers rely on the offsets), so they are checked here.
#pragma once
#include <cstddef>
#include <cstdint>

namespace mirvo {

// A European date: CE (letter 'G', proleptic Gregorian), JC ('J', Julian) or a VMC date ('R',
// year/month/day only). Years are astronomical: 0 = 1 BC, -2 = 3 BC.
struct CalendarDate {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int16_t calendar = 'G';
  int16_t reserved = 0;
  int32_t jdn = 0;
  int32_t valid = 0;
};
// A date record with its year, month, day and calendar letter set (jdn and valid left at 0).
constexpr CalendarDate MakeCalendarDate(int32_t year, int32_t month, int32_t day, int16_t calendar = 'G') {
  CalendarDate date;
  date.year = year;
  date.month = month;
  date.day = day;
  date.calendar = calendar;
  return date;
}

static_assert(sizeof(CalendarDate) == 24);
static_assert(offsetof(CalendarDate, calendar) == 12 && offsetof(CalendarDate, jdn) == 16 &&
              offsetof(CalendarDate, valid) == 20);

// The CE year of cycle 1, position 1 (astronomical: -2696 is 2697 BC). The two epochs give every
// year the same position in the cycle and differ by one in its cycle number.
enum class Epoch : int32_t { kOlder = -2696, kYounger = -2636 };

// A Chinese lunar (CHL) date: cycle-position-month[*]-day.
struct ChlDate {
  Epoch epoch = Epoch::kOlder;
  int32_t cycle = 0;
  int32_t position = 0;
  int32_t reserved[2] = {0, 0};
  int32_t month = 0;
  int32_t day = 0;
  int32_t valid = 0;
  int32_t jdn = 0;
  int32_t leap = 0;
};
static_assert(sizeof(ChlDate) == 40);
static_assert(offsetof(ChlDate, month) == 20 && offsetof(ChlDate, jdn) == 32 &&
              offsetof(ChlDate, leap) == 36);

// A Chinese solar (CHS) date: cycle-position-solarterm-day.
struct ChsDate {
  Epoch epoch = Epoch::kOlder;
  int32_t cycle = 0;
  int32_t position = 0;
  int32_t reserved[2] = {0, 0};
  int32_t term = 0;
  int32_t day = 0;
  int32_t valid = 0;
  int32_t jdn = 0;
};
static_assert(sizeof(ChsDate) == 36);
static_assert(offsetof(ChsDate, term) == 20 && offsetof(ChsDate, jdn) == 32);

}  // namespace mirvo
