// Folder index paths and short folder names from what the host reports.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/hostlink/HostFolders.h"
#include "port/Mbcs.h"
#include "tests/core/TestHostLink.h"

namespace {

std::string dataFolder;
std::string currentFolder;
std::map<std::string, std::string> displayNames;
int dataFolderCalls = 0;

LPCSTR WINAPI FakeGetDataFolder() {
  ++dataFolderCalls;
  return dataFolder.c_str();
}
LPCSTR WINAPI FakeGetCurrentFolder() { return currentFolder.c_str(); }
LPCSTR WINAPI FakeGetFolderDisplayName(LPCSTR id) {
  auto found = displayNames.find(id);
  return found == displayNames.end() ? nullptr : found->second.c_str();
}

class HostFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HostFunctionTable table;
    table.GetDataFolder = FakeGetDataFolder;
    table.GetCurrentFolder = FakeGetCurrentFolder;
    table.GetFolderDisplayName = FakeGetFolderDisplayName;
    SetHostFunctions(table);
    dataFolder = "C:\\Tovik\\";
    currentFolder.clear();
    displayNames.clear();
    dataFolderCalls = 0;
  }
  void TearDown() override {
    SetHostFunctions(HostFunctionTable());
    port::SetMultiByteCodePage(0);
  }
};

TEST_F(HostFoldersTest, IndexPathIsDataFolderFolderIdAndFolderIdx) {
  EXPECT_EQ(GetFolderIndexPath("Main\\Inbox\\"), "C:\\Tovik\\Main\\Inbox\\Folder.idx");
  dataFolder = "C:\\NoSeparator";  // used exactly as the host gives it
  EXPECT_EQ(GetFolderIndexPath("Main\\"), "C:\\NoSeparatorMain\\Folder.idx");
}

TEST_F(HostFoldersTest, EmptyCurrentFolderGivesAnEmptyPathWithoutAskingFurther) {
  EXPECT_EQ(GetCurrentFolderIndexPath(), "");
  EXPECT_EQ(dataFolderCalls, 0);
  currentFolder = "Main\\Inbox\\";
  EXPECT_EQ(GetCurrentFolderIndexPath(), "C:\\Tovik\\Main\\Inbox\\Folder.idx");
}

TEST_F(HostFoldersTest, ShortNameIsBehindTheLastSlashElseBehindTheFirstBracketBlank) {
  const struct {
    const char* displayName;
    const char* expected;
  } cases[] = {
      {"Inbox/Sub", "Sub"},
      {"A/B/C", "C"},
      {"[Mailbox] Inbox", "Inbox"},
      {"[Mailbox] [x] Inbox", "[x] Inbox"},
      {"[Mailbox] a/b", "b"},
      {"Inbox", "Inbox"},
      {"[Mailbox]Inbox", "[Mailbox]Inbox"},
      {"Trailing/", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    displayNames["id"] = c.displayName;
    EXPECT_EQ(GetShortFolderName("id"), c.expected) << '"' << c.displayName << '"';
  }
  EXPECT_EQ(GetShortFolderName("unknown"), "") << "no display name from the host";
}

TEST_F(HostFoldersTest, BracketAsSecondByteOfADoubleByteCharacterIsNoDelimiter) {
  ASSERT_EQ(port::SetMultiByteCodePage(932), 0);
  // "ゼ" is 0x83 0x5D in Shift-JIS: its second byte is ']'.
  const std::string ze = "\x83\x5D";
  EXPECT_EQ(ShortFolderName(ze + " Inbox"), ze + " Inbox");
  EXPECT_EQ(ShortFolderName("[" + ze + "] Inbox"), "Inbox");
  EXPECT_EQ(ShortFolderName(ze + "/" + ze), ze);
}

}  // namespace
