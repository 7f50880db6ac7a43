// The windows the button column opens besides the log: the data window (dark moons and solar
// terms of a year, the lists of new years and leap months, the self-test) and the lunar month
// window. Not a widget of its own: it drives the column's buttons and creates each window the
// first time it is asked for.
#pragma once

#include <QObject>

namespace mirvo {

class frmMain;
class frmData;
class frmCalendar;
class CommandPanel;
class FileDialogs;
class ProgramTextStore;
struct MainServices;

class WindowsPanel : public QObject {
  Q_OBJECT

 public:
  WindowsPanel(frmMain& main, CommandPanel& commands, const MainServices& services,
               const ProgramTextStore& texts);

  frmData& Data();
  frmCalendar& Calendar();
  // The program ends: both windows are closed.
  void CloseWindows();

 private:
  frmMain& main_;
  const MainServices& services_;
  const ProgramTextStore& texts_;
  frmData* data_ = nullptr;
  frmCalendar* calendar_ = nullptr;
};

}  // namespace mirvo
