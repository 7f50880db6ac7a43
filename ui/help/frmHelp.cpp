#include "ui/help/frmHelp.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/common/PanelKit.h"
#include "ui/common/WindowLanguage.h"

namespace mirvo {

QString HelpText() { return frmHelp::Text(); }

// One translation per paragraph, list item or table cell; the codes of the calendars and the
// examples of dates stay as they are in every language.
QString frmHelp::Text() {
  QString html;
  html += "<h2>" + tr("Mirvo: calendar converter") + "</h2>";
  html += "<p>" +
          tr("The main window keeps one <b>current instant</b> and shows it at once in every reckoning. "
             "Type a date in any of them, press <b>Convert</b> (or Enter), and every row follows. <b>Now</b> "
             "returns to the present moment; <b>Move</b> steps the instant, <b>Search for</b> finds events, "
             "and the buttons on the right open the listings, the lunar calendar month and the log. The "
             "user manual (the link \"Online documentation\") tells all of it in detail.") +
          "</p>";
  if (WindowLanguage() != Language::kEnglish) {
    //: Said only in the translated help: the manual has no translation.
    html += "<p><i>" + tr("The user manual is written in English.") + "</i></p>";
  }
  html += "<h3>" + tr("The reckonings") + "</h3>";
  html += "<ul>";
  html += "<li>" +
          tr("<b>CE</b>: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical: "
             "the year before 1 is 0, and 44 BC is -43.") +
          "</li>";
  html += "<li>" + tr("<b>JC</b>: the Julian Calendar, with the same year numbers.") + "</li>";
  html += "<li>" +
          tr("<b>CHL</b>: the Chinese lunar calendar. A date is written <i>cycle-position-month-day</i>: "
             "the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year's "
             "place 1 to 60 in it, the month (a <b>*</b> marks a leap month) and the day 1 to 30. A month "
             "begins on the civil day, at the reference meridian, of a dark moon; the month holding the "
             "winter solstice is month 11; a year of 13 months repeats the first month that holds no "
             "major solar term.") +
          "</li>";
  html += "<li>" +
          tr("<b>CHS</b>: the Chinese solar calendar: <i>cycle-position-solarterm-day</i>. The 24 solar "
             "terms are the 15° steps of the Sun's apparent longitude; the solar year begins at the "
             "winter solstice (term 1). On the first day of a term the row shows the term's code in "
             "parentheses.") +
          "</li>";
  html += "<li>" +
          tr("<b>VMC</b>: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich "
             "and for the reference meridian. The small note under it tells how its month and day "
             "compare with the lunar date.") +
          "</li>";
  html += "<li>" +
          tr("<b>CJDL</b>, <b>CJDC</b>: chronological Julian dates, the civil days counted at London and "
             "at the reference meridian (shown when \"Show chronological JDs\" is ticked). <b>AJD</b>: "
             "the astronomical Julian date, counted from noon Universal Time.") +
          "</li>";
  html += "</ul>";
  html += "<p>" +
          tr("Beside the dates the window names the element and animal of the year, the lunar month and "
             "the day, shows the Moon's phase, illumination and age, and Delta T (the difference between "
             "the uniform time of the ephemeris and the time kept by the Earth's rotation). For China the "
             "year and the day are also shown as their written stem and branch.") +
          "</p>";

  html += EntryAndMoveText();
  html += ListingsAndLogText();
  html += SettingsText();
  return html;
}

// Typing a date, moving and searching.
QString frmHelp::EntryAndMoveText() {
  QString html;
  html += "<h3>" + tr("Typing a date") + "</h3>";
  html += "<p>" +
          tr("End the date with the code of its calendar; case and spaces do not matter, and \",\" may "
             "group thousands. Examples:") +
          "</p>";
  const auto row = [](const QString& calendar, const QString& form, const QString& examples) {
    return "<tr><td>" + calendar + "</td><td>" + form + "</td><td>" + examples + "</td></tr>";
  };
  html += "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">";
  html +=
      "<tr><th>" + tr("Calendar") + "</th><th>" + tr("Form") + "</th><th>" + tr("Examples") + "</th></tr>";
  html += row("CE, JC", tr("year-month-day"), "2001-12-31 CE, -43-03-15 JC");
  html += row("CHL", tr("cycle-position-month[*]-day"), "79-31-9*-12 CHL, 76-13-11-28 CHL");
  html += row(tr("CHL (China)"), tr("year-month-day, with the Overseas Chinese year"), "4709-01-01 CHL");
  html += row("CHL, CHS", tr("\"?\" for the position: choose the element and the animal in the lists"),
              tr("70-?-12-30 CHL with fire and dog"));
  html += row("CHS", tr("cycle-position-solarterm-day"), "76-01-01-14 CHS");
  html += row("VMC", tr("year-month-day"), "4044-12-29 VMC");
  html += row("CJDL, CJDC, AJD", tr("a decimal number"), "2,455,999.729 CJDL, 2451545 AJD");
  html += "</table>";
  html += "<p>" +
          tr("The time goes in the <b>Time</b> box as hours:minutes (12:00 when empty), and <b>Zone</b> "
             "says whether it is Greenwich time (GMT) or the time of the reference meridian. Dates "
             "without a code are taken, after a question, in the current entry calendar (the row whose "
             "caption is white).") +
          "</p>";
  html += "<p>" +
          tr("To add or subtract days, put the number in the <b>plus/minus</b> box and choose plus or "
             "minus; with an empty date box the current date is used, so 10 with plus moves ten days "
             "ahead.") +
          "</p>";
  html += "<p>" +
          tr("A click on a row copies its value to the clipboard and makes that calendar the entry "
             "calendar; a click on the value also puts it into the entry boxes, ready to be edited and "
             "converted.") +
          "</p>";
  html += "<p>" + tr("Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.") + "</p>";
  html += "<p>" +
          tr("When a lunar month's first day, number or leap status rests on a new moon or solar term "
             "closer to midnight than the uncertainty of its time, the tooltip of the lunar date says so "
             "and names the day other tables may give; the lunar calendar month notes it in its top "
             "right cell.") +
          "</p>";

  html += "<h3>" + tr("Moving and searching") + "</h3>";
  html += "<p>" +
          tr("<b>Move</b> forward or back 1 step: a minute, hour, day or 60 days, or a month, year or "
             "century of the CE, lunar (CHL), solar (CHS), Julian or Vellomir calendar, each in its own "
             "arithmetic (a CHL month goes through leap months). With <b>repeatedly</b> it steps again "
             "at the refresh period until <b>Stop</b>, with <b>Pause</b> and <b>Resume</b>; <b>keep "
             "30th</b> and <b>keep leap</b> then bring a lunar date back to day 30 or into its leap "
             "month where they exist. <b>one day</b> moves exactly one day.") +
          "</p>";
  html += "<p>" +
          tr("<b>Search for</b> the next or previous full moon, dark moon, quarter, lunar new year, "
             "solstice, equinox or solar term, a dark or full moon on the first day of a term, a day, "
             "month or year of the element and animal chosen beside the date box, a triple coincidence "
             "day or a leap month. \"Multiple element-animal day\" opens a window for conditions on the "
             "day, the month and the year at once.") +
          "</p>";

  return html;
}

// The listings, the month view, the log, the saved state and the command-line tool.
QString frmHelp::ListingsAndLogText() {
  QString html;
  html += "<h3>" + tr("Listings and the month view") + "</h3>";
  html += "<p>" +
          tr("<b>Dark moons &amp; solar terms</b> lists the dark moons and solar terms of three solar "
             "years. <b>Lunar new years</b>, <b>Month starts / leap months</b> and <b>European new "
             "years</b> list, over a number of years, the lunar new years (or anniversaries of the lunar "
             "date shown), the first days of the months or of the leap months, and the lunar date of "
             "each 1 January; <b>Stop</b> ends a long list, and <b>Save as iCalendar…</b> writes the "
             "lunar dates listed into a file that desktop, web and phone calendars import. <b>Show lunar "
             "calendar month</b> draws the lunar month as a page of four rows, one quarter of the month "
             "each, with day 15 and day 30 in the \"Lunaday\" column; it steps through the months and "
             "saves the page as a PNG image.") +
          "</p>";
  html += "<p>" +
          tr("<b>Festivals</b> lists the festivals and seasonal days of the country over a number of "
             "years; the line beside the lunar date and the cells of the month view name the day's, and "
             "Search finds the next or previous day of the one chosen.") +
          "</p>";
  if (WindowLanguage() != Language::kEnglish) {
    //: Said only in the translated help.
    html += "<p>" + tr("The listings and the log entries are written in English, as mirvo-cli writes them.") +
            "</p>";
  }

  html += "<h3>" + tr("The log and the saved state") + "</h3>";
  html += "<p>" +
          tr("<b>Add to log</b> writes the instant into the log in the reckonings chosen under "
             "<b>Configure log</b>; <b>View log</b> shows it for editing and copying, <b>Clear log</b> "
             "empties it. With <b>Auto log</b> every Now, conversion, move and search adds an entry "
             "headed by what was done. <b>Save state</b>, <b>Quit</b> and closing the window keep the "
             "instant and every choice for the next start; <b>Restore state</b> goes back to "
             "them.") +
          "</p>";

  html += "<h3>" + tr("The command-line tool") + "</h3>";
  html += "<p>" +
          tr("<code>mirvo-cli</code> prints the same calendar for scripts: <code>show</code>, "
             "<code>move</code>, <code>search</code>, <code>list</code>, <code>year-data</code>, "
             "<code>month-view</code>, <code>log-entry</code>, <code>export</code> (iCalendar files) "
             "and more; <code>mirvo-cli --help</code> lists them all.") +
          "</p>";

  return html;
}

QString frmHelp::SettingsText() {
  QString html;
  html += "<h3>" + tr("Settings") + "</h3>";
  html += "<ul>";
  html += "<li>" +
          tr("<b>Country</b>: Vietnam, China, Japan or Korea. It sets the reference meridian (105°, 120°, "
             "135° or 135° east), the names of the animals (cat and goat in Vietnam, boar in Japan) and "
             "the colour of the window. The choice is remembered for the next start.") +
          "</li>";
  html += "<li>" +
          tr("<b>Longitude</b>: the reference meridian itself, 100° to 145° east, with its zone label "
             "(for example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil "
             "day at this meridian, so a dark moon shortly before midnight can fall on different days "
             "for different meridians.") +
          "</li>";
  html += "<li>" +
          tr("<b>Epoch</b>: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It "
             "changes the cycle numbers, not the dates.") +
          "</li>";
  html += "<li>" +
          tr("<b>Method</b>: \"true sun\" places the solar terms by the Sun's apparent longitude; \"mean "
             "sun\" divides the tropical year evenly, as the calendar did before 1645.") +
          "</li>";
  html += "<li>" +
          tr("<b>Show Vellomir Calendar</b> and <b>Show chronological JDs</b> show or hide those rows; "
             "<b>Auto log</b> is described above.") +
          "</li>";
  html += "<li>" +
          tr("<b>Follow the calendar's history</b>: each lunar year is computed for the meridian its "
             "country's almanac used that year (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, "
             "Korea 120° E up to 1911). Dates before the years whose almanacs the modern rule reproduces "
             "(China 1912, Vietnam 1945, Korea 1900, Japan 1873) say in their tooltip that the almanac "
             "of the time may differ.") +
          "</li>";
  html += "<li>" +
          tr("<b>Language</b>: the language of the windows. <b>System</b> follows the locale of the "
             "desktop, English where the program has no translation. The choice takes effect at once "
             "and is remembered for the next start; the codes of the calendars and the dates typed stay "
             "the same in every language.") +
          "</li>";
  html += "<li>" +
          tr("<b>Reset</b> restores the entry calendar, the display switches and the options, but keeps "
             "the country, longitude, epoch and method.") +
          "</li>";
  html += "</ul>";
  html += "<p>" +
          tr("<b>Help</b> (F1 in the date box, on Now, Move or Help) opens this window; <b>Brisvale "
             "software</b> lists the maker's programs.") +
          "</p>";
  return html;
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmHelp");
  auto* v = new QVBoxLayout(this);
  text_ = new QTextBrowser;
  text_->setObjectName("txtHelp");
  text_->setOpenLinks(false);
  v->addWidget(text_);
  auto* buttons = new QHBoxLayout;
  creditsButton_ = new QPushButton;
  creditsButton_->setObjectName("cmdCredits");
  close_ = new QPushButton;
  close_->setObjectName("cmdClose");
  auto* credits = creditsButton_;
  auto* close = close_;
  buttons->addStretch(1);
  buttons->addWidget(credits);
  buttons->addWidget(close);
  v->addLayout(buttons);
  connect(credits, &QPushButton::clicked, this, [this] {
    if (!credits_) credits_ = new frmCredits(this);
    credits_->show();
    credits_->raise();
  });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  ClickOnEscape(this, close);
  Retranslate();
  resize(640, 560);
}

void frmHelp::Retranslate() {
  setWindowTitle(tr("Mirvo Help"));
  text_->setHtml(Text());
  creditsButton_->setText(tr("Credits"));
  close_->setText(tr("Close"));
}

void frmHelp::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

frmCredits::frmCredits(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmCredits");
  auto* v = new QVBoxLayout(this);
  text_ = new QLabel;
  auto* text = text_;
  text->setObjectName("lblCredits");
  text->setWordWrap(true);
  text->setTextFormat(Qt::RichText);
  close_ = new QPushButton;
  auto* close = close_;
  close->setObjectName("cmdClose");
  v->addWidget(text);
  v->addWidget(close, 0, Qt::AlignRight);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  ClickOnEscape(this, close);
  Retranslate();
  setMinimumWidth(460);
}

// The names of the works and of their authors stay as they were published.
void frmCredits::Retranslate() {
  setWindowTitle(tr("Credits"));
  text_->setText(
      "<p>" + tr("<b>Mirvo</b> rests on published work:") + "</p><ul>" + "<li>" +
      tr("the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;") + "</li>" + "<li>" +
      tr("the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;") + "</li>" + "<li>" +
      tr("Delta T from the Earth-orientation observations of the IERS (1962 on) and the long-term record "
         "of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski (2021) before;") +
      "</li>" + "<li>" +
      tr("the rules of the Chinese calendar as set out by Helmer Aslaksen, <i>The Mathematics of the "
         "Chinese Calendar</i>;") +
      "</li>" + "<li>" +
      tr("day counts and calendar arithmetic after J. Meeus, <i>Astronomical Algorithms</i>.") +
      "</li></ul><p>" + tr("The stem and branch characters are written in the WenQuanYi Micro Hei font.") +
      "</p><p>" +
      tr("The windows' Chinese, Japanese and Korean texts are written in the Noto Sans CJK fonts.") + "</p>");
  close_->setText(tr("Close"));
}

void frmCredits::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

}  // namespace mirvo
