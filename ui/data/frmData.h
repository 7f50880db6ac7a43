// The data window: one text area in a fixed-pitch font in which the year data, the lists over
// many years and the self-test appear, with the options of each listing and buttons to copy,
// stop and close. The listings and their run are the Qt-free code of features/listings; long ones
// run a slice at a time from the event loop, so the window stays responsive and Stop ends them at
// once, and the view follows the newest lines unless the user has scrolled up.
#pragma once

#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "features/entry/EntryModel.h"
#include "features/listings/ListingRun.h"
#include "features/listings/Listings.h"
#include "platform/services/Services.h"
#include "ui/common/WindowLanguage.h"
#include "ui/data/DataWindowForm.h"

namespace mirvo {

class FileDialogs;
class ProgramTextStore;
class Reckoner;
class SliceTimer;
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

class frmData : public QWidget, private DataWindowForm {
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
  using DataWindowForm::SetSolarTermOptions;

  bool IsListing() const;
  QString Text() const;

 Q_SIGNALS:
  // A listing that ran from the event loop has ended (finished or stopped).
  void listingEnded();
  // Close has hidden the window; the main window takes the focus back.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ConnectHandlers();
  void ShowForMode(const char* caption);
  ListingOptions Options() const;
  void PrepareForList();
  void StartListing(std::unique_ptr<Listing> listing);
  bool RunSlice(std::chrono::milliseconds budget);
  void ShowProgress();
  void EndListing();
  void AbandonListing();
  void RestoreCaptions();
  void AppendText(const std::string& text);
  bool ShowQueuedMessages();
  void FinalFocus();
  void cmdClose_Click();
  void cmdCopyToClipboard_Click();
  void cmdSaveICalendar_Click();
  void ShowSaveButton(bool listOfDates);
  void ForgetListedDates();
  QString LanguageText(int number, const char* english) const {
    return ProgramTextIn(sources_.texts, number, english);
  }
  void Retranslate();

  Reckoner& reckoner_;
  Clipboard* clipboard_;
  Messages* messages_;
  DataWindowSources sources_;
  std::array<int, 6> rememberedYears_{};
  ListingRun run_;
  int listingMode_ = 0;       // the mode of the listing running or last run
  const char* caption_ = "";  // the window's title, as the listings name it
  SliceTimer* slices_ = nullptr;
};

}  // namespace mirvo
