// The log configuration window: the thirteen choices of what a log entry contains, in their
// frames, with "Set all", "Clear all" and "Close". The boxes write straight into the record the
// log reads.
#pragma once

#include <QWidget>
#include <array>

#include "features/log/LogPreferences.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace mirvo {

class frmLogPreferences : public QWidget {
  Q_OBJECT

 public:
  frmLogPreferences(LogPreferences& preferences, QWidget* parent = nullptr);

  // The boxes show the record again (after it was restored).
  void ShowPreferences();
  // Bottom aligned with the main window's bottom, right edge 80 twips inside its right edge.
  void ShowBeside(const QWidget& main);

 Q_SIGNALS:
  void closed();  // hidden: the main window marks its state as changed and takes the focus

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void cmdSetClear_Click(int index);
  void cmdClose_Click();
  void EnableChineseTerms();

  LogPreferences& preferences_;
  std::array<QCheckBox*, kLogPreferenceCount> boxes_{};  // in the order of LogPreferenceTable
  QCheckBox* chkVerbose = nullptr;
  QCheckBox* chkIncludeGanzhi = nullptr;
  QPushButton* cmdClose = nullptr;
  QLabel* lblInclude = nullptr;
  std::array<QGroupBox*, 3> frames_{};
  std::array<QPushButton*, 2> cmdSetClear{};
};

}  // namespace mirvo
