#include "win/menus/CMenu.h"

CMenu::CMenu() : m_menu(CreateMenu()), m_ownsMenu(TRUE) {}

CMenu::CMenu(HMENU menu) : m_menu(menu), m_ownsMenu(FALSE) {}

CMenu::~CMenu() {
  if (!m_ownsMenu || m_menu == nullptr) return;
  // DestroyMenu also destroys every sub-menu; those belong to their own objects, which destroy them.
  // The long lists of favorites hold none, and are not walked.
  if (m_hasSubMenus) {
    for (int position = GetMenuItemCount(m_menu); position-- > 0;) {
      if (GetSubMenu(m_menu, position) != nullptr) RemoveMenu(m_menu, static_cast<UINT>(position), MF_BYPOSITION);
    }
  }
  DestroyMenu(m_menu);
}

BOOL CMenu::AppendItem(UINT commandId, const std::string& text, bool enabled) {
  MENUITEMINFOA item = {};
  item.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
  item.fType = MFT_STRING;
  item.fState = enabled ? 0 : MFS_GRAYED;
  item.wID = commandId;
  item.dwTypeData = const_cast<char*>(text.c_str());
  return AppendAtEnd(item);
}

BOOL CMenu::AppendSubMenu(const CMenu& subMenu, const std::string& text) {
  MENUITEMINFOA item = {};
  item.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_TYPE;
  item.fType = MFT_STRING;
  item.hSubMenu = subMenu.GetMenuHandle();
  item.dwTypeData = const_cast<char*>(text.c_str());
  const BOOL appended = AppendAtEnd(item);
  if (appended) m_hasSubMenus = TRUE;
  return appended;
}

BOOL CMenu::AppendSeparator() {
  MENUITEMINFOA item = {};
  item.fMask = MIIM_TYPE;
  item.fType = MFT_SEPARATOR;
  return AppendAtEnd(item);
}

BOOL CMenu::AppendAtEnd(MENUITEMINFOA& item) {
  if (m_menu == nullptr) return FALSE;
  item.cbSize = sizeof item;
  const int count = GetMenuItemCount(m_menu);
  if (count < 0) return FALSE;
  return InsertMenuItemA(m_menu, static_cast<UINT>(count), TRUE, &item);
}
