// Time scales, European dates, weekdays, times of day, the zone offset, the present instant and
// Delta T: the day-count layer every calendar of the system is built on.
//
// AJD  astronomical Julian date, days from noon UT of -4712-01-01 JC: the system's instant.
// CJDL chronological Julian date of London = AJD + 0.5 (civil days begin at midnight GMT).
// CJDC chronological Julian date at the reference meridian L° east = AJD + 0.5 + L/360.
// JDN  whole day number = integer part of the CJD in use.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// The admitted range of the instant: noon UT of -3000-01-01 CE and of 3000-01-01 CE.
inline constexpr double kMinAjd = 625333.0;
inline constexpr double kMaxAjd = 2816788.0;
inline constexpr int32_t kMinJdnMirvo = 625333;
inline constexpr int kMinLongitude = 100;
inline constexpr int kMaxLongitude = 145;

inline double CjdlFromAjd(double x) { return x + 0.5; }
inline double AjdFromCjdl(double x) { return x - 0.5; }
// The meridian is in degrees east and need not be whole (Beijing's almanacs: 116 + 25/60).
inline double CjdcFromCjdl(double x, double longitude) { return x + longitude / 360.0; }
inline double CjdlFromCjdc(double x, double longitude) { return x - longitude / 360.0; }
inline double CjdcFromAjd(double x, double longitude) { return x + 0.5 + longitude / 360.0; }
inline double AjdFromCjdc(double x, double longitude) { return x - longitude / 360.0 - 0.5; }
// The civil day of a chronological Julian date (integer part; all CJDs in use are positive).
inline int32_t JdnOf(double cjd) { return static_cast<int32_t>(std::floor(cjd)); }

// Zone label of a reference longitude 100..145: "ICT" 105, "HAN" 106, "CHA" 109, "BEI" 116,
// "CCT" 120, "JST" 135, "EDO" 140, otherwise "L" + two-digit (L - 100).
std::string ZoneLabel(int longitude);

// Month names: language 0 English, 1 German; shortForm picks "Jan." etc. Month 1..12, else "".
std::string_view MonthName(int month, bool shortForm, int language);

int32_t JdnFromCalendarDate(CalendarDate& date);
// The day number of a CE (proleptic Gregorian) date.
int32_t JdnOfCeDate(int32_t year, int32_t month, int32_t day);
// The CE year of a day number.
int32_t CeYearOfJdn(int32_t jdn);
void CalendarDateFromJdn(CalendarDate& date);
// The CE date of a day number (valid left at 0).
CalendarDate CeDateOfJdn(int32_t jdn);
void CeAndJcFromDayCount(double x, CalendarDate& ce, CalendarDate& jc);
int16_t WeekdayOf(int32_t jdn);
std::string WeekdayName(int index, bool pad, int language);
std::string TimeOfDayText(double fraction, bool withSeconds);
// "HH:MM" or "HH:MM:SS" of a second of the day (0..86399).
std::string SecondOfDayText(int second, bool withSeconds);
// The minute of the day that TimeOfDayText shows for a day fraction (0..1439), -1 for a fraction
// outside [0, 1).
int MinuteOfDay(double fraction);
// The same to the second (0..86399), -1 outside [0, 1).
int SecondOfDay(double fraction);
std::string CalendarDateText(const CalendarDate& date, int order, char separator, char thousandsSeparator,
                             bool withSuffix);
std::string CalendarDateSentence(const CalendarDate& date);
int16_t ParseCalendarDate(const std::string& text, CalendarDate& date);
// The present instant, read from the system clock (UTC).
double CurrentAjd();
int32_t TodayJdn();
// Delta T in minutes for the day count x (constant within a CE year).
double DeltaTMinutes(double x);

}  // namespace mirvo
