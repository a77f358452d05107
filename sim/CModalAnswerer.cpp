#include "sim/CModalAnswerer.h"

#include "sim/ModalWindows.h"
#include "sim/Screenshot.h"
#include "sim/ScriptText.h"
#include "sim/Transcript.h"

namespace {

const int PollMilliseconds = 20;
const int ActionTimeout = 120000;  // an action that neither ends nor shows a window hangs the host

int ButtonId(const std::string& name) {
  static const char* const names[] = {"", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No", "Close"};
  for (int id = 1; id < 9; ++id) {
    if (lstrcmpiA(names[id], name.c_str()) == 0) return id;
  }
  int id = 0;
  return ParseNumber(name, id) ? id : 0;
}

void PostKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The position of the item that a script word names: "#3" (the third item, separators counted),
// "id=32935" (by command), or its text as a pattern (with or without its "&" marks). -1 if none.
int FindMenuItem(HMENU menu, const std::string& word) {
  int number = 0;
  const int count = GetMenuItemCount(menu);
  if (word.size() > 1 && word[0] == '#' && ParseNumber(word.substr(1), number)) {
    return number >= 1 && number <= count ? number - 1 : -1;
  }
  if (word.compare(0, 3, "id=") == 0 && ParseNumber(word.substr(3), number)) {
    for (int i = 0; i < count; ++i) {
      if (static_cast<int>(GetMenuItemID(menu, i)) == number) return i;
    }
    return -1;
  }
  for (int i = 0; i < count; ++i) {
    const std::string text = MenuItemText(menu, i);
    if (!text.empty() && (MatchesPattern(text, word) || MatchesPattern(WithoutAccelerators(text), word))) return i;
  }
  return -1;
}

bool CheckMenuItemState(HMENU menu, const std::string& item, const std::string& state, std::string& failure) {
  const int position = FindMenuItem(menu, item);
  if (state == "absent" || position < 0) {
    if ((state == "absent") == (position < 0)) return true;
    failure = "the popup menu has no item \"" + item + "\"";
    if (state == "absent") failure = "the popup menu has the item \"" + item + "\" although it should not";
    return false;
  }
  const UINT flags = GetMenuState(menu, position, MF_BYPOSITION);
  const bool grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0, checked = (flags & MF_CHECKED) != 0;
  const bool holds = state == "present" || (state == "grayed" && grayed) || (state == "enabled" && !grayed) ||
                     (state == "checked" && checked) || (state == "unchecked" && !checked);
  if (!holds) {
    failure = "menu item \"" + MenuItemText(menu, position) + "\" is " + (grayed ? "grayed" : "enabled") +
              (checked ? " and checked" : "") + ", expected " + state;
  }
  return holds;
}

int HighlightedItem(HMENU menu) {
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) return i;
  }
  return -1;
}

// Moves the highlight down to the item, as the arrow keys of a user would. Each key is awaited
// before the next goes: keys still queued when Enter follows would move the highlight away.
bool HighlightItem(HWND window, HMENU menu, int position) {
  int highlighted = HighlightedItem(menu);
  for (int step = 0, steps = 2 * GetMenuItemCount(menu) + 2; highlighted != position; ++step) {
    if (step > steps) return false;
    PostKey(window, VK_DOWN);
    // Between two items the menu briefly highlights none: only a real new item means the key was
    // handled, and the next key must not be sent before (it would overshoot).
    int moved = highlighted;
    for (int waited = 0; (moved == highlighted || moved < 0) && waited < 5000; waited += 10) {
      Sleep(10);
      moved = HighlightedItem(menu);
    }
    if (moved == highlighted || moved < 0) return false;
    highlighted = moved;
  }
  return true;
}

}  // namespace

CModalAnswerer::CModalAnswerer(HWND frame, const std::string& shotFolder)
    : m_frame(frame), m_shotFolder(shotFolder), m_thread(&CModalAnswerer::Watch, this) {}

CModalAnswerer::~CModalAnswerer() {
  m_stop = true;
  m_thread.join();
}

void CModalAnswerer::BeginAction(const std::vector<ModalAnswer>& answers, bool noDialog) {
  std::lock_guard<std::mutex> hold(m_lock);
  m_pending.assign(answers.begin(), answers.end());
  m_noDialog = noDialog;
  m_failure.clear();
  m_failureLine = 0;
  m_inAction = true;
  m_actionStart = GetTickCount();
}

std::string CModalAnswerer::EndAction(int& failureLine) {
  for (;;) {
    {
      std::lock_guard<std::mutex> hold(m_lock);
      if (!m_answering) {
        m_inAction = false;
        if (!m_pending.empty()) {
          Fail(m_pending.front().Line, "the expected " + m_pending.front().Words[0] + " did not appear");
        }
        m_pending.clear();
        failureLine = m_failureLine;
        return m_failure;
      }
    }
    // The watcher may be waiting for this thread to answer a message it sent.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(5);
  }
}

