#include "ui/main/SettingsPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/ephemeris/Ephemeris.h"
#include "features/session/MainRules.h"
#include "ui/common/PanelKit.h"

namespace mirvo {

SettingsPanel::SettingsPanel(QWidget* parent) : QGroupBox("Settings", parent) {
  setObjectName("fraSettings");
  auto* v = new QVBoxLayout(this);
  auto* line1 = new QHBoxLayout;
  cboRefLong = Combo("cboRefLong");
  cboLongitude = Combo("cboLongitude");
  cboLongitude->setMaxVisibleItems(16);
  // The label follows the meridian and cannot be typed over, so it is text on the window, not a box.
  txbCCT = Named(new QLabel, "txbCCT");
  txbCCT->setToolTip("The zone label of the reference meridian");
  txbCCT->setFixedWidth(QFontMetrics(txbCCT->font()).horizontalAdvance("MMMM") + 16);
  cboEpoch = Combo("cboEpoch");
  cboMethod = Combo("cboMethod");
  line1->addWidget(Caption("Country"));
  line1->addWidget(cboRefLong);
  line1->addWidget(Caption("Longitude"));
  line1->addWidget(cboLongitude);
  line1->addWidget(Caption("º E"));
  line1->addWidget(txbCCT);
  line1->addWidget(Caption("Epoch"));
  line1->addWidget(cboEpoch);
  line1->addWidget(Caption("Method"));
  line1->addWidget(cboMethod);
  line1->addStretch(1);
  v->addLayout(line1);
  auto* line2 = new QHBoxLayout;
  chkShowVMC = Check("chkShowVMC", "Show Vellomir Calendar");
  chkShowCJDs = Check("chkShowCJDs", "Show chronological JDs");
  chkAutoLog = Check("chkAutoLog", "Auto log");
  chkHistorical = Check("chkHistorical", "Follow the calendar's history");
  chkHistorical->setToolTip(
      "Compute each lunar year for the meridian of its country's almanac of the time "
      "(China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)");
  line2->addWidget(chkShowVMC);
  line2->addWidget(chkShowCJDs);
  line2->addWidget(chkAutoLog);
  line2->addWidget(chkHistorical);
  line2->addStretch(1);
  v->addLayout(line2);

  connect(cboRefLong, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT countryChosen(std::max(0, i)); });
  connect(cboLongitude, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT longitudeChosen(kMinLongitude + std::max(0, i)); });
  connect(cboEpoch, &QComboBox::currentIndexChanged, this, [this](int i) { Q_EMIT epochChosen(EpochOfEntry(i)); });
  connect(cboMethod, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT sunMethodChosen(i == 1 ? kMeanSun : kTrueSun); });
  connect(chkShowVMC, &QCheckBox::toggled, this, &SettingsPanel::showVmcToggled);
  connect(chkShowCJDs, &QCheckBox::toggled, this, &SettingsPanel::showCjdsToggled);
  connect(chkAutoLog, &QCheckBox::toggled, this, &SettingsPanel::autoLogToggled);
  connect(chkHistorical, &QCheckBox::toggled, this, &SettingsPanel::historicalToggled);
}

void SettingsPanel::FillLists() {
  FillList(cboEpoch, EpochEntries());
  FillList(cboMethod, MethodEntries());
  FillList(cboLongitude, LongitudeEntries());
  FillList(cboRefLong, CountryEntries());
}

void SettingsPanel::ShowSettings(const MainSettings& s) {
  SetIndexQuietly(cboRefLong, s.country);
  SetIndexQuietly(cboLongitude, s.longitude - kMinLongitude);
  txbCCT->setText(Q(s.zoneLabel()));
  SetIndexQuietly(cboEpoch, s.epoch == EpochOfEntry(0) ? 0 : 1);
  SetIndexQuietly(cboMethod, s.sunMethod == kMeanSun ? 1 : 0);
  SetCheckedQuietly(chkShowVMC, s.showVmc);
  SetCheckedQuietly(chkShowCJDs, s.showCjds);
  SetCheckedQuietly(chkAutoLog, s.autoLog);
  SetCheckedQuietly(chkHistorical, s.historical);
}

}  // namespace mirvo
