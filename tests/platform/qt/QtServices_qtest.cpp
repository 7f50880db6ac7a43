// The Qt services against the real Qt facilities, in Qt's test locations so that the user's own
// settings and files are never touched.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/qt/QtServices.h"
#include "platform/services/Registry.h"
#include "tests/support/TestDoubles.h"

using namespace mirvo;

class QtServicesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(kMakerName, kProgramSettingsName).clear();
  }
  void cleanupTestCase() { QSettings(kMakerName, kProgramSettingsName).clear(); }

  // A message asked for while the user works in another window belongs to that window, so it
  // does not bring the main window up over it.
  void messagesBelongToTheWindowInUse() {
    QWidget main, other;
    main.show();
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(DialogOwner(nullptr), &other);
    QtMessages messages(&main);
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (box) owner = box->parentWidget();
      if (box) box->close();
    });
    messages.Show("Save image", "saved", MessageIcon::kInformation, MessageButtons::kOk);
    QCOMPARE(owner, &other);
  }

  void registryKeysMapOntoTheProgramsSettings() {
    const std::string root = std::string(kRegistryRoot) + kProgramKeyPart;
    QCOMPARE(QtSettingsStore::SettingsKey(root, "cboRefLong"), QString("cboRefLong"));
    QCOMPARE(QtSettingsStore::SettingsKey(root + "\\Log\\Prefs", "x"), QString("Log/Prefs/x"));
    // Keys outside the program's own are refused rather than written somewhere unexpected.
    QVERIFY(QtSettingsStore::SettingsKey("Software\\Other", "x").isEmpty());
    QVERIFY(QtSettingsStore::SettingsKey(root + "X", "x").isEmpty());
  }

  void countryRoundTripsThroughTheSettingsFile() {
    RecordingMessages messages;
    {
      QtSettingsStore store;
      std::string value;
      QVERIFY(!ReadRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", value, false, "d"));
      QCOMPARE(value, std::string("d"));
      QVERIFY(SaveRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", "2", false));
    }
    {
      QtSettingsStore store;  // a new run reads what the last one wrote
      std::string value;
      QCOMPARE(RegistryRead(store, std::string(kRegistryRoot) + kProgramKeyPart, "cboRefLong", value),
               std::string("0 OK"));
      QCOMPARE(value, std::string("2"));
      QVERIFY(RegistryWrite(store, std::string(kRegistryRoot) + kProgramKeyPart, "cboRefLong", "1")
                  .rfind("0 Key already exists.", 0) == 0);
      QVERIFY(!store.Write("Software\\Other", "x", "1"));
      // An empty value is kept as one blank, which the settings file must not trim away.
      QVERIFY(SaveRegistryValue(store, messages, kProgramKeyPart, "empty", "", false));
    }
    {
      QtSettingsStore store;
      std::string value;
      QVERIFY(ReadRegistryValue(store, messages, kProgramKeyPart, "empty", value, false, "d"));
      QCOMPARE(value, std::string(" "));
    }
    QCOMPARE(QSettings(kMakerName, kProgramSettingsName).value("cboRefLong").toString(), QString("1"));
    QVERIFY(messages.shown.empty());
  }

  void dataFolderIsCreatedWhenMissing() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir(QDir(base).filePath(kDataFolderName)).removeRecursively();
    const QString path = QString::fromStdString(DataFilePath("mirvo.usr"));
    QCOMPARE(QFileInfo(path).fileName(), QString("mirvo.usr"));
    QCOMPARE(QFileInfo(path).dir().dirName(), QString(kDataFolderName));
    QVERIFY(QFileInfo(QFileInfo(path).path()).isDir());
    QCOMPARE(QString::fromStdString(DataFilePath("mirvo.usr")), path);  // existing folder kept
  }

  void browserReportsAMissingDocument() {
    QtWebBrowser browser;
    QCOMPARE(browser.Open("/nonexistent/folder/manual.html"), 2);
  }
};

QTEST_MAIN(QtServicesTest)
#include "QtServices_qtest.moc"
