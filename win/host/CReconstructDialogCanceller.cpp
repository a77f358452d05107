#include "win/host/CReconstructDialogCanceller.h"

#include <windows.h>

#include "win/host/ModuleThreads.h"

std::atomic<std::int32_t> CancellerInterval{0};

namespace {

const char QuestionTitle[] = "Message from Tovik!";
const std::int32_t SearchInterval = 100;
const std::int32_t AnsweredInterval = 10;

// Which start the watcher belongs to. A watcher told to stop may still sleep when the next start
// comes; the new generation ends it at its next look instead of letting it run on.
std::atomic<std::uint32_t> WatcherGeneration{0};

bool IsRunning(std::uint32_t generation) {
  // The interval first: a start sets the generation before the interval, so a watcher that sees
  // the new interval sees the new generation too.
  return CancellerInterval.load() != 0 && WatcherGeneration.load() == generation;
}

// Presses No in the first question box of this process. The title alone says nothing of the owner:
// another program's box, another copy of the host's among them, is none of ours to answer.
bool AnswerOneBox(std::uint32_t generation) {
  for (HWND box = FindWindowExA(nullptr, nullptr, nullptr, QuestionTitle); box != nullptr;
       box = FindWindowExA(nullptr, box, nullptr, QuestionTitle)) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (process != GetCurrentProcessId()) continue;
    if (!IsRunning(generation)) return false;
    // A box without a No button still gets the command, with no button handle.
    SendMessageA(box, WM_COMMAND, IDNO, reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    return true;
  }
  return false;
}

// Only a running interval is lowered: a stop written meanwhile stays a stop.
void LowerInterval() {
  std::int32_t running = CancellerInterval.load();
  while (running > AnsweredInterval && !CancellerInterval.compare_exchange_weak(running, AnsweredInterval)) {
  }
}

unsigned __stdcall Watch(void* parameter) {
  const auto generation = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(parameter));
  while (IsRunning(generation)) {
    if (AnswerOneBox(generation)) LowerInterval();
    const std::int32_t interval = CancellerInterval.load();
    if (interval > 0) Sleep(static_cast<DWORD>(interval));
  }
  EndModuleThread();
}

}  // namespace

void CReconstructDialogCanceller::Start() {
  if (CancellerInterval.load() != 0) return;
  const std::uint32_t generation = ++WatcherGeneration;
  CancellerInterval.store(SearchInterval);
  if (!StartModuleThread(&Watch, reinterpret_cast<void*>(static_cast<std::uintptr_t>(generation)))) {
    CancellerInterval.store(0);
  }
}

void CReconstructDialogCanceller::Stop() { CancellerInterval.store(0); }
