// The find dialog with the host's folders, over TovikSim's large store (5,000 folders) and a full
// favorites store (300 in each of the five lists), against baselines in the same run:
// - the opening (the folders walked and named, every row made, the dialog shown and painted until it
//   waits for its user) against a bare FindFirstFile walk of the same directories with one
//   TVA_GetFolderDisplayName per folder;
// - the slowest keystroke update (the edit box's new text and the list's repaint) against filling a
//   plain report list view as large as the dialog's with the same rows once, drawn after the last row.
// Each ratio is the median of several rounds.
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
#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolderWalk.h"
#include "core/hostlink/HostFolders.h"
#include "port/Mbcs.h"
#include "resources/resource.h"
#include "sim/CMainFrame.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "uiauto/UiAutomation.h"
#include "win/edit/FavoriteTexts.h"
#include "win/find/CFindFavoriteDlg.h"
#include "win/host/CTovikGlobalData.h"
#include "win/ui/CWindow.h"
#include "win/ui/ModuleInstance.h"

namespace {

using benchlist::FillPlainList;
using benchlist::Row;
using benchlist::TypeInto;

const int Rounds = 7;
const int Folders = 5000;
// What a user types: a folder's name growing letter by letter, words of favorites, back to nothing.
const char* const Keystrokes[] = {"f", "f0", "f00", "f001", "f0012", "bench f0012", "bench", "", "folder 1",
                                  "quarterly", "q", "", "\x93\xfa", "\x93\xfa\x96\x7b", ""};

// The rows the dialog shows with nothing typed: the favorites, then the folders that are none.
std::vector<Row> RowsOf(CFavoriteInfo& store, const std::vector<HostFolder>& folders) {
  std::vector<Row> rows;
  std::vector<std::string> favoriteFolders;
  for (int kind = FavoriteFolderList; kind <= FavoriteWindowStateList; ++kind) {
    const CFavoriteItemListBase* list = store.GetList(kind);
    for (std::size_t index = 0; index < list->GetCount(); ++index) {
      const std::vector<std::string> columns = ListColumnTexts(*list->GetAt(index));
      rows.push_back({list->GetAt(index)->GetDisplayName(), columns.empty() ? "" : columns.front(), kind - 1});
      if (kind == FavoriteFolderList) favoriteFolders.push_back(static_cast<const CFolderItem*>(list->GetAt(index))->FolderId);
    }
  }
  std::sort(favoriteFolders.begin(), favoriteFolders.end());
  for (const HostFolder& folder : folders) {
    if (std::binary_search(favoriteFolders.begin(), favoriteFolders.end(), folder.FolderId)) continue;
    rows.push_back({folder.DisplayName, folder.DisplayName, 5});
  }
  return rows;
}

// The baseline of the opening: every directory below the folder, each one holding a "Folder.idx"
// named by the host.
void BareWalk(const std::string& dataFolder, const std::string& folderId, std::vector<std::string>& names) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dataFolder + folderId + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      if (name != "." && name != "..") BareWalk(dataFolder, folderId + name + "\\", names);
    } else if (lstrcmpiA(name.c_str(), "Folder.idx") == 0 && !folderId.empty()) {
      names.push_back(HostText(Host().GetFolderDisplayName(folderId.c_str())));
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// The owner of the dialog notes when the dialog first waits for its user.
double firstIdle = 0;
LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && firstIdle == 0) firstIdle = NowMs();
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
  const std::string dataFolder = StartBenchHost("raz-find-folders-bench", Folders, 0);
  if (dataFolder.empty()) return 1;
  SetModuleInstance(GetModuleHandleA(nullptr));
  port::SetMultiByteCodePage(932);
  CFavoriteInfo store;
  benchstore::FillStore(store, true);
  TitleLength = store.MailTitleLength;
  const std::vector<HostFolder> folders = ListHostFolders();
  const std::vector<Row> rows = RowsOf(store, folders);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 0);
  for (WORD icon : {IDI_FOLDER, IDI_MAIL, IDI_FOLDER_TREE, IDI_MAIL, IDI_WINDOW_STATE, IDI_HOST_FOLDER}) {
    ImageList_AddIcon(images, LoadModuleIcon(icon, 16));
  }
  WNDCLASSA ownerClass = {};
  ownerClass.lpfnWndProc = OwnerProcedure;
  ownerClass.hInstance = GetModuleHandleA(nullptr);
  ownerClass.lpszClassName = "FindFoldersBenchOwner";
  RegisterClassA(&ownerClass);
  HWND owner = CreateWindowExA(0, ownerClass.lpszClassName, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  CWindow ownerWindow(owner);
  std::vector<double> openRatios, keystrokeRatios, opens, walks, keystrokes, fills;
  std::size_t walked = 0;
  for (int round = 0; round < Rounds; ++round) {
    std::vector<std::string> names;
    double start = NowMs();
    BareWalk(dataFolder, std::string(), names);
    walks.push_back(NowMs() - start);
    walked = names.size();

    CFindFavoriteDlg dialog(&ownerWindow);
    dialog.SetFavorites(store);
    dialog.SetFolderSource([] { return ListHostFolders(); });
    double slowest = 0;
    SIZE listSize = {0, 0};
    uiauto::UserThread user([&] {
      HWND window = uiauto::WaitForDialog("RaZudazoved Find");
      if (window == nullptr) return;
      uiauto::WaitFor([] { return firstIdle != 0; }, 10000);
      RECT list;
      GetWindowRect(GetDlgItem(window, IDC_FOUND_LIST), &list);
      listSize = {list.right - list.left, list.bottom - list.top};
      slowest = TypeInto(window, Keystrokes);
      uiauto::ClickButton(window, IDCANCEL);
    });
    firstIdle = 0;
    start = NowMs();
    dialog.DoModal();
    user.Join();
    opens.push_back(firstIdle - start);
    keystrokes.push_back(slowest);
    fills.push_back(FillPlainList(rows, images, listSize));
    openRatios.push_back(opens.back() / walks.back());
    keystrokeRatios.push_back(keystrokes.back() / fills.back());
  }
  DestroyWindow(owner);
  ImageList_Destroy(images);
  std::printf("find dialog with %zu folders (%zu walked) and %zu rows:\n", folders.size(), walked, rows.size());
  std::printf("  opening %8.2f ms, bare walk %8.2f ms, ratio %.2f (target: 1.5 or less)\n", Median(opens),
              Median(walks), Median(openRatios));
  std::printf("  slowest keystroke %8.2f ms, plain list fill %8.2f ms, ratio %.2f (target: 2 or less)\n",
              Median(keystrokes), Median(fills), Median(keystrokeRatios));
  TheHost().Close();
  DeleteDirectoryTree(dataFolder);
  return 0;
}
