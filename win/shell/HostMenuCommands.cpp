#include "win/shell/HostMenuCommands.h"

#include <string>

#include "core/hostlink/CHostLink.h"
#include "resources/resource.h"
#include "win/actions/FavoriteActions.h"
#include "win/shell/FavoritesMenuCommands.h"
#include "win/shell/FindFavorite.h"
#include "win/shell/ProcessState.h"
#include "win/ui/CResourceTool.h"

namespace {

// The host's item that the plug-in's items go in front of.
constexpr UINT AnchorCommand = 32935;
constexpr int MenuBar = 0;

template <void (*Action)()>
int WINAPI RunCommand(HWND, LPARAM) {
  Action();
  return 0;
}

// 1 grays the item.
template <bool (*Predicate)()>
int WINAPI UpdateCommand(HWND, LPARAM) {
  return Predicate() ? 0 : 1;
}

void PopupComprehensiveMenu() { PopupFavoritesMenu(6); }

struct HostCommandEntry {
  HostCommand Command;
  int MenuType;
  UINT DescriptionId;
  UINT ItemTextId;
  TovikCommandCallback Run;
  TovikUpdateCallback Update;  // none: never grayed
};

const HostCommandEntry HostCommands[] = {
    {PopupFavoritesCommand, MenuBar, IDS_COMMAND_POPUP_FAVORITES, IDS_MENU_POPUP_FAVORITES,
     RunCommand<PopupComprehensiveMenu>, nullptr},
    {RegisterSelectedMailsCommand, 1, IDS_COMMAND_REGISTER_SELECTED_MAILS, IDS_MENU_REGISTER,
     RunCommand<RegisterSelectedMails>, UpdateCommand<CanRegisterSelectedMails>},
    {DeleteSelectedMailsCommand, 1, IDS_COMMAND_DELETE_SELECTED_MAILS, IDS_MENU_DELETE,
     RunCommand<DeleteSelectedMails>, UpdateCommand<CanDeleteSelectedMails>},
    {RegisterCurrentFolderCommand, 2, IDS_COMMAND_REGISTER_FOLDER, IDS_MENU_REGISTER,
     RunCommand<RegisterCurrentFolder>, UpdateCommand<CanRegisterCurrentFolder>},
    {DeleteCurrentFolderCommand, 2, IDS_COMMAND_DELETE_FOLDER, IDS_MENU_DELETE, RunCommand<DeleteCurrentFolder>,
     UpdateCommand<CanDeleteCurrentFolder>},
    {RegisterFolderTreeStateCommand, 2, IDS_COMMAND_REGISTER_TREE_STATE, IDS_MENU_REGISTER_TREE_STATE,
     RunCommand<RegisterFolderTreeState>, nullptr},
    {RegisterCurrentMailCommand, 3, IDS_COMMAND_REGISTER_MAIL, IDS_MENU_REGISTER, RunCommand<RegisterCurrentMail>,
     UpdateCommand<CanRegisterCurrentMail>},
    {DeleteCurrentMailCommand, 3, IDS_COMMAND_DELETE_MAIL, IDS_MENU_DELETE, RunCommand<DeleteCurrentMail>,
     UpdateCommand<CanDeleteCurrentMail>},
    {FindFavoriteCommand, MenuBar, IDS_COMMAND_FIND_FAVORITE, IDS_MENU_FIND_FAVORITE, RunCommand<FindFavorite>,
     nullptr},
};

int CommandIdOf(const HostCommandEntry& entry) {
  CommandRegistration& registration = CommandRegistrations[entry.Command];
  if (registration.Pending != 0) {
    const std::string description = CResourceTool::LoadString(entry.DescriptionId);
    registration.CommandId = Host().RegisterCommand(description.c_str(), entry.MenuType, entry.Run);
    registration.Pending = 0;
  }
  return registration.CommandId;
}

// In front of the host's anchor item; without one, in front of the last item.
bool InsertItem(HMENU menu, MENUITEMINFOA& item) {
  if (InsertMenuItemA(menu, AnchorCommand, FALSE, &item)) return true;
  const int count = GetMenuItemCount(menu);
  const UINT position = count > 0 ? static_cast<UINT>(count - 1) : 0;
  return InsertMenuItemA(menu, position, TRUE, &item) != FALSE;
}

}  // namespace

void AddHostMenuCommands(HMENU menu, int menuType) {
  bool separated = false;
  for (const HostCommandEntry& entry : HostCommands) {
    if (entry.MenuType != menuType) continue;
    // The host refused the command: an item of id 0 would stand for the host's own items of that id
    // (separators), and the second description set by id would land on one of them.
    const int commandId = CommandIdOf(entry);
    if (commandId == 0) continue;
    const std::string text = CResourceTool::LoadString(entry.ItemTextId);
    if (menuType == MenuBar) {
      HMENU tools = GetSubMenu(menu, 4);
      // The plug-in's items stand together under a separator: the find command right under the
      // favorites menu's item.
      if (!separated) AppendMenuA(tools, MF_SEPARATOR, 0, nullptr);
      separated = true;
      AppendMenuA(tools, MF_STRING, static_cast<UINT_PTR>(commandId), text.c_str());
      continue;
    }
    std::string itemText = text;
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
    item.fType = MFT_STRING;
    item.fState = MFS_ENABLED;
    item.wID = static_cast<UINT>(commandId);
    item.dwTypeData = &itemText[0];
    if (!InsertItem(menu, item)) return;
    SetMenuItemInfoA(menu, item.wID, FALSE, &item);
    if (entry.Update != nullptr) Host().RegisterUICallback(commandId, entry.Update);
  }
}
