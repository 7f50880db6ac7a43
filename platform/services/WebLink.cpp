#include "platform/services/WebLink.h"

#include "util/ProgramTexts.h"
#include "util/Text.h"

namespace mirvo {

std::string WebLinkFailureText(int code, const std::string& address) {
  if (code > 32) return "";
  std::string m = "Error launching web browser, error code =" + Spaced(code) + ".";
  switch (code) {
    case 31: {
      // The desktop found no program for the address: a browser for a web page, a viewer for a file.
      const bool web = address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0;
      const std::string extension = FileExtensionOf(address, true);
      return m + "\r\n\r\nNo program to open " +
             (web                 ? std::string("web pages")
              : extension.empty() ? std::string("this file")
                                  : "'" + extension + "' files") +
             " was found.";
    }
    case 8: return m + "\r\n\r\nOut of memory.";
    case 2: return m + "\r\n\r\nPlease try once more.";
    default: return m;
  }
}

bool OpenWebLink(WebBrowser& browser, Messages& messages, const std::string& address) {
  const int code = browser.Open(address);
  if (code > 32) return true;
  messages.Show("Cannot launch web browser", WebLinkFailureText(code, address), MessageIcon::kWarning,
                MessageButtons::kOk);
  return false;
}

}  // namespace mirvo
