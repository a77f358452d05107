#pragma once
// The favorite window states, with the commands to register the main window's placement and to
// edit the list.
#include "win/menus/CFavoriteItemPopupMenu.h"

class CWindowStatePopupMenu : public CFavoriteItemPopupMenu {
 public:
  explicit CWindowStatePopupMenu(CFavoriteInfo& store);

  int GetListKind() const override;
  bool GetEditCommand(UINT& commandId, UINT& stringId) const override;
  bool GetRegisterCommand(UINT& commandId, UINT& stringId) const override;
};
