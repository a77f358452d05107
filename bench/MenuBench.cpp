// Building the comprehensive favorites menu over a full store (300 favorites in each of the five
// lists, the favorite mails grouped over 50 folders whose names the host made in this program gives)
// against a bare menu of the same shape: the same number of AppendMenuA items and sub-menus, with
// texts made beforehand. Both are built and destroyed in each round, in turns that swap which goes
// first; after a few rounds of warming up, the median of each counts (the machine may be shared).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "bench/BenchHost.h"
#include "bench/BenchStore.h"
#include "core/favorites/CFavoriteInfo.h"
#include "sim/CMainFrame.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "win/host/CTovikGlobalData.h"
#include "win/menus/CComprehensivePopupMenu.h"

namespace {

using benchstore::ListSize;
using benchstore::MailFolders;

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

// Items and sub-menus of a menu tree, counted alike for both menus before they are timed.
struct MenuShape {
  int Items = 0;
  int SubMenus = 0;
};

void CountShape(HMENU menu, MenuShape& shape) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    ++shape.Items;
    if (HMENU sub = GetSubMenu(menu, position)) {
      ++shape.SubMenus;
      CountShape(sub, shape);
    }
  }
}

HMENU BareItems(const std::vector<std::string>& texts, UINT& id) {
  HMENU menu = CreatePopupMenu();
  for (const std::string& text : texts) AppendMenuA(menu, MF_STRING, id++, text.c_str());
  return menu;
}

HMENU BuildBare(const BareShape& shape) {
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
  return top;
}

// Times both menus after checking that they have the same shape; the exit code of the program.
int Compare(CFavoriteInfo& store) {
  const BareShape shape = MakeBareShape();
  MenuShape menuShape, bareShape;
  {
    CComprehensivePopupMenu menu(store);
    menu.Build(1);
    CountShape(menu.GetMenuHandle(), menuShape);
    HMENU bare = BuildBare(shape);
    CountShape(bare, bareShape);
    DestroyMenu(bare);
  }
  std::printf("items (sub-menus): comprehensive %d (%d), bare %d (%d)\n", menuShape.Items, menuShape.SubMenus,
              bareShape.Items, bareShape.SubMenus);
  if (menuShape.Items != bareShape.Items || menuShape.SubMenus != bareShape.SubMenus) {
    std::fprintf(stderr, "the two menus differ in shape: the comparison would not be fair\n");
    return 1;
  }
  const int warmUp = 3, rounds = 31;
  std::vector<double> menuTimes, bareTimes;
  for (int round = 0; round < warmUp + rounds; ++round) {
    double menuTime = 0, bareTime = 0;
    for (int turn = 0; turn < 2; ++turn) {
      const double start = NowMs();
      if ((turn == 0) == (round % 2 == 0)) {
        CComprehensivePopupMenu menu(store);
        menu.Build(1);
        menuTime = NowMs() - start;
      } else {
        DestroyMenu(BuildBare(shape));
        bareTime = NowMs() - start;
      }
    }
    if (round < warmUp) continue;
    menuTimes.push_back(menuTime);
    bareTimes.push_back(bareTime);
  }
  const double menu = Median(menuTimes);
  const double bare = Median(bareTimes);
  std::printf("comprehensive menu over %d favorites: %7.2f ms, bare AppendMenuA menu: %7.2f ms, ratio %.2f "
              "(medians of %d rounds)\n", 5 * ListSize, menu, bare, menu / bare, rounds);
  // The fastest rounds, for a loaded machine, where the medians carry the other programs' share.
  const double fastestMenu = *std::min_element(menuTimes.begin(), menuTimes.end());
  const double fastestBare = *std::min_element(bareTimes.begin(), bareTimes.end());
  std::printf("fastest rounds: comprehensive %7.2f ms, bare %7.2f ms, ratio %.2f\n", fastestMenu, fastestBare,
              fastestMenu / fastestBare);
  return 0;
}

}  // namespace

int main() {
  const std::string dataFolder = StartBenchHost("raz-menu-bench", MailFolders, 0);
  if (dataFolder.empty()) return 1;
  CFavoriteInfo store;
  benchstore::FillStore(store);
  TitleLength = store.MailTitleLength;
  const int result = Compare(store);
  TheHost().Close();
  DeleteDirectoryTree(dataFolder);
  return result;
}
