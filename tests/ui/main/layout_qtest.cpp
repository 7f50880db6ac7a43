// The main window's manners: it keeps its size and every control its place through what changes
// its texts or shows and hides its parts (a click target never moves under the mouse), and Esc
// closes the windows it opens and stops a repeated move.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <map>

#include "core/daycount/DayCount.h"
#include "features/search/MultipleSearchRules.h"
#include "features/session/MainRules.h"
#include "tests/support/WindowFixture.h"
#include "ui/main/MovePanel.h"
#include "ui/main/frmMain.h"

using namespace mirvo;

namespace {

// Controls a user aims at, from every part of the window.
const char* const kTargets[] = {"txbDate",     "cmdCompute",    "cmdNow",     "cmdMove",
                                "cboMoveStep", "chkRepeatedly", "cmdSearch",  "cboTarget",
                                "cboRefLong",  "chkShowCJDs",   "chkAutoLog", "cmdDisplayCalendar",
                                "cmdAddToLog", "cmdSaveState",  "cmdReset",   "cmdQuit"};

struct Fixture : WindowFixture {
  using Places = std::map<std::string, QRect>;
  Fixture() {
    if (!Open()) qFatal("no start");
    window->SetInstant(NoonOfDay(JdnOfCeDate(2024, 2, 10), 120));
    // Found once, before other windows bring controls of the same names.
    for (const char* name : kTargets) targets[name] = Find(name);
  }
  std::map<std::string, QWidget*> targets;
  void Settle() {
    QTest::qWait(20);
    window->layout()->activate();
  }
  Places Now() {
    Settle();
    Places places;
    places["window"] = QRect(QPoint(), window->size());
    for (const auto& [name, w] : targets) places[name] = QRect(w->mapTo(window.get(), QPoint()), w->size());
    return places;
  }
  // Every place as at the start; names the first that moved.
  void ExpectUnmoved(const Places& before, const char* after) {
    const Places now = Now();
    for (const auto& [name, rect] : before) {
      const QRect& other = now.at(name);
      QVERIFY2(other == rect, qPrintable(QString("%1 moved after %2: (%3,%4 %5x%6) -> (%7,%8 %9x%10)")
                                             .arg(name.c_str(), after)
                                             .arg(rect.x())
                                             .arg(rect.y())
                                             .arg(rect.width())
                                             .arg(rect.height())
                                             .arg(other.x())
                                             .arg(other.y())
                                             .arg(other.width())
                                             .arg(other.height())));
    }
  }
};

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void controlsKeepTheirPlaces() {
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const Fixture::Places start = f.Now();

    for (int country : {0, 2, 1}) {
      f.Choose("cboRefLong", country);
      f.ExpectUnmoved(start, "a change of country");
    }
    f.Find<QCheckBox>("chkShowCJDs")->click();
    f.ExpectUnmoved(start, "ticking the chronological JDs");
    f.Find<QCheckBox>("chkShowCJDs")->click();

    // The lunar date in the window's language and the day's solar term keep to the room of their
    // lines, the longest forms (Vietnamese, past the tenth day) included.
    f.Choose("cboRefLong", 0);
    f.window->rules().SetLanguage(Language::kVietnamese);
    f.window->SetInstant(NoonOfDay(JdnOfCeDate(2024, 12, 21), 105));
    QCOMPARE(f.Find<QLabel>("lblNativeDate")->text(), QString("ngày 21 tháng Mười Một năm Giáp Thìn"));
    QCOMPARE(f.Find<QLabel>("lblSolarTerm")->text(), QString("Đông chí"));
    f.ExpectUnmoved(start, "a long lunar date and a solar term");
    f.window->rules().SetLanguage(Language::kEnglish);
    f.Choose("cboRefLong", 1);

    f.Click("cmdAddToLog");
    f.window->activateWindow();
    f.ExpectUnmoved(start, "the first log entry");

    f.Find<MovePanel>("fraMove")->SetClockScale(1000);
    f.Find<QCheckBox>("chkRepeatedly")->setChecked(true);
    f.Click("cmdMove");
    QVERIFY(f.window->rules().repeating());
    f.ExpectUnmoved(start, "the start of a repeated move");
    f.Click("cmdStop");
    f.ExpectUnmoved(start, "the end of a repeated move");

    f.Choose("cboTarget", 20);  // the multiple element-animal day: its window, then back
    f.Click("cmdSearch", f.Find<QWidget>("fraSearch"));
    QWidget* multiple = f.window->findChild<QWidget*>("frmMultiple_El_An");
    QVERIFY(multiple && multiple->isVisible());
    f.Click("cmdClose", multiple);
    QTRY_VERIFY(!multiple->isVisible());
    f.ExpectUnmoved(start, "the multiple element-animal search");
  }

  void theDataWindowLeavesTheButtonColumnFree() {
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QWidget* column = f.Find("cmdDisplayCalendar");
    const QRect columnArea(column->mapToGlobal(QPoint()),
                           f.Find("cmdRestoreState")->mapToGlobal(QPoint(column->width(), 20)));
    for (const char* list : {"cmdDisplayYearData", "cmdListLunarNewYears", "cmdListJulianCENewYears"}) {
      f.Click(list);
      QWidget* data = f.window->findChild<QWidget*>("frmData");
      QVERIFY(data && data->isVisible());
      QVERIFY2(!data->frameGeometry().intersects(columnArea), list);
    }
  }

  void escapeClosesAndStops() {
    Fixture f;
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    auto escapeCloses = [&](const char* button, const char* windowName) {
      f.Click(button);
      QWidget* w = f.window->findChild<QWidget*>(windowName);
      QVERIFY2(w && w->isVisible(), windowName);
      w->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w));
      QTest::keyClick(w, Qt::Key_Escape);
      QTRY_VERIFY2(!w->isVisible(), windowName);
    };
    escapeCloses("cmdHelp", "frmHelp");
    escapeCloses("cmdDisplayCalendar", "frmCalendar");
    escapeCloses("cmdListLunarNewYears", "frmData");
    f.Click("cmdAddToLog");
    escapeCloses("cmdViewLog", "frmLog");

    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.Find<MovePanel>("fraMove")->SetClockScale(1000);
    f.Find<QCheckBox>("chkRepeatedly")->setChecked(true);
    f.Click("cmdMove");
    QVERIFY(f.window->rules().repeating());
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QVERIFY(!f.window->rules().repeating());
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_qtest.moc"
