// The Settings group of the main window: country, reference longitude with its zone label, epoch,
// Sun method and the three switches (Vellomir Calendar, chronological JDs, auto log). It shows
// the settings record; the epoch, method and switches go straight to the main rules, the country
// and longitude (which redraw much of the window) are reported.
#pragma once

#include <QGroupBox>

#include "ui/main/MainSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace mirvo {

class MainRules;

class SettingsPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SettingsPanel(MainRules& rules, QWidget* parent = nullptr);

  void FillLists();
  // The record into the controls, without reporting it back.
  void ShowSettings(const MainSettings& settings);

 Q_SIGNALS:
  void countryChosen(int country);
  void longitudeChosen(int longitude);
  void calendarSettingChanged();  // the epoch or the method: the dates depend on them
  void displaySwitchToggled();    // the Vellomir or chronological-JD rows
  void autoLogToggled();

 private:
  QComboBox* cboRefLong = nullptr;
  QComboBox* cboLongitude = nullptr;
  QLabel* txbCCT = nullptr;  // the zone label: shown, not typed
  QComboBox* cboEpoch = nullptr;
  QComboBox* cboMethod = nullptr;
  QCheckBox* chkShowVMC = nullptr;
  QCheckBox* chkShowCJDs = nullptr;
  QCheckBox* chkAutoLog = nullptr;
};

}  // namespace mirvo
