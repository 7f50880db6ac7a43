#include "ui/help/frmHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/common/PanelKit.h"

namespace mirvo {

QString HelpText() {
  return QString::fromUtf8(R"(
<h2>Mirvo: calendar converter</h2>
<p>The main window keeps one <b>current instant</b> and shows it at once in every reckoning.
Type a date in any of them, press <b>Convert</b> (or Enter), and every row follows. <b>Now</b>
returns to the present moment.</p>

<h3>The reckonings</h3>
<ul>
<li><b>CE</b>: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical:
the year before 1 is 0, and 44 BC is -43.</li>
<li><b>JC</b>: the Julian Calendar, with the same year numbers.</li>
<li><b>CHL</b>: the Chinese lunar calendar. A date is written <i>cycle-position-month-day</i>:
the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year's place
1 to 60 in it, the month (a <b>*</b> marks a leap month) and the day 1 to 30. A month begins on
the civil day, at the reference meridian, of a dark moon; the month holding the winter solstice
is month 11; a year of 13 months repeats the first month that holds no major solar term.</li>
<li><b>CHS</b>: the Chinese solar calendar: <i>cycle-position-solarterm-day</i>. The 24 solar
terms are the 15° steps of the Sun's apparent longitude; the solar year begins at the winter
solstice (term 1). On the first day of a term the row shows the term's code in parentheses.</li>
<li><b>VMC</b>: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich and
for the reference meridian. The small note under it tells how its month and day compare with the
lunar date.</li>
<li><b>CJDL</b>, <b>CJDC</b>: chronological Julian dates, the civil days counted at London and
at the reference meridian (shown when "Show chronological JDs" is ticked).
<b>AJD</b>: the astronomical Julian date, counted from noon Universal Time.</li>
</ul>
<p>Beside the dates the window names the element and animal of the year, the lunar month and the
day, shows the Moon's phase, illumination and age, and Delta T (the difference between the
uniform time of the ephemeris and the time kept by the Earth's rotation). For China the year and
the day are also shown as their written stem and branch.</p>

<h3>Typing a date</h3>
<p>End the date with the code of its calendar; case and spaces do not matter, and "," may group
thousands. Examples:</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Calendar</th><th>Form</th><th>Examples</th></tr>
<tr><td>CE, JC</td><td>year-month-day</td><td>2001-12-31 CE, -43-03-15 JC</td></tr>
<tr><td>CHL</td><td>cycle-position-month[*]-day</td><td>79-31-9*-12 CHL, 76-13-11-28 CHL</td></tr>
<tr><td>CHL (China)</td><td>year-month-day, with the Overseas Chinese year</td><td>4709-01-01 CHL</td></tr>
<tr><td>CHL, CHS</td><td>"?" for the position: choose the element and the animal in the lists</td><td>70-?-12-30 CHL with fire and dog</td></tr>
<tr><td>CHS</td><td>cycle-position-solarterm-day</td><td>76-01-01-14 CHS</td></tr>
<tr><td>VMC</td><td>year-month-day</td><td>4044-12-29 VMC</td></tr>
<tr><td>CJDL, CJDC, AJD</td><td>a decimal number</td><td>2,455,999.729 CJDL, 2451545 AJD</td></tr>
</table>
<p>The time goes in the <b>Time</b> box as hours:minutes (12:00 when empty), and <b>Zone</b> says
whether it is Greenwich time (GMT) or the time of the reference meridian. Dates without a code
are taken, after a question, in the current entry calendar (the row whose caption is white).</p>
<p>To add or subtract days, put the number in the <b>plus/minus</b> box and choose plus or
minus; with an empty date box the current date is used, so 10 with plus moves ten days
ahead.</p>
<p>A click on a row copies its value to the clipboard and makes that calendar the entry calendar;
a click on the value also puts it into the entry boxes, ready to be edited and converted.</p>
<p>Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.</p>

<h3>Settings</h3>
<ul>
<li><b>Country</b>: Vietnam, China or Japan. It sets the reference meridian (105°, 120° or 135°
east), the names of the animals (cat and goat in Vietnam, boar in Japan) and the colour of the
window. The choice is remembered for the next start.</li>
<li><b>Longitude</b>: the reference meridian itself, 100° to 145° east, with its zone label (for
example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil day at this
meridian, so a dark moon shortly before midnight can fall on different days for different
meridians.</li>
<li><b>Epoch</b>: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It changes
the cycle numbers, not the dates.</li>
<li><b>Method</b>: "true sun" places the solar terms by the Sun's apparent longitude; "mean sun"
divides the tropical year evenly, as the calendar did before 1645.</li>
<li><b>Show Vellomir Calendar</b> and <b>Show chronological JDs</b> show or hide those rows.</li>
<li><b>Reset</b> restores the entry calendar, the display switches and the options, but keeps
the country, longitude, epoch and method.</li>
</ul>
<p>F1 opens this help from the date box and the main buttons. <b>Quit</b> remembers the country
and ends the program.</p>
)");
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmHelp");
  setWindowTitle("Mirvo Help");
  auto* v = new QVBoxLayout(this);
  text_ = new QTextBrowser;
  text_->setObjectName("txtHelp");
  text_->setHtml(HelpText());
  text_->setOpenLinks(false);
  v->addWidget(text_);
  auto* buttons = new QHBoxLayout;
  auto* credits = new QPushButton("Credits");
  credits->setObjectName("cmdCredits");
  auto* close = new QPushButton("Close");
  close->setObjectName("cmdClose");
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
  resize(640, 560);
}

frmCredits::frmCredits(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmCredits");
  setWindowTitle("Credits");
  auto* v = new QVBoxLayout(this);
  auto* text = new QLabel(QString::fromUtf8(
      "<p><b>Mirvo</b> rests on published work:</p><ul>"
      "<li>the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;</li>"
      "<li>the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;</li>"
      "<li>Delta T from the Earth-orientation observations of the IERS (1962 on) and the "
      "long-term record of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski "
      "(2021) before;</li>"
      "<li>the rules of the Chinese calendar as set out by Helmer Aslaksen, "
      "<i>The Mathematics of the Chinese Calendar</i>;</li>"
      "<li>day counts and calendar arithmetic after J. Meeus, "
      "<i>Astronomical Algorithms</i>.</li></ul>"
      "<p>The stem and branch characters are written in the WenQuanYi Micro Hei font.</p>"));
  text->setObjectName("lblCredits");
  text->setWordWrap(true);
  text->setTextFormat(Qt::RichText);
  auto* close = new QPushButton("Close");
  close->setObjectName("cmdClose");
  v->addWidget(text);
  v->addWidget(close, 0, Qt::AlignRight);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  ClickOnEscape(this, close);
  setMinimumWidth(460);
}

}  // namespace mirvo
