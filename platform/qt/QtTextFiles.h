// Text files and pictures on disk, through the program's one way of writing a file (util/Files):
// a regular file is replaced by a temporary file renamed over it only when every byte has been
// written, so that a full disk or a crash during a save leaves the previous file as it was; a
// symbolic link is followed; a device or a FIFO is written to, never replaced. Only regular files
// are read, so that a FIFO in place of a file cannot hold the window up.
#pragma once

#include "platform/services/TextFiles.h"

class QImage;

namespace mirvo {

class QtTextFiles : public TextFiles {
 public:
  std::optional<std::string> Read(const std::string& path, size_t maxBytes) const override;
  std::string Replace(const std::string& path, const std::string& content) override;
};

// The image in `format` ("PNG" …) written to path as above: "" on success, otherwise the reason.
std::string SaveImageFile(const QImage& image, const std::string& path, const char* format);

}  // namespace mirvo
