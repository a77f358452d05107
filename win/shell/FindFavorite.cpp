#include "win/shell/FindFavorite.h"

#include <string>

#include "core/favorites/FavoriteStore.h"
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
  dialog.SetQuery(previousQuery);
  dialog.SetWindowSize(previousSize);
  const INT_PTR result = dialog.DoModal();
  previousQuery = dialog.GetQuery();
  previousSize = dialog.GetWindowSize();
  if (result == IDOK) JumpToEntry(dialog.GetChosenKind(), dialog.GetChosenIndex());
}
