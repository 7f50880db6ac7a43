#include "ui/main/MoonNamesPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/MoonPictureWidget.h"
#include "ui/common/PanelKit.h"
#include "ui/common/StemBranchWidget.h"

namespace mirvo {

MoonNamesPanel::MoonNamesPanel(QWidget* parent) : QWidget(parent) {
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  picMoon = Named(new MoonPictureWidget, "picMoon");
  v->addWidget(picMoon, 0, Qt::AlignHCenter);

  for (int i = 0; i < 2; ++i) {
    const auto k = static_cast<size_t>(i);
    picStem[k] = Named(new StemBranchWidget(StemBranchWidget::Kind::kStem), ArrayName("picStem", i));
    picBranch[k] = Named(new StemBranchWidget(StemBranchWidget::Kind::kBranch), ArrayName("picBranch", i));
    lblElementAnimalOfDay[k] = Named(new QLabel, ArrayName("lblElementAnimalOfDay", i));
  }
  lblElementAnimalOfYear = Named(new QLabel, "lblElementAnimalOfYear");
  lblElementAnimalOfMonth = Named(new QLabel, "lblElementAnimalOfMonth");
  lblYear = Named(new QLabel, "lblYear");
  // Room for the longest names, so that the panel keeps its width from one date to the next.
  const QFontMetrics nameFont(lblElementAnimalOfMonth->font());
  int nameWidth = 0;
  for (const char* longest : {"geng-shen metal-monkey month", "gui-you water-rooster month",
                              "xin-you metal-rooster month", "ren-chen water-dragon month",
                              "geng-chen metal-dragon month", "ren-shen water-monkey month"}) {
    nameWidth = std::max(nameWidth, nameFont.horizontalAdvance(longest));
  }
  for (QLabel* l : {lblElementAnimalOfYear, lblElementAnimalOfMonth, lblElementAnimalOfDay[1]}) {
    l->setMinimumWidth(nameWidth);
  }
  auto* cycles = new QGridLayout;
  auto* yearText = new QVBoxLayout;
  yearText->addWidget(lblElementAnimalOfYear);
  yearText->addWidget(lblYear);
  cycles->addWidget(picStem[0], 0, 0);
  cycles->addWidget(picBranch[0], 0, 1);
  cycles->addLayout(yearText, 0, 2);
  // All three texts in one column, beside the pictures for China, flush left elsewhere.
  cycles->addWidget(lblElementAnimalOfMonth, 1, 2);
  auto* dayText = new QVBoxLayout;
  dayText->addWidget(lblElementAnimalOfDay[0]);
  dayText->addWidget(lblElementAnimalOfDay[1]);
  cycles->addWidget(picStem[1], 2, 0);
  cycles->addWidget(picBranch[1], 2, 1);
  cycles->addLayout(dayText, 2, 2);
  // The native date and the term across the panel, each with the room of one line whether it has
  // a text or not, and never wider than the panel: a long date (Vietnamese, a leap month) does not
  // move what lies below or beside; its tooltip holds the whole text.
  lblNativeDate = Named(new QLabel, "lblNativeDate");
  lblSolarTerm = Named(new QLabel, "lblSolarTerm");
  for (QLabel* l : {lblNativeDate, lblSolarTerm}) {
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    l->setFixedHeight(l->fontMetrics().height());
    l->setTextFormat(Qt::PlainText);
  }
  cycles->addWidget(lblNativeDate, 3, 0, 1, 3);
  cycles->addWidget(lblSolarTerm, 4, 0, 1, 3);
  cycles->setColumnStretch(2, 1);
  v->addLayout(cycles);
  v->addStretch(1);
  // As large as with every name shown (China's stem-branch characters and year count), so that
  // the button column below keeps its place in every country and with the year names hidden.
  setMinimumSize(sizeHint());
}

void MoonNamesPanel::ShowNames(const DisplayTexts& d) {
  lblElementAnimalOfYear->setText(Q(d.elementAnimalOfYear));
  lblElementAnimalOfMonth->setText(Q(d.elementAnimalOfMonth));
  SetYearAndMonthVisible(d.yearAndMonthVisible);
  lblElementAnimalOfDay[0]->setText(Q(d.dayStemBranch));
  lblElementAnimalOfDay[1]->setText(Q(d.elementAnimalOfDay));
  lblYear->setText(Q(d.yearLabel));
  lblNativeDate->setText(Q(d.nativeDate));
  lblNativeDate->setToolTip(Q(d.nativeDate));
  lblSolarTerm->setText(Q(d.solarTerm));
  picStem[0]->SetNumber(d.yearStem);
  picBranch[0]->SetNumber(d.yearBranch);
  picStem[1]->SetNumber(d.dayStem);
  picBranch[1]->SetNumber(d.dayBranch);
  SetChina(d.chinaOnlyVisible);
}

void MoonNamesPanel::ShowMoon(const DisplayTexts& d, const QColor& dark) {
  if (d.moonError.empty()) picMoon->SetPhase(d.illumination, d.waxing, dark);
}

void MoonNamesPanel::ShowMoonPicture(bool shown) { picMoon->setVisible(shown); }

void MoonNamesPanel::SetChina(bool china) {
  lblYear->setVisible(china);
  lblElementAnimalOfDay[0]->setVisible(china);
  for (size_t i = 0; i < 2; ++i) {
    picStem[i]->setVisible(china);
    picBranch[i]->setVisible(china);
  }
}

void MoonNamesPanel::SetYearAndMonthVisible(bool visible) {
  lblElementAnimalOfYear->setVisible(visible);
  lblElementAnimalOfMonth->setVisible(visible);
}

void MoonNamesPanel::ClearYearAndMonth() {
  lblElementAnimalOfYear->clear();
  lblElementAnimalOfMonth->clear();
}

std::vector<std::pair<std::string, std::string>> MoonNamesPanel::NameTexts() const {
  std::vector<std::pair<std::string, std::string>> out;
  auto single = [&](const char* caption, const QLabel* l) {
    if (l->isVisibleTo(window())) out.emplace_back(caption, S(l->text()));
  };
  single("Year:", lblElementAnimalOfYear);
  single("Month:", lblElementAnimalOfMonth);
  single("Day (Chinese):", lblElementAnimalOfDay[0]);
  single("Day:", lblElementAnimalOfDay[1]);
  single("Year count:", lblYear);
  single("Lunar date:", lblNativeDate);
  if (!lblSolarTerm->text().isEmpty()) single("Solar term:", lblSolarTerm);
  return out;
}

}  // namespace mirvo
