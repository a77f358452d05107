// The favorites store and its settings file: defaults, the layout of every section, round trips and
// damaged files. Built natively and into the Windows tests (there every value our writer leaves is
// also read back through the system's profile functions).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/favorites/CFavoriteInfo.h"
#include "core/hostlink/PluginPaths.h"
#include "port/FolderCreation.h"
#include "tests/core/FavoritesHost.h"
#include "tests/core/FavoritesTestSupport.h"
#include "tests/core/FullStore.h"

namespace favorites_test {

class FavoriteStore : public ::testing::Test {
 protected:
  void SetUp() override {
    UseDataFolder(folder.Path());
    path = GetSettingsFilePath();
    NextTreeId = 1;
  }
  // A store over the test's settings file, loaded from it when it exists.
  std::unique_ptr<CFavoriteInfo> LoadedStore() {
    auto store = std::make_unique<CFavoriteInfo>();
    store->Path = path;
    if (store->Exists()) store->Load();
    return store;
  }
  void WriteSettings(const std::string& bytes) {
    CreateFolderPath(GetPluginFolder());
    WriteBytes(path, bytes);
  }
  std::string Read(const char* section, const char* key) { return ReadStringEverywhere(path, section, key); }

  ScratchFolder folder;
  std::string path;
};

TEST_F(FavoriteStore, FreshInstallationHasDefaultsAndTheFirstWriteMakesEveryFolder) {
  UseDataFolder(folder.Path() + "Tovik\\Data\\");
  path = GetSettingsFilePath();
  auto store = LoadedStore();
  EXPECT_EQ(store->HotKeys.size(), 7u);
  for (const auto& hotKey : store->HotKeys) EXPECT_EQ(hotKey.second.ToStoredValue(), 0) << "kind " << hotKey.first;
  EXPECT_EQ(store->History.GetMaxCount(), 20u);
  EXPECT_EQ(store->Folders.GetMaxCount(), 300u);
  ASSERT_TRUE(store->SaveMisc());
  const char* defaults[][2] = {{"RestoreTreeID", "0"},       {"SetFocusAfterJump", "1"},     {"MailFolder", "0"},
                               {"MailFolderDispMode", "0"},  {"MailHistoryNum", "20"},       {"MailTitleLength", "60"},
                               {"SaveTreeComplete", "0"},    {"RestoreTreeComplete", "0"},   {"FolderTreeClosedDepth", "-1"},
                               {"FolderHotKey", "0"},        {"WindowStateHotKey", "0"},     {"EditWindowCY", "0"}};
  for (const auto& setting : defaults) EXPECT_EQ(Read("Misc", setting[0]), setting[1]) << setting[0];
}

TEST_F(FavoriteStore, FullRoundTripRebuildsEverythingAndSavesTheSameBytes) {
  auto original = LoadedStore();
  FillFully(*original);
  ASSERT_TRUE(original->Save());
  const std::string firstBytes = ReadBytes(path);
  NextTreeId = 1;
  // Every field of every item and setting is written, so whatever the load missed would show here.
  auto reloaded = LoadedStore();
  EXPECT_EQ(reloaded->History.GetCount(), 300u);
  EXPECT_EQ(NextTreeId, 301);
  ASSERT_TRUE(reloaded->Save());
  EXPECT_TRUE(ReadBytes(path) == firstBytes) << "the second save changed the file";
  EXPECT_EQ(Read("FavoriteFolders", "Item299_FolderID"), "mbox299\\Folder 299\\");
  EXPECT_EQ(Read("WindowState", "Item0_WindowCX"), "0");  // maximized: -1, -1, 0, 0
  EXPECT_EQ(Read("Misc", "FolderHotKey"), std::to_string(32 * 256 + 'F'));
}

TEST_F(FavoriteStore, HistoryIsWrittenOldestFirstAndReadBackNewestFirst) {
  auto store = LoadedStore();
  for (const char* id : {"a", "b", "c", "d", "e"}) {
    auto mail = Mail(id, id);
    ASSERT_EQ(store->AddItem(mail, MailHistoryList), Added);
  }
  ASSERT_TRUE(store->SaveMailHistory());
  EXPECT_EQ(Read("MailHistory", "Item0_MailID"), "a");
  EXPECT_EQ(Read("MailHistory", "Item4_MailID"), "e");
  auto reloaded = LoadedStore();
  std::string order;
  for (std::size_t n = 0; n < reloaded->History.GetCount(); ++n) order += reloaded->History.GetItemAt(n)->MailId;
  EXPECT_EQ(order, "edcba");
}

TEST_F(FavoriteStore, HistoryLongerThanItsSettingWritesItsNewestEntries) {
  const struct {
    std::uint32_t MailHistoryNum;
    std::string Written;  // the mail ids of Item0, Item1, ...
  } cases[] = {{20, "abcde"}, {5, "abcde"}, {4, "bcde"}, {1, "e"}, {0, ""}};
  for (const auto& c : cases) {
    auto store = std::make_unique<CFavoriteInfo>();  // not loaded: the file holds the previous case
    store->Path = path;
    for (const char* id : {"a", "b", "c", "d", "e"}) {
      auto mail = Mail(id, id);
      ASSERT_EQ(store->AddItem(mail, MailHistoryList), Added);
    }
    ASSERT_TRUE(store->SaveMailHistory());
    store->MailHistoryNum = c.MailHistoryNum;  // the history itself still holds all five
    ASSERT_TRUE(store->SaveMailHistory());
    std::string written;
    for (int n = 0; n < 5; ++n) {
      const std::string id = Read("MailHistory", ("Item" + std::to_string(n) + "_MailID").c_str());
      if (id != "dflt") written += id;
    }
    EXPECT_EQ(written, c.Written) << "MailHistoryNum " << c.MailHistoryNum;
  }
}

TEST_F(FavoriteStore, OlderHotKeyNamesAreReadAndReplacedOnSave) {
  WriteSettings("[Misc]\r\nFolderHotKey=0\r\nFolder=8262\r\nComprehensive=1\r\nComprehensiveHotKey=65536\r\n"
                "MailHotKey=321\r\nMail=999\r\nFolderTree=\r\n");
  auto store = LoadedStore();
  EXPECT_EQ(store->HotKeys[FavoriteFolderList].VirtualKey, 70u);  // Ctrl+F
  EXPECT_EQ(store->HotKeys[FavoriteFolderList].ShiftCode, 32u);
  EXPECT_EQ(store->HotKeys[ComprehensiveMenuKind].ToStoredValue(), 1);  // low 16 bits of 65536 are 0
  EXPECT_EQ(store->HotKeys[FavoriteMailList].ToStoredValue(), 321);    // the new key wins when set
  ASSERT_TRUE(store->SaveMisc());
  EXPECT_EQ(Read("Misc", "FolderHotKey"), "8262");
  for (const char* older : {"Folder", "Comprehensive", "Mail", "FolderTree"}) EXPECT_EQ(Read("Misc", older), "dflt");
}

TEST_F(FavoriteStore, FindDialogKeyIsReadAndWrittenBesideTheMenuKeys) {
  WriteSettings("[Misc]\r\nFolderHotKey=8262\r\nFindHotKey=8265\r\n");
  auto store = LoadedStore();
  EXPECT_EQ(store->HotKeys[FindDialogKind].VirtualKey, unsigned('I'));
  EXPECT_EQ(store->HotKeys[FindDialogKind].ShiftCode, 32u);
  store->HotKeys[FindDialogKind] = CHotKey(0x72, 0);
  ASSERT_TRUE(store->SaveMisc());
  EXPECT_EQ(Read("Misc", "FindHotKey"), std::to_string(0x72));
  EXPECT_EQ(Read("Misc", "FolderHotKey"), "8262");
  // A file from before the find dialog has no key for it.
  WriteSettings("[Misc]\r\nFolderHotKey=8262\r\n");
  EXPECT_EQ(LoadedStore()->HotKeys[FindDialogKind].ToStoredValue(), 0);
}

TEST_F(FavoriteStore, FindDialogFoldersAreOnUnlessTheFileTurnsThemOff) {
  WriteSettings("[Misc]\r\nFolderHotKey=8262\r\n");
  auto store = LoadedStore();
  EXPECT_TRUE(store->FindShowsFolders) << "a file from before the folder rows";
  store->FindShowsFolders = false;
  ASSERT_TRUE(store->SaveMisc());
  EXPECT_EQ(Read("Misc", "FindFolders"), "0");
  EXPECT_EQ(Read("Misc", "FolderHotKey"), "8262");
  EXPECT_FALSE(LoadedStore()->FindShowsFolders);
}

TEST_F(FavoriteStore, DuplicateAndGapLoseExactlyTheirItemsAndTheStaleKeysGo) {
  std::string file = "[FavoriteFolders]\r\n";
  for (int n = 0; n < 10; ++n) {
    const std::string id = n == 4 ? "f2" : "f" + std::to_string(n);
    file += "Item" + std::to_string(n) + "_FolderID=" + id + "\r\nItem" + std::to_string(n) + "_DisplayName=F\r\n";
  }
  file += "[WindowState]\r\n";
  for (int n = 0; n < 6; ++n) {
    const std::string item = "Item" + std::to_string(n) + "_";
    file += item + "WindowX=" + std::to_string(n) + "\r\n" + item + "WindowY=1\r\n" + item + "WindowCX=5\r\n" + item + "DisplayName=W\r\n";
    if (n != 3) file += item + "WindowCY=5\r\n";
  }
  WriteSettings(file + "ITEM7_WINDOWX=1\r\nItem07_WindowX=foreign\r\n");
  auto store = LoadedStore();
  EXPECT_EQ(store->Folders.GetCount(), 9u);
  EXPECT_EQ(store->WindowStates.GetCount(), 3u);  // number 3 has no WindowCY: the list ends there
  ASSERT_TRUE(store->Save());
  EXPECT_EQ(Read("FavoriteFolders", "Item8_FolderID"), "f9");
  EXPECT_EQ(Read("FavoriteFolders", "Item9_FolderID"), "dflt");
  EXPECT_EQ(Read("FavoriteFolders", "Item9_DisplayName"), "dflt");
  CIniFile saved(path);
  ASSERT_TRUE(saved.Reload());
  EXPECT_EQ(saved.ReadKeyNames("WindowState").size(), 3u * 5 + 1) << "numbers 3 to 7 gone, Item07 kept";
  EXPECT_EQ(Read("WindowState", "Item07_WindowX"), "foreign");
}

TEST_F(FavoriteStore, SettingsKeepTheirOlderFormsAndOddValues) {
  WriteSettings("[Misc]\r\nEditWindowCX=0\r\nEditWindowX=500\r\nEditWindowY=400\r\nMailHistoryNum=many\r\n"
                "MailTitleLength=99999999999\r\n[FavoriteFolderTrees]\r\nNextID=-4\r\n");
  NextTreeId = 17;
  auto store = LoadedStore();
  EXPECT_TRUE(store->EditWindowRect == (ScreenRect{0, 0, 500, 400}));
  EXPECT_EQ(store->MailHistoryNum, 0u);
  EXPECT_EQ(store->History.GetMaxCount(), 0u);
  EXPECT_EQ(store->MailTitleLength, 4294967295u);
  EXPECT_EQ(NextTreeId, 17);
  ASSERT_TRUE(store->SaveMisc());
  EXPECT_EQ(Read("Misc", "EditWindowX") + " " + Read("Misc", "EditWindowY") + " " + Read("Misc", "EditWindowCX") +
                " " + Read("Misc", "EditWindowCY"),
            "0 0 500 400");
}

// A placement needs both sizes; with one of them missing or 0, X and Y are an older file's size.
TEST_F(FavoriteStore, EditWindowPlacementNeedsBothSizes) {
  const struct {
    const char* Misc;
    std::int32_t Left, Top, Right, Bottom;
  } cases[] = {
      {"EditWindowX=10\r\nEditWindowY=20\r\nEditWindowCX=300\r\nEditWindowCY=200\r\n", 10, 20, 310, 220},
      {"EditWindowX=500\r\nEditWindowY=400\r\nEditWindowCX=300\r\n", 0, 0, 500, 400},
      {"EditWindowX=500\r\nEditWindowY=400\r\nEditWindowCY=200\r\n", 0, 0, 500, 400},
      {"EditWindowX=500\r\nEditWindowY=400\r\nEditWindowCX=0\r\nEditWindowCY=200\r\n", 0, 0, 500, 400},
      {"EditWindowX=500\r\nEditWindowY=400\r\nEditWindowCX=300\r\nEditWindowCY=0\r\n", 0, 0, 500, 400},
      {"", 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    WriteSettings(std::string("[Misc]\r\n") + c.Misc);
    const ScreenRect rect = LoadedStore()->EditWindowRect;
    EXPECT_EQ(std::vector<std::int32_t>({rect.Left, rect.Top, rect.Right, rect.Bottom}),
              std::vector<std::int32_t>({c.Left, c.Top, c.Right, c.Bottom}))
        << c.Misc;
  }
}

TEST_F(FavoriteStore, TreeStatesWithAnyFileNameButAPlainOneAreDropped) {
  const char* names[] = {"RaZudazoved.0.tree", "..\\..\\boot.ini", "sub/x.tree", "C:x.tree", "..",
                         "x.tree\x01",          "",                 "NUL",        "ok.tree"};
  std::string file = "[FavoriteFolderTrees]\r\nNextID=12\r\n";
  int number = 0;
  for (const char* name : names) {
    const std::string item = "Item" + std::to_string(number) + "_";
    file += item + "ID=" + std::to_string(number + 1) + "\r\n" + item + "TreeFileName=" + name + "\r\n" + item +
            "DisplayName=T\r\n" + item + "ForceOpen=" + std::to_string(number % 4 - 1) + "\r\n";
    ++number;
  }
  WriteSettings(file);
  auto store = LoadedStore();
  ASSERT_EQ(store->FolderTrees.GetCount(), 2u);
  EXPECT_EQ(store->FolderTrees.GetItemAt(0)->TreeFileName, "RaZudazoved.0.tree");
  EXPECT_EQ(store->FolderTrees.GetItemAt(0)->ForceOpen, -1);
  EXPECT_EQ(store->FolderTrees.GetItemAt(1)->TreeFileName, "ok.tree");
  EXPECT_EQ(store->FolderTrees.GetItemAt(1)->ForceOpen, -1) << "ForceOpen 2 reads as -1";
  EXPECT_EQ(NextTreeId, 12);
  ASSERT_TRUE(store->SaveFolderTrees());
  EXPECT_EQ(Read("FavoriteFolderTrees", "Item1_TreeFileName"), "ok.tree");
  EXPECT_EQ(Read("FavoriteFolderTrees", "Item1_ForceOpen"), "dflt");
  EXPECT_EQ(Read("FavoriteFolderTrees", "Item2_ID"), "dflt");
}

TEST_F(FavoriteStore, OptionalKeysAreWrittenWhenSetAndDeletedOtherwise) {
  auto store = LoadedStore();
  auto mail = Mail("m1", "s");
  CMailItem& held = static_cast<CMailItem&>(*mail);
  mail->Failure = 1;
  mail->DisplayName = "Name";
  ASSERT_EQ(store->AddItem(mail, FavoriteMailList), Added);
  ASSERT_TRUE(store->SaveMails());
  EXPECT_EQ(Read("FavoriteMails", "Item0_Failure") + Read("FavoriteMails", "Item0_DisplayName"), "1Name");
  held.Failure = 0;
  held.DisplayName.clear();
  held.Date.clear();
  held.Subject.clear();
  ASSERT_TRUE(store->SaveMails());
  for (const char* key : {"Item0_Failure", "Item0_DisplayName", "Item0_Date"}) EXPECT_EQ(Read("FavoriteMails", key), "dflt");
  EXPECT_EQ(Read("FavoriteMails", "Item0_Subject"), "") << "written also when empty";
}

}  // namespace favorites_test
