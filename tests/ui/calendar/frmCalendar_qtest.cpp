// The calendar month window as a user meets it: step buttons, today's frame, saving through a
// scripted Save dialog with the messages recorded.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/Services.h"
#include "tests/support/TestDoubles.h"
#include "ui/calendar/frmCalendar.h"

using namespace mirvo;

namespace {

// 2033: month 11 from 11-22 (30 days), leap month 11* from 12-22 (29 days), month 12 from 2034-01-20.
const int32_t kLeapMonth11 = JdnOfCeDate(2033, 12, 22);

struct Fixture {
  Reckoner reckoner;
  RecordingMessages messages;
  ScriptedDialogs dialogs;
  int32_t today = kLeapMonth11 + 9;
  frmCalendar window{reckoner, CalendarServices{&messages, &dialogs, [this] { return today; },
                                                [] { return true; }, nullptr}};

  Fixture() { window.setJdn1stOfMonth(kLeapMonth11); }
  void Click(const char* name) {
    auto* b = window.findChild<QPushButton*>(name);
    if (!b) qFatal("no button %s", name);
    QTest::mouseClick(b, Qt::LeftButton);
  }
  QString Label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
  // The pixel on the left edge of the frame of cell n, halfway down.
  QColor FramePixel(const QImage& page, int n) {
    using G = MonthPageGeometry;
    const int x = (n % 8) * G::kCellWidth + G::kLeft - 10;
    const int y = (n / 8) * G::kCellHeight + G::kTop + G::kCellHeight / 2;
    return page.pixelColor(x, y);
  }
};

}  // namespace

class CalendarWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void stepsByMonths() {
    Fixture f;
    f.window.show();
    QCOMPARE(f.Label("lblTitle"),
             QString("Leap month 11*  in the water-ox year (nian) at position 50 of cycle 79 (year 4730)"));
    f.Click("cmdShowPreviousOrNext_0");
    QCOMPARE(f.window.lngJDN1stOfMonth(), JdnOfCeDate(2033, 11, 22));
    QCOMPARE(f.Label("lblYearAndMonth"), QString("Common Era year 2033 (November-December)"));
    f.Click("cmdShowPreviousOrNext_1");
    f.Click("cmdShowPreviousOrNext_1");
    QCOMPARE(f.window.lngJDN1stOfMonth(), JdnOfCeDate(2034, 1, 20));
    f.Click("cmdClose");
    QVERIFY(!f.window.isVisible());
  }

  // The top right cell names what other tables may give differently, with the sentences in its
  // tooltip, and is empty for a month as sure as can be.
  void notesAnUncertainMonth() {
    Fixture f;
    f.window.setJdn1stOfMonth(JdnOfCeDate(2057, 9, 29));
    auto* note = f.window.findChild<QLabel*>("lblUncertain");
    QCOMPARE(note->text(), QString::fromStdString("Uncertain " + f.window.view().uncertainNote));
    QVERIFY(note->text().startsWith("Uncertain first day: new moon"));
    QCOMPARE(note->toolTip(), QString::fromStdString(f.window.view().uncertainty));
    f.window.setJdn1stOfMonth(kLeapMonth11);
    QVERIFY(note->text().isEmpty());
  }

  void framesTodayOnlyInItsMonth() {
    Fixture f;
    const QImage shown = f.window.PageImage();
    QCOMPARE(f.window.view().todayCell, 10);  // day 10
    QCOMPARE(f.FramePixel(shown, 10), QColor(255, 255, 0));
    QCOMPARE(f.FramePixel(shown, 11), QColor(198, 0, 0));
    f.window.cmdShowPreviousOrNext_Click(1);
    QCOMPARE(f.FramePixel(f.window.PageImage(), 10), QColor(198, 0, 0));
  }

  void savesThePageAsPng() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("month.png");
    f.dialogs.answer = path.toStdString();
    f.Click("cmdSaveCalendarImage");
    QImage saved;
    QVERIFY(saved.load(path, "PNG"));
    QCOMPARE(saved.size(), QSize(920, 592));
    QCOMPARE(saved, f.window.PageImage().convertToFormat(saved.format()));
    QCOMPARE(f.messages.shown.size(), size_t{1});
    QCOMPARE(f.messages.shown[0].text, "The image has been saved in the PNG file\n" + path.toStdString());
  }

  void cancelAndUnwritablePaths() {
    Fixture f;
    f.Click("cmdSaveCalendarImage");
    QCOMPARE(f.dialogs.asked.size(), size_t{1});
    // The dialog offers a name for the month shown, in the user's pictures folder.
    QCOMPARE(f.dialogs.fileName, std::string("lunar-month-2033-11-leap.png"));
    QCOMPARE(f.dialogs.folder, StartFolder::kPictures);
    f.Click("cmdShowPreviousOrNext_1");
    f.Click("cmdSaveCalendarImage");
    QCOMPARE(f.dialogs.fileName, std::string("lunar-month-2033-12.png"));
    QVERIFY(f.messages.shown.empty());
    QTemporaryDir dir;
    f.dialogs.answer = dir.filePath("no such folder/month.png").toStdString();
    f.Click("cmdSaveCalendarImage");
    QCOMPARE(f.messages.shown.size(), size_t{1});
    QCOMPARE(f.messages.shown[0].text,
             std::string("Error when attempting to save image.  Please try again."));
    QVERIFY(QDir(dir.path()).isEmpty());
  }

  // Save dialogs open in the user's pictures or documents folder, or home when there is none.
  void theSaveDialogsStartInTheUsersFolders() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");  // no folders of the user's own choosing
    QVERIFY(QDir(home.path()).mkpath("Pictures"));
    QCOMPARE(StartFolderPath(StartFolder::kPictures), QDir(home.path()).filePath("Pictures"));
    QCOMPARE(StartFolderPath(StartFolder::kDocuments), QDir(home.path()).absolutePath());
    qputenv("HOME", oldHome);
  }

  void qtFilterOfTheSaveDialog() {
    QCOMPARE(QtFilterOf("PNG graphics file (*.png) | *.png"), QString("PNG graphics file (*.png)"));
    QCOMPARE(QtFilterOf("Bitmaps|*.bmp|PNG (*.png)|*.png"), QString("Bitmaps (*.bmp);;PNG (*.png)"));
  }
};

QTEST_MAIN(CalendarWindowTest)
#include "frmCalendar_qtest.moc"
