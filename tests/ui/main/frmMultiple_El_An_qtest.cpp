// The Search row of the main window and the multiple element-animal window as a user meets them:
// controls found by name, clicks through QTest, message boxes recorded instead of shown.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/daycount/DayCount.h"
#include "features/search/MultipleSearchRules.h"
#include "features/session/MainRules.h"
#include "tests/support/WindowFixture.h"
#include "ui/main/SearchPanel.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMultiple_El_An.h"

using namespace mirvo;

namespace {

struct Fixture : WindowFixture {
  Fixture() {
    if (!Open()) qFatal("no start");
    window->show();
  }
  frmMultiple_El_An* Multiple() { return window->findChild<frmMultiple_El_An*>(); }
  // Opens the window for "Multiple element-animal day" from noon of a day.
  frmMultiple_El_An* OpenMultiple(int y, int m, int d, bool next) {
    window->SetInstant(NoonOfDay(JdnOfCeDate(y, m, d), 120));
    Find<QRadioButton>(next ? "optNext" : "optPrevious")->click();
    Choose("cboTarget", 20);
    Click("cmdSearch", Find<QWidget>("fraSearch"));
    return Multiple();
  }
  void SetRow(frmMultiple_El_An* w, int row, int element, int animal) {
    w->findChild<QComboBox*>(QString("cboElement_%1").arg(row))->setCurrentIndex(element);
    w->findChild<QComboBox*>(QString("cboAnimal_%1").arg(row))->setCurrentIndex(animal);
  }
};

}  // namespace

class SearchWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void searchRowMovesTheInstantAndNamesItsElementAnimalTarget() {
    Fixture f;
    f.window->SetInstant(NoonOfDay(JdnOfCeDate(2023, 3, 22), 120));
    f.Choose("cboTarget", 21);
    f.Click("cmdSearch");
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QVERIFY(f.Text("lblChineseLunarDate_1").startsWith("79-42-6*-01 CHL"));
    QCOMPARE(f.window->CurrentCalendar(), 2);

