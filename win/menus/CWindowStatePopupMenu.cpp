#include "win/menus/CWindowStatePopupMenu.h"

#include "core/favorites/FavoriteListKind.h"
#include "resources/resource.h"
#include "win/menus/FavoriteMenuIds.h"

CWindowStatePopupMenu::CWindowStatePopupMenu(CFavoriteInfo& store) : CFavoriteItemPopupMenu(store) {
  m_showRegister = m_showEdit = true;
}

int CWindowStatePopupMenu::GetListKind() const { return FavoriteWindowStateList; }

bool CWindowStatePopupMenu::GetEditCommand(UINT& commandId, UINT& stringId) const {
  commandId = EditWindowStatesId;
  stringId = IDS_POPUP_EDIT_WINDOW_STATES;
  return true;
}

bool CWindowStatePopupMenu::GetRegisterCommand(UINT& commandId, UINT& stringId) const {
  commandId = RegisterWindowStateId;
  stringId = IDS_POPUP_REGISTER_WINDOW_STATE;
  return true;
}
