#include "ui/main/DateRowsPanel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "ui/common/PanelKit.h"

namespace mirvo {
namespace {

constexpr const char* kStartCaptions[kRowCount] = {"Common Era (Gregorian):",
                                                   "Julian Calendar:",
                                                   "Chinese Lunar:",
                                                   "Chinese Solar:",
                                                   "Vellomir Calendar:",
                                                   "",
                                                   "Chronological JD London:",
                                                   "Chronological JD 120º East",
                                                   "Astronomical Julian date:",
                                                   "Phase of Moon, illumination:",
                                                   "[Lunation] Age of Moon:",
                                                   "Delta T:"};

// Captions the rows take with other dates, countries and meridians: the caption column is as
// wide as the widest of them, so the values never shift sideways.
constexpr const char* kOtherCaptions[] = {"VMC month & day same as CHL",
                                          "VMC date 1 day ahead of CHL",
                                          "VMC date 1 day behind CHL",
                                          "VMC date 1 month ahead of CHL",
                                          "VMC date 1 month behind CHL",
                                          "VMC month no. same as CHL",
                                          "VMC day no. same as CHL",
                                          "Chronological JD 145º East",
                                          "Vietnamese Solar:",
                                          "Vietnamese Lunar:",
                                          "Japanese Solar:"};

int TallestLine(const QFont& font) {
  QLabel sample(QStringLiteral("Ậỹ 農曆 旧暦 음력 Ag"));
  sample.setFont(font);
  return sample.sizeHint().height();
}

}  // namespace

DateRowsPanel::DateRowsPanel(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(3);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int i = 0; i < kRowCount; ++i) {
    const RowId id = static_cast<RowId>(i);
    Row& r = At(id);
    captions_[static_cast<size_t>(i)] = kStartCaptions[i];
    r.caption = Named(new QLabel, ArrayName(RowLabelName(id), 0));
    r.value = Named(new QLabel, ArrayName(RowLabelName(id), 1));
    r.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.value->setFont(fixed);
    r.value->setTextInteractionFlags(Qt::NoTextInteraction);
    r.value->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0')) * 46);
    // The values speak the window's language: a row is as tall as its tallest script (letters
    // of other fonts, Vietnamese stacked accents), so a change of language moves no row.
    r.value->setMinimumHeight(TallestLine(fixed));
    if (id != RowId::kDeltaT) {
      for (QLabel* l : {r.caption, r.value}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
      }
    }
    const int gridRow = i + (i >= kFirstMoonRow ? 1 : 0);  // a gap between the dates and the Moon
    // Rows that come and go with the switches keep their place: nothing below them moves.
    grid->addWidget(KeepPlace(r.caption), gridRow, 0);
    grid->addWidget(KeepPlace(r.value), gridRow, 1);
  }
  grid->setRowMinimumHeight(kFirstMoonRow, 6);
  grid->setColumnStretch(1, 1);
  Retranslate();
}

void DateRowsPanel::Retranslate() {
  for (size_t i = 0; i < rows_.size(); ++i) rows_[i].caption->setText(TranslateText("Display", captions_[i]));
  const QFontMetrics captionFont(At(RowId::kCe).caption->font());
  int captionWidth = 0;
  for (const char* caption : kStartCaptions) {
    captionWidth = std::max(captionWidth, captionFont.horizontalAdvance(TranslateText("Display", caption)));
  }
  for (const char* caption : kOtherCaptions) {
    captionWidth = std::max(captionWidth, captionFont.horizontalAdvance(TranslateText("Display", caption)));
  }
  static_cast<QGridLayout*>(layout())->setColumnMinimumWidth(0, captionWidth);
}

void DateRowsPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange) Retranslate();
  QWidget::changeEvent(event);
}

void DateRowsPanel::ShowDisplay(const DisplayTexts& d) {
  for (int i = 0; i < kRowCount; ++i) {
    const RowId id = static_cast<RowId>(i);
    if (i >= kFirstMoonRow && id != RowId::kDeltaT && !d.moonError.empty()) continue;
    const DisplayRow& row = d.Row(id);
    Row& r = At(id);
    captions_[static_cast<size_t>(i)] = row.caption;
    r.caption->setText(TranslateText("Display", row.caption));
    r.value->setText(Q(row.value));
    r.value->setToolTip(Q(row.tooltip));
    r.caption->setVisible(row.visible);
    r.value->setVisible(row.visible);
  }
}

void DateRowsPanel::HighlightCalendar(int calendar) {
  for (int i = 0; i < kFirstMoonRow; ++i) {
    const RowId id = static_cast<RowId>(i);
    bool current = RowCalendar(id) == calendar;
    // The second VMC caption holds the note on the lunar date and is always grey; the first
    // stands for both VMC calendars.
    if (id == RowId::kVmcGmt) current = calendar == kCalVMCGMT || calendar == kCalVMCCCT;
    if (id == RowId::kVmcReference) current = false;
    SetTextColour(At(id).caption, ToColor(current ? kHighlightColour : kDehighlightColour));
  }
}

void DateRowsPanel::ClearValues() {
  for (int i = 0; i < kRowCount; ++i) {
    if (static_cast<RowId>(i) != RowId::kDeltaT) rows_[static_cast<size_t>(i)].value->clear();
  }
}

std::vector<std::pair<std::string, std::string>> DateRowsPanel::RowTexts() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const Row& r : rows_) {
    if (r.value->isVisibleTo(window())) out.emplace_back(S(r.caption->text()), S(r.value->text()));
  }
  return out;
}

bool DateRowsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int i = 0; i < kRowCount; ++i) {
      const Row& r = rows_[static_cast<size_t>(i)];
      if (watched == r.caption || watched == r.value) {
        Q_EMIT rowClicked(static_cast<RowId>(i), watched == r.value);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace mirvo
