// The festivals in the main window: the day's line beside the lunar date and the festival
// search's second list, both in the window's language.
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "core/daycount/DayCount.h"
#include "features/search/MultipleSearchRules.h"
#include "features/search/SearchRules.h"
#include "features/session/MainRules.h"
#include "tests/support/WindowFixture.h"
#include "ui/common/WindowLanguage.h"
#include "ui/data/frmData.h"

using namespace mirvo;

class FestivalWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theLineAndTheListFollowTheLanguage() {
    struct Case {
      std::optional<Language> language;
      QString line, festival;
    };
    const Case cases[] = {{std::nullopt, "Mid-Autumn Festival", "Spring Festival"},
                          {Language::kSimplifiedChinese, "中秋节", "春节"},
                          {Language::kVietnamese, "Tết Trung Thu", "Tết Nguyên Đán"}};
    for (const Case& c : cases) {
      WindowTranslations translations(MIRVO_DATA_DIR);
      WindowFixture f;
      f.translations = &translations;
      QVERIFY(translations.ApplyAtStart(c.language ? LanguageChoice(*c.language) : LanguageChoice()));
      QVERIFY(f.Open());
      f.window->rules().SetLanguage(WindowLanguage());
      f.window->SetInstant(NoonOfDay(JdnOfCeDate(2024, 9, 17), 120));
      QCOMPARE(f.Text("lblFestival"), c.line);
      f.window->SetInstant(NoonOfDay(JdnOfCeDate(2024, 9, 18), 120));
      QCOMPARE(f.Text("lblFestival"), QString());
      auto* festivals = f.Find<QComboBox>("cboFestival");
      QVERIFY(!f.Shown("cboFestival"));
      f.Choose("cboTarget", kTargetFestival);
      QVERIFY(f.Shown("cboFestival"));
      QCOMPARE(festivals->itemText(0), c.festival);
      festivals->setCurrentIndex(festivals->findData("mid-autumn"));
      f.Click("cmdSearch", f.Find<QWidget>("fraSearch"));
      QCOMPARE(f.window->CurrentAjd(), NoonOfDay(JdnOfCeDate(2025, 10, 6), 120));
      // The data window's festival list names the days in the language too.
      f.Click("cmdListFestivals");
      auto* data = f.window->findChild<frmData*>();
      if (data->IsListing()) QSignalSpy(data, &frmData::listingEnded).wait(20000);
      QVERIFY(data->Text().contains(" 79-42-08-15 CHL  " + c.line + "\n"));
      // MIRVO_SHOTS_DIR set: a picture of the list, to look for clipping.
      if (const QString dir = qEnvironmentVariable("MIRVO_SHOTS_DIR"); !dir.isEmpty()) {
        data->grab().save(dir + "/festivals-" + QString::fromUtf8(LanguageTag(WindowLanguage()).data()) +
                          "-data.png");
      }
    }
  }
};

QTEST_MAIN(FestivalWindowTest)
#include "festival_qtest.moc"
