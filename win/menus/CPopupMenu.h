#pragma once
// A popup menu of its own, shown modally; its result is the chosen command id.
#include "win/menus/CMenu.h"

class CPopupMenu : public CMenu {
 public:
  CPopupMenu();

  // Shows the menu at the screen point; the chosen id, 0 when the user dismisses it. The owner gets
  // no command or menu notification.
  virtual int Track(int x, int y, const CWindow& owner);
};
