#include "win/menus/CComprehensivePopupMenu.h"

#include "core/favorites/FavoriteListKind.h"
#include "resources/resource.h"
#include "win/menus/CFolderPopupMenu.h"
#include "win/menus/CFolderTreePopupMenu.h"
#include "win/menus/CMailHistoryPopupMenu.h"
#include "win/menus/CWindowStatePopupMenu.h"
#include "win/menus/FavoriteMenuIds.h"
#include "win/ui/CResourceTool.h"

CComprehensivePopupMenu::CComprehensivePopupMenu(CFavoriteInfo& store) : CFavoritePopupMenu(store) {}

CComprehensivePopupMenu::~CComprehensivePopupMenu() = default;

UINT CComprehensivePopupMenu::Build(UINT firstId) {
  m_folders.reset(new CFolderPopupMenu(GetStore()));
  const UINT folders = AppendList(*m_folders, firstId, IDS_POPUP_FOLDERS);
  m_firstMailId = firstId + folders;
  m_mails.reset(new CMailPopupMenu(GetStore()));
  const UINT mails = AppendList(*m_mails, m_firstMailId, IDS_POPUP_MAILS);
  m_firstFolderTreeId = m_firstMailId + mails;
  m_folderTrees.reset(new CFolderTreePopupMenu(GetStore()));
  const UINT folderTrees = AppendList(*m_folderTrees, m_firstFolderTreeId, IDS_POPUP_TREE_STATES);
  m_firstHistoryId = m_firstFolderTreeId + folderTrees;
  m_history.reset(new CMailHistoryPopupMenu(GetStore()));
  const UINT history = AppendList(*m_history, m_firstHistoryId, IDS_POPUP_MAIL_HISTORY);
  m_firstWindowStateId = m_firstHistoryId + history;
  m_windowStates.reset(new CWindowStatePopupMenu(GetStore()));
  const UINT windowStates = AppendList(*m_windowStates, m_firstWindowStateId, IDS_POPUP_WINDOW_STATES);
  AppendItem(SetupId, CResourceTool::LoadString(IDS_MENU_SETUP), true);
  return folders + mails + folderTrees + history + windowStates;
}

UINT CComprehensivePopupMenu::AppendList(CFavoriteItemPopupMenu& list, UINT firstId, UINT titleId) {
  const UINT used = list.Build(firstId);
  AppendSubMenu(list, CResourceTool::LoadString(titleId));
  return used;
}

UINT CComprehensivePopupMenu::Popup() {
  const UINT chosen = CFavoritePopupMenu::Popup();
  if (chosen == 0 || IsFixedMenuCommand(chosen)) return chosen;
  // From the highest range down: an empty list takes no ids, so its first id is the next list's.
  const struct {
    UINT FirstId;
    int Kind;
  } ranges[] = {{m_firstWindowStateId, FavoriteWindowStateList},
                {m_firstHistoryId, MailHistoryList},
                {m_firstFolderTreeId, FavoriteFolderTreeList},
                {m_firstMailId, FavoriteMailList}};
  for (const auto& range : ranges) {
    if (chosen >= range.FirstId) {
      m_chosenListKind = range.Kind;
      return chosen - range.FirstId + 1;
    }
  }
  m_chosenListKind = FavoriteFolderList;
  return chosen;
}
