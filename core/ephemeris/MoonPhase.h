// The Moon of an instant as the main window shows it: illuminated fraction, phase name, age since
// the last dark moon, the two label texts and the picture (a base picture with the dark side of
// the terminator painted over). No toolkit types: the window copies the results into its widgets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/Ephemeris.h"

namespace mirvo {

// Day numbers (integer part of AJD + 0.5) for which the Moon's longitude is asked for: 1600-01-01
// to 2099-12-31 CE. Outside them the phase is interpolated between syzygies.
inline constexpr int32_t kMoonLongitudeFirstDay = 2305448;
inline constexpr int32_t kMoonLongitudeLastDay = 2488069;

// The Moon's apparent longitude in radians at the instant (an AJD in UT; the series are evaluated
// at TT), or nothing outside the span above.
std::optional<double> MoonLongitude(double ajd);

// "12 days, 5 hrs, 33 mins": whole days, hours and minutes, truncated.
std::string AgeText(double days);
// Phase name with " (waxing)" / " (waning)" for 0.05 <= 100 w <= 99.95: "Crescent moon (waxing)".
std::string MoonPhaseLabel(double w, bool waxing);
// The phase label: "Crescent moon (waxing), 23.4%".
std::string PhaseOfMoonText(double w, bool waxing);
// The part of its lunation the Moon's age is (0..1) in per cent with one decimal: "41.6".
std::string LunationPercentText(double fraction);
// The age label: "[305] 12 days, 5 hrs, 33 mins (41.6%)".
std::string AgeOfMoonText(int32_t lunation, double age, double lunationLength);
// "Error-2 when calling GetPhase() in DisplayMoonData()."
std::string GetPhaseErrorText(int code);

struct MoonData {
  bool ok = false;  // false: only `error` is set; the labels keep their old texts
  std::string error;
  bool longitudeMethod = false;  // true: from the Moon's and Sun's longitudes; false: syzygies
  double w = 0;                  // illuminated fraction 0..1
  int16_t phase = 0;             // last phase reached: 0 dark moon … 3 last quarter
  bool waxing = true;            // phases 0 and 1
  bool exact = false;            // within 4.32 s of that phase
  int32_t lunation = 0;
  double age = 0;                // days since the lunation's dark moon
  double lunationLength = 0;     // days from that dark moon to the next
  std::string phaseText;         // lblPhaseOfMoon
  std::string ageText;           // lblAgeOfMoon
  std::string_view picture;      // base picture: darkmoon, 1stquarter, fullmoon or lastquarter
  bool paintTerminator = false;  // whether PaintTerminator is to be applied to the base picture
};

MoonData ComputeMoonData(Ephemeris& ephemeris, double ajd);

// Base picture for an illuminated fraction: "fullmoon" above 0.99 and for a gibbous moon,
// "1stquarter" / "lastquarter" for a waxing / waning crescent, "darkmoon" below 0.01.
std::string_view MoonPictureBase(double w, bool waxing);

// A picture as 32-bit ARGB pixels, row by row from the top.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
  PixelBuffer() = default;
  PixelBuffer(int w, int h, uint32_t fill) : width(w), height(h), argb(size_t(w) * h, fill) {}
  uint32_t& at(int x, int y) { return argb[size_t(y) * width + x]; }
  uint32_t at(int x, int y) const { return argb[size_t(y) * width + x]; }
};

// Paints the dark side of the terminator over the base picture of MoonPictureBase(w, waxing).
// Centre (cx, cy) = (width / 2, height / 2), R = cx; a pixel at (cx + dx, cy - dy) lies outside
// the terminator's half-ellipse when (R² - dy²)(2w - 1)² <= dx².
// Gibbous: on the dark half (left while waxing, right while waning) the pixels outside the
// half-ellipse are painted. Crescent: the base picture shows a lit half (right while waxing, left
// while waning), and on it the pixels inside the half-ellipse are painted, leaving the crescent
// between the terminator and the limb. Nothing is painted for w > 0.99 or w < 0.01.
void PaintTerminator(PixelBuffer& picture, double w, bool waxing, uint32_t colour);

}  // namespace mirvo
