#include <gtest/gtest.h>

#include <string>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/MoonPhase.h"

namespace mirvo {
namespace {

constexpr double kMinute = 1.0 / 1440;

double NoonUt(int32_t y, int32_t m, int32_t d) { return JdnOfCeDate(y, m, d); }

TEST(MoonTexts, AgeIsTruncatedToTheMinuteWithSingularUnits) {
  struct Case {
    double days;
    const char* text;
  };
  const Case cases[] = {
      {0, "0 days, 0 hrs, 0 mins"},
      {1 + 1.0 / 24 + 1.0 / 1440, "1 day, 1 hr, 1 min"},
      {12 + 5.0 / 24 + 33.9 / 1440, "12 days, 5 hrs, 33 mins"},
      {2 + 59.99 / 1440, "2 days, 0 hrs, 59 mins"},
      {29 + 23.0 / 24 + 59.5 / 1440, "29 days, 23 hrs, 59 mins"},
      {3.0 / 24, "0 days, 3 hrs, 0 mins"},
  };
  for (const Case& c : cases) EXPECT_EQ(AgeText(c.days), c.text) << c.days;
}

TEST(MoonTexts, PhaseNamesAndSuffixAtTheirBounds) {
  struct Case {
    double k;
    bool waxing;
    const char* label;
  };
  const Case cases[] = {
      {0, true, "Dark moon"},
      {0.04, false, "Dark moon"},
      {0.06, false, "Dark moon (waning)"},
      {0.99, true, "Dark moon (waxing)"},
      {1.0, true, "Crescent moon (waxing)"},
      {44.99, false, "Crescent moon (waning)"},
      {45.0, true, "Half moon (waxing)"},
      {54.99, true, "Half moon (waxing)"},
      {55.0, false, "Gibbous moon (waning)"},
      {98.99, true, "Gibbous moon (waxing)"},
      {99.0, false, "Full moon (waning)"},
      {99.94, true, "Full moon (waxing)"},
      {99.96, true, "Full moon"},
      {100, false, "Full moon"},
  };
  for (const Case& c : cases) EXPECT_EQ(MoonPhaseLabel(c.k / 100, c.waxing), c.label) << c.k;
  EXPECT_EQ(PhaseOfMoonText(0.234, true), "Crescent moon (waxing), 23.4%");
  EXPECT_EQ(PhaseOfMoonText(0, true), "Dark moon, 0.0%");
  EXPECT_EQ(PhaseOfMoonText(1, false), "Full moon, 100.0%");
  EXPECT_EQ(AgeOfMoonText(305, 12 + 5.0 / 24 + 33.5 / 1440, 29.4), "[305] 12 days, 5 hrs, 33 mins (41.6%)");
  EXPECT_EQ(AgeOfMoonText(-7, 0, 29.5), "[-7] 0 days, 0 hrs, 0 mins (0.0%)");
  EXPECT_EQ(GetPhaseErrorText(-2), "Error-2 when calling GetPhase() in DisplayMoonData().");
}

TEST(MoonData, MethodFollowsTheSpanOfTheMoonsLongitude) {
  Ephemeris eph;
  struct Case {
    double ajd;
    bool longitude;
  };
  const Case cases[] = {
      {NoonUt(1600, 1, 1) - 0.5, true},             // first day, midnight
      {NoonUt(1600, 1, 1) - 0.5 - kMinute, false},  // the minute before it
      {NoonUt(2099, 12, 31) + 0.49, true},
      {NoonUt(2100, 1, 1) - 0.5, false},
      {NoonUt(2100, 6, 15), false},
      {NoonUt(-2000, 3, 1), false},
  };
  for (const Case& c : cases) {
    const MoonData m = ComputeMoonData(eph, c.ajd);
    ASSERT_TRUE(m.ok) << c.ajd;
    EXPECT_EQ(m.longitudeMethod, c.longitude) << c.ajd;
  }
  EXPECT_FALSE(MoonLongitude(NoonUt(1500, 1, 1)));
  EXPECT_FALSE(MoonLongitude(NoonUt(2100, 1, 1)));
}

TEST(MoonData, AtADarkMoonEverythingReadsZero) {
  Ephemeris eph;
  for (int32_t n : {-40000, 305, 1300}) {  // syzygy, longitude and syzygy method
    SCOPED_TRACE(n);
    const MoonData m = ComputeMoonData(eph, eph.SyzygyUt(n, 0));
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.lunation, n);
    EXPECT_EQ(m.phase, 0);
    EXPECT_TRUE(m.exact);
    EXPECT_EQ(m.phaseText, "Dark moon, 0.0%");
    EXPECT_EQ(m.ageText, "[" + std::to_string(n) + "] 0 days, 0 hrs, 0 mins (0.0%)");
    EXPECT_EQ(m.picture, "darkmoon");
    EXPECT_FALSE(m.paintTerminator);
  }
}

TEST(MoonData, FullMoonByTheSyzygyMethodIsExactlyFull) {
  Ephemeris eph;
  const int32_t n = 1240;  // a full moon of 2100
  const double full = eph.SyzygyUt(n, 2);
  const MoonData m = ComputeMoonData(eph, full);
  ASSERT_TRUE(m.ok);
  EXPECT_FALSE(m.longitudeMethod);
  EXPECT_EQ(m.w, 1.0);
  EXPECT_EQ(m.phaseText, "Full moon, 100.0%");
  EXPECT_EQ(m.picture, "fullmoon");
  EXPECT_FALSE(m.paintTerminator);
  // Half a day later the Moon wanes but is still full to the eye.
  const MoonData later = ComputeMoonData(eph, full + 0.5);
  EXPECT_FALSE(later.waxing);
  EXPECT_LT(later.w, 1.0);
}

TEST(MoonData, BothMethodsAgreeAtTheQuarters) {
  Ephemeris eph;
  // Near 2099/2100 the two methods meet: at a quarter both give about half a disc.
  for (int32_t n : {1230, 1231, 305}) {
    for (int p : {1, 3}) {
      const MoonData m = ComputeMoonData(eph, eph.SyzygyUt(n, p));
      ASSERT_TRUE(m.ok);
      EXPECT_NEAR(m.w, 0.5, 0.015) << n << " " << p << (m.longitudeMethod ? " longitude" : " syzygy");
      EXPECT_EQ(m.waxing, p == 1);
    }
  }
}

TEST(MoonData, NoErrorAroundDarkMoonsAtNewYearInTheFarPast) {
  Ephemeris eph;
  // Dark moons whose UT and TT lie in different CE years, where Delta T changes by half a minute
  // from one year to the next: the seconds around them must still have a phase.
  int checked = 0;
  const int32_t first = eph.LunationAt(kMinAjd);
  for (int32_t n = first; n < first + 3000 && checked < 8; ++n) {
    const double ut = eph.SyzygyUt(n, 0);
    if (DeltaTMinutes(ut) == DeltaTMinutes(eph.SyzygyTt(n, 0))) continue;
    ++checked;
    for (double seconds : {-20.0, -1.0, 1.0, 20.0}) {
      const MoonData m = ComputeMoonData(eph, ut + seconds / 86400);
      EXPECT_TRUE(m.ok) << n << " " << seconds << ": " << m.error;
      EXPECT_EQ(m.phase, seconds < 0 ? 3 : 0);
      EXPECT_LT(m.w, 0.001);
    }
  }
  EXPECT_GT(checked, 0);
}

// Pixel rows of a 9 x 9 picture as text: '#' painted, '.' left alone.
std::string Rows(const PixelBuffer& p) {
  std::string s;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) s += p.at(x, y) == 0xFF000000u ? '#' : '.';
    s += '\n';
  }
  return s;
}

