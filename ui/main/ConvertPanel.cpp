#include "ui/main/ConvertPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/daycount/DayCount.h"
#include "features/tables/MainTables.h"
#include "ui/common/NativeNames.h"
#include "ui/common/PanelKit.h"

namespace mirvo {

ConvertPanel::ConvertPanel(MainRules& rules, QWidget* parent) : QGroupBox(parent), rules_(rules) {
  setObjectName("fraConvert");
  auto* v = new QVBoxLayout(this);

  auto* line1 = new QHBoxLayout;
  txbDate = Named(new QLineEdit, "txbDate");
  txbTime = Named(new QLineEdit, "txbTime");
  txbTime->setMaximumWidth(QFontMetrics(txbTime->font()).horizontalAdvance("000:000") + 16);
  cboTimeZone = Combo("cboTimeZone");
  lblDate = Named(new QLabel, "lblDate");
  lblTime = Named(new QLabel, "lblTime");
  lblZone = Named(new QLabel, "lblZone");
  line1->addWidget(lblDate);
  line1->addWidget(txbDate, 1);
  line1->addWidget(lblTime);
  line1->addWidget(txbTime);
  line1->addWidget(lblZone);
  line1->addWidget(cboTimeZone);
  v->addLayout(line1);

  auto* line2 = new QHBoxLayout;
  optPlus = Named(new QRadioButton, "optPlus");
  optMinus = Named(new QRadioButton, "optMinus");
  plusMinusGroup_ = OptionPair(this, optPlus, optMinus, this, [this](bool plus) {
    rules_.entry().plus = plus;
    Q_EMIT plusChosen();
  });
  txbPlusMinus = Named(new QLineEdit, "txbPlusMinus");
  txbPlusMinus->setMaximumWidth(QFontMetrics(txbPlusMinus->font()).horizontalAdvance("0000,000.00") + 16);
  lblElement = Named(new QLabel, "lblElement");
  lblAnimal = Named(new QLabel, "lblAnimal");
  lblDays = Named(new QLabel, "lblDays");
  cboElement = Combo("cboElement");
  cboAnimal = Combo("cboAnimal");
  line2->addWidget(optPlus);
  line2->addWidget(optMinus);
  line2->addWidget(txbPlusMinus);
  line2->addWidget(lblDays);
  line2->addStretch(1);
  line2->addWidget(lblElement);
  line2->addWidget(cboElement);
  line2->addWidget(lblAnimal);
  line2->addWidget(cboAnimal);
  v->addLayout(line2);

  auto* line3 = new QHBoxLayout;
  cmdCompute = Button("cmdCompute");
  cmdClearDate = Button("cmdClearDate");
  cmdNow = Button("cmdNow");
  line3->addWidget(cmdCompute);
  line3->addWidget(cmdClearDate);
  line3->addWidget(cmdNow);
  line3->addStretch(1);
  v->addLayout(line3);
  ConnectControls();
  Retranslate();
}

// Every edit goes into the entry model as it happens, unless the model is being shown (writing_).
void ConvertPanel::ConnectControls() {
  auto command = [this](auto run) {
    return [this, run] {
      run();
      Q_EMIT entryCommandDone();
    };
  };
  const auto convert = command([this] { rules_.Convert(); });
  connect(cmdCompute, &QPushButton::clicked, this, convert);
  connect(cmdClearDate, &QPushButton::clicked, this, command([this] { rules_.ClearEntry(); }));
  connect(cmdNow, &QPushButton::clicked, this, command([this] { rules_.ResetToNow(mirvo::CurrentAjd()); }));
  // Enter converts from the date box when it holds text, from the days box only when both do.
  connect(txbDate, &QLineEdit::returnPressed, this, [this, convert] {
    if (HasDate()) convert();
  });
  connect(txbPlusMinus, &QLineEdit::returnPressed, this, [this, convert] {
    if (HasDate() && HasPlusMinus()) convert();
  });
  // A new date text may reset the element and animal choices.
  connect(txbDate, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (writing_) return;
    rules_.DateTextChanged(S(text));
    ShowElementAnimal(rules_.entry());
  });
  connect(txbTime, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!writing_) rules_.entry().EditTime(S(text));
  });
  connect(txbPlusMinus, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!writing_) rules_.entry().plusMinus = S(text);
  });
  connect(cboTimeZone, &QComboBox::currentIndexChanged, this, [this](int zone) {
    if (!writing_) rules_.entry().EditZone(zone);
  });
  auto elementAnimal = [this] {
    if (writing_) return;
    rules_.entry().element = cboElement->currentIndex();
    rules_.entry().animal = cboAnimal->currentIndex();
  };
  connect(cboElement, &QComboBox::currentIndexChanged, this, elementAnimal);
  connect(cboAnimal, &QComboBox::currentIndexChanged, this, elementAnimal);
  // A zone picked again is the user's choice too, no longer the one the program wrote.
  connect(cboTimeZone, &QComboBox::activated, this, [this](int zone) { rules_.entry().EditZone(zone); });
  connect(cboTimeZone, &QComboBox::activated, this, &ConvertPanel::zoneChosen);
  // After a choice of element or animal the next step is to convert.
  // The Search row takes the focus instead when its target is one of the element-animal kinds.
  auto chosen = [this] {
    if (window()->isVisible()) (cmdCompute->isEnabled() ? cmdCompute : cmdNow)->setFocus();
    Q_EMIT elementAnimalChosen();
  };
  connect(cboElement, &QComboBox::activated, this, chosen);
  connect(cboAnimal, &QComboBox::activated, this, chosen);
}

