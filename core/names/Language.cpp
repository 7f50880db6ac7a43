#include "core/names/Language.h"

#include <array>

namespace mirvo {
namespace {

struct LanguageInfo {
  std::string_view tag;
  std::string_view ownName;
};
constexpr std::array<LanguageInfo, kLanguageCount> kLanguages{{
    {"en", "English"},
    {"zh-Hans", "简体中文"},
    {"zh-Hant", "繁體中文"},
    {"vi", "Tiếng Việt"},
    {"ja", "日本語"},
    {"ko", "한국어"},
}};

const LanguageInfo* InfoOf(Language language) {
  const int i = static_cast<int>(language);
  return i >= 0 && i < kLanguageCount ? &kLanguages[static_cast<size_t>(i)] : nullptr;
}

}  // namespace

std::string_view LanguageTag(Language language) {
  const LanguageInfo* info = InfoOf(language);
  return info ? info->tag : std::string_view();
}

std::string_view LanguageOwnName(Language language) {
  const LanguageInfo* info = InfoOf(language);
  return info ? info->ownName : std::string_view();
}

std::optional<Language> LanguageFromTag(std::string_view tag) {
  for (int i = 0; i < kLanguageCount; ++i) {
    if (kLanguages[static_cast<size_t>(i)].tag == tag) return static_cast<Language>(i);
  }
  return std::nullopt;
}

}  // namespace mirvo
