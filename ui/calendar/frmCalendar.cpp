#include "ui/calendar/frmCalendar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/names/Names.h"
#include "features/monthpage/CalendarImage.h"
#include "platform/qt/QtTextFiles.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/Services.h"
#include "ui/common/MoonPictureWidget.h"
#include "ui/common/PanelKit.h"
#include "ui/common/WindowLanguage.h"

namespace mirvo {
namespace {

using G = MonthPageGeometry;

const QColor kPageColour(198, 0, 0);
const QColor kTextColour(255, 255, 0);
constexpr int kLunarDays = 30;
constexpr int kRightMargin = 7;  // 100 twips

QFont PointFont(int points, bool bold, bool underline = false) {
  QFont f;
  f.setPointSize(points);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

void SetTextColour(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, kTextColour);
  w->setPalette(p);
}

QLabel* PageLabel(QWidget* page, const char* name, QRect geometry, const QFont& font) {
  auto* label = new QLabel(page);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(font);
  SetTextColour(label);
  return label;
}

// The Moon of every lunar day, drawn as the main window draws the Moon of an instant (its base
// pictures with the terminator painted over) on the page's colour, so that the unlit part of the
// disc is the page itself.
std::vector<QImage> MakeMoonPictures() {
  MoonPictureWidget painter;
  std::vector<QImage> pictures;
  pictures.reserve(kLunarDays);
  for (int day = 1; day <= kLunarDays; ++day) {
    const LunarDayMoon moon = MoonOfLunarDay(day);
    painter.SetPhase(moon.illumination, moon.waxing, kPageColour);
    pictures.push_back(painter.image().scaled(G::kPictureSize, G::kPictureSize, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation));
  }
  return pictures;
}

}  // namespace

// The drawing: background, the Moon, number, date and Vellomir lines of every cell, today's frame.
// The title, the heading and the column headings are labels on it.
class frmCalendar::Page : public QWidget {
 public:
  explicit Page(frmCalendar& window) : QWidget(&window), window_(window) {
    setObjectName("picCalendar");
    setFixedSize(G::kWidth, G::kHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kPageColour);
    setPalette(p);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kPageColour);
    const MonthView& view = window_.view_;
    if (!view.valid) return;
    const bool showVmc = !window_.services_.showVmc || window_.services_.showVmc();
    const QFont number = PointFont(18, true);
    const QFont dayName = PointFont(15, true);
    const Language language = WindowLanguage();
    const bool chineseDays =
        language == Language::kSimplifiedChinese || language == Language::kTraditionalChinese;
    for (size_t n = 0; n < view.cells.size(); ++n) {
      const MonthCell& cell = view.cells[n];
      if (!cell.visible) continue;
      const int x = cell.column * G::kCellWidth + G::kLeft;
      const int y = cell.row * G::kCellHeight + G::kTop;
      p.drawImage(x + 10, y + 1, window_.MoonPicture(cell.lunarDay));
      p.setPen(QPen(kTextColour, 2));
      if (static_cast<int>(n) == view.todayCell) {
        p.drawRect(QRect(QPoint(x - 10, y - 4), QPoint(x + G::kCellWidth - 20, y + G::kCellHeight - 4)));
      }
      const int numberTop = y + G::kDayNumberDown;
      if (chineseDays) {
        // The two characters of a lunar day (初一, 廿三) stand on the date line, as the figures do.
        p.setFont(dayName);
        p.drawText(QRect(x + G::kCellWidth / 8, numberTop, G::kCellWidth, G::kDateDown),
                   Qt::AlignLeft | Qt::AlignBottom | Qt::TextDontClip, window_.DayNumberText(cell));
      } else {
        p.setFont(number);
        p.drawText(QRect(x + G::kCellWidth / 5, numberTop, G::kCellWidth, G::kDateDown),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, window_.DayNumberText(cell));
      }
      // Saturday and Sunday are told by their underlined date lines, not by the day number.
      p.setFont(PointFont(10, false, cell.weekend));
      const int dateTop = numberTop + G::kDateDown;
      p.drawText(QRect(x - 4, dateTop, G::kCellWidth, G::kVmcDown + 4),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, window_.DateText(cell));
      if (showVmc) {
        p.drawText(QRect(x - 4, dateTop + G::kVmcDown, G::kCellWidth, G::kVmcDown + 4),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, Q(cell.vmcText));
      }
      if (!cell.festivals.empty())
        PaintFestival(p, cell, x - 4, dateTop + (showVmc ? 2 : 1) * G::kVmcDown + 1, language);
    }
  }

