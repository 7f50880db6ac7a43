// The desktop services of the program on Qt: message boxes, the clipboard, the per-user settings
// store, the default browser and the per-user data folder.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "platform/services/Services.h"

class QSettings;
class QWidget;

namespace mirvo {

inline constexpr char kProgramTitle[] = "Mirvo";
inline constexpr char kMakerName[] = "Brisvale Systems";
inline constexpr char kProgramSettingsName[] = "MIRVO";
inline constexpr char kDataFolderName[] = "Brisvale_Systems";

// The window a message box or dialog belongs to: the window the user is working in when there is
// one (the data window, the month view), so that the box does not raise another window over it;
// otherwise fallback.
QWidget* DialogOwner(QWidget* fallback);

// QMessageBox; an empty title shows the program title.
class QtMessages : public Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                     MessageButtons buttons) override;

 private:
  QWidget* parent_;
};

class QtClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override;
  std::string Text() const override;
};

// QSettings of organization "Brisvale Systems", application "MIRVO". Keys are the backslash
// paths of the registry ("Software\Brisvale Systems\MIRVO"): the program's own key is the top
// level of that settings file, any other key a group in it.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();
  ~QtSettingsStore() override;
  bool Write(const std::string& key, const std::string& name, const std::string& value) override;
  bool Read(const std::string& key, const std::string& name, std::string& value) const override;
  bool KeyExists(const std::string& key) const override;
  // The settings key for a registry key and value name; empty when the key lies outside the
  // maker's root.
  static QString SettingsKey(const std::string& key, const std::string& name);

 private:
  std::unique_ptr<QSettings> settings_;
};

// QDesktopServices::openUrl; plain paths are opened as local files.
class QtWebBrowser : public WebBrowser {
 public:
  int Open(const std::string& address) override;
};

// The per-user data folder (the platform's application-data base + "Brisvale_Systems"), created
// when missing; returns folder + "/" + fileName, or the empty text when no folder can be made.
std::string DataFilePath(const std::string& fileName, const std::string& folderName = kDataFolderName);

}  // namespace mirvo
