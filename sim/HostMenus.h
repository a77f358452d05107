#pragma once
// The host's menus: the menu bar and the three context menus with the host's own commands, each
// offered to the plug-ins (TVC_OnMenuInit) as it is built.
#include <windows.h>

class CHostFaults;
class CPluginSet;

// The context menus and the menu bar, by the type that TVC_OnMenuInit receives.
enum HostMenuType { MainMenu = 0, MailListMenu = 1, FolderTreeMenu = 2, OpenedMailMenu = 3 };

// The host's own commands.
enum HostCommand : int {
  IdCheckMail = 100,
  IdExit,
  IdSelectAll,
  IdRefresh,
  IdMarkAllRead,
  IdAboutPlugins,
  IdRenumber,
  IdRemoveFolder,
  IdRenameFolder,
  IdAskBeforeSelect,
  IdAbout,
  IdNewFolder,
  IdReply,
  IdForward,
  IdRecreatePanes,
  IdPlugInSetupFirst = 200,  // one per plug-in
  IdHostModeFirst = 300,     // one per host mode, switching it
  // The host's own item that every context menu holds; plug-ins insert before it.
  AnchorCommandId = 32935,
};

HMENU MakeMenuBar(CPluginSet& plugins, HWND frame, const CHostFaults& faults);
// Without `anchor`, the menu lacks the host's item AnchorCommandId.
HMENU MakeContextMenu(CPluginSet& plugins, HWND frame, HostMenuType type, bool anchor);
