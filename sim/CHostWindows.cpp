#include "sim/CHostWindows.h"

#include <commctrl.h>

namespace {

const char* const FrameClass = "TovikMainFrame";
const char* const FrameChildClass = "AfxMDIFrame42s";
const char* const OtherFrameChildClass = "TovikFrameChild";
const char* const PaneClass = "TovikPane";
const char* const ViewClass = "TovikMessageView";

bool RegisterHostClass(const char* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND MakeChild(const char* windowClass, HWND parent, DWORD style, void* owner, int id = 0) {
  HWND window = CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, 0, 0, 10, 10,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                owner);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window;
}

void AddMailListColumns(HWND list) {
  static const struct {
    const char* Title;
    int Width;
  } columns[] = {{"Subject", 300}, {"From", 220}, {"Date", 190}};
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(columns[i].Title);
    column.cx = columns[i].Width;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

}  // namespace

bool CHostWindows::Create(WNDPROC procedure, void* owner, bool otherFrameChildClass) {
  const HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!RegisterHostClass(FrameClass, procedure, face) || !RegisterHostClass(FrameChildClass, procedure, face) ||
      !RegisterHostClass(OtherFrameChildClass, procedure, face) || !RegisterHostClass(PaneClass, procedure, face) ||
      !RegisterHostClass(ViewClass, procedure, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
    return false;
  }
  m_frame = CreateWindowExA(0, FrameClass, "Tovik", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 1000, 700, nullptr,
                            nullptr, GetModuleHandleA(nullptr), owner);
  if (m_frame == nullptr) return false;
  m_owner = owner;
  m_status = MakeChild(STATUSCLASSNAMEA, m_frame, SBARS_SIZEGRIP, nullptr);
  return m_status && CreatePanes(otherFrameChildClass ? OtherFrameChildClass : FrameChildClass);
}

bool CHostWindows::RecreatePanes(bool otherClass) {
  if (m_frame == nullptr) return false;
  DestroyWindow(m_frameChild);
  return CreatePanes(otherClass ? OtherFrameChildClass : FrameChildClass);
}

bool CHostWindows::CreatePanes(const char* frameChildClass) {
  m_frameChild = MakeChild(frameChildClass, m_frame, 0, m_owner);
  m_treePane = MakeChild(PaneClass, m_frameChild, 0, m_owner);
  m_mailPane = MakeChild(PaneClass, m_frameChild, 0, m_owner);
  m_tree = MakeChild(WC_TREEVIEWA, m_treePane,
                     WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, nullptr, 1000);
  m_list = MakeChild(WC_LISTVIEWA, m_mailPane, WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, nullptr,
                     1001);
  m_view = MakeChild(ViewClass, m_mailPane, WS_BORDER, m_owner);
  AddMailListColumns(m_list);
  Layout(m_frame);
  return m_frameChild && m_tree && m_list && m_view;
}

void CHostWindows::Layout(HWND window) const {
  RECT area;
  GetClientRect(window, &area);
  const int width = area.right, height = area.bottom;
  if (window == m_frame && m_status) {
    SendMessageA(m_status, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(m_status, &status);
    MoveWindow(m_frameChild, 0, 0, width, height - (status.bottom - status.top), TRUE);
  } else if (window == m_frameChild) {
    MoveWindow(m_treePane, 0, 0, width * 3 / 10, height, TRUE);
    MoveWindow(m_mailPane, width * 3 / 10, 0, width - width * 3 / 10, height, TRUE);
  } else if (window == m_treePane) {
    MoveWindow(m_tree, 0, 0, width, height, TRUE);
  } else if (window == m_mailPane) {
    MoveWindow(m_list, 0, 0, width, height * 45 / 100, TRUE);
    MoveWindow(m_view, 0, height * 45 / 100, width, height - height * 45 / 100, TRUE);
  }
}

void CHostWindows::SetStatusText(const std::string& text) const {
  SendMessageA(m_status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
