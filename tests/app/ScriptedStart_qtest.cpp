// The scripted starts of the desktop program when its data files are missing: with no one to
// close a message box, the error must end the run with a line on stderr, not wait for ever. And
// what it reads at a start: a FIFO in place of the saved state or the settings, a state file
// with a byte-order mark.
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "features/state/StateFile.h"

namespace {

struct Run {
  int code = -1;  // -1 when it did not end within a minute
  QString out, err;
  qint64 milliseconds = 0;
};

// The program of the build, with its data and settings folders in dir.
Run RunMirvo(const QTemporaryDir& dir, const QStringList& arguments, const QString& stdoutFile = {}) {
  QProcess mirvo;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_DATA_HOME", dir.filePath("data"));
  env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  mirvo.setProcessEnvironment(env);
  if (!stdoutFile.isEmpty()) mirvo.setStandardOutputFile(stdoutFile);
  QElapsedTimer clock;
  clock.start();
  mirvo.start(QString(MIRVO_DATA_DIR) + "/mirvo", arguments);
  Run run;
  if (mirvo.waitForFinished(60000)) run.code = mirvo.exitCode();
  run.milliseconds = clock.elapsed();
  run.out = QString::fromUtf8(mirvo.readAllStandardOutput());
  run.err = QString::fromUtf8(mirvo.readAllStandardError());
  return run;
}

}  // namespace

class ScriptedStartTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void specialAndMarkedStateFiles();
  void missingProgramTextsEndTheRunWithAnError() {
    QTemporaryDir dir;
    const QString program = dir.filePath("mirvo");
    QVERIFY(QFile::copy(QString(MIRVO_DATA_DIR) + "/mirvo", program));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    for (const QStringList& arguments :
         {QStringList{"--print-labels"}, QStringList{"--screenshot", dir.filePath("shot.png")}}) {
      QProcess mirvo;
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("XDG_DATA_HOME", dir.filePath("data"));
      env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
      env.insert("QT_QPA_PLATFORM", "offscreen");
      mirvo.setProcessEnvironment(env);
      mirvo.setWorkingDirectory(dir.path());
      mirvo.start(program, arguments);
      QVERIFY2(mirvo.waitForFinished(60000), qPrintable(arguments.join(' ')));
      QCOMPARE(mirvo.exitCode(), 1);
      const QString err = QString::fromUtf8(mirvo.readAllStandardError());
      QVERIFY2(err.contains("Cannot open file containing program text."), qPrintable(err));
      QVERIFY(mirvo.readAllStandardOutput().isEmpty());
      QVERIFY(!QFile::exists(dir.filePath("shot.png")));
    }
  }
  // --calendar-png draws the month of the country chosen in Settings: Japan's month page of July
  // 2024 holds its own seasonal days (土用), not China's (三伏).
  void calendarPngDrawsTheStoredCountry() {
    QTemporaryDir dir;
    auto picture = [&dir](const QString& name) {
      const QString file = dir.filePath(name);
      QFile png(file);
      if (RunMirvo(dir, {"--calendar-png", file, "--date", "2024-07-24 CE"}).code != 0) return QByteArray();
      return png.open(QIODevice::ReadOnly) ? png.readAll() : QByteArray();
    };
    const QByteArray china = picture("china.png");
    QVERIFY(QDir().mkpath(dir.filePath("config/Brisvale Systems")));
    QFile conf(dir.filePath("config/Brisvale Systems/MIRVO.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write("[General]\ncboRefLong=2\n");
    conf.close();
    const QByteArray japan = picture("japan.png");
    QVERIFY(!china.isEmpty() && !japan.isEmpty());
    QVERIFY(china != japan);
  }
};

// A FIFO where the saved state and the settings belong is ignored, as a damaged file is: the
// window starts at the present moment as fast as from a state file. A state file that an editor
// saved with a byte-order mark is read, and a tab in one of its zone labels adds no column to
// --print-labels, whose lost output is a failure.
void ScriptedStartTest::specialAndMarkedStateFiles() {
  QTemporaryDir dir;
  QVERIFY(QDir().mkpath(dir.filePath("data/Brisvale_Systems")) &&
          QDir().mkpath(dir.filePath("config/Brisvale Systems")));
  const QString state = dir.filePath("data/Brisvale_Systems/mirvo.usr");
  mirvo::StateRecord saved;
  saved.ajd = 2451545.0;  // 2000-01-01 12:00 UT
  saved.settings.zoneLabels[20] = "C\tCT";
  QFile file(state);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("\xEF\xBB\xBF" + QByteArray::fromStdString(mirvo::StateFileText(saved)));
  file.close();
  const Run marked = RunMirvo(dir, {"--print-labels"});
  QCOMPARE(marked.code, 0);
  QVERIFY2(marked.out.startsWith("Common Era (Gregorian):\t2000-01-01 CE"), qPrintable(marked.out));
  QVERIFY2(marked.out.count('\t') == marked.out.count('\n') && marked.out.contains("C CT"),
           qPrintable(marked.out));

  QVERIFY(QFile::remove(state));
  QCOMPARE(mkfifo(QFile::encodeName(state).constData(), 0644), 0);
  QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("config/Brisvale Systems/MIRVO.conf")).constData(), 0644),
           0);
  const Run fifo = RunMirvo(dir, {"--print-labels"});
  QCOMPARE(fifo.code, 0);
  const QString today = QDateTime::currentDateTimeUtc().toString("yyyy-MM-dd");
  QVERIFY2(fifo.out.contains("\t" + today + " CE"), qPrintable(fifo.out));
  QVERIFY2(fifo.milliseconds < marked.milliseconds + 1000, qPrintable(QString::number(fifo.milliseconds)));

  // Output that is lost is a failure.
  const Run full = RunMirvo(dir, {"--print-labels"}, "/dev/full");
  QCOMPARE(full.code, 1);
  QVERIFY2(full.err.contains("the output could not be written: No space left on device"),
           qPrintable(full.err));
}

QTEST_MAIN(ScriptedStartTest)
#include "ScriptedStart_qtest.moc"
