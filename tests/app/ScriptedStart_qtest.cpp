// The scripted starts of the desktop program when its data files are missing: with no one to
// close a message box, the error must end the run with a line on stderr, not wait for ever.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ScriptedStartTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
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

QTEST_MAIN(ScriptedStartTest)
#include "ScriptedStart_qtest.moc"
