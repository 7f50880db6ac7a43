// The user manual beside the program and the help window describe the program as it is: nothing
// is announced as missing, both name every command of the main window, the manual every command
// of mirvo-cli.
#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

#include "tests/support/WindowFixture.h"
#include "ui/help/frmHelp.h"

using namespace mirvo;

class HelpTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theManualAndTheHelpDescribeEveryCommand() {
    QFile file(QString(MIRVO_DATA_DIR) + "/manual.html");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument manual, help;  // as a reader sees them: tags gone, entities decoded
    manual.setHtml(QString::fromUtf8(file.readAll()));
    help.setHtml(HelpText());
    WindowFixture f;
    QVERIFY(f.Open());
    QStringList commands;
    for (QPushButton* b : f.window->findChildren<QPushButton*>()) {
      if (b->objectName() != "cmdTest" && b->objectName() != "cmdCompareSuns")
        commands << b->text().replace("&&", "&");
    }
    for (QCheckBox* c : f.window->findChildren<QCheckBox*>()) commands << c->text();
    QProcess cli;
    cli.start(MIRVO_CLI_PATH, {"--help"});
    QVERIFY(cli.waitForFinished(30000));
    auto tool = QRegularExpression("^  ([a-z-]+)  ", QRegularExpression::MultilineOption)
                    .globalMatch(QString::fromUtf8(cli.readAllStandardOutput()));
    const QRegularExpression missing("not (yet )?(available|implemented)|(later|future) version",
                                     QRegularExpression::CaseInsensitiveOption);
    for (QTextDocument* document : {&manual, &help}) {
      const QString text = document->toPlainText().simplified();
      QVERIFY2(!missing.match(text).hasMatch(), qPrintable(missing.match(text).captured()));
      for (const QString& command : commands) QVERIFY2(text.contains(command), qPrintable(command));
    }
    for (int named = 0; tool.hasNext() || named < 14; ++named) {
      QVERIFY(tool.hasNext());
      const QString command = tool.next().captured(1);
      QVERIFY2(manual.toPlainText().contains(QRegularExpression("\\b" + command + "\\b")),
               qPrintable(command));
    }
  }
};

QTEST_MAIN(HelpTest)
#include "Help_qtest.moc"
