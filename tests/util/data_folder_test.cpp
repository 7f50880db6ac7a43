#include "util/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace mirvo {
namespace {

namespace fs = std::filesystem;

// A build tree keeps the data beside the programs, an install tree in share/vantrel; a tree that
// was moved is found the same way, and a folder with neither is reported as itself.
TEST(DataFolder, BesideTheProgramsOrInTheInstallTree) {
  const fs::path root = fs::path(testing::TempDir()) / "mirvo_data_folder";
  fs::remove_all(root);
  fs::create_directories(root / "build");
  fs::create_directories(root / "prefix/bin");
  fs::create_directories(root / "prefix/share/vantrel");
  fs::create_directories(root / "empty/bin");
  std::ofstream(root / "build/mirvo.dat") << "1\tVantrel\n";
  std::ofstream(root / "prefix/share/vantrel/mirvo.dat") << "1\tVantrel\n";

  EXPECT_EQ(ProgramDataFolder((root / "build").string()), (root / "build").string());
  EXPECT_EQ(fs::path(ProgramDataFolder((root / "prefix/bin").string())), root / "prefix/share/vantrel");
  fs::rename(root / "prefix", root / "moved");
  EXPECT_EQ(fs::path(ProgramDataFolder((root / "moved/bin").string())), root / "moved/share/vantrel");
  EXPECT_EQ(ProgramDataFolder((root / "empty/bin").string()), (root / "empty/bin").string());
  // A folder named like the marker is no data file.
  fs::create_directories(root / "odd/bin/mirvo.dat");
  EXPECT_EQ(ProgramDataFolder((root / "odd/bin").string()), (root / "odd/bin").string());
  fs::remove_all(root);
}

}  // namespace
}  // namespace mirvo
