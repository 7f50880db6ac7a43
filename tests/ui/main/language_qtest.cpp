// The windows in the user's language: every caption a user sees is translated (codes and proper
// names apart), the choice in Settings is kept in the settings store and takes effect at once, a
// change back to English leaves no text of the other language behind, and the locale decides
// "System" as gettext would.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <map>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/CalendarHistory.h"
#include "features/display/Display.h"
#include "features/entry/EntryModel.h"
#include "features/listings/Listings.h"
#include "features/log/LogPreferences.h"
#include "features/search/MultipleSearchRules.h"
#include "features/tables/Limits.h"
#include "platform/qt/QtTranslate.h"
#include "platform/services/Registry.h"
#include "tests/support/WindowFixture.h"
#include "ui/common/WindowLanguage.h"
#include "ui/data/frmData.h"
#include "ui/help/frmHelp.h"
#include "ui/log/frmLog.h"

using namespace mirvo;

namespace {

constexpr Language kTranslated[] = {Language::kSimplifiedChinese, Language::kTraditionalChinese,
                                    Language::kVietnamese, Language::kJapanese, Language::kKorean};

// Words that stay as they are in every language: the calendars' codes, the zone labels, file
// formats, and proper names (the program, its maker, the Vellomir Calendar, the languages' own
// names in the Settings list).
const QStringList kKeptWords = {
    "CE",        "JC",    "CHL",      "CHS",     "VMC",      "AJD",     "CJDL", "CJDC",   "ChL",
    "ChS",       "GMT",   "CCT",      "ICT",     "JST",      "BEI",     "ISO",  "PNG",    "iCalendar",
    "Vantrel",   "Mirvo", "Brisvale", "Systems", "Vellomir", "English", "Noto", "Sans",   "CJK",
    "WenQuanYi", "Micro", "Hei",      "IERS",    "ELP",      "MPP",     "VSOP", "Helmer", "Aslaksen"};

bool IsCjk(Language language) { return language != Language::kVietnamese && language != Language::kEnglish; }

// The English words of a text: runs of two or more ASCII letters that are not kept words. Book
// titles (in <i>) and the authors' names of the credits stay in their published form.
QStringList EnglishWords(QString text) {
  text.remove(QRegularExpression("<i>.*?</i>"));
  text.remove(QRegularExpression("<[^>]*>"));
  text.remove(QRegularExpression("\\b[A-Z]\\. ?[A-Z]?\\.? ?[A-Z][a-z]+"));  // J. Chapront, C. Y. Hohenkerk
  text.remove(QRegularExpression("https?://\\S+"));
  for (int l = 0; l < kLanguageCount; ++l) {
    text.remove(QString::fromUtf8(LanguageOwnName(static_cast<Language>(l)).data()));
  }
  QStringList words;
  for (auto it = QRegularExpression("[A-Za-z]{2,}").globalMatch(text); it.hasNext();) {
    const QString word = it.next().captured();
    if (!kKeptWords.contains(word)) words << word;
  }
  return words;
}

// A control's place among the windows, the same in two windows built alike: the object names,
// or the class and its place among its like, from the window down.
QString PathOf(const QWidget* w) {
  QStringList parts;
  for (const QObject* o = w; o; o = o->parent()) {
    QString part = o->objectName();
    if (part.isEmpty() && o->parent()) {
      int index = 0;
      for (const QObject* sibling : o->parent()->children()) {
        if (sibling == o) break;
        if (sibling->metaObject() == o->metaObject()) ++index;
      }
      part = QString("%1#%2").arg(o->metaObject()->className()).arg(index);
    }
    parts.prepend(part);
    if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow() && !o->parent()) break;
  }
  return parts.join('/');
}

// Every caption a user sees in the open windows: titles, labels, buttons, group titles and the
// entries of the lists, by place. The values of the date rows are the display's dates, not
// captions, the day's reading beside its characters is a reading (pinyin, kana), and the data
// window's text is its listing.
std::map<QString, QString> VisibleCaptions() {
  QStringList values = {"lblElementAnimalOfDay_0"};
  for (int i = 0; i < kRowCount; ++i)
    values << QString::fromUtf8(RowLabelName(static_cast<RowId>(i)).data()) + "_1";
  std::map<QString, QString> captions;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    captions[PathOf(window) + "#title"] = window->windowTitle();
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || values.contains(w->objectName())) continue;
      const QString at = PathOf(w);
      if (auto* l = qobject_cast<QLabel*>(w)) captions[at] = l->text();
      if (auto* b = qobject_cast<QAbstractButton*>(w)) captions[at] = b->text();
      if (auto* g = qobject_cast<QGroupBox*>(w)) captions[at + "#group"] = g->title();
      if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i) captions[at + "#" + QString::number(i)] = c->itemText(i);
      }
    }
  }
  return captions;
}

