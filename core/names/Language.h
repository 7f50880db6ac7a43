// The languages the calendar names are written in, and their tags (BCP 47, as in `--lang`).
#pragma once

#include <optional>
#include <string_view>

namespace mirvo {

enum class Language : int {
  kEnglish = 0,
  kSimplifiedChinese = 1,
  kTraditionalChinese = 2,
  kVietnamese = 3,
  kJapanese = 4,
  kKorean = 5,
};
inline constexpr int kLanguageCount = 6;

// "en", "zh-Hans", "zh-Hant", "vi", "ja", "ko"; "" for a value outside the enum.
std::string_view LanguageTag(Language language);
// The language's own name for itself: "English", "简体中文", "繁體中文", "Tiếng Việt", "日本語", "한국어".
std::string_view LanguageOwnName(Language language);
// The language of an exact tag as LanguageTag writes it; nothing for any other text.
std::optional<Language> LanguageFromTag(std::string_view tag);

}  // namespace mirvo
