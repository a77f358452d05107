#pragma once
// Process-wide state around the host's calls, shared by the entry points and the actions. Everything
// runs on the host's user-interface thread; the flags are atomic because the short-lived helper
// threads read them.
#include <atomic>

// Receives header values and mail identifiers from the host; always handed over with its size.
constexpr int SharedTextBufferSize = 1024;
extern char SharedTextBuffer[SharedTextBufferSize];

// 1 = TVC_OnOpenMail may record; 0 while a recording or a history jump runs.
extern std::atomic<int> OpenMailGuard;
// Set to 1 by TVC_OnExit.
extern std::atomic<int> ExitingFlag;
