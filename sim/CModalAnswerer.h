#pragma once
// Answers the modal windows that appear while a script action runs (message boxes, popup menus,
// dialogs), from a thread of its own, as a user would: it reads what the window shows, checks it
// against the script's expectation, and presses keys or buttons. A window that nobody expected is
// left for a while, then reported and closed, so that the action can end.
#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ModalAnswer {
  int Line = 0;                    // of the script, for messages
  std::vector<std::string> Words;  // "messagebox ...", "popup ...", "dialog ...", "no-dialog"
};

class CModalAnswerer {
 public:
  CModalAnswerer(HWND frame, const std::string& shotFolder);
  ~CModalAnswerer();

  void SetUnansweredTimeout(int milliseconds) { m_unansweredTimeout = milliseconds; }
  // The answers for the action that runs next; with `noDialog` any modal window fails at once.
  void BeginAction(const std::vector<ModalAnswer>& answers, bool noDialog);
  // After the action returned: empty when every answer was given, else what went wrong and the
  // script line it concerns (0 for the action's own line).
  std::string EndAction(int& failureLine);

 private:
  void Watch();
  void WatchOnce();
  void Fail(int line, const std::string& failure);
  bool Answer(HWND window, const ModalAnswer& answer, std::string& failure);
  bool AnswerMessageBox(HWND window, const std::vector<std::string>& words, std::string& failure);
  bool AnswerDialog(HWND window, const std::vector<std::string>& words, std::string& failure);
  // The first column of the dialog's list view, rows joined by "|", matches the pattern.
  bool CheckRows(HWND window, int id, const std::string& pattern, std::string& failure);
  bool AnswerPopup(HWND window, const std::vector<std::string>& words, std::string& failure);
  // Offers the key combination to the plug-ins while the modal window is up, as the host would.
  bool OfferKey(const std::string& combination, std::string& failure);
  bool Press(HWND window, const std::string& button, std::string& failure);
  void TakeShot(const std::string& name, HWND window);

  HWND m_frame;
  std::string m_shotFolder;
  std::atomic<int> m_unansweredTimeout{5000};
  std::mutex m_lock;
  std::deque<ModalAnswer> m_pending;
  bool m_noDialog = false;
  bool m_inAction = false;
  bool m_answering = false;
  std::string m_failure;
  int m_failureLine = 0;
  DWORD m_actionStart = 0;
  HWND m_answered = nullptr;  // closing after its answer
  HWND m_waiting = nullptr;   // shown without an answer since m_waitingSince
  DWORD m_waitingSince = 0;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};
