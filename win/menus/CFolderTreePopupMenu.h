#pragma once
// The favorite folder-tree states, with the commands to register the tree's state and to edit the list.
#include "win/menus/CFavoriteItemPopupMenu.h"

class CFolderTreePopupMenu : public CFavoriteItemPopupMenu {
 public:
  explicit CFolderTreePopupMenu(CFavoriteInfo& store);

  int GetListKind() const override;
  bool GetEditCommand(UINT& commandId, UINT& stringId) const override;
  bool GetRegisterCommand(UINT& commandId, UINT& stringId) const override;
};
