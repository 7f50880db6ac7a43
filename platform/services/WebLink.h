// Opening a web address or a document with the user's default program, and the words shown when
// that fails.
#pragma once

#include <string>

#include "platform/services/Services.h"

namespace mirvo {

// The warning shown for a failed open (result code <= 32) of `address`, or the empty text when
// the code means success.
std::string WebLinkFailureText(int code, const std::string& address);

// Opens `address`; on failure shows WebLinkFailureText in a warning box titled
// "Cannot launch web browser". Returns true when the browser accepted the address.
bool OpenWebLink(WebBrowser& browser, Messages& messages, const std::string& address);

}  // namespace mirvo
