#pragma once
// The favorite mails, each with its folder behind it, or grouped into one sub-menu per folder behind
// a sub-menu of them all; with the commands to register or delete the current mail and to edit the list.
#include <map>
#include <string>

#include "win/menus/CFavoriteItemPopupMenu.h"

class CMailPopupMenu : public CFavoriteItemPopupMenu {
 public:
  explicit CMailPopupMenu(CFavoriteInfo& store);
  // A sub-menu of `parent` that holds mails only.
  explicit CMailPopupMenu(const CFavoritePopupMenu* parent);

  UINT AddItems(UINT firstId) override;
  int GetListKind() const override;
  bool GetEditCommand(UINT& commandId, UINT& stringId) const override;
  bool GetRegisterCommand(UINT& commandId, UINT& stringId) const override;
  bool GetDeleteCommand(UINT& commandId, UINT& stringId) const override;
  std::string GetItemSuffix(const CFavoriteItem& item) const override;

 protected:
  // For menus of other mail lists: no commands, the mails not grouped.
  struct ListOnly {};
  CMailPopupMenu(CFavoriteInfo& store, ListOnly);

 private:
  UINT AddGroupedItems(UINT firstId);
  // The host's display name of the folder, asked once per folder while the items are added.
  const std::string& FolderDisplayName(const std::string& folderId) const;
  // The title of a folder's sub-menu, by the folder display setting.
  std::string FolderTitle(const std::string& folderId) const;

  bool m_groupByFolder = false;
  // Folder display names by folder id: a list holds many mails of few folders.
  mutable std::map<std::string, std::string> m_folderNames;
};
