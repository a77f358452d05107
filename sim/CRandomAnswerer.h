#pragma once
// The soak run's user at the modal windows: from a thread of its own it answers whatever dialog,
// message box or popup menu appears with a random valid answer, as a user might (a few changes to a
// dialog's controls, then OK, Cancel, Escape, Enter or the close box), so that windows no script
// foresaw are answered too. The same seed and the same windows give the same answers.
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "uiauto/UiAutomation.h"

// What the answers of one action did that may rightly take favorites away.
struct AnswerAccount {
  bool MayDelete = false;  // a question answered Yes, a row removed in a dialog
  int Answers = 0;
  std::string Failure;
};

class CRandomAnswerer {
 public:
  // An action that is still running after `hangMilliseconds` ends the process with exit code 3.
  CRandomAnswerer(unsigned seed, DWORD hangMilliseconds);
  ~CRandomAnswerer();

  // With `hostMenuFirst` the first popup menu is the host's own, where only plug-in commands (at or
  // above `firstPluginCommand`) may be picked.
  void BeginAction(const std::string& name, bool hostMenuFirst, UINT firstPluginCommand);
  AnswerAccount EndAction();

 private:
  void Watch();
  void WatchOnce();
  void Answer(HWND window);
  void AnswerMessageBox(HWND box);
  void AnswerPopup(HWND popup);
  // One step of a user in a dialog: a change to one of its controls, or closing it.
  void AnswerDialog(HWND dialog);
  bool ChangeControl(HWND dialog);
  void ChooseEntry(HWND holder, const uiauto::Control& control, bool listBox);
  // A row selected, renamed in place, or a key pressed in the list.
  void WorkListView(HWND list);
  const char* RandomText();
  void MayDelete();
  // OK, Enter, Escape, the close box or Cancel; with `dismiss`, whatever ends it without a choice.
  void CloseDialog(HWND dialog, bool dismiss);
  unsigned Random(unsigned count) { return count ? static_cast<unsigned>(m_random() % count) : 0; }
  bool Chance(unsigned percent) { return Random(100) < percent; }

  DWORD m_hangMilliseconds;
  std::mt19937 m_random;
  std::mutex m_lock;
  std::string m_action;
  bool m_inAction = false;
  bool m_answering = false;
  bool m_hostMenuFirst = false;
  UINT m_firstPluginCommand = 0;
  DWORD m_actionStart = 0;
  AnswerAccount m_account;
  std::map<HWND, int> m_steps;  // steps taken in each window of the action
  HWND m_closing = nullptr;     // told to close; left alone while it goes
  DWORD m_closingSince = 0;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};
