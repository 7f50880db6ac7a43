// The user manual shipped beside the program and the help window describe the program as it is:
// nothing is announced as missing, and both name every command of the main window; the manual
// also names every command of mirvo-cli.
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

namespace {

// The text a reader sees: tags gone, entities decoded, line breaks of the source as blanks.
QString Readable(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText().simplified();
}

QString Manual() {
  QFile file(QString(MIRVO_DATA_DIR) + "/manual.html");
  if (!file.open(QIODevice::ReadOnly)) qFatal("no manual beside the program");
  return Readable(QString::fromUtf8(file.readAll()));
}

// The captions of the main window's commands and switches, as a reader sees them ("&&" is "&").
QStringList Commands(WindowFixture& f) {
  QStringList captions;
  for (QPushButton* b : f.window->findChildren<QPushButton*>()) {
    if (b->objectName() == "cmdTest" || b->objectName() == "cmdCompareSuns") continue;  // hidden checks
    captions << b->text().replace("&&", "&");
  }
  for (QCheckBox* c : f.window->findChildren<QCheckBox*>()) captions << c->text();
  return captions;
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void nothingIsAnnouncedAsMissing() {
    const QRegularExpression missing(
        "not (yet )?(available|implemented|supported)|not in this version|(later|future|next) version|"
        "coming soon|to be added",
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& text : {Manual(), Readable(HelpText())}) {
      const QRegularExpressionMatch found = missing.match(text);
      QVERIFY2(!found.hasMatch(), qPrintable(text.mid(std::max<qsizetype>(0, found.capturedStart() - 80), 160)));
    }
  }

  void bothNameEveryCommandOfTheMainWindow() {
    WindowFixture f;
    QVERIFY(f.Open());
    const QString manual = Manual();
    const QString help = Readable(HelpText());
    const QStringList commands = Commands(f);
    QVERIFY(commands.size() >= 25);
    for (const QString& command : commands) {
      QVERIFY2(manual.contains(command), qPrintable("the manual does not name " + command));
      QVERIFY2(help.contains(command), qPrintable("the help does not name " + command));
    }
  }

  void theManualNamesEveryCommandOfTheTool() {
    QProcess cli;
    cli.start(MIRVO_CLI_PATH, {"--help"});
    QVERIFY(cli.waitForFinished(30000));
    const QString usage = QString::fromUtf8(cli.readAllStandardOutput());
    const QString manual = Manual();
    int named = 0;
    for (const QString& line : usage.split('\n')) {
      const QRegularExpressionMatch command = QRegularExpression("^  ([a-z-]+)  ").match(line);
      if (!command.hasMatch()) continue;
      ++named;
      QVERIFY2(QRegularExpression("\\b" + command.captured(1) + "\\b").match(manual).hasMatch(),
               qPrintable("the manual does not name mirvo-cli " + command.captured(1)));
    }
    QVERIFY(named >= 14);
  }
};

QTEST_MAIN(HelpTest)
#include "Help_qtest.moc"
