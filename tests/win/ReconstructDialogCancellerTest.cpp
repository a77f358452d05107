// The host's question box answered No from a watcher thread: this process's boxes only, 100 ms and
// then 10 ms between looks, one watcher however often it is started, no box answered after Stop, and
// no watcher running on in a plug-in the host has let go.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <functional>
#include <memory>

#include "uiauto/UiAutomation.h"

namespace {

const char QuestionTitle[] = "Message from Tovik!";
const char ModuleName[] = "canceller_module.dll";

template <class Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The canceller of a module of its own, which links the plug-in's code; loaded afresh, as the watcher
// of an earlier test may hold it a moment longer.
struct CancellerModule {
  bool Unloaded = uiauto::WaitFor([] { return GetModuleHandleA(ModuleName) == nullptr; });
  HMODULE Module = LoadLibraryA(ModuleName);
  void (*Start)() = Export<void (*)()>(Module, "StartCanceller");
  void (*Stop)() = Export<void (*)()>(Module, "StopCanceller");
  int (*Interval)() = Export<int (*)()>(Module, "CancellerIntervalNow");
};

int ThreadsOfThisProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  }
  CloseHandle(snapshot);
  return count;
}

// The question asked on a thread of its own, as the host's thread would. This thread serves its
// windows while it waits, as the box's activation may ask them.
class Question {
 public:
  Question() : m_asker([this] { m_answer = MessageBoxA(nullptr, "Reconstruct?", QuestionTitle, MB_YESNO); }) {}
  HWND Box() const {
    HWND box = nullptr;
    uiauto::PumpMessagesUntil([&] { return (box = uiauto::FindWindowOf({"#32770", QuestionTitle})) != nullptr; });
    return box;
  }
  // The button that answered it; Yes when it was left to the test.
  int Answer(DWORD waitForOthers) {
    if (!uiauto::PumpMessagesUntil([this] { return m_answer != 0; }, waitForOthers)) uiauto::ClickButton(Box(), IDYES);
    m_asker.Join();
    return m_answer;
  }

 private:
  std::atomic<int> m_answer{0};
  uiauto::UserThread m_asker;
};

TEST(ReconstructDialogCanceller, AnswersOnlyThisProcesssBoxesWithOneWatcher) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION other = {};
  char command[] = "foreign_question_box.exe";
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &other));
  HWND otherBox = nullptr;
  uiauto::WaitFor([&] {
    DWORD owner = 0;
    otherBox = FindWindowA(nullptr, QuestionTitle);
    return otherBox && GetWindowThreadProcessId(otherBox, &owner) && owner == other.dwProcessId;
  });
  CancellerModule canceller;
  ASSERT_NE(canceller.Interval, nullptr) << ModuleName << ": error " << GetLastError();
  const int threadsBefore = ThreadsOfThisProcess();
  canceller.Start();
  const int searching = canceller.Interval();
  canceller.Start();
  const int threadsRunning = ThreadsOfThisProcess();
  // Started again before the stopped watcher has woken up: that one ends all the same.
  canceller.Stop();
  canceller.Start();
  const bool oneWatcherAgain = uiauto::WaitFor([&] { return ThreadsOfThisProcess() == threadsBefore + 1; });
  // The watcher answers ours only after it has looked at the other program's box too.
  const int answer = Question().Answer(5000);
  const int afterABox = canceller.Interval();
  const bool otherBoxOpen = IsWindowVisible(otherBox) != FALSE;
  canceller.Stop();
  FreeLibrary(canceller.Module);
  uiauto::ClickButton(otherBox, IDYES);
  DWORD otherAnswer = 0;
  WaitForSingleObject(other.hProcess, 5000);
  GetExitCodeProcess(other.hProcess, &otherAnswer);
  CloseHandle(other.hThread);
  CloseHandle(other.hProcess);
  EXPECT_EQ(searching, 100);
  EXPECT_EQ(threadsRunning, threadsBefore + 1) << "a second Start while running starts no second watcher";
  EXPECT_TRUE(oneWatcherAgain) << "a watcher told to stop ran on after the next Start";
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(afterABox, 10);
  EXPECT_TRUE(otherBoxOpen && otherAnswer == IDYES) << "another program's box was answered";
}

// A top-level window titled as the host's question, without any button.
struct BareBox {
  std::function<void(WPARAM, LPARAM)> OnCommand;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<BareBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && box) box->OnCommand(wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
  }
};

TEST(ReconstructDialogCanceller, StopWhileAnsweringEndsTheWatcherAndLeavesTheNextBoxAlone) {
  CancellerModule canceller;
  ASSERT_NE(canceller.Start, nullptr);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &BareBox::Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "RazBareQuestion";
  RegisterClassA(&windowClass);
  BareBox bare;
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, QuestionTitle, WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&bare));
  WPARAM command = 0;
  LPARAM button = -1;
  std::unique_ptr<Question> next;
  // The watcher is inside its call here: the canceller stops and the host lets the module go while
  // the next question is already open.
  bare.OnCommand = [&](WPARAM wParam, LPARAM lParam) {
    if (next) return;
    command = wParam;
    button = lParam;
    next = std::make_unique<Question>();
    next->Box();
    canceller.Stop();
    FreeLibrary(canceller.Module);
  };
  canceller.Start();
  const bool unloaded = uiauto::PumpMessagesUntil([] { return GetModuleHandleA(ModuleName) == nullptr; });
  DestroyWindow(window);
  ASSERT_TRUE(next) << "the bare box got no command";
  EXPECT_EQ(next->Answer(0), IDYES) << "a box that opened after Stop was answered";
  EXPECT_EQ(command, static_cast<WPARAM>(IDNO));
  EXPECT_EQ(button, 0) << "no button, no button handle";
  EXPECT_TRUE(unloaded) << "the watcher ran on after Stop, in a module the host had let go";
}

}  // namespace
