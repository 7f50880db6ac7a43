#include "ui/log/LogPanel.h"

#include <QPushButton>

#include "platform/services/Services.h"
#include "ui/log/LogEntry.h"
#include "ui/log/frmLog.h"
#include "ui/log/frmLogPreferences.h"
#include "ui/main/CommandPanel.h"
#include "ui/main/MainRules.h"
#include "ui/main/PanelKit.h"
#include "ui/main/frmMain.h"

namespace mirvo {

LogPanel::LogPanel(frmMain& main, CommandPanel& commands, Messages& messages, Clipboard& clipboard,
                   const ProgramTextStore& texts)
    : QObject(&main),
      main_(main),
      commands_(commands),
      messages_(messages),
      clipboard_(clipboard),
      texts_(texts),
      preferences_(DefaultLogPreferences(main.rules().settings().showCjds)) {
  main.rules().hooks().autoLog = [this](int action) { AutoLog(action); };
  connect(commands.button("cmdAddToLog"), &QPushButton::clicked, this, &LogPanel::cmdAddToLog_Click);
  connect(commands.button("cmdViewLog"), &QPushButton::clicked, this, &LogPanel::cmdViewLog_Click);
  connect(commands.button("cmdClearLog"), &QPushButton::clicked, this, &LogPanel::cmdClearLog_Click);
  connect(commands.button("cmdLogPreferences"), &QPushButton::clicked, this, &LogPanel::cmdLogPreferences_Click);
}

frmLog& LogPanel::Log() {
  if (!log_) {
    log_ = new frmLog(texts_, messages_, clipboard_, &main_);
    connect(log_, &frmLog::emptied, this, &LogPanel::ShowButtons);
    connect(log_, &frmLog::closed, &main_, &frmMain::SetTheFocus);
  }
  return *log_;
}

bool LogPanel::HasText() const { return log_ && !log_->IsEmpty(); }

void LogPanel::Take(const LogAddition& addition) {
  Log().Append(addition.text);
  ShowButtons();
  if (addition.error.empty()) return;
  messages_.Show("Error", addition.error, MessageIcon::kWarning, MessageButtons::kOk);
  main_.rules().StopRepeating();
}

void LogPanel::AddToLog() {
  MainRules& rules = main_.rules();
  const LogSources sources{rules.display(), rules.settings(), rules.entry(), rules.reckoner()};
  Take(mirvo::AddToLog(Log().Text(), S(main_.windowTitle()), sources, preferences_));
}

void LogPanel::AutoLog(int action) {
  MainRules& rules = main_.rules();
  if (!rules.settings().autoLog || action < 1) return;
  const LogSources sources{rules.display(), rules.settings(), rules.entry(), rules.reckoner()};
  Take(mirvo::AutoLog(action, Log().Text(), S(main_.windowTitle()), sources, preferences_));
}

void LogPanel::ShowButtons() { commands_.ShowLogButtons(HasText(), main_.blnRepeat); }

void LogPanel::cmdAddToLog_Click() {
  AddToLog();
  if (!HasText()) return;
  if (preferences_.viewLogWhenAdd) {
    cmdViewLog_Click();
  } else {
    commands_.button("cmdViewLog")->setFocus();
  }
}

void LogPanel::cmdViewLog_Click() {
  if (!HasText()) {
    messages_.Show("View Log", "Log is empty", MessageIcon::kInformation, MessageButtons::kOk);
    main_.SetTheFocus();
    return;
  }
  Log().ShowOver(main_);
}

void LogPanel::cmdClearLog_Click() {
  if (messages_.Show("Clear log", "Erase all data in the log?", MessageIcon::kQuestion,
                     MessageButtons::kOkCancel) != MessageAnswer::kOk) {
    return;
  }
  Log().Clear();
  Log().hide();
  main_.SetTheFocus();
}

void LogPanel::cmdLogPreferences_Click() {
  if (!preferencesWindow_) {
    preferencesWindow_ = new frmLogPreferences(preferences_, &main_);
    connect(preferencesWindow_, &frmLogPreferences::closed, this, [this] {
      main_.CmdSaveStateEnabled(true);
      main_.SetTheFocus();
    });
  }
  preferencesWindow_->ShowBeside(main_);
}

void LogPanel::ShowPreferences() {
  if (preferencesWindow_) preferencesWindow_->ShowPreferences();
}

void LogPanel::HideWindows() {
  if (log_) log_->hide();
  if (preferencesWindow_) preferencesWindow_->hide();
}

}  // namespace mirvo
