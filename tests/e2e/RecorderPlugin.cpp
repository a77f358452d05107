// A plug-in for the end-to-end tests of the simulated host: it writes every call the host makes
// into it to "<its own path without .dll>.log", one line a call, and adds one command per menu type
// (the opened-mail one grayed by its update callback). Its folder-tree command expands the
// selected folder the way RaZudazoved does: TVM_EXPAND, then TVN_ITEMEXPANDEDA to the tree's parent.
// F9 has it press Escape (for real, with SendInput) when the second mail after it opens, so that a
// script can press Escape in the middle of the plug-in's work on selected mails; F10 lets it go. At
// exit it records which top-level folders of the tree are expanded.
#include <windows.h>

#include <commctrl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "hostapi/HostFunctionList.h"
#include "hostapi/PluginExports.h"
#include "uiauto/UiAutomation.h"

namespace {

HMODULE Module = nullptr;
int CommandIds[4] = {0, 0, 0, 0};
int OpeningsUntilEscape = 0;

void Record(const char* format, ...) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(Module, path, MAX_PATH);
  if (length < 4 || length >= MAX_PATH) return;
  std::strcpy(path + length - 3, "log");
  FILE* log = std::fopen(path, "a");
  if (log == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(log, format, arguments);
  va_end(arguments);
  std::fputc('\n', log);
  std::fclose(log);
}

template <class Function>
Function HostFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(nullptr), name)));
}

void ExpandSelectedFolder() {
  HWND frame = nullptr, tree = nullptr, list = nullptr, view = nullptr;
  HostFunction<TVA_GetWindowHandles_t>("TVA_GetWindowHandles")(&frame, &tree, &list, &view);
  HTREEITEM item = TreeView_GetSelection(tree);
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  NMTREEVIEWA change = {};
  change.hdr.hwndFrom = tree;
  change.hdr.idFrom = 1000;
  change.hdr.code = TVN_ITEMEXPANDEDA;
  change.action = TVE_EXPAND;
  change.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
  change.itemNew.hItem = item;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&change.itemNew));
  SendMessageA(GetParent(tree), WM_NOTIFY, reinterpret_cast<WPARAM>(tree), reinterpret_cast<LPARAM>(&change));
}

template <int Type>
int WINAPI OnCommand(HWND, LPARAM) {
  Record("Command %d", Type);
  if (Type == 2) ExpandSelectedFolder();
  return 0;
}

template <int Type>
int WINAPI OnUpdate(HWND, LPARAM) {
  return Type == 3 ? 1 : 0;
}

const TovikCommandCallback Commands[4] = {OnCommand<0>, OnCommand<1>, OnCommand<2>, OnCommand<3>};
const TovikUpdateCallback Updates[4] = {OnUpdate<0>, OnUpdate<1>, OnUpdate<2>, OnUpdate<3>};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  Module = instance;
  if (reason == DLL_PROCESS_ATTACH) Record("attach");
  if (reason == DLL_PROCESS_DETACH) Record("detach");
  return TRUE;
}

extern "C" int WINAPI TVC_OnExit(void) {
  // What the plug-ins before it in the unload order left of the folder tree.
  HWND frame = nullptr, tree = nullptr;
  HostFunction<TVA_GetWindowHandles_t>("TVA_GetWindowHandles")(&frame, &tree, nullptr, nullptr);
  for (HTREEITEM item = TreeView_GetRoot(tree); item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
    char text[256] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT | TVIF_STATE;
    data.stateMask = TVIS_EXPANDED;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &data);
    Record("tree %s %s", text, (data.state & TVIS_EXPANDED) != 0 ? "expanded" : "collapsed");
  }
  Record("OnExit");
  return 0;
}

extern "C" int WINAPI TVC_OnMenuInit(HWND, HMENU menu, int menuType) {
  if (menuType < 0 || menuType > 3) return 0;
  const bool anchor = GetMenuState(menu, 32935, MF_BYCOMMAND) != static_cast<UINT>(-1);
  Record("OnMenuInit %d%s", menuType, anchor ? " anchor" : "");
  char text[32];
  std::snprintf(text, sizeof text, "Recorder command %d", menuType);
  if (CommandIds[menuType] == 0) {
    auto registerCommand = HostFunction<TVA_RegisterCommand_t>("TVA_RegisterCommand");
    CommandIds[menuType] = registerCommand(text, menuType, Commands[menuType]);
  }
  if (menuType == 0) {
    AppendMenuA(GetSubMenu(menu, 4), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(GetSubMenu(menu, 4), MF_STRING, CommandIds[0], text);
    return 0;
  }
  InsertMenuA(menu, 32935, MF_BYCOMMAND | MF_STRING, CommandIds[menuType], text);
  HostFunction<TVA_RegisterUICallback_t>("TVA_RegisterUICallback")(CommandIds[menuType], Updates[menuType]);
  return 0;
}

extern "C" int WINAPI TVC_OnOpenMail(LPCSTR mailId) {
  Record("OnOpenMail %s", mailId ? mailId : "(null)");
  if (OpeningsUntilEscape > 0 && --OpeningsUntilEscape == 0) uiauto::SetKeyDown(VK_ESCAPE, true);
  return 0;
}

extern "C" int WINAPI TVC_OnKeyDispatch(HWND, int keyCode, int shiftCode) {
  // Plug-ins take keys only while the host's main window is the active one.
  HWND frame = nullptr;
  HostFunction<TVA_GetWindowHandles_t>("TVA_GetWindowHandles")(&frame, nullptr, nullptr, nullptr);
  Record("OnKeyDispatch %d %d%s", keyCode, shiftCode, GetActiveWindow() == frame ? " active" : "");
  if (keyCode == VK_F9) OpeningsUntilEscape = 2;
  if (keyCode == VK_F10) uiauto::SetKeyDown(VK_ESCAPE, false);
  return keyCode == 'R' ? 1 : 0;
}

extern "C" int WINAPI TVC_OnPlugInSetup(HWND) {
  Record("OnPlugInSetup");
  return 1;
}

extern "C" int WINAPI TVC_OnPlugInInfo(TovikPlugInInfo* info) {
  Record("OnPlugInInfo");
  std::strcpy(info->Name, "Recorder");
  std::strcpy(info->Vendor, "RaZudazoved tests");
  std::strcpy(info->Version, "1.0");
  std::strcpy(info->Description, "Records the host's calls");
  return 0;
}
