// The scripted starts of the desktop program when its data files are missing: with no one to
// close a message box, the error must end the run with a line on stderr, not wait for ever. And
// what it reads and writes at a start: a FIFO in place of the saved state or the settings, a
// state file with a byte-order mark, output that is lost, a picture written through a link.
#include <sys/stat.h>

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/main/StateFile.h"

namespace {

// Runs the program of the build with its data and settings folders in dir.
struct Run {
  int code = -1;
  QString out, err;
  qint64 milliseconds = 0;
};

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
  if (!mirvo.waitForFinished(60000)) {
    mirvo.kill();
    mirvo.waitForFinished();
    return run;
  }
  run.milliseconds = clock.elapsed();
  run.code = mirvo.exitStatus() == QProcess::NormalExit ? mirvo.exitCode() : -1;
  run.out = QString::fromUtf8(mirvo.readAllStandardOutput());
  run.err = QString::fromUtf8(mirvo.readAllStandardError());
  return run;
}

// The value of the Common Era row of --print-labels.
QString CeValue(const QString& labels) {
  for (const QString& line : labels.split('\n')) {
    if (line.startsWith("Common Era")) return line.section('\t', 1);
  }
  return {};
}

}  // namespace

class ScriptedStartTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void specialAndMarkedStateFiles();
  void outputFailuresAndLinks();
  void missingProgramTextsEndTheRunWithAnError() {
    QTemporaryDir dir;
    const QString program = dir.filePath("mirvo");
    QVERIFY(QFile::copy(QString(MIRVO_DATA_DIR) + "/mirvo", program));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    for (const QStringList& arguments : {QStringList{"--print-labels"},
                                         QStringList{"--screenshot", dir.filePath("shot.png")}}) {
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
};

// A FIFO where the saved state and the settings belong is ignored, as a damaged file is: the
// window starts at the present moment as fast as it starts from a state file. A state file that
// an editor saved with a byte-order mark is read, and a tab in a zone label it holds does not
// add a column to --print-labels.
void ScriptedStartTest::specialAndMarkedStateFiles() {
  QTemporaryDir dir;
  QVERIFY(QDir().mkpath(dir.filePath("data/Brisvale_Systems")));
  QVERIFY(QDir().mkpath(dir.filePath("config/Brisvale Systems")));
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
  QVERIFY2(CeValue(marked.out).startsWith("2000-01-01 CE"), qPrintable(marked.out));
  for (const QString& line : marked.out.trimmed().split('\n')) QVERIFY2(line.count('\t') == 1, qPrintable(line));

  QVERIFY(QFile::remove(state));
  QCOMPARE(mkfifo(QFile::encodeName(state).constData(), 0644), 0);
  QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("config/Brisvale Systems/MIRVO.conf")).constData(), 0644), 0);
  const Run fifo = RunMirvo(dir, {"--print-labels"});
  QCOMPARE(fifo.code, 0);
  const QString today = QDate::currentDate().toString("yyyy-MM-dd");
  const QString yesterday = QDate::currentDate().addDays(-1).toString("yyyy-MM-dd");
  QVERIFY2(CeValue(fifo.out).startsWith(today) || CeValue(fifo.out).startsWith(yesterday), qPrintable(fifo.out));
  QVERIFY2(fifo.milliseconds < marked.milliseconds + 1000,
           qPrintable(QString("%1 ms against %2 ms").arg(fifo.milliseconds).arg(marked.milliseconds)));
}

// Lost output is a failure; a picture written through a symbolic link replaces the file it names
// and keeps its mode.
void ScriptedStartTest::outputFailuresAndLinks() {
  QTemporaryDir dir;
  const Run full = RunMirvo(dir, {"--print-labels"}, "/dev/full");
  QCOMPARE(full.code, 1);
  QVERIFY2(full.err.contains("the output could not be written: No space left on device"), qPrintable(full.err));

  const QString real = dir.filePath("page.png"), link = dir.filePath("link.png");
  QFile old(real);
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  QCOMPARE(chmod(QFile::encodeName(real).constData(), 0600), 0);
  QVERIFY(QFile::link("page.png", link));
  const Run png = RunMirvo(dir, {"--calendar-png", link, "--date", "2033-12-25 CE"});
  QCOMPARE(png.code, 0);
  QVERIFY(QFileInfo(link).isSymLink());
  QFile page(real);
  QVERIFY(page.open(QIODevice::ReadOnly));
  QCOMPARE(page.read(4), QByteArray("\x89PNG"));
  struct stat st {};
  QCOMPARE(stat(QFile::encodeName(real).constData(), &st), 0);
  QCOMPARE(st.st_mode & 07777, 0600u);
}

QTEST_MAIN(ScriptedStartTest)
#include "ScriptedStart_qtest.moc"
