// The Moon row texts of the main window: illuminated fraction, phase name and age since the last
// dark moon.
#pragma once

#include <cstdint>
#include <string>

namespace mirvo {

class Ephemeris;

struct MoonState {
  bool ok = false;            // false when the phase of the lunation could not be found
  int32_t lunation = 0;
  int phase = 0;              // 0 dark moon, 1 first quarter, 2 full moon, 3 last quarter
  double illumination = 0;    // 0..1
  bool waxing = true;
  double age = 0;             // days since the dark moon
  std::string phaseText;      // "Crescent moon (waxing), 23.4%"
  std::string ageText;        // "[305] 12 days, 5 hrs, 33 mins (41.6%)"
};

// "12 days, 5 hrs, 33 mins": each part truncated, singular for 1.
std::string AgeText(double days);
// "Crescent moon (waxing)" etc. for the illuminated fraction w; no suffix near dark and full.
std::string MoonPhaseLabel(double w, bool waxing);
MoonState ComputeMoonState(double ajd, Ephemeris& ephemeris);

}  // namespace mirvo
