#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "util/Text.h"

namespace mirvo {
namespace {

TEST(TruncateText, CountsCharactersNotBytes) {
  EXPECT_EQ(TruncateText("abc", 0), "");
  EXPECT_EQ(TruncateText("abc", -4), "");
  EXPECT_EQ(TruncateText("abc", 2), "ab");
  EXPECT_EQ(TruncateText("abc", 3), "abc");
  EXPECT_EQ(TruncateText("abc", 5), "abc");
  EXPECT_EQ(TruncateText("März", 2), "Mä");  // never half of a two-byte character
  EXPECT_EQ(TruncateText("", 3), "");
}

// Han, Kana, Hangul and the fullwidth colon take two columns of a terminal; Vietnamese letters
// one, whether precomposed or with a combining mark; a malformed byte one.
TEST(TextColumns, WideEastAsianCharacters) {
  EXPECT_EQ(TextColumns("Delta T:"), 8u);
  EXPECT_EQ(TextColumns("120º East"), 9u);
  EXPECT_EQ(TextColumns("农历日期："), 10u);
  EXPECT_EQ(TextColumns("旧暦の日付"), 10u);
  EXPECT_EQ(TextColumns("음력 날짜:"), 10u);
  EXPECT_EQ(TextColumns("Ngày âm lịch"), 12u);
  EXPECT_EQ(TextColumns("Nga\xCC\x80y"), 4u);
  EXPECT_EQ(TextColumns("\xE5\x86"), 2u);
}

TEST(LowerCaseText, FoldsTheAccentTable) {
  EXPECT_EQ(LowerCaseText("ABC"), "abc");
  EXPECT_EQ(LowerCaseText("ÄÖÜ"), "äöü");
  EXPECT_EQ(LowerCaseText("ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ"), "šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý");
  EXPECT_EQ(LowerCaseText("Giáp Tý, MÃO"), "giáp tý, mão");
  EXPECT_EQ(LowerCaseText("ĐINH DẬU, ẤT SỬU, MẬU TUẤT"), "đinh dậu, ất sửu, mậu tuất");
  EXPECT_EQ(LowerCaseText("ŒŽĹ ΑΩ ЖЁ"), "œžĺ αω жё");
  EXPECT_EQ(LowerCaseText("already lower 123 ß"), "already lower 123 ß");
  // Malformed UTF-8 passes through untouched instead of being mangled.
  const std::string broken =
      "A\xC3"
      "B\xFF";
  EXPECT_EQ(LowerCaseText(broken),
            "a\xC3"
            "b\xFF");
}

TEST(CharacterFilters, KeepRemoveAndSigns) {
  EXPECT_EQ(KeepCharacters("a1b2c3", "0123456789"), "123");
  EXPECT_EQ(KeepCharacters("Mäu", "ä"), "ä");
  EXPECT_EQ(RemoveSpaces(" 1 2  3 "), "123");
  std::string t = "a,b;;c,";
  RemoveCharacters(t, ",;");
  EXPECT_EQ(t, "abc");
  t = "ääxä";
  RemoveCharacters(t, "ä");
  EXPECT_EQ(t, "x");

  EXPECT_EQ(SignedDigits("year -44 BC", false, false), "44");
  EXPECT_EQ(SignedDigits("year -44 BC", true, false), "-44");
  EXPECT_EQ(SignedDigits("+1-2", false, true), "+12");
  EXPECT_EQ(SignedDigits("+12", false, false), "12");
  EXPECT_EQ(SignedDigits("x", true, true), "");
}

TEST(AlignmentSpaces, RightAlignsNumbers) {
  EXPECT_EQ(AlignmentSpaces(7, 3), "  ");
  EXPECT_EQ(AlignmentSpaces(-7, 3), " ");
  EXPECT_EQ(AlignmentSpaces(123, 3), "");
  EXPECT_EQ(AlignmentSpaces(12345, 3), "");
  EXPECT_EQ(AlignmentSpaces(0, 0), "");
}

TEST(IsPlusMinusNumber, SignsOnlyInFront) {
  for (const char* ok : {"+1,000.5", "-3", "12", " 12 ", "1.5"}) EXPECT_TRUE(IsPlusMinusNumber(ok)) << ok;
  for (const char* bad : {"1-2", "1+", "1 2", "", "   ", "12a", "--3", "+-3"})
    EXPECT_FALSE(IsPlusMinusNumber(bad)) << bad;
}

TEST(DurationText, LongAndShortForms) {
  struct Case {
    long long minutes;
    const char* longForm;
    const char* shortForm;
  };
  const Case cases[] = {
      {0, "0 minutes", "0h 0m"},
      {1, "1 minute", "0h 1m"},
      {5, "5 minutes", "0h 5m"},
      {60, "1 hour", "1h 0m"},
      {64, "1 hour and 4 minutes", "1h 4m"},
      {65, "1 hour and 5 minutes", "1h 5m"},
      {1440, "1 day", "1d 0h 0m"},
      {1441, "1 day and 1 minute", "1d 0h 1m"},
      {1500, "1 day and 1 hour", "1d 1h 0m"},
      {1505, "1 day, 1 hour and 5 minutes", "1d 1h 5m"},
      {2880, "2 days", "2d 0h 0m"},
      {3062, "2 days, 3 hours and 2 minutes", "2d 3h 2m"},
      {-65, "-1 hour and 5 minutes", "-1h 5m"},
      // The most negative count has no positive partner; it is still written, not recursed on.
      {std::numeric_limits<long long>::min(), "-6405119470038038 days, 18 hours and 8 minutes",
       "-6405119470038038d 18h 8m"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DurationText(c.minutes, true), c.longForm) << c.minutes;
    EXPECT_EQ(DurationText(c.minutes, false), c.shortForm) << c.minutes;
  }
}

TEST(OrdinalText, EnglishSuffixes) {
  struct Case {
    long long n;
    const char* text;
  };
  const Case cases[] = {{0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},
                        {4, "4th"},     {11, "11th"},   {12, "12th"},   {13, "13th"},
                        {21, "21st"},   {22, "22nd"},   {23, "23rd"},   {31, "31st"},
                        {101, "101st"}, {111, "111th"}, {112, "112th"}, {-3, "-3"}};
  for (const auto& c : cases) EXPECT_EQ(OrdinalText(c.n), c.text) << c.n;
}

// Quoted input stays one line that a terminal only shows: C0, DEL, C1 and overlong forms escaped,
// at most the given number of characters, never half of one.
TEST(QuotedText, EscapesControlsAndCutsLongValues) {
  const struct {
    std::string text;
    size_t max;
    std::string quoted;
  } cases[] = {
      {"a\nb\t\x1B[31m\x7F", 80, "'a\\nb\\t\\x1B[31m\\x7F'"},
      {"\xC2\x9B"
       "2J \xC0\x9B \xFF",
       80, "'\\u009B2J \\xC0\\x9B \\xFF'"},              // C1 CSI, overlong ESC, stray byte
      {"M\xC3\xA4rz M\xC3\xA4rz", 4, "'M\xC3\xA4rz…'"},  // UTF-8 kept and cut
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedText(c.text, c.max), c.quoted) << c.text;
}

}  // namespace
}  // namespace mirvo
