#include "sim/CModalAnswerer.h"

#include <commctrl.h>

#include "sim/CMainFrame.h"
#include "sim/Screenshot.h"
#include "sim/ScriptText.h"
#include "sim/Transcript.h"
#include "uiauto/UiAutomation.h"

namespace {

const int PollMilliseconds = 20;
const int ActionTimeout = 120000;  // an action that neither ends nor shows a window hangs the host

// The window that holds the control: the dialog itself, or the page a property sheet shows.
HWND ControlHolder(HWND dialog, int id) {
  if (GetDlgItem(dialog, id) != nullptr) return dialog;
  HWND page = reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETCURRENTPAGEHWND, 0, 0));
  return page != nullptr && GetDlgItem(page, id) != nullptr ? page : nullptr;
}

// Shows the property sheet's page whose tab matches (or the n-th for "#n"), as a click on the tab would; false when there is
// no such tab or the page shown did not let go.
bool ShowPage(HWND sheet, const std::string& title, std::string& failure) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  const int count = tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  for (int index = 0; index < count; ++index) {
    char text[256] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    int position = 0;
    const bool byPosition = title.size() > 1 && title[0] == '#' && ParseNumber(title.substr(1), position);
    if (!SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) continue;
    if (byPosition ? position != index + 1 : !MatchesPattern(text, title)) continue;
    if (uiauto::ShowPage(sheet, index)) {
      // Painted before anything looks at it: a screenshot would otherwise show the page left.
      RedrawWindow(sheet, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
      return true;
    }
    failure = "the sheet did not change to the page \"" + title + "\"";
    return false;
  }
  failure = "the dialog has no page \"" + title + "\"";
  return false;
}

