#pragma once
// A store with every list at its capacity and values as real as they come; the store tests and the
// settings file benchmark both use it.
#include <memory>
#include <string>

#include "core/favorites/CFavoriteInfo.h"

namespace favorites_test {

inline std::unique_ptr<CFavoriteItem> Folder(const std::string& id, const std::string& name) {
  auto item = std::make_unique<CFolderItem>();
  item->FolderId = id;
  item->DisplayName = name;
  return item;
}

inline std::unique_ptr<CFavoriteItem> Mail(const std::string& id, const std::string& subject) {
  auto item = std::make_unique<CMailItem>();
  item->MailId = id;
  item->FolderId = "box\\inbox\\";
  item->Subject = subject;
  item->From = "\"Anna Berg\" <anna@example.org>";
  item->Date = "Tue, 05 Dec 2000 10:20:30 +0900";
  item->MessageId = "<" + id + "@example.org>";
  return item;
}

// Every list at its capacity, with values as real as they come, and every setting off its default.
inline void FillFully(CFavoriteInfo& store) {
  for (int n = 0; n < 300; ++n) {
    const std::string number = std::to_string(n);
    auto folder = Folder("mbox" + number + "\\Folder " + number + "\\", "Folder " + number);
    static_cast<CFolderItem&>(*folder).TreeId = n % 7 - 1;
    folder->Failure = n % 2;
    store.AddItem(folder, FavoriteFolderList);
    auto mail = Mail("mbox\\inbox\\?" + number, "Re: the quarterly report, draft " + number);
    if (n % 3 == 0) mail->DisplayName = "Keep " + number;
    if (n % 5 == 0) static_cast<CMailItem&>(*mail).Date.clear();
    store.AddItem(mail, FavoriteMailList);
    auto tree = std::make_unique<CFolderTreeItem>(n + 1);
    tree->DisplayName = "Layout " + number;
    tree->TreeFileName = "RaZudazoved." + number + ".tree";
    tree->ForceOpen = n % 3 - 1;
    std::unique_ptr<CFavoriteItem> treeItem = std::move(tree);
    store.AddItem(treeItem, FavoriteFolderTreeList);
    auto window = std::make_unique<CWindowStateItem>();
    window->DisplayName = "Desk " + number;
    window->WindowRect = n == 0 ? ScreenRect{-1, -1, -1, -1} : ScreenRect{n, n + 1, n + 800, n + 600};
    std::unique_ptr<CFavoriteItem> windowItem = std::move(window);
    store.AddItem(windowItem, FavoriteWindowStateList);
  }
  store.MailHistoryNum = 300;
  store.History.SetMaxCount(300);
  for (int n = 0; n < 300; ++n) {
    auto mail = Mail("mbox\\sent\\?" + std::to_string(n), "Opened mail " + std::to_string(n));
    store.AddItem(mail, MailHistoryList);
  }
  NextTreeId = 301;
  store.HotKeys[FavoriteFolderList] = CHotKey('F', 32);
  store.MailFolder = true;
  store.MailFolderDispMode = 2;
  store.MailTitleLength = 80;
  store.SaveTreeComplete = true;
  store.RestoreTreeComplete = true;
  store.FolderTreeClosedDepth = 3;
  store.RestoreTreeID = 5;
  store.EditWindowRect = ScreenRect{10, 20, 610, 420};
  store.SetFocusAfterJump = false;
}

}  // namespace favorites_test
