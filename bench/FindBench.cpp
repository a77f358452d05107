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
#include "bench/BenchStore.h"
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

const int Rounds = 5;
// What a user types: a word growing letter by letter, a second word, then back to nothing.
const char* const Keystrokes[] = {"f", "fo", "fol", "fold", "folder", "folder 1", "folder 12", "folder 1",
                                  "folder", "q", "qu", "quarterly", "", "\x93\xfa", "\x93\xfa\x96\x7b", ""};

struct Row {
  std::string Title, LeadsTo;
  int Image;
};

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

void AddColumn(HWND list, int index, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

// Milliseconds to fill a report list view, as large as the dialog's, with the rows and paint it.
double FillPlainList(const std::vector<Row>& rows, HIMAGELIST images, SIZE size) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT, 0, 0, size.cx, size.cy,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  AddColumn(list, 0, 220);
  AddColumn(list, 1, 360);
  UpdateWindow(list);
  const double start = NowMs();
  // As a careful fill does it: drawn once, after the last row.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (std::size_t n = 0; n < rows.size(); ++n) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(n);
    item.pszText = const_cast<char*>(rows[n].Title.c_str());
    item.iImage = rows[n].Image;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(rows[n].LeadsTo.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, n, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  const double time = NowMs() - start;
  DestroyWindow(list);
  return time;
}

// Types the keystrokes into the open dialog from this helper thread; the slowest update's milliseconds.
double TypeInto(HWND dialog) {
  HWND edit = GetDlgItem(dialog, IDC_FIND_TEXT), list = GetDlgItem(dialog, IDC_FOUND_LIST);
  double slowest = 0;
  for (const char* text : Keystrokes) {
    const double start = NowMs();
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    UpdateWindow(list);
    slowest = std::max(slowest, NowMs() - start);
  }
  return slowest;
}

}  // namespace

int main() {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  const std::string dataFolder = std::string(temporary) + "raz-find-bench\\";
  DeleteDirectoryTree(dataFolder);
  if (!WriteLargeStore(dataFolder, 1, benchstore::MailFolders, 0) || !TheHost().Create(dataFolder) ||
      !LoadHostFunctions()) {
    std::fprintf(stderr, "the host could not be made in %s\n", dataFolder.c_str());
    return 1;
  }
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
      slowest = TypeInto(window);
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
