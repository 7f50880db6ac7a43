// The main window as a user meets it: controls found by name, clicks and typing through QTest,
// message boxes recorded instead of shown.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "platform/services/Registry.h"
#include "tests/support/WindowFixture.h"
#include "ui/calendar/frmCalendar.h"
#include "ui/common/StemBranchWidget.h"
#include "ui/data/frmData.h"
#include "ui/main/CommandPanel.h"
#include "ui/main/frmMain.h"

using namespace mirvo;

namespace {

// One window with its recording services.
struct Fixture : WindowFixture {
  void Start() {
    QVERIFY(Open());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  QString Combo(const char* name) { return Find<QComboBox>(name)->currentText(); }
  void Type(const char* box, const QString& text) {
    QLineEdit* e = Find<QLineEdit>(box);
    e->clear();
    QTest::keyClicks(e, text);
  }
  QColor CaptionColour(const char* label) {
    return Find<QLabel>(label)->palette().color(QPalette::WindowText);
  }
  QColor Background() { return window->palette().color(QPalette::Window); }
};

const QColor kWhite(255, 255, 255), kGrey(200, 200, 200);

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void firstStartShowsThePresentWithTheDefaults() {
    Fixture f;
    const double before = CurrentAjd();
    f.Start();
    QVERIFY(std::abs(f.window->CurrentAjd() - before) < 1.0 / 1440 + 1e-6);
    QCOMPARE(f.window->CurrentCalendar(), 2);
    QCOMPARE(f.CaptionColour("lblChineseLunarDate_0"), kWhite);
    QCOMPARE(f.CaptionColour("lblCommonEraDate_0"), kGrey);
    QVERIFY(f.Text("lblChineseLunarDate_1").contains(" CHL "));
    QVERIFY(f.Text("lblCommonEraDate_1").contains(" CE "));
    QVERIFY(f.Shown("lblVellomirCalendarGMT_1") && f.Shown("lblVellomirCalendarCCT_1"));
    QVERIFY(!f.Shown("lblChronologicalJulianDateLondon_1"));
    QVERIFY(!f.Shown("lblChronologicalJulianDateBeijing_1"));
    QCOMPARE(f.Combo("cboRefLong"), QString("China"));
    QCOMPARE(f.Combo("cboLongitude"), QString("120"));
    // The zone label is text, as it cannot be typed; the lunar and solar captions have colons.
    QCOMPARE(f.Find<QLabel>("txbCCT")->text(), QString("CCT"));
    QCOMPARE(f.Text("lblChineseLunarDate_0"), QString("Chinese Lunar:"));
    QCOMPARE(f.Text("lblChineseSolarDate_0"), QString("Chinese Solar:"));
    QVERIFY(f.Combo("cboEpoch").startsWith("-2696"));
    QCOMPARE(f.Combo("cboMethod"), QString("true sun"));
    QCOMPARE(f.Combo("cboMoveStep"), QString("CHL month"));
    QCOMPARE(f.Combo("cboRefreshPeriod"), QString("1"));
    QCOMPARE(f.Combo("cboTarget"), QString("Full moon"));
    QCOMPARE(f.Find<QComboBox>("cboTimeZone")->currentIndex(), -1);
    QCOMPARE(f.Background(), QColor(192, 0, 0));
    QVERIFY(f.Shown("picStem_0") && f.Shown("lblYear"));
    QVERIFY(!f.Text("lblPhaseOfMoon_1").isEmpty());
    QVERIFY(!f.Text("lblDeltaT_1").isEmpty());
    QVERIFY(f.window->windowTitle().startsWith("Vantrel 1."));
    QVERIFY(f.messages.shown.empty());
    // Every command is there; nothing is saved yet, so Save state is offered.
    QVERIFY(f.Find<QPushButton>("cmdMove")->isEnabled());
    QVERIFY(f.Find<QPushButton>("cmdSearch")->isEnabled());
    QVERIFY(f.Find<QPushButton>("cmdSaveState")->isEnabled());
  }

  void missingProgramTextsEndTheStart() {
    RecordingMessages messages;
    MemoryClipboard clipboard;
    MemorySettingsStore settings;
    RecordingBrowser browser;
    frmMain window(MainServices{&messages, &clipboard, &settings, &browser, "/nonexistent"});
    QVERIFY(!window.Start());
    QCOMPARE(messages.shown.size(), size_t(1));
    QCOMPARE(messages.shown[0].title, std::string());
    QCOMPARE(messages.shown[0].icon, MessageIcon::kError);
    QCOMPARE(messages.shown[0].text,
             std::string("Cannot open file containing program text.\r\n/nonexistent/mirvo.dat"));
    QVERIFY(!window.isVisible());
  }

