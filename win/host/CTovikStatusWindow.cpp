#include "win/host/CTovikStatusWindow.h"

#include <atomic>

#include "core/hostlink/CHostLink.h"
#include "win/host/HostCallState.h"
#include "win/host/ModuleThreads.h"

// What one keeper thread works on. The text is the keeper's own copy, so a later ShowSticky never
// changes it under the thread.
struct StickyKeeper {
  StickyKeeper(HWND statusBar, const std::string& text, DWORD milliseconds)
      : StatusBar(statusBar), StickyText(text), StickyMilliseconds(milliseconds) {}
  ~StickyKeeper() {
    if (Finished != nullptr) CloseHandle(Finished);
  }
  StickyKeeper(const StickyKeeper&) = delete;
  StickyKeeper& operator=(const StickyKeeper&) = delete;

  const HWND StatusBar;
  const std::string StickyText;
  const DWORD StickyMilliseconds;
  const TVA_SetMessageText_t SetMessageText = Host().SetMessageText;
  std::atomic<bool> StopRequested{false};
  // Set once the thread has made its last call into the host.
  const HANDLE Finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

namespace {

unsigned __stdcall KeepStickyText(void* parameter) {
  std::unique_ptr<std::shared_ptr<StickyKeeper>> reference(static_cast<std::shared_ptr<StickyKeeper>*>(parameter));
  StickyKeeper& keeper = **reference;
  const DWORD start = GetTickCount();
  while (!keeper.StopRequested) {
    if (CWindow::TextOf(keeper.StatusBar) != keeper.StickyText) {
      keeper.SetMessageText(nullptr, keeper.StickyText.c_str());
    }
    Sleep(10);
    if (GetTickCount() - start > keeper.StickyMilliseconds) break;
  }
  SetEvent(keeper.Finished);
  reference.reset();
  EndModuleThread();
}

// Waits for the event while serving the messages other threads send to this thread's windows
// (the keeper reads the status bar's text with such a message). Bounded, so a hung host cannot
// hang the plug-in.
void WaitServingSentMessages(HANDLE event, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    const DWORD result = MsgWaitForMultipleObjects(1, &event, FALSE, milliseconds - elapsed, QS_SENDMESSAGE);
    if (result != WAIT_OBJECT_0 + 1) return;
  }
}

// Starts the thread with its own reference to the keeper.
bool StartKeeperThread(const std::shared_ptr<StickyKeeper>& keeper) {
  if (keeper->Finished == nullptr || keeper->SetMessageText == nullptr) return false;
  auto* threadReference = new std::shared_ptr<StickyKeeper>(keeper);
  if (StartModuleThread(&KeepStickyText, threadReference)) return true;
  delete threadReference;
  return false;
}

}  // namespace

CTovikStatusWindow::~CTovikStatusWindow() {
  // No waiting here: at process exit the keeper may already be gone without a word. It owns all
  // it reads, so it may well outlive this object.
  if (m_keeper) m_keeper->StopRequested = true;
}

void CTovikStatusWindow::SetText(const std::string& text) { Host().SetMessageText(nullptr, text.c_str()); }

void CTovikStatusWindow::ShowSticky(const std::string& text, DWORD milliseconds) {
  EndKeeper();
  SetText(text);
  if (ExitingFlag != 0) return;
  auto keeper = std::make_shared<StickyKeeper>(GetHandle(), text, milliseconds);
  if (StartKeeperThread(keeper)) m_keeper = std::move(keeper);
}

void CTovikStatusWindow::EndKeeper() {
  if (!m_keeper) return;
  m_keeper->StopRequested = true;
  const DWORD longestHostCall = 2000;
  WaitServingSentMessages(m_keeper->Finished, longestHostCall);
  m_keeper.reset();
}
