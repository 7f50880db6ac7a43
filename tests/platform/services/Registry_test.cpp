#include "platform/services/Registry.h"

#include <gtest/gtest.h>

#include "platform/services/WebLink.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

const std::string kKey = std::string(kRegistryRoot) + kProgramKeyPart;

TEST(RegistryWriteRead, StatusTextsFollowTheKeysLife) {
  MemorySettingsStore store;
  std::string value = "stale";
  EXPECT_EQ(RegistryRead(store, kKey, "cboRefLong", value), "1 Key not found or is empty.");
  EXPECT_EQ(value, "");
  EXPECT_EQ(RegistryRead(store, "", "cboRefLong", value), "1 Key not found or is empty.");

  std::string first = RegistryWrite(store, kKey, "cboRefLong", "2");
  EXPECT_EQ(first.rfind("0 New key created.  ", 0), 0u) << first;
  std::string second = RegistryWrite(store, kKey, "cboRefLong", "0");
  EXPECT_EQ(second.rfind("0 Key already exists.  ", 0), 0u) << second;

  EXPECT_EQ(RegistryRead(store, kKey, "cboRefLong", value), "0 OK");
  EXPECT_EQ(value, "0");
  EXPECT_EQ(RegistryRead(store, kKey, "", value), "2 Name not specified.");
  EXPECT_EQ(RegistryRead(store, kKey, "other", value), "3 Name not found.");
}

TEST(RegistryWriteRead, FailedWriteDoesNotStartWithZero) {
  MemorySettingsStore store;
  store.SetReadOnly(true);
  std::string status = RegistryWrite(store, kKey, "cboRefLong", "1");
  EXPECT_EQ(status.rfind("Unable to create (or find) key. ", 0), 0u) << status;
}

TEST(RegistryWriteRead, TrailingControlCharactersAndEmptyValues) {
  MemorySettingsStore store;
  store.Write(kKey, "withNul", std::string("1\0\r\n", 4));
  store.Write(kKey, "empty", "");
  std::string value;
  EXPECT_EQ(RegistryRead(store, kKey, "withNul", value), "0 OK");
  EXPECT_EQ(value, "1");
  // A stored value of length 0 counts as missing.
  EXPECT_EQ(RegistryRead(store, kKey, "empty", value), "3 Name not found.");
}

TEST(RegistryValues, EmptyValueIsStoredAsOneBlankAndReadsBack) {
  MemorySettingsStore store;
  RecordingMessages messages;
  ASSERT_TRUE(SaveRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", "", true));
  std::string value;
  ASSERT_TRUE(ReadRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", value, true, "x"));
  EXPECT_EQ(value, " ");
  EXPECT_TRUE(messages.shown.empty());
}

TEST(RegistryValues, MissingValueGivesDefaultAndOptionalMessage) {
  MemorySettingsStore store;
  RecordingMessages messages;
  std::string value;
  EXPECT_FALSE(ReadRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", value, false, ""));
  EXPECT_EQ(value, "");
  EXPECT_TRUE(messages.shown.empty());

  EXPECT_FALSE(ReadRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", value, true, "1"));
  EXPECT_EQ(value, "1");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "");
  EXPECT_EQ(messages.shown[0].text,
            "Error restoring from registry:\nstrKey=\\MIRVO\nstrName=cboRefLong\nstrValue=\n"
            "strDefaultValueOnError=1");
}

TEST(RegistryValues, FailedSaveReportsOnlyWhenAsked) {
  MemorySettingsStore store;
  store.SetReadOnly(true);
  RecordingMessages messages;
  EXPECT_FALSE(SaveRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", "2", false));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(SaveRegistryValue(store, messages, kProgramKeyPart, "cboRefLong", "2", true));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Error saving to registry:\nstrKey=\\MIRVO\nstrName=cboRefLong\nstrValue=2");
}

class ScriptedBrowser : public WebBrowser {
 public:
  explicit ScriptedBrowser(int code) : code_(code) {}
  int Open(const std::string& address) override {
    opened = address;
    return code_;
  }
  std::string opened;

 private:
  int code_;
};

TEST(WebLink, FailureTextsByCode) {
  struct Case {
    int code;
    const char* address;
    const char* text;
  };
  const Case cases[] = {
      {42, "https://example.org/", ""},
      {33, "x", ""},
      {32, "x", "Error launching web browser, error code = 32."},
      {31, "/usr/share/vantrel/Manual.HTML",
       "Error launching web browser, error code = 31.\r\n\r\nNo program to open '.html' files was found."},
      {31, "https://example.org/manual.html",
       "Error launching web browser, error code = 31.\r\n\r\nNo program to open web pages was found."},
      {8, "x", "Error launching web browser, error code = 8.\r\n\r\nOut of memory."},
      {2, "x", "Error launching web browser, error code = 2.\r\n\r\nPlease try once more."},
      {0, "x", "Error launching web browser, error code = 0."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WebLinkFailureText(c.code, c.address), c.text) << c.code;
  }
}

TEST(WebLink, OpenShowsWarningOnlyOnFailure) {
  RecordingMessages messages;
  ScriptedBrowser good(42);
  EXPECT_TRUE(OpenWebLink(good, messages, "manual.html"));
  EXPECT_EQ(good.opened, "manual.html");
  EXPECT_TRUE(messages.shown.empty());

  ScriptedBrowser bad(2);
  EXPECT_FALSE(OpenWebLink(bad, messages, "manual.html"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Cannot launch web browser");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::kWarning);
}

}  // namespace
}  // namespace mirvo
