#include "ui/data/DataWindowForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "features/export/CalendarExport.h"
#include "features/listings/Listings.h"
#include "ui/common/PanelKit.h"
#include "util/ProgramTexts.h"

namespace mirvo {
namespace {

// The pixel offsets of the placement beside the main window: the data window begins a little
// below the main window's top (under its first date rows) and ends at its bottom.
constexpr int kTopBelowMainWindow = 60;
constexpr int kGapToButtonColumn = 4;
constexpr int kLargeWindowTop = 7;
constexpr int kMinimumHeight = 200;

}  // namespace

void DataWindowForm::BuildForm(QWidget* window, const QString& copyCaption, const QString& closeCaption,
                               const QString& yearsCaption) {
  txbText = Named(new QPlainTextEdit, "txbText");
  txbText->setReadOnly(true);
  txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  txbText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  cmdCopyToClipboard = Named(new QPushButton(copyCaption), "cmdCopyToClipboard");
  cmdSaveICalendar = Button("cmdSaveICalendar");
  cmdSaveICalendar->hide();
  cmdClose = Named(new QPushButton(closeCaption), "cmdClose");
  cmdStop = Button("cmdStop");
  cmdList = Button("cmdList");
  txbNumYears = Named(new QLineEdit, "txbNumYears");
  txbNumYears->setMaximumWidth(QFontMetrics(txbNumYears->font()).horizontalAdvance("000000") + 16);
  lblYears = Named(new QLabel(yearsCaption), "lblYears");
  chkLargeWindow = Check("chkLargeWindow");
  chkIncludeMajorSolarTerms = Check("chkIncludeMajorSolarTerms");
  chkIncludeMinorSolarTerms = Check("chkIncludeMinorSolarTerms");
  chkDisplaySolarTermNames = Check("chkDisplaySolarTermNames");
  chkLeapMonthsOnly = Check("chkLeapMonthsOnly");
  chkOmitInvalidDates = Check("chkOmitInvalidDates");
  fraEuroCal = Named(new QGroupBox, "fraEuroCal");
  optCE = Named(new QRadioButton("CE"), "optCE");
  optJC = Named(new QRadioButton("JC"), "optJC");
  txbStart = Named(new QLineEdit, "txbStart");
  txbEnd = Named(new QLineEdit, "txbEnd");
  chkIncludeMajorSolarTerms->setChecked(true);

  auto* euro = new QHBoxLayout(fraEuroCal);
  euro->setContentsMargins(4, 0, 4, 0);
  lblEuroCal = Named(new QLabel, "Label1");
  euro->addWidget(lblEuroCal);
  euro->addWidget(optCE);
  euro->addWidget(optJC);

  auto* row1 = new QHBoxLayout;
  row1->addWidget(cmdList);
  row1->addWidget(txbNumYears);
  row1->addWidget(lblYears);
  row1->addSpacing(12);
  row1->addWidget(chkLeapMonthsOnly);
  row1->addWidget(chkOmitInvalidDates);
  row1->addWidget(cmdStop);
  row1->addWidget(txbStart, 1);
  row1->addWidget(txbEnd, 1);
  row1->addStretch(1);
  row1->addWidget(cmdCopyToClipboard);
  row1->addWidget(cmdSaveICalendar);
  row1->addWidget(cmdClose);

  auto* row2 = new QHBoxLayout;
  row2->addWidget(chkIncludeMajorSolarTerms);
  row2->addWidget(chkIncludeMinorSolarTerms);
  row2->addStretch(1);

  auto* row3 = new QHBoxLayout;
  row3->addWidget(chkDisplaySolarTermNames);
  row3->addStretch(1);
  row3->addWidget(chkLargeWindow);
  row3->addWidget(fraEuroCal);

  auto* v = new QVBoxLayout(window);
  v->addLayout(row1);
  v->addLayout(row2);
  v->addLayout(row3);
  v->addWidget(txbText, 1);

  for (QWidget* w :
       {static_cast<QWidget*>(cmdStop), static_cast<QWidget*>(txbStart), static_cast<QWidget*>(txbEnd)}) {
    w->hide();
  }
  optCE->setChecked(true);
  RetranslateForm();
  window->setMinimumHeight(kMinimumHeight);
  // Room for the longest lines of the lists; the year data with the names of the solar terms is
  // 1.3 times as wide, the European new years 1.1 times.
  const QFontMetrics fixed(txbText->font());
  normalWidth_ =
      std::max(fixed.horizontalAdvance(QString(66, QLatin1Char('0'))) + 60, window->sizeHint().width());
  wideWidth_ = normalWidth_ * 13 / 10;
  mediumWidth_ = normalWidth_ * 11 / 10;
  ClickOnEscape(window, cmdClose);  // Esc closes as Close does
}

void DataWindowForm::RetranslateForm() {
  cmdSaveICalendar->setText(TranslateText("Listings", kSaveICalendarCaption));
  cmdStop->setText(QCoreApplication::translate("DataWindowForm", "Stop"));
  cmdList->setText(QCoreApplication::translate("DataWindowForm", "List"));
  chkLargeWindow->setText(QCoreApplication::translate("DataWindowForm", "Large window"));
  //: Z1 … Z12, the codes of the major terms, stay as they are.
  chkIncludeMajorSolarTerms->setText(
      QCoreApplication::translate("DataWindowForm", "Include major solar terms (the Zs)"));
  //: J1 … J12, the codes of the minor terms, stay as they are.
  chkIncludeMinorSolarTerms->setText(
      QCoreApplication::translate("DataWindowForm", "Include minor solar terms (the Js)"));
  chkDisplaySolarTermNames->setText(
      QCoreApplication::translate("DataWindowForm", "Display solar term names"));
  chkLeapMonthsOnly->setText(QCoreApplication::translate("DataWindowForm", "Leap months only"));
  chkOmitInvalidDates->setText(QCoreApplication::translate("DataWindowForm", "Omit invalid dates"));
  lblEuroCal->setText(QCoreApplication::translate("DataWindowForm", "European calendar:"));
  txbStart->setPlaceholderText(QCoreApplication::translate("DataWindowForm", "Second test: a date to test"));
}

void DataWindowForm::ShowControlsOf(int mode) {
  for (QWidget* w : {chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames}) {
    w->setVisible(mode == kModeYearData);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{cmdList, txbNumYears, lblYears}) {
    w->setVisible(ListsYears(mode));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{txbStart, txbEnd, cmdStop}) {
    w->setVisible(mode == kModeTest);
  }
  chkOmitInvalidDates->setVisible(mode == kModeNewYears);
  chkLeapMonthsOnly->setVisible(mode == kModeMonths);
}

void DataWindowForm::PlaceWindow(QWidget* window, const QWidget* main, int mode) {
  if (window->isMinimized()) return;
  QScreen* screen = main ? main->screen() : window->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  const bool names = chkDisplaySolarTermNames->isChecked();
  const int width = mode == kModeEuroNewYears        ? mediumWidth_
                    : mode == kModeYearData && names ? wideWidth_
                                                     : normalWidth_;
  const bool beside =
      main && main->isVisible() &&
      !(main->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  int top, height, left;
  if (chkLargeWindow->isChecked()) {
    top = area.top() + kLargeWindowTop;
    height = area.height() * 9 / 10;
  } else if (beside) {
    top = main->frameGeometry().top() + kTopBelowMainWindow;
    height = main->frameGeometry().bottom() - top;
  } else {
    top = area.top() + area.height() / 4;
    height = area.height() / 2;
  }
  // The frame is not part of the client size; before the window is first shown its frame is not
  // known, and the main window's tells.
  const QWidget* framed = window->isVisible() || !main ? window : main;
  const int frameWidth = std::max(0, framed->frameGeometry().width() - framed->geometry().width());
  const int frameHeight = std::max(0, framed->frameGeometry().height() - framed->geometry().height());
  int clientWidth = std::max(width - frameWidth, window->minimumSizeHint().width());
  if (beside) {
    // Over the rows of the main window, beside its button column, which stays in reach: to the
    // right of the main window when the rows leave too little room, else narrowed to that room.
    int edge = main->frameGeometry().right() + 1;
    if (const QWidget* column = main->findChild<QWidget*>("cmdDisplayCalendar")) {
      edge = column->mapToGlobal(QPoint(0, 0)).x() - kGapToButtonColumn;
    }
    const int room = edge - area.left() - frameWidth;
    const int rightOfMain = main->frameGeometry().right() + 1;
    if (clientWidth <= room) {
      left = edge - clientWidth - frameWidth;
    } else if (area.right() + 1 - rightOfMain >= clientWidth + frameWidth) {
      left = rightOfMain;
    } else {
      clientWidth = std::max(room, window->minimumSizeHint().width());
      left = std::max(area.left(), edge - clientWidth - frameWidth);
    }
  } else {
    const int part = mode == kModeEuroNewYears ? 5 : mode == kModeYearData && names ? 6 : 3;
    left = area.left() + area.width() / part;
  }
  window->resize(clientWidth, std::max(height - frameHeight, kMinimumHeight));
  window->move(left, top);
}

QString DataWindowForm::ProgramTextIn(const ProgramTextStore* texts, int number, const char* english) {
  if (texts) {
    const std::string text = ProgramText(*texts, number);
    if (!text.empty()) return TranslateText("ProgramTexts", text);
  }
  return TranslateText("ProgramTexts", english);
}

void DataWindowForm::SetSolarTermOptions(bool major, bool minor, bool names) {
  chkIncludeMajorSolarTerms->setChecked(major);
  chkIncludeMinorSolarTerms->setChecked(minor);
  chkDisplaySolarTermNames->setChecked(names);
}

}  // namespace mirvo
