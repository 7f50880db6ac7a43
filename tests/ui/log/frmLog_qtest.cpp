// The log as a user meets it in the main window: "Add to log", "View log", "Clear log", "Auto log",
// the log window and the configuration window; message boxes recorded instead of shown.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "features/session/MainRules.h"
#include "tests/support/WindowFixture.h"
#include "ui/main/frmMain.h"

using namespace mirvo;

namespace {

struct Fixture : WindowFixture {
  Fixture() {
    if (!Open()) qFatal("no start");
    window->SetInstant(2456965.6666666665);  // 79-31-9*-12 CHL
  }
  QString Log() { return Find<QPlainTextEdit>("txbText")->toPlainText(); }
  QString Chl() { return Find<QLabel>("lblChineseLunarDate_1")->text(); }
};

}  // namespace

class LogWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void addViewCopyAndClear() {
    Fixture f;
    QVERIFY(!f.Shown("cmdViewLog") && !f.Shown("cmdClearLog"));
    f.Click("cmdAddToLog");
    QVERIFY(f.Shown("cmdViewLog") && f.Shown("cmdClearLog"));
    QCOMPARE(f.window->focusWidget(), f.Find("cmdViewLog"));
    // The first entry follows the window's caption and an empty line.
    QVERIFY(f.Log().startsWith(f.window->windowTitle() + "\n\n" + f.Chl() + "\n= the 12th day"));
    f.Click("cmdAddToLog");
    QCOMPARE(f.Log().count(f.window->windowTitle()), 1);

    f.Click("cmdViewLog");
    QWidget* log = f.Find("frmLog");
    QVERIFY(log->isVisible());
    QCOMPARE(log->windowTitle(), QString("Log for Vantrel"));
    QCOMPARE(log->geometry().top(), f.window->geometry().top() + 775 / 15);
    f.Click("cmdCopyToClipboard");
    QCOMPARE(QString::fromStdString(f.clipboard.Text()), f.Log());
    f.Click("cmdClose");  // the log window's own
    QVERIFY(!log->isVisible());
    QVERIFY(f.Shown("cmdViewLog"));

    f.messages.answers = {MessageAnswer::kCancel};
    f.Click("cmdClearLog");
    QVERIFY(!f.Log().isEmpty());
    f.Click("cmdClearLog");
    QCOMPARE(f.messages.shown.back().text, std::string("Erase all data in the log?"));
    QVERIFY(f.Log().isEmpty());
    QVERIFY(!f.Shown("cmdViewLog") && !f.Shown("cmdClearLog"));
    f.Find<QPushButton>("cmdViewLog")->click();
    QCOMPARE(f.messages.shown.back().title, std::string("View Log"));
    QCOMPARE(f.messages.shown.back().text, std::string("Log is empty"));
    // A new entry repeats the caption.
    f.Click("cmdAddToLog");
    QVERIFY(f.Log().startsWith(f.window->windowTitle() + "\n\n"));
  }

  // The close box warns that the log is lost: Cancel goes back to it, OK discards it.
  void theCloseBoxLosesTheLogUnlessTheUserGoesBack() {
    Fixture f;
    f.Click("cmdAddToLog");
    f.Click("cmdViewLog");
    QWidget* log = f.Find("frmLog");
    QCOMPARE(f.Find<QPushButton>("cmdClear", log)->text(), QString("Clear log"));
    f.messages.answers = {MessageAnswer::kCancel};
    log->close();
    QCOMPARE(f.messages.shown.back().title, std::string("Close log"));
    QCOMPARE(f.messages.shown.back().buttons, MessageButtons::kOkCancel);
    QVERIFY(log->isVisible() && !f.Log().isEmpty());
    log->close();  // OK
    QVERIFY(!log->isVisible() && f.Log().isEmpty());
    QVERIFY(!f.Shown("cmdViewLog") && !f.Shown("cmdClearLog"));
  }

  // Text typed at the end of the log keeps its line: an automatic heading starts a new one.
  void anAutomaticHeadingStartsOnANewLine() {
    Fixture f;
    f.Find<QCheckBox>("chkAutoLog")->click();
    f.Click("cmdAddToLog");
    f.Click("cmdViewLog");
    f.Find<QPlainTextEdit>("txbText")->moveCursor(QTextCursor::End);
    QTest::keyClicks(f.Find<QPlainTextEdit>("txbText"), "By hand.");
    f.Click("cmdMove");
    QVERIFY2(f.Log().contains("\nBy hand.\nMove forward 1 CHL month\n"), qPrintable(f.Log()));
  }

  void autoLogHeadsTheEntries() {
    Fixture f;
    f.window->rules().MarkSaved(true);
    QTest::mouseClick(f.Find<QCheckBox>("chkAutoLog"), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(f.window->rules().settings().autoLog);
    QVERIFY(f.Find("cmdSaveState")->isEnabled());
    f.Click("cmdNow");
    QVERIFY(f.Log().contains("\n\nNow\n---\n"));
    f.window->Recalculate(kLogOneDay);
    QVERIFY(f.Log().contains("\nMove forward one day \n---------------------\n"));
    QVERIFY(f.Shown("cmdViewLog"));
    // A repeated run disables View and Clear, and keeps the state from being saved meanwhile.
    f.window->rules().SetRepeating(true);
    f.window->Recalculate(kLogMove);
    QVERIFY(!f.Find("cmdViewLog")->isEnabled() && !f.Find("cmdClearLog")->isEnabled());
    QVERIFY(!f.Find("cmdSaveState")->isEnabled() && !f.Find("cmdRestoreState")->isEnabled());
  }

  void configuringTheEntries() {
    Fixture f;
    f.Click("cmdLogPreferences");
    QWidget* prefs = f.Find("frmLogPreferences");
    QVERIFY(prefs->isVisible());
    auto* verbose = f.Find<QCheckBox>("chkVerbose");
    auto* ganzhi = f.Find<QCheckBox>("chkIncludeGanzhi");
    QVERIFY(f.Find<QCheckBox>("chkIncludeChL")->isChecked() &&
            !f.Find<QCheckBox>("chkIncludeCJDC")->isChecked());
    verbose->click();
    QVERIFY(!ganzhi->isEnabled() && ganzhi->isChecked());
    f.Click("cmdSetClear_0");
    QVERIFY(ganzhi->isEnabled() && f.Find<QCheckBox>("chkViewLogWhenAdd")->isChecked());
    f.Click("cmdSetClear_1");
    f.window->rules().MarkSaved(true);
    QTest::mouseClick(prefs->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(!prefs->isVisible());
    // Nothing ticked: the lunar date is.
    for (QCheckBox* box : prefs->findChildren<QCheckBox*>()) {
      QCOMPARE(box->isChecked(), box->objectName() == "chkIncludeChL");
    }
    QVERIFY(f.Find("cmdSaveState")->isEnabled());
    f.Click("cmdAddToLog");
    QVERIFY(f.Log().endsWith("\n\n" + f.Chl() + "\n\n"));

    // With "View log after adding an entry" the log opens at once.
    f.Click("cmdLogPreferences");
    f.Find<QCheckBox>("chkViewLogWhenAdd")->click();
    f.Click("cmdAddToLog");
    QVERIFY(f.Find("frmLog")->isVisible());
  }
};

QTEST_MAIN(LogWindowTest)
#include "frmLog_qtest.moc"