std::string Painted(double w, bool waxing) {
  PixelBuffer p(9, 9, 0xFFFFFFFFu);
  PaintTerminator(p, w, waxing, 0xFF000000u);
  return Rows(p);
}

TEST(MoonPicture, TerminatorPaintsTheDarkSideOnly) {
  // Waxing gibbous, w = 0.9: the left half outside the half-ellipse of semi-axis 0.8 R (R = 4).
  EXPECT_EQ(Painted(0.9, true),
            "#####....\n"
            "##.......\n"
            "##.......\n"
            "#........\n"
            "#........\n"
            "#........\n"
            "##.......\n"
            "##.......\n"
            "#####....\n");
  // Waning gibbous: the mirror image.
  EXPECT_EQ(Painted(0.9, false),
            "....#####\n"
            ".......##\n"
            ".......##\n"
            "........#\n"
            "........#\n"
            "........#\n"
            ".......##\n"
            ".......##\n"
            "....#####\n");
  // Half moon: the whole dark half, the centre column being on the terminator.
  EXPECT_EQ(Painted(0.5, true).substr(40, 10), "#####....\n");
  // Waxing crescent, w = 0.1, on the first-quarter picture (right half lit): inside the
  // half-ellipse, so that only the crescent between terminator and limb stays lit.
  EXPECT_EQ(Painted(0.1, true),
            ".........\n"
            "....###..\n"
            "....###..\n"
            "....####.\n"
            "....####.\n"
            "....####.\n"
            "....###..\n"
            "....###..\n"
            ".........\n");
  EXPECT_EQ(Painted(0.1, false).substr(30, 10), ".####....\n");
  // Full and dark pictures are shown as they are.
  EXPECT_EQ(Painted(0.995, true).find('#'), std::string::npos);
  EXPECT_EQ(Painted(0.005, true).find('#'), std::string::npos);
}

TEST(MoonPicture, BasePictureByFractionAndDirection) {
  EXPECT_EQ(MoonPictureBase(0.995, true), "fullmoon");
  EXPECT_EQ(MoonPictureBase(0.7, false), "fullmoon");
  EXPECT_EQ(MoonPictureBase(0.3, true), "1stquarter");
  EXPECT_EQ(MoonPictureBase(0.3, false), "lastquarter");
  EXPECT_EQ(MoonPictureBase(0.005, false), "darkmoon");
}

}  // namespace
}  // namespace mirvo
