// The favorites lists and the store's add rules: capacity, duplicates, strangers, the mail history.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/favorites/CFavoriteInfo.h"
#include "core/hostlink/PluginPaths.h"
#include "port/FolderCreation.h"
#include "tests/core/FavoritesHost.h"
#include "tests/core/FavoritesTestSupport.h"

namespace {

std::unique_ptr<CFavoriteItem> Folder(const std::string& id, const std::string& name = "F") {
  auto item = std::make_unique<CFolderItem>();
  item->FolderId = id;
  item->DisplayName = name;
  return item;
}

std::unique_ptr<CFavoriteItem> Mail(const std::string& id, const std::string& name = "") {
  auto item = std::make_unique<CMailItem>();
  item->MailId = id;
  item->FolderId = "f";
  item->DisplayName = name;
  return item;
}

// The history's mail ids, newest first, with each entry's display name when it has one.
std::string HistoryOf(const CFavoriteInfo& store) {
  std::string text;
  for (std::size_t n = 0; n < store.History.GetCount(); ++n) {
    const CMailItem* mail = store.History.GetItemAt(n);
    text += mail->MailId + (mail->DisplayName.empty() ? "" : "(" + mail->DisplayName + ")") + " ";
  }
  return text;
}

TEST(FavoriteLists, AddResultsForFullDuplicateStrangerAndInvalid) {
  CFavoriteInfo store;
  for (int n = 0; n < 300; ++n) {
    auto folder = Folder("f" + std::to_string(n));
    ASSERT_EQ(store.AddItem(folder, FavoriteFolderList), Added);
    EXPECT_FALSE(folder) << "the list took the item";
  }
  auto more = Folder("f300");
  EXPECT_EQ(store.AddItem(more, FavoriteFolderList), ListFull);
  EXPECT_EQ(store.Folders.GetCount(), 300u);
  store.Folders.RemoveNode(299);
  auto again = Folder("f0", "another name");
  EXPECT_EQ(store.AddItem(again, FavoriteFolderList), AlreadyRegistered);
  EXPECT_TRUE(again) << "the caller still owns a refused item";
  auto mail = Mail("m");
  EXPECT_EQ(store.AddItem(mail, FavoriteFolderList), Rejected);
  auto nameless = Folder("x", "");
  EXPECT_EQ(store.AddItem(nameless, FavoriteFolderList), Rejected);
  for (const int kind : {0, 6, -1}) {
    auto folder = Folder("k");
    EXPECT_EQ(store.AddItem(folder, kind), Rejected) << kind;
  }
  EXPECT_EQ(store.GetList(6), nullptr);
}

TEST(FavoriteLists, HistoryKeepsNewestFirstWithoutDuplicates) {
  CFavoriteInfo store;
  store.MailHistoryNum = 3;
  store.History.SetMaxCount(3);
  for (const char* id : {"C", "B", "A"}) {
    auto mail = Mail(id, std::string("name ") + id);
    ASSERT_EQ(store.AddItem(mail, MailHistoryList), Added);
  }
  auto d = Mail("D");
  EXPECT_EQ(store.AddItem(d, MailHistoryList), Added);
  EXPECT_EQ(HistoryOf(store), "D A(name A) B(name B) ");
  auto b = Mail("B");
  EXPECT_EQ(store.AddItem(b, MailHistoryList), Added);
  EXPECT_TRUE(b) << "the held entry moved; the new item was not taken";
  EXPECT_EQ(HistoryOf(store), "B(name B) D A(name A) ");
  auto folder = Folder("F");
  EXPECT_EQ(store.AddItem(folder, MailHistoryList), Rejected);
  EXPECT_EQ(HistoryOf(store), "B(name B) D A(name A) ") << "a stranger costs no entry";
  store.History.SetMaxCount(1);
  EXPECT_EQ(HistoryOf(store), "B(name B) ");
  store.History.SetMaxCount(0);
  auto e = Mail("E");
  EXPECT_EQ(store.AddItem(e, MailHistoryList), ListFull);
  EXPECT_EQ(store.History.GetCount(), 0u);
}

TEST(FavoriteLists, HistoryNeverHoldsMoreThanTheListsCapacity) {
  // Every add searches the whole history: a hand-edited "MailHistoryNum" must not make it unbounded.
  favorites_test::ScratchFolder folder;
  std::string file = "[Misc]\r\nMailHistoryNum=4294967295\r\n[MailHistory]\r\n";
  for (int n = 0; n < 400; ++n) {
    file += "Item" + std::to_string(n) + "_MailID=m" + std::to_string(n) + "\r\nItem" + std::to_string(n) +
            "_FolderID=f\r\n";
  }
  favorites_test::WriteBytes(folder.Path() + "RaZudazoved.ini", file);
  CFavoriteInfo store;
  store.Path = folder.Path() + "RaZudazoved.ini";
  store.Load();
  EXPECT_EQ(store.MailHistoryNum, 4294967295u) << "the setting itself stays as it was";
  EXPECT_EQ(store.History.GetMaxCount(), 300u);
  ASSERT_EQ(store.History.GetCount(), 300u);
  EXPECT_EQ(store.History.GetItemAt(0)->MailId, "m399") << "the newest entries stay";
  store.History.SetMaxCount(1000);
  EXPECT_EQ(store.History.GetMaxCount(), 300u);
}

TEST(FavoriteLists, AnItemChangedIntoAnotherOnesSameTakesItsPlaceAlone) {
  // A mail found again under a new number becomes the same as another entry of the history.
  CFavoriteInfo store;
  for (const char* id : {"a?1", "a?2", "a?3", "a?2"}) {
    std::unique_ptr<CFavoriteItem> mail = Mail(id);
    store.AddItem(mail, MailHistoryList);
  }
  ASSERT_EQ(HistoryOf(store), "a?2 a?3 a?1 ");
  CMailItem& found = *store.History.GetItemAt(2);
  found.MailId = "a?2";
  found.DisplayName = "kept";
  EXPECT_EQ(store.History.RemoveOthersSameAs(found), 1u);
  EXPECT_EQ(HistoryOf(store), "a?3 a?2(kept) ");
  EXPECT_EQ(store.History.RemoveOthersSameAs(found), 0u) << "nothing the same is left";
  CMailItem stranger;
  stranger.MailId = "a?3";
  stranger.FolderId = "f";
  EXPECT_EQ(store.History.RemoveOthersSameAs(stranger), 1u) << "an item of no list removes every one the same";
  EXPECT_EQ(HistoryOf(store), "a?2(kept) ");
}

TEST(FavoriteLists, RemoveSwapClearAndCopy) {
  CFavoriteItemList<CFolderItem> list;
  for (const char* id : {"a", "b", "c"}) {
    auto folder = Folder(id);
    ASSERT_EQ(list.AddBack(folder), Added);
  }
  auto front = Folder("z");
  ASSERT_EQ(list.AddFront(front), Added);
  list.Swap(0, 3);
  list.Swap(0, 9);  // outside: nothing happens
  list.Remove(list.GetAt(1));
  CFavoriteItemList<CFolderItem> copy;
  list.CopyTo(copy);
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0u);
  std::string ids;
  for (std::size_t n = 0; n < copy.GetCount(); ++n) ids += copy.GetItemAt(n)->FolderId;
  EXPECT_EQ(ids, "cbz");
}

