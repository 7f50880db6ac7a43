// Whole text files read and replaced at once, behind a small interface so that the rules can be
// tested with files in memory (and with writes that fail) and the window uses the platform's
// files (platform/qt).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace mirvo {

class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // The file's bytes, or nothing when it does not exist, cannot be read or holds more than
  // maxBytes.
  virtual std::optional<std::string> Read(const std::string& path, size_t maxBytes) const = 0;
  // Replaces the file's content as a whole: afterwards the file holds either the new content or,
  // when the write failed, exactly what it held before. "" on success, otherwise the reason.
  virtual std::string Replace(const std::string& path, const std::string& content) = 0;
};

}  // namespace mirvo
