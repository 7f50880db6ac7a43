#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

#include "platform/calendarlib/ChineseDateText.h"

namespace mirvo {
namespace {

// Names in lower case only, with the position found by search through the cycle: independent of
// the calendar code's own formula.
int TestResolver(std::string_view element, std::string_view animal) {
  static constexpr std::string_view kElements[] = {"wood", "fire", "earth", "metal", "water"};
  static constexpr std::string_view kAnimals[] = {"rat",   "ox",    "tiger",  "rabbit",  "dragon", "snake",
                                                  "horse", "sheep", "monkey", "rooster", "dog",    "pig"};
  int e = -1;
  int a = -1;
  for (int i = 0; i < 5; ++i) {
    if (kElements[i] == element) e = i;
  }
  for (int i = 0; i < 12; ++i) {
    if (kAnimals[i] == animal) a = i;
  }
  if (e < 0 || a < 0) return -1;
  for (int p = 1; p <= 60; ++p) {
    if ((p - 1) % 10 / 2 == e && (p - 1) % 12 == a) return p;
  }
  return -1;
}

struct Lunar {
  const char* text;
  int32_t cycle;
  int32_t position;
  int32_t month;
  int32_t leap;
  int32_t day;
};

TEST(ChineseDateText, LunarTextsThatAreDates) {
  const Lunar cases[] = {
      {"79-31-9*-12", 79, 31, 9, 1, 12},
      {"79-31-9*-12 CHL", 79, 31, 9, 1, 12},
      {"79-31-09-12chl", 79, 31, 9, 0, 12},
      {"79-31-9*-12 Chl", 79, 31, 9, 1, 12},
      {"  79-31-9-12   CHL  ", 79, 31, 9, 0, 12},
      {"79-31-9*-12 CHL 10:32 CCT", 79, 31, 9, 1, 12},  // a displayed date with its time
      {"-5-21-01-01 CHL", -5, 21, 1, 0, 1},
      {"0-60-12-30", 0, 60, 12, 0, 30},
      {"0079-031-009-012", 79, 31, 9, 0, 12},
      {"79-31-12-31", 79, 31, 12, 0, 31},  // day beyond any month: the calendar reports it
      {"99999-1-1-1", 99999, 1, 1, 0, 1},
      {"-99999-1-11*-1", -99999, 1, 11, 1, 1},
      {"70-?-12-30 fire-dog", 70, 23, 12, 0, 30},
      {"70-?-12-30 CHL fire-dog", 70, 23, 12, 0, 30},
      {"70-?-12-30 fire-dog CHL", 70, 23, 12, 0, 30},
      {"70-?-12-30   fire-dog  ", 70, 23, 12, 0, 30},
      {"1-?-1*-1 wood-rat", 1, 1, 1, 1, 1},
      {"1-?-1-1 water-pig", 1, 60, 1, 0, 1},
      {"1-?-1-1 metal-monkey", 1, 57, 1, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ChlDate date;
    date.epoch = Epoch::kYounger;
    date.jdn = 777;
    EXPECT_TRUE(chl_datestr_to_chldate(c.text, date, TestResolver));
    EXPECT_EQ(date.valid, 1);
    EXPECT_EQ(date.cycle, c.cycle);
    EXPECT_EQ(date.position, c.position);
    EXPECT_EQ(date.month, c.month);
    EXPECT_EQ(date.leap, c.leap);
    EXPECT_EQ(date.day, c.day);
    EXPECT_EQ(date.jdn, 0);
    EXPECT_EQ(date.epoch, Epoch::kYounger);  // the epoch belongs to the calendar settings
  }
}

TEST(ChineseDateText, LunarTextsThatAreNotDates) {
  const std::string cases[] = {
      "",
      " ",
      "CHL",
      "79",
      "79-31",
      "79-31-9",
      "79-31-9-",
      "79-31-9*",
      "79-31--12",
      "--79-31-9-12",
      // numbers out of the field ranges
      "79-0-1-1",
      "79-61-1-1",
      "79-31-0-1",
      "79-31-13-1",
      "79-31-1-0",
      "79-31-1-32",
      "100000-1-1-1",
      "-100000-1-1-1",
      // numbers too long for any field, including ones that would wrap around in 32 bits
      "99999999999-1-1-1",
      "1-99999999999-1-1",
      "1-1-1-4294967297",
      "1-1-4294967297-1",
      // stars
      "79-31-9**-12",
      "79-31-*9-12",
      "79-31-9*-12*",
      "79-31*-9-12",
      // trailing junk and wrong codes
      "79-31-9-12x",
      "79-31-9-12 x",
      "79-31-9-12 CHS",
      "79-31-9-12 CHLX",
      "79-31-9-12-1",
      "79-31-9-12 CH",
      "79-31-9-12 10:32 CCT",
      // other signs and separators
      "+79-31-9-12",
      "79.0-31-9-12",
      "79-31-9-1 2",
      "79 - 31 - 9 - 12",
      "79/31/9/12",
      "79-31-9-12.5",
      // control characters anywhere, even after the code
      "79-31-9-12\n",
      "\t79-31-9-12",
      "79-31-9-12 CHL\r\n",
      std::string("79-31-9-12\0 CHL", 15),
      std::string("79-31\0-9-12", 11),
      "79-31-9-12 CHL 10:32\x7f",
      // the "?" form without a usable name
      "70-?-12-30",
      "70-?-12-30 CHL",
      "70-?-12-30 -",
      "70-?-12-30 fire-",
      "70-?-12-30 -dog",
      "70-?-12-30 fire-dog-x",
      "70-?-12-30 fire-cat",
      "70-?-12-30 fire dog",
      "70-?-12-30 fire-dog extra",
      "70-?-12-30 CHL fire-dog CHL",
      "70-?"
      "?-12-30 fire-dog",
      "70-?1-12-30 fire-dog",
      "70-?-12-30 FIRE-DOG",
      "?-1-12-30 fire-dog",
  };
  for (const auto& text : cases) {
    SCOPED_TRACE(testing::PrintToString(text));
    ChlDate date;
    date.cycle = 5;
    date.position = 6;
    date.month = 7;
    date.day = 8;
    date.leap = 1;
    date.valid = 1;
    EXPECT_FALSE(chl_datestr_to_chldate(text, date, TestResolver));
    EXPECT_EQ(date.valid, 0);
    // A rejected text leaves the record's date as it was.
    EXPECT_EQ(date.cycle, 5);
    EXPECT_EQ(date.position, 6);
    EXPECT_EQ(date.month, 7);
    EXPECT_EQ(date.day, 8);
    EXPECT_EQ(date.leap, 1);
  }
}

TEST(ChineseDateText, UnknownPositionGoesThroughTheCallersNames) {
  ChlDate date;
  EXPECT_FALSE(chl_datestr_to_chldate("70-?-12-30 fire-dog", date));  // no resolver
  EXPECT_EQ(date.valid, 0);

  std::string seenElement;
  std::string seenAnimal;
  auto caseBlind = [&](std::string_view e, std::string_view a) {
    seenElement = e;
    seenAnimal = a;
    return 23;
  };
  EXPECT_TRUE(chl_datestr_to_chldate("70-?-12-30 FIRE-DOG CHL", date, caseBlind));
  EXPECT_EQ(seenElement, "FIRE");
  EXPECT_EQ(seenAnimal, "DOG");
  EXPECT_EQ(date.position, 23);

  // A resolver answer outside the cycle is not a position.
  for (int answer : {0, -1, 61, 1000}) {
    EXPECT_FALSE(chl_datestr_to_chldate("70-?-12-30 a-b", date, [answer](std::string_view, std::string_view) {
      return answer;
    })) << answer;
  }
  // A numeric position never consults the resolver.
  bool called = false;
  EXPECT_TRUE(
      chl_datestr_to_chldate("70-5-12-30 CHL fire-dog", date, [&](std::string_view, std::string_view) {
        called = true;
        return 1;
      }));
  EXPECT_FALSE(called);
  EXPECT_EQ(date.position, 5);
}

TEST(ChineseDateText, SolarTexts) {
  struct Case {
    const char* text;
    bool valid;
    int32_t cycle;
    int32_t position;
    int32_t term;
    int32_t day;
  };
  const Case cases[] = {
      {"78-41-04-01 CHS", true, 78, 41, 4, 1},
      {"78-41-04-01 CHS (J1) 10:32", true, 78, 41, 4, 1},  // a displayed first day of a term
      {"78-41-04-01chs", true, 78, 41, 4, 1},
      {"78-41-24-16", true, 78, 41, 24, 16},
      {"-5-1-1-1", true, -5, 1, 1, 1},
      {"76-?-01-14 wood-rat", true, 76, 1, 1, 14},
      {"76-?-01-14 CHS water-pig", true, 76, 60, 1, 14},
      {"78-41-25-1", false, 0, 0, 0, 0},
      {"78-41-0-1", false, 0, 0, 0, 0},
      {"78-41-24-17", false, 0, 0, 0, 0},
      {"78-41-4*-1", false, 0, 0, 0, 0},
      {"78-41-04-01 CHL", false, 0, 0, 0, 0},
      {"78-41-04-01 (J1)", false, 0, 0, 0, 0},
      {"78-61-04-01", false, 0, 0, 0, 0},
      {"78-41-04", false, 0, 0, 0, 0},
      {"76-?-01-14", false, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ChsDate date;
    EXPECT_EQ(chs_datestr_to_chsdate(c.text, date, TestResolver), c.valid);
    EXPECT_EQ(date.valid, c.valid ? 1 : 0);
    if (c.valid) {
      EXPECT_EQ(date.cycle, c.cycle);
      EXPECT_EQ(date.position, c.position);
      EXPECT_EQ(date.term, c.term);
      EXPECT_EQ(date.day, c.day);
    }
  }
}

// Long, random and mutated texts: never a crash, and whatever is accepted has its fields in range.
TEST(ChineseDateText, HostileTextsAreRejectedOrInRange) {
  const std::string longTexts[] = {
      std::string(10000, 'x'),
      std::string(10000, '9'),
      std::string(10000, '-'),
      "79-31-9-" + std::string(10000, '1'),
      std::string(10000, ' ') + "79-31-9-12" + std::string(10000, ' '),
      "70-?-12-30 " + std::string(10000, 'f') + "-dog",
  };
  for (size_t i = 0; i < std::size(longTexts); ++i) {
    ChlDate lunar;
    ChsDate solar;
    const bool blanksAround = i == 4;  // only blanks around a date that is both lunar and solar
    EXPECT_EQ(chl_datestr_to_chldate(longTexts[i], lunar, TestResolver), blanksAround) << i;
    EXPECT_EQ(chs_datestr_to_chsdate(longTexts[i], solar, TestResolver), blanksAround) << i;
  }

  std::mt19937 random(20240210);
  const std::string seeds[] = {"79-31-9*-12 CHL", "70-?-12-30 fire-dog", "78-41-04-01 CHS (J1) 10:32"};
  const std::string alphabet = "0123456789-*? ?CHLSchl\t\n\x01\x7f\xff";
  for (int round = 0; round < 20000; ++round) {
    std::string text = seeds[round % 3];
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < edits; ++k) {
      const size_t at = text.empty() ? 0 : random() % text.size();
      const char c = alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0:
          if (!text.empty()) text[at] = c;
          break;
        case 1: text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c); break;
        default:
          if (!text.empty()) text.erase(at, 1);
          break;
      }
    }
    ChlDate lunar;
    if (chl_datestr_to_chldate(text, lunar, TestResolver)) {
      ASSERT_EQ(lunar.valid, 1);
      ASSERT_TRUE(lunar.position >= 1 && lunar.position <= 60) << text;
      ASSERT_TRUE(lunar.month >= 1 && lunar.month <= 12) << text;
      ASSERT_TRUE(lunar.day >= 1 && lunar.day <= 31) << text;
      ASSERT_TRUE(lunar.leap == 0 || lunar.leap == 1) << text;
      ASSERT_LE(std::abs(lunar.cycle), kMaxChineseTextCycle) << text;
    } else {
      ASSERT_EQ(lunar.valid, 0);
    }
    ChsDate solar;
    if (chs_datestr_to_chsdate(text, solar, TestResolver)) {
      ASSERT_TRUE(solar.term >= 1 && solar.term <= 24) << text;
      ASSERT_TRUE(solar.day >= 1 && solar.day <= 16) << text;
    }
  }
}

}  // namespace
}  // namespace mirvo
