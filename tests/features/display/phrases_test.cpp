#include "features/display/Phrases.h"

#include <gtest/gtest.h>

#include <string>

#include "core/chinese/Cycles.h"

namespace mirvo {
namespace {

int Placeholders(std::string_view text) {
  int n = 0;
  for (size_t i = 0; i + 2 < text.size(); ++i) n += text[i] == '{' && text[i + 2] == '}';
  return n;
}

// Every phrase has a text in every language, with the places of the English one: a translation
// that drops a year or a number would show a blank.
TEST(Phrases, EveryPhraseInEveryLanguage) {
  for (int p = 0; p <= static_cast<int>(Phrase::kTermDay); ++p) {
    const std::string_view english = PhraseText(Language::kEnglish, static_cast<Phrase>(p));
    ASSERT_FALSE(english.empty()) << p;
    for (int l = 1; l < kLanguageCount; ++l) {
      const std::string_view text = PhraseText(static_cast<Language>(l), static_cast<Phrase>(p));
      EXPECT_FALSE(text.empty()) << p << " " << l;
      EXPECT_EQ(Placeholders(text), Placeholders(english)) << p << " " << text;
    }
  }
  EXPECT_EQ(Phrased(Language::kVietnamese, Phrase::kTwoYearsHeading, {"2033", "12", "2034", "1"}),
            "Dương lịch: tháng 12 năm 2033 – tháng 1 năm 2034");
  EXPECT_EQ(PhraseText(static_cast<Language>(kLanguageCount), Phrase::kNewYearSummary), "");
}

// Years as the press of each country names them: 2022 the black tiger and 2024 the blue dragon in
// Korea, 2023 the year of the cat in Vietnam, 2024 the wood dragon in China.
TEST(Phrases, YearNamesOfEachCountry) {
  struct Row {
    int position;
    Country country;
    Language language;
    const char* name;
  };
  const Row rows[] = {
      {39, kChina, Language::kKorean, "검은 호랑이의 해"},
      {40, kChina, Language::kKorean, "검은 토끼의 해"},
      {41, kChina, Language::kKorean, "푸른 용의 해"},
      {43, kChina, Language::kKorean, "붉은 말의 해"},
      {40, kVietnam, Language::kVietnamese, "năm Mèo Thủy"},
      {41, kChina, Language::kSimplifiedChinese, "木龙年"},
      {41, kChina, Language::kEnglish, "wood-dragon year"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ElementAnimalOf(r.language, r.position, r.country, CycleUnit::kYear), r.name);
  EXPECT_EQ(CycleNames(Language::kVietnamese, 41, kVietnam, CycleUnit::kYear), "năm Giáp Thìn (Rồng Mộc)");
  EXPECT_EQ(ElementAnimalName(Language::kJapanese, 61, kJapan), "");
}

}  // namespace
}  // namespace mirvo
