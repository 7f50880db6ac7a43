// The main window over recording desktop services, and the ways the window tests reach its
// controls by their names.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/TestDoubles.h"
#include "ui/common/WindowLanguage.h"
#include "ui/main/frmMain.h"

namespace mirvo {

class RecordingBrowser : public WebBrowser {
 public:
  int Open(const std::string& address) override {
    opened.push_back(address);
    return code;
  }
  std::vector<std::string> opened;
  int code = 42;
};

struct WindowFixture {
  RecordingMessages messages;
  MemoryClipboard clipboard;
  MemorySettingsStore settings;
  MemorySettingsStore* store = &settings;  // another store lets runs share one
  RecordingBrowser browser;
  WindowTranslations* translations = nullptr;  // none: the windows speak English
  std::unique_ptr<frmMain> window;

  // Builds the window with the program's data and starts it; a state file needs its files.
  bool Open(TextFiles* files = nullptr, const std::string& stateFile = "") {
    window = std::make_unique<frmMain>(MainServices{&messages, &clipboard, store, &browser, MIRVO_DATA_DIR,
                                                    files, stateFile, nullptr, translations});
    return window->Start();
  }
  template <typename T = QWidget>
  T* Find(const char* name, QWidget* in = nullptr) {
    T* w = (in ? in : window.get())->template findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("no control %s", name);
    return w;
  }
  void Click(const char* button, QWidget* in = nullptr) {
    QTest::mouseClick(Find<QPushButton>(button, in), Qt::LeftButton);
  }
  void Choose(const char* combo, int index, QWidget* in = nullptr) {
    Find<QComboBox>(combo, in)->setCurrentIndex(index);
  }
  QString Text(const char* label) { return Find<QLabel>(label)->text(); }
  bool Shown(const char* name) { return Find(name)->isVisibleTo(window.get()); }
  bool Enabled(const char* name) { return Find(name)->isEnabled(); }
  std::string LastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
};

}  // namespace mirvo
