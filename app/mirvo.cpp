// The desktop program. Without arguments it opens the main window. Two scripted uses start the
// window in the same way, with the saved state when there is one, and exit without saving it:
// --screenshot FILE saves a PNG of the window, --print-labels prints the caption and value of
// every row. A third draws the lunar
// calendar month of a date into a PNG file without showing any window: --calendar-png FILE.
// --lang TAG gives the windows a language for that run (en, zh-Hans, zh-Hant, vi, ja, ko), over
// the one chosen in Settings.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "features/state/SavedState.h"
#include "features/state/StateFile.h"
#include "features/tables/MainTables.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTextFiles.h"
#include "platform/services/Registry.h"
#include "ui/calendar/frmCalendar.h"
#include "ui/common/WindowLanguage.h"
#include "ui/main/frmMain.h"
#include "util/DataFolder.h"
#include "util/Files.h"
#include "util/Text.h"

#ifndef MIRVO_DATA_FROM_PROGRAMS
#define MIRVO_DATA_FROM_PROGRAMS "../share/vantrel"
#endif

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

// A scripted run has no one to close a message box: a box would wait for ever. Each message
// becomes one line on stderr instead, and a question gets the answer that changes nothing.
class ScriptMessages : public mirvo::Messages {
 public:
  mirvo::MessageAnswer Show(const std::string& title, const std::string& text, mirvo::MessageIcon,
                            mirvo::MessageButtons buttons) override {
    std::string line = text;
    for (char& c : line) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    std::fprintf(stderr, "mirvo: %s%s%s\n", title.c_str(), title.empty() ? "" : ": ", line.c_str());
    switch (buttons) {
      case mirvo::MessageButtons::kOk: return mirvo::MessageAnswer::kOk;
      case mirvo::MessageButtons::kYesNo: return mirvo::MessageAnswer::kNo;
      default: return mirvo::MessageAnswer::kCancel;
    }
  }
};

int Usage() {
  std::fprintf(
      stderr,
      "usage: mirvo [--lang TAG] [--screenshot FILE | --print-labels | --calendar-png FILE [--date ENTRY]]\n"
      "  --lang TAG           the language of the windows for this run: en, zh-Hans, zh-Hant,\n"
      "                       vi, ja or ko (default: the one chosen in Settings)\n"
      "  --screenshot FILE    save a PNG of the main window as it starts (the saved instant,\n"
      "                       or the present moment)\n"
      "  --print-labels       print the caption and value of every row, tab-separated\n"
      "  --calendar-png FILE  save a PNG of the lunar calendar month holding ENTRY (a date\n"
      "                       as typed in the date box, e.g. \"2033-12-25 CE\"; default\n"
      "                       today), for the country chosen in Settings, without showing\n"
      "                       a window\n");
  return 2;
}

// The lunar month of ENTRY (converted as "Convert" does) or of today, drawn by the calendar month
// window into a PNG file, for the country and history setting the window would start with. The
// window is never shown, so no display is needed.
int SaveCalendarPng(const std::string& file, const std::string& entry, const std::string& dataFolder) {
  mirvo::Reckoner reckoner;
  mirvo::MainRules rules(reckoner, nullptr, nullptr, dataFolder);
  const mirvo::QtSettingsStore settings;
  ScriptMessages messages;
  mirvo::ChooseStoredCountryAndHistory(rules, settings, messages);
  rules.SetCurrentAjd(mirvo::CurrentAjd());
  if (!entry.empty()) {
    rules.entry().date = entry;
    const mirvo::ConvertResult result = rules.Convert();
    if (result.outcome == mirvo::ConvertOutcome::kEntryError ||
        result.outcome == mirvo::ConvertOutcome::kOutOfRange) {
      std::string message = result.refusal ? result.refusal->text : "";
      for (char& c : message) {
        if (c == '\r' || c == '\n') c = ' ';
      }
      std::fprintf(stderr, "mirvo: %s\n", message.c_str());
      return 2;
    }
  }
  const int32_t day = mirvo::JdnOf(mirvo::CjdcFromAjd(rules.currentAjd(), reckoner.ReferenceDegrees()));
  mirvo::CalendarServices services;
  services.festivals = &rules.festivals();
  mirvo::frmCalendar calendar(reckoner, std::move(services));
  calendar.setJdn1stOfMonth(day);
  std::string reason = "the month cannot be drawn";
  if (!calendar.view().valid || !calendar.WritePage(file, "PNG", &reason)) {
    std::fprintf(stderr, "mirvo: cannot write %s: %s\n", mirvo::QuotedText(file).c_str(), reason.c_str());
    return 1;
  }
  return 0;
}

// The options of the scripted uses.
struct Options {
  std::string screenshot, calendarPng, calendarDate;
  std::optional<mirvo::Language> language;
  bool printLabels = false;
};