void ConvertPanel::Retranslate() {
  setTitle(tr("Convert"));
  lblDate->setText(tr("Date"));
  lblTime->setText(tr("Time"));
  lblZone->setText(tr("Zone"));
  //: Examples of dates typed with their calendar's code; the codes stay as they are.
  txbDate->setPlaceholderText(tr("e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL"));
  //: Hours and minutes.
  txbTime->setPlaceholderText(tr("hh:mm"));
  optPlus->setText(tr("plus"));
  optMinus->setText(tr("minus"));
  lblDays->setText(tr("days"));
  lblElement->setText(tr("element"));
  lblAnimal->setText(tr("animal"));
  cmdCompute->setText(tr("Convert"));
  cmdClearDate->setText(tr("Clear"));
  cmdNow->setText(tr("Now"));
  ShowListTexts();
}

void ConvertPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QGroupBox::changeEvent(event);
}

void ConvertPanel::ShowListTexts() {
  const QStringList elements = ElementListEntries(), animals = AnimalListEntries(country_);
  const QSignalBlocker blockElements(cboElement), blockAnimals(cboAnimal);
  for (int i = 0; i < cboElement->count() && i < elements.size(); ++i)
    cboElement->setItemText(i, elements[i]);
  for (int i = 0; i < cboAnimal->count() && i < animals.size(); ++i) cboAnimal->setItemText(i, animals[i]);
}

void ConvertPanel::FillLists(Country country, const std::string& zoneLabel) {
  country_ = country;
  {
    const QSignalBlocker blockElements(cboElement), blockAnimals(cboAnimal);
    cboElement->clear();
    cboElement->addItems(ElementListEntries());
    cboAnimal->clear();
    cboAnimal->addItems(AnimalListEntries(country));
  }
  FillList(cboTimeZone, TimeZoneEntries(zoneLabel));
  SetIndexQuietly(cboElement, kNoElementEntry);
  SetIndexQuietly(cboAnimal, kNoAnimalEntry);
  SetIndexQuietly(cboTimeZone, kTimeZoneNone);
}

void ConvertPanel::SetAnimalNames(Country country) {
  country_ = country;
  ShowListTexts();
}

void ConvertPanel::SetZoneLabel(const std::string& zoneLabel) {
  const QSignalBlocker block(cboTimeZone);
  cboTimeZone->setItemText(kTimeZoneReference, Q(zoneLabel));
}

void ConvertPanel::ShowEntry(const EntryModel& m) {
  writing_ = true;
  if (S(txbDate->text()) != m.date) txbDate->setText(Q(m.date));
  if (S(txbTime->text()) != m.time) txbTime->setText(Q(m.time));
  if (S(txbPlusMinus->text()) != m.plusMinus) txbPlusMinus->setText(Q(m.plusMinus));
  SetIndexQuietly(cboTimeZone, m.timeZone);
  {
    const QSignalBlocker block(plusMinusGroup_);
    (m.plus ? optPlus : optMinus)->setChecked(true);
  }
  HighlightOptionPair(plusMinusGroup_);
  writing_ = false;
  ShowElementAnimal(m);
}

void ConvertPanel::ShowElementAnimal(const EntryModel& m) {
  SetIndexQuietly(cboElement, m.element);
  SetIndexQuietly(cboAnimal, m.animal);
}

void ConvertPanel::TakeFocus(bool hasDate) {
  if (txbDate->isEnabled() && hasDate) {
    txbDate->setFocus();
    txbDate->setCursorPosition(txbDate->text().size());
  } else if (cmdNow->isEnabled() && cmdNow->isVisible()) {
    cmdNow->setFocus();
  }
}

bool ConvertPanel::HasDate() const { return !txbDate->text().isEmpty(); }
bool ConvertPanel::HasPlusMinus() const { return !txbPlusMinus->text().isEmpty(); }

}  // namespace mirvo
