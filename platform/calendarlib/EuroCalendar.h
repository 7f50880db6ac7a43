// European calendar arithmetic, date-text parsing, digit grouping and the zone offset: our own
// stand-in for the vendor calendar library. It knows no lunar rule.
#pragma once
#include <cstdint>
#include <string>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// Day number of a proleptic Gregorian ('G') or Julian ('J') date; also stored in date.jdn.
// Exact for any date whose day number fits in 32 bits (floored arithmetic throughout).
int32_t euro_date_to_jdn(CalendarDate& date);
// Fills year, month and day from date.jdn for the calendar letter 'G' or 'J'.
void jdn_to_euro_date(CalendarDate& date);
// Days in a month (1..12) of a Gregorian ('G') or Julian ('J') year.
int euro_days_in_month(int64_t year, int month, int letter);
// 0 = Sunday … 6 = Saturday, for any day number.
int euro_day_of_week(int32_t jdn);
// Parses "Y-M-D" (order 2; optional leading minus on the year). Returns 0 when parsed (year, month
// and day filled, calendar set from the letter code), -5 for an impossible date such as
// 2023-02-29 or month 13, any other value when the text is not a date. Never throws.
int str_to_date(std::string& text, int order, CalendarDate& date, int letter);
// "1234567" -> "1,234,567" (sign kept). The result is at most 19 characters, as the vendor
// library's 20-character buffer allowed; longer numbers are returned unchanged.
std::string separate_thousands(const std::string& number, char separator);
// Offset of local standard time in seconds west of GMT (so -28800 for UTC+8).
int32_t get_timezone();

}  // namespace mirvo
