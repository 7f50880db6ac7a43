// The data window: one text area in a fixed-pitch font in which the year data, the lists over
// many years and the self-test appear, with the options of each listing and buttons to copy,
// stop and close. The listings themselves are the Qt-free code of Listings.h; long ones run a
// slice at a time from the event loop, so the window stays responsive and Stop ends them at once.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/services/Services.h"
#include "features/listings/Listings.h"
#include "features/entry/EntryModel.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace mirvo {

class FileDialogs;
class ProgramTextStore;
class Reckoner;
class TextFiles;

// What the data window takes from the main window.
struct DataWindowSources {
  // The instant and the settings at the moment a listing starts.
  std::function<ListingInputs()> inputs;
  // Parses a date entry as the main window's Convert does (the date test); may be empty.
  std::function<ParseResult(const std::string& text)> parseDate;
  // The window the data window is placed against; may be null.
  QWidget* mainWindow = nullptr;
  // Language texts 10, 11, 17, 18 and 19; English when null.
  const ProgramTextStore* texts = nullptr;
  // The Save dialog and the files of "Save as iCalendar…"; without both the button stays hidden.
  FileDialogs* fileDialogs = nullptr;
  TextFiles* files = nullptr;
};

class frmData : public QWidget {
  Q_OBJECT

 public:
  frmData(Reckoner& reckoner, Clipboard* clipboard, Messages* messages, DataWindowSources sources,
          QWidget* parent = nullptr);
  ~frmData() override;

  // The mode of the last listing (DataMode).
  int intWindow = kModeNewYears;

  // The year data of the current instant (the main window's dark moons and solar terms button).
  void DisplayYearData();
  // A list of the current mode with the number of years in the box (the List button, Enter).
  void cmdList_Click();
  // The main window's list buttons: the mode's list at once, with its remembered number of years.
  void OpenList(int mode);
  // The self-test: random dates, or the date typed into the test box.
  void DoTest();

  // The European calendar of the dates (the main window's CE and JC values set it).
  void SetEuropeanCalendar(char letter);  // 'G' or 'J'
  void SetSolarTermOptions(bool major, bool minor, bool names);

  bool IsListing() const;
  QString Text() const;

 Q_SIGNALS:
  // A listing that ran from the event loop has ended (finished or stopped).
  void listingEnded();
  // Close has hidden the window; the main window takes the focus back.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class WindowOutput;

  void BuildControls();
  void ConnectHandlers();
  void SetWindowSize();
  void PrepareForList();
  void ShowForMode(const char* caption);
  void StartListing(std::unique_ptr<Listing> listing);
  void RunSlice();
  void EndListing();
  void AbandonListing();
  void FlushPending();
  bool ShowQueuedMessages();
  void FinalFocus();
  void cmdClose_Click();
  void cmdCopyToClipboard_Click();
  void cmdSaveICalendar_Click();
  void ShowSaveButton(bool listOfDates);
  void ForgetListedDates();
  QString LanguageText(int number, const char* english) const;
  std::array<int, 4> CalendarSettings() const;

  Reckoner& reckoner_;
  Clipboard* clipboard_;
  Messages* messages_;
  DataWindowSources sources_;

  QPlainTextEdit* txbText = nullptr;
  QPushButton* cmdCopyToClipboard = nullptr;
  QPushButton* cmdSaveICalendar = nullptr;
  QPushButton* cmdClose = nullptr;
  QPushButton* cmdStop = nullptr;
  QPushButton* cmdList = nullptr;
  QLineEdit* txbNumYears = nullptr;
  QLabel* lblYears = nullptr;
  QCheckBox* chkLargeWindow = nullptr;
  QCheckBox* chkIncludeMajorSolarTerms = nullptr;
  QCheckBox* chkIncludeMinorSolarTerms = nullptr;
  QCheckBox* chkDisplaySolarTermNames = nullptr;
  QCheckBox* chkLeapMonthsOnly = nullptr;
  QCheckBox* chkOmitInvalidDates = nullptr;
  QGroupBox* fraEuroCal = nullptr;
  QRadioButton* optCE = nullptr;
  QRadioButton* optJC = nullptr;
  QLineEdit* txbStart = nullptr;
  QLineEdit* txbEnd = nullptr;

  int normalWidth_ = 0, wideWidth_ = 0, mediumWidth_ = 0;
  bool stopRequest_ = false;
  std::array<int, 6> rememberedYears_{};
  std::unique_ptr<Listing> listing_;
  ListedDates listed_;  // the dates of the last list, for "Save as iCalendar…"
  int listingMode_ = 0;
  std::array<int, 4> listingSettings_{};  // country, longitude, epoch and Sun method at its start
  std::unique_ptr<WindowOutput> output_;
  unsigned generation_ = 0;  // counts listings begun and ended
  QTimer* slices_ = nullptr;
};

}  // namespace mirvo
