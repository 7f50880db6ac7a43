#include "core/ephemeris/Ephemeris.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <unordered_map>

#include "core/daycount/DayCount.h"
#include "platform/astro/Astro.h"
#include "platform/astro/DeltaT.h"

namespace mirvo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Meeus, Astronomical Algorithms (2nd ed.), table 27.A: mean equinoxes and solstices for the years
// -1000..+1000, polynomial in Y = year / 1000. Used for every year below 1000.
constexpr double kMeeus27A[4][5] = {
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
};
// Table 27.B: the same for the years +1000..+3000, Y = (year - 2000) / 1000.
constexpr double kMeeus27B[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

struct PeriodicTerm {
  double a, b, c;
};  // A cos(B + C T); B, C in radians
constexpr PeriodicTerm Deg(double a, double b, double c) {
  return {a, b / 360.0 * kTwoPi, c / 360.0 * kTwoPi};
}
// Table 27.C, the 24 periodic terms, converted once from degrees.
constexpr PeriodicTerm kMeeus27C[24] = {
    Deg(485, 324.96, 1934.136),  Deg(203, 337.23, 32964.467), Deg(199, 342.08, 20.186),
    Deg(182, 27.85, 445267.112), Deg(156, 73.14, 45036.886),  Deg(136, 171.52, 22518.443),
    Deg(77, 222.54, 65928.934),  Deg(74, 296.72, 3034.906),   Deg(70, 243.58, 9037.513),
    Deg(58, 119.81, 33718.147),  Deg(52, 297.17, 150.678),    Deg(50, 21.02, 2281.226),
    Deg(45, 247.54, 29929.562),  Deg(44, 325.15, 31555.956),  Deg(29, 60.93, 4443.417),
    Deg(18, 155.12, 67555.328),  Deg(17, 288.79, 4562.452),   Deg(16, 198.04, 62894.029),
    Deg(14, 199.76, 31436.921),  Deg(12, 95.39, 14577.848),   Deg(12, 287.11, 31931.756),
    Deg(12, 320.81, 34777.259),  Deg(9, 227.73, 1222.114),    Deg(8, 15.45, 16859.074),
};

// Caches are cleared as a whole when they outgrow these sizes. They hold every instant of the
// days the calendars compute (some 20,000 sui years: 250,000 dark moons, 80,000 quarter points and
// term sets, 20,000 tables; some 60 MB when full), so that work which visits years at random, or
// the same years under many meridians, computes each instant once. A conversion touches a few
// dozen entries, a list over the admitted range a third of them.
constexpr size_t kMaxSyzygies = 1 << 18;
constexpr size_t kMaxQuarterPoints = 1 << 17;
constexpr size_t kMaxTermSets = 1 << 17;
constexpr size_t kMaxTables = 1 << 15;

int64_t Key(int64_t major, int minor) { return major * 4 + minor; }

// The 14 quarter points of a true-sun table for sui b: December b-2, the four of b-1, b and b+1,
// and March b+2.
void QuarterPointOfTable(int i, int32_t b, int& kind, int& year) {
  if (i == 0) {
    kind = kDecemberSolstice;
    year = b - 2;
  } else {
    kind = (i - 1) % 4;
    year = b - 1 + (i - 1) / 4;
  }
}

}  // namespace

struct Ephemeris::Caches {
  struct Instant {
    double tt, ut;
  };
  std::unordered_map<int64_t, Instant> syzygies;       // by (lunation, phase)
  std::unordered_map<int64_t, Instant> quarterPoints;  // by (year, kind)
  // The six true solar terms (TT) from a quarter point to the next, by (year, kind) of the first.
  std::unordered_map<int64_t, std::array<double, 6>> termSets;
  // A true-sun table as AJDs (UT), by sui year: the table for any meridian is a shift of it.
  std::unordered_map<int32_t, std::array<double, 79>> trueSunTables;

  template <class Map>
  static void Bound(Map& m, size_t limit) {
    if (m.size() >= limit) m.clear();
  }
};

std::string_view TermCode(int k) {
  static constexpr std::string_view kCodes[24] = {"Z11", "J12", "Z12", "J1", "Z1", "J2",  "Z2",  "J3",
                                                  "Z3",  "J4",  "Z4",  "J5", "Z5", "J6",  "Z6",  "J7",
                                                  "Z7",  "J8",  "Z8",  "J9", "Z9", "J10", "Z10", "J11"};
  return k >= 1 && k <= 24 ? kCodes[k - 1] : std::string_view{};
}

