#include "util/ProgramTexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace mirvo {
namespace {

namespace fs = std::filesystem;

class ProgramTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vantrel_texts_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& content, const std::string& name = "texts.dat") {
    std::ofstream(dir_ / name, std::ios::binary) << content;
    return (dir_ / name).string();
  }
  fs::path dir_;
};

TEST_F(ProgramTextsTest, ReadsNumberedTextsAndTheEmptyMarker) {
  ProgramTextStore store;
  std::string path = Write("# comment\r\n\r\n1\tVantrel\r\n7\t~\r\n12\tcaf\xC3\xA9 au lait\r\n");
  EXPECT_EQ(store.lt(path), 3);
  EXPECT_EQ(ProgramText(store, 1), "Vantrel");
  EXPECT_EQ(ProgramText(store, 7), "") << "\"~\" is the empty text";
  EXPECT_EQ(ProgramText(store, 12), "caf\xC3\xA9 au lait");
  EXPECT_EQ(ProgramText(store, 2), "") << "a number without text is silently empty";
  EXPECT_EQ(ProgramText(store, -1), "");
  std::string buffer;
  EXPECT_EQ(store.gt(1, 1, buffer, 1024), 0) << "only language 0 exists";
  EXPECT_EQ(store.gt(12, 0, buffer, 5), 5) << "length in bytes";
  EXPECT_EQ(buffer, "caf\xC3\xA9") << "cut at a character, not inside one";
}

TEST_F(ProgramTextsTest, FailuresGiveTheirCodesAndMessages) {
  struct Case {
    std::string content;
    int code;
    std::string message;
  };
  const std::string longText(1024, 'x');
  const Case cases[] = {
      {"", kTextsEmptyFile, "File is empty."},
      {"# only comments\n\n", kTextsNoneRead, "No program text was read."},
      {"1\tA\n2\n", -502, "Missing string at line 2."},
      {"1\tA\n2\t\n", -502, "Missing string at line 2."},
      {"# c\n1\t" + longText + "\n", -1002, "String too long at line 2."},
      {"1\tA\n\n1\tB\n", -1503, "Duplicate in program text at line 3."},
      {"one\tA\n", kTextsReadError, "Error reading file."},
      {"1 A\n", kTextsReadError, "Error reading file."},
  };
  for (const auto& c : cases) {
    ProgramTextStore store;
    std::string path = Write(c.content);
    int r = store.lt(path);
    EXPECT_EQ(r, c.code) << c.content.substr(0, 20);
    EXPECT_EQ(ProgramTextLoadMessage(r, path, store.errorLine()), c.message);
    EXPECT_EQ(LoadProgramTexts(store, dir_.string(), "texts.dat"), c.message);
    EXPECT_EQ(ProgramText(store, 1), "") << "a failed load keeps no text";
  }
  ProgramTextStore store;
  EXPECT_EQ(store.lt(Write("1\t" + std::string(1023, 'y') + "\n")), 1) << "1023 characters fit";
}

TEST_F(ProgramTextsTest, LineNumbersBeyondFiveHundredAreReportedTruly) {
  std::string content;
  for (int i = 1; i <= 700; ++i) content += std::to_string(i) + "\tT\n";
  content += "5\tagain\n";
  ProgramTextStore store;
  std::string path = Write(content);
  int r = store.lt(path);
  EXPECT_LT(r, kTextsDuplicateBase);
  EXPECT_EQ(LoadProgramTexts(store, dir_.string() + "/", "texts.dat"),
            "Duplicate in program text at line 701.");
}

TEST_F(ProgramTextsTest, MissingFileNamesThePath) {
  ProgramTextStore store;
  std::string message = LoadProgramTexts(store, dir_.string(), "absent.dat");
  EXPECT_EQ(message, "Cannot open file containing program text.\r\n" + (dir_ / "absent.dat").string());
  // A folder where the file should be cannot be opened either (it is not "too much text").
  fs::create_directories(dir_ / "folder.dat");
  EXPECT_EQ(store.lt((dir_ / "folder.dat").string()), kTextsCannotOpen);
  EXPECT_EQ(LoadProgramTexts(store, dir_.string(), "folder.dat"),
            "Cannot open file containing program text.\r\n" + (dir_ / "folder.dat").string());
}

TEST(ProgramTextMessages, CodesWithoutAMessageOfTheirOwn) {
  EXPECT_EQ(ProgramTextLoadMessage(-5, ""), "Error -5");
  EXPECT_EQ(ProgramTextLoadMessage(-9, ""), "Error -9");
  EXPECT_EQ(ProgramTextLoadMessage(-500, ""), "Error -500");
  EXPECT_EQ(ProgramTextLoadMessage(-501, ""), "Missing string at line 1.");
  EXPECT_EQ(ProgramTextLoadMessage(-1001, ""), "String too long at line 1.");
  EXPECT_EQ(ProgramTextLoadMessage(-1537, ""), "Duplicate in program text at line 37.");
  EXPECT_EQ(ProgramTextLoadMessage(-2, ""), "Particular memory allocation error.");
  EXPECT_EQ(ProgramTextLoadMessage(-8, ""), "General memory allocation error.");
}

TEST(FileExtension, LastElementOnly) {
  EXPECT_EQ(FileExtensionOf("C:\\a.b\\c", false), "");
  EXPECT_EQ(FileExtensionOf("C:\\a\\b.TXT", true), ".txt");
  EXPECT_EQ(FileExtensionOf("C:\\a\\b.TXT", false), ".TXT");
  EXPECT_EQ(FileExtensionOf("/x.d/manual.tar.GZ", true), ".gz");
  EXPECT_EQ(FileExtensionOf("https://example.org/guide.html", true), ".html");
  EXPECT_EQ(FileExtensionOf("", true), "");
}

TEST(ProgramTextFile, ShippedFileLoadsAndNamesTheProduct) {
  ProgramTextStore store;
  ASSERT_GT(store.lt(std::string(MIRVO_TEST_DATA_DIR) + "/../../data/mirvo.dat"), 0);
  EXPECT_EQ(ProgramText(store, 1), "Vantrel");
  for (int n : {10, 11, 17, 18, 19, 185, 424}) EXPECT_FALSE(ProgramText(store, n).empty()) << n;
}

}  // namespace
}  // namespace mirvo
