// Calendar files in the iCalendar format (RFC 5545), written with libical so that lines are folded,
// texts escaped and dates typed as the format wants. The rest of the program sees plain records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mirvo {

// A civil date, and for timed events a time of day in UTC to the second.
struct EventTime {
  int32_t year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The years an event can have: the format writes four digits (the year 0 is left out, as
// calendars do), and libical 3 takes no year after 3000 (it writes such a date as zeros).
inline constexpr int32_t kFirstICalendarYear = 1;
inline constexpr int32_t kLastICalendarYear = 3000;

// Whether a file can hold an event starting then.
bool InICalendarYears(const EventTime& t);

struct CalendarEvent {
  std::string uid;
  std::string summary;
  std::string description;
  EventTime start;
  // An all-day event is a floating date (VALUE=DATE), on that day in every time zone; a timed one
  // is an instant in UTC.
  bool allDay = true;
};

// The whole calendar: PRODID, VERSION:2.0 and the calendar's name, then one VEVENT per event with
// its UID, DTSTAMP (stamp, UTC), DTSTART, SUMMARY and DESCRIPTION; all-day events end the next
// day and none of the events shows its time as busy. Lines end in CR LF. An event outside the
// years above throws std::out_of_range.
std::string ICalendarText(const std::vector<CalendarEvent>& events, const EventTime& stamp,
                          const std::string& calendarName);

// The same file in pieces, for writing it one event at a time: the head (everything before the
// first event), each event, and the tail. ICalendarText is their concatenation.
std::string ICalendarHead(const std::string& calendarName);
std::string ICalendarEventText(const CalendarEvent& event, const EventTime& stamp);
std::string ICalendarTail();

// The present moment in UTC, to the second (the DTSTAMP of a file written now).
EventTime UtcNow();

}  // namespace mirvo