TEST(FolderTreeList, FindsByIdAndMakesFileNamesNoStateOrFileUses) {
  favorites_test::ScratchFolder folder;
  favorites_test::UseDataFolder(folder.Path());
  ASSERT_TRUE(CreateFolderPath(GetPluginFolder()));
  const std::string base = GetModuleBaseName();
  favorites_test::WriteBytes(GetPluginFolder() + "\\" + base + ".0.tree", "{\r\n}\r\n");
  CreateFolderPath(GetPluginFolder() + "\\" + base + ".3.tree");  // a folder does not count as a file
  CFolderTreeItemList list;
  const struct {
    int Id, FileNumber;
  } trees[] = {{4, 1}, {9, 2}, {4, 5}};
  for (const auto& t : trees) {
    auto tree = std::make_unique<CFolderTreeItem>(t.Id);
    tree->DisplayName = "T";
    tree->TreeFileName = base + "." + std::to_string(t.FileNumber) + ".tree";
    std::unique_ptr<CFavoriteItem> item = std::move(tree);
    ASSERT_EQ(list.AddBack(item), Added);
  }
  EXPECT_EQ(list.FindById(4), list.GetAt(0));
  EXPECT_EQ(list.FindById(5), nullptr);
  EXPECT_TRUE(list.HasFileName(base + ".2.tree"));
  EXPECT_EQ(list.MakeNewFileName(), base + ".3.tree");
  EXPECT_FALSE(port::RemoveFile(GetPluginFolder() + "\\" + base + ".3.tree")) << "a folder is not deleted";
  ASSERT_TRUE(port::RemoveFile(GetPluginFolder() + "\\" + base + ".0.tree"));
  EXPECT_EQ(list.MakeNewFileName(), base + ".0.tree");
}

TEST(FolderTreeItem, SavesAndReadsItsStateInThePluginFolderOnly) {
  favorites_test::ScratchFolder folder;
  favorites_test::UseDataFolder(folder.Path());
  ASSERT_TRUE(CreateFolderPath(GetPluginFolder()));
  CFolderTreeItem tree(1);
  tree.TreeFileName = "RaZudazoved.0.tree";
  tree.TreeState.push_back(std::make_unique<CFolderTreeState>("Main", 1));
  ASSERT_TRUE(tree.SaveTreeState());
  EXPECT_EQ(tree.GetTreeFilePath(), GetPluginFolder() + "\\RaZudazoved.0.tree");
  CFolderTreeItem reread(1);
  reread.TreeFileName = tree.TreeFileName;
  EXPECT_EQ(reread.GetTreeState().GetPreviewText(), "[O] Main\r\n");

  CFolderTreeItem escaping(2);
  escaping.TreeFileName = "..\\escaped.tree";
  escaping.TreeState.push_back(std::make_unique<CFolderTreeState>("Main", 1));
  EXPECT_FALSE(escaping.SaveTreeState());
  EXPECT_FALSE(port::PathExists(folder.Path() + "escaped.tree"));

  // The plug-in folder also holds the settings and the host's other plug-ins: a state file name
  // taken from a hand-edited settings file never names one of those.
  for (const char* name : {"RaZudazoved.ini", "Other.dll", "RaZudazoved.0.tree.ini"}) {
    const std::string path = GetPluginFolder() + "\\" + name;
    favorites_test::WriteBytes(path, "kept");
    CFolderTreeItem foreign(3);
    foreign.DisplayName = "Foreign";
    foreign.TreeFileName = name;
    foreign.TreeState.push_back(std::make_unique<CFolderTreeState>("Main", 1));
    EXPECT_FALSE(foreign.IsValid()) << name;
    EXPECT_FALSE(foreign.SaveTreeState()) << name;
    EXPECT_EQ(favorites_test::ReadBytes(path), "kept") << name;
  }
  CFolderTreeItem upperCase(4);
  upperCase.DisplayName = "Upper";
  upperCase.TreeFileName = "RaZudazoved.1.TREE";
  EXPECT_TRUE(upperCase.IsValid());
}

}  // namespace
