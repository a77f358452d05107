#include "win/menus/CMailPopupMenu.h"

#include "core/favorites/CFavoriteInfo.h"
#include "core/hostlink/HostFolders.h"
#include "core/menutext/MenuText.h"
#include "resources/resource.h"
#include "win/actions/FavoriteActions.h"
#include "win/menus/FavoriteMenuIds.h"
#include "win/ui/CResourceTool.h"

namespace {

// How the mail menus name a folder (the "MailFolderDispMode" setting).
enum FolderForm { FolderPath = 0, FolderName = 1, FolderNameAndParent = 2 };

// A folder's display path, its own name and the path of its parent, as an item can show them.
struct FolderNames {
  explicit FolderNames(const std::string& folderId) {
    const std::string path = GetHostFolderDisplayName(folderId);
    const std::string own = ShortFolderName(path);
    Path = MenuSafeText(path, CFavoritePopupMenu::MaxTextLength);
    Own = MenuSafeText(own, CFavoritePopupMenu::MaxTextLength);
    Parent = MenuSafeText(path.substr(0, path.size() - own.size()), CFavoritePopupMenu::MaxTextLength);
  }
  std::string Path, Own, Parent;
};

}  // namespace

CMailPopupMenu::CMailPopupMenu(CFavoriteInfo& store)
    : CFavoriteItemPopupMenu(store), m_groupByFolder(store.MailFolder) {
  m_showRegister = m_showEdit = m_showDelete = true;
  m_registerAllowed = CanRegisterCurrentMail();
  m_deleteAllowed = CanDeleteCurrentMail();
}

CMailPopupMenu::CMailPopupMenu(const CFavoritePopupMenu* parent) : CFavoriteItemPopupMenu(parent) {}

CMailPopupMenu::CMailPopupMenu(CFavoriteInfo& store, ListOnly) : CFavoriteItemPopupMenu(store) {}

UINT CMailPopupMenu::AddItems(UINT firstId) {
  m_folderNames.clear();
  const UINT added = m_groupByFolder ? AddGroupedItems(firstId) : CFavoriteItemPopupMenu::AddItems(firstId);
  m_folderNames.clear();
  return added;
}

UINT CMailPopupMenu::AddGroupedItems(UINT firstId) {
  const CFavoriteItemListBase* list = GetStore().GetList(GetListKind());
  if (list == nullptr) return 0;
  auto& allMails = m_subMenus[std::string()];
  allMails.reset(new CMailPopupMenu(this));
  const std::size_t count = list->GetCount();
  for (std::size_t index = 0; index < count; ++index) {
    const CMailItem* mail = dynamic_cast<const CMailItem*>(list->GetAt(index));
    if (mail == nullptr) continue;
    const UINT commandId = firstId + static_cast<UINT>(index);
    const std::string text = ItemText(*mail);
    auto& folderMenu = m_subMenus[mail->FolderId];
    if (!folderMenu) folderMenu.reset(new CMailPopupMenu(this));
    // The number shown is the mail's position in its folder's sub-menu.
    folderMenu->SetAccelCounter(static_cast<UINT>(GetMenuItemCount(folderMenu->GetMenuHandle())) + 1);
    folderMenu->AppendNumberedItem(commandId, text);
    allMails->AppendNumberedItem(commandId, text);
  }
  if (GetMenuItemCount(allMails->GetMenuHandle()) > 0) {
    AppendSubMenu(*allMails, CResourceTool::LoadString(IDS_POPUP_ALL_MAILS));
  }
  // The map keeps its keys in byte order of the folder ids; the empty key is the all-mails menu.
  UINT number = 1;
  for (const auto& folder : m_subMenus) {
    if (folder.first.empty()) continue;
    if (AppendSubMenu(*folder.second, AcceleratorPrefix(number) + FolderTitle(folder.first))) ++number;
  }
  return static_cast<UINT>(count);
}

std::string CMailPopupMenu::FolderTitle(const std::string& folderId) const {
  const FolderNames names(folderId);
  switch (GetStore().MailFolderDispMode) {
    case FolderName:
      return EscapeAmpersands(names.Own);
    case FolderNameAndParent:
      return EscapeAmpersands(names.Own) + '\t' + EscapeAmpersands(names.Parent);
    default:
      return EscapeAmpersands(names.Path);
  }
}

std::string CMailPopupMenu::GetItemSuffix(const CFavoriteItem& item) const {
  const CMailItem* mail = dynamic_cast<const CMailItem*>(&item);
  if (mail == nullptr) return std::string();
  switch (GetStore().MailFolderDispMode) {
    case FolderPath:
      return FolderDisplayName(mail->FolderId);
    case FolderName:
    case FolderNameAndParent:
      return ShortFolderName(FolderDisplayName(mail->FolderId));
    default:
      return std::string();
  }
}

const std::string& CMailPopupMenu::FolderDisplayName(const std::string& folderId) const {
  const auto known = m_folderNames.find(folderId);
  if (known != m_folderNames.end()) return known->second;
  return m_folderNames.emplace(folderId, GetHostFolderDisplayName(folderId)).first->second;
}

int CMailPopupMenu::GetListKind() const { return FavoriteMailList; }

bool CMailPopupMenu::GetEditCommand(UINT& commandId, UINT& stringId) const {
  commandId = EditMailsId;
  stringId = IDS_POPUP_EDIT_MAILS;
  return true;
}

bool CMailPopupMenu::GetRegisterCommand(UINT& commandId, UINT& stringId) const {
  commandId = RegisterCurrentMailId;
  stringId = IDS_POPUP_REGISTER_MAIL;
  return true;
}

bool CMailPopupMenu::GetDeleteCommand(UINT& commandId, UINT& stringId) const {
  commandId = DeleteCurrentMailId;
  stringId = IDS_POPUP_DELETE_MAIL;
  return true;
}
