// Why a command of the rules did not do what was asked: the message box that said so, carried
// back in the command's result so that a caller without a window (mirvo-cli) can print it.
#pragma once

#include <string>

#include "platform/services/Services.h"

namespace mirvo {

struct Refusal {
  std::string title;  // "" for the program title
  std::string text;
  MessageIcon icon = MessageIcon::kNone;

  bool operator==(const Refusal&) const = default;
};

}  // namespace mirvo
