// Replacements of one file that run side by side, and one that is abandoned.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "util/Files.h"

namespace mirvo {
namespace {

namespace fs = std::filesystem;

// Two programs saving one file at once: each keeps its own temporary file until it is renamed,
// so the one that finishes first does not take the other's for a stale one, and the last one
// wins. An abandoned replacement leaves the old file and nothing beside it.
TEST(FileReplacement, SideBySideAndAbandoned) {
  std::string pattern = ::testing::TempDir() + "/mirvo-files-XXXXXX";
  const std::string folder = mkdtemp(pattern.data()), target = folder + "/state";
  auto state = [&] {
    const auto entries = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    return std::to_string(entries) + " " + ReadRegularFile(target, 100).bytes;
  };
  std::ofstream(target) << "old";
  {
    FileReplacement abandoned(target);
    abandoned.Write("never");
    EXPECT_EQ(state(), "2 old");
  }
  EXPECT_EQ(state(), "1 old");
  FileReplacement first(target);
  first.Write("first");
  EXPECT_EQ(ReplaceFile(target, "second"), "");
  EXPECT_EQ(state(), "2 second");
  EXPECT_EQ(first.Commit(), "");
  EXPECT_EQ(state(), "1 first");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace mirvo
