#include "uiauto/UiAutomation.h"

#include <commctrl.h>

#include <cstring>

namespace uiauto {

namespace {

const DWORD PollInterval = 5;
const char* const PopupMenuClass = "#32768";
const char* const DialogClass = "#32770";

struct Search {
  const std::function<bool(HWND)>* Test;
  HWND Found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != GetCurrentProcessId() || !IsWindowVisible(window) || !(*search->Test)(window)) return TRUE;
  search->Found = window;
  return FALSE;
}

// The first visible top-level window of this process, topmost first, that passes the test.
HWND FindWindowWhere(const std::function<bool(HWND)>& test) {
  Search search = {&test, nullptr};
  EnumWindows(&CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

BOOL CALLBACK AddControl(HWND control, LPARAM parameter) {
  auto* controls = reinterpret_cast<std::vector<Control>*>(parameter);
  controls->push_back(
      {control, GetDlgCtrlID(control), ClassOf(control), TextOf(control), IsWindowEnabled(control) != FALSE});
  return TRUE;
}

void PostKey(HWND target, UINT virtualKey) {
  const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(target, WM_KEYDOWN, virtualKey, scanCode | 1);
  PostMessageA(target, WM_KEYUP, virtualKey, scanCode | 1 | (1 << 30) | (1u << 31));
}

// Position of the highlighted item, -1 when none is.
int HighlightedPosition(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) return position;
  }
  return -1;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeout) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowOf(query)) != nullptr; }, timeout);
  return found;
}

}  // namespace

std::string TextOf(HWND window) {
  char text[4096] = "";
  // WM_GETTEXT directly: GetWindowText does not ask windows of other processes, and a control's
  // own text is what the user sees.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  text[sizeof text - 1] = '\0';
  return text;
}

std::wstring WideTextOf(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

HWND FindWindowOf(const WindowQuery& query) {
  return FindWindowWhere([&](HWND window) {
    return (query.ThreadId == 0 || GetWindowThreadProcessId(window, nullptr) == query.ThreadId) &&
           (query.ClassName.empty() || ClassOf(window) == query.ClassName) &&
           (query.Title.empty() || TextOf(window) == query.Title);
  });
}

HWND WaitForDialog(const std::string& title, DWORD threadId, DWORD timeout) {
  return WaitForWindow({DialogClass, title, threadId}, timeout);
}

HWND WaitForPopupMenu(DWORD threadId, DWORD timeout) { return WaitForWindow({PopupMenuClass, "", threadId}, timeout); }

HWND FindModalWindow() {
  std::vector<HWND> modal;
  FindWindowWhere([&](HWND window) {
    if (IsPopupMenu(window) || ClassOf(window) == DialogClass) modal.push_back(window);
    return false;
  });
  // Z-order alone misleads: under Wine an owner can lie above the message box it waits for.
  for (HWND window : modal) {
    bool owner = false;
    for (HWND other : modal) owner = owner || GetWindow(other, GW_OWNER) == window;
    if (!owner) return window;
  }
  return nullptr;
}

HWND FindMessageBoxOf(HWND owner) {
  return FindWindowWhere([&](HWND window) { return GetWindow(window, GW_OWNER) == owner && IsMessageBox(window); });
}

bool AnswerMessageBox(HWND box, int button, DWORD timeout) {
  HWND owner = GetWindow(box, GW_OWNER);
  ClickButton(box, button);
  // The owner takes input again, unless the answer at once opened the next window over it (a second
  // question), which keeps it disabled.
  const auto ownsAnother = [&] {
    return FindWindowWhere([&](HWND window) {
             return window != box && GetWindow(window, GW_OWNER) == owner &&
                    (IsPopupMenu(window) || ClassOf(window) == DialogClass);
           }) != nullptr;
  };
  return WaitUntilGone(box, timeout) &&
         WaitFor([&] { return owner == nullptr || !IsWindow(owner) || IsWindowEnabled(owner) || ownsAnother(); },
                 timeout);
}

bool IsPopupMenu(HWND window) { return ClassOf(window) == PopupMenuClass; }

bool IsMessageBox(HWND window) { return ClassOf(window) == DialogClass && GetDlgItem(window, 0xFFFF) != nullptr; }

bool WaitUntilGone(HWND window, DWORD timeout) {
  return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeout) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout) return false;
    Sleep(PollInterval);
  }
  return true;
}

std::vector<Control> ControlsOf(HWND dialog) {
  std::vector<Control> controls;
  EnumChildWindows(dialog, &AddControl, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (lstrcmpiA(ClassOf(control).c_str(), "ListBox") != 0) return TextOf(control);
  // A list box has no text of its own: what it shows chosen is its selected entry.
  const LRESULT selected = SendMessageA(control, LB_GETCURSEL, 0, 0);
  const LRESULT length = selected < 0 ? LB_ERR : SendMessageA(control, LB_GETTEXTLEN, selected, 0);
  if (length < 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(control, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(std::strlen(text.c_str()));
  return text;
}

// The message is the static control with id 0xFFFF (Windows and Wine alike).
std::string MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

HMENU MenuOf(HWND popup) { return reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)); }

std::vector<MenuItem> MenuItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    char text[512] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) continue;
    items.push_back({info.wID, text, (info.fState & MFS_GRAYED) != 0, (info.fState & MFS_CHECKED) != 0,
                     (info.fType & MFT_SEPARATOR) != 0, info.hSubMenu != nullptr});
  }
  return items;
}

