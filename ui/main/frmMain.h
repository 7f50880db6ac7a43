// The main window: shows the current instant in every reckoning, takes dates to convert, and
// holds the settings the calendars depend on. It only shows and collects; the rules of entry and
// display are the Qt-free code beside it.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/services/Services.h"
#include "util/ProgramTexts.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace mirvo {

class Reckoner;
struct DisplayTexts;
class MainRules;
class MoonPictureWidget;
class StemBranchWidget;
class frmHelp;
class frmBVsoftware;

// What the window needs from the desktop; tests pass recording doubles.
struct MainServices {
  Messages* messages = nullptr;
  Clipboard* clipboard = nullptr;
  SettingsStore* settings = nullptr;
  WebBrowser* browser = nullptr;
  std::string programFolder;  // holds mirvo.dat and manual.html
};

// Address of the project page opened by the maker's-site link.
inline constexpr char kProjectPageAddress[] = "https://vantrel.example.org/";
inline constexpr char kManualFileName[] = "manual.html";

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(MainServices services, QWidget* parent = nullptr);
  ~frmMain() override;

  // The start-up sequence. False when the program texts cannot be loaded (the message has been
  // shown and the program should end).
  bool Start();

  // State read by the other windows.
  double CurrentAjd() const;    // the current instant (AJD)
  int CurrentCalendar() const;  // the current entry calendar (column of the code table)
  bool blnInitializing = false;
  bool blnStartupCompleted = false;
  bool blnRepeat = false;
  std::string strCCT = "CCT";

  int CountryIndex() const;
  int Longitude() const;
  int Epoch() const;
  int SunMethod() const;
  // "Epoch = -2696, method = true sun" (lower-case "epoch" unless capitalE), for the log and lists.
  std::string EpochMethod(bool capitalE) const;
  Reckoner& reckoner() { return *reckoner_; }

  // Commands.
  void Recalculate(int autoLogValue);
  void DisplayDatesAndTimes();
  void CmdSaveStateEnabled(bool enabled);
  void SetTheFocus();
  void cmdMoveSetFocus();    // on Move when it is shown and enabled, else nowhere
  void cmdSearchSetFocus();  // on Search when it is enabled, else on Quit
  // Lets a long command's Stop, Pause and other clicks run between its steps; members of this
  // window may change across the call.
  void ProcessPendingInput();
  void HighlightCurrentCalendar();
  void ShowDeltaT();
  void SetInstant(double ajd);  // for tests and scripted screenshots: shows the instant
  MainRules& rules() { return *rules_; }

  // The caption and value of every visible row, in window order.
  std::vector<std::pair<std::string, std::string>> RowTexts() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Row {
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
    int calendar = -1;  // the entry calendar a click makes current; -1 for the Moon rows
  };
  enum RowId {
    kRowCE, kRowJC, kRowCHL, kRowCHS, kRowVmcGmt, kRowVmcCct, kRowCjdl, kRowCjdc, kRowAjd,
    kRowPhase, kRowAge, kRowDeltaT, kRowCount
  };

  void BuildControls();
  QWidget* BuildRows();
  QWidget* BuildRightPanel();
  QGroupBox* BuildConvertGroup();
  QGroupBox* BuildMoveGroup();
  QGroupBox* BuildSearchGroup();
  QGroupBox* BuildSettingsGroup();
  void ConnectHandlers();
  void Initialization();
  void FillSettingLists();

  // Handlers.
  void cboRefLong_Click();
  void cboLongitude_Click();
  void cboEpoch_Click();
  void cboMethod_Click();
  void chkShowVMC_Click();
  void chkShowCJDs_Click();
  void cmdReset_Click();
  void cmdQuit_Click();
  void EndProgram();  // what Quit and closing the window both do
  void cmdNow_Click();
  void cmdCompute_Click();
  void cmdClearDate_Click();
  void cmdHelp_Click();
  void cmdBVSoftware_Click();
  void OptionPairChanged(QButtonGroup* group);
  void RowClicked(int row, bool valueLabel);
  void OpenLink(bool manual);
  void ResetLinkLabels();

  void ApplyCountryCaptions();
  void ApplyCountryAnimalNames();
  void ApplyCountryColours();
  void SyncDisplayOptions();
  void DisplayChineseDates();
  void DisplayMoon();
  void UpdateElementAnimalControls();
  void ConnectRules();
  void ShowDisplay(const DisplayTexts& display);
  void EntryFromBoxes();
  void BoxesFromEntry();
  template <typename Command>
  void RunEntryCommand(Command&& command);

  MainServices services_;
  std::unique_ptr<Reckoner> reckoner_;
  std::unique_ptr<MainRules> rules_;  // entry, conversion and display
  ProgramTextStore texts_;
  bool isChina_ = true;
  bool quitting_ = false;
  bool dateTextChanging_ = false;
  bool deferFocus_ = false;    // a command of the rules is running on a copy of the boxes
  bool focusPending_ = false;  // it asked for SetTheFocus

  std::array<Row, kRowCount> rows_{};
  QLabel* lblElementAnimalOfYear = nullptr;
  QLabel* lblElementAnimalOfMonth = nullptr;
  std::array<QLabel*, 2> lblElementAnimalOfDay{};
  QLabel* lblYear = nullptr;
  std::array<StemBranchWidget*, 2> picStem{};
  std::array<StemBranchWidget*, 2> picBranch{};
  MoonPictureWidget* picMoon = nullptr;

  QLineEdit* txbDate = nullptr;
  QLineEdit* txbTime = nullptr;
  QComboBox* cboTimeZone = nullptr;
  QLineEdit* txbPlusMinus = nullptr;
  QRadioButton* optPlus = nullptr;
  QRadioButton* optMinus = nullptr;
  QButtonGroup* plusMinusGroup_ = nullptr;
  QComboBox* cboElement = nullptr;
  QComboBox* cboAnimal = nullptr;
  QLabel* lblElement = nullptr;
  QLabel* lblAnimal = nullptr;
  QPushButton* cmdCompute = nullptr;
  QPushButton* cmdClearDate = nullptr;
  QPushButton* cmdNow = nullptr;

  QGroupBox* fraMove = nullptr;
  QPushButton* cmdMove = nullptr;
  std::array<QRadioButton*, 2> optMoveDirection{};
  QButtonGroup* moveDirectionGroup_ = nullptr;
  QComboBox* cboMoveStep = nullptr;
  QCheckBox* chkRepeatedly = nullptr;
  QPushButton* cmdMoveOneDay = nullptr;
  QCheckBox* chkKeep30th = nullptr;
  QCheckBox* chkKeepLeap = nullptr;
  QGroupBox* fraStopPauseResume = nullptr;
  QPushButton* cmdStop = nullptr;
  QPushButton* cmdPauseResume = nullptr;
  QComboBox* cboRefreshPeriod = nullptr;

  QGroupBox* fraSearch = nullptr;
  QPushButton* cmdSearch = nullptr;
  QRadioButton* optNext = nullptr;
  QRadioButton* optPrevious = nullptr;
  QButtonGroup* nextPreviousGroup_ = nullptr;
  QComboBox* cboTarget = nullptr;
  QLabel* lblSearching = nullptr;

  QComboBox* cboRefLong = nullptr;
  QComboBox* cboLongitude = nullptr;
  QLineEdit* txbCCT = nullptr;
  QComboBox* cboEpoch = nullptr;
  QComboBox* cboMethod = nullptr;
  QCheckBox* chkShowVMC = nullptr;
  QCheckBox* chkShowCJDs = nullptr;
  QCheckBox* chkAutoLog = nullptr;

  QPushButton* cmdDisplayCalendar = nullptr;
  QPushButton* cmdDisplayYearData = nullptr;
  QPushButton* cmdListLunarNewYears = nullptr;
  QPushButton* cmdListLeapMonths = nullptr;
  QPushButton* cmdListJulianCENewYears = nullptr;
  QPushButton* cmdAddToLog = nullptr;
  QPushButton* cmdViewLog = nullptr;
  QPushButton* cmdClearLog = nullptr;
  QPushButton* cmdLogPreferences = nullptr;
  QPushButton* cmdSaveState = nullptr;
  QPushButton* cmdRestoreState = nullptr;
  QPushButton* cmdReset = nullptr;
  QPushButton* cmdHelp = nullptr;
  QPushButton* cmdBVSoftware = nullptr;
  QPushButton* cmdQuit = nullptr;
  QPushButton* cmdTest = nullptr;
  QPushButton* cmdCompareSuns = nullptr;
  QLabel* lblBrisvaleSystems = nullptr;
  QLabel* lblOnlineDocumentation = nullptr;

  QTimer* Clock = nullptr;
  QTimer* Timer1 = nullptr;

  frmHelp* help_ = nullptr;
  frmBVsoftware* catalogue_ = nullptr;
};

}  // namespace mirvo