  void storedCountryIsUsedOnlyWhenValid_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("longitude");
    QTest::newRow("Vietnam") << "0"
                             << "Vietnam"
                             << "105";
    QTest::newRow("Japan") << "2"
                           << "Japan"
                           << "135";
    QTest::newRow("Korea") << "3"
                           << "Korea"
                           << "135";
    QTest::newRow("blank") << " "
                           << "China"
                           << "120";
    QTest::newRow("other") << "4"
                           << "China"
                           << "120";
    QTest::newRow("padded") << "2 "
                            << "China"
                            << "120";
  }
  void storedCountryIsUsedOnlyWhenValid() {
    QFETCH(QString, stored);
    Fixture f;
    f.settings.Write(std::string(kRegistryRoot) + kProgramKeyPart, "cboRefLong", stored.toStdString());
    f.Start();
    QTEST(f.Combo("cboRefLong"), "country");
    QTEST(f.Combo("cboLongitude"), "longitude");
  }

  void countriesSetMeridianNamesAndColours() {
    Fixture f;
    f.Start();
    QComboBox* animals = f.Find<QComboBox>("cboAnimal");
    QComboBox* steps = f.Find<QComboBox>("cboMoveStep");

    f.Choose("cboRefLong", 2);  // Japan
    QCOMPARE(f.Combo("cboLongitude"), QString("135"));
    QCOMPARE(f.Find<QLabel>("txbCCT")->text(), QString("JST"));
    QCOMPARE(animals->itemText(3), QString("rabbit"));
    QCOMPARE(animals->itemText(7), QString("sheep"));
    QCOMPARE(animals->itemText(11), QString("boar"));
    QCOMPARE(steps->itemText(14), QString("VMC month (JST)"));
    QCOMPARE(steps->itemText(15), QString("VMC year (JST)"));
    QCOMPARE(f.Background(), QColor(64, 64, 224));
    QCOMPARE(f.Text("lblChineseLunarDate_0"), QString("Japanese Lunar:"));
    QVERIFY(f.Text("lblChineseLunarDate_1").endsWith(" JST"));
    QVERIFY(!f.Shown("picStem_0") && !f.Shown("lblYear") && !f.Shown("lblElementAnimalOfDay_0"));

    f.Choose("cboRefLong", 0);  // Vietnam
    QCOMPARE(f.Combo("cboLongitude"), QString("105"));
    QCOMPARE(f.Find<QLabel>("txbCCT")->text(), QString("ICT"));
    QCOMPARE(animals->itemText(3), QString("cat"));
    QCOMPARE(animals->itemText(7), QString("goat"));
    QCOMPARE(animals->itemText(11), QString("pig"));
    QCOMPARE(steps->itemText(14), QString("VMC month (ICT)"));
    QCOMPARE(f.Background(), QColor(0, 128, 0));
    QCOMPARE(f.Text("lblChineseSolarDate_0"), QString("Vietnamese Solar:"));
    QCOMPARE(f.Find<QComboBox>("cboTimeZone")->itemText(1), QString("ICT"));

    f.Choose("cboRefLong", 3);  // Korea: Japan's meridian under its own label, China's animals
    QCOMPARE(f.Combo("cboLongitude"), QString("135"));
    QCOMPARE(f.Find<QLabel>("txbCCT")->text(), QString("KST"));
    QCOMPARE(animals->itemText(11), QString("pig"));
    QCOMPARE(steps->itemText(15), QString("VMC year (KST)"));
    QCOMPARE(f.Background(), QColor(0, 71, 160));
    QCOMPARE(f.Text("lblChineseLunarDate_0"), QString("Korean Lunar:"));
    QVERIFY(f.Text("lblChineseLunarDate_1").endsWith(" KST"));

    f.Choose("cboRefLong", 1);  // back to China
    QCOMPARE(animals->itemText(3), QString("rabbit"));
    QCOMPARE(f.Background(), QColor(192, 0, 0));
    QVERIFY(f.Shown("picStem_0") && f.Shown("lblYear"));
  }

  void longitudeSetsZoneLabelAndEmptiesTheBoxes() {
    Fixture f;
    f.Start();
    f.Type("txbDate", "2000-01-01 CE");
    f.Type("txbTime", "10:00");
    f.Choose("cboLongitude", 16);
    QCOMPARE(f.Find<QLabel>("txbCCT")->text(), QString("BEI"));
    QVERIFY(f.Find<QLineEdit>("txbDate")->text().isEmpty());
    QVERIFY(f.Find<QLineEdit>("txbTime")->text().isEmpty());
    QCOMPARE(f.Find<QComboBox>("cboTimeZone")->itemText(1), QString("BEI"));
    QVERIFY(f.Text("lblChineseLunarDate_1").endsWith(" BEI"));
    f.Choose("cboLongitude", 1);
    QCOMPARE(f.Find<QLabel>("txbCCT")->text(), QString("L01"));
    QCOMPARE(f.Combo("cboRefLong"), QString("China"));  // the country stays
  }

