// The sentences and measures of the main window's row values and tooltips in every language
// (Language.h): the Moon's age, Delta T, a European date spelled out, and the words of the
// uncertain-day and calendar-history notes. English keeps the program's own texts (the functions
// of Display.h, UncertainDay.h and CalendarHistory.h write them); codes, dates in code notation
// and numbers stay as they are in every language.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/chinese/Cycles.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Language.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

// A sentence or measure; "{N}" marks where Worded puts the N-th text.
enum class Sentence : int {
  kUnderOneSecond,
  kSeconds,                 // {count}
  kMinutes,                 // {count}
  kHours,                   // {count}
  kHoursAndMinutes,         // {hours} {minutes}
  kBeforeMidnight,          // {margin}
  kAfterMidnight,           // {margin}
  kFirstDayMayBeDayBefore,  // {new moon's time from midnight}
  kFirstDayMayBeDayAfter,   // {new moon's time from midnight}
  kNumberAndLeapDepend,     // {instant} {CE date} {time from midnight}
  kNumberDepends,           // {instant} {CE date} {time from midnight}
  kLeapDepends,             // {instant} {CE date} {time from midnight}
  kTheNewMoon,
  kTheSolarTerm,         // {code} {name}
  kNextMonthTomorrow,    // {new moon's time from midnight}
  kComputedForMeridian,  // {meridian} {country} {year}
  kAlmanacComputedFor,   // {year} {country} {meridian} {lunar date}
  kModernRule,
  kMoonAge,  // {days} {hours} {minutes} {percent of the lunation}
  kMoreThanADay,
  kCeDay,        // {year} {month} {day} {weekday}
  kJcDay,        // {year} {month} {day} {weekday}
  kEpochMethod,  // {epoch} {method}
  kTrueSun,
  kMeanSun,
};

// The sentence in the language with its texts put in; "" for a value outside either enum.
std::string Worded(Language language, Sentence sentence, std::initializer_list<std::string_view> texts);
// Sentences one after the other: with a space between them, without one in Chinese and Japanese.
void AddSentence(Language language, std::string& text, const std::string& sentence);

// A margin from midnight in whole seconds, minutes or hours ("12分钟", "4 giây"; English:
// MarginText).
std::string MarginWords(Language language, double seconds);
// The Moon's age row after the lunation number: "[1234] 10天12小时5分（35.2%）".
std::string MoonAgeWords(Language language, int32_t lunation, double age, double fraction);
// Delta T in hours and minutes, or "more than a day" beyond 1440 minutes (English: ShowDeltaT).
std::string DeltaTWords(Language language, double minutes);
// A European date (CE or JC by its calendar letter) with its weekday, as at London:
// "公历2024年2月10日，星期六（伦敦）".
std::string EuropeanDayWords(Language language, const CalendarDate& date, int weekday);

// "纪元 = -2696，方法 = 定气（真太阳）" for an epoch and a sun method (MainTables.h); English:
// EpochMethod.
std::string EpochMethodWords(Language language, Epoch epoch, SunMethod sunMethod);

}  // namespace mirvo
