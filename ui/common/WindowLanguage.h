// The language of the windows: the user's choice in Settings ("System" or one of the program's
// languages), kept in the settings store beside the country, and the Qt translations that carry
// it out. The translations are the only state: every window asks them which language they speak.
#pragma once

#include <QFont>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/names/Language.h"

class QTranslator;

namespace mirvo {

class Messages;
class SettingsStore;

// The Settings list's choice: nothing for "System", which follows the locale.
using LanguageChoice = std::optional<Language>;

// The list in order: System, then English, 简体中文, 繁體中文, Tiếng Việt, 日本語, 한국어.
inline constexpr int kLanguageChoiceCount = 1 + kLanguageCount;
LanguageChoice LanguageChoiceAt(int index);  // System for an index outside the list
int IndexOfLanguageChoice(LanguageChoice choice);

// The stored text of a choice: "system" or the language's tag ("zh-Hans"). Any other text reads
// as System, so that a value written by a later version never stops the start.
std::string LanguageChoiceText(LanguageChoice choice);
LanguageChoice LanguageChoiceFromText(std::string_view text);

// The value under the program's key of the settings store, beside the country ("cboRefLong").
inline constexpr char kLanguageValueName[] = "cboLanguage";
LanguageChoice ReadLanguageChoice(const SettingsStore& store, Messages& messages);
bool SaveLanguageChoice(SettingsStore& store, Messages& messages, LanguageChoice choice);

// The language a locale asks for, read as gettext reads it: each entry of LANGUAGE (a list
// separated by ":") that names a language of the program, else LC_ALL when set, else LANG. A
// locale that names no language of the program ("fr_FR", "C") gives English. zh_TW, zh_HK, zh_MO
// and the Hant script are Traditional Chinese; every other Chinese locale is Simplified.
Language LanguageOfLocale(std::string_view languageList, std::string_view lcAll, std::string_view lang);
// The same for this process's environment.
Language SystemLanguage();
Language ResolveLanguage(LanguageChoice choice);

// The part of the translation files' names that names the language ("zh_CN" in vantrel_zh_CN.qm,
// qtbase_zh_CN.qm); empty for English, which needs none.
QString TranslationLocale(Language language);

// The language the installed translations speak: English when none is. The translation names
// its own language, so the windows need no shared state to know it.
Language WindowLanguage();

// The program's translations (vantrel_xx.qm beside the program data) and Qt's own for the
// standard dialogs (qtbase_xx.qm from Qt's translations folder, when installed), and the font of
// the language's script. Installing them sends every window a LanguageChange.
class WindowTranslations {
 public:
  explicit WindowTranslations(std::string programFolder);
  ~WindowTranslations();
  WindowTranslations(const WindowTranslations&) = delete;
  WindowTranslations& operator=(const WindowTranslations&) = delete;

  // Replaces the translations installed before; English removes them. False when the program's
  // translation file of the language could not be loaded: the windows then stay English.
  bool Apply(Language language);
  // A language given on the command line (`mirvo --lang`): it wins over the stored choice.
  void SetCommandLine(Language language) { commandLine_ = language; }
  // The start: the command line's language, else the stored choice.
  bool ApplyAtStart(LanguageChoice stored);
  // A choice made in Settings.
  bool ApplyChoice(LanguageChoice choice) { return Apply(ResolveLanguage(choice)); }

 private:
  void Remove();

  std::string folder_;
  std::unique_ptr<QTranslator> program_;
  std::unique_ptr<QTranslator> qt_;
  std::optional<Language> commandLine_;
  QFont startFont_;
};

}  // namespace mirvo
