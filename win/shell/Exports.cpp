// The six entry points the host calls, exported by name with fixed ordinals (RaZudazoved.def).
#include "core/favorites/FavoriteStore.h"
#include "hostapi/PluginExports.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/shell/FavoritesMenuCommands.h"
#include "win/shell/FindFavorite.h"
#include "win/shell/HostMenuCommands.h"
#include "win/shell/PluginLifecycle.h"
#include "win/shell/ProcessState.h"

extern "C" int WINAPI TVC_OnExit(void) {
  StopPlugin();
  return 0;
}

extern "C" int WINAPI TVC_OnMenuInit(HWND, HMENU menu, int menuType) {
  AddHostMenuCommands(menu, menuType);
  return 0;
}

extern "C" int WINAPI TVC_OnOpenMail(LPCSTR mailId) {
  // The plug-in's own mail selections make the host call back in here; they are not recorded twice.
  if (OpenMailGuard == 0) return 0;
  OpenMailGuard = 0;
  RecordMailHistory(mailId);
  OpenMailGuard = 1;
  return 0;
}

namespace {

// The kind of the favorites menu or find dialog bound to the key, 0 for none; of two on one key the
// higher kind wins.
int FindHotKeyKind(int keyCode, int shiftCode) {
  int kind = 0;
  for (const auto& entry : GetFavoriteInfo().HotKeys) {
    const CHotKey& hotKey = entry.second;
    if (static_cast<int>(hotKey.VirtualKey) == keyCode && static_cast<int>(hotKey.ShiftCode) == shiftCode) {
      kind = entry.first;
    }
  }
  return kind;
}

}  // namespace

extern "C" int WINAPI TVC_OnKeyDispatch(HWND, int keyCode, int shiftCode) {
  if (keyCode == 0) return 0;
  // Keys typed into a dialog, the plug-in's or the host's, are the dialog's.
  CTovikMainWindow* main = GetMainWindow();
  if (main == nullptr || GetActiveWindow() != main->GetHandle()) return 0;
  const int kind = FindHotKeyKind(keyCode, shiftCode);
  if (kind == 0) return 0;
  if (kind == FindDialogKind) {
    FindFavorite();
  } else {
    PopupFavoritesMenu(kind);
  }
  return 1;
}

extern "C" int WINAPI TVC_OnPlugInSetup(HWND) {
  RunSetup();
  return 1;
}

extern "C" int WINAPI TVC_OnPlugInInfo(TovikPlugInInfo* info) {
  if (info != nullptr) FillPlugInInfo(*info);
  return 0;
}
