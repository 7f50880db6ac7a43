#include "ui/main/MoonNamesPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "core/chinese/Cycles.h"
#include "core/names/Names.h"
#include "ui/common/MoonPictureWidget.h"
#include "ui/common/PanelKit.h"
#include "ui/common/StemBranchWidget.h"
#include "ui/common/WindowLanguage.h"

namespace mirvo {
namespace {

// The stems and branches and the element and animal of a cycle position, in a language.
std::pair<QString, QString> NamesOf(Language language, int position, Country country) {
  const QString cycle = Q(names::StemBranch(language, position));
  const QString sign =
      QCoreApplication::translate("NativeNames", "%1-%2", "an element and an animal: wood-rat")
          .arg(Q(names::Element(language, ElementOfPosition(position))),
               Q(names::Animal(language, country, AnimalOfPosition(position))));
  return {cycle, sign};
}

}  // namespace

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
  KeepWidthForNames();
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
  lblFestival = Named(new QLabel, "lblFestival");
  for (QLabel* l : {lblNativeDate, lblSolarTerm, lblFestival}) {
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    l->setFixedHeight(l->fontMetrics().height());
    l->setTextFormat(Qt::PlainText);
  }
  cycles->addWidget(lblNativeDate, 3, 0, 1, 3);
  cycles->addWidget(lblSolarTerm, 4, 0, 1, 3);
  cycles->addWidget(lblFestival, 5, 0, 1, 3);
  cycles->setColumnStretch(2, 1);
  v->addLayout(cycles);
  v->addStretch(1);
  // As large as with every name shown (China's stem-branch characters and year count), so that
  // the button column below keeps its place in every country and with the year names hidden.
  setMinimumSize(sizeHint());
}

// Room for the longest names, so that the panel keeps its width from one date to the next.
void MoonNamesPanel::KeepWidthForNames() {
  const QFontMetrics nameFont(lblElementAnimalOfMonth->font());
  int nameWidth = 0;
  const Language language = WindowLanguage();
  if (language == Language::kEnglish) {
    for (const char* longest :
         {"geng-shen metal-monkey month", "gui-you water-rooster month", "xin-you metal-rooster month",
          "ren-chen water-dragon month", "geng-chen metal-dragon month", "ren-shen water-monkey month"}) {
      nameWidth = std::max(nameWidth, nameFont.horizontalAdvance(longest));
    }
  } else {
    for (Country country : kAllCountries) {
      for (int position = 1; position <= 60; ++position) {
        const auto [cycle, sign] = NamesOf(language, position, country);
        for (const QString& text : {tr("%1 year (%2)").arg(cycle, sign), tr("%1 month (%2)").arg(cycle, sign),
                                    tr("%1 day (%2)").arg(cycle, sign)}) {
          nameWidth = std::max(nameWidth, nameFont.horizontalAdvance(text));
        }
      }
    }
  }
  for (QLabel* l : {lblElementAnimalOfYear, lblElementAnimalOfMonth, lblElementAnimalOfDay[1]}) {
    l->setMinimumWidth(nameWidth);
  }
}

void MoonNamesPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange) {
    KeepWidthForNames();
    if (hasNames_) ShowNameTexts();
  }
  QWidget::changeEvent(event);
}

void MoonNamesPanel::ShowNameTexts() {
  const DisplayTexts& d = shown_;
  const Language language = WindowLanguage();
  if (language == Language::kEnglish || !d.chl.valid) {
    lblElementAnimalOfYear->setText(Q(d.elementAnimalOfYear));
    lblElementAnimalOfMonth->setText(Q(d.elementAnimalOfMonth));
    lblElementAnimalOfDay[0]->setText(Q(d.dayStemBranch));
    lblElementAnimalOfDay[1]->setText(Q(d.elementAnimalOfDay));
  } else {
    const auto year = NamesOf(language, d.chl.position, country_);
    //: The names panel: %1 the stems and branches (甲辰), %2 the element and animal.
    lblElementAnimalOfYear->setText(tr("%1 year (%2)").arg(year.first, year.second));
    const auto [element, animal] = MonthElementAnimal(d.chl);
    const auto month = NamesOf(language, PositionOfElementAnimal(element, animal), country_);
    lblElementAnimalOfMonth->setText(tr("%1 month (%2)").arg(month.first, month.second));
    const auto day = NamesOf(language, d.dayPosition, country_);
    // Beside the characters of the day, how they are read.
    lblElementAnimalOfDay[0]->setText(Q(names::StemBranchReading(language, d.dayPosition)));
    lblElementAnimalOfDay[1]->setText(tr("%1 day (%2)").arg(day.first, day.second));
  }
  lblYear->setText(TranslateText("Display", d.yearLabel));
  // The lunar date as a calendar of the session's language writes it, and the day's solar term.
  lblNativeDate->setText(Q(d.nativeDate));
  lblNativeDate->setToolTip(Q(d.nativeDate));
  lblSolarTerm->setText(Q(d.solarTerm));
  // Several festivals may outrun the panel: the tooltip holds them all, with their doubts.
  lblFestival->setText(Q(d.festival));
  lblFestival->setToolTip(d.festivalNote.empty() ? Q(d.festival) : Q(d.festival + "\n" + d.festivalNote));
}

void MoonNamesPanel::ShowNames(const DisplayTexts& d, Country country) {
  shown_ = d;
  country_ = country;
  hasNames_ = true;
  ShowNameTexts();
  SetYearAndMonthVisible(d.yearAndMonthVisible);
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
  if (!lblFestival->text().isEmpty()) single("Festival:", lblFestival);
  return out;
}

}  // namespace mirvo
