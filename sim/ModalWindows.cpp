#include "sim/ModalWindows.h"

#include <cstring>

namespace {

const UINT GetMenuOfWindowMessage = 0x01E1;  // MN_GETHMENU
const int MessageBoxTextId = 0xFFFF;

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct ModalSearch {
  HMENU Menu = nullptr;  // when set: only the popup window of this menu
  HWND Found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<ModalSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  const std::string windowClass = ClassOf(window);
  if (search.Menu ? (windowClass == "#32768" && MenuOfWindow(window) == search.Menu)
                  : (windowClass == "#32768" || windowClass == "#32770")) {
    search.Found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindModalWindow() {
  ModalSearch search;
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

bool IsPopupMenuWindow(HWND window) { return ClassOf(window) == "#32768"; }

bool IsMessageBox(HWND window) {
  return ClassOf(window) == "#32770" && GetDlgItem(window, MessageBoxTextId) != nullptr;
}

std::string WindowText(HWND window) {
  char text[4096] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HMENU MenuOfWindow(HWND window) {
  return reinterpret_cast<HMENU>(SendMessageA(window, GetMenuOfWindowMessage, 0, 0));
}

std::string MenuItemText(HMENU menu, int position) {
  char text[1024] = "";
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

std::string DescribeModalWindow(HWND window) {
  if (IsPopupMenuWindow(window)) {
    std::string items;
    HMENU menu = MenuOfWindow(window);
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
      const std::string text = MenuItemText(menu, i);
      items += (i ? ", \"" : "\"") + (text.empty() ? std::string("-") : text) + "\"";
    }
    return "a popup menu with the items " + items;
  }
  if (IsMessageBox(window)) {
    return "a message box \"" + WindowText(window) + "\" saying \"" + WindowText(GetDlgItem(window, MessageBoxTextId)) +
           "\"";
  }
  return "a dialog \"" + WindowText(window) + "\"";
}

HWND WaitForMenuWindow(HMENU menu, int milliseconds) {
  for (int waited = 0; waited <= milliseconds; waited += 20) {
    ModalSearch search;
    search.Menu = menu;
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    if (search.Found) return search.Found;
    Sleep(20);
  }
  return nullptr;
}
