// The host's main window, its panes and the free functions that work on them, against real windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/hostlink/HostFolders.h"
#include "tests/testhost/FakeHost.h"
#include "tests/win/TestHostWindows.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"

namespace {

// Records the messages a window gets ahead of its own procedure, which still gets them all.
struct MessageRecorder {
  explicit MessageRecorder(HWND window) : Window(window) {
    SetWindowSubclass(window, Record, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~MessageRecorder() { RemoveWindowSubclass(Window, Record, 1); }
  static LRESULT CALLBACK Record(HWND window, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* recorder = reinterpret_cast<MessageRecorder*>(self);
    recorder->Messages.push_back({window, id, wParam, lParam, 0, {}});
    if (id == WM_PAINT && recorder->OnPaint) recorder->OnPaint();
    return DefSubclassProc(window, id, wParam, lParam);
  }
  bool Received(UINT id) const {
    return std::any_of(Messages.begin(), Messages.end(), [&](const MSG& m) { return m.message == id; });
  }
  HWND Window;
  std::vector<MSG> Messages;
  std::function<void()> OnPaint;
};

class HostWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeHost();
    ASSERT_TRUE(LoadHostFunctions());
    host = &UseTestHostWindows();
  }
  // The calls the fake host saw since the last look.
  std::vector<std::string> TakeCalls() {
    std::vector<std::string> calls;
    calls.swap(FakeHost().Calls);
    return calls;
  }
  const TestHostWindows* host = nullptr;
};

TEST_F(HostWindowsTest, MainWindowIsMadeOnceAndAskedForAgainWhileTheHostHasNone) {
  CTovikGlobalData data;
  ASSERT_TRUE(data.LoadHostFunctions(GetModuleHandleA(nullptr)));
  FakeHost().MainFrame = nullptr;
  EXPECT_EQ(data.GetMainWindow(), nullptr);
  EXPECT_EQ(data.GetMainWindow(), nullptr);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"GetWindowHandles", "GetWindowHandles"}));
  FakeHost().MainFrame = host->MainFrame;
  CTovikMainWindow* main = data.GetMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->GetHandle(), host->MainFrame);
  EXPECT_EQ(data.GetMainWindow(), main);
  EXPECT_EQ(TakeCalls(), std::vector<std::string>{"GetWindowHandles"});
}

TEST_F(HostWindowsTest, PanesAreFoundOnFirstRequestAndNeverReplaced) {
  CTovikMainWindow main(host->MainFrame);
  FakeHost().FolderTree = FakeHost().MailList = FakeHost().MessageView = nullptr;
  EXPECT_EQ(main.GetTreeWindow(), nullptr);
  EXPECT_EQ(main.GetListWindow(), nullptr);
  EXPECT_EQ(main.GetViewWindow(), nullptr);
  UseTestHostWindows();
  const struct {
    const char* pane;
    CWindow* (CTovikMainWindow::*get)();
    HWND expected;
  } panes[] = {
      {"tree", &CTovikMainWindow::GetTreeWindow, host->FolderTree},
      {"list", &CTovikMainWindow::GetListWindow, host->MailList},
      {"view", &CTovikMainWindow::GetViewWindow, host->MessageView},
      {"frame", &CTovikMainWindow::GetFrameWindow, host->MdiFrame},
  };
  for (const auto& p : panes) {
    CWindow* first = (main.*p.get)();
    ASSERT_NE(first, nullptr) << p.pane;
    EXPECT_EQ(first->GetHandle(), p.expected) << p.pane;
    // The host now reports other windows: the pane found first stays.
    FakeHost().FolderTree = FakeHost().MailList = FakeHost().MessageView = host->StatusBar;
    EXPECT_EQ((main.*p.get)(), first) << p.pane;
    UseTestHostWindows();
  }
  CTovikStatusWindow* status = main.GetStatusWindow();
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->GetHandle(), host->StatusBar);
  EXPECT_EQ(main.GetStatusWindow(), status);
}

