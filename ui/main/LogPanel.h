// The log's side of the main window: the commands "Add to log", "View log", "Clear log" and
// "Configure log" of its button column, the automatic entries after each recomputation, and the
// log and configuration windows they open. Not a widget of its own: it drives the main window's
// buttons and the two windows.
#pragma once

#include <QObject>
#include <QWidget>

#include "features/log/LogPreferences.h"
#include "features/session/LogAction.h"

namespace mirvo {

class MainRules;
class frmLog;
class frmLogPreferences;
class CommandPanel;
class Clipboard;
class Messages;
class ProgramTextStore;
struct LogAddition;

class LogPanel : public QObject {
  Q_OBJECT

 public:
  // window: the main window, which the log windows belong to and are shown beside.
  LogPanel(QWidget& window, MainRules& rules, CommandPanel& commands, Messages& messages,
           Clipboard& clipboard, const ProgramTextStore& texts);

  // The configuration the entries follow (saved and restored with the main window's state).
  LogPreferences& preferences() { return preferences_; }
  // Its window shows the record again (after a restore).
  void ShowPreferences();
  // AutoLog: the heading of the action and an entry, when "Auto log" is ticked.
  void AutoLog(LogAction action);
  // AddToLog without the button's follow-up.
  void AddToLog();
  bool HasText() const;
  // The program ends: both windows are hidden.
  void HideWindows();
  frmLog* logWindow() { return log_; }
  // The log buttons for the log's text and the run in progress.
  void ShowButtons();

 Q_SIGNALS:
  void focusWanted();         // a log window closed, or a command ended in the main window
  void preferencesChanged();  // the configuration window closed: a change to save
  void entryFailed();         // an entry could not be written: a repeated run is to stop

 private:
  void cmdAddToLog_Click();
  void cmdViewLog_Click();
  void cmdClearLog_Click();
  void cmdLogPreferences_Click();
  frmLog& Log();
  // Appends what was built; a failure part-way is reported and stops a repeated run.
  void Take(const LogAddition& addition);

  QWidget& window_;
  MainRules& rules_;
  CommandPanel& commands_;
  Messages& messages_;
  Clipboard& clipboard_;
  const ProgramTextStore& texts_;
  LogPreferences preferences_;
  frmLog* log_ = nullptr;  // created on first use
  frmLogPreferences* preferencesWindow_ = nullptr;
};

}  // namespace mirvo
