// Building the comprehensive favorites menu over a full store (300 favorites in each of the five
// lists, the favorite mails grouped over 50 folders whose names the host made in this program gives)
// against a bare menu of the same shape: the same number of AppendMenuA items and sub-menus, with
// texts made beforehand. Both are built and destroyed; the fastest of several rounds counts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "core/favorites/CFavoriteInfo.h"
#include "sim/CMainFrame.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "win/host/CTovikGlobalData.h"
#include "win/menus/CComprehensivePopupMenu.h"

namespace {

const int ListSize = 300;
const int MailFolders = 50;

// The ids of the first folders of TovikSim's benchmark store: ten at the top, then eight under each.
std::vector<std::string> BenchFolderIds(int count) {
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

CMailItem* NewMail(const std::string& folderId, int number, const char* subject) {
  CMailItem* mail = new CMailItem;
  mail->FolderId = folderId;
  mail->MailId = folderId + "?" + std::to_string(number);
  mail->Subject = subject + std::to_string(number);
  mail->From = "\"Alice Walker\" <alice@example.com>";
  return mail;
}

void FillStore(CFavoriteInfo& store) {
  const std::vector<std::string> folderIds = BenchFolderIds(ListSize);
  store.MailFolder = true;
  store.History.SetMaxCount(ListSize);
  for (int i = 0; i < ListSize; ++i) {
    CFolderItem* folder = new CFolderItem;
    folder->FolderId = folderIds[i];
    folder->DisplayName = "Folder " + std::to_string(i);
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

// The bare menu's texts, as long as the favorites menu's: per list its items, and for the mails the
// items of the all-mails sub-menu and of each folder's sub-menu.
struct BareShape {
  std::vector<std::string> Lists[5];
  std::vector<std::string> MailFolderItems[MailFolders];
};

BareShape MakeBareShape() {
  BareShape shape;
  const std::string title = "&1 Favorite mail about the quarterly numbers 100 (Alice Walker)";
  for (int i = 0; i < ListSize; ++i) {
    shape.Lists[0].push_back("&1 Folder " + std::to_string(i));
    shape.Lists[1].push_back(title);
    shape.MailFolderItems[i % MailFolders].push_back(title);
    shape.Lists[2].push_back("&1 Tree state " + std::to_string(i));
    shape.Lists[3].push_back(title + "\t[Bench] F00001");
    shape.Lists[4].push_back("&1 Window " + std::to_string(i));
  }
  return shape;
}

HMENU BareItems(const std::vector<std::string>& texts, UINT& id) {
  HMENU menu = CreatePopupMenu();
  for (const std::string& text : texts) AppendMenuA(menu, MF_STRING, id++, text.c_str());
  return menu;
}

void BuildBare(const BareShape& shape) {
  static const int commands[5] = {3, 3, 2, 1, 2};  // register, delete, edit as each list has them
  HMENU top = CreatePopupMenu();
  UINT id = 1;
  for (int list = 0; list < 5; ++list) {
    HMENU menu = list == 1 ? CreatePopupMenu() : BareItems(shape.Lists[list], id);
    if (list == 1) {
      const UINT firstMail = id;
      AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BareItems(shape.Lists[1], id)), "&All favorite mails");
      for (const std::vector<std::string>& items : shape.MailFolderItems) {
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BareItems(items, id)), "&0 [Bench] F00001");
      }
      id = firstMail + ListSize;
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (int command = 0; command < commands[list]; ++command) {
      AppendMenuA(menu, MF_STRING, 32700 + command, "Register this item as favorite item(& )");
    }
    AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "Favorite &Folders");
  }
  AppendMenuA(top, MF_STRING, 32767, "&Setup...");
  DestroyMenu(top);
}

}  // namespace

int main() {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  const std::string dataFolder = std::string(temporary) + "raz-menu-bench\\";
  DeleteDirectoryTree(dataFolder);
  if (!WriteLargeStore(dataFolder, 1, MailFolders, 0) || !TheHost().Create(dataFolder) || !LoadHostFunctions()) {
    std::fprintf(stderr, "the host could not be made in %s\n", dataFolder.c_str());
    return 1;
  }
  CFavoriteInfo store;
  FillStore(store);
  TitleLength = store.MailTitleLength;
  const BareShape shape = MakeBareShape();
  std::vector<double> menuTimes, bareTimes;
  for (int round = 0; round < 9; ++round) {
    double start = NowMs();
    {
      CComprehensivePopupMenu menu(store);
      menu.Build(1);
    }
    menuTimes.push_back(NowMs() - start);
    start = NowMs();
    BuildBare(shape);
    bareTimes.push_back(NowMs() - start);
  }
  const double menu = *std::min_element(menuTimes.begin(), menuTimes.end());
  const double bare = *std::min_element(bareTimes.begin(), bareTimes.end());
  std::printf("comprehensive menu over %d favorites: %7.2f ms, bare AppendMenuA menu: %7.2f ms, ratio %.2f\n",
              5 * ListSize, menu, bare, menu / bare);
  TheHost().Close();
  DeleteDirectoryTree(dataFolder);
  return 0;
}