// A caption left in English: English words (other than kept ones) in a caption that is the
// English one, or in any caption of a language written in Chinese characters, kana or hangul.
void ExpectTranslated(Language language, const std::map<QString, QString>& captions,
                      const std::map<QString, QString>& english) {
  QCOMPARE(captions.size(), english.size());
  for (const auto& [where, text] : captions) {
    const QStringList words = EnglishWords(text);
    const bool same = english.count(where) && english.at(where) == text;
    const bool untranslated = !words.isEmpty() && (same || IsCjk(language));
    QVERIFY2(
        !untranslated,
        qPrintable(
            QString("%1 %2: \"%3\" (%4)").arg(LanguageTag(language).data(), where, text, words.join(' '))));
  }
}

struct Fixture : WindowFixture {
  WindowTranslations windowTranslations{MIRVO_DATA_DIR};

  // The window as the program starts it: the stored choice (or the locale) decides.
  explicit Fixture(LanguageChoice stored) {
    if (stored) SaveLanguageChoice(settings, messages, stored);
    translations = &windowTranslations;
    if (!windowTranslations.ApplyAtStart(ReadLanguageChoice(settings, messages))) qFatal("no translation");
    if (!Open()) qFatal("no start");
    window->SetInstant(NoonOfDay(JdnOfCeDate(2024, 2, 10), 120));
  }
  ~Fixture() { window.reset(); }

