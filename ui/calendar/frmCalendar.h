// The lunar calendar month window: one Chinese lunar month as a page of day cells with the Moon of
// each lunar day, stepped month by month and saved as a PNG picture. It only paints the month
// view that MonthView.h builds and asks the saving rules of CalendarImage.h to save.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "features/monthpage/MonthView.h"

class QLabel;
class QPushButton;

namespace mirvo {

class FileDialogs;
class Messages;
class Reckoner;

// What the window needs from the program; tests pass doubles.
struct CalendarServices {
  Messages* messages = nullptr;
  FileDialogs* fileDialogs = nullptr;
  std::function<int32_t()> today;         // the civil day of today (empty: the system clock)
  std::function<bool()> showVmc;          // "Show Vellomir Calendar" (empty: shown)
  std::function<int32_t()> currentDay;    // the day of the main window's instant, for the caption
                                          // (empty: the caption names day 1 of the month shown)
  FestivalCalendar* festivals = nullptr;  // the festivals each cell names (none without)
};

// The drawing units of the page, in pixels. A cell's last line, the festival's, stays clear of
// today's frame and of the page's bottom edge.
struct MonthPageGeometry {
  static constexpr int kTop = 80, kLeft = 20, kCellHeight = 128, kCellWidth = 110;
  static constexpr int kDayNumberDown = 52, kDateDown = 28, kVmcDown = 14, kFestivalHeight = 13;
  static constexpr int kPictureSize = 50;
  static constexpr int kWidth = kMonthViewColumns * kCellWidth + 2 * kLeft;  // 920
  static constexpr int kHeight = kMonthViewRows * kCellHeight + kTop;        // 592
};

class frmCalendar : public QWidget {
  Q_OBJECT

 public:
  // The Reckoner is the main window's: the month follows its meridian, epoch and country.
  frmCalendar(Reckoner& reckoner, CalendarServices services, QWidget* parent = nullptr);
  ~frmCalendar() override;

  // The month shown, by the day number of its day 1. Setting any day of a month shows that month.
  int32_t lngJDN1stOfMonth() const { return view_.valid ? view_.firstDay : requestedDay_; }
  void setJdn1stOfMonth(int32_t day);

  // "Show lunar calendar month": the month of `day`, restored when minimised, placed at the top
  // of `beside` (the main window) 100 twips from the right edge of the screen, shown and raised.
  void OpenAt(int32_t day, const QWidget* beside);

  // Rebuilds the month for the current settings and repaints; done on activation and after a step.
  void Redraw();
  const MonthView& view() const { return view_; }

  // The page as the window draws it, without the button row.
  QImage PageImage() const;
  // Writes PageImage() in format "PNG" or "BMP" (as any file of the program, see util/Files.h);
  // false when no complete file was written, with the reason in *reason when asked.
  bool WritePage(const std::string& path, const char* format, std::string* reason = nullptr) const;
  // "Save as PNG image".
  void cmdSaveCalendarImage_Click();
  void cmdShowPreviousOrNext_Click(int index);  // 0 previous, 1 next
  // "Close": hides the window and brings the main window (the parent) forward.
  void cmdClose_Click();

  // The pictures of lunar days 1..30 (the window paints the one of each cell's day).
  const QImage& MoonPicture(int lunarDay) const;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  class Page;
  void Retranslate();
  void ShowTexts();  // the title, heading and note of the month shown
  // The texts of the page in the window's language: the Qt-free month view writes English.
  QString TitleText() const;
  QString HeadingText() const;
  QString DayNumberText(const MonthCell& cell) const;
  QString DateText(const MonthCell& cell) const;

  Reckoner& reckoner_;
  CalendarServices services_;
  int32_t requestedDay_ = 0;
  MonthView view_;
  std::vector<QImage> moonPictures_;  // index lunar day - 1

  Page* picCalendar = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblYearAndMonth = nullptr;
  // In the top right cell, which no day takes: a month that other tables may begin, number or
  // end differently.
  QLabel* lblUncertain = nullptr;
  std::array<QLabel*, kMonthViewColumns> lblColumnHeading{};
  QLabel* lblRowsHeading = nullptr;
  std::array<QPushButton*, 2> cmdShowPreviousOrNext{};
  QPushButton* cmdSaveCalendarImage = nullptr;
  QPushButton* cmdClose = nullptr;
};

}  // namespace mirvo
