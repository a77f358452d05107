#include "win/shell/EditFavoriteLists.h"

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/PluginPaths.h"
#include "port/FileSystem.h"
#include "port/PlainFileName.h"
#include "win/edit/CItemListEditDlg.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/ui/CWaitCursor.h"

namespace {

const FavoriteListKind EditedKinds[] = {FavoriteFolderList, FavoriteMailList, FavoriteFolderTreeList,
                                        FavoriteWindowStateList};

bool SaveList(CFavoriteInfo& store, int kind) {
  switch (kind) {
    case FavoriteFolderList:
      return store.SaveFolders();
    case FavoriteMailList:
      return store.SaveMails();
    case FavoriteFolderTreeList:
      return store.SaveFolderTrees();
    default:
      return store.SaveWindowStates();
  }
}

// Deletes the state files of removed folder trees, but only plain names in the plug-in folder, and
// none that a remaining favorite still names.
void DeleteRemovedTreeFiles(const CFavoriteInfo& store, const CItemListEditDlg& dialog) {
  for (const std::string& name : dialog.GetRemovedTreeFiles()) {
    if (!IsPlainFileName(name) || store.FolderTrees.HasFileName(name)) continue;
    port::RemoveFile(GetPluginFolder() + "\\" + name);
  }
}

void StoreChangedLists(CFavoriteInfo& store, const CItemListEditDlg& dialog) {
  CWaitCursor wait;
  bool treesSaved = false;
  for (FavoriteListKind kind : EditedKinds) {
    if (!dialog.IsChanged(kind)) continue;
    dialog.GetList(kind, *store.GetList(kind));
    const bool saved = SaveList(store, kind);
    if (kind == FavoriteFolderTreeList) treesSaved = saved;
  }
  // While the settings still name a state, its file must stay.
  if (treesSaved) DeleteRemovedTreeFiles(store, dialog);
}

}  // namespace

void EditFavoriteLists(int kind) {
  CTovikMainWindow* mainWindow = GetMainWindow();
  if (mainWindow == nullptr) return;
  CFavoriteInfo& store = GetFavoriteInfo();
  CItemListEditDlg dialog(mainWindow);
  dialog.SetListKind(kind);
  for (FavoriteListKind each : EditedKinds) dialog.SetList(each, *store.GetList(each));
  if (store.EditWindowRect.Width() >= 1 && store.EditWindowRect.Height() >= 1) dialog.SetPlacement(store.EditWindowRect);
  if (dialog.DoModal() == IDOK) StoreChangedLists(store, dialog);
  store.EditWindowRect = dialog.GetPlacement();
  store.SaveMisc();
}
