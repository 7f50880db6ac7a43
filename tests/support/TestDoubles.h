// Test doubles of the desktop services: message boxes that record what was shown and answer
// questions from a script, a clipboard, a settings store and text files in memory.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/services/FileDialogs.h"
#include "platform/services/Services.h"
#include "platform/services/TextFiles.h"

namespace mirvo {

// Test doubles: record what was shown and answer questions from a script.
class RecordingMessages : public Messages {
 public:
  struct Shown {
    std::string title, text;
    MessageIcon icon;
    MessageButtons buttons;
  };
  std::vector<Shown> shown;
  std::vector<MessageAnswer> answers;  // consumed front to back; kYes/kOk when empty
  MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                     MessageButtons buttons) override {
    shown.push_back({title, text, icon, buttons});
    if (!answers.empty()) {
      MessageAnswer a = answers.front();
      answers.erase(answers.begin());
      return a;
    }
    return buttons == MessageButtons::kYesNo || buttons == MessageButtons::kYesNoCancel ? MessageAnswer::kYes
                                                                                        : MessageAnswer::kOk;
  }
};

class MemoryClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override { text_ = text; }
  std::string Text() const override { return text_; }

 private:
  std::string text_;
};

// A settings store in memory.
class MemorySettingsStore : public SettingsStore {
 public:
  bool Write(const std::string& key, const std::string& name, const std::string& value) override;
  bool Read(const std::string& key, const std::string& name, std::string& value) const override;
  bool KeyExists(const std::string& key) const override;
  // Makes every later Write fail, as a read-only store would.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

 private:
  struct Entry {
    std::string key, name, value;
  };
  std::vector<Entry> entries_;
  bool readOnly_ = false;
};

// Files in memory; a failing replacement leaves the file as it was, as the real one does.
class MemoryTextFiles : public TextFiles {
 public:
  std::map<std::string, std::string> files;
  std::string failure;  // when set, every Replace fails with this reason
  int replaced = 0;
  std::optional<std::string> Read(const std::string& path, size_t maxBytes) const override {
    auto it = files.find(path);
    if (it == files.end() || it->second.size() > maxBytes) return std::nullopt;
    return it->second;
  }
  std::string Replace(const std::string& path, const std::string& content) override {
    if (!failure.empty()) return failure;
    files[path] = content;
    ++replaced;
    return "";
  }
};

// A Save dialog answered from a script: records the title and filter of each dialog and the
// file name it offered.
class ScriptedDialogs : public FileDialogs {
 public:
  std::string answer;  // the path chosen; empty: cancelled
  std::vector<std::string> asked;
  std::string fileName;
  StartFolder folder = StartFolder::kDocuments;
  std::string SaveFileName(const std::string& title, const std::string& filter, const std::string& name,
                           StartFolder start) override {
    asked.push_back(title + "|" + filter);
    fileName = name;
    folder = start;
    return answer;
  }
};

}  // namespace mirvo
