#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/chinese/Cycles.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/AlmanacEvents.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Language.h"
#include "core/names/Names.h"

namespace mirvo {
namespace {

constexpr Language kAll[] = {
    Language::kEnglish,    Language::kSimplifiedChinese, Language::kTraditionalChinese,
    Language::kVietnamese, Language::kJapanese,          Language::kKorean};

// Every name of a kind, for indices first..last: none empty, none repeated (a repeated entry is a
// row shifted or pasted twice).
template <typename Name>
void ExpectDistinctNames(const char* kind, int first, int last, Name name) {
  std::set<std::string> seen;
  for (int i = first; i <= last; ++i) {
    const std::string text(name(i));
    EXPECT_FALSE(text.empty()) << kind << " " << i;
    EXPECT_TRUE(seen.insert(text).second) << kind << " " << i << " repeats " << text;
  }
}

TEST(Names, EveryValueHasItsOwnNameInEveryLanguage) {
  ASSERT_EQ(std::size(kAll), static_cast<size_t>(kLanguageCount));
  for (Language l : kAll) {
    SCOPED_TRACE(LanguageTag(l));
    ExpectDistinctNames("stem", 1, 10, [l](int i) { return names::Stem(l, i); });
    ExpectDistinctNames("stem reading", 1, 10, [l](int i) { return names::StemReading(l, i); });
    ExpectDistinctNames("branch", 1, 12, [l](int i) { return names::Branch(l, i); });
    ExpectDistinctNames("branch reading", 1, 12, [l](int i) { return names::BranchReading(l, i); });
    ExpectDistinctNames("pair", 1, 60, [l](int i) { return names::StemBranch(l, i); });
    ExpectDistinctNames("pair reading", 1, 60, [l](int i) { return names::StemBranchReading(l, i); });
    ExpectDistinctNames("element", 0, 4, [l](int i) { return names::Element(l, i); });
    for (Country country : kAllCountries) {
      ExpectDistinctNames("animal", 0, 11, [l, country](int i) { return names::Animal(l, country, i); });
    }
    ExpectDistinctNames("month", 1, 12, [l](int i) { return names::Month(l, i); });
    ExpectDistinctNames("leap month", 1, 12, [l](int i) { return names::MonthWithLeap(l, i, true); });
    EXPECT_FALSE(names::LeapMark(l).empty());
    ExpectDistinctNames("day", 1, 30, [l](int i) { return names::Day(l, i); });
    ExpectDistinctNames("solar term", 1, 24, [l](int i) { return names::SolarTerm(l, i); });
    ExpectDistinctNames("weekday", 0, 6, [l](int i) { return names::Weekday(l, i); });
    ExpectDistinctNames("moon phase", 0, 3, [l](int i) { return names::MoonPhase(l, i); });

    EXPECT_EQ(names::Stem(l, 0), "");
    EXPECT_EQ(names::Day(l, 31), "");
    EXPECT_EQ(names::StemBranch(l, 61), "");
    EXPECT_EQ(LanguageFromTag(LanguageTag(l)), l);
  }
  const auto none = static_cast<Language>(kLanguageCount);
  EXPECT_EQ(names::Month(none, 1), "");
  EXPECT_EQ(names::Animal(none, kChina, 0), "");
  EXPECT_EQ(LanguageTag(none), "");
  EXPECT_FALSE(LanguageFromTag("zh").has_value());
  EXPECT_FALSE(LanguageFromTag("EN").has_value());
}

// The English names are the texts the program already shows and reads back (drop-down lists,
// date sentences, the almanac); they must not drift apart.
TEST(Names, EnglishIsTheProgramsEnglish) {
  const Language en = Language::kEnglish;
  for (int s = 1; s <= 10; ++s) EXPECT_EQ(names::Stem(en, s), StemName(s));
  for (int b = 1; b <= 12; ++b) EXPECT_EQ(names::Branch(en, b), BranchName(b));
  for (int p = 1; p <= 60; ++p) EXPECT_EQ(names::StemBranch(en, p), StemBranchText(p));
  for (int e = 0; e < 5; ++e) EXPECT_EQ(names::Element(en, e), ElementName(e));
  for (Country c : kAllCountries) {
    for (int a = 0; a < 12; ++a)
      EXPECT_EQ(names::Animal(en, c, a), AnimalName(a, c)) << CountryNumber(c) << " " << a;
  }
  for (int k = 1; k <= 24; ++k) EXPECT_EQ(names::SolarTerm(en, k), TermEnglishName(k));
  for (int w = 0; w < 7; ++w) EXPECT_EQ(names::Weekday(en, w), WeekdayName(w, false, 0));
  for (int p = 0; p < 4; ++p) EXPECT_EQ(names::MoonPhase(en, p), AlmanacKindName(p));
}

// Pairs are joined as each language writes them (甲辰 read きのえたつ, Giáp Thìn), and each country
// names its own animals.
TEST(Names, PairsAndCountryAnimals) {
  EXPECT_EQ(names::StemBranchReading(Language::kJapanese, 41), "きのえたつ");
  EXPECT_EQ(names::StemBranchReading(Language::kTraditionalChinese, 60), "guǐhài");
  EXPECT_EQ(names::StemBranch(Language::kVietnamese, 42), "Ất Tỵ");
  EXPECT_EQ(names::Animal(Language::kVietnamese, kVietnam, 1), "Trâu");
  EXPECT_EQ(names::Animal(Language::kVietnamese, kChina, 3), "Thỏ");
  EXPECT_EQ(names::Animal(Language::kJapanese, kJapan, 11), "猪");
  EXPECT_EQ(names::Animal(Language::kKorean, kKorea, 11), "돼지");
}

}  // namespace
}  // namespace mirvo
