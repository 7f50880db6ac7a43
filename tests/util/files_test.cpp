// Whole files read only when regular, and replacements that run side by side on one file.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "util/Files.h"

namespace mirvo {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "/mirvo-files-XXXXXX";
    folder_ = mkdtemp(pattern.data());
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), {})); }
  static std::string Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string folder_;
};

// A FIFO (whose reading would wait for a writer), a folder, a missing file and one too large are
// refused at once; a regular file is read whole.
TEST_F(FilesTest, OnlyRegularFilesAreRead) {
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0644), 0);
  std::ofstream(Path("file")) << "12345";
  const struct {
    std::string path;
    size_t limit;
    FileContent::Status status;
  } cases[] = {
      {Path("fifo"), 100, FileContent::kNotRegular},
      {folder_, 100, FileContent::kNotRegular},
      {Path("missing"), 100, FileContent::kMissing},
      {Path("file"), 4, FileContent::kTooLarge},
      {Path("file"), 5, FileContent::kRead},
  };
  for (const auto& c : cases) {
    const FileContent read = ReadRegularFile(c.path, c.limit);
    EXPECT_EQ(read.status, c.status) << c.path;
    EXPECT_EQ(read.bytes, c.status == FileContent::kRead ? "12345" : "") << c.path;
  }
}

// Two programs saving one file at once: each keeps its own temporary file until it is renamed,
// so the one that finishes first does not take the other's for a stale one; the last one wins.
// An abandoned replacement leaves the old file and nothing beside it.
TEST_F(FilesTest, ReplacementsSideBySideAndAbandoned) {
  const std::string target = Path("state");
  std::ofstream(target) << "old";
  {
    FileReplacement abandoned(target);
    ASSERT_EQ(abandoned.error(), "");
    abandoned.Write("never");
    EXPECT_EQ(Entries(), 2u);
  }
  EXPECT_EQ(Text(target), "old");
  EXPECT_EQ(Entries(), 1u);

  FileReplacement first(target);
  first.Write("first");
  EXPECT_EQ(ReplaceFile(target, "second"), "");
  EXPECT_EQ(Text(target), "second");
  EXPECT_EQ(Entries(), 2u);  // the first one's temporary file is still there
  EXPECT_EQ(first.Commit(), "");
  EXPECT_EQ(Text(target), "first");
  EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace mirvo