void CModalAnswerer::Watch() {
  while (!m_stop) {
    WatchOnce();
    Sleep(PollMilliseconds);
  }
}

void CModalAnswerer::Fail(int line, const std::string& failure) {
  if (!m_failure.empty()) return;
  m_failure = failure;
  m_failureLine = line;
}

void CModalAnswerer::WatchOnce() {
  HWND window = FindModalWindow();
  // Read the window before taking the lock: reading sends messages to the host's thread, which may
  // be waiting for the lock in EndAction.
  const std::string description = window ? DescribeModalWindow(window) : std::string();
  std::unique_lock<std::mutex> hold(m_lock);
  if (m_inAction && GetTickCount() - m_actionStart > ActionTimeout) {
    Say("FAILED: an action ran for more than %d s without ending; the host is stopped", ActionTimeout / 1000);
    ExitProcess(3);
  }
  if (window == nullptr || window == m_answered) {
    if (window == nullptr) m_answered = nullptr;
    return;  // an answered window may take a moment to close
  }
  m_answered = nullptr;  // another window is on top; one answered before may need a new answer
  if (!m_failure.empty() || !m_inAction) {
    Dismiss(window);  // nothing may stay open once the script has failed or between actions
    return;
  }
  if (m_pending.empty()) {
    if (window != m_waiting) {
      m_waiting = window;
      m_waitingSince = GetTickCount();
    }
    if (m_noDialog) {
      Fail(0, "expected no dialog, but " + description + " appeared");
    } else if (GetTickCount() - m_waitingSince > static_cast<DWORD>(m_unansweredTimeout.load())) {
      Fail(0, description + " was left unanswered for " + std::to_string(m_unansweredTimeout / 1000) +
           " s");
    }
    return;
  }
  const ModalAnswer answer = m_pending.front();
  m_answering = true;
  hold.unlock();
  std::string failure;
  const bool answered = Answer(window, answer, failure);
  hold.lock();
  m_answering = false;
  if (answered) {
    m_pending.pop_front();
    m_answered = window;
  } else {
    Fail(answer.Line, failure);
  }
}

bool CModalAnswerer::Answer(HWND window, const ModalAnswer& answer, std::string& failure) {
  const std::string& kind = answer.Words[0];
  const std::string found = DescribeModalWindow(window);
  if (kind == "popup") {
    if (IsPopupMenuWindow(window)) return AnswerPopup(window, answer.Words, failure);
  } else if (kind == "messagebox") {
    if (IsMessageBox(window)) return AnswerMessageBox(window, answer.Words, failure);
  } else if (kind == "dialog") {
    if (!IsPopupMenuWindow(window) && !IsMessageBox(window)) return AnswerDialog(window, answer.Words, failure);
  }
  failure = "expected a " + kind + ", but " + found + " appeared";
  return false;
}

bool CModalAnswerer::AnswerMessageBox(HWND window, const std::vector<std::string>& words, std::string& failure) {
  // messagebox "<text>" [title "<title>"] [shot <name>] press <button>
  const std::string text = WindowText(GetDlgItem(window, 0xFFFF));
  if (words.size() < 2 || !MatchesPattern(text, words[1])) {
    failure = "expected a message box saying \"" + (words.size() > 1 ? words[1] : "") + "\", but " +
              DescribeModalWindow(window) + " appeared";
    return false;
  }
  for (size_t i = 2; i + 1 < words.size(); i += 2) {
    if (words[i] == "title" && !MatchesPattern(WindowText(window), words[i + 1])) {
      failure = "the message box is titled \"" + WindowText(window) + "\", expected \"" + words[i + 1] + "\"";
      return false;
    }
    if (words[i] == "shot") TakeShot(words[i + 1], window);
    if (words[i] == "press") {
      Say("  message box \"%s\": \"%s\" -> %s", WindowText(window).c_str(), text.c_str(), words[i + 1].c_str());
      return Press(window, words[i + 1], failure);
    }
  }
  failure = "the messagebox answer has no \"press <button>\"";
  return false;
}