  // Every window the main window opens, in one state: the data window with a list of lunar new
  // years, the month view, the log and its configuration, Help with its credits, the maker's
  // catalogue and the multiple element-animal search.
  void OpenEveryWindow() {
    Click("cmdListLunarNewYears");
    auto* data = window->findChild<frmData*>();
    if (data->IsListing()) QSignalSpy(data, &frmData::listingEnded).wait(20000);
    Click("cmdDisplayCalendar");
    Click("cmdAddToLog");
    Click("cmdViewLog");
    Click("cmdLogPreferences");
    Click("cmdHelp");
    Click("cmdCredits", window->findChild<QWidget*>("frmHelp"));
    Click("cmdBVSoftware");
    Choose("cboTarget", 20);
    Click("cmdSearch", Find<QWidget>("fraSearch"));
    QTest::qWait(50);
  }
  void ChooseLanguage(LanguageChoice choice) {
    Find<QComboBox>("cboLanguage")->setCurrentIndex(IndexOfLanguageChoice(choice));
    Q_EMIT Find<QComboBox>("cboLanguage")->activated(IndexOfLanguageChoice(choice));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QTest::qWait(20);
  }
};

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void theLocaleDecidesSystemAsGettextDoes() {
    struct Case {
      const char *language, *lcAll, *lang;
      Language expected;
    };
    const Case cases[] = {
        {"", "", "", Language::kEnglish},
        {"", "", "C.UTF-8", Language::kEnglish},
        {"", "", "fr_FR.UTF-8", Language::kEnglish},
        {"", "", "zh_CN.UTF-8", Language::kSimplifiedChinese},
        {"", "", "zh_SG", Language::kSimplifiedChinese},
        {"", "", "zh_TW.UTF-8", Language::kTraditionalChinese},
        {"", "", "zh_HK", Language::kTraditionalChinese},
        {"", "", "vi_VN", Language::kVietnamese},
        {"", "", "ja_JP.eucJP", Language::kJapanese},
        {"", "", "ko_KR.UTF-8", Language::kKorean},
        {"", "ja_JP.UTF-8", "vi_VN.UTF-8", Language::kJapanese},      // LC_ALL over LANG
        {"", "de_DE.UTF-8", "vi_VN.UTF-8", Language::kEnglish},       // ... even without a translation
        {"ko:ja", "vi_VN", "zh_CN", Language::kKorean},               // LANGUAGE first
        {"fr:de:zh_TW", "", "ja_JP", Language::kTraditionalChinese},  // its first known entry
        {"fr", "", "ja_JP", Language::kJapanese},                     // none known: the locale
        {"en_GB:ja", "", "ja_JP", Language::kEnglish},
    };
    for (const Case& c : cases) {
      QCOMPARE(static_cast<int>(LanguageOfLocale(c.language, c.lcAll, c.lang)), static_cast<int>(c.expected));
    }
    for (int i = 0; i < kLanguageChoiceCount; ++i) {
      QCOMPARE(LanguageChoiceFromText(LanguageChoiceText(LanguageChoiceAt(i))), LanguageChoiceAt(i));
    }
    QCOMPARE(LanguageChoiceFromText("tlh"), LanguageChoice());  // a later version's language: System
  }

  // Started in each language, no window shows a caption left in English, and each translated
  // caption differs from the English one wherever that holds words.
  void everyCaptionIsTranslated() {
    std::map<QString, QString> english;
    {
      Fixture f(Language::kEnglish);
      f.OpenEveryWindow();
      english = VisibleCaptions();
    }
    QVERIFY(english.size() > 150);
    for (Language language : kTranslated) {
      Fixture f(language);
      QCOMPARE(static_cast<int>(WindowLanguage()), static_cast<int>(language));
      f.OpenEveryWindow();
      ExpectTranslated(language, VisibleCaptions(), english);
      if (QTest::currentTestFailed()) return;
    }
  }

  // The help names every command of the window by the caption the window gives it, in every
  // language, and says that the manual is English.
  void theHelpNamesEveryCommandInItsLanguage() {
    for (Language language : kTranslated) {
      Fixture f(language);
      QTextDocument help;
      help.setHtml(HelpText());
      const QString text = help.toPlainText().simplified();
      QVERIFY(text.contains(
          QCoreApplication::translate("mirvo::frmHelp", "The user manual is written in English.")));
      for (QAbstractButton* b : f.window->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty() || b->objectName() == "cmdTest" || b->objectName() == "cmdCompareSuns")
          continue;
        if (qobject_cast<QPushButton*>(b) || b->inherits("QCheckBox")) {
          const QString caption = b->text().replace("&&", "&");
          QVERIFY2(text.contains(caption),
                   qPrintable(QString("%1: %2").arg(LanguageTag(language).data(), caption)));
        }
      }
    }
  }

  // The values of the date rows and their tooltips, the data window's list and the log's entry
  // speak the window's language, on a day whose lunar date is uncertain and in a year whose
  // almanac differed; only codes, numbers and the Vellomir Calendar's own day names stay.
  void valuesListsAndLogSpeakTheLanguage() {
    const QStringList codes = {"JDN", "nian"};
    // Vietnamese is written in Latin letters: there the words of the English texts are looked for.
    const QStringList englishOnly = {
        "day",    "days",    "moon",    "hours",    "hrs",      "minutes", "mins",     "Saturday", "Monday",
        "the",    "of",      "month",   "almanac",  "computed", "sources", "may",      "midnight", "after",
        "before", "List",    "year",    "Lunar",    "with",     "Dark",    "Crescent", "Gibbous",  "Full",
        "Half",   "Anomaly", "invalid", "Lunation", "age",      "Epoch"};
    Language language = Language::kEnglish;
    auto english = [&](const QString& text) {
      QStringList words;
      if (language == Language::kVietnamese) {
        for (const QString& w : text.split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts)) {
          if (englishOnly.contains(w)) words << w;
        }
      } else {
        words = EnglishWords(text);
      }
      for (const QString& code : codes) words.removeAll(code);
      return words.join(' ');
    };
    for (Language l : kTranslated) {
      language = l;
      Fixture f(language);
      for (const int year : {2057, 1965}) {
        f.Choose("cboRefLong", year == 1965 ? 0 : 1);
        f.window->SetInstant(NoonOfDay(JdnOfCeDate(year, year == 1965 ? 2 : 9, year == 1965 ? 1 : 29), 120));
        for (int i = 0; i < kRowCount; ++i) {
          const RowId id = static_cast<RowId>(i);
          if (id == RowId::kVmcGmt || id == RowId::kVmcReference)
            continue;  // "Mercury Day": that calendar's names
          const std::string name = std::string(RowLabelName(static_cast<RowId>(i))) + "_1";
          auto* value = f.Find<QLabel>(name.c_str());
          const QString where = QString("%1 %2 row %3").arg(LanguageTag(language).data()).arg(year).arg(i);
          QVERIFY2(english(value->text()).isEmpty(), qPrintable(where + ": " + value->text()));
          QVERIFY2(english(value->toolTip()).isEmpty(), qPrintable(where + ": " + value->toolTip()));
        }
      }
      f.Click("cmdListLunarNewYears");
      auto* data = f.window->findChild<frmData*>();
      if (data->IsListing()) QSignalSpy(data, &frmData::listingEnded).wait(20000);
      const QString list = data->Text();
      QVERIFY(list.count('\n') > 20);
      // MIRVO_SHOTS_DIR set: pictures of the data window and the main window, to look for clipping.
      if (const QString dir = qEnvironmentVariable("MIRVO_SHOTS_DIR"); !dir.isEmpty()) {
        const QString tag = QString::fromUtf8(LanguageTag(language).data());
        data->grab().save(dir + "/lang-" + tag + "-data.png");
        f.window->grab().save(dir + "/lang-" + tag + "-main.png");
      }
      QVERIFY2(english(list).isEmpty(), qPrintable(english(list)));
      f.Click("cmdAddToLog");
      const QString log = QString::fromStdString(f.window->findChild<frmLog*>()->Text());
      const QString entry = log.mid(log.indexOf('\n'));  // after the window's title
      QVERIFY(entry.contains("CHL"));
      QVERIFY2(english(entry).isEmpty(), qPrintable(LanguageTag(language).data() + QString(": ") + entry));
    }
  }

  // The choice is kept in the settings store (the state file does not change) and takes effect
  // at once in every window; back in English every text is as it was.
  void aChoiceInSettingsTakesEffectAtOnceAndIsKept() {
    qputenv("LANGUAGE", "en");
    Fixture f(std::nullopt);
    f.OpenEveryWindow();
    const auto english = VisibleCaptions();
    const auto helpText = [&f] { return f.window->findChild<QTextBrowser*>("txtHelp")->toPlainText(); };
    const QString englishHelp = helpText();
    for (Language language : kTranslated) {
      f.ChooseLanguage(language);
      QCOMPARE(ReadLanguageChoice(f.settings, f.messages), LanguageChoice(language));
      ExpectTranslated(language, VisibleCaptions(), english);
      if (QTest::currentTestFailed()) return;
      QVERIFY(helpText() != englishHelp);
    }
    f.ChooseLanguage(std::nullopt);  // System, and the locale is English
    QCOMPARE(ReadLanguageChoice(f.settings, f.messages), LanguageChoice());
    QCOMPARE(f.messages.shown.size(), size_t(0));
    const auto again = VisibleCaptions();
    for (const auto& [where, text] : english) {
      QVERIFY2(again.count(where) && again.at(where) == text, qPrintable(where + ": " + text));
    }
    QCOMPARE(helpText(), englishHelp);
  }

  // "System" with LANGUAGE=zh_CN starts in Chinese.
  void systemFollowsTheLocale() {
    qputenv("LANGUAGE", "zh_CN");
    Fixture f(std::nullopt);
    qputenv("LANGUAGE", "en");
    QCOMPARE(static_cast<int>(WindowLanguage()), static_cast<int>(Language::kSimplifiedChinese));
    QCOMPARE(f.Find<QPushButton>("cmdCompute")->text(), QString::fromUtf8("转换"));
  }

  // The English texts of the Qt-free tables and rules that the windows show all have their
  // translations: a text changed there without its translation is found here.
  void theRulesTextsHaveTheirTranslations() {
    Fixture f(Language::kEnglish);
    std::vector<std::pair<const char*, std::string>> texts;
    auto add = [&](const char* context, const std::vector<std::string>& list) {
      for (const auto& t : list) texts.emplace_back(context, t);
    };
    add("Tables", CountryEntries());
    add("Tables", MethodEntries());
    add("Tables", EpochEntries());
    for (Country country : kAllCountries) add("Tables", MoveStepEntries(country));
    for (const auto& t : SearchTargets()) texts.emplace_back("Tables", t.text);
    add("Search", WithinEntries());
    for (const auto& p : LogPreferenceTable()) texts.emplace_back("Log", std::string(p.caption));
    for (const char* caption : {kYearDataCaption, kNewYearsCaption, kMonthsCaption, kEuroNewYearsCaption}) {
      texts.emplace_back("Listings", caption);
    }
    texts.emplace_back("Listings", RunningYearsCaption(std::nullopt));
    texts.emplace_back("Listings", RunningYearsCaption(-1200));
    for (Country country : kAllCountries) {
      Reckoner reckoner;
      reckoner.SetCountry(country);
      reckoner.SetReferenceLongitude(CountryOf(country).longitude);
      const DisplayTexts d =
          ComputeDisplay(NoonOfDay(JdnOfCeDate(2024, 2, 10), 120), reckoner, DisplayOptions{});
      for (const DisplayRow& row : d.rows) texts.emplace_back("Display", row.caption);
      texts.emplace_back("Display", d.yearLabel);
    }
    // The lunar caption with the meridian the calendar's history computed the year for.
    for (const Country country : {kVietnam, kChina, kKorea}) {
      Reckoner reckoner;
      reckoner.SetCountry(country);
      reckoner.SetReferenceLongitude(CountryOf(country).longitude);
      reckoner.SetHistorical(true);
      const DisplayTexts d =
          ComputeDisplay(NoonOfDay(JdnOfCeDate(1905, 6, 1), 120), reckoner, DisplayOptions{});
      QVERIFY(d.Row(RowId::kChl).caption.find("E):") != std::string::npos);
      texts.emplace_back("Display", d.Row(RowId::kChl).caption);
    }
    // The month page's notes of the calendar's history in each of their forms, alone and with
    // the modern rule's, for a meridian of whole degrees and one with arc-minutes.
    for (const int meridian : {120 * 60, 116 * 60 + 25}) {
      for (const bool mayDiffer : {false, true}) {
        const MonthHistory other{
            .lunarYear = 1905, .meridian = meridian, .otherMeridian = true, .mayDiffer = mayDiffer};
        MonthHistory missing{.lunarYear = 1905, .mayDiffer = mayDiffer, .almanacMeridian = meridian};
        missing.almanacDiffers = true;
        missing.almanacHasMonth = false;
        MonthHistory moved = missing;
        moved.almanacHasMonth = true;
        moved.almanacFirstDay = JdnOfCeDate(1905, 2, 4);
        moved.almanacLength = 29;
        for (const MonthHistory& h : {other, missing, moved})
          texts.emplace_back("MonthView", CalendarHistoryMonthNote(h));
      }
    }
    texts.emplace_back("MonthView", CalendarHistoryMonthNote(MonthHistory{.mayDiffer = true}));
    for (int status = 1; status <= 15; ++status) {
      for (const Country country : {kChina, kVietnam})
        texts.emplace_back("Messages", EntryErrorMessage(status, country));
    }
    for (int within : kWithinYears) {
      for (bool today : {false, true})
        texts.emplace_back("Messages", NotFoundText({.withinYears = within, .fromToday = today}));
    }
    for (bool next : {false, true}) {
      texts.emplace_back("Messages", NotFoundText({.withinYears = 1, .rangeEnded = true, .next = next}));
      texts.emplace_back("Messages", InabilityMessage(next, "lunar month"));
    }
    texts.emplace_back("Messages", *DateRangeMessage(kMinAjd - 1));
    texts.emplace_back("Messages", *DateRangeMessage(kMaxAjd + 1));
    for (Language language : kTranslated) {
      windowTranslationsFor(f, language);
      for (const auto& [context, text] : texts) {
        if (text.empty()) continue;
        for (const QString& line : QString::fromStdString(text).split(QRegularExpression("\r?\n"))) {
          if (EnglishWords(line).isEmpty()) continue;
          const QString shown = TranslateText(context, line.toStdString());
          QVERIFY2(shown != line,
                   qPrintable(QString("%1 %2: %3").arg(LanguageTag(language).data(), context, line)));
        }
      }
    }
  }

 private:
  static void windowTranslationsFor(Fixture& f, Language language) {
    QVERIFY(f.windowTranslations.Apply(language));
  }
};

QTEST_MAIN(LanguageTest)
#include "language_qtest.moc"