  // The first festival of the day on the cell's last line, in a small face and elided at the
  // cell's edge; the month page of a festive month would otherwise run into the next cell.
  void PaintFestival(QPainter& p, const MonthCell& cell, int left, int top, Language language) {
    p.setFont(PointFont(8, false));
    const QString name = Q(FestivalDayLine(language, cell.festivals, true));
    const int width = G::kCellWidth - 14;
    p.drawText(QRect(left, top, width, G::kFestivalHeight), Qt::AlignLeft | Qt::AlignTop,
               p.fontMetrics().elidedText(name, Qt::ElideRight, width));
  }

 private:
  frmCalendar& window_;
};

frmCalendar::frmCalendar(Reckoner& reckoner, CalendarServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), reckoner_(reckoner), services_(std::move(services)) {
  setObjectName("frmCalendar");
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kPageColour);
  setPalette(palette);
  setAutoFillBackground(true);
  moonPictures_ = MakeMoonPictures();

  picCalendar = new Page(*this);
  const int lineWidth = G::kWidth - 2 * G::kLeft;
  lblTitle = PageLabel(picCalendar, "lblTitle", QRect(G::kLeft - 10, 6, lineWidth, 22), PointFont(12, true));
  lblYearAndMonth =
      PageLabel(picCalendar, "lblYearAndMonth", QRect(G::kLeft - 10, 30, lineWidth, 20), PointFont(10, true));
  lblUncertain = PageLabel(
      picCalendar, "lblUncertain",
      QRect(kLunadayColumn * G::kCellWidth + G::kLeft - 10, G::kTop, G::kCellWidth, G::kCellHeight - 8),
      PointFont(9, false));
  lblUncertain->setWordWrap(true);
  lblUncertain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (int k = 0; k < kMonthViewColumns; ++k) {
    const QString name = "lblColumnHeading_" + QString::number(k);
    lblColumnHeading[static_cast<size_t>(k)] = PageLabel(
        picCalendar, name.toLatin1().constData(),
        QRect(k * G::kCellWidth + G::kLeft, G::kTop - 24, G::kCellWidth - 10, 18), PointFont(10, true));
  }
  lblRowsHeading = PageLabel(picCalendar, "lblRowsHeading",
                             QRect(G::kLeft - 10, G::kTop - 24, kLunadayColumn * G::kCellWidth - 10, 18),
                             PointFont(10, true));

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(G::kLeft, 8, G::kLeft, 12);
  buttons->setSpacing(10);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton(this);
    b->setObjectName("cmdShowPreviousOrNext_" + QString::number(i));
    connect(b, &QPushButton::clicked, this, [this, i] { cmdShowPreviousOrNext_Click(i); });
    cmdShowPreviousOrNext[static_cast<size_t>(i)] = b;
    buttons->addWidget(b);
  }
  buttons->addStretch();
  cmdSaveCalendarImage = new QPushButton(this);
  cmdSaveCalendarImage->setObjectName("cmdSaveCalendarImage");
  connect(cmdSaveCalendarImage, &QPushButton::clicked, this, [this] { cmdSaveCalendarImage_Click(); });
  buttons->addWidget(cmdSaveCalendarImage);
  buttons->addStretch();
  cmdClose = new QPushButton(this);
  cmdClose->setObjectName("cmdClose");
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  ClickOnEscape(this, cmdClose);
  buttons->addWidget(cmdClose);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(picCalendar);
  layout->addLayout(buttons);
  Retranslate();
}