bool CModalAnswerer::AnswerDialog(HWND window, const std::vector<std::string>& words, std::string& failure) {
  // dialog "<title>" [shot <name>] [set <id> "<text>"] [check <id> on|off] [choose <id> "<text>"]
  //        [expect <id> "<text>"] press <button>
  if (words.size() < 2 || !MatchesPattern(WindowText(window), words[1])) {
    failure = "expected a dialog \"" + (words.size() > 1 ? words[1] : "") + "\", but " + DescribeModalWindow(window) +
              " appeared";
    return false;
  }
  Say("  dialog \"%s\"", WindowText(window).c_str());
  for (size_t i = 2; i + 1 < words.size(); i += 2) {
    const std::string& verb = words[i];
    if (verb == "shot") {
      TakeShot(words[i + 1], window);
      continue;
    }
    if (verb == "press") return Press(window, words[i + 1], failure);
    int id = 0;
    HWND control = ParseNumber(words[i + 1], id) ? GetDlgItem(window, id) : nullptr;
    if (control == nullptr || i + 2 >= words.size()) {
      failure = "the dialog has no control " + words[i + 1] + " for \"" + verb + "\"";
      return false;
    }
    const std::string& value = words[i + 2];
    ++i;
    if (verb == "set") {
      SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    } else if (verb == "check") {
      const bool wanted = value == "on";
      if ((SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) != wanted) SendMessageA(control, BM_CLICK, 0, 0);
    } else if (verb == "choose") {
      if (SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str())) ==
          CB_ERR) {
        failure = "the list " + words[i] + " has no entry \"" + value + "\"";
        return false;
      }
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    } else if (verb == "expect") {
      if (!MatchesPattern(WindowText(control), value)) {
        failure = "control " + words[i] + " shows \"" + WindowText(control) + "\", expected \"" + value + "\"";
        return false;
      }
    } else {
      failure = "unknown dialog step \"" + verb + "\"";
      return false;
    }
  }
  failure = "the dialog answer has no \"press <button>\"";
  return false;
}

bool CModalAnswerer::AnswerPopup(HWND window, const std::vector<std::string>& words, std::string& failure) {
  // popup [shot <name>] [check <item> <state>]... (pick <item> [<item of its submenu>...] | cancel)
  HMENU menu = MenuOfWindow(window);
  for (size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "shot" && i + 1 < words.size()) {
      TakeShot(words[++i], window);
    } else if (words[i] == "check" && i + 2 < words.size()) {
      if (!CheckMenuItemState(menu, words[i + 1], words[i + 2], failure)) return false;
      i += 2;
    } else if (words[i] == "cancel") {
      Say("  popup menu: cancelled");
      for (HWND open = window; open && IsWindow(open); open = FindModalWindow()) {
        PostKey(open, VK_ESCAPE);
        Sleep(50);
        if (!IsPopupMenuWindow(open)) break;
      }
      return true;
    } else if (words[i] == "pick" && i + 1 < words.size()) {
      for (size_t level = i + 1; level < words.size(); ++level) {
        const int position = FindMenuItem(menu, words[level]);
        if (position < 0) {
          failure = "no item \"" + words[level] + "\" in " + DescribeModalWindow(window);
          return false;
        }
        if (GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) {
          failure = "menu item \"" + MenuItemText(menu, position) + "\" is grayed and cannot be picked";
          return false;
        }
        if (!HighlightItem(window, menu, position)) {
          failure = "menu item \"" + MenuItemText(menu, position) + "\" could not be reached with the arrow keys";
          return false;
        }
        Say("  popup menu: \"%s\"", MenuItemText(menu, position).c_str());
        if (level + 1 == words.size()) {
          PostKey(window, VK_RETURN);
          return true;
        }
        HMENU submenu = GetSubMenu(menu, position);
        PostKey(window, VK_RIGHT);
        window = submenu ? WaitForMenuWindow(submenu, 2000) : nullptr;
        if (window == nullptr) {
          failure = "menu item \"" + MenuItemText(menu, position) + "\" opened no submenu";
          return false;
        }
        menu = submenu;
      }
    } else {
      failure = "unknown popup step \"" + words[i] + "\"";
      return false;
    }
  }
  failure = "the popup answer has neither \"pick\" nor \"cancel\"";
  return false;
}

bool CModalAnswerer::Press(HWND window, const std::string& button, std::string& failure) {
  const int id = ButtonId(button);
  HWND control = id ? GetDlgItem(window, id) : nullptr;
  if (control == nullptr || !IsWindowEnabled(control)) {
    failure = DescribeModalWindow(window) + " has no " + (control ? "enabled " : "") + "button \"" + button + "\"";
    return false;
  }
  PostMessageA(control, BM_CLICK, 0, 0);
  return true;
}

void CModalAnswerer::TakeShot(const std::string& name, HWND window) {
  const std::string path = m_shotFolder + name + ".png";
  Say("  screenshot %s%s", path.c_str(), SaveScreenshot(path, m_frame, window) ? "" : " FAILED to save");
}

void CModalAnswerer::Dismiss(HWND window) {
  if (IsPopupMenuWindow(window)) {
    PostKey(window, VK_ESCAPE);
    return;
  }
  for (int id : {IDCANCEL, IDNO, IDOK}) {
    if (GetDlgItem(window, id)) {
      PostMessageA(window, WM_COMMAND, id, 0);
      return;
    }
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
}
