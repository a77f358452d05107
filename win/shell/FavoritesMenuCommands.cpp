#include "win/shell/FavoritesMenuCommands.h"

#include <memory>

#include "core/favorites/FavoriteStore.h"
#include "resources/resource.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/menus/CComprehensivePopupMenu.h"
#include "win/menus/CFolderPopupMenu.h"
#include "win/menus/CFolderTreePopupMenu.h"
#include "win/menus/CMailHistoryPopupMenu.h"
#include "win/menus/CWindowStatePopupMenu.h"
#include "win/menus/FavoriteMenuIds.h"
#include "win/shell/EditFavoriteLists.h"
#include "win/shell/PluginLifecycle.h"
#include "win/shell/ProcessState.h"
#include "win/ui/CResourceTool.h"

namespace {

struct FixedCommand {
  UINT Id;
  void (*Run)();
};

const FixedCommand FixedCommands[] = {
    {RegisterWindowStateId, RegisterWindowState},
    {EditWindowStatesId, [] { EditFavoriteLists(FavoriteWindowStateList); }},
    {ClearMailHistoryId, ClearMailHistory},
    {RegisterFolderTreeStateId, RegisterFolderTreeState},
    {EditFolderTreesId, [] { EditFavoriteLists(FavoriteFolderTreeList); }},
    {DeleteCurrentMailId, DeleteCurrentMail},
    {RegisterCurrentMailId, RegisterCurrentMail},
    {EditMailsId, [] { EditFavoriteLists(FavoriteMailList); }},
    {DeleteCurrentFolderId, DeleteCurrentFolder},
    {RegisterCurrentFolderId, RegisterCurrentFolder},
    {EditFoldersId, [] { EditFavoriteLists(FavoriteFolderList); }},
    {SetupId, RunSetup},
};

bool RunFixedCommand(UINT id) {
  for (const FixedCommand& command : FixedCommands) {
    if (command.Id != id) continue;
    command.Run();
    return true;
  }
  return false;
}

std::unique_ptr<CFavoritePopupMenu> MakeFavoritesMenu(int kind, CFavoriteInfo& store) {
  switch (kind) {
    case FavoriteFolderList:
      return std::unique_ptr<CFavoritePopupMenu>(new CFolderPopupMenu(store));
    case FavoriteMailList:
      return std::unique_ptr<CFavoritePopupMenu>(new CMailPopupMenu(store));
    case FavoriteFolderTreeList:
      return std::unique_ptr<CFavoritePopupMenu>(new CFolderTreePopupMenu(store));
    case MailHistoryList:
      return std::unique_ptr<CFavoritePopupMenu>(new CMailHistoryPopupMenu(store));
    case FavoriteWindowStateList:
      return std::unique_ptr<CFavoritePopupMenu>(new CWindowStatePopupMenu(store));
    case ComprehensiveMenuKind:
      return std::unique_ptr<CFavoritePopupMenu>(new CComprehensivePopupMenu(store));
    default:
      return nullptr;
  }
}

// Shows the menu with the mail history held still: mails the host opens meanwhile are not recorded.
UINT PopupWithHistoryHeld(CFavoritePopupMenu& menu) {
  const int guard = OpenMailGuard.exchange(0);
  const UINT chosen = menu.Popup();
  OpenMailGuard = guard;
  return chosen;
}

// Jumps to the favorite the choice names; a history entry only while it is still the mail the menu
// showed.
void JumpToChoice(int kind, const CFavoritePopupMenu& menu, UINT chosen) {
  const auto* comprehensive = dynamic_cast<const CComprehensivePopupMenu*>(&menu);
  const int listKind = comprehensive ? comprehensive->GetChosenListKind() : kind;
  const std::size_t index = chosen - 1;
  if (listKind == MailHistoryList) {
    const CMailHistoryPopupMenu* history =
        comprehensive ? comprehensive->GetHistoryMenu() : dynamic_cast<const CMailHistoryPopupMenu*>(&menu);
    if (history == nullptr || !history->StillShows(index)) return;
  }
  JumpToEntry(listKind, static_cast<int>(index));
}

}  // namespace

void PopupFavoritesMenu(int kind) {
  CFavoriteInfo& store = GetFavoriteInfo();
  TitleLength = store.MailTitleLength;
  const std::unique_ptr<CFavoritePopupMenu> menu = MakeFavoritesMenu(kind, store);
  if (menu == nullptr || menu->GetMenuHandle() == nullptr) return;
  const bool showsHistory = kind == MailHistoryList || kind == ComprehensiveMenuKind;
  const UINT chosen = showsHistory ? PopupWithHistoryHeld(*menu) : menu->Popup();
  if (chosen != 0 && !RunFixedCommand(chosen)) JumpToChoice(kind, *menu, chosen);
}

void ClearMailHistory() {
  CTovikMainWindow* mainWindow = GetMainWindow();
  if (mainWindow == nullptr ||
      CResourceTool::MessageBox(mainWindow, IDS_ASK_CLEAR_MAIL_HISTORY, AppTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  GetFavoriteInfo().History.Clear();
}
