#pragma once
// The favorite folders, with the commands to register or delete the current folder and to edit the list.
#include "win/menus/CFavoriteItemPopupMenu.h"

class CFolderPopupMenu : public CFavoriteItemPopupMenu {
 public:
  explicit CFolderPopupMenu(CFavoriteInfo& store);

  int GetListKind() const override;
  bool GetEditCommand(UINT& commandId, UINT& stringId) const override;
  bool GetRegisterCommand(UINT& commandId, UINT& stringId) const override;
  bool GetDeleteCommand(UINT& commandId, UINT& stringId) const override;
};
