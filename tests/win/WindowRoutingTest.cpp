// The shared window procedure: which handler gets which message, and what goes back to the sender or
// on to the window's own procedure.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "win/ui/CWindow.h"

namespace {

// What the window's own procedure answers, so a passed-on message is told from a handled one.
const LRESULT OwnProcedureResult = 77;
std::vector<UINT> ownProcedureMessages;

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ownProcedureMessages.push_back(message);
  if (message == WM_NCCREATE || message == WM_NCDESTROY || message == WM_DESTROY) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return OwnProcedureResult;
}

HWND MakeTarget() {
  static const ATOM registered = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = OwnProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RazRoutingTarget";
    return RegisterClassA(&windowClass);
  }();
  EXPECT_NE(registered, 0);
  return CreateWindowExA(0, "RazRoutingTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// Records every handler call; the results of the handlers that have one are set by the test.
class RecordingWindow : public CWindow {
 public:
  LRESULT OnCommand(WPARAM, LPARAM) override { return Note("OnCommand"); }
  void OnSize(UINT, int width, int height) override { Note("OnSize " + std::to_string(width) + "x" + std::to_string(height)); }
  void OnGetMinMaxInfo(MINMAXINFO*) override { Note("OnGetMinMaxInfo"); }
  LRESULT OnCreate(CREATESTRUCTA*) override { return Note("OnCreate"); }
  LRESULT OnNotify(int, NMHDR*) override { return Note("OnNotify"); }
  void OnDestroy() override {
    Note("OnDestroy");
    CWindow::OnDestroy();
  }
  void OnClose() override { Note("OnClose"); }
  void OnActivate(UINT state, CWindow* other, BOOL) override {
    Note("OnActivate " + std::to_string(state));
    activatedBy = other ? other->GetHandle() : nullptr;
  }
  void OnSetFocus(CWindow*) override { Note("OnSetFocus"); }
  void OnKillFocus(CWindow*) override { Note("OnKillFocus"); }
  LRESULT OnSetCursor(CWindow*, UINT, UINT) override { return Note("OnSetCursor"); }

  LRESULT handlerResult = 0;
  std::vector<std::string> calls;
  HWND activatedBy = nullptr;

 private:
  LRESULT Note(const std::string& call) {
    calls.push_back(call);
    return handlerResult;
  }
};

TEST(WindowRouting, HandlerResultsAreReturnedOrPassedOnByTheRules) {
  const LRESULT passedOn = OwnProcedureResult;
  const struct {
    UINT message;
    LPARAM lParam;
    LRESULT handlerResult;
    const char* handler;
    LRESULT expected;
  } cases[] = {
      {WM_COMMAND, 0, 0, "OnCommand", passedOn},
      {WM_COMMAND, 0, 5, "OnCommand", 5},
      {WM_NOTIFY, 0, 0, "OnNotify", passedOn},
      {WM_NOTIFY, 0, 3, "OnNotify", 3},
      {WM_CREATE, 0, 0, "OnCreate", passedOn},
      {WM_CREATE, 0, -1, "OnCreate", -1},
      {WM_SETCURSOR, 0, 4, "OnSetCursor", passedOn},  // its result is never used
      {WM_SIZE, MAKELPARAM(30, 20), 0, "OnSize 30x20", 1},
      {WM_CLOSE, 0, 0, "OnClose", 1},
      {WM_ACTIVATE, 0, 0, "OnActivate 1", 1},
      {WM_SETFOCUS, 0, 0, "OnSetFocus", 1},
      {WM_KILLFOCUS, 0, 0, "OnKillFocus", 1},
      {WM_SETTEXT, reinterpret_cast<LPARAM>("x"), 0, nullptr, passedOn},
  };
  HWND target = MakeTarget();
  RecordingWindow window;
  ASSERT_TRUE(window.Subclass(target));
  for (const auto& c : cases) {
    window.calls.clear();
    ownProcedureMessages.clear();
    window.handlerResult = c.handlerResult;
    const WPARAM wParam = c.message == WM_ACTIVATE ? WA_ACTIVE : 0;
    EXPECT_EQ(SendMessageA(target, c.message, wParam, c.lParam), c.expected) << "message 0x" << std::hex << c.message;
    const std::vector<std::string> expectedCalls =
        c.handler ? std::vector<std::string>{c.handler} : std::vector<std::string>{};
    EXPECT_EQ(window.calls, expectedCalls) << "message 0x" << std::hex << c.message;
    EXPECT_EQ(!ownProcedureMessages.empty(), c.expected == passedOn) << "message 0x" << std::hex << c.message;
  }
  window.calls.clear();
  MINMAXINFO info = {};
  EXPECT_EQ(SendMessageA(target, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 1);
  EXPECT_EQ(window.calls, std::vector<std::string>{"OnGetMinMaxInfo"});
  DestroyWindow(target);
}

TEST(WindowRouting, DestroyUnbindsAndTheWindowsOwnProcedureStillCleansUp) {
  HWND target = MakeTarget();
  RecordingWindow window;
  ASSERT_TRUE(window.Subclass(target));
  EXPECT_EQ(CWindow::FromHandle(target), &window);
  ownProcedureMessages.clear();
  DestroyWindow(target);
  EXPECT_EQ(window.calls, std::vector<std::string>{"OnDestroy"});
  EXPECT_EQ(window.GetHandle(), nullptr);
  EXPECT_EQ(ownProcedureMessages, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST(WindowRouting, ActivateHandsOverTheOtherWindowAsItsWrapper) {
  HWND target = MakeTarget(), other = MakeTarget();
  RecordingWindow window;
  ASSERT_TRUE(window.Subclass(target));
  SendMessageA(target, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(window.activatedBy, other);
  SendMessageA(target, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(window.activatedBy, nullptr);
  DestroyWindow(target);
  DestroyWindow(other);
}

TEST(WindowRouting, ObjectDestroyedFirstGivesTheWindowItsProcedureBack) {
  HWND target = MakeTarget();
  {
    RecordingWindow window;
    ASSERT_TRUE(window.Subclass(target));
  }
  ownProcedureMessages.clear();
  EXPECT_EQ(SendMessageA(target, WM_COMMAND, 0, 0), OwnProcedureResult);
  EXPECT_EQ(ownProcedureMessages, std::vector<UINT>{WM_COMMAND});
  DestroyWindow(target);
}

// Leaves its window routed when it is destroyed, as an object whose OnDestroy forgets the base would.
class KeepingWindow : public CWindow {
 public:
  void OnDestroy() override {}
};

TEST(WindowRegistry, HoldsNoWindowOnceItIsDestroyed) {
  // However the window met the framework, its handle leads to no object afterwards: a later window
  // given the same handle value would be dispatched to it. Each way gives back what it keeps alive.
  const struct {
    const char* how;
    std::unique_ptr<CWindow> (*meet)(HWND target);
  } cases[] = {
      {"asked for by its handle", [](HWND target) {
         EXPECT_EQ(CWindow::FromHandle(target), nullptr) << "a window nothing routes";
         return std::unique_ptr<CWindow>();
       }},
      {"named by the messages of a routed window", [](HWND target) {
         auto routed = std::make_unique<RecordingWindow>();
         routed->Subclass(MakeTarget());
         const HWND handle = routed->GetHandle();
         const WPARAM named = reinterpret_cast<WPARAM>(target);
         for (UINT message : {WM_SETFOCUS, WM_KILLFOCUS, WM_SETCURSOR}) SendMessageA(handle, message, named, 0);
         SendMessageA(handle, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(named));
         EXPECT_EQ(routed->activatedBy, target);
         DestroyWindow(handle);
         return std::unique_ptr<CWindow>(std::move(routed));
       }},
      {"routed by an object that keeps it at WM_DESTROY", [](HWND target) {
         auto keeping = std::make_unique<KeepingWindow>();
         EXPECT_TRUE(keeping->Subclass(target));
         return std::unique_ptr<CWindow>(std::move(keeping));
       }},
  };
  for (const auto& c : cases) {
    HWND target = MakeTarget();
    const std::unique_ptr<CWindow> kept = c.meet(target);
    DestroyWindow(target);
    EXPECT_EQ(CWindow::FromHandle(target), nullptr) << c.how;
    EXPECT_EQ(kept ? kept->GetHandle() : nullptr, nullptr) << c.how;
  }
  EXPECT_EQ(CWindow::FromHandle(nullptr), nullptr);
}

TEST(WindowOperations, CenterOverUsesSignedHalfDifferences) {
  const struct {
    RECT outer;
    SIZE own;
    POINT expected;
  } cases[] = {
      {{100, 100, 400, 300}, {100, 50}, {200, 175}},
      {{100, 100, 201, 151}, {200, 100}, {51, 76}},  // larger than the window below: (101 - 200) / 2 = -49
  };
  for (const auto& c : cases) {
    HWND outerHandle = MakeTarget(), ownHandle = MakeTarget();
    MoveWindow(outerHandle, c.outer.left, c.outer.top, c.outer.right - c.outer.left, c.outer.bottom - c.outer.top, FALSE);
    MoveWindow(ownHandle, 0, 0, c.own.cx, c.own.cy, FALSE);
    CWindow own(ownHandle), outer(outerHandle);
    own.CenterOver(outer);
    const RECT moved = own.GetWindowRect();
    EXPECT_EQ(moved.left, c.expected.x);
    EXPECT_EQ(moved.top, c.expected.y);
    EXPECT_EQ(moved.right - moved.left, c.own.cx) << "size kept";
    DestroyWindow(outerHandle);
    DestroyWindow(ownHandle);
  }
}

TEST(WindowOperations, TextRoundTripsAndEmptyTextClears) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
  CWindow window(edit);
  const std::string longText(3000, 'x');
  for (const std::string& text : {std::string("Inbox"), longText, std::string()}) {
    window.SetWindowText(text);
    EXPECT_EQ(window.GetWindowText(), text);
  }
  window.SetRedraw(false);
  EXPECT_FALSE(window.GetRedraw());
  window.SetRedraw(true);
  EXPECT_TRUE(window.GetRedraw());
  DestroyWindow(edit);
}

}  // namespace
