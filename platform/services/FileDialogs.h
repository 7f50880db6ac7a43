// The common file dialogs, behind a small interface so that tests answer them from a script and
// the window asks through Qt (platform/qt).
#pragma once

#include <string>

namespace mirvo {

// The user's folder a Save dialog opens in: pictures for images, documents for other files.
enum class StartFolder { kPictures, kDocuments };

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // A Save dialog with the title and a filter of "description|pattern" pairs
  // ("PNG graphics file (*.png) | *.png"), opening in `folder` with fileName suggested. Returns
  // the chosen path, or the empty text when the user cancelled.
  virtual std::string SaveFileName(const std::string& title, const std::string& filter,
                                   const std::string& fileName, StartFolder folder) = 0;
};

}  // namespace mirvo
