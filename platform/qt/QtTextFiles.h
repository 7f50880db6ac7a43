// Text files on disk. A replacement is written to a temporary file beside the target and renamed
// over it only when every byte has been written (QSaveFile), so that a full disk or a crash
// during a save leaves the previous file as it was.
#pragma once

#include "platform/services/TextFiles.h"

namespace mirvo {

class QtTextFiles : public TextFiles {
 public:
  std::optional<std::string> Read(const std::string& path, size_t maxBytes) const override;
  std::string Replace(const std::string& path, const std::string& content) override;
};

}  // namespace mirvo
