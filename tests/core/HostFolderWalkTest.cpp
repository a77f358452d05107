// The host's folders found on disk: directories holding an index, and what the walk leaves out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/hostlink/HostFolderWalk.h"
#include "port/Mbcs.h"
#include "tests/core/FavoritesTestSupport.h"
#include "tests/core/TestHostLink.h"

namespace {

namespace fs = std::filesystem;

std::string dataFolder;
std::map<std::string, std::string> displayNames;

LPCSTR WINAPI FakeGetDataFolder() { return dataFolder.empty() ? nullptr : dataFolder.c_str(); }
LPCSTR WINAPI FakeGetFolderDisplayName(LPCSTR id) {
  auto found = displayNames.find(id);
  return found == displayNames.end() ? "" : found->second.c_str();
}

class HostFolderWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(port::SetMultiByteCodePage(932), 0);
    root = port::NativePath(scratch.Path());
  }
  void TearDown() override {
    port::SetMultiByteCodePage(0);
    SetHostFunctions(HostFunctionTable());
  }
  // A directory below the data folder ("/"-separated), with an index when asked.
  void Folder(const std::string& path, bool index = true) {
    fs::create_directories(root + path);
    if (index) std::ofstream(root + path + "/Folder.idx") << "2.00\x01" "1\r\n";
  }

  favorites_test::ScratchFolder scratch;
  std::string root;
};

TEST_F(HostFolderWalkTest, EveryDirectoryWithAnIndexParentsFirstSiblingsByName) {
  Folder("Work");
  Folder("Main");
  Folder("main2");
  Folder("Main/Inbox");
  Folder("Main/Inbox/zeta");
  Folder("Main/Inbox/Alpha");
  Folder("Plugins", false);                  // no index: no folder, but looked into
  Folder("Plugins/Kept");
  Folder("Work/Drafts/Folder.idx/x", false);  // a directory of that name is no index
  std::ofstream(root + "Folder.idx") << "the data folder is no folder";
  EXPECT_EQ(FindHostFolderIds(scratch.Path()),
            (std::vector<std::string>{"Main\\", "Main\\Inbox\\", "Main\\Inbox\\Alpha\\", "Main\\Inbox\\zeta\\",
                                      "main2\\", "Plugins\\Kept\\", "Work\\"}));
}

TEST_F(HostFolderWalkTest, LinksBadNamesAndDepthLeaveNoRowAndNoHang) {
  Folder("Main");
  ASSERT_EQ(symlink(root.c_str(), (root + "Main/Up").c_str()), 0);          // back up the tree
  ASSERT_EQ(symlink((root + "Main").c_str(), (root + "Linked").c_str()), 0);
  Folder("Main/\x88");             // half a character in code page 932
  Folder("Main/a?b");              // no Windows folder has such a name
  Folder("Main/\x88\x9F");         // a whole character
  std::string deep = "Deep";
  for (int level = 1; level <= MaxHostFolderDepth + 3; ++level) deep += "/d";
  Folder(deep);
  Folder("Deep/d/d", true);
  const std::vector<std::string> found = FindHostFolderIds(scratch.Path());
  EXPECT_EQ(found, (std::vector<std::string>{"Deep\\d\\d\\", "Main\\", "Main\\\x88\x9F\\"}));
  EXPECT_TRUE(FindHostFolderIds(scratch.Path() + "missing\\").empty());
  EXPECT_TRUE(FindHostFolderIds("").empty());
}

TEST_F(HostFolderWalkTest, TheLevelAtTheDepthLimitIsStillFound) {
  std::string path = "L";
  std::string id = "L\\";
  for (int level = 2; level <= MaxHostFolderDepth; ++level) {
    path += "/L";
    id += "L\\";
  }
  Folder(path);
  Folder(path + "/L");  // one level deeper
  EXPECT_EQ(FindHostFolderIds(scratch.Path()), std::vector<std::string>{id});
}

TEST_F(HostFolderWalkTest, TheHostNamesEachFolderAndAFolderWithoutANameShowsItsId) {
  HostFunctionTable table;
  table.GetDataFolder = FakeGetDataFolder;
  table.GetFolderDisplayName = FakeGetFolderDisplayName;
  SetHostFunctions(table);
  Folder("Main");
  Folder("Main/Inbox");
  dataFolder = scratch.Path();
  displayNames = {{"Main\\", "Main"}};
  const std::vector<HostFolder> folders = ListHostFolders();
  ASSERT_EQ(folders.size(), 2u);
  EXPECT_EQ(folders[0].DisplayName, "Main");
  EXPECT_EQ(folders[1].FolderId, "Main\\Inbox\\");
  EXPECT_EQ(folders[1].DisplayName, "Main\\Inbox\\");
  dataFolder.clear();  // the host gives no data folder
  EXPECT_TRUE(ListHostFolders().empty());
}

}  // namespace
