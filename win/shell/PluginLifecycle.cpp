#include "win/shell/PluginLifecycle.h"

#include <algorithm>
#include <cstring>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/PluginPaths.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/setup/CSetupDialog.h"
#include "win/shell/ProcessState.h"
#include "win/ui/CResourceTool.h"

namespace {

constexpr char PluginVersion[] = "2.2";

// Copies the text and its terminating zero, and nothing more: the host's block may end right there.
template <std::size_t Size>
void CopyText(char (&field)[Size], const char* text) {
  const std::size_t length = std::min(std::strlen(text), Size - 1);
  std::memcpy(field, text, length);
  field[length] = '\0';
}

}  // namespace

bool StartPlugin() {
  if (!LoadHostFunctions()) return false;
  AppTitle = "RaZudazoved";
  CFavoriteInfo& store = GetFavoriteInfo();
  store.Path = GetSettingsFilePath();
  // Without a file the defaults stay in force until the first write creates it.
  if (store.Exists()) store.Load();
  return true;
}

void StopPlugin() {
  ExitingFlag = 1;
  // The host is closing: no thread of the plug-in may call it from now on.
  CTovikMainWindow* main = GetMainWindow();
  if (CTovikStatusWindow* status = main ? main->GetStatusWindow() : nullptr) status->EndKeeper();
  CFavoriteInfo& store = GetFavoriteInfo();
  store.Save();
  if (store.RestoreTreeID < 0) return;
  if (CFolderTreeItem* state = store.FolderTrees.FindById(store.RestoreTreeID)) RestoreFolderTreeState(*state, 0);
}

void RecordMailHistory(LPCSTR mailId) {
  if (mailId == nullptr || *mailId == '\0') return;
  RecordCurrentMailInHistory();
}

void RunSetup() {
  CTovikMainWindow* mainWindow = GetMainWindow();
  if (mainWindow == nullptr) return;
  CSetupDialog setup(mainWindow, GetFavoriteInfo(), AppTitle, PluginVersion);
  if (setup.Run() == 1) GetFavoriteInfo().SaveMisc();
}

void FillPlugInInfo(TovikPlugInInfo& info) {
  CopyText(info.Name, "RaZudazoved");
  CopyText(info.Vendor, "Dorimune");
  CopyText(info.Version, PluginVersion);
  CopyText(info.Description, "Favorite Item Manager");
}
