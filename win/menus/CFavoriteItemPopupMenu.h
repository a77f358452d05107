#pragma once
// The menu of one favorites list: its favorites, a separator, then the commands that act on the list
// (register, delete, edit) that the concrete menu shows.
#include <string>

#include "win/menus/CFavoritePopupMenu.h"

class CFavoriteItem;

class CFavoriteItemPopupMenu : public CFavoritePopupMenu {
 public:
  using CFavoritePopupMenu::CFavoritePopupMenu;

  UINT Build(UINT firstId) override;
  // Appends the favorites of the list with the ids from `firstId` up; how many there were.
  virtual UINT AddItems(UINT firstId);
  virtual int GetListKind() const = 0;
  // Each getter fills the command's id and string id (0 leaves the command out) and tells whether
  // it is enabled.
  virtual bool GetEditCommand(UINT& commandId, UINT& stringId) const;
  virtual void AppendEditCommand();
  virtual bool GetRegisterCommand(UINT& commandId, UINT& stringId) const;
  virtual void AppendRegisterCommand();
  virtual bool GetDeleteCommand(UINT& commandId, UINT& stringId) const;
  virtual void AppendDeleteCommand();
  // Shown behind a tab, right-aligned, after the favorite's name.
  virtual std::string GetItemSuffix(const CFavoriteItem& item) const;

 protected:
  // The favorite's name as an item shows it. A mail without a name of its own shows its built title,
  // a stranger's subject: its ampersands are shown, never taken for an accelerator.
  static std::string ItemText(const CFavoriteItem& item);

  bool m_registerAllowed = true;
  bool m_deleteAllowed = true;
  bool m_showRegister = false;
  bool m_showEdit = false;
  bool m_showDelete = false;

 private:
  void AppendCommand(UINT commandId, UINT stringId, bool enabled);
};
