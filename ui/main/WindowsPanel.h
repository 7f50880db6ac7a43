// The windows the button column opens besides the log: the data window (dark moons and solar
// terms of a year, the lists of new years and leap months, the self-test) and the lunar month
// window. Not a widget of its own: it drives the column's buttons and creates each window the
// first time it is asked for.
#pragma once

#include <QObject>
#include <QWidget>

namespace mirvo {

class MainRules;
class frmData;
class frmCalendar;
class CommandPanel;
class FileDialogs;
class ProgramTextStore;
struct MainServices;

class WindowsPanel : public QObject {
  Q_OBJECT

 public:
  // window: the main window, which the data and month windows belong to.
  WindowsPanel(QWidget& window, MainRules& rules, CommandPanel& commands, const MainServices& services,
               const ProgramTextStore& texts);

  frmData& Data();
  frmCalendar& Calendar();
  // The program ends: both windows are closed.
  void CloseWindows();
  // The data window's European calendar ('G' or 'J'), once it exists.
  void SetEuropeanCalendar(char letter);

 Q_SIGNALS:
  void focusWanted();  // the data window closed

 private:
  QWidget& window_;
  MainRules& rules_;
  const MainServices& services_;
  const ProgramTextStore& texts_;
  frmData* data_ = nullptr;
  frmCalendar* calendar_ = nullptr;
};

}  // namespace mirvo
