#pragma once
// Every favorites list as a sub-menu, and the setup command. Each sub-list takes its ids after those
// of the lists before it; a choice is handed back as the index + 1 in its own list.
#include <memory>

#include "win/menus/CFavoritePopupMenu.h"

class CFavoriteItemPopupMenu;
class CMailHistoryPopupMenu;

class CComprehensivePopupMenu : public CFavoritePopupMenu {
 public:
  explicit CComprehensivePopupMenu(CFavoriteInfo& store);
  ~CComprehensivePopupMenu() override;

  UINT Build(UINT firstId) override;
  // The fixed commands as they are; a favorite as its index + 1 in the list GetChosenListKind names.
  UINT Popup() override;

  int GetChosenListKind() const { return m_chosenListKind; }
  // The history sub-menu once built, or none.
  const CMailHistoryPopupMenu* GetHistoryMenu() const { return m_history.get(); }

 private:
  // Builds the sub-menu with the ids from `firstId` and appends it under the string's title.
  UINT AppendList(CFavoriteItemPopupMenu& list, UINT firstId, UINT titleId);

  std::unique_ptr<CFavoriteItemPopupMenu> m_folders;
  std::unique_ptr<CFavoriteItemPopupMenu> m_mails;
  std::unique_ptr<CFavoriteItemPopupMenu> m_folderTrees;
  std::unique_ptr<CMailHistoryPopupMenu> m_history;
  std::unique_ptr<CFavoriteItemPopupMenu> m_windowStates;
  UINT m_firstMailId = 1;
  UINT m_firstFolderTreeId = 1;
  UINT m_firstHistoryId = 0;
  UINT m_firstWindowStateId = 0;
  int m_chosenListKind = 0;
};
