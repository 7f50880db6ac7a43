// The Convert group of the main window: the date, time and zone boxes, plus/minus days, the
// element and animal choices of a "?" lunar entry or an element-animal search, and the Convert,
// Clear and Now buttons. Every edit goes straight into the session's entry model as it happens,
// so that the model holds what the boxes show; the boxes are written only from the model. The
// commands are the session rules'.
#pragma once

#include <QGroupBox>

#include "features/entry/EntryModel.h"
#include "features/session/MainRules.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirvo {

class ConvertPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit ConvertPanel(MainRules& rules, QWidget* parent = nullptr);

  void FillLists(Country country, const std::string& zoneLabel);
  void SetAnimalNames(Country country);
  void SetZoneLabel(const std::string& zoneLabel);  // the second zone entry
  // The model into the boxes. Writing the boxes is not typing: no change is reported.
  void ShowEntry(const EntryModel& model);
  void ShowElementAnimal(const EntryModel& model);
  // The focus where the user most likely continues: after the date text when the entry holds
  // one, else on Now (when it can take it).
  void TakeFocus(bool hasDate);
  bool HasDate() const;
  bool HasPlusMinus() const;

  QLineEdit* dateBox() const { return txbDate; }
  QPushButton* nowButton() const { return cmdNow; }
  QPushButton* convertButton() const { return cmdCompute; }

 Q_SIGNALS:
  // After Convert, Clear or Now: the window shows the model the command left.
  void entryCommandDone();
  // Choices by the user (after the model took them); writing the boxes reports nothing.
  void zoneChosen();
  void plusChosen();
  void elementAnimalChosen();  // the Search row names the element-animal targets by it

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ConnectControls();
  void Retranslate();
  void ShowListTexts();  // element and animal lists in the window's language

  MainRules& rules_;
  Country country_ = kChina;
  QLabel* lblDate = nullptr;
  QLabel* lblTime = nullptr;
  QLabel* lblZone = nullptr;
  QLabel* lblDays = nullptr;
  QLineEdit* txbDate = nullptr;
  QLineEdit* txbTime = nullptr;
  QComboBox* cboTimeZone = nullptr;
  QLineEdit* txbPlusMinus = nullptr;
  QRadioButton* optPlus = nullptr;
  QRadioButton* optMinus = nullptr;
  QButtonGroup* plusMinusGroup_ = nullptr;
  QComboBox* cboElement = nullptr;
  QComboBox* cboAnimal = nullptr;
  QLabel* lblElement = nullptr;
  QLabel* lblAnimal = nullptr;
  QPushButton* cmdCompute = nullptr;
  QPushButton* cmdClearDate = nullptr;
  QPushButton* cmdNow = nullptr;
  bool writing_ = false;  // ShowEntry is filling the boxes
};

}  // namespace mirvo