void PressKey(HWND window, UINT virtualKey) {
  HWND focus = FocusOf(window);
  PostKey(focus != nullptr && (focus == window || IsChild(window, focus)) ? focus : window, virtualKey);
}

void PressKeysTogether(HWND window, const std::vector<UINT>& keys) {
  HWND topLevel = GetAncestor(window, GA_ROOT);
  SetForegroundWindow(topLevel);
  WaitFor([&] { return GetForegroundWindow() == topLevel; });
  std::vector<INPUT> inputs(keys.size() * 2);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    inputs[i].type = inputs[inputs.size() - 1 - i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = inputs[inputs.size() - 1 - i].ki.wVk = static_cast<WORD>(keys[i]);
    inputs[inputs.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof inputs[0]);
}

void SetKeyDown(UINT key, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(key);
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

void ClickButton(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void ClickCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void ClickAt(POINT screenPoint) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screenPoint.x, 65535, width - 1);
    input.mi.dy = MulDiv(screenPoint.y, 65535, height - 1);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(3, inputs, sizeof inputs[0]);
}

std::vector<std::string> ListViewColumn(HWND list, int column) {
  std::vector<std::string> texts;
  const LRESULT count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    char text[1024] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    texts.push_back(text);
  }
  return texts;
}

void SetControlText(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetChecked(HWND dialog, int id, bool checked) {
  HWND box = GetDlgItem(dialog, id);
  if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked) SendMessageA(box, BM_CLICK, 0, 0);
}

bool ChooseEntry(HWND dialog, int id, const std::string& text) {
  HWND list = GetDlgItem(dialog, id);
  const bool listBox = lstrcmpiA(ClassOf(list).c_str(), "ListBox") == 0;
  const UINT select = listBox ? LB_SELECTSTRING : CB_SELECTSTRING;
  if (SendMessageA(list, select, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())) < 0) return false;
  // A selection made by message is not notified; the user's choice would be. A list box's choice is
  // sent without waiting: what it starts (a warning, say) must not hold this thread up, yet it is
  // handled before the next step sent to the dialog, as a click is before the next key. (Posted, it
  // was handled after later typing, which then reached the entry left.)
  const WPARAM notification = listBox ? MAKEWPARAM(id, LBN_SELCHANGE) : MAKEWPARAM(id, CBN_SELCHANGE);
  if (listBox) {
    SendNotifyMessageA(dialog, WM_COMMAND, notification, reinterpret_cast<LPARAM>(list));
  } else {
    SendMessageA(dialog, WM_COMMAND, notification, reinterpret_cast<LPARAM>(list));
  }
  return true;
}

int CurrentPageIndex(HWND sheet) {
  HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  // No page during a change; the index of no page would be that of a page not made yet.
  if (page == nullptr) return -1;
  return static_cast<int>(SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}

bool ShowPage(HWND sheet, int index) {
  if (CurrentPageIndex(sheet) == index) return true;
  PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  bool shown = false;
  WaitFor([&] { return (shown = CurrentPageIndex(sheet) == index) || FindMessageBoxOf(sheet) != nullptr; });
  return shown;
}

bool HighlightMenuItem(HWND popup, int position) {
  HMENU menu = MenuOf(popup);
  const int count = GetMenuItemCount(menu);
  // One round through the menu at most: items the keys skip are never reached.
  for (int step = 0; step <= count; ++step) {
    const int highlighted = HighlightedPosition(menu);
    if (highlighted == position) return true;
    PostKey(popup, VK_DOWN);
    // A key that has not been handled yet must not be followed by another: the menu would overshoot.
    // Between two items the menu briefly highlights none, which is no answer yet.
    if (!WaitFor([&] {
          const int now = HighlightedPosition(menu);
          return now >= 0 && now != highlighted;
        })) {
      return false;
    }
  }
  return false;
}

bool PickMenuItem(HWND popup, int position) {
  if (!HighlightMenuItem(popup, position)) return false;
  PostKey(popup, VK_RETURN);
  return true;
}

HWND OpenSubMenu(HWND popup, int position) {
  HMENU submenu = GetSubMenu(MenuOf(popup), position);
  if (submenu == nullptr || !HighlightMenuItem(popup, position)) return nullptr;
  PostKey(popup, VK_RIGHT);
  // A submenu opened by key highlights its first item just after it shows: a walk that started
  // before would take that highlight for the answer to its own key.
  HWND opened = nullptr;
  WaitFor([&] {
    opened = FindWindowWhere([&](HWND window) { return IsPopupMenu(window) && MenuOf(window) == submenu; });
    return opened != nullptr && HighlightedPosition(submenu) >= 0;
  }, 2000);
  return opened;
}

void Dismiss(HWND window) {
  if (IsPopupMenu(window)) {
    PostKey(window, VK_ESCAPE);
    return;
  }
  for (int id : {IDCANCEL, IDNO, IDOK}) {
    if (GetDlgItem(window, id)) {
      PostMessageA(window, WM_COMMAND, id, 0);
      return;
    }
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
}

RECT MenuItemRect(HWND popup, int position) {
  RECT rect = {};
  GetMenuItemRect(nullptr, MenuOf(popup), static_cast<UINT>(position), &rect);
  return rect;
}

void PumpMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  PumpMessagesUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (condition()) return true;
    if (GetTickCount() - start > timeout) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, PollInterval, QS_ALLINPUT);
  }
}

}  // namespace uiauto
