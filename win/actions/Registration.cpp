// Registering and deleting the current folder, the current mail and the main window's placement.
#include <memory>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/HostFolders.h"
#include "core/menutext/MenuText.h"
#include "resources/resource.h"
#include "win/actions/ActionSupport.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/HostWindows.h"
#include "win/ui/CResourceTool.h"

namespace {

void Warn(UINT textId, CWindow* owner) {
  if (owner == nullptr) {
    ShowMessage(textId, WarningFlags);
  } else {
    CResourceTool::MessageBox(owner, CResourceTool::LoadString(textId), AppTitle, WarningFlags);
  }
}

// What the user hears of a registration. `saveList` writes the changed section.
void ReportRegistration(int result, bool (CFavoriteInfo::*saveList)(), UINT alreadyRegisteredText,
                        CWindow* owner = nullptr) {
  switch (result) {
    case Added:
      (GetFavoriteInfo().*saveList)();
      break;
    case AlreadyRegistered:
      if (alreadyRegisteredText != 0) Warn(alreadyRegisteredText, owner);
      break;
    case ListFull:
      Warn(IDS_LIST_FULL, owner);
      break;
    default:
      Warn(IDS_CANNOT_REGISTER, owner);
      break;
  }
}

}  // namespace

void RegisterCurrentFolder() {
  std::unique_ptr<CFavoriteItem> item = std::make_unique<CFolderItem>();
  const int result = FillFolderItem(static_cast<CFolderItem&>(*item))
                         ? GetFavoriteInfo().AddItem(item, FavoriteFolderList)
                         : RegisterReadFailed;
  ReportRegistration(result, &CFavoriteInfo::SaveFolders, 0);
}

void RegisterFolder(const std::string& folderId, CWindow* owner) {
  auto folder = std::make_unique<CFolderItem>();
  folder->FolderId = folderId;
  folder->DisplayName = EscapeAmpersands(GetHostFolderDisplayName(folderId));
  std::unique_ptr<CFavoriteItem> item = std::move(folder);
  const int result = folderId.empty() ? RegisterReadFailed : GetFavoriteInfo().AddItem(item, FavoriteFolderList);
  ReportRegistration(result, &CFavoriteInfo::SaveFolders, 0, owner);
}

void RegisterCurrentMail() {
  PokeMailList();
  std::unique_ptr<CFavoriteItem> item = std::make_unique<CMailItem>();
  const int result =
      FillMailItem(static_cast<CMailItem&>(*item)) ? GetFavoriteInfo().AddItem(item, FavoriteMailList) : RegisterReadFailed;
  ReportRegistration(result, &CFavoriteInfo::SaveMails, 0);
}

void RegisterWindowState() {
  auto state = std::make_unique<CWindowStateItem>();
  state->DisplayName = LocalTimeName("Window State");
  const bool filled = FillWindowStateItem(*state);
  std::unique_ptr<CFavoriteItem> item = std::move(state);
  const int result = filled ? GetFavoriteInfo().AddItem(item, FavoriteWindowStateList) : RegisterReadFailed;
  ReportRegistration(result, &CFavoriteInfo::SaveWindowStates, IDS_ALREADY_REGISTERED);
}

void DeleteCurrentFolder() {
  CFolderItem* found = FindCurrentFolderItem();
  if (found == nullptr || ShowMessage(IDS_ASK_DELETE_FOLDER, YesNoFlags) != IDYES) return;
  CFavoriteInfo& store = GetFavoriteInfo();
  store.Folders.Remove(found);
  store.SaveFolders();
}

void DeleteCurrentMail() {
  CMailItem* found = FindCurrentMailItem();
  if (found == nullptr || ShowMessage(IDS_ASK_DELETE_MAIL, YesNoFlags) != IDYES) return;
  CFavoriteInfo& store = GetFavoriteInfo();
  store.Mails.Remove(found);
  store.SaveMails();
}
