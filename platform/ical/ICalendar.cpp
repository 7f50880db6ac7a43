#include "platform/ical/ICalendar.h"

#include <libical/ical.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace mirvo {
namespace {

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype DateOf(const EventTime& t) {
  icaltimetype d = icaltime_null_date();
  d.year = t.year;
  d.month = t.month;
  d.day = t.day;
  return d;
}

icaltimetype UtcOf(const EventTime& t) {
  icaltimetype d = icaltime_null_time();
  d.year = t.year;
  d.month = t.month;
  d.day = t.day;
  d.hour = t.hour;
  d.minute = t.minute;
  d.second = t.second;
  return icaltime_set_timezone(&d, icaltimezone_get_utc_timezone());
}

void Add(icalcomponent* component, icalproperty* property) {
  if (property == nullptr) throw std::runtime_error(icalerror_strerror(icalerrno));
  icalcomponent_add_property(component, property);
}

}  // namespace

bool InICalendarYears(const EventTime& t) {
  return t.year >= kFirstICalendarYear && t.year <= kLastICalendarYear && t.month >= 1 && t.month <= 12 &&
         t.day >= 1 && t.day <= 31;
}

namespace {

constexpr std::string_view kCalendarEnd = "END:VCALENDAR\r\n";

// The serialiser's text belongs to libical's ring buffer: it is copied before anything else runs.
std::string Serialised(icalcomponent* component) {
  const char* text = icalcomponent_as_ical_string(component);
  if (text == nullptr) throw std::runtime_error("the calendar could not be written");
  return std::string(text);
}

}  // namespace

std::string ICalendarHead(const std::string& calendarName) {
  Component calendar(icalcomponent_new_vcalendar());
  Add(calendar.get(), icalproperty_new_prodid("-//Brisvale Systems//Mirvo//EN"));
  Add(calendar.get(), icalproperty_new_version("2.0"));
  Add(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  if (!calendarName.empty()) {
    icalproperty* name = icalproperty_new_x(calendarName.c_str());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    Add(calendar.get(), name);
  }
  // The calendar's own lines are those of an empty calendar without its last line; the events
  // come between, each serialised as libical nests it.
  std::string text = Serialised(calendar.get());
  if (!text.ends_with(kCalendarEnd)) throw std::runtime_error("the calendar could not be written");
  text.resize(text.size() - kCalendarEnd.size());
  return text;
}

std::string ICalendarEventText(const CalendarEvent& e, const EventTime& stamp) {
  if (!InICalendarYears(e.start)) {
    throw std::out_of_range("iCalendar dates run from the year " + std::to_string(kFirstICalendarYear) +
                            " to " + std::to_string(kLastICalendarYear) + ", not " +
                            std::to_string(e.start.year));
  }
  Component event(icalcomponent_new_vevent());
  Add(event.get(), icalproperty_new_uid(e.uid.c_str()));
  Add(event.get(), icalproperty_new_dtstamp(UtcOf(stamp)));
  if (e.allDay) {
    const icaltimetype day = DateOf(e.start);
    Add(event.get(), icalproperty_new_dtstart(day));
    // One day long; calendars that ignore the implied length of a date without an end still
    // show the event on its day only. The last day libical can hold goes without.
    const icaltimetype next = icaltime_add(day, icaldurationtype_from_int(86400));
    if (next.year <= kLastICalendarYear) Add(event.get(), icalproperty_new_dtend(next));
  } else {
    Add(event.get(), icalproperty_new_dtstart(UtcOf(e.start)));
  }
  Add(event.get(), icalproperty_new_summary(e.summary.c_str()));
  if (!e.description.empty()) Add(event.get(), icalproperty_new_description(e.description.c_str()));
  Add(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  return Serialised(event.get());
}

std::string ICalendarTail() { return std::string(kCalendarEnd); }

std::string ICalendarText(const std::vector<CalendarEvent>& events, const EventTime& stamp,
                          const std::string& calendarName) {
  std::string text = ICalendarHead(calendarName);
  for (const CalendarEvent& e : events) text += ICalendarEventText(e, stamp);
  return text + ICalendarTail();
}

EventTime UtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, std::min(utc.tm_sec, 59)};
}

}  // namespace mirvo
