#include "win/menus/CFolderTreePopupMenu.h"

#include "core/favorites/FavoriteListKind.h"
#include "resources/resource.h"
#include "win/menus/FavoriteMenuIds.h"

CFolderTreePopupMenu::CFolderTreePopupMenu(CFavoriteInfo& store) : CFavoriteItemPopupMenu(store) {
  m_showRegister = m_showEdit = true;
}

int CFolderTreePopupMenu::GetListKind() const { return FavoriteFolderTreeList; }

bool CFolderTreePopupMenu::GetEditCommand(UINT& commandId, UINT& stringId) const {
  commandId = EditFolderTreesId;
  stringId = IDS_POPUP_EDIT_TREE_STATES;
  return true;
}

bool CFolderTreePopupMenu::GetRegisterCommand(UINT& commandId, UINT& stringId) const {
  commandId = RegisterFolderTreeStateId;
  stringId = IDS_POPUP_REGISTER_TREE_STATE;
  return true;
}
