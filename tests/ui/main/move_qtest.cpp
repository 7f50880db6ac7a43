// The Move row as a user meets it: single moves, repeated runs on a fast clock with Pause, Resume
// and Stop, the keep boxes, and the same dates as mirvo-cli move.
#include <unistd.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/daycount/DayCount.h"
#include "tests/app/CliRun.h"
#include "tests/support/WindowFixture.h"
#include "ui/main/MovePanel.h"
#include "ui/main/frmMain.h"

using namespace mirvo;

namespace {

double At(int year, int month, int day, double hoursGmt) {
  return JdnOfCeDate(year, month, day) - 0.5 + hoursGmt / 24;
}

// The buttons a run hides, and controls it disables.
const char* const kHiddenByRun[] = {"cmdListJulianCENewYears", "cmdDisplayYearData", "cmdListLunarNewYears",
                                    "cmdListLeapMonths", "cmdNow"};
const char* const kDisabledByRun[] = {"cmdMove",       "cmdMoveOneDay", "cboMoveStep",
                                      "chkRepeatedly", "fraConvert",    "cboEpoch",
                                      "cmdHelp",       "cmdBVSoftware", "cmdReset"};

struct Fixture : WindowFixture {
  QTimer* clock = nullptr;

  // The clock runs at scale times the chosen period ("1" s is 20 ms at 0.02).
  void Start(double scale = 0.02) {
    QVERIFY(Open());
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    Find<MovePanel>("fraMove")->SetClockScale(scale);
    clock = Find<QTimer>("Clock");
  }
  QWidget* Focus() { return window->focusWidget(); }
  void Repeatedly(int step) {
    Find<QComboBox>("cboMoveStep")->setCurrentIndex(step);
    Find<QCheckBox>("chkRepeatedly")->setChecked(true);
  }
  double Ajd() { return window->CurrentAjd(); }
  // The Move row idle again: frame hidden, controls back, "repeatedly" unticked, clock stopped.
  void ExpectIdle() {
    QVERIFY(!Shown("fraStopPauseResume"));
    for (const char* name : kHiddenByRun) QVERIFY2(Shown(name), name);
    for (const char* name : kDisabledByRun) QVERIFY2(Enabled(name), name);
    QVERIFY(!Find<QCheckBox>("chkRepeatedly")->isChecked());
    QVERIFY(!clock->isActive());
    QVERIFY(!window->rules().repeating());
    QCOMPARE(Focus(), Find<QWidget>("cmdMove"));
  }
};

// CPU time of this process in seconds (user + system).
double ProcessorSeconds() {
  std::ifstream in("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stoll(field);
    if (i == 15) stime = std::stoll(field);
  }
  return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// The event loop alone for a while, as the program's own loop runs it.
void RunEventLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

class MoveRowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void repeatedRunPausesResumesAndStops() {
    Fixture f;
    f.Start();
    const bool searchBefore = f.Enabled("fraSearch");
    f.window->SetInstant(2451545.0);
    f.Repeatedly(2);  // day
    f.Click("cmdMove");
    QCOMPARE(f.Ajd(), 2451546.0);  // the first step at once
    QVERIFY(f.window->rules().repeating());
    QVERIFY(f.Shown("fraStopPauseResume"));
    for (const char* name : kHiddenByRun) QVERIFY2(!f.Shown(name), name);
    for (const char* name : kDisabledByRun) QVERIFY2(!f.Enabled(name), name);
    QVERIFY(!f.Enabled("fraSearch"));
    QVERIFY(f.Enabled("cmdStop") && f.Enabled("cmdQuit") && !f.Enabled("cboRefreshPeriod"));
    QCOMPARE(f.Focus(), f.Find<QWidget>("cmdStop"));
    QVERIFY(f.clock->isActive());
    QCOMPARE(f.clock->interval(), 20);
    QTRY_VERIFY(f.Ajd() >= 2451549.0);
    QCOMPARE(f.Ajd(), std::floor(f.Ajd()));  // whole days, one per tick

    f.Click("cmdPauseResume");
    QCOMPARE(f.Find<QPushButton>("cmdPauseResume")->text(), QString("Resume"));
    QVERIFY(!f.clock->isActive());
    QVERIFY(f.Enabled("cboRefreshPeriod") && f.Enabled("lblRefreshPeriod"));
    const double paused = f.Ajd();
    QTest::qWait(150);
    QCOMPARE(f.Ajd(), paused);
    f.Find<QComboBox>("cboRefreshPeriod")->setCurrentIndex(3);  // 5 s, 100 ms here
    QCOMPARE(f.clock->interval(), 100);
    QVERIFY(!f.clock->isActive());
    QCOMPARE(f.Focus(), f.Find<QWidget>("cmdPauseResume"));

    f.Click("cmdPauseResume");
    QCOMPARE(f.Find<QPushButton>("cmdPauseResume")->text(), QString("Pause"));
    QVERIFY(f.clock->isActive());
    QCOMPARE(f.clock->interval(), 100);
    QVERIFY(!f.Enabled("cboRefreshPeriod"));
    QCOMPARE(f.Focus(), f.Find<QWidget>("cmdStop"));
    QTRY_VERIFY(f.Ajd() > paused);

    f.Click("cmdStop");
    f.ExpectIdle();
    QCOMPARE(f.Enabled("fraSearch"), searchBefore);  // given back as it was
    const double stopped = f.Ajd();
    QTest::qWait(150);
    QCOMPARE(f.Ajd(), stopped);
    QVERIFY(f.messages.shown.empty());
  }

  // A run ends by itself on a limit or when the instant leaves the admitted range; the message
  // is shown, the last step made stays.
  void runEndsWithItsMessage_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<double>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("beyond 3000") << kMaxAjd - 2.5 << 2 << true << kMaxAjd + 0.5 << "Latest date exceeded."
                                 << int(MessageIcon::kWarning);
    QTest::newRow("year limit") << At(-2997, 6, 1, 12) << 4 << false << At(-3000, 6, 1, 12)
                                << "Earliest admissible date reached." << int(MessageIcon::kNone);
  }
  void runEndsWithItsMessage() {
    QFETCH(double, start);
    QFETCH(int, step);
    QFETCH(bool, forward);
    Fixture f;
    f.Start();
    f.window->SetInstant(start);
    if (!forward) QTest::mouseClick(f.Find<QWidget>("optMoveDirection_1"), Qt::LeftButton);
    f.Repeatedly(step);
    f.Click("cmdMove");
    QVERIFY(f.window->rules().repeating());
    QTRY_VERIFY(!f.window->rules().repeating());
    f.ExpectIdle();
    QTEST(f.Ajd(), "end");
    QCOMPARE(f.messages.shown.size(), size_t(1));
    QTEST(QString::fromStdString(f.messages.shown[0].text), "message");
    QCOMPARE(f.messages.shown[0].title, std::string("Out of range"));
    QTEST(int(f.messages.shown[0].icon), "icon");
  }

