#include "win/shell/FindFavorite.h"

#include <string>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/HostFolderWalk.h"
#include "win/actions/FavoriteActions.h"
#include "win/find/CFindFavoriteDlg.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"

namespace {

// Kept for the next opening in this session only: the settings file stays as older copies know it.
std::string previousQuery;
SIZE previousSize = {0, 0};

}  // namespace

void FindFavorite() {
  CTovikMainWindow* mainWindow = GetMainWindow();
  if (mainWindow == nullptr) return;
  CFavoriteInfo& store = GetFavoriteInfo();
  TitleLength = store.MailTitleLength;
  CFindFavoriteDlg dialog(mainWindow);
  dialog.SetFavorites(store);
  dialog.SetShowFolders(store.FindShowsFolders);
  // Read at every opening: folders come, go and change their names while the host runs.
  dialog.SetFolderSource([] { return ListHostFolders(); });
  dialog.SetFolderRegistrar([](CWindow& owner, const std::string& folderId) { RegisterFolder(folderId, &owner); });
  dialog.SetQuery(previousQuery);
  dialog.SetWindowSize(previousSize);
  const INT_PTR result = dialog.DoModal();
  previousQuery = dialog.GetQuery();
  previousSize = dialog.GetWindowSize();
  if (dialog.GetShowFolders() != store.FindShowsFolders) {
    store.FindShowsFolders = dialog.GetShowFolders();
    store.SaveMisc();
  }
  if (result != IDOK) return;
  if (dialog.GetChosenKind() == CFavoriteFinder::HostFolderKind) {
    JumpToHostFolder(dialog.GetChosenFolderId());
  } else {
    JumpToEntry(dialog.GetChosenKind(), dialog.GetChosenIndex());
  }
}
