#include "win/menus/CFolderPopupMenu.h"

#include "core/favorites/FavoriteListKind.h"
#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "resources/resource.h"
#include "win/actions/FavoriteActions.h"
#include "win/menus/FavoriteMenuIds.h"

namespace {

bool HostShowsAFolder() { return Host().GetCurrentFolder && !HostText(Host().GetCurrentFolder()).empty(); }

}  // namespace

CFolderPopupMenu::CFolderPopupMenu(CFavoriteInfo& store) : CFavoriteItemPopupMenu(store) {
  m_showRegister = m_showEdit = m_showDelete = true;
  m_registerAllowed = CanRegisterCurrentFolder() && HostShowsAFolder();
  m_deleteAllowed = CanDeleteCurrentFolder();
}

int CFolderPopupMenu::GetListKind() const { return FavoriteFolderList; }

bool CFolderPopupMenu::GetEditCommand(UINT& commandId, UINT& stringId) const {
  commandId = EditFoldersId;
  stringId = IDS_POPUP_EDIT_FOLDERS;
  return true;
}

bool CFolderPopupMenu::GetRegisterCommand(UINT& commandId, UINT& stringId) const {
  commandId = RegisterCurrentFolderId;
  stringId = IDS_POPUP_REGISTER_FOLDER;
  return true;
}

bool CFolderPopupMenu::GetDeleteCommand(UINT& commandId, UINT& stringId) const {
  commandId = DeleteCurrentFolderId;
  stringId = IDS_POPUP_DELETE_FOLDER;
  return true;
}
