// The real plug-in loads the favorites store at start-up and saves it when the host exits.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "hostapi/PluginExports.h"
#include "tests/core/FavoritesTestSupport.h"
#include "tests/testhost/FakeHost.h"

namespace {

using favorites_test::ReadStringEverywhere;
using favorites_test::ScratchFolder;

// Loads the plug-in over the data folder, lets the host exit and unloads it again.
void RunPluginUntilExit(const std::string& dataFolder) {
  ResetFakeHost();
  FakeHost().DataFolder = dataFolder;
  HMODULE plugin = LoadLibraryA("RaZudazoved.dll");
  ASSERT_NE(plugin, nullptr);
  auto onExit = reinterpret_cast<TVC_OnExit_t>(reinterpret_cast<void (*)()>(GetProcAddress(plugin, "TVC_OnExit")));
  EXPECT_EQ(onExit(), 0);
  FreeLibrary(plugin);
  ResetFakeHost();
}

TEST(FavoritesLifecycle, ExitSavesWhatStartUpLoaded) {
  ScratchFolder folder;
  CreateDirectoryA((folder.Path() + "Plugins").c_str(), nullptr);
  const std::string path = folder.Path() + "Plugins\\RaZudazoved.ini";
  favorites_test::WriteBytes(path,
                             "[FavoriteFolders]\r\nItem0_FolderID=Main\\Inbox\\\r\nItem0_DisplayName=Inbox\r\n"
                             "Item3_FolderID=beyond a gap\r\n[Mine]\r\nx=1\r\n[Misc]\r\nMailHistoryNum=7\r\n");
  RunPluginUntilExit(folder.Path());
  // Saved from what was loaded: an unloaded store would have dropped the folder and the setting.
  EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolders", "Item0_FolderID"), "Main\\Inbox\\");
  EXPECT_EQ(ReadStringEverywhere(path, "Misc", "MailHistoryNum"), "7");
  EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolders", "Item3_FolderID"), "dflt");
  EXPECT_EQ(ReadStringEverywhere(path, "Mine", "x"), "1");
  EXPECT_EQ(ReadStringEverywhere(path, "Misc", "MailTitleLength"), "60");
  EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolderTrees", "NextID"), "1");
}

}  // namespace
