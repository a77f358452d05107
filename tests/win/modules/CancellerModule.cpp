// Test scaffolding: a module that links the plug-in's code and runs a dialog canceller, so that a
// test can stop it and let the module go while its watcher still runs.
#include <windows.h>

#include <memory>

#include "win/host/CReconstructDialogCanceller.h"

namespace {
std::unique_ptr<CReconstructDialogCanceller> canceller;
}

extern "C" __declspec(dllexport) void StartCanceller() {
  if (canceller) {
    canceller->Start();
  } else {
    canceller = std::make_unique<CReconstructDialogCanceller>();
  }
}

extern "C" __declspec(dllexport) void StopCanceller() {
  if (canceller) canceller->Stop();
}

extern "C" __declspec(dllexport) int CancellerIntervalNow() { return CancellerInterval.load(); }