// "Ctrl+Alt+F5" into a hot-key control, modifiers and all.
bool SetHotKey(HWND control, const std::string& text) {
  int key = 0, shift = 0;
  if (!ParseKeyCombination(text, key, shift)) return false;
  const BYTE modifiers = (text.find("Ctrl+") != std::string::npos ? HOTKEYF_CONTROL : 0) |
                         (text.find("Shift+") != std::string::npos ? HOTKEYF_SHIFT : 0) |
                         (text.find("Alt+") != std::string::npos ? HOTKEYF_ALT : 0);
  SendMessageA(control, HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
  return true;
}

int ButtonId(const std::string& name) {
  static const char* const names[] = {"", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No", "Close"};
  for (int id = 1; id < 9; ++id) {
    if (lstrcmpiA(names[id], name.c_str()) == 0) return id;
  }
  int id = 0;
  return ParseNumber(name, id) ? id : 0;
}

// One line that says what the window is and shows, for failure messages.
std::string Describe(HWND window) {
  if (uiauto::IsPopupMenu(window)) {
    std::string items;
    for (const uiauto::MenuItem& item : uiauto::MenuItemsOf(uiauto::MenuOf(window))) {
      items += (items.empty() ? "\"" : ", \"") + (item.Text.empty() ? std::string("-") : item.Text) + "\"";
    }
    return "a popup menu with the items " + items;
  }
  if (uiauto::IsMessageBox(window)) {
    return "a message box \"" + uiauto::TextOf(window) + "\" saying \"" + uiauto::MessageBoxText(window) + "\"";
  }
  return "a dialog \"" + uiauto::TextOf(window) + "\"";
}

// The id of the window's enabled button of that name; 0, and the failure, when it has none.
int ButtonOf(HWND window, const std::string& button, std::string& failure) {
  const int id = ButtonId(button);
  HWND control = id ? GetDlgItem(window, id) : nullptr;
  if (control != nullptr && IsWindowEnabled(control)) return id;
  failure = Describe(window) + " has no " + (control ? "enabled " : "") + "button \"" + button + "\"";
  return 0;
}

// The position of the item that a script word names: "#3" (the third item, separators counted),
// "id=32935" (by command), or its text as a pattern (with or without its "&" marks). -1 if none.
int FindMenuItem(const std::vector<uiauto::MenuItem>& items, const std::string& word) {
  int number = 0;
  const int count = static_cast<int>(items.size());
  if (word.size() > 1 && word[0] == '#' && ParseNumber(word.substr(1), number)) {
    return number >= 1 && number <= count ? number - 1 : -1;
  }
  const bool byCommand = word.compare(0, 3, "id=") == 0 && ParseNumber(word.substr(3), number);
  for (int i = 0; i < count; ++i) {
    const uiauto::MenuItem& item = items[i];
    if (byCommand ? !item.Separator && !item.HasSubMenu && item.Id == static_cast<UINT>(number)
                  : !item.Text.empty() && (MatchesPattern(item.Text, word) ||
                                           MatchesPattern(WithoutAccelerators(item.Text), word))) {
      return i;
    }
  }
  return -1;
}

bool CheckMenuItemState(HMENU menu, const std::string& word, const std::string& state, std::string& failure) {
  const std::vector<uiauto::MenuItem> items = uiauto::MenuItemsOf(menu);
  const int position = FindMenuItem(items, word);
  if (state == "absent" || position < 0) {
    if ((state == "absent") == (position < 0)) return true;
    failure = "the popup menu has no item \"" + word + "\"";
    if (state == "absent") failure = "the popup menu has the item \"" + word + "\" although it should not";
    return false;
  }
  const uiauto::MenuItem& item = items[position];
  const bool holds = state == "present" || (state == "grayed" && item.Grayed) ||
                     (state == "enabled" && !item.Grayed) || (state == "checked" && item.Checked) ||
                     (state == "unchecked" && !item.Checked);
  if (!holds) {
    failure = "menu item \"" + item.Text + "\" is " + (item.Grayed ? "grayed" : "enabled") +
              (item.Checked ? " and checked" : "") + ", expected " + state;
  }
  return holds;
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
  HWND window = uiauto::FindModalWindow();
  // Read the window before taking the lock: reading sends messages to the host's thread, which may
  // be waiting for the lock in EndAction.
  const std::string description = window ? Describe(window) : std::string();
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
    uiauto::Dismiss(window);  // nothing may stay open once the script has failed or between actions
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
  const bool menu = uiauto::IsPopupMenu(window), box = uiauto::IsMessageBox(window);
  if (kind == "popup" && menu) return AnswerPopup(window, answer.Words, failure);
  if (kind == "messagebox" && box) return AnswerMessageBox(window, answer.Words, failure);
  if (kind == "dialog" && !menu && !box) return AnswerDialog(window, answer.Words, failure);
  failure = "expected a " + kind + ", but " + Describe(window) + " appeared";
  return false;
}

bool CModalAnswerer::AnswerMessageBox(HWND window, const std::vector<std::string>& words, std::string& failure) {
  // messagebox "<text>" [title "<title>"] [shot <name>] press <button>
  const std::string text = uiauto::MessageBoxText(window), title = uiauto::TextOf(window);
  if (words.size() < 2 || !MatchesPattern(text, words[1])) {
    failure = "expected a message box saying \"" + (words.size() > 1 ? words[1] : "") + "\", but " +
              Describe(window) + " appeared";
    return false;
  }
  for (size_t i = 2; i + 1 < words.size(); i += 2) {
    if (words[i] == "title" && !MatchesPattern(title, words[i + 1])) {
      failure = "the message box is titled \"" + title + "\", expected \"" + words[i + 1] + "\"";
      return false;
    }
    if (words[i] == "shot") TakeShot(words[i + 1], window);
    if (words[i] == "key" && !OfferKey(words[i + 1], failure)) return false;
    if (words[i] == "press") {
      Say("  message box \"%s\": \"%s\" -> %s", title.c_str(), text.c_str(), words[i + 1].c_str());
      const int id = ButtonOf(window, words[i + 1], failure);
      // The next answer may click the box's owner, which must have taken input again by then.
      if (id != 0 && !uiauto::AnswerMessageBox(window, id)) failure = Describe(window) + " did not give way to its owner";
      return failure.empty();
    }
  }
  failure = "the messagebox answer has no \"press <button>\"";
  return false;
}

bool CModalAnswerer::AnswerDialog(HWND window, const std::vector<std::string>& words, std::string& failure) {
  // dialog "<title>" [shot <name>] [page "<tab>"] [set <id> "<text>"] [check <id> on|off]
  //        [choose <id> "<text>"] [hotkey <id> <keys>] [expect <id> "<text>"]
  //        [rows <id> "<titles joined by |>"] [key <key>] [click <button>] press <button>|none
  const std::string title = uiauto::TextOf(window);
  if (words.size() < 2 || !MatchesPattern(title, words[1])) {
    failure = "expected a dialog \"" + (words.size() > 1 ? words[1] : "") + "\", but " + Describe(window) +
              " appeared";
    return false;
  }
  Say("  dialog \"%s\"", title.c_str());
  for (size_t i = 2; i + 1 < words.size(); i += 2) {
    const std::string& verb = words[i];
    if (verb == "shot") {
      TakeShot(words[i + 1], window);
      continue;
    }
    if (verb == "page") {
      if (!ShowPage(window, words[i + 1], failure)) return false;
      continue;
    }
    // "press none": the last step opens a window of its own (a warning), which the next answer takes.
    if (verb == "press") return words[i + 1] == "none" || Press(window, words[i + 1], failure);
    // A button that leaves the dialog open (a register button): the answer goes on.
    if (verb == "click") {
      if (!Press(window, words[i + 1], failure)) return false;
      continue;
    }
    if (verb == "key") {
      int key = 0, shift = 0;
      if (!ParseKeyCombination(words[i + 1], key, shift) || shift != 0) {
        failure = "no key \"" + words[i + 1] + "\" for a dialog";
        return false;
      }
      uiauto::PressKey(window, static_cast<UINT>(key));
      // A key may end the dialog (Enter, Escape): an answer may end with it.
      if (i + 2 == words.size()) return true;
      continue;
    }
    int id = 0;
    HWND holder = ParseNumber(words[i + 1], id) ? ControlHolder(window, id) : nullptr;
    if (holder == nullptr || i + 2 >= words.size()) {
      failure = "the dialog has no control " + words[i + 1] + " for \"" + verb + "\"";
      return false;
    }
    const std::string& value = words[i + 2];
    ++i;
    if (verb == "set") {
      uiauto::SetControlText(holder, id, value);
    } else if (verb == "check") {
      uiauto::SetChecked(holder, id, value == "on");
    } else if (verb == "hotkey") {
      if (!SetHotKey(GetDlgItem(holder, id), value)) {
        failure = "\"" + value + "\" is no key combination";
        return false;
      }
    } else if (verb == "choose") {
      if (!uiauto::ChooseEntry(holder, id, value)) {
        failure = "the list " + words[i] + " has no entry \"" + value + "\"";
        return false;
      }
    } else if (verb == "rows") {
      if (!CheckRows(holder, id, value, failure)) return false;
    } else if (verb == "expect") {
      const std::string shown = uiauto::ControlText(holder, id);
      if (!MatchesPattern(shown, value)) {
        failure = "control " + words[i] + " shows \"" + shown + "\", expected \"" + value + "\"";
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

bool CModalAnswerer::CheckRows(HWND window, int id, const std::string& pattern, std::string& failure) {
  std::string rows;
  const auto shows = [&] {
    rows.clear();
    for (const std::string& text : uiauto::ListViewColumn(GetDlgItem(window, id), 0)) {
      rows += (rows.empty() ? "" : "|") + text;
    }
    return MatchesPattern(rows, pattern);
  };
  // A key posted just before reaches the dialog after the rows may first have been read.
  if (uiauto::WaitFor(shows, 2000)) return true;
  failure = "list " + std::to_string(id) + " shows \"" + rows + "\", expected \"" + pattern + "\"";
  return false;
}

bool CModalAnswerer::AnswerPopup(HWND window, const std::vector<std::string>& words, std::string& failure) {
  // popup [shot <name>] [check <item> <state>] [open <submenu item>]... (pick <item> [<item of its
  // submenu>...] | cancel); after "open" the checks and the pick concern the submenu.
  HMENU menu = uiauto::MenuOf(window);
  std::vector<HWND> menus;  // the levels opened above the current one
  for (size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "shot" && i + 1 < words.size()) {
      TakeShot(words[++i], window);
    } else if (words[i] == "check" && i + 2 < words.size()) {
      if (!CheckMenuItemState(menu, words[i + 1], words[i + 2], failure)) return false;
      i += 2;
    } else if (words[i] == "open" && i + 1 < words.size()) {
      const std::vector<uiauto::MenuItem> items = uiauto::MenuItemsOf(menu);
      const int position = FindMenuItem(items, words[++i]);
      HWND opened = position < 0 ? nullptr : uiauto::OpenSubMenu(window, position);
      if (opened == nullptr) {
        failure = "no submenu \"" + words[i] + "\" opens in " + Describe(window);
        return false;
      }
      Say("  popup menu: opened \"%s\"", items[position].Text.c_str());
      menus.push_back(window);
      window = opened;
      menu = uiauto::MenuOf(window);
    } else if (words[i] == "cancel") {
      Say("  popup menu: cancelled");
      // Escape closes one level; Alt leaves the whole menu, whatever level is open. The keys go to the
      // top level's window: a submenu's may already be gone (the pointer can rest on the menu).
      if (menus.empty()) {
        uiauto::PressKey(window, VK_ESCAPE);
      } else {
        PostMessageA(menus.front(), WM_SYSKEYDOWN, VK_MENU, 0x20000001);
        PostMessageA(menus.front(), WM_SYSKEYUP, VK_MENU, static_cast<LPARAM>(0xE0000001u));
      }
      return true;
    } else if (words[i] == "pick" && i + 1 < words.size()) {
      for (size_t level = i + 1; level < words.size(); ++level) {
        const std::vector<uiauto::MenuItem> items = uiauto::MenuItemsOf(menu);
        const int position = FindMenuItem(items, words[level]);
        if (position < 0) {
          failure = "no item \"" + words[level] + "\" in " + Describe(window);
          return false;
        }
        const std::string& text = items[position].Text;
        if (items[position].Grayed) {
          failure = "menu item \"" + text + "\" is grayed and cannot be picked";
          return false;
        }
        if (!uiauto::HighlightMenuItem(window, position)) {
          failure = "menu item \"" + text + "\" could not be reached with the arrow keys";
          return false;
        }
        Say("  popup menu: \"%s\"", text.c_str());
        if (level + 1 == words.size()) {
          uiauto::PressKey(window, VK_RETURN);
          return true;
        }
        window = uiauto::OpenSubMenu(window, position);
        if (window == nullptr) {
          failure = "menu item \"" + text + "\" opened no submenu";
          return false;
        }
        menu = uiauto::MenuOf(window);
      }
    } else {
      failure = "unknown popup step \"" + words[i] + "\"";
      return false;
    }
  }
  failure = "the popup answer has neither \"pick\" nor \"cancel\"";
  return false;
}

bool CModalAnswerer::OfferKey(const std::string& combination, std::string& failure) {
  int key = 0, shift = 0;
  if (!ParseKeyCombination(combination, key, shift)) {
    failure = "no key \"" + combination + "\"";
    return false;
  }
  // A plug-in that takes the key may show a menu, which holds the host's thread: no answer then.
  DWORD_PTR used = 0;
  const bool answered = SendMessageTimeoutA(m_frame, CMainFrame::KeyPressMessage, static_cast<WPARAM>(key),
                                            static_cast<LPARAM>(shift), SMTO_NORMAL, 2000, &used) != 0;
  Say("  key code %d, shift code %d under the modal window: %s", key, shift,
      !answered ? "no answer" : used ? "used" : "not used");
  return true;
}

bool CModalAnswerer::Press(HWND window, const std::string& button, std::string& failure) {
  const int id = ButtonOf(window, button, failure);
  if (id != 0) uiauto::ClickButton(window, id);
  return id != 0;
}

void CModalAnswerer::TakeShot(const std::string& name, HWND window) {
  // What an answer step just changed (a control's text) is drawn before the picture is taken.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::string path = m_shotFolder + name + ".png";
  Say("  screenshot %s%s", path.c_str(), SaveScreenshot(path, m_frame, window) ? "" : " FAILED to save");
}
