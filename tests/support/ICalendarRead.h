// Reads an iCalendar text back with libical's own parser, for tests of the files the program
// writes, and checks the form of its lines.
#pragma once

#include <libical/ical.h>

#include <cstdio>
#include <string>
#include <vector>

namespace mirvo::test {

struct ReadEvent {
  std::string uid, summary, description;
  icaltimetype start{};
  bool hasStamp = false;
  bool hasEnd = false;
  // "2024-02-10" for a date, "2024-12-21 09:20:34" for a time.
  std::string StartText() const {
    char text[32];
    if (start.is_date)
      std::snprintf(text, sizeof text, "%04d-%02d-%02d", start.year, start.month, start.day);
    else
      std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", start.year, start.month, start.day,
                    start.hour, start.minute, start.second);
    return text;
  }
  bool Utc() const { return !start.is_date && icaltime_is_utc(start); }
};

struct ReadCalendar {
  bool parsed = false;
  std::string prodid, version;
  std::vector<ReadEvent> events;
};

inline std::string Text(const char* s) { return s ? s : ""; }

inline ReadCalendar ReadICalendar(const std::string& text) {
  ReadCalendar calendar;
  icalcomponent* root = icalparser_parse_string(text.c_str());
  if (root == nullptr) return calendar;
  calendar.parsed = icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT;
  if (icalproperty* p = icalcomponent_get_first_property(root, ICAL_PRODID_PROPERTY))
    calendar.prodid = Text(icalproperty_get_prodid(p));
  if (icalproperty* p = icalcomponent_get_first_property(root, ICAL_VERSION_PROPERTY))
    calendar.version = Text(icalproperty_get_version(p));
  for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); c != nullptr;
       c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
    ReadEvent e;
    e.uid = Text(icalcomponent_get_uid(c));
    e.summary = Text(icalcomponent_get_summary(c));
    e.description = Text(icalcomponent_get_description(c));
    e.start = icalcomponent_get_dtstart(c);
    e.hasStamp = icalcomponent_get_first_property(c, ICAL_DTSTAMP_PROPERTY) != nullptr;
    e.hasEnd = icalcomponent_get_first_property(c, ICAL_DTEND_PROPERTY) != nullptr;
    calendar.events.push_back(e);
  }
  icalcomponent_free(root);
  return calendar;
}

// "" when every line ends in CR LF and holds at most 75 octets, a folded line's continuation
// begins with one blank, and no UTF-8 character is cut by a fold; otherwise the first fault.
inline std::string FormFault(const std::string& text) {
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) return "no CR LF at the end";
  std::string unfolded;
  size_t at = 0;
  for (int line = 1; at < text.size(); ++line) {
    const size_t end = text.find("\r\n", at);
    if (end == std::string::npos) return "line " + std::to_string(line) + " without CR LF";
    const std::string l = text.substr(at, end - at);
    if (l.find('\n') != std::string::npos || l.find('\r') != std::string::npos)
      return "bare line break in line " + std::to_string(line);
    if (l.size() > 75) return "line " + std::to_string(line) + " has " + std::to_string(l.size()) + " octets";
    if (!l.empty() && (l[0] == ' ' || l[0] == '\t')) {
      // A continuation must not begin in the middle of a character.
      if (l.size() > 1 && (static_cast<unsigned char>(l[1]) & 0xC0) == 0x80)
        return "a fold cuts a character before line " + std::to_string(line);
    }
    at = end + 2;
  }
  return "";
}

}  // namespace mirvo::test
