#include "tests/win/TestHostWindows.h"

#include <commctrl.h>

#include "tests/testhost/FakeHost.h"

namespace {

HWND MakeWindow(const char* className, const char* title, DWORD style, HWND parent, int x, int y, int width,
                int height) {
  return CreateWindowExA(0, className, title, style, x, y, width, height, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

void RegisterPlainClass(const char* name) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

TestHostWindows MakeHostWindows() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterPlainClass("RazTestHostFrame");
  RegisterPlainClass("AfxMDIFrame42s");
  TestHostWindows windows = {};
  windows.MainFrame = MakeWindow("RazTestHostFrame", "Tovik (test host)", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 nullptr, 40, 40, 700, 500);
  windows.MdiFrame = MakeWindow("AfxMDIFrame42s", "", WS_CHILD | WS_VISIBLE, windows.MainFrame, 0, 0, 680, 420);
  windows.FolderTree = MakeWindow(WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER, windows.MdiFrame, 0, 0, 200, 420);
  windows.MailList = MakeWindow(WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, windows.MdiFrame,
                                200, 0, 480, 200);
  windows.MessageView = MakeWindow("EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, windows.MdiFrame,
                                   200, 200, 480, 220);
  windows.StatusBar = MakeWindow(STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, windows.MainFrame, 0, 0, 0, 0);
  return windows;
}

}  // namespace

const TestHostWindows& UseTestHostWindows() {
  static const TestHostWindows windows = MakeHostWindows();
  FakeHostState& host = FakeHost();
  host.MainFrame = windows.MainFrame;
  host.FolderTree = windows.FolderTree;
  host.MailList = windows.MailList;
  host.MessageView = windows.MessageView;
  host.StatusBar = windows.StatusBar;
  return windows;
}