  // Every date row's value, clicked, puts its own date and time into the boxes: the date text is
  // where the value starts, the time follows it, and Convert finds nothing changed.
  void everyValueClickGivesTheShownDateAndTime() {
    Fixture f;
    f.Start();
    f.Find<QCheckBox>("chkShowCJDs")->setChecked(true);
    f.window->SetInstant(2451544.6059);  // 02:32 GMT, 10:32 CCT
    QLineEdit* date = f.Find<QLineEdit>("txbDate");
    QLineEdit* time = f.Find<QLineEdit>("txbTime");
    for (int i = 0; i < kFirstMoonRow; ++i) {
      const QString name = QString::fromLatin1(RowLabelName(static_cast<RowId>(i)).data()) + "_1";
      const QString value = f.Text(qPrintable(name));
      QTest::mouseClick(f.Find<QLabel>(qPrintable(name)), Qt::LeftButton);
      if (time->text().isEmpty()) {
        QCOMPARE(date->text(), value);  // a day count is the whole value
        QCOMPARE(f.Find<QComboBox>("cboTimeZone")->currentIndex(), -1);
      } else {
        QVERIFY2(value.startsWith(date->text() + ' ' + time->text() + ' '), qPrintable(value));
        const int calendar = RowCalendar(static_cast<RowId>(i));
        QVERIFY(calendar >= 0);
        QVERIFY(
            date->text().endsWith(QString::fromLatin1(kCalendarCodes[static_cast<size_t>(calendar)].data())));
      }
      f.messages.shown.clear();
      f.Click("cmdCompute");
      QCOMPARE(f.LastMessage(), std::string("Calendar dates unchanged."));
      QCOMPARE(f.Text(qPrintable(name)), value);
    }
  }

  void valueClickFillsTheBoxesAndConvertingItBackChangesNothing() {
    Fixture f;
    f.Start();
    QLabel* ce = f.Find<QLabel>("lblCommonEraDate_1");
    const QString ceText = ce->text();
    QTest::mouseClick(ce, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(f.clipboard.Text()), ceText);
    QCOMPARE(f.window->CurrentCalendar(), 0);
    QCOMPARE(f.CaptionColour("lblCommonEraDate_0"), kWhite);
    QCOMPARE(f.CaptionColour("lblChineseLunarDate_0"), kGrey);
    QLineEdit* date = f.Find<QLineEdit>("txbDate");
    QVERIFY(ceText.startsWith(date->text()));
    QVERIFY(date->text().endsWith("CE"));
    QCOMPARE(f.Find<QLineEdit>("txbTime")->text().size(), 5);
    QCOMPARE(f.Combo("cboTimeZone"), QString("GMT"));
    QCOMPARE(f.window->focusWidget(), date);

    f.Click("cmdCompute");
    QCOMPARE(f.LastMessage(), std::string("Calendar dates unchanged."));
    QCOMPARE(f.messages.shown.back().title, std::string("Convert date"));
    QCOMPARE(ce->text(), ceText);

    // A caption click copies and selects the calendar but leaves the boxes alone.
    f.Type("txbDate", "");
    QTest::mouseClick(f.Find<QLabel>("lblJulianCalendarDate_0"), Qt::LeftButton);
    QCOMPARE(f.window->CurrentCalendar(), 1);
    QVERIFY(date->text().isEmpty());
    QCOMPARE(QString::fromStdString(f.clipboard.Text()), f.Text("lblJulianCalendarDate_1"));
  }