void frmCalendar::Retranslate() {
  for (int k = 0; k < kMonthViewColumns; ++k) {
    lblColumnHeading[static_cast<size_t>(k)]->setText(TranslateText("MonthView", MonthColumnHeading(k)));
  }
  lblRowsHeading->setText(TranslateText("MonthView", kMonthRowsHeadingText));
  cmdShowPreviousOrNext[0]->setText(tr("Show previous month"));
  cmdShowPreviousOrNext[1]->setText(tr("Show next month"));
  cmdSaveCalendarImage->setText(tr("Save as PNG image"));
  cmdClose->setText(tr("Close"));
}

// English keeps the month view's own sentence ("Leap month 11*  in the water-ox year (nian) at
// position 50 of cycle 79 (year 4730)"); the other languages name the year and the month as
// their calendars do (癸丑年 闰十一月, tháng Mười Một nhuận năm Quý Sửu).
QString frmCalendar::TitleText() const {
  const Language language = WindowLanguage();
  if (language == Language::kEnglish) return Q(view_.title);
  const ChlDate& chl = view_.chl;
  const auto [element, animal] = YearElementAnimal(chl.position);
  const QString month = Q(names::MonthWithLeap(language, chl.month, chl.leap));
  const QString year = Q(names::StemBranch(language, chl.position));
  const QString sign =
      QCoreApplication::translate("NativeNames", "%1-%2", "an element and an animal: wood-rat")
          .arg(Q(names::Element(language, element)),
               Q(names::Animal(language, reckoner_.CountryIndex(), animal)));
  //: %1 the lunar month, %2 the year's stems and branches, %3 its element and animal, %4 the
  //: year's place in the 60-year cycle, %5 the cycle's number, %6 the year counted from the epoch.
  QString title = tr("%1 of the %2 year (%3), position %4 of cycle %5 (year %6)")
                      .arg(month, year, sign)
                      .arg(chl.position)
                      .arg(chl.cycle)
                      .arg(YearCount(chl.cycle, chl.position, reckoner_.Epoch()));
  if (!title.isEmpty()) title[0] = title[0].toUpper();  // tháng Tám opens the title as Tháng Tám
  return title;
}

// The Common Era months of the page with the language's own month names.
QString frmCalendar::HeadingText() const {
  const Language language = WindowLanguage();
  const MonthCell* first = view_.CellOfLunarDay(1);
  const MonthCell* last = view_.CellOfLunarDay(view_.length);
  if (language == Language::kEnglish || !first || !last) return Q(view_.heading);
  const QLocale locale(TranslationLocale(language));
  const QString m1 = locale.standaloneMonthName(first->ce.month),
                m2 = locale.standaloneMonthName(last->ce.month);
  if (first->ce.year != last->ce.year) {
    //: The Common Era years and months of the lunar month: 2033 (December) - 2034 (January).
    return tr("Common Era year %1 (%2) - %3 (%4)").arg(first->ce.year).arg(m1).arg(last->ce.year).arg(m2);
  }
  if (first->ce.month == last->ce.month)
    return tr("Common Era year %1, month of %2").arg(first->ce.year).arg(m1);
  return tr("Common Era year %1 (%2-%3)").arg(first->ce.year).arg(m1, m2);
}

// Chinese calendars number the lunar days 初一 … 三十; the others keep the figures.
QString frmCalendar::DayNumberText(const MonthCell& cell) const {
  const Language language = WindowLanguage();
  if (language == Language::kSimplifiedChinese || language == Language::kTraditionalChinese) {
    return Q(names::Day(language, cell.lunarDay));
  }
  return Q(cell.dayNumberText);
}

QString frmCalendar::DateText(const MonthCell& cell) const {
  const Language language = WindowLanguage();
  if (language == Language::kEnglish) return Q(cell.dateText);
  const QLocale locale(TranslationLocale(language));
  const int qtDay = cell.weekday == 0 ? 7 : cell.weekday;  // Qt counts from Monday
  //: A cell's Common Era date: %1 the weekday's short name, %2 the month's number, %3 the day.
  return tr("%1 %2/%3").arg(locale.dayName(qtDay, QLocale::ShortFormat)).arg(cell.ce.month).arg(cell.ce.day);
}
frmCalendar::~frmCalendar() = default;

