#include "win/menus/CMailHistoryPopupMenu.h"

#include "core/favorites/CFavoriteInfo.h"
#include "resources/resource.h"
#include "win/menus/FavoriteMenuIds.h"

CMailHistoryPopupMenu::CMailHistoryPopupMenu(CFavoriteInfo& store) : CMailPopupMenu(store, ListOnly()) {
  m_showEdit = true;
}

CMailHistoryPopupMenu::~CMailHistoryPopupMenu() = default;

UINT CMailHistoryPopupMenu::AddItems(UINT firstId) {
  m_shown.clear();
  for (std::size_t index = 0; index < GetStore().History.GetCount(); ++index) {
    const CMailItem* mail = GetStore().History.GetItemAt(index);
    m_shown.emplace_back(mail ? new CMailItem(*mail) : nullptr);
  }
  return CMailPopupMenu::AddItems(firstId);
}

bool CMailHistoryPopupMenu::StillShows(std::size_t index) const {
  const CMailItem* now = GetStore().History.GetItemAt(index);
  return index < m_shown.size() && m_shown[index] && now != nullptr && now->IsSameAs(*m_shown[index]);
}

int CMailHistoryPopupMenu::GetListKind() const { return MailHistoryList; }

bool CMailHistoryPopupMenu::GetEditCommand(UINT& commandId, UINT& stringId) const {
  commandId = ClearMailHistoryId;
  stringId = IDS_POPUP_CLEAR_MAIL_HISTORY;
  return GetStore().History.GetCount() > 0;
}