    f.Choose("cboTarget", 15);
    f.Click("cmdSearch");
    QCOMPARE(f.LastMessage(), std::string("You must specify an element, an animal or both."));
    QComboBox* element = f.Find<QComboBox>("cboElement");
    element->setCurrentIndex(1);
    Q_EMIT element->activated(1);
    QCOMPARE(f.Find<QComboBox>("cboTarget")->itemText(15), QString("fire- (bing-, ding-) day"));
    QCOMPARE(f.window->focusWidget(), f.Find<QWidget>("cmdSearch"));
    f.Click("cmdSearch");
    QVERIFY(f.Text("lblElementAnimalOfDay_1").startsWith("fire-"));
    f.Choose("cboTarget", 16);  // another target: the list entries are plain again, the choice is kept
    QCOMPARE(f.Find<QComboBox>("cboTarget")->itemText(15), QString("Element-animal day"));
    QCOMPARE(f.Find<QComboBox>("cboTarget")->itemText(16), QString("fire- (bing-, ding-) month"));
  }

  void multipleWindowFindsADayAndHandsItBack() {
    Fixture f;
    frmMultiple_El_An* w = f.OpenMultiple(2024, 1, 1, false);
    QVERIFY(w && w->isVisible() && w->isModal());
    QCOMPARE(w->windowTitle(), QString("Search for the previous"));
    QCOMPARE(w->focusWidget(), f.Find<QWidget>("cmdClose", w));
    f.Click("cmdSearch", w);
    QVERIFY(f.LastMessage().starts_with("You must specify an element or an animal or both"));
    QVERIFY(w->isVisible());

    f.SetRow(w, kDayRow, 0, 4);  // wood-dragon
    QCOMPARE(f.Find<QComboBox>("cboElement_1", w)->itemText(5), QString("in a"));
    f.SetRow(w, kMonthRow, 5, 1);  // an ox month
    QCOMPARE(f.Find<QComboBox>("cboElement_1", w)->itemText(5), QString("in an"));
    QCOMPARE(MultipleElementAnimalStr(ElementAnimalRows{f.window->rules().settings().multipleElement,
                                                        f.window->rules().settings().multipleAnimal},
                                      kChina),
             std::string("wood-dragon (jia-chen) day in an -ox (-chou) month"));
    f.Click("cmdSearch", w);
    QTRY_VERIFY(!w->isVisible());
    QVERIFY(!w->blnCancel);
    const double noon = NoonOfDay(w->lngCJDN, 120);
    QCOMPARE(f.window->CurrentAjd(), noon);
    QVERIFY(w->lngCJDN < JdnOfCeDate(2024, 1, 1));
    QVERIFY(f.Text("lblElementAnimalOfDay_1").contains("wood-dragon"));
    QVERIFY(!f.window->rules().settings().showCjds);

    // Nothing within one year: the message, and the instant stays.
    w = f.OpenMultiple(2024, 1, 1, true);
    f.Click("cmdClear", w);
    f.SetRow(w, kMonthRow, 0, 2);  // a wood-tiger month in a wood-rat year
    f.SetRow(w, kYearRow, 0, 0);
    f.Choose("cboWithin", 0, w);
    f.Find<QCheckBox>("chkStartingFromToday", w)->setChecked(true);
    const double before = f.window->CurrentAjd();
    f.Click("cmdSearch", w);
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(f.LastMessage(), std::string("There is no such day within 1 year of today."));
    QVERIFY(w->blnCancel);
    QCOMPARE(f.window->CurrentAjd(), before);
  }

  // Stop answers at once: the search runs in slices, so the event loop turns all the time.
  void stopLeavesTheWindowOpenWithItsConditions() {
    Fixture f;
    frmMultiple_El_An* w = f.OpenMultiple(2024, 1, 1, false);
    f.SetRow(w, kMonthRow, 0, 2);  // a wood-tiger month in a wood year: never
    f.SetRow(w, kYearRow, 0, 12);
    f.Choose("cboWithin", 3, w);
    const MainSettings conditions = f.window->rules().settings();
    const double before = f.window->CurrentAjd();

    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int tickCount = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &ticks, [&] {
      longestGap = std::max(longestGap, sinceTick.restart());
      ++tickCount;
    });
    f.Click("cmdSearch", w);
    QVERIFY(w->searching());
    QCOMPARE(f.Find<QPushButton>("cmdSearch", w)->text(), QString("Stop"));
    QVERIFY(!f.Find<QPushButton>("cmdClose", w)->isEnabled() &&
            !f.Find<QPushButton>("cmdClear", w)->isEnabled());
    sinceTick.start();
    ticks.start(5);
    // A thousand years take some tens of milliseconds: Stop is clicked after a few turns.
    while (tickCount < 2 && w->searching()) QTest::qWait(1);
    QVERIFY2(w->searching(), "the search ended before Stop");
    QVERIFY(f.Text("lblSearching").startsWith("Searching ...    "));

    // Stop posted as a user's click is: it waits for the slice in progress.
    QElapsedTimer stopTime;
    QTimer::singleShot(0, [&] { f.Click("cmdSearch", w); });
    stopTime.start();
    QTRY_VERIFY_WITH_TIMEOUT(!w->searching(), 1000);
    const qint64 stopLatency = stopTime.elapsed();
    ticks.stop();
    qInfo("Stop took %lld ms; longest turn of the event loop while searching %lld ms", stopLatency,
          longestGap);
    QVERIFY(stopLatency < 200);
    QVERIFY(longestGap < 200);

    QVERIFY(w->isVisible());
    QVERIFY(!w->blnStop);
    QCOMPARE(f.Find<QPushButton>("cmdSearch", w)->text(), QString("Search"));
    QVERIFY(f.Find<QPushButton>("cmdClose", w)->isEnabled());
    QVERIFY(f.window->rules().settings() == conditions);
    QCOMPARE(f.Find<QComboBox>("cboElement_2", w)->currentIndex(), 0);
    QVERIFY(f.messages.shown.empty());
    const int32_t reached = w->lngCJDN;
    QTest::qWait(30);
    QCOMPARE(w->lngCJDN, reached);

    f.Click("cmdClose", w);
    QVERIFY(!w->isVisible() && w->blnCancel);
    QCOMPARE(f.window->CurrentAjd(), before);
  }
};

QTEST_MAIN(SearchWindowTest)
#include "frmMultiple_El_An_qtest.moc"
