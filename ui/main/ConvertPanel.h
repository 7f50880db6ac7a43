// The Convert group of the main window: the date, time and zone boxes, plus/minus days, the
// element and animal choices of a "?" lunar entry or an element-animal search, and the Convert,
// Clear and Now buttons. It collects what was typed into the entry model and shows the model
// back; the rules of entry live in the entry model and the main rules.
#pragma once

#include <QGroupBox>

#include "ui/main/EntryModel.h"

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
  explicit ConvertPanel(QWidget* parent = nullptr);

  void FillLists(int country, const std::string& zoneLabel);
  void SetAnimalNames(int country);
  void SetZoneLabel(const std::string& zoneLabel);  // the second zone entry
  // The boxes as typed into the model (the entry calendar and search target are not boxes).
  void Collect(EntryModel& model) const;
  // The model into the boxes. Writing the boxes is not typing: no change is reported.
  void ShowEntry(const EntryModel& model);
  void ShowElementAnimal(const EntryModel& model);
  // The focus where the user most likely continues: after the date text when the date box holds
  // one, else on Now (when it can take it).
  void TakeFocus();
  bool HasDate() const;
  bool HasPlusMinus() const;

  QLineEdit* dateBox() const { return txbDate; }
  QPushButton* nowButton() const { return cmdNow; }
  QPushButton* convertButton() const { return cmdCompute; }

 Q_SIGNALS:
  void convertRequested();
  void clearRequested();
  void nowRequested();
  void dateTextChanged();     // typed, pasted or emptied by the user
  void zoneChosen();
  void plusChosen(bool plus);
  void elementAnimalChosen();  // the Search row names the element-animal targets by it

 private:
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
