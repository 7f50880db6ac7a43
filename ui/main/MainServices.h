// What the main window and the windows it opens need from the desktop; tests pass recording
// doubles.
#pragma once

#include <string>

#include "platform/services/Services.h"
#include "platform/services/TextFiles.h"

namespace mirvo {

class FileDialogs;
class WindowTranslations;

struct MainServices {
  Messages* messages = nullptr;
  Clipboard* clipboard = nullptr;
  SettingsStore* settings = nullptr;
  WebBrowser* browser = nullptr;
  std::string programFolder;                   // holds mirvo.dat and manual.html
  TextFiles* files = nullptr;                  // none: no saved state is kept
  std::string stateFile = "";                  // the saved state ("" when no folder for it could be made)
  FileDialogs* fileDialogs = nullptr;          // none: the month picture cannot be saved
  WindowTranslations* translations = nullptr;  // none: the windows stay English (a choice of
                                               // language is still kept)
};

}  // namespace mirvo
