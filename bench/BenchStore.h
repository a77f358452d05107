#pragma once
// A full favorites store for the benchmarks: 300 favorites in each of the five lists, the mails over
// the first folders of TovikSim's benchmark store (WriteLargeStore), every fifth title in Japanese
// (Shift-JIS bytes) when asked.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/favorites/CFavoriteInfo.h"

namespace benchstore {

inline const int ListSize = 300;
inline const int MailFolders = 50;

// The ids of the first folders of TovikSim's benchmark store: ten at the top, then eight under each.
inline std::vector<std::string> BenchFolderIds(int count) {
  std::vector<std::string> ids;
  for (int i = 0; i < count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "F%05d\\", i);
    ids.push_back((i < 10 ? std::string("Bench\\") : ids[(i - 10) / 8]) + name);
  }
  return ids;
}

template <class Item>
void Add(CFavoriteInfo& store, Item* item, int kind) {
  std::unique_ptr<CFavoriteItem> owned(item);
  store.AddItem(owned, kind);
}

inline CMailItem* NewMail(const std::string& folderId, int number, const char* subject) {
  CMailItem* mail = new CMailItem;
  mail->FolderId = folderId;
  mail->MailId = folderId + "?" + std::to_string(number);
  mail->Subject = subject + std::to_string(number);
  mail->From = "\"Alice Walker\" <alice@example.com>";
  return mail;
}

// "Japanese notes" in Shift-JIS.
const char JapaneseWords[] = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x81\x83\x82";

inline void FillStore(CFavoriteInfo& store, bool japanese = false) {
  const std::vector<std::string> folderIds = BenchFolderIds(ListSize);
  store.MailFolder = true;
  store.History.SetMaxCount(ListSize);
  for (int i = 0; i < ListSize; ++i) {
    CFolderItem* folder = new CFolderItem;
    folder->FolderId = folderIds[i];
    folder->DisplayName = (japanese && i % 5 == 0 ? JapaneseWords : "Folder ") + std::to_string(i);
    Add(store, folder, FavoriteFolderList);
    Add(store, NewMail(folderIds[i % MailFolders], i, "Favorite mail about the quarterly numbers "), FavoriteMailList);
    CFolderTreeItem* tree = new CFolderTreeItem(i + 1);
    tree->DisplayName = "Tree state " + std::to_string(i);
    tree->TreeFileName = "RaZudazoved." + std::to_string(i) + ".tree";
    Add(store, tree, FavoriteFolderTreeList);
    Add(store, NewMail(folderIds[i % MailFolders], i, "Opened mail with a subject of some length "), MailHistoryList);
    CWindowStateItem* window = new CWindowStateItem;
    window->DisplayName = "Window " + std::to_string(i);
    window->WindowRect = {i, i, 800 + i, 600 + i};
    Add(store, window, FavoriteWindowStateList);
  }
}

}  // namespace benchstore
