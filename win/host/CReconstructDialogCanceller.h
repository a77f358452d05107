#pragma once
// While the plug-in makes the host select a mail, the host may stop and ask "Message from Tovik!"
// (whether to reconstruct a folder's index) and wait for Yes or No. A canceller answers that question
// No on the user's behalf, from a watcher thread, so that the jump runs through. There is one watcher
// per process, whatever the number of cancellers; it never makes the user-interface thread wait.
#include <atomic>
#include <cstdint>

// The running watcher's sleep between two looks, in milliseconds: 100 until it has answered a box,
// then 10, so that further boxes of the same jump are answered at once; 0 while it is stopped.
extern std::atomic<std::int32_t> CancellerInterval;

class CReconstructDialogCanceller {
 public:
  CReconstructDialogCanceller() { Start(); }
  virtual ~CReconstructDialogCanceller() { Stop(); }
  CReconstructDialogCanceller(const CReconstructDialogCanceller&) = delete;
  CReconstructDialogCanceller& operator=(const CReconstructDialogCanceller&) = delete;

  // Starts a watcher unless one runs. Its first look is at once.
  void Start();
  // The watcher ends at its next look, within one interval, and answers no box after it.
  void Stop();
};
