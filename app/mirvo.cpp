// The desktop program. Without arguments it opens the main window. Two scripted uses start the
// window in the same way and exit: --screenshot FILE saves a PNG of the window showing the present
// moment, --print-labels prints the caption and value of every row.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/qt/QtServices.h"
#include "ui/main/frmMain.h"

namespace {

// Only X11 and Wayland desktops announce themselves through the environment; on Windows and macOS
// the desktop is always there, and asking would refuse every ordinary start.
bool HasDisplay() {
#if defined(__unix__) && !defined(__APPLE__)
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* v = std::getenv(name);
    if (v && *v) return true;
  }
  return false;
#else
  return true;
#endif
}

// Scripted runs on the offscreen platform report every window-manager request it cannot honour;
// those notes say nothing about the program and would bury its output.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith("This plugin does not support")) return;
  if (type == QtWarningMsg && text.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int Usage() {
  std::fprintf(stderr,
               "usage: mirvo [--screenshot FILE | --print-labels]\n"
               "  --screenshot FILE  save a PNG of the main window showing the present moment\n"
               "  --print-labels     print the caption and value of every row, tab-separated\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string screenshot;
  bool printLabels = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else if (std::strcmp(argv[i], "--print-labels") == 0) {
      printLabels = true;
    } else {
      return Usage();
    }
  }
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "mirvo: no display here (neither DISPLAY nor WAYLAND_DISPLAY is set). Use "
                 "mirvo-cli, or QT_QPA_PLATFORM=offscreen mirvo --screenshot FILE.\n");
    return 1;
  }

  if (printLabels || !screenshot.empty()) qInstallMessageHandler(QuietOffscreenNotes);
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  QApplication::setApplicationName(mirvo::kProgramSettingsName);
  QApplication::setOrganizationName(mirvo::kMakerName);

  mirvo::QtMessages messages;
  mirvo::QtClipboard clipboard;
  mirvo::QtSettingsStore settings;
  mirvo::QtWebBrowser browser;
  mirvo::MainServices services{&messages, &clipboard, &settings, &browser,
                               QCoreApplication::applicationDirPath().toStdString()};
  mirvo::frmMain window(services);
  messages.SetParent(&window);
  window.move(QPoint(7, 7));  // the saved position of the window's top left: 100 twips
  if (!window.Start()) return 1;  // shows the window

  if (printLabels) {
    for (const auto& [caption, value] : window.RowTexts()) {
      std::printf("%s\t%s\n", caption.c_str(), value.c_str());
    }
    return 0;
  }
  if (!screenshot.empty()) {
    window.adjustSize();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(screenshot), "PNG")) {
      std::fprintf(stderr, "mirvo: cannot write %s\n", screenshot.c_str());
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}
