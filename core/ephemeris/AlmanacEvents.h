// The Moon's four phases and the solar terms whose civil day at a reference meridian lies in one
// CE year, in time order: what the almanac prints and the calendar export writes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace mirvo {

class Ephemeris;

enum AlmanacKind : int {
  kAlmanacNewMoon = 0,
  kAlmanacFirstQuarter = 1,
  kAlmanacFullMoon = 2,
  kAlmanacLastQuarter = 3,
  kAlmanacSolarTerm = 4,
};

// "New moon", "First quarter", "Full moon", "Last quarter", "Solar term".
std::string_view AlmanacKindName(int kind);

struct AlmanacEvent {
  double ut = 0;       // AJD, Universal Time
  double tt = 0;       // JDE, dynamical time
  double cjdc = 0;     // civil day count at the meridian
  int kind = 0;        // AlmanacKind: a phase 0..3, or a solar term
  int32_t number = 0;  // the lunation of a phase, or the term 1..24 of a solar term
  int32_t sui = 0;     // the sui year a solar term belongs to (0 for phases)
};

// Solar terms are those of the true-sun tables; term 1 is the winter solstice that opens its sui.
std::vector<AlmanacEvent> AlmanacEventsOfYear(Ephemeris& eph, int32_t year, int longitude);

// The civil day at the meridian and the second of that day the almanac shows for an event (the
// day fraction cut to the second).
struct CivilSecond {
  int32_t jdn = 0;
  int second = 0;  // 0..86399
};
CivilSecond CivilSecondOf(const AlmanacEvent& event);

}  // namespace mirvo
