// Texts of the Qt-free layers in the window's language. Those layers write English and know
// nothing of Qt; the windows look each text up, by its English words, in the translations of a
// context. A text that carries numbers ("There is no such day within 100 years of today.") is
// looked up with each run of digits as a place marker ("… within %1 years of today."), and the
// numbers go back into the translation in the places it gives them. A text of several lines
// that has no translation as a whole is translated line by line. Whatever has no translation
// stays as it is.
#pragma once

#include <QString>
#include <string_view>

namespace mirvo {

QString TranslateText(const char* context, std::string_view english);

}  // namespace mirvo
