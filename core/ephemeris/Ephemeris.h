// Dark moons, quarters and full moons in UT, the lunation and phase of an instant, equinoxes and
// solstices, the sui year of a day and the 79-entry solar-term table. Results that never change
// for given inputs (syzygies, quarter points, solar-term sets) are memoised here; an Ephemeris is
// owned by the context (Reckoner), never shared through globals.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace mirvo {

inline constexpr double MeanSynodicMonth = 29.5305888531;

enum class SunMethod : int { kTrueSun = 0, kMeanSun = 1 };
using enum SunMethod;
// The stored number of a Sun method (0 true, 1 mean), and the method of a stored number.
constexpr int SunMethodNumber(SunMethod method) { return static_cast<int>(method); }
constexpr std::optional<SunMethod> SunMethodFromNumber(int number) {
  if (number != 0 && number != 1) return std::nullopt;
  return static_cast<SunMethod>(number);
}
enum QuarterKind : int { kMarchEquinox = 0, kJuneSolstice = 1, kSeptemberEquinox = 2, kDecemberSolstice = 3 };

// Solar term k = 1..24 of a sui has longitude (270 + 15(k-1)) mod 360; odd k are major terms.
std::string_view TermCode(int k);         // "Z11", "J12", …
std::string_view TermName(int k);         // "Dong zhi", …
std::string_view TermEnglishName(int k);  // "Winter solstice", …

// The equinox or solstice of a year by the published method alone (Meeus, Astronomical Algorithms,
// ch. 27: the mean instant of table 27.A or 27.B and the periodic terms of table 27.C), TT.
// QuarterPointTt carries this estimate on to the exact solar longitude.
double QuarterPointMeeusTt(int kind, int year);

struct SolarTermEntry {
  double cjdc = 0;  // instant at the reference meridian
  int32_t jdn = 0;  // its civil day there
};

// Entry 24s + k - 1 is term k of sui b - 1 + s (s = 0, 1, 2); entries 72..78 are terms 1..7 of
// sui b + 2. Entry 24 is the December solstice that opens sui b.
struct SolarTermTable {
  std::array<SolarTermEntry, 79> entry{};
  int32_t suiYear = 0;  // b
  SunMethod method = kTrueSun;
  double longitude = 120;  // degrees east
};

class Ephemeris {
 public:
  Ephemeris();

  // The mean instant (UT) of lunation n's dark moon, and an instant surely before the true one: a
  // search for dark moons after a day may stop there without solving for the exact instant.
  static double MeanDarkMoonUt(int32_t n);
  static double EarliestDarkMoonUt(int32_t n);
  double SyzygyTt(int32_t n, int phase);
  double SyzygyUt(int32_t n, int phase);
  int32_t LunationAt(double ajd);
  // Phase most recently reached in lunation n at ajd; -1 past the lunation, -2 before it. The
  // phases are compared with ajd in UT, as LunationAt compares dark moons, so that the lunation
  // LunationAt gives always has a phase; exact: within 0.00005 day (4.32 s) after that phase.
  int16_t GetPhase(int32_t n, double ajd, bool& exact);

  double QuarterPointTt(int kind, int year);
  double QuarterPointUt(int kind, int year);
  double QuarterPointCjdc(int kind, int year, double longitude);
  double DecemberSolsticeCjdc(int year, double longitude) {
    return QuarterPointCjdc(kDecemberSolstice, year, longitude);
  }

  int32_t SuiYearOf(int32_t day, double longitude);
  void BuildSolarTermTable(double day, SunMethod method, double longitude, SolarTermTable& table);

 private:
  const std::array<double, 6>& TrueTermSetTt(int kind, int year);
  const std::array<double, 79>& TrueSunTableUt(int32_t suiYear);

  // Caches: see Ephemeris.cpp. Copies of an Ephemeris share them (the cached values are pure
  // functions of their keys); an Ephemeris is not meant to be used from two threads.
  struct Caches;
  std::shared_ptr<Caches> caches_;
};

}  // namespace mirvo
