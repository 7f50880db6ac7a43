#include "ui/main/LogPanel.h"

#include <QPushButton>

#include "features/log/LogEntry.h"
#include "features/session/MainRules.h"
#include "platform/qt/QtTranslate.h"
#include "platform/services/Services.h"
#include "ui/common/PanelKit.h"
#include "ui/log/frmLog.h"
#include "ui/log/frmLogPreferences.h"
#include "ui/main/CommandPanel.h"

namespace mirvo {

LogPanel::LogPanel(QWidget& window, MainRules& rules, CommandPanel& commands, Messages& messages,
                   Clipboard& clipboard, const ProgramTextStore& texts)
    : QObject(&window),
      window_(window),
      rules_(rules),
      commands_(commands),
      messages_(messages),
      clipboard_(clipboard),
      texts_(texts),
      preferences_(DefaultLogPreferences(rules.settings().showCjds)) {
  connect(commands.button("cmdAddToLog"), &QPushButton::clicked, this, &LogPanel::cmdAddToLog_Click);
  connect(commands.button("cmdViewLog"), &QPushButton::clicked, this, &LogPanel::cmdViewLog_Click);
  connect(commands.button("cmdClearLog"), &QPushButton::clicked, this, &LogPanel::cmdClearLog_Click);
  connect(commands.button("cmdLogPreferences"), &QPushButton::clicked, this,
          &LogPanel::cmdLogPreferences_Click);
}

frmLog& LogPanel::Log() {
  if (!log_) {
    log_ = new frmLog(texts_, messages_, clipboard_, &window_);
    connect(log_, &frmLog::emptied, this, &LogPanel::ShowButtons);
    connect(log_, &frmLog::closed, this, &LogPanel::focusWanted);
  }
  return *log_;
}

bool LogPanel::HasText() const { return log_ && !log_->IsEmpty(); }

void LogPanel::Take(const LogAddition& addition) {
  Log().Append(addition.text);
  ShowButtons();
  if (!addition.error) return;
  messages_.Show(S(tr("Error")), *addition.error, MessageIcon::kWarning, MessageButtons::kOk);
  Q_EMIT entryFailed();
}

namespace {

// An entry speaks the window's language; the names of the lists in its heading are those the
// window shows.
LogSources SourcesOf(MainRules& rules) {
  LogSources sources{rules.display(), rules.settings(), rules.entry(), rules.reckoner()};
  sources.language = rules.settings().language;
  sources.listName = [](const std::string& name) { return S(TranslateText("Tables", name)); };
  sources.festivals = &rules.festivals();
  return sources;
}

}  // namespace

void LogPanel::AddToLog() {
  Take(mirvo::AddToLog(Log().Text(), S(window_.windowTitle()), SourcesOf(rules_), preferences_));
}

void LogPanel::AutoLog(LogAction action) {
  if (!rules_.settings().autoLog || action == kLogNone) return;
  Take(mirvo::AutoLog(action, Log().Text(), S(window_.windowTitle()), SourcesOf(rules_), preferences_));
}

void LogPanel::ShowButtons() { commands_.ShowLogButtons(HasText(), rules_.repeating()); }

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
    messages_.Show(S(tr("View Log")), S(tr("Log is empty")), MessageIcon::kInformation, MessageButtons::kOk);
    Q_EMIT focusWanted();
    return;
  }
  Log().ShowOver(window_);
}

void LogPanel::cmdClearLog_Click() {
  if (messages_.Show(S(tr("Clear log")), S(tr("Erase all data in the log?")), MessageIcon::kQuestion,
                     MessageButtons::kOkCancel) != MessageAnswer::kOk) {
    return;
  }
  Log().Clear();
  Log().hide();
  Q_EMIT focusWanted();
}

void LogPanel::cmdLogPreferences_Click() {
  if (!preferencesWindow_) {
    preferencesWindow_ = new frmLogPreferences(preferences_, &window_);
    connect(preferencesWindow_, &frmLogPreferences::closed, this, &LogPanel::preferencesChanged);
  }
  preferencesWindow_->ShowBeside(window_);
}

void LogPanel::ShowPreferences() {
  if (preferencesWindow_) preferencesWindow_->ShowPreferences();
}

void LogPanel::HideWindows() {
  if (log_) log_->hide();
  if (preferencesWindow_) preferencesWindow_->hide();
}

}  // namespace mirvo
