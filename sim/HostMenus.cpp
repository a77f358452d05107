#include "sim/HostMenus.h"

#include "sim/CHostFaults.h"
#include "sim/CPluginSet.h"
#include "sim/Transcript.h"

namespace {

void AppendPopup(HMENU bar, const char* title, HMENU popup) {
  AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title);
}

void OfferToPlugins(CPluginSet& plugins, HWND frame, HMENU menu, HostMenuType type) {
  static const char* const names[] = {"main menu", "mail list menu", "folder tree menu", "opened mail menu"};
  Say("menu build: TVC_OnMenuInit type %d (%s)", type, names[type]);
  plugins.MenuInit(frame, menu, type);
}

}  // namespace

HMENU MakeMenuBar(CPluginSet& plugins, HWND frame, const CHostFaults& faults) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu(), edit = CreatePopupMenu(), view = CreatePopupMenu(), mail = CreatePopupMenu();
  HMENU tools = CreatePopupMenu(), setup = CreatePopupMenu(), faultMenu = CreatePopupMenu(), help = CreatePopupMenu();
  HMENU modes = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, IdCheckMail, "&Check mail");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, IdExit, "E&xit");
  AppendMenuA(edit, MF_STRING, IdSelectAll, "Select &all");
  AppendMenuA(view, MF_STRING, IdRefresh, "&Refresh");
  AppendMenuA(mail, MF_STRING, IdReply, "&Reply");
  AppendMenuA(mail, MF_STRING, IdForward, "&Forward");
  AppendMenuA(mail, MF_STRING, IdMarkAllRead, "Mark all as rea&d");
  for (size_t i = 0; i < plugins.Plugins().size(); ++i) {
    AppendMenuA(setup, MF_STRING, IdPlugInSetupFirst + i, plugins.Plugins()[i].Info.Name);
  }
  if (plugins.Plugins().empty()) AppendMenuA(setup, MF_STRING | MF_GRAYED, 0, "(no plug-ins)");
  AppendPopup(tools, "Plug-in &setup", setup);
  AppendMenuA(tools, MF_STRING, IdAboutPlugins, "&Plug-ins...");
  AppendMenuA(faultMenu, MF_STRING, IdRenumber, "&Renumber the mails of this folder");
  AppendMenuA(faultMenu, MF_STRING, IdRemoveFolder, "Re&move this folder");
  AppendMenuA(faultMenu, MF_STRING, IdRenameFolder, "Re&name this folder...");
  AppendMenuA(faultMenu, MF_STRING, IdAskBeforeSelect, "&Ask before selecting a mail");
  AppendMenuA(faultMenu, MF_STRING, IdRecreatePanes, "Make the &panes anew");
  for (int i = 0; i < static_cast<int>(HostMode::Count); ++i) {
    AppendMenuA(modes, MF_STRING, IdHostModeFirst + i, HostModeName(static_cast<HostMode>(i)));
  }
  AppendPopup(faultMenu, "Host &modes", modes);
  AppendMenuA(help, MF_STRING, IdAbout, "&About Tovik");
  AppendPopup(bar, "&File", file);
  AppendPopup(bar, "&Edit", edit);
  AppendPopup(bar, "&View", view);
  AppendPopup(bar, "&Mail", mail);
  AppendPopup(bar, "&Tools", tools);
  AppendPopup(bar, "F&aults", faultMenu);
  AppendPopup(bar, "&Help", help);
  faults.ShowInMenu(bar);
  OfferToPlugins(plugins, frame, bar, MainMenu);
  return bar;
}

HMENU MakeContextMenu(CPluginSet& plugins, HWND frame, HostMenuType type, bool anchor) {
  HMENU menu = CreatePopupMenu();
  if (type == FolderTreeMenu) {
    AppendMenuA(menu, MF_STRING, IdNewFolder, "&New folder");
    AppendMenuA(menu, MF_STRING, IdRenameFolder, "Re&name...");
  } else {
    AppendMenuA(menu, MF_STRING, IdReply, "&Reply");
    AppendMenuA(menu, MF_STRING, IdForward, "&Forward");
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, anchor ? AnchorCommandId : IdAbout, anchor ? "P&roperties" : "&About Tovik");
  OfferToPlugins(plugins, frame, menu, type);
  return menu;
}
