// The tree state file with the Windows C runtime: CR LF on disk, and names with bytes a text-mode
// reader would take for line ends or the end of the file read back whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/treestate/CFolderTreeState.h"

namespace {

TEST(FolderTreeStateFile, RoundTripsAnyNameBytesWithCrLfOnDisk) {
  char folder[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string path = std::string(folder) + "FolderTreeStateFileTest.tree";
  CFolderTreeState root;
  for (const char* name : {"Main", "\x1A\x1A", "a\rb", "\x81\x7B\x81\x7D\x95\x5C"}) {
    root.push_back(std::make_unique<CFolderTreeState>(name, 1));
    root.back()->push_back(std::make_unique<CFolderTreeState>(name, 0));
  }
  ASSERT_TRUE(root.SaveFile(path));
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  file.close();
  EXPECT_EQ(bytes.substr(0, 12), "{\r\n\t1:Main\r\n");

  CFolderTreeState loaded;
  EXPECT_TRUE(loaded.LoadFile(path));
  EXPECT_EQ(loaded.GetPreviewText(), root.GetPreviewText());
  DeleteFileA(path.c_str());
}

}  // namespace
