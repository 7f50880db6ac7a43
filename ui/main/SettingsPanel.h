// The Settings group of the main window: country, reference longitude with its zone label, epoch,
// Sun method, the three switches (Vellomir Calendar, chronological JDs, auto log) and the
// language of the windows. It shows the settings record and reports every choice.
#pragma once

#include <QGroupBox>

#include "features/session/MainSettings.h"
#include "ui/common/WindowLanguage.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace mirvo {

class SettingsPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SettingsPanel(QWidget* parent = nullptr);

  void FillLists();
  // The record into the controls, without reporting it back.
  void ShowSettings(const MainSettings& settings);
  // The language of the windows is no part of the record: it is the window's own setting.
  void ShowLanguage(LanguageChoice choice);

 Q_SIGNALS:
  void countryChosen(mirvo::Country country);
  void longitudeChosen(int longitude);
  void epochChosen(mirvo::Epoch epoch);  // the dates depend on the epoch and the method
  void sunMethodChosen(mirvo::SunMethod method);
  void showVmcToggled(bool show);  // the Vellomir and chronological-JD rows
  void showCjdsToggled(bool show);
  void autoLogToggled(bool on);
  void historicalToggled(bool on);  // follow the calendar's history
  void languageChosen(mirvo::LanguageChoice choice);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QLabel* lblCountry = nullptr;
  QComboBox* cboRefLong = nullptr;
  QLabel* lblLongitude = nullptr;
  QComboBox* cboLongitude = nullptr;
  QLabel* lblEast = nullptr;
  QLabel* txbCCT = nullptr;  // the zone label: shown, not typed
  QLabel* lblEpoch = nullptr;
  QComboBox* cboEpoch = nullptr;
  QLabel* lblMethod = nullptr;
  QComboBox* cboMethod = nullptr;
  QCheckBox* chkShowVMC = nullptr;
  QCheckBox* chkShowCJDs = nullptr;
  QCheckBox* chkAutoLog = nullptr;
  QCheckBox* chkHistorical = nullptr;
  QLabel* lblLanguage = nullptr;
  QComboBox* cboLanguage = nullptr;
};

}  // namespace mirvo