std::string_view TermName(int k) {
  static constexpr std::string_view kNames[24] = {
      "Dong zhi", "Xiao han", "Da han",   "Li chun",    "Yu shui",     "Jing zhe", "Chun fen", "Qing ming",
      "Gu yu",    "Li xia",   "Xiao man", "Mang zhong", "Xia zhi",     "Xiao shu", "Da shu",   "Li qui",
      "Chu shu",  "Bai lu",   "Qiu fen",  "Han lu",     "Shuang jian", "Li dong",  "Xiao xue", "Da xue"};
  return k >= 1 && k <= 24 ? kNames[k - 1] : std::string_view{};
}

std::string_view TermEnglishName(int k) {
  static constexpr std::string_view kNames[24] = {
      "Winter solstice",  "Slight cold",         "Great cold",     "Beginning of spring",
      "Rain water",       "Waking of insects",   "Spring equinox", "Pure brightness",
      "Grain rain",       "Beginning of summer", "Grain full",     "Grain in ear",
      "Summer solstice",  "Slight heat",         "Great heat",     "Beginning of autumn",
      "Limit of heat",    "White dew",           "Autumn equinox", "Cold dew",
      "Descent of frost", "Beginning of winter", "Slight snow",    "Great snow"};
  return k >= 1 && k <= 24 ? kNames[k - 1] : std::string_view{};
}

double QuarterPointMeeusTt(int kind, int year) {
  const bool early = year < 1000;
  const double(&c)[5] = early ? kMeeus27A[kind & 3] : kMeeus27B[kind & 3];
  const double y = early ? year / 1000.0 : (year - 2000) / 1000.0;
  const double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
  const double t = (jde0 - 2451545.0) / 36525;
  const double w = (35999.373 * t - 2.47) / 360.0 * kTwoPi;
  const double dl = 1 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2 * w);
  double s = 0;
  for (const PeriodicTerm& p : kMeeus27C) s += p.a * std::cos(p.b + p.c * t);
  return jde0 + 0.00001 * s / dl;
}

Ephemeris::Ephemeris() : caches_(std::make_shared<Caches>()) {}

double Ephemeris::MeanDarkMoonUt(int32_t n) {
  // Meeus ch. 49: the mean new moon of k = 0 is JDE 2451550.09766; Delta T was 64 s then.
  return 2451550.09766 - 64.0 / 86400 + MeanSynodicMonth * n;
}

double Ephemeris::EarliestDarkMoonUt(int32_t n) {
  // The true instant differs from the mean by the periodic terms (under 0.6 day), the secular
  // terms of the mean lunation (0.00015 T² day, T in centuries from 2000) and the growth of
  // Delta T away from the 19th century (some 32 s T²).
  const double T = n / 1236.85;
  return MeanDarkMoonUt(n) - 1 - 0.0007 * (std::abs(T) + 2) * (std::abs(T) + 2);
}

double Ephemeris::SyzygyTt(int32_t n, int phase) {
  const int64_t key = Key(n, phase & 3);
  if (auto it = caches_->syzygies.find(key); it != caches_->syzygies.end()) return it->second.tt;
  Caches::Bound(caches_->syzygies, kMaxSyzygies);
  const double tt = astro::syzyg(n, phase & 3);
  caches_->syzygies.emplace(key, Caches::Instant{tt, tt - DeltaTMinutes(tt) / 1440});
  return tt;
}

double Ephemeris::SyzygyUt(int32_t n, int phase) {
  const int64_t key = Key(n, phase & 3);
  if (auto it = caches_->syzygies.find(key); it != caches_->syzygies.end()) return it->second.ut;
  SyzygyTt(n, phase);
  return caches_->syzygies.at(key).ut;
}

int32_t Ephemeris::LunationAt(double ajd) {
  // A non-finite instant has no lunation; answering 0 keeps the search below from spinning.
  if (!std::isfinite(ajd)) return 0;
  double estimate = std::floor((ajd - MeanDarkMoonUt(0)) / MeanSynodicMonth);
  // Some twenty million years out, far beyond any date the calendars serve, the walk below would
  // start billions of lunations short of the instant; the outermost lunation stands in instead.
  constexpr double kLimit = std::numeric_limits<int32_t>::max() / 8;
  if (estimate > kLimit) return static_cast<int32_t>(kLimit);
  if (estimate < -kLimit) return static_cast<int32_t>(-kLimit);
  auto n = static_cast<int32_t>(estimate);
  for (;;) {
    const double d = SyzygyUt(n, 0);
    if (d <= ajd) {
      if (ajd < SyzygyUt(n + 1, 0)) return n;
      ++n;
    } else {
      --n;
    }
  }
}

// Phases are compared in UT, on the same instants that LunationAt uses. Converting the instant to
// TT with the Delta T of its own civil year instead would, for a dark moon whose UT and TT fall in
// different years, leave a span of seconds (half a minute in the far past) in which the lunation
// LunationAt reports is "not begun" or "already over" for GetPhase.
int16_t Ephemeris::GetPhase(int32_t n, double ajd, bool& exact) {
  exact = false;
  if (!(SyzygyUt(n + 1, 0) > ajd)) return -1;
  for (int p = 3; p >= 0; --p) {
    const double tp = SyzygyUt(n, p);
    if (tp <= ajd) {
      exact = std::abs(tp - ajd) < 0.00005;
      return static_cast<int16_t>(p);
    }
  }
  return -2;
}