  void singleMoveOneDayAndTheKeepBoxes() {
    Fixture f;
    f.Start();
    f.window->SetInstant(At(2023, 3, 21, 4));  // 79-40-02-30 CHL, a 30-day month
    QVERIFY(!f.Shown("chkKeep30th") && !f.Shown("chkKeepLeap"));
    f.Repeatedly(6);  // CHL month
    QVERIFY(f.Shown("chkKeep30th") && !f.Shown("chkKeepLeap"));
    f.Find<QCheckBox>("chkRepeatedly")->setChecked(false);
    QVERIFY(!f.Shown("chkKeep30th"));

    // A single move: one step, no run, and the box stays hidden on the new date's day 29.
    f.Click("cmdMove");
    QVERIFY(f.Text("lblChineseLunarDate_1").startsWith("79-40-2*-29 CHL 12:00 CCT"));
    QVERIFY(!f.Shown("fraStopPauseResume"));
    QCOMPARE(f.Focus(), f.Find<QWidget>("cmdMove"));

    f.window->SetInstant(At(2023, 3, 31, 4));  // 79-40-2*-10 CHL
    f.Repeatedly(7);                           // CHL year
    QVERIFY(f.Shown("chkKeepLeap") && !f.Shown("chkKeep30th"));
    f.Find<QCheckBox>("chkKeepLeap")->setChecked(true);
    QCOMPARE(f.Find<QWidget>("chkKeepLeap")->palette().color(QPalette::WindowText), QColor(255, 255, 255));

    // "one day" unticks "repeatedly" and is refused at the end of the range.
    f.window->SetInstant(kMaxAjd - 0.5);
    f.Click("cmdMoveOneDay");
    QVERIFY(!f.Find<QCheckBox>("chkRepeatedly")->isChecked());
    QVERIFY(!f.Shown("chkKeepLeap"));
    QCOMPARE(f.Ajd(), kMaxAjd - 0.5);
    QCOMPARE(f.messages.shown.back().text, std::string("Latest date reached."));
  }