  // A click on any row makes its calendar current and only its caption white; both VMC rows
  // light the first VMC caption, the second one holding the comparison note.
  void rowClickHighlightsItsCaption_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<QString>("highlighted");
    QTest::newRow("CE") << "lblCommonEraDate_1" << 0 << "lblCommonEraDate_0";
    QTest::newRow("JC caption") << "lblJulianCalendarDate_0" << 1 << "lblJulianCalendarDate_0";
    QTest::newRow("CHS") << "lblChineseSolarDate_1" << 3 << "lblChineseSolarDate_0";
    QTest::newRow("VMC GMT") << "lblVellomirCalendarGMT_1" << 7 << "lblVellomirCalendarGMT_0";
    QTest::newRow("VMC reference") << "lblVellomirCalendarCCT_1" << 8 << "lblVellomirCalendarGMT_0";
    QTest::newRow("CJDC") << "lblChronologicalJulianDateBeijing_1" << 5
                          << "lblChronologicalJulianDateBeijing_0";
    QTest::newRow("CJDL") << "lblChronologicalJulianDateLondon_0" << 6
                          << "lblChronologicalJulianDateLondon_0";
    QTest::newRow("AJD") << "lblAstronomicalJulianDate_1" << 4 << "lblAstronomicalJulianDate_0";
    QTest::newRow("Moon only copies") << "lblPhaseOfMoon_1" << 2 << "lblChineseLunarDate_0";
  }
  void rowClickHighlightsItsCaption() {
    QFETCH(QString, clicked);
    QFETCH(QString, highlighted);
    Fixture f;
    f.Start();
    f.Find<QCheckBox>("chkShowCJDs")->setChecked(true);
    QTest::mouseClick(f.Find<QLabel>(qPrintable(clicked)), Qt::LeftButton);
    QTEST(f.window->CurrentCalendar(), "calendar");
    const char* captions[] = {"lblCommonEraDate_0",
                              "lblJulianCalendarDate_0",
                              "lblChineseLunarDate_0",
                              "lblChineseSolarDate_0",
                              "lblVellomirCalendarGMT_0",
                              "lblVellomirCalendarCCT_0",
                              "lblChronologicalJulianDateLondon_0",
                              "lblChronologicalJulianDateBeijing_0",
                              "lblAstronomicalJulianDate_0"};
    for (const char* c : captions) {
      QCOMPARE(f.CaptionColour(c), highlighted == c ? kWhite : kGrey);
    }
    QCOMPARE(QString::fromStdString(f.clipboard.Text()),
             f.Text(qPrintable(clicked.left(clicked.size() - 1) + "1")));
  }

  void enterConvertsATypedDate() {
    Fixture f;
    f.Start();
    f.Type("txbDate", "2000-1-1 ce");
    QTest::keyClick(f.Find<QLineEdit>("txbDate"), Qt::Key_Return);
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QCOMPARE(f.window->CurrentAjd(), 2451545.0);
    QCOMPARE(f.Find<QLineEdit>("txbDate")->text(), QString("2000-1-1 CE"));
    QCOMPARE(f.Find<QLineEdit>("txbTime")->text(), QString("12:00"));
    QCOMPARE(f.Combo("cboTimeZone"), QString("GMT"));
    QVERIFY(f.Text("lblCommonEraDate_1").startsWith("2000-01-01 CE 12:00 GMT Saturday"));
    QCOMPARE(f.CaptionColour("lblCommonEraDate_0"), kWhite);
    QVERIFY(f.Text("lblElementAnimalOfDay_1").startsWith("earth-horse"));  // day 55 of the cycle
    // The lunar year is still ji-mao (1999); the day is wu-wu.
    auto character = [&](const char* name) {
      return dynamic_cast<StemBranchWidget*>(f.Find<QWidget>(name))->character();
    };
    QCOMPARE(character("picStem_0") + character("picBranch_0"), QString::fromUtf8("己卯"));
    QCOMPARE(character("picStem_1") + character("picBranch_1"), QString::fromUtf8("戊午"));

    // Plus/minus days alone move from the date of the entry calendar.
    f.Type("txbDate", "");
    f.Type("txbPlusMinus", "+1,000");
    f.Click("cmdCompute");
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QCOMPARE(f.window->CurrentAjd(), 2451545.0 + 1000);

    // Clear empties every box, the days too: the next date is not shifted by them.
    f.Click("cmdClearDate");
    for (const char* box : {"txbDate", "txbTime", "txbPlusMinus"})
      QVERIFY2(f.Find<QLineEdit>(box)->text().isEmpty(), box);
    f.Type("txbDate", "2025-01-01 CE");
    f.Click("cmdCompute");
    QCOMPARE(f.window->CurrentAjd(), JdnOfCeDate(2025, 1, 1) + 0.0);
  }

  // The noon and zone the window wrote for a CE date are not carried over to a lunar date typed
  // next: it is read at noon of the reference meridian, as mirvo-cli show reads it. A zone the
  // user chose, even the one shown, is the user's and stays.
  void writtenTimeAndZoneStayWithTheirReckoning() {
    Fixture f;
    f.Start();
    QLineEdit* date = f.Find<QLineEdit>("txbDate");
    f.Type("txbDate", "2024-02-10 CE");
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(f.Combo("cboTimeZone"), QString("GMT"));
    f.Type("txbDate", "79-50-11*-01 CHL");
    QTest::keyClick(date, Qt::Key_Return);
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QVERIFY2(f.Text("lblChineseLunarDate_1").startsWith("79-50-11*-01 CHL 12:00 CCT"),
             qPrintable(f.Text("lblChineseLunarDate_1")));
    QCOMPARE(f.Find<QLineEdit>("txbTime")->text(), QString("12:00"));
    QCOMPARE(f.Combo("cboTimeZone"), QString("CCT"));

    f.Type("txbDate", "2024-02-10 CE");
    QTest::keyClick(date, Qt::Key_Return);
    Q_EMIT f.Find<QComboBox>("cboTimeZone")->activated(kTimeZoneGmt);  // GMT picked from the list
    f.Type("txbDate", "79-50-11*-01 CHL");
    QTest::keyClick(date, Qt::Key_Return);
    QVERIFY2(f.Text("lblChineseLunarDate_1").startsWith("79-50-11*-01 CHL 20:00 CCT"),
             qPrintable(f.Text("lblChineseLunarDate_1")));
  }

  void invalidEntriesShowTheirMessageAndChangeNothing_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("plusMinus");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString entry = "Invalid date or time entry";
    QTest::newRow("separator") << "2000/01/01 CE"
                               << ""
                               << "" << entry << "Date separator must be a dash, '-'.";
    QTest::newRow("time in date") << "2000-01-01 10:30 CE"
                                  << ""
                                  << "" << entry << "Time specification not permitted in date string.";
    QTest::newRow("bad time") << "2000-01-01 CE"
                              << "24:00"
                              << "" << entry << "Invalid time specification.  Times must be, e.g., 23:50.";
    QTest::newRow("plus/minus") << "2000-01-01 CE"
                                << ""
                                << "1-2" << entry << "Invalid plus/minus days.";
    QTest::newRow("code not last") << "2000-01-01 CE 10"
                                   << ""
                                   << "" << entry
                                   << "Calendar must be specified (one of CHL, CHS, CE, JC, "
                                      "VMC, CJDL, CJDC, AJD).";
    QTest::newRow("too early") << "-3000-01-01 CE"
                               << "11:59"
                               << ""
                               << "Date out of range"
                               << "Date is earlier than -3000-01-01 CE.";
  }
  void invalidEntriesShowTheirMessageAndChangeNothing() {
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, plusMinus);
    Fixture f;
    f.Start();
    const double before = f.window->CurrentAjd();
    const QString ceBefore = f.Text("lblCommonEraDate_1");
    f.Type("txbDate", date);
    f.Type("txbTime", time);
    f.Type("txbPlusMinus", plusMinus);
    f.Click("cmdCompute");
    QCOMPARE(f.messages.shown.size(), size_t(1));
    QTEST(QString::fromStdString(f.messages.shown[0].title), "title");
    QTEST(QString::fromStdString(f.messages.shown[0].text), "message");
    QCOMPARE(f.messages.shown[0].icon, MessageIcon::kWarning);
    QCOMPARE(f.window->CurrentAjd(), before);
    QCOMPARE(f.Text("lblCommonEraDate_1"), ceBefore);
  }

  void elementAndAnimalChoicesResolveAQuestionMarkPosition() {
    Fixture f;
    f.Start();
    QComboBox* element = f.Find<QComboBox>("cboElement");
    QComboBox* animal = f.Find<QComboBox>("cboAnimal");
    f.Type("txbDate", "70-?-12-30 chl");
    element->setCurrentIndex(1);  // fire
    animal->setCurrentIndex(10);  // dog
    f.Click("cmdCompute");
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QVERIFY(f.Text("lblChineseLunarDate_1").startsWith("70-23-12-30 CHL 12:00 CCT"));
    QVERIFY(f.Text("lblCommonEraDate_1").startsWith("1467-02-13 CE"));

    // Typing an ordinary date clears both choices.
    f.Type("txbDate", "2000-01-01 CE");
    QCOMPARE(element->currentIndex(), 5);
    QCOMPARE(animal->currentIndex(), 12);

    // A click on the lunar value selects the element and animal named in it, and the date it
    // fills in converts back to the same day.
    element->setCurrentIndex(0);
    QTest::mouseClick(f.Find<QLabel>("lblChineseLunarDate_1"), Qt::LeftButton);
    QCOMPARE(f.Find<QLineEdit>("txbDate")->text(), QString("70-23-12-30 CHL"));
    QCOMPARE(f.Combo("cboTimeZone"), QString("CCT"));
    QCOMPARE(f.window->CurrentCalendar(), 2);
  }

  void entryWithoutCodeAsksForTheCalendar() {
    Fixture f;
    f.Start();
    f.messages.answers = {MessageAnswer::kNo};
    f.Type("txbDate", "2000-01-01");
    f.Click("cmdCompute");
    QCOMPARE(f.messages.shown.size(), size_t(2));
    QCOMPARE(f.messages.shown[0].text, std::string("Is this a CHL Calendar date?"));
    QCOMPARE(f.messages.shown[0].buttons, MessageButtons::kYesNo);
    QVERIFY(f.messages.shown[1].text.rfind("Calendar must be specified", 0) == 0);
  }

  void resetKeepsTheCalendarSettings() {
    Fixture f;
    f.Start();
    f.Choose("cboRefLong", 2);
    f.Choose("cboLongitude", 30);
    f.Choose("cboEpoch", 1);
    f.Choose("cboMethod", 1);
    f.Find<QCheckBox>("chkShowVMC")->setChecked(false);
    QVERIFY(!f.Shown("lblVellomirCalendarGMT_0") && !f.Shown("lblVellomirCalendarCCT_1"));
    f.Find<QCheckBox>("chkShowCJDs")->setChecked(true);
    QVERIFY(f.Shown("lblChronologicalJulianDateBeijing_1"));
    QCOMPARE(f.Text("lblChronologicalJulianDateBeijing_0"), QString("Chronological JD 130º East"));
    QVERIFY(!f.Shown("lblElementAnimalOfYear") && !f.Shown("lblElementAnimalOfMonth"));
    QTest::mouseClick(f.Find<QRadioButton>("optMinus"), Qt::LeftButton);
    QCOMPARE(f.Find<QRadioButton>("optMinus")->palette().color(QPalette::WindowText), kWhite);
    QCOMPARE(f.Find<QRadioButton>("optPlus")->palette().color(QPalette::WindowText), kGrey);
    QTest::mouseClick(f.Find<QLabel>("lblAstronomicalJulianDate_1"), Qt::LeftButton);
    QCOMPARE(f.window->CurrentCalendar(), 4);

    f.Click("cmdReset");
    QCOMPARE(f.Combo("cboRefLong"), QString("Japan"));
    QCOMPARE(f.Combo("cboLongitude"), QString("130"));
    QVERIFY(f.Combo("cboEpoch").startsWith("-2636"));
    QCOMPARE(f.Combo("cboMethod"), QString("mean sun"));
    QCOMPARE(EpochMethod(f.window->rules().settings().epoch, f.window->rules().settings().sunMethod, true),
             std::string("Epoch = -2636, method = mean sun"));
    QCOMPARE(f.window->CurrentCalendar(), 2);
    QCOMPARE(f.CaptionColour("lblChineseLunarDate_0"), kWhite);
    QVERIFY(f.Shown("lblVellomirCalendarGMT_1"));
    QVERIFY(!f.Shown("lblChronologicalJulianDateBeijing_1"));
    QVERIFY(f.Shown("lblElementAnimalOfYear") && f.Shown("lblElementAnimalOfMonth"));
    QVERIFY(f.Find<QRadioButton>("optPlus")->isChecked());
    QCOMPARE(f.Find<QRadioButton>("optPlus")->palette().color(QPalette::WindowText), kWhite);
    QVERIFY(f.Find<QLineEdit>("txbDate")->text().isEmpty());
  }

  // The switches decide which rows every later display shows, whichever command displays.
  void displaySwitchesHoldThroughEveryCommand() {
    Fixture f;
    f.Start();
    f.Find<QCheckBox>("chkShowVMC")->setChecked(false);
    f.Find<QCheckBox>("chkShowCJDs")->setChecked(true);
    auto check = [&](const char* after) {
      QVERIFY2(!f.Shown("lblVellomirCalendarGMT_1") && !f.Shown("lblVellomirCalendarCCT_0"), after);
      QVERIFY2(f.Shown("lblChronologicalJulianDateLondon_1"), after);
      QVERIFY2(f.Shown("lblChronologicalJulianDateBeijing_1"), after);
      QVERIFY2(!f.Shown("lblElementAnimalOfYear") && !f.Shown("lblElementAnimalOfMonth"), after);
    };
    f.Click("cmdNow");
    check("Now");
    f.Type("txbDate", "2000-01-01 CE");
    f.Click("cmdCompute");
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    check("Convert");
    f.Choose("cboEpoch", 1);
    check("epoch");
    f.Choose("cboRefLong", 0);
    check("country");
    f.window->SetInstant(2451600.0);
    check("a new instant");
  }

  // The focus goes where the boxes are after the command, not where they were before it.
  void focusFollowsTheBoxesAfterNowAndConvert() {
    Fixture f;
    f.Start();
    QLineEdit* date = f.Find<QLineEdit>("txbDate");
    f.Type("txbDate", "2000-01-01 CE");
    date->setFocus();
    f.Click("cmdNow");
    QVERIFY(date->text().isEmpty());
    QCOMPARE(f.window->focusWidget(), f.Find<QWidget>("cmdNow"));

    // Days alone: the date of the entry calendar is filled in, and the caret waits after it.
    f.Type("txbPlusMinus", "1");
    f.Click("cmdCompute");
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QVERIFY(date->text().endsWith("CHL"));
    QCOMPARE(f.window->focusWidget(), date);
    QCOMPARE(date->cursorPosition(), date->text().size());
  }

  void focusHelpersFallBackWhenTheirControlCannotTakeIt() {
    Fixture f;
    f.Start();
    QWidget* now = f.Find<QWidget>("cmdNow");
    QWidget* date = f.Find<QWidget>("txbDate");
    date->setFocus();
    // Move goes nowhere while it cannot be clicked; Search neither when a command takes the window.
    f.Find<QWidget>("cmdMove")->setEnabled(false);
    f.window->cmdMoveSetFocus();
    QCOMPARE(f.window->focusWidget(), date);
    f.Find<QWidget>("cmdMove")->setEnabled(true);
    f.window->cmdMoveSetFocus();
    QCOMPARE(f.window->focusWidget(), f.Find<QWidget>("cmdMove"));
    f.window->cmdSearchSetFocus();
    QCOMPARE(f.window->focusWidget(), f.Find<QWidget>("cmdSearch"));
    f.Find<QWidget>("fraSearch")->setEnabled(false);
    f.window->cmdSearchSetFocus();
    QCOMPARE(f.window->focusWidget(), f.Find<QWidget>("cmdQuit"));
    f.Find<QWidget>("fraSearch")->setEnabled(true);
    // An empty date box and a hidden Now: the focus stays; the log buttons still follow the log.
    now->hide();
    f.window->SetTheFocus();
    QCOMPARE(f.window->focusWidget(), f.Find<QWidget>("cmdQuit"));
    QVERIFY(!f.Shown("cmdViewLog") && !f.Shown("cmdClearLog"));
    now->show();
    f.window->SetTheFocus();
    QCOMPARE(f.window->focusWidget(), now);
  }

  // Dates with different VMC notes and longer names leave the values and the window in place.
  void theLayoutHoldsStillFromDateToDate() {
    Fixture f;
    f.Start();
    QLabel* value = f.Find<QLabel>("lblCommonEraDate_1");
    QLabel* month = f.Find<QLabel>("lblElementAnimalOfMonth");
    f.window->SetInstant(2451564.69);  // the VMC date is the lunar date: the longest note
    QApplication::processEvents();
    const int x = value->x();
    const int width = f.window->width();
    for (double ajd : {625400.3, 2451545.0, 2816700.5}) {
      f.window->SetInstant(ajd);
      QApplication::processEvents();
      QCOMPARE(value->x(), x);
      QCOMPARE(f.window->width(), width);
      QVERIFY2(month->width() >= month->sizeHint().width(), qPrintable(month->text()));
    }
  }

  void quitWritesTheCountry() {
    Fixture f;
    f.Start();
    f.Choose("cboRefLong", 0);
    f.Click("cmdQuit");
    QVERIFY(!f.window->isVisible());
    std::string value;
    QVERIFY(f.settings.Read(std::string(kRegistryRoot) + kProgramKeyPart, "cboRefLong", value));
    QCOMPARE(value, std::string("0"));

    // Closing the window does the same.
    Fixture g;
    g.Start();
    g.Choose("cboRefLong", 2);
    g.window->close();
    QVERIFY(g.settings.Read(std::string(kRegistryRoot) + kProgramKeyPart, "cboRefLong", value));
    QCOMPARE(value, std::string("2"));
  }

  // "Follow the calendar's history" comes from the settings store, changes the lunar dates of the
  // years it concerns, and goes back to the store on Quit.
  void historyBoxIsKeptBesideTheCountry() {
    Fixture f;
    const std::string key = std::string(kRegistryRoot) + kProgramKeyPart;
    f.settings.Write(key, "cboRefLong", "0");
    f.settings.Write(key, "chkHistorical", "1");
    f.Start();
    QCheckBox* box = f.Find<QCheckBox>("chkHistorical");
    QVERIFY(box->isChecked());
    f.Type("txbDate", "1965-02-01 CE");
    QTest::keyClick(f.Find<QLineEdit>("txbDate"), Qt::Key_Return);
    QCOMPARE(f.Text("lblChineseLunarDate_0"), QString("Vietnamese Lunar (120º E):"));
    QVERIFY(f.Text("lblChineseLunarDate_1").startsWith("78-41-12-30 CHL"));
    box->click();
    QCOMPARE(f.Text("lblChineseLunarDate_0"), QString("Vietnamese Lunar:"));
    QVERIFY(f.Text("lblChineseLunarDate_1").startsWith("78-42-01-01 CHL"));
    QVERIFY(f.Find<QLabel>("lblChineseLunarDate_1")->toolTip().contains("that day was 78-41-12-30 CHL"));
    f.Click("cmdQuit");
    std::string value;
    QVERIFY(f.settings.Read(key, "chkHistorical", value));
    QCOMPARE(value, std::string("0"));
  }

  void stemAndBranchCharactersHaveAFontThatWritesThem() {
    const QFontMetrics metrics{QFont(CjkFontFamily())};
    for (int i = 1; i <= 12; ++i) {
      for (const QString& c : {StemCharacter(i), BranchCharacter(i)}) {
        if (!c.isEmpty()) QVERIFY2(metrics.inFont(c.at(0)), qPrintable(c));
      }
    }
    QVERIFY(StemCharacter(0).isEmpty() && StemCharacter(11).isEmpty());
    QVERIFY(BranchCharacter(13).isEmpty());
  }

  void moonPictureFollowsThePhase_data() {
    QTest::addColumn<double>("ajd");
    QTest::addColumn<bool>("left");  // a point near the left limb is lit
    QTest::addColumn<bool>("centre");
    QTest::addColumn<bool>("right");
    // Phases of January 2000 (Meeus, Astronomical Algorithms, ch. 49): new moon Jan 6 18:14 UT,
    // full moon Jan 21 04:40 UT, new moon Feb 5 13:03 UT.
    QTest::newRow("new") << 2451550.26 << false << false << false;
    QTest::newRow("waxing crescent") << 2451553.3 << false << false << true;
    QTest::newRow("full") << 2451564.69 << true << true << true;
    QTest::newRow("waning crescent") << 2451574.0 << true << false << false;
  }
  void moonPictureFollowsThePhase() {
    QFETCH(double, ajd);
    Fixture f;
    f.Start();
    f.window->SetInstant(ajd);
    QWidget* moon = f.Find<QWidget>("picMoon");
    QCOMPARE(moon->size(), QSize(89, 89));
    const QImage image = moon->grab().toImage();
    const QColor dark = f.Background();
    // Points on the middle row just inside the limbs, and the centre.
    auto lit = [&](int x) { return image.pixelColor(x, 44) != dark; };
    QTEST(lit(4), "left");
    QTEST(lit(44), "centre");
    QTEST(lit(85), "right");
    // Outside the disc the picture is the country colour.
    QCOMPARE(image.pixelColor(1, 1), dark);
    // The limb stays faintly drawn where the disc is dark, so a thin crescent keeps its Moon.
    QVERIFY(image.pixelColor(1, 44) != dark && image.pixelColor(87, 44) != dark);
  }

  // The year, month and day texts start in one column, with or without the pictures.
  void cycleTextsLineUp() {
    Fixture f;
    f.Start();
    for (int country : {1, 0}) {
      f.Choose("cboRefLong", country);
      QApplication::processEvents();
      const int x = f.Find<QLabel>("lblElementAnimalOfYear")->x();
      QCOMPARE(f.Find<QLabel>("lblElementAnimalOfMonth")->x(), x);
      QCOMPARE(f.Find<QLabel>("lblElementAnimalOfDay_1")->x(), x);
    }
  }

  void f1OpensTheHelpOnlyFromItsControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("opens");
    QTest::newRow("date box") << "txbDate" << true;
    QTest::newRow("Now") << "cmdNow" << true;
    QTest::newRow("Help") << "cmdHelp" << true;
    QTest::newRow("time box") << "txbTime" << false;
    QTest::newRow("Convert") << "cmdCompute" << false;
  }
  void f1OpensTheHelpOnlyFromItsControls() {
    QFETCH(QString, control);
    Fixture f;
    f.Start();
    QTest::keyClick(f.Find<QWidget>(qPrintable(control)), Qt::Key_F1);
    QWidget* help = f.window->findChild<QWidget*>("frmHelp");
    QTEST(help != nullptr && help->isVisible(), "opens");
  }

  void enterConvertsOnlyWithTheBoxesItNeeds() {
    Fixture f;
    f.Start();
    const double before = f.window->CurrentAjd();
    QTest::keyClick(f.Find<QLineEdit>("txbDate"), Qt::Key_Return);  // empty date box
    f.Type("txbPlusMinus", "2");
    QTest::keyClick(f.Find<QLineEdit>("txbPlusMinus"), Qt::Key_Return);  // no date: nothing
    QCOMPARE(f.window->CurrentAjd(), before);
    QVERIFY(f.messages.shown.empty());
    f.Type("txbDate", "2000-01-01 CE");
    QTest::keyClick(f.Find<QLineEdit>("txbPlusMinus"), Qt::Key_Return);
    QVERIFY2(f.messages.shown.empty(), f.LastMessage().c_str());
    QCOMPARE(f.window->CurrentAjd(), 2451547.0);
  }

  // The column's window buttons open their windows on the instant shown; Quit closes them.
  void windowButtonsOpenTheirWindowsOnTheInstant() {
    Fixture f;
    f.Start();
    f.window->SetInstant(JdnOfCeDate(2033, 12, 22));  // noon GMT, day 1 of the leap month 11
    f.Click("cmdListLeapMonths");
    auto* data = f.window->findChild<frmData*>();
    QVERIFY(data && data->isVisible());
    QTRY_VERIFY(!data->IsListing());
    QVERIFY(data->Text().contains("79-50-11*-01 CHL =  2033-12-22 CE =  2463954 JDN  29 days"));
    f.Click("cmdDisplayYearData");
    QTRY_VERIFY(!data->IsListing());
    QVERIFY(data->Text().contains("2033"));

    f.Click("cmdDisplayCalendar");
    auto* calendar = f.window->findChild<frmCalendar*>();
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(calendar->lngJDN1stOfMonth(), JdnOfCeDate(2033, 12, 22));
    QVERIFY(f.messages.shown.empty());

    f.Click("cmdQuit");
    QVERIFY(!data->isVisible() && !calendar->isVisible());
  }

  void helpAndLinks() {
    Fixture f;
    f.Start();
    QTest::keyClick(f.Find<QLineEdit>("txbDate"), Qt::Key_F1);
    QWidget* help = f.window->findChild<QWidget*>("frmHelp");
    QVERIFY(help && help->isVisible());
    QPushButton* credits = help->findChild<QPushButton*>("cmdCredits");
    QVERIFY(credits);
    QTest::mouseClick(credits, Qt::LeftButton);
    QWidget* creditsWindow = help->findChild<QWidget*>("frmCredits");
    QVERIFY(creditsWindow && creditsWindow->isVisible());

    QTest::mouseClick(f.Find<QLabel>("lblOnlineDocumentation"), Qt::LeftButton);
    QCOMPARE(f.browser.opened.size(), size_t(1));
    QVERIFY(QString::fromStdString(f.browser.opened[0]).endsWith("/manual.html"));
    QTest::mouseClick(f.Find<QLabel>("lblBrisvaleSystems"), Qt::LeftButton);
    QCOMPARE(f.browser.opened.back(), std::string(kProjectPageAddress));
    QVERIFY(f.messages.shown.empty());

    f.browser.code = 31;
    QTest::mouseClick(f.Find<QLabel>("lblOnlineDocumentation"), Qt::LeftButton);
    QCOMPARE(f.messages.shown.size(), size_t(1));
    QCOMPARE(f.messages.shown[0].title, std::string("Cannot launch web browser"));
    QVERIFY(f.LastMessage().find("No program to open '.html' files was found.") != std::string::npos);

    f.Click("cmdBVSoftware");
    QWidget* catalogue = f.window->findChild<QWidget*>("frmBVsoftware");
    QVERIFY(catalogue && catalogue->isVisible());
    f.browser.code = 42;
    QTest::mouseClick(catalogue->findChild<QPushButton*>("cmdOpenPage"), Qt::LeftButton);
    QCOMPARE(f.browser.opened.back(), std::string(kProjectPageAddress));
  }
};

QTEST_MAIN(MainWindowTest)
#include "frmMain_qtest.moc"