double Ephemeris::QuarterPointTt(int kind, int year) {
  const int64_t key = Key(year, kind & 3);
  if (auto it = caches_->quarterPoints.find(key); it != caches_->quarterPoints.end()) return it->second.tt;
  // Meeus' periodic terms leave up to about a minute; the instant is carried on to the moment the
  // Sun's apparent longitude reaches 0, 90, 180 or 270 degrees, so that the quarter points agree
  // with the other 20 solar terms, which are solved on the same longitude.
  const double target = (kind & 3) * (kTwoPi / 4);
  const double t = astro::solar_longitude_refine(target, QuarterPointMeeusTt(kind, year));
  Caches::Bound(caches_->quarterPoints, kMaxQuarterPoints);
  caches_->quarterPoints.emplace(key, Caches::Instant{t, t - astro::deltat(year) / 1440});
  return t;
}

double Ephemeris::QuarterPointUt(int kind, int year) {
  const int64_t key = Key(year, kind & 3);
  if (auto it = caches_->quarterPoints.find(key); it != caches_->quarterPoints.end()) return it->second.ut;
  QuarterPointTt(kind, year);
  return caches_->quarterPoints.at(key).ut;
}

double Ephemeris::QuarterPointCjdc(int kind, int year, double longitude) {
  return CjdcFromAjd(QuarterPointUt(kind, year), longitude);
}

int32_t Ephemeris::SuiYearOf(int32_t day, double longitude) {
  const int32_t y = CeYearOfJdn(day);
  return day < JdnOf(DecemberSolsticeCjdc(y, longitude)) ? y : y + 1;
}

const std::array<double, 6>& Ephemeris::TrueTermSetTt(int kind, int year) {
  const int64_t key = Key(year, kind & 3);
  if (auto it = caches_->termSets.find(key); it != caches_->termSets.end()) return it->second;
  const int nextKind = (kind + 1) & 3;
  const int nextYear = nextKind == kMarchEquinox ? year + 1 : year;
  std::array<double, 6> six{};
  astro::solar_terms_true_sun(QuarterPointTt(kind, year), QuarterPointTt(nextKind, nextYear), six.data());
  Caches::Bound(caches_->termSets, kMaxTermSets);
  return caches_->termSets.emplace(key, six).first->second;
}

const std::array<double, 79>& Ephemeris::TrueSunTableUt(int32_t b) {
  if (auto it = caches_->trueSunTables.find(b); it != caches_->trueSunTables.end()) return it->second;
  std::array<double, 79> ut{};
  // The terms after a quarter point take the Delta T of that quarter point's year, as it does
  // itself. One Delta T for the whole table (that of year b) would give a term another instant in
  // the table of the next sui, tens of seconds apart in antiquity: a term near midnight would then
  // fall on different days in the two tables, and a lunar date read from one would not convert
  // back through the other.
  for (int m = 0; m <= 13; ++m) {
    int kind = 0, year = 0;
    QuarterPointOfTable(m, b, kind, year);
    ut[6 * m] = QuarterPointUt(kind, year);
    if (m == 13) break;
    const double q = astro::deltat(year) / 1440;
    const std::array<double, 6>& six = TrueTermSetTt(kind, year);
    for (int j = 1; j < 6; ++j) ut[6 * m + j] = six[j] - q;
  }
  Caches::Bound(caches_->trueSunTables, kMaxTables);
  return caches_->trueSunTables.emplace(b, ut).first->second;
}

void Ephemeris::BuildSolarTermTable(double day, SunMethod method, double longitude, SolarTermTable& table) {
  const int32_t b = SuiYearOf(static_cast<int32_t>(std::floor(day)), longitude);
  table.suiYear = b;
  table.method = method;
  table.longitude = longitude;
  if (method == kMeanSun) {
    double w[5];
    for (int g = 0; g < 5; ++g) w[g] = DecemberSolsticeCjdc(b - 2 + g, longitude);
    for (int i = 0; i < 79; ++i) {
      const int g = i / 24, k = i % 24;
      table.entry[i].cjdc = k == 0 ? w[g] : w[g] + (w[g + 1] - w[g]) * k / 24;
    }
  } else {
    const std::array<double, 79>& ut = TrueSunTableUt(b);
    for (int i = 0; i < 79; ++i) table.entry[i].cjdc = CjdcFromAjd(ut[i], longitude);
  }
  for (SolarTermEntry& e : table.entry) e.jdn = JdnOf(e.cjdc);
}

}  // namespace mirvo
