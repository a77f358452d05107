// The Win32 pass-through of a folder's listing: folders and files told apart, and names the ANSI code
// page cannot hold exactly (no best fit) left out.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "port/FolderListing.h"

namespace {

class FolderListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    folder = std::wstring(temporary) + L"raz-listing-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  }
  void TearDown() override {
    for (const std::wstring& name : made) {
      RemoveDirectoryW((folder + name).c_str());
      DeleteFileW((folder + name).c_str());
    }
    RemoveDirectoryW(folder.c_str());
  }
  void MakeFolder(const std::wstring& name) {
    ASSERT_TRUE(CreateDirectoryW((folder + name).c_str(), nullptr)) << GetLastError();
    made.push_back(name);
  }
  std::string AnsiFolder() const {
    char ansi[MAX_PATH * 2];
    WideCharToMultiByte(CP_ACP, 0, folder.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
  }

  std::wstring folder;
  std::vector<std::wstring> made;
};

TEST_F(FolderListingTest, FoldersAndFilesWithNamesThePageHoldsExactly) {
  ASSERT_EQ(GetACP(), 1252u);
  MakeFolder(L"Inbox");
  MakeFolder(L"\u00e9t\u00e9");    // in code page 1252
  MakeFolder(L"\u9867\u5ba2");     // not in it
  MakeFolder(L"\u0141odz");        // best fit "Lodz" would name another folder
  HANDLE file = CreateFileW((folder + L"Folder.idx").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  made.push_back(L"Folder.idx");
  std::vector<port::FolderEntry> entries = {{"stale", true, true}};
  ASSERT_TRUE(port::ListFolder(AnsiFolder(), entries));
  std::sort(entries.begin(), entries.end(),
            [](const port::FolderEntry& a, const port::FolderEntry& b) { return a.Name < b.Name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "Folder.idx");
  EXPECT_FALSE(entries[0].IsFolder);
  EXPECT_EQ(entries[1].Name, "Inbox");
  EXPECT_TRUE(entries[1].IsFolder);
  EXPECT_EQ(entries[2].Name, "\xe9t\xe9");
  EXPECT_TRUE(entries[2].IsFolder);
  for (const port::FolderEntry& entry : entries) EXPECT_FALSE(entry.IsLink) << entry.Name;
  // Without the separator too; a folder that is not there cannot be read.
  std::string withoutSeparator = AnsiFolder();
  withoutSeparator.pop_back();
  EXPECT_TRUE(port::ListFolder(withoutSeparator, entries));
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_FALSE(port::ListFolder(AnsiFolder() + "missing\\", entries));
  EXPECT_TRUE(entries.empty());
}

}  // namespace
