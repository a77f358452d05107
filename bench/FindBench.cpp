// The find dialog's list update after a keystroke, over a full store (300 favorites in each of the five
// lists, every fifth folder titled in Japanese, code page 932's rules), against filling a plain report
// list view of the same size with the same rows once (its drawing held until the last row), in the same
// run. A keystroke is the edit box's new text (the dialog narrows the list at its change notice) and the
// repaint of the list; the fill is every row inserted with its icon and both texts, then the repaint.
// The fastest of several rounds counts; of the keystrokes, the slowest.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "bench/BenchHost.h"
#include "bench/BenchStore.h"
#include "bench/PlainListFill.h"
#include "port/Mbcs.h"
#include "resources/resource.h"
#include "sim/CMainFrame.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "uiauto/UiAutomation.h"
#include "win/edit/FavoriteTexts.h"
#include "win/find/CFindFavoriteDlg.h"
#include "win/host/CTovikGlobalData.h"
#include "win/ui/ModuleInstance.h"

namespace {

using benchlist::FillPlainList;
using benchlist::Row;
using benchlist::TypeInto;

const int Rounds = 5;
// What a user types: a word growing letter by letter, a second word, then back to nothing.
const char* const Keystrokes[] = {"f", "fo", "fol", "fold", "folder", "folder 1", "folder 12", "folder 1",
                                  "folder", "q", "qu", "quarterly", "", "\x93\xfa", "\x93\xfa\x96\x7b", ""};

std::vector<Row> RowsOf(CFavoriteInfo& store) {
  std::vector<Row> rows;
  for (int kind = FavoriteFolderList; kind <= FavoriteWindowStateList; ++kind) {
    const CFavoriteItemListBase* list = store.GetList(kind);
    for (std::size_t index = 0; index < list->GetCount(); ++index) {
      const std::vector<std::string> columns = ListColumnTexts(*list->GetAt(index));
      rows.push_back({list->GetAt(index)->GetDisplayName(), columns.empty() ? "" : columns.front(), kind - 1});
    }
  }
  return rows;
}

}  // namespace

int main() {
  const std::string dataFolder = StartBenchHost("raz-find-bench", benchstore::MailFolders, 0);
  if (dataFolder.empty()) return 1;
  SetModuleInstance(GetModuleHandleA(nullptr));
  port::SetMultiByteCodePage(932);
  CFavoriteInfo store;
  benchstore::FillStore(store, true);
  TitleLength = store.MailTitleLength;
  const std::vector<Row> rows = RowsOf(store);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 0);
  for (WORD icon : {IDI_FOLDER, IDI_MAIL, IDI_FOLDER_TREE, IDI_MAIL, IDI_WINDOW_STATE}) {
    ImageList_AddIcon(images, LoadModuleIcon(icon, 16));
  }
  std::vector<double> fills, keystrokes;
  for (int round = 0; round < Rounds; ++round) {
    CFindFavoriteDlg dialog(nullptr);
    dialog.SetFavorites(store);
    double slowest = 0;
    SIZE listSize = {0, 0};
    uiauto::UserThread user([&] {
      HWND window = uiauto::WaitForDialog("RaZudazoved Find");
      if (window == nullptr) return;
      RECT list;
      GetWindowRect(GetDlgItem(window, IDC_FOUND_LIST), &list);
      listSize = {list.right - list.left, list.bottom - list.top};
      slowest = TypeInto(window, Keystrokes);
      uiauto::ClickButton(window, IDCANCEL);
    });
    dialog.DoModal();
    user.Join();
    keystrokes.push_back(slowest);
    fills.push_back(FillPlainList(rows, images, listSize));
  }
  ImageList_Destroy(images);
  const double keystroke = *std::min_element(keystrokes.begin(), keystrokes.end());
  const double fill = *std::min_element(fills.begin(), fills.end());
  std::printf("find dialog over %zu favorites: slowest keystroke %7.2f ms, plain list fill %7.2f ms, ratio %.2f "
              "(target: 2 or less)\n",
              rows.size(), keystroke, fill, keystroke / fill);
  TheHost().Close();
  DeleteDirectoryTree(dataFolder);
  return 0;
}
