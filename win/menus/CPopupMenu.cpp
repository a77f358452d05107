#include "win/menus/CPopupMenu.h"

CPopupMenu::CPopupMenu() : CMenu(CreatePopupMenu(), Owned()) {}

int CPopupMenu::Track(int x, int y, const CWindow& owner) {
  if (GetMenuHandle() == nullptr) return 0;
  return TrackPopupMenu(GetMenuHandle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                        x, y, 0, owner.GetHandle(), nullptr);
}
