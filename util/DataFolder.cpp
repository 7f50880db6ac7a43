#include "util/DataFolder.h"

#include <filesystem>
#include <system_error>

namespace mirvo {

std::string ProgramDataFolder(const std::string& executableFolder, const std::string& relativeDataFolder,
                              const std::string& marker) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path programs(executableFolder);
  if (fs::is_regular_file(programs / marker, ec)) return executableFolder;
  const fs::path installed = (programs / relativeDataFolder).lexically_normal();
  if (fs::is_regular_file(installed / marker, ec)) return installed.string();
  return executableFolder;
}

}  // namespace mirvo
