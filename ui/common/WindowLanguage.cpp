#include "ui/common/WindowLanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <cstdlib>

#include "platform/services/Registry.h"

namespace mirvo {
namespace {

constexpr std::string_view kSystemText = "system";

// The language of one locale name ("zh_TW.UTF-8", "vi", "ja_JP@euro"), if it is one of the
// program's.
std::optional<Language> LanguageOfLocaleName(std::string_view name) {
  const size_t end = name.find_first_of(".@");
  if (end != std::string_view::npos) name = name.substr(0, end);
  const std::string_view base = name.substr(0, name.find_first_of("_-"));
  const std::string_view rest = base.size() < name.size() ? name.substr(base.size() + 1) : std::string_view();
  if (base == "en") return Language::kEnglish;
  if (base == "vi") return Language::kVietnamese;
  if (base == "ja") return Language::kJapanese;
  if (base == "ko") return Language::kKorean;
  if (base == "zh") {
    for (std::string_view traditional : {"TW", "HK", "MO", "Hant"}) {
      if (rest.substr(0, traditional.size()) == traditional) return Language::kTraditionalChinese;
    }
    return Language::kSimplifiedChinese;
  }
  return std::nullopt;
}

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

// The family of the language's script in the fonts the set-up installs (Noto Sans CJK, whose
// regional faces draw the Han characters in each country's forms); empty where the default font
// serves, or when the family is missing.
QString ScriptFamily(Language language) {
  QString family;
  switch (language) {
    case Language::kSimplifiedChinese: family = "Noto Sans CJK SC"; break;
    case Language::kTraditionalChinese: family = "Noto Sans CJK TC"; break;
    case Language::kJapanese: family = "Noto Sans CJK JP"; break;
    case Language::kKorean: family = "Noto Sans CJK KR"; break;
    default: return QString();
  }
  return QFontDatabase::hasFamily(family) ? family : QString();
}

}  // namespace

LanguageChoice LanguageChoiceAt(int index) {
  if (index < 1 || index >= kLanguageChoiceCount) return std::nullopt;
  return static_cast<Language>(index - 1);
}

int IndexOfLanguageChoice(LanguageChoice choice) { return choice ? 1 + static_cast<int>(*choice) : 0; }

std::string LanguageChoiceText(LanguageChoice choice) {
  return std::string(choice ? LanguageTag(*choice) : kSystemText);
}

LanguageChoice LanguageChoiceFromText(std::string_view text) { return LanguageFromTag(text); }

LanguageChoice ReadLanguageChoice(const SettingsStore& store, Messages& messages) {
  std::string stored;
  ReadRegistryValue(store, messages, kProgramKeyPart, kLanguageValueName, stored, false, "");
  return LanguageChoiceFromText(stored);
}

bool SaveLanguageChoice(SettingsStore& store, Messages& messages, LanguageChoice choice) {
  return SaveRegistryValue(store, messages, kProgramKeyPart, kLanguageValueName, LanguageChoiceText(choice),
                           true);
}

Language LanguageOfLocale(std::string_view languageList, std::string_view lcAll, std::string_view lang) {
  while (!languageList.empty()) {
    const size_t colon = languageList.find(':');
    if (const auto language = LanguageOfLocaleName(languageList.substr(0, colon))) return *language;
    languageList = colon == std::string_view::npos ? std::string_view() : languageList.substr(colon + 1);
  }
  const std::string_view locale = !lcAll.empty() ? lcAll : lang;
  return LanguageOfLocaleName(locale).value_or(Language::kEnglish);
}

Language SystemLanguage() {
  return LanguageOfLocale(Environment("LANGUAGE"), Environment("LC_ALL"), Environment("LANG"));
}

Language ResolveLanguage(LanguageChoice choice) { return choice ? *choice : SystemLanguage(); }

QString TranslationLocale(Language language) {
  switch (language) {
    case Language::kSimplifiedChinese: return "zh_CN";
    case Language::kTraditionalChinese: return "zh_TW";
    case Language::kVietnamese: return "vi";
    case Language::kJapanese: return "ja";
    case Language::kKorean: return "ko";
    default: return QString();
  }
}

Language WindowLanguage() {
  //: The tag of this translation's language, exactly one of: zh-Hans zh-Hant vi ja ko. The
  //: windows name the calendar's stems, branches, elements and animals in it.
  const QString tag = QCoreApplication::translate("WindowLanguage", "en");
  return LanguageFromTag(tag.toStdString()).value_or(Language::kEnglish);
}

WindowTranslations::WindowTranslations(std::string programFolder)
    : folder_(std::move(programFolder)), startFont_(QApplication::font()) {}

WindowTranslations::~WindowTranslations() {
  Remove();
  QApplication::setFont(startFont_);
}

void WindowTranslations::Remove() {
  for (auto* t : {&program_, &qt_}) {
    if (*t) QCoreApplication::removeTranslator(t->get());
    t->reset();
  }
}

bool WindowTranslations::Apply(Language language) {
  Remove();
  const QString locale = TranslationLocale(language);
  bool loaded = true;
  if (!locale.isEmpty()) {
    auto program = std::make_unique<QTranslator>();
    loaded = program->load("vantrel_" + locale, QString::fromStdString(folder_));
    if (loaded) {
      // Qt's own texts (the buttons of message boxes and file dialogs), where Qt has them.
      auto qt = std::make_unique<QTranslator>();
      if (qt->load("qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
      }
      QCoreApplication::installTranslator(program.get());
      program_ = std::move(program);
    }
  }
  // Chinese, Japanese and Korean windows are written in the regional face of their script, so
  // that a character shared by the scripts (骨, 直, 次) takes the form its readers expect; its
  // Latin letters serve the codes and figures. The other languages keep the start font.
  QFont font = startFont_;
  const QString family = loaded ? ScriptFamily(language) : QString();
  if (!family.isEmpty()) font.setFamilies({family});
  QApplication::setFont(font);
  return loaded;
}

bool WindowTranslations::ApplyAtStart(LanguageChoice stored) {
  return Apply(commandLine_ ? *commandLine_ : ResolveLanguage(stored));
}

}  // namespace mirvo
