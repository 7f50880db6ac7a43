// The data window as a user meets it: lists that appear, a long list stopped at once, copying,
// and the year data's options. Controls are found by name; message boxes are recorded.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/festivals/FestivalCalendar.h"
#include "platform/services/FileDialogs.h"
#include "tests/app/CliRun.h"
#include "tests/support/ICalendarRead.h"
#include "tests/support/TestDoubles.h"
#include "ui/data/frmData.h"

using namespace mirvo;

namespace {

struct Fixture {
  Reckoner reckoner;
  RecordingMessages messages;
  MemoryClipboard clipboard;
  ScriptedDialogs dialogs;
  MemoryTextFiles files;
  double ajd = JdnOfCeDate(2024, 2, 10);  // noon UT: 79-41-01-01 CHL at 120º E
  FestivalCalendar festivals = FestivalCalendar::Load(MIRVO_DATA_DIR);
  Language language = Language::kEnglish;
  frmData window{reckoner, &clipboard, &messages,
                 DataWindowSources{[this] {
                                     ListingInputs inputs = InputsOf(reckoner, ajd);
                                     inputs.festivals = &festivals;
                                     inputs.language = language;
                                     return inputs;
                                   },
                                   {},
                                   nullptr,
                                   nullptr,
                                   &dialogs,
                                   &files}};

  template <typename T>
  T* Find(const char* name) {
    T* w = window.findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("no control %s", name);
    return w;
  }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  bool Shown(const char* name) { return Find<QWidget>(name)->isVisible(); }
  QStringList Lines() { return window.Text().split('\n', Qt::SkipEmptyParts); }
  bool WaitForEnd(int ms = 20000) {
    QSignalSpy ended(&window, &frmData::listingEnded);
    return !window.IsListing() || ended.wait(ms);
  }
  void ListYears(int mode, const char* years) {
    window.OpenList(mode);
    QVERIFY(WaitForEnd());
    Find<QLineEdit>("txbNumYears")->setText(years);
    Click("cmdList");
  }
};

}  // namespace

class DataWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The main window's button lists at once with the default years; another number and Enter
  // list again with it, and the mode remembers it.
  void NewYearsAppearAndEnterListsAgain() {
    Fixture f;
    f.window.OpenList(kModeNewYears);
    QVERIFY(f.WaitForEnd());
    QCOMPARE(f.window.windowTitle(), QString("Lunar new years & anniversaries"));
    QCOMPARE(f.Find<QLineEdit>("txbNumYears")->text(), QString("20"));
    QVERIFY(f.Shown("chkOmitInvalidDates"));
    QVERIFY(!f.Shown("chkLeapMonthsOnly"));
    QVERIFY(!f.Shown("chkIncludeMajorSolarTerms"));
    QCOMPARE(f.Lines().size(), 3 + 20);
    QCOMPARE(f.Lines()[3], QString("79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1"));

    QLineEdit* years = f.Find<QLineEdit>("txbNumYears");
    years->clear();
    QTest::keyClicks(years, "a2");
    QTest::keyClick(years, Qt::Key_Return);
    QVERIFY(f.WaitForEnd());
    QCOMPARE(years->text(), QString("2"));
    QCOMPARE(f.Lines().size(), 3 + 2);

    // Another list starts from its own number; coming back finds the remembered one.
    f.window.OpenList(kModeMonths);
    QVERIFY(f.WaitForEnd());
    QCOMPARE(years->text(), QString("3"));
    QVERIFY(f.Shown("chkLeapMonthsOnly"));
    f.window.OpenList(kModeNewYears);
    QVERIFY(f.WaitForEnd());
    QCOMPARE(years->text(), QString("2"));
    QVERIFY(f.messages.shown.empty());

    // An instant whose lunar date the calendar does not serve lists nothing and says why.
    f.ajd = JdnOfCeDate(10000, 6, 1);
    f.window.OpenList(kModeNewYears);
    QVERIFY(f.WaitForEnd());
    QCOMPARE(f.messages.shown.size(), size_t{1});
    QCOMPARE(f.messages.shown[0].text, std::string("Lunar date is invalid."));
    QVERIFY(f.window.Text().isEmpty());
  }

  // Close reads "Stop" while a long list runs: the first press ends the list within 0.2 s and
  // leaves the window open, the second closes it.
  void StopEndsALongListAtOnce() {
    Fixture f;
    f.window.OpenList(kModeMonths);
    QVERIFY(f.WaitForEnd());
    QLineEdit* years = f.Find<QLineEdit>("txbNumYears");
    years->setText("9999");
    f.Click("cmdList");
    QTest::qWait(300);
    QVERIFY(f.window.IsListing());
    QPushButton* close = f.Find<QPushButton>("cmdClose");
    QCOMPARE(close->text(), QString("Stop"));
    QVERIFY(!f.Shown("chkLeapMonthsOnly"));
    const int linesBefore = static_cast<int>(f.Lines().size());
    QVERIFY(linesBefore > 3);  // the window shows the months while they are found

    QSignalSpy ended(&f.window, &frmData::listingEnded);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(ended.count() > 0 || ended.wait(1000));
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed()) + " ms"));
    QVERIFY(!f.window.IsListing());
    QCOMPARE(close->text(), QString("Close"));
    QVERIFY(f.window.isVisible());
    QVERIFY(f.Shown("chkLeapMonthsOnly"));

    f.Click("cmdClose");
    QVERIFY(!f.window.isVisible());
    QVERIFY(years->text().isEmpty());

    // A change of meridian in the main window ends a list that names the old one.
    years->setText("9999");
    f.window.OpenList(kModeMonths);
    QTest::qWait(100);
    QVERIFY(f.window.IsListing());
    f.reckoner.SetReferenceLongitude(105);
    QVERIFY(f.WaitForEnd(1000));
  }

  // Every list holds all its years: the European new years run to the end of the admitted range
  // (977 years, where a 64,512-character text box once ended them after about 650) and read
  // "Stop" on Close like the other long lists. The window answers between slices while the
  // longest list, 74,000 lines of month starts, goes in; its text is that of mirvo-cli.
  void LongListsHoldAllTheirYearsWhileTheWindowAnswers() {
    Fixture f;
    f.ListYears(kModeEuroNewYears, "9999");
    QCOMPARE(f.Find<QPushButton>("cmdClose")->text(), QString("Stop"));
    QVERIFY(f.WaitForEnd());
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(f.Lines().size(), 2 + 2 * 977 + 1);

    // The event loop turns between the slices of the list (how fast is the benchmark's concern).
    int turnsWhileListing = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
      if (f.window.IsListing()) ++turnsWhileListing;
    });
    f.ListYears(kModeMonths, "9999");
    turns.start(0);
    QVERIFY(f.WaitForEnd(120000));
    turns.stop();
    QVERIFY2(turnsWhileListing >= 10, qPrintable(QString::number(turnsWhileListing) + " turns"));
    QCOMPARE(f.window.Text().toStdString(),
             test::RunCli("list months --years 9999 2024-02-10 CE", false).out);
  }

  // A list ends at the end of the admitted range with a line that says so, as mirvo-cli prints
  // it; a list stopped, or ended by a changed setting, says after which year and why: the lunar
  // year whose first month is the last one listed.
  void ListsSayWhereAndWhyTheyEnded() {
    Fixture f;
    f.ajd = JdnOfCeDate(2990, 6, 1);
    f.window.OpenList(kModeEuroNewYears);
    QVERIFY(f.WaitForEnd());
    QCOMPARE(f.Lines().back(), QString("List ended at 3000-01-01 CE, the end of the admitted range."));
    QVERIFY(f.Lines()[f.Lines().size() - 3].startsWith("3000-01-01 CE = "));
    QCOMPARE(f.window.Text().toStdString(), test::RunCli("list euro-new-years 2990-06-01 CE", false).out);

    f.ajd = JdnOfCeDate(2024, 2, 10);
    for (const bool stop : {true, false}) {
      f.ListYears(kModeMonths, "9999");
      QTest::qWait(150);
      QVERIFY(f.window.IsListing());
      if (stop)
        f.Click("cmdClose");
      else
        f.reckoner.SetReferenceLongitude(105);
      QVERIFY(f.WaitForEnd());
      const QStringList lines = f.Lines();
      const QRegularExpression closing(
          stop ? "^List stopped by the user after the year (-?\\d+)\\.$"
               : "^List ended after the year (-?\\d+): the reference longitude was changed\\.$");
      const auto match = closing.match(lines.back());
      QVERIFY2(match.hasMatch(), qPrintable(lines.back()));
      const QString lastNewYear = *std::find_if(lines.rbegin(), lines.rend(),
                                                [](const QString& l) { return l.contains("-01-01  CHL"); });
      QCOMPARE(lastNewYear.mid(lastNewYear.indexOf("=  ") + 3).section('-', 0, -3), match.captured(1));
      f.reckoner.SetReferenceLongitude(120);
    }
  }

  // A long list shows the year it has reached, and the view stays on the newest lines unless the
  // user scrolls up; back at the bottom it follows again.
  void LongListsShowTheYearReachedAndFollowTheNewestLines() {
    Fixture f;
    f.ListYears(kModeMonths, "9999");
    QLabel* label = f.Find<QLabel>("lblYears");
    QScrollBar* bar = f.Find<QPlainTextEdit>("txbText")->verticalScrollBar();
    const QRegularExpression reached("^years +Calculating \\.\\.\\. year (-?\\d+)$");
    QTRY_VERIFY(reached.match(label->text()).hasMatch() && bar->maximum() > 0);
    const int first = reached.match(label->text()).captured(1).toInt();
    QTest::qWait(100);
    QVERIFY(f.window.IsListing());
    QVERIFY(reached.match(label->text()).captured(1).toInt() > first);
    QCOMPARE(bar->value(), bar->maximum());

    bar->setValue(bar->maximum() / 2);
    const int kept = bar->value(), maximum = bar->maximum();
    QTest::qWait(100);
    QVERIFY(f.window.IsListing());
    QVERIFY(bar->maximum() > maximum);
    QCOMPARE(bar->value(), kept);

    bar->setValue(bar->maximum());
    QTest::qWait(100);
    QVERIFY(f.window.IsListing());
    QCOMPARE(bar->value(), bar->maximum());
    f.Click("cmdClose");
    QVERIFY(f.WaitForEnd());
    QCOMPARE(label->text(), QString("years"));
  }

  // Copy takes the selection, or everything when nothing is selected; an empty window leaves
  // the clipboard alone.
  void CopySelectionOrAll() {
    Fixture f;
    f.clipboard.SetText("before");
    f.window.DoTest();  // shows the window with an empty text until the test writes
    f.Find<QPlainTextEdit>("txbText")->clear();
    f.Click("cmdCopyToClipboard");
    QCOMPARE(f.clipboard.Text(), std::string("before"));
    QVERIFY(f.WaitForEnd());

    f.window.OpenList(kModeEuroNewYears);
    QVERIFY(f.WaitForEnd());
    f.Click("cmdCopyToClipboard");
    QCOMPARE(QString::fromStdString(f.clipboard.Text()), f.window.Text());
    QVERIFY(f.clipboard.Text().rfind("Lunar calendar dates of New Years Day", 0) == 0);

    auto* text = f.Find<QPlainTextEdit>("txbText");
    QTextCursor cursor(text->document());
    cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 2);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    text->setTextCursor(cursor);
    QCOMPARE(f.Find<QPushButton>("cmdCopyToClipboard")->text(), QString("Copy selected text to clipboard"));
    f.Click("cmdCopyToClipboard");
    QCOMPARE(f.clipboard.Text(),
             std::string("2024-01-01 CE = 79-40-11-20 CHL\n"
                         "(jia-zi) day 20, (jia-zi) month 11, (gui-mao) year 40 of cycle 79\n"));
    QCOMPARE(f.Find<QPushButton>("cmdCopyToClipboard")->text(), QString("Copy to clipboard"));
  }

  // The year data reruns when a solar-term box or the calendar changes; the options are shown in
  // this mode only.
  void YearDataFollowsItsOptions() {
    Fixture f;
    f.window.DisplayYearData();
    QCOMPARE(f.window.windowTitle(), QString("Dates, times and CJDs of dark moons and solar terms"));
    QVERIFY(f.Shown("chkIncludeMinorSolarTerms"));
    QVERIFY(!f.Shown("txbNumYears"));
    QVERIFY(f.window.Text().contains("  ST 1 Z11\n"));
    QVERIFY(!f.window.Text().contains(" J12"));
    QTest::mouseClick(f.Find<QCheckBox>("chkIncludeMinorSolarTerms"), Qt::LeftButton);
    QVERIFY(f.window.Text().contains("  ST 2 J12\n"));
    QTest::mouseClick(f.Find<QCheckBox>("chkDisplaySolarTermNames"), Qt::LeftButton);
    QVERIFY(f.window.Text().contains("  ST 1 Z11 (Dong zhi Winter solstice)\n"));
    f.window.SetEuropeanCalendar('J');
    QVERIFY(f.Find<QRadioButton>("optJC")->isChecked());
    QVERIFY(f.window.Text().contains("(2023 JC)"));
  }

  // "Save as iCalendar…" writes what the list shows, as the command-line tool exports it; a
  // cancelled dialog writes nothing, a failed write leaves the file as it was and says so.
  void SaveAsICalendarWritesTheListedDates() {
    Fixture f;
    f.window.OpenList(kModeNewYears);
    QVERIFY(f.WaitForEnd());
    QVERIFY(f.Shown("cmdSaveICalendar"));
    f.Click("cmdSaveICalendar");
    QCOMPARE(f.files.replaced, 0);
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(f.dialogs.fileName, std::string("lunar-new-years.ics"));
    QCOMPARE(f.dialogs.folder, StartFolder::kDocuments);

    f.dialogs.answer = "new-years.ics";
    f.Click("cmdSaveICalendar");
    QCOMPARE(f.files.replaced, 1);
    const std::string saved = f.files.files["new-years.ics"];
    QCOMPARE(test::FormFault(saved), std::string());
    const auto events = test::ReadICalendar(saved).events;
    const auto cli =
        test::ReadICalendar(test::RunCli("export new-years --from 2024 --to 2043", false).out).events;
    QCOMPARE(events.size(), size_t{20});
    QCOMPARE(cli.size(), events.size());
    const QStringList lines = f.Lines();
    for (size_t i = 0; i < events.size(); ++i) {
      QCOMPARE(QString::fromStdString(events[i].StartText()), lines[3 + int(i)].mid(18, 10));
      QCOMPARE(events[i].uid, cli[i].uid);
      QCOMPARE(events[i].description, cli[i].description);
    }
    QCOMPARE(f.messages.shown.back().icon, MessageIcon::kInformation);

    f.files.failure = "No space left on device";
    f.Click("cmdSaveICalendar");
    QCOMPARE(f.files.files["new-years.ics"], saved);
    QCOMPARE(f.messages.shown.back().icon, MessageIcon::kError);
    QVERIFY(f.messages.shown.back().text.find("No space left on device") != std::string::npos);
    f.files.failure.clear();

    // The leap months of the month list; no button for the other listings.
    f.Find<QCheckBox>("chkLeapMonthsOnly")->setChecked(true);
    f.window.OpenList(kModeMonths);
    QVERIFY(f.WaitForEnd());
    f.dialogs.answer = "leap.ics";
    f.Click("cmdSaveICalendar");
    QCOMPARE(test::ReadICalendar(f.files.files["leap.ics"]).events.size(),
             size_t(f.window.Text().count("*-01")));
    f.window.OpenList(kModeEuroNewYears);
    QVERIFY(f.WaitForEnd());
    QVERIFY(!f.Shown("cmdSaveICalendar"));
    f.window.DisplayYearData();
    QVERIFY(!f.Shown("cmdSaveICalendar"));
  }

  // The festival list is mirvo-cli's, byte for byte, in English and in Vietnamese; saved after the
  // country and meridian changed, it keeps its own days, as mirvo-cli exports them for its country.
  void FestivalListIsTheCommandsAndSavesItsOwnDays() {
    for (const Language language : {Language::kEnglish, Language::kVietnamese}) {
      Fixture f;
      f.language = language;
      const std::string lang = language == Language::kEnglish ? " --lang en" : " --lang vi";
      f.window.OpenList(kModeFestivals);
      QVERIFY(f.WaitForEnd());
      QCOMPARE(f.window.Text().toStdString(), test::RunCli("list festivals 2024-02-10 CE" + lang, false).out);
      f.reckoner.SetCountry(kVietnam);
      f.reckoner.SetReferenceLongitude(105);
      f.dialogs.answer = "festivals.ics";
      f.Click("cmdSaveICalendar");
      const auto events = test::ReadICalendar(f.files.files["festivals.ics"]).events;
      const auto cli =
          test::ReadICalendar(test::RunCli("export festivals --from 2024 --to 2024" + lang, false).out)
              .events;
      QVERIFY(events.size() > 20 && events.size() == cli.size());
      for (size_t i = 0; i < events.size(); ++i) {
        QCOMPARE(events[i].uid + events[i].summary + events[i].description,
                 cli[i].uid + cli[i].summary + cli[i].description);
      }
    }
  }

  // The random test writes its digits and ends on its own; the date test reports a bad entry.
  void SelfTestRunsAndReports() {
    Fixture f;
    f.window.DoTest();
    QVERIFY(f.Shown("txbStart"));
    QVERIFY(f.Shown("cmdStop"));
    QVERIFY(f.WaitForEnd(60000));
    const QString text = f.window.Text();
    QVERIFY(text.startsWith("\nDoing 1000 random solar,lunar -> JDN -> solar,lunar"));
    const QString digits = text.mid(text.indexOf("lunar", 40) + 5);
    QCOMPARE(digits.size(), 2000);
    QVERIFY(!digits.contains(QRegularExpression("[^01]")));

    f.Find<QLineEdit>("txbStart")->setText("2024-13-01 CE");
    QTest::keyClick(f.Find<QLineEdit>("txbStart"), Qt::Key_Return);
    QVERIFY(f.window.Text().endsWith("Error code = 1\n"));  // no parser given: no date
  }
};

QTEST_MAIN(DataWindowTest)
#include "frmData_qtest.moc"
