// The desktop services the program's rules need, behind small interfaces so that tests and the
// command-line tool supply their own (recording or answering) and the window supplies Qt ones
// (platform/qt). Nothing here includes Qt.
#pragma once

#include <string>

namespace mirvo {

enum class MessageIcon { kNone, kInformation, kWarning, kError, kQuestion };
enum class MessageButtons { kOk, kYesNo, kOkCancel, kYesNoCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

// Message boxes and questions. An empty title means the program title ("Mirvo").
class Messages {
 public:
  virtual ~Messages() = default;
  virtual MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                             MessageButtons buttons) = 0;
  void Warn(const std::string& title, const std::string& text) {
    Show(title, text, MessageIcon::kWarning, MessageButtons::kOk);
  }
  bool AskYesNo(const std::string& title, const std::string& text) {
    return Show(title, text, MessageIcon::kQuestion, MessageButtons::kYesNo) == MessageAnswer::kYes;
  }
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
};

// The per-user settings store standing in for the registry: text values under a key path.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // False when the key cannot be created or written.
  virtual bool Write(const std::string& key, const std::string& name, const std::string& value) = 0;
  // False when the key or the value does not exist.
  virtual bool Read(const std::string& key, const std::string& name, std::string& value) const = 0;
  virtual bool KeyExists(const std::string& key) const = 0;
};

class WebBrowser {
 public:
  virtual ~WebBrowser() = default;
  // Opens an address or document with the platform's default program; returns a shell-style code
  // (> 32 success; 2 not found, 8 out of memory, 31 no association).
  virtual int Open(const std::string& address) = 0;
};

}  // namespace mirvo