// The options, or the exit code of a refusal (after the usage).
std::optional<int> ReadOptions(int argc, char** argv, Options& o) {
  std::string& screenshot = o.screenshot;
  std::string& calendarPng = o.calendarPng;
  std::string& calendarDate = o.calendarDate;
  std::optional<mirvo::Language>& language = o.language;
  bool& printLabels = o.printLabels;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else if (std::strcmp(argv[i], "--print-labels") == 0) {
      printLabels = true;
    } else if (std::strcmp(argv[i], "--calendar-png") == 0 && i + 1 < argc) {
      calendarPng = argv[++i];
    } else if (std::strcmp(argv[i], "--date") == 0 && i + 1 < argc) {
      calendarDate = argv[++i];
    } else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
      language = mirvo::LanguageFromTag(argv[++i]);
      if (!language) {
        std::fprintf(stderr, "mirvo: unknown language %s\n", mirvo::QuotedText(argv[i]).c_str());
        return Usage();
      }
    } else {
      return Usage();
    }
  }
  if (!calendarDate.empty() && calendarPng.empty()) return Usage();
  if (!calendarPng.empty() && (!screenshot.empty() || printLabels)) return Usage();
  return std::nullopt;
}

// The caption and value of every visible row, tab-separated, on standard output.
int PrintLabels(const mirvo::frmMain& window) {
  // A tab or line break inside a text would shift the columns of the lines that follow.
  auto field = [](std::string text) {
    for (char& c : text) {
      if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return text;
  };
  std::string lines;
  for (const auto& [caption, value] : window.RowTexts()) lines += field(caption) + '\t' + field(value) + '\n';
  // Lost output (a full disk, a reader that has gone) is a failure, not a success.
  if (const std::string reason = mirvo::WriteToDescriptor(1, lines); !reason.empty()) {
    std::fprintf(stderr, "mirvo: the output could not be written: %s\n", reason.c_str());
    return 1;
  }
  return 0;
}

int SaveScreenshot(mirvo::frmMain& window, const std::string& file) {
  window.adjustSize();
  QApplication::processEvents();
  if (const std::string reason = mirvo::SaveImageFile(window.grab().toImage(), file, "PNG");
      !reason.empty()) {
    std::fprintf(stderr, "mirvo: cannot write %s: %s\n", mirvo::QuotedText(file).c_str(), reason.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const std::optional<int> refused = ReadOptions(argc, argv, options)) return *refused;
  const std::string& screenshot = options.screenshot;
  const std::string& calendarPng = options.calendarPng;
  const std::optional<mirvo::Language>& language = options.language;
  const bool printLabels = options.printLabels;
  if (!calendarPng.empty()) {
    // Nothing is shown: without a desktop the picture is drawn off screen.
    if (!HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenNotes);
    const QApplication app(argc, argv);
    // English unless asked: the language of the picture is the run's, its country the settings'.
    const std::string dataFolder = mirvo::ProgramDataFolder(
        QCoreApplication::applicationDirPath().toStdString(), MIRVO_DATA_FROM_PROGRAMS);
    mirvo::WindowTranslations translations(dataFolder);
    if (language && !translations.Apply(*language)) {
      std::fprintf(stderr, "mirvo: the translation into %s is missing\n",
                   mirvo::LanguageOwnName(*language).data());
      return 1;
    }
    return SaveCalendarPng(calendarPng, options.calendarDate, dataFolder);
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

  mirvo::QtMessages boxes;
  ScriptMessages lines;
  const bool scripted = printLabels || !screenshot.empty();
  mirvo::Messages& messages = scripted ? static_cast<mirvo::Messages&>(lines) : boxes;
  mirvo::QtClipboard clipboard;
  mirvo::QtSettingsStore settings;
  mirvo::QtWebBrowser browser;
  mirvo::QtTextFiles files;
  mirvo::QtFileDialogs fileDialogs;
  const std::string programFolder = mirvo::ProgramDataFolder(
      QCoreApplication::applicationDirPath().toStdString(), MIRVO_DATA_FROM_PROGRAMS);
  // The language before the first window: every text is made in it.
  mirvo::WindowTranslations translations(programFolder);
  if (language) translations.SetCommandLine(*language);
  if (!translations.ApplyAtStart(mirvo::ReadLanguageChoice(settings, messages)) && language) {
    std::fprintf(stderr, "mirvo: the translation into %s is missing\n",
                 mirvo::LanguageOwnName(*language).data());
    return 1;
  }
  mirvo::MainServices services{&messages,
                               &clipboard,
                               &settings,
                               &browser,
                               programFolder,
                               &files,
                               mirvo::DataFilePath(mirvo::kStateFileName),
                               &fileDialogs,
                               &translations};
  mirvo::frmMain window(services);
  boxes.SetParent(&window);
  fileDialogs.SetParent(&window);
  window.move(QPoint(7, 7));      // the saved position of the window's top left: 100 twips
  if (!window.Start()) return 1;  // shows the window

  if (printLabels) return PrintLabels(window);
  if (!screenshot.empty()) return SaveScreenshot(window, screenshot);
  return QApplication::exec();
}