TEST_F(HostWindowsTest, APaneQueryTheHostFailsGivesNoneAndIsAskedAgain) {
  CTovikMainWindow main(host->MainFrame);
  FakeHost().WindowHandlesResult = FALSE;  // yet it wrote every handle
  EXPECT_EQ(main.GetTreeWindow(), nullptr);
  EXPECT_EQ(main.GetListWindow(), nullptr);
  EXPECT_EQ(main.GetViewWindow(), nullptr);
  FakeHost().WindowHandlesResult = TRUE;
  ASSERT_NE(main.GetListWindow(), nullptr);
  EXPECT_EQ(main.GetListWindow()->GetHandle(), host->MailList);
}

TEST_F(HostWindowsTest, FrameWithoutPanesGivesNone) {
  HWND bare = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  CTovikMainWindow main(bare);
  EXPECT_EQ(main.GetFrameWindow(), nullptr);
  EXPECT_EQ(main.GetStatusWindow(), nullptr);
  main.PumpPaintMessages();  // no status bar to keep: nothing to do, nothing to crash
  DestroyWindow(bare);
}

TEST_F(HostWindowsTest, PumpPaintMessagesRepaintsDropsInputKeepsTheRestAndTheStatusText) {
  CTovikMainWindow main(host->MainFrame);
  SendMessageA(host->StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Searching 1/3"));
  SetForegroundWindow(host->MainFrame);
  SetFocus(host->MailList);
  uiauto::PumpMessagesFor(20);
  MessageRecorder frame(host->MainFrame);
  // The host writes its own status text whenever it repaints.
  frame.OnPaint = [&] { SendMessageA(host->StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready")); };
  const UINT posted = WM_APP + 5;
  PostMessageA(host->MainFrame, posted, 0, 0);
  PostMessageA(host->MailList, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  INPUT key[2] = {};
  key[0].type = key[1].type = INPUT_KEYBOARD;
  key[0].ki.wVk = key[1].ki.wVk = VK_DELETE;
  key[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, key, sizeof key[0]);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, host->MailList, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) << "the key reached the list";
  InvalidateRect(host->MainFrame, nullptr, TRUE);
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  SetCursor(arrow);
  main.PumpPaintMessages();
  EXPECT_TRUE(frame.Received(WM_PAINT));
  EXPECT_EQ(CWindow::TextOf(host->StatusBar), "Searching 1/3");
  EXPECT_EQ(GetCursor(), arrow);
  EXPECT_FALSE(PeekMessageA(&message, host->MainFrame, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) << "keys dropped";
  EXPECT_FALSE(PeekMessageA(&message, host->MainFrame, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) << "clicks dropped";
  EXPECT_FALSE(frame.Received(posted)) << "not handled in the middle of the work";
  EXPECT_TRUE(PeekMessageA(&message, host->MainFrame, posted, posted, PM_REMOVE)) << "left for the host";
}

TEST_F(HostWindowsTest, PokeMailListSendsTheHostsTimer) {
  MessageRecorder list(host->MailList);
  PokeMailList();
  ASSERT_TRUE(list.Received(WM_TIMER));
  for (const MSG& message : list.Messages) {
    if (message.message != WM_TIMER) continue;
    EXPECT_EQ(message.wParam, 2350u);
    EXPECT_EQ(message.lParam, 0);
  }
}

TEST_F(HostWindowsTest, PaneParentsAreTheWindowsAroundThePanes) {
  ASSERT_NE(GetTreePaneParent(), nullptr);
  EXPECT_EQ(GetTreePaneParent()->GetHandle(), host->MdiFrame);
  ASSERT_NE(GetListPaneParent(), nullptr);
  EXPECT_EQ(GetListPaneParent(), GetTreePaneParent()) << "one wrapper per window";
}

TEST_F(HostWindowsTest, CurrentFolderNameGoesToTheStatusBar) {
  FakeHost().CurrentFolder = "Main\\Inbox\\";
  FakeHost().FolderDisplayNames["Main\\Inbox\\"] = "[Main] Inbox";
  ShowCurrentFolderName();
  EXPECT_EQ(FakeHost().MessageTexts, std::vector<std::string>{"[Main] Inbox"});
  EXPECT_EQ(CWindow::TextOf(host->StatusBar), "[Main] Inbox");
}

TEST_F(HostWindowsTest, ReselectGoesThroughTheMailboxWithTheFrameHidden) {
  FakeHost().CurrentMailBox = "Main\\";
  FakeHost().CurrentFolder = "Main\\Inbox\\";
  FakeHost().FolderDisplayNames = {{"Main\\", "Main"}, {"Main\\Inbox\\", "Inbox"}};
  FakeHost().Mails = {{"Main\\Inbox\\?1A", 0, "", 0}};
  FakeHost().CurrentMail = "Main\\Inbox\\?1A";
  bool frameVisibleWhileSelecting = true;
  FakeHost().OnMailSelected = [&](const std::string&) { frameVisibleWhileSelecting = IsWindowVisible(host->MdiFrame) != FALSE; };
  GetMainWindow();
  TakeCalls();
  ReselectCurrentFolder();
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"GetCurrentMailBox", "GetCurrentFolder", "GetCurrentMail",
                                                   "SetCurrentFolder", "SetCurrentFolder", "SetCurrentMail"}));
  EXPECT_FALSE(frameVisibleWhileSelecting);
  EXPECT_TRUE(IsWindowVisible(host->MdiFrame));
  EXPECT_EQ(FakeHost().CurrentFolder, "Main\\Inbox\\");
  EXPECT_EQ(FakeHost().CurrentMail, "Main\\Inbox\\?1A");

  FakeHost().CurrentFolder = "Main\\";  // the mailbox itself: nothing to do
  ReselectCurrentFolder();
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"GetCurrentMailBox", "GetCurrentFolder"}));
}

