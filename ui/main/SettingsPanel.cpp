#include "ui/main/SettingsPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/ephemeris/Ephemeris.h"
#include "features/session/MainRules.h"
#include "ui/common/PanelKit.h"

namespace mirvo {

SettingsPanel::SettingsPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("fraSettings");
  auto* v = new QVBoxLayout(this);
  auto* line1 = new QHBoxLayout;
  cboRefLong = Combo("cboRefLong");
  cboLongitude = Combo("cboLongitude");
  cboLongitude->setMaxVisibleItems(16);
  // The label follows the meridian and cannot be typed over, so it is text on the window, not a box.
  txbCCT = Named(new QLabel, "txbCCT");
  txbCCT->setFixedWidth(QFontMetrics(txbCCT->font()).horizontalAdvance("MMMM") + 16);
  cboEpoch = Combo("cboEpoch");
  cboMethod = Combo("cboMethod");
  lblCountry = Named(new QLabel, "lblCountry");
  lblLongitude = Named(new QLabel, "lblLongitude");
  lblEpoch = Named(new QLabel, "lblEpoch");
  lblMethod = Named(new QLabel, "lblMethod");
  line1->addWidget(lblCountry);
  line1->addWidget(cboRefLong);
  line1->addWidget(lblLongitude);
  line1->addWidget(cboLongitude);
  lblEast = Named(new QLabel, "lblEast");
  line1->addWidget(lblEast);
  line1->addWidget(txbCCT);
  line1->addWidget(lblEpoch);
  line1->addWidget(cboEpoch);
  line1->addWidget(lblMethod);
  line1->addWidget(cboMethod);
  line1->addStretch(1);
  v->addLayout(line1);
  auto* line2 = new QHBoxLayout;
  chkShowVMC = Check("chkShowVMC");
  chkShowCJDs = Check("chkShowCJDs");
  chkAutoLog = Check("chkAutoLog");
  chkHistorical = Check("chkHistorical");
  lblLanguage = Named(new QLabel, "lblLanguage");
  cboLanguage = Combo("cboLanguage");
  line2->addWidget(chkShowVMC);
  line2->addWidget(chkShowCJDs);
  line2->addWidget(chkAutoLog);
  line2->addWidget(chkHistorical);
  line2->addStretch(1);
  line2->addWidget(lblLanguage);
  line2->addWidget(cboLanguage);
  v->addLayout(line2);

  connect(cboRefLong, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT countryChosen(CountryFromNumber(std::max(0, i)).value_or(kChina)); });
  connect(cboLongitude, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT longitudeChosen(kMinLongitude + std::max(0, i)); });
  connect(cboEpoch, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT epochChosen(EpochOfEntry(i)); });
  connect(cboMethod, &QComboBox::currentIndexChanged, this,
          [this](int i) { Q_EMIT sunMethodChosen(i == 1 ? kMeanSun : kTrueSun); });
  connect(chkShowVMC, &QCheckBox::toggled, this, &SettingsPanel::showVmcToggled);
  connect(chkShowCJDs, &QCheckBox::toggled, this, &SettingsPanel::showCjdsToggled);
  connect(chkAutoLog, &QCheckBox::toggled, this, &SettingsPanel::autoLogToggled);
  connect(chkHistorical, &QCheckBox::toggled, this, &SettingsPanel::historicalToggled);
  connect(cboLanguage, &QComboBox::activated, this,
          [this](int i) { Q_EMIT languageChosen(LanguageChoiceAt(i)); });
  Retranslate();
}

void SettingsPanel::FillLists() {
  FillList(cboEpoch, EpochEntries(), "Tables");
  FillList(cboMethod, MethodEntries(), "Tables");
  FillList(cboLongitude, LongitudeEntries());
  FillList(cboRefLong, CountryEntries(), "Tables");
}

void SettingsPanel::Retranslate() {
  setTitle(tr("Settings"));
  lblCountry->setText(tr("Country"));
  lblLongitude->setText(tr("Longitude"));
  lblEpoch->setText(tr("Epoch"));
  lblMethod->setText(tr("Method"));
  //: After the longitude: degrees east of Greenwich.
  lblEast->setText(tr("º E"));
  txbCCT->setToolTip(tr("The zone label of the reference meridian"));
  chkShowVMC->setText(tr("Show Vellomir Calendar"));
  chkShowCJDs->setText(tr("Show chronological JDs"));
  chkAutoLog->setText(tr("Auto log"));
  chkHistorical->setText(tr("Follow the calendar's history"));
  chkHistorical->setToolTip(
      tr("Compute each lunar year for the meridian of its country's almanac of the time "
         "(China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)"));
  lblLanguage->setText(tr("Language"));
  RetitleList(cboEpoch, EpochEntries(), "Tables");
  RetitleList(cboMethod, MethodEntries(), "Tables");
  RetitleList(cboRefLong, CountryEntries(), "Tables");
  // Each language by its own name, so that a reader finds theirs whatever the window speaks.
  const QSignalBlocker block(cboLanguage);
  const int chosen = std::max(0, cboLanguage->currentIndex());
  cboLanguage->clear();
  cboLanguage->addItem(tr("System", "the language of the windows follows the system's locale"));
  for (int i = 0; i < kLanguageCount; ++i) cboLanguage->addItem(Q(LanguageOwnName(static_cast<Language>(i))));
  cboLanguage->setCurrentIndex(chosen);
  cboLanguage->setToolTip(
      tr("The language of the windows; System follows the locale (English where the "
         "program has no translation)"));
}

void SettingsPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QGroupBox::changeEvent(event);
}

void SettingsPanel::ShowSettings(const MainSettings& s) {
  SetIndexQuietly(cboRefLong, CountryNumber(s.country));
  SetIndexQuietly(cboLongitude, s.longitude - kMinLongitude);
  txbCCT->setText(Q(s.zoneLabel()));
  SetIndexQuietly(cboEpoch, s.epoch == EpochOfEntry(0) ? 0 : 1);
  SetIndexQuietly(cboMethod, s.sunMethod == kMeanSun ? 1 : 0);
  SetCheckedQuietly(chkShowVMC, s.showVmc);
  SetCheckedQuietly(chkShowCJDs, s.showCjds);
  SetCheckedQuietly(chkAutoLog, s.autoLog);
  SetCheckedQuietly(chkHistorical, s.historical);
}

void SettingsPanel::ShowLanguage(LanguageChoice choice) {
  SetIndexQuietly(cboLanguage, IndexOfLanguageChoice(choice));
}

}  // namespace mirvo
