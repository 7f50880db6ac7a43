// The top right of the main window: the Moon as it is lit, the element-animal names of the
// lunar year, month and day (for China with their stem-branch characters and the year count),
// and under them the lunar date as a calendar of the window's language writes it, with the
// solar term and the festivals of the day.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "features/display/Display.h"

class QLabel;

namespace mirvo {

class MoonPictureWidget;
class StemBranchWidget;

class MoonNamesPanel : public QWidget {
  Q_OBJECT

 public:
  explicit MoonNamesPanel(QWidget* parent = nullptr);

  // The names and characters of the display, the animals those of the country. The Moon is drawn
  // apart (ShowMoon), in the country colour.
  void ShowNames(const DisplayTexts& display, Country country);
  // The Moon of the display with its dark side in `dark`; kept as it was when the display could
  // not find the phase.
  void ShowMoon(const DisplayTexts& display, const QColor& dark);
  void ShowMoonPicture(bool shown);
  // The stem-branch characters, the Chinese day name and the year count are shown for China only.
  void SetChina(bool china);
  // The year and month names share their place with the CJD rows.
  void SetYearAndMonthVisible(bool visible);
  void ClearYearAndMonth();
  // The names shown, as caption and text, in window order.
  std::vector<std::pair<std::string, std::string>> NameTexts() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // English shows the display's own texts; the other languages name the year, month and day by
  // their stems and branches and their element and animal, as their calendars do.
  void ShowNameTexts();
  void KeepWidthForNames();

  DisplayTexts shown_;
  Country country_ = kChina;
  bool hasNames_ = false;
  MoonPictureWidget* picMoon = nullptr;
  std::array<StemBranchWidget*, 2> picStem{};
  std::array<StemBranchWidget*, 2> picBranch{};
  QLabel* lblElementAnimalOfYear = nullptr;
  QLabel* lblElementAnimalOfMonth = nullptr;
  std::array<QLabel*, 2> lblElementAnimalOfDay{};
  QLabel* lblYear = nullptr;
  QLabel* lblNativeDate = nullptr;
  QLabel* lblSolarTerm = nullptr;
  QLabel* lblFestival = nullptr;
};

}  // namespace mirvo
