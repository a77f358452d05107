#pragma once
// A menu handle that items, sub-menus and separators are appended to. The window part stays unbound.
#include <string>

#include "win/ui/CWindow.h"

class CMenu : public CWindow {
 public:
  // An empty top-level menu of its own.
  CMenu();
  // Wraps the caller's handle, which the caller keeps.
  explicit CMenu(HMENU menu);
  ~CMenu() override;

  // Each returns nonzero on success and leaves the menu as it was on failure.
  virtual BOOL AppendItem(UINT commandId, const std::string& text, bool enabled);
  // The sub-menu object stays its creator's; only its handle joins this menu.
  virtual BOOL AppendSubMenu(const CMenu& subMenu, const std::string& text);
  virtual BOOL AppendSeparator();

  HMENU GetMenuHandle() const { return m_menu; }

 protected:
  // Takes a handle the object made itself and will destroy.
  struct Owned {};
  CMenu(HMENU menu, Owned) : m_menu(menu), m_ownsMenu(TRUE) {}

 private:
  BOOL AppendAtEnd(MENUITEMINFOA& item);

  HMENU m_menu;
  BOOL m_ownsMenu;
  // Set once a sub-menu joined: only such a menu has items to detach before it is destroyed.
  BOOL m_hasSubMenus = FALSE;
};