const QImage& frmCalendar::MoonPicture(int lunarDay) const {
  return moonPictures_.at(static_cast<size_t>(std::clamp(lunarDay, 1, kLunarDays) - 1));
}

void frmCalendar::setJdn1stOfMonth(int32_t day) {
  requestedDay_ = day;
  view_.valid = false;
  Redraw();
}

void frmCalendar::Redraw() {
  const int32_t today = services_.today ? services_.today() : TodayJdn();
  view_ = BuildMonthView(reckoner_, lngJDN1stOfMonth(), today, Language::kEnglish, services_.festivals);
  if (!view_.valid) {
    setWindowTitle(QString());
    lblTitle->clear();
    lblYearAndMonth->clear();
    lblUncertain->clear();
  } else {
    requestedDay_ = view_.firstDay;
    const int32_t captionDay = services_.currentDay ? services_.currentDay() : view_.firstDay;
    setWindowTitle(Q(MonthViewCaption(reckoner_, captionDay)));
    ShowTexts();
  }
  picCalendar->update();
}

void frmCalendar::ShowTexts() {
  if (!view_.valid) return;
  lblTitle->setText(TitleText());
  lblYearAndMonth->setText(HeadingText());
  // The corner holds the month's doubts: other tables, and the almanac of its time.
  QString corner = view_.uncertainNote.empty() ? QString() : tr("Uncertain") + ' ' + Q(view_.uncertainNote);
  if (!view_.historyNote.empty()) {
    corner += (corner.isEmpty() ? "" : "\n") + TranslateText("MonthView", view_.historyNote);
  }
  std::string tip = view_.uncertainty;
  if (!view_.history.empty()) tip += (tip.empty() ? "" : " ") + view_.history;
  lblUncertain->setText(corner);
  lblUncertain->setToolTip(Q(tip));
  picCalendar->update();
}

void frmCalendar::cmdShowPreviousOrNext_Click(int index) {
  if (!view_.valid) return;
  const int32_t target = index == 1 ? view_.nextFirstDay : view_.previousFirstDay;
  const int32_t shown = view_.firstDay;
  setJdn1stOfMonth(target);
  // A step beyond the days the calendar computes keeps the month that was shown.
  if (!view_.valid) setJdn1stOfMonth(shown);
}

void frmCalendar::cmdClose_Click() {
  hide();
  if (QWidget* main = parentWidget()) {
    main->raise();
    main->activateWindow();
  }
}

void frmCalendar::OpenAt(int32_t day, const QWidget* beside) {
  setJdn1stOfMonth(day);
  setWindowState(windowState() & ~Qt::WindowMinimized);
  if (beside != nullptr) {
    setWindowIcon(beside->windowIcon());
    adjustSize();
    if (const QScreen* screen = beside->screen()) {
      const QRect area = screen->availableGeometry();
      move(area.left() + area.width() - frameGeometry().width() - kRightMargin,
           beside->frameGeometry().top());
    }
  }
  show();
  raise();
  activateWindow();
}

QImage frmCalendar::PageImage() const {
  QImage image(picCalendar->size(), QImage::Format_RGB32);
  image.fill(kPageColour);
  picCalendar->render(&image);
  return image;
}

bool frmCalendar::WritePage(const std::string& path, const char* format, std::string* reason) const {
  const std::string error = SaveImageFile(PageImage(), path, format);
  if (reason != nullptr) *reason = error;
  return error.empty();
}

void frmCalendar::cmdSaveCalendarImage_Click() {
  if (services_.fileDialogs == nullptr || services_.messages == nullptr) return;
  SaveCalendarImage(
      *services_.fileDialogs, *services_.messages,
      [this](const std::string& path, const char* format) { return WritePage(path, format); },
      view_.valid ? CalendarImageFileName(view_.chl) : "");
}

void frmCalendar::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    ShowTexts();
  }
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Redraw();
}

void frmCalendar::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Redraw();
}

}  // namespace mirvo
