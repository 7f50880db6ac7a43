// The controls of the data window as a form: built once with the object names by which tests and
// readers find them, laid out in three rows over the text area; which of them each mode shows;
// and the window's size and place beside the main window. The data window inherits the form and
// gives the controls their behaviour.
#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace mirvo {

class ProgramTextStore;

struct DataWindowForm {
  // Builds the controls into window; the captions given are the window's program texts.
  void BuildForm(QWidget* window, const QString& copyCaption, const QString& closeCaption,
                 const QString& yearsCaption);
  // The captions that are no program texts, in the window's language.
  void RetranslateForm();
  // Shows the options and buttons of a mode (DataMode), hides the others'.
  void ShowControlsOf(int mode);
  // Sizes and places the window for a mode: beside the main window, from a little below its top
  // to its bottom, when that is shown normally; else in the middle of the screen; and nearly
  // the screen's height with "Large window".
  void PlaceWindow(QWidget* window, const QWidget* mainWindow, int mode);
  // The year data's solar-term boxes.
  void SetSolarTermOptions(bool major, bool minor, bool names);
  // Program text number, or the English one when there is none, in the window's language.
  static QString ProgramTextIn(const ProgramTextStore* texts, int number, const char* english);

  QPlainTextEdit* txbText = nullptr;
  QPushButton* cmdCopyToClipboard = nullptr;
  QPushButton* cmdSaveICalendar = nullptr;
  QPushButton* cmdClose = nullptr;
  QPushButton* cmdStop = nullptr;
  QPushButton* cmdList = nullptr;
  QLineEdit* txbNumYears = nullptr;
  QLabel* lblYears = nullptr;
  QCheckBox* chkLargeWindow = nullptr;
  QCheckBox* chkIncludeMajorSolarTerms = nullptr;
  QCheckBox* chkIncludeMinorSolarTerms = nullptr;
  QCheckBox* chkDisplaySolarTermNames = nullptr;
  QCheckBox* chkLeapMonthsOnly = nullptr;
  QCheckBox* chkOmitInvalidDates = nullptr;
  QGroupBox* fraEuroCal = nullptr;
  QLabel* lblEuroCal = nullptr;
  QRadioButton* optCE = nullptr;
  QRadioButton* optJC = nullptr;
  QLineEdit* txbStart = nullptr;
  QLineEdit* txbEnd = nullptr;

 private:
  int normalWidth_ = 0, wideWidth_ = 0, mediumWidth_ = 0;
};

}  // namespace mirvo