TEST_F(HostWindowsTest, EscapeCountsOnlyAloneAndOnlyOverTheHostsActiveWindow) {
  const auto press = [](std::initializer_list<WORD> keys, bool down) {
    for (WORD key : keys) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
      SendInput(1, &input, sizeof input);
    }
    uiauto::PumpMessagesFor(30);
  };
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  const struct {
    const char* situation;
    HWND active;
    std::initializer_list<WORD> released;  // pressed and let go before
    std::initializer_list<WORD> held;      // down while asked
    bool expected;
  } cases[] = {
      {"Escape", host->MainFrame, {}, {VK_ESCAPE}, true},
      {"Shift+Escape", host->MainFrame, {}, {VK_SHIFT, VK_ESCAPE}, false},
      {"Ctrl+Escape", host->MainFrame, {}, {VK_CONTROL, VK_ESCAPE}, false},
      {"Alt+Escape", host->MainFrame, {}, {VK_MENU, VK_ESCAPE}, false},
      {"Escape in another window", other, {}, {VK_ESCAPE}, false},
      {"nothing pressed", host->MainFrame, {}, {}, false},
      // The key state also remembers earlier presses: only keys down now count.
      {"Escape let go before", host->MainFrame, {VK_ESCAPE}, {}, false},
      {"Escape after Shift was let go", host->MainFrame, {VK_SHIFT}, {VK_ESCAPE}, true},
  };
  for (const auto& c : cases) {
    ShowWindow(other, c.active == other ? SW_SHOW : SW_HIDE);
    SetForegroundWindow(c.active);
    press(c.released, true);
    press(c.released, false);
    press(c.held, true);
    EXPECT_EQ(GetActiveWindow(), c.active) << c.situation << ": the window should be active";
    EXPECT_EQ(IsEscapePressed(), c.expected) << c.situation;
    press(c.held, false);
  }
  DestroyWindow(other);
}

}  // namespace
