// The saved state through the main window and the real files: start-up with a state file, Save
// and Restore, damaged files, a write that fails part-way, and the scripted start of the program.
#include <sys/resource.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "features/session/MainRules.h"
#include "features/state/StateFile.h"
#include "platform/qt/QtTextFiles.h"
#include "tests/support/WindowFixture.h"
#include "ui/main/frmMain.h"

using namespace mirvo;

namespace {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

// A state file that sets 2440000.25 AJD, the mean sun and the label "PEK" for 120 degrees east.
QByteArray PreparedState() {
  StateRecord state;
  state.ajd = 2440000.25;
  state.settings.sunMethod = kMeanSun;
  state.settings.zoneLabels[20] = "PEK";
  return QByteArray::fromStdString(StateFileText(state));
}

// One run of the window over a state file in a folder of its own.
struct Run : WindowFixture {
  Run(MemorySettingsStore& store, TextFiles& files, const QString& path) {
    this->store = &store;
    if (!Open(&files, path.toStdString())) qFatal("no start");
  }
};

bool NearNow(double ajd) { return std::abs(ajd - CurrentAjd()) < 0.01; }

}  // namespace

class SavedStateWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString Path() const { return dir_.filePath("mirvo.usr"); }
  MemorySettingsStore store_;
  QtTextFiles files_;

 private Q_SLOTS:
  void init() { QFile::remove(Path()); }

  void saveThenRestartShowsTheSameState() {
    {
      Run r(store_, files_, Path());
      r.window->SetInstant(2451000.123456789);
      r.Find<QComboBox>("cboEpoch")->setCurrentIndex(1);
      r.Find<QCheckBox>("chkAutoLog")->click();
      r.Click("cmdLogPreferences");
      r.Find<QCheckBox>("chkIncludeAJD")->click();
      r.Click("cmdSaveState");
      QVERIFY(!r.Enabled("cmdSaveState") && !r.Enabled("cmdRestoreState"));
      const QByteArray first = FileBytes(Path());
      QVERIFY(first.endsWith("\r\n") && first.count('\n') == kStateFileLines);
      r.window->SetInstant(2451001.5);
      QVERIFY(r.Enabled("cmdSaveState"));
      r.window->SetInstant(2451000.123456789);
      r.Click("cmdSaveState");
      QCOMPARE(FileBytes(Path()), first);
      r.window->close();  // closing saves too
      QCOMPARE(FileBytes(Path()), first);
    }
    Run r(store_, files_, Path());
    QCOMPARE(r.window->CurrentAjd(), 2451000.123456789);
    QCOMPARE(r.window->CurrentCalendar(), static_cast<int>(kCalCHL));
    QVERIFY(r.Find<QComboBox>("cboEpoch")->currentText().startsWith("-2636"));
    QVERIFY(r.Find<QCheckBox>("chkAutoLog")->isChecked());
    QVERIFY(!r.Enabled("cmdSaveState"));
    r.Click("cmdAddToLog");
    QVERIFY(r.window->findChild<QObject*>("frmLog") != nullptr);
    QVERIFY(r.Find<QLabel>("lblAstronomicalJulianDate_1")->text().contains("2,451,000.1235 AJD"));
    QVERIFY(r.messages.shown.empty());
  }

  // A CE century from 2950 shows 3050, beyond the admitted range: that instant and every choice
  // come back at the next start and from "Restore state".
  void aMoveBeyondTheRangeIsKept() {
    const double beyond = JdnOfCeDate(3050, 6, 1) - 0.5 + 9.0 / 24;
    {
      Run r(store_, files_, Path());
      r.window->SetInstant(JdnOfCeDate(2950, 6, 1) - 0.5 + 9.0 / 24);
      r.Choose("cboMoveStep", 5);  // CE century
      r.Choose("cboMethod", 1);
      r.Find<QCheckBox>("chkShowVMC")->click();
      r.Click("cmdMove");
      QVERIFY(r.Text("lblCommonEraDate_1").startsWith("3050-06-01 CE 09:00 GMT"));
      r.Click("cmdQuit");
    }
    Run r(store_, files_, Path());
    QCOMPARE(r.window->CurrentAjd(), beyond);
    QCOMPARE(r.Find<QComboBox>("cboMoveStep")->currentIndex(), 5);
    QCOMPARE(r.Find<QComboBox>("cboMethod")->currentText(), QString("mean sun"));
    QVERIFY(!r.Find<QCheckBox>("chkShowVMC")->isChecked());
    r.window->SetInstant(2451545);
    r.Click("cmdRestoreState");
    QCOMPARE(r.window->CurrentAjd(), beyond);
  }

  void anEditedZoneLabelSurvives() {
    WriteFile(Path(), PreparedState());
    {
      Run r(store_, files_, Path());
      QCOMPARE(r.window->CurrentAjd(), 2440000.25);
      QCOMPARE(r.Find<QLabel>("txbCCT")->text(), QString("PEK"));
      QVERIFY(r.Find<QLabel>("lblChineseLunarDate_1")->text().endsWith(" PEK"));
      QCOMPARE(r.Find<QComboBox>("cboMethod")->currentText(), QString("mean sun"));
      r.Click("cmdSaveState");
    }
    QVERIFY(FileBytes(Path()).contains("\r\n\"PEK\"\r\n"));
    Run r(store_, files_, Path());
    QCOMPARE(r.Find<QLabel>("txbCCT")->text(), QString("PEK"));
  }

  void damagedFilesLeadToTheDefaultsAndThePresent_data() {
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary;
    for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 131) % 256);
    const QByteArray good = PreparedState();
    const QByteArray rest = good.mid(good.indexOf('\n') + 1);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << binary;
    QTest::newRow("10 MB") << good + QByteArray(10 << 20, '1');
    QTest::newRow("NaN") << "NaN\r\n" + rest;
    QTest::newRow("1e300") << "1e300\r\n" + rest;
    QTest::newRow("-5e9") << "-5e9\r\n" + rest;
    QTest::newRow("text for a number") << QByteArray(good).replace("\r\n6\r\n", "\r\nsix\r\n");
  }
  void damagedFilesLeadToTheDefaultsAndThePresent() {
    QFETCH(QByteArray, bytes);
    WriteFile(Path(), bytes);
    Run r(store_, files_, Path());
    QVERIFY(NearNow(r.window->CurrentAjd()));
    QCOMPARE(r.Find<QComboBox>("cboMoveStep")->currentIndex(), 6);
    QVERIFY(r.Find<QCheckBox>("chkShowVMC")->isChecked());
    QVERIFY(r.messages.shown.empty());
    QCOMPARE(FileBytes(Path()), bytes);  // starting writes nothing
  }

  // A short file keeps what its lines held; Reset and the present moment do the rest.
  void aShortFileRestoresItsLines() {
    StateRecord state;
    state.ajd = 2440000.25;
    state.settings.epoch = Epoch::kYounger;
    state.settings.moveStep = 3;
    state.settings.zoneLabels[0] = "XYZ";
    state.log.jc = true;
    const QByteArray text = QByteArray::fromStdString(StateFileText(state));
    qsizetype end = 0;
    for (int i = 0; i < 40; ++i) end = text.indexOf('\n', end) + 1;
    WriteFile(Path(), text.left(end));
    Run r(store_, files_, Path());
    QVERIFY(NearNow(r.window->CurrentAjd()));
    QVERIFY(r.Find<QComboBox>("cboEpoch")->currentText().startsWith("-2636"));
    QCOMPARE(r.Find<QComboBox>("cboMoveStep")->currentIndex(), 6);
    QCOMPARE(r.window->rules().settings().zoneLabels[0], std::string("XYZ"));
    r.Click("cmdLogPreferences");
    QVERIFY(r.Find<QCheckBox>("chkIncludeJC")->isChecked());
  }

  void restoreAsksAboutTheLogConfiguration() {
    WriteFile(Path(), PreparedState());
    Run r(store_, files_, Path());
    r.window->SetInstant(2450000.5);
    r.Click("cmdLogPreferences");
    r.Find<QCheckBox>("chkIncludeCE")->click();  // off
    r.messages.answers = {MessageAnswer::kNo};
    r.Click("cmdRestoreState");
    QCOMPARE(r.messages.shown.back().text, std::string("Restore previous log configuration also?"));
    QCOMPARE(r.window->CurrentAjd(), 2440000.25);
    QVERIFY(r.Find<QLabel>("lblAstronomicalJulianDate_1")->text().startsWith("2,440,000.2500"));
    QVERIFY(!r.Find<QCheckBox>("chkIncludeCE")->isChecked());
    QVERIFY(!r.Enabled("cmdRestoreState"));
    r.window->SetInstant(2450000.5);
    r.Click("cmdRestoreState");  // Yes
    QVERIFY(r.Find<QCheckBox>("chkIncludeCE")->isChecked());
  }

  // The disk fills part-way through a save: the previous file stays whole.
  void aFailedWriteLeavesTheOldFile() {
    WriteFile(Path(), PreparedState());
    Run r(store_, files_, Path());
    r.window->SetInstant(2450000.5);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 200;
    setrlimit(RLIMIT_FSIZE, &small);
    r.Click("cmdSaveState");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(FileBytes(Path()), PreparedState());
    QCOMPARE(r.messages.shown.size(), size_t(1));
    QCOMPARE(r.messages.shown[0].title, std::string("Save state"));
    QVERIFY(r.messages.shown[0].text.rfind("Error when attempting to save the state: ", 0) == 0);
    QVERIFY(r.Enabled("cmdSaveState"));
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"mirvo.usr"});  // no leftovers
  }

  // The scripted start reads the state file of a fresh data folder, as a normal start does.
  void printLabelsShowsTheSavedInstant() {
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("data/Brisvale_Systems"));
    const QString file = home.filePath("data/Brisvale_Systems/mirvo.usr");
    WriteFile(file, PreparedState());
    QProcess mirvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    mirvo.setProcessEnvironment(env);
    mirvo.start(QString(MIRVO_DATA_DIR) + "/mirvo", {"--print-labels"});
    QVERIFY(mirvo.waitForFinished(60000));
    QCOMPARE(mirvo.exitCode(), 0);
    const QString out = QString::fromUtf8(mirvo.readAllStandardOutput());
    QVERIFY2(out.contains("\t2,440,000.2500 AJD\n"), qPrintable(out));
    QVERIFY2(out.contains(" PEK\n"), qPrintable(out));
    QCOMPARE(FileBytes(file), PreparedState());
  }
};

QTEST_MAIN(SavedStateWindowTest)
#include "SavedState_qtest.moc"