  // The window and the command-line tool make the same steps from the same typed date.
  void windowAndToolGiveTheSameDates() {
    for (const auto& [step, name] :
         {std::pair{6, "chl-month"}, std::pair{10, "chs-year"}, std::pair{3, "ce-month"}}) {
      Fixture f;
      f.Start();
      f.Find<QComboBox>("cboMoveStep")->setCurrentIndex(step);
      QTest::keyClicks(f.Find<QLineEdit>("txbDate"), "2024-01-31 CE");
      QTest::keyClicks(f.Find<QLineEdit>("txbTime"), "23:30");
      f.Find<QComboBox>("cboTimeZone")->setCurrentIndex(0);
      QStringList window;
      for (int i = 1; i <= 3; ++i) {
        f.Click("cmdMove");
        window << QStringList{QString::number(i), f.Text("lblCommonEraDate_1"),
                              f.Text("lblChineseLunarDate_1"), f.Text("lblChineseSolarDate_1"),
                              f.Text("lblVellomirCalendarCCT_1")}
                      .join('\t');
      }
      QVERIFY(f.messages.shown.empty());
      const auto cli = test::RunCli(
          std::string("move ") + name + " --count 3 '2024-01-31 CE' --time 23:30 --zone gmt --format tsv",
          false);
      QStringList tool;
      for (const QString& line : QString::fromStdString(cli.out).split('\n', Qt::SkipEmptyParts).mid(1)) {
        QStringList columns = line.split('\t');
        columns.removeAt(1);  // ut_ajd
        tool << columns.join('\t');
      }
      QCOMPARE(tool, window);
    }
  }

  // Waiting for the next tick of a 5 s period, and paused, the program sleeps in its event loop.
  void aWaitingRunUsesNoProcessor() {
    const int seconds = std::clamp(qEnvironmentVariableIntValue("MIRVO_IDLE_MEASURE_SECONDS"), 1, 60);
    Fixture f;
    f.Start(1.0);
    f.Find<QComboBox>("cboRefreshPeriod")->setCurrentIndex(3);
    f.Repeatedly(2);
    f.Click("cmdMove");
    for (const char* state : {"waiting", "paused"}) {
      if (state[0] == 'p') f.Click("cmdPauseResume");
      const int span = state[0] == 'w' ? std::min(seconds, 4) : seconds;  // before the tick is due
      const double before = ProcessorSeconds();
      RunEventLoop(span * 1000);
      const double used = ProcessorSeconds() - before;
      qInfo("processor time %s for %d s: %.3f s", state, span, used);
      QVERIFY2(used < 0.1 * span, state);
    }
    f.Click("cmdStop");
  }
};

QTEST_MAIN(MoveRowTest)
#include "move_qtest.moc"
