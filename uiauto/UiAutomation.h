#pragma once
// Drives modal user interface from a helper thread as a user would: waits for a dialog, message box
// or popup menu of any thread of this process, reads what it shows and answers it with keys, clicks
// or control messages. Plain Win32; no knowledge of the plug-in or of a host. The Windows tests and
// the simulated host's script runner both answer through it.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace uiauto {

// Long enough for a slow machine under load; a test that waits this long has failed anyway.
constexpr DWORD DefaultTimeout = 10000;

std::string TextOf(HWND window);
// The text as UTF-16, for texts outside the ANSI code page.
std::wstring WideTextOf(HWND window);
std::string ClassOf(HWND window);

// A visible top-level window of this process; empty fields match anything.
struct WindowQuery {
  std::string ClassName;
  std::string Title;
  DWORD ThreadId = 0;  // 0: any thread of this process
};
HWND FindWindowOf(const WindowQuery& query);
// Dialogs and message boxes both have the dialog class; message boxes are captioned by their owner.
HWND WaitForDialog(const std::string& title = std::string(), DWORD threadId = 0, DWORD timeout = DefaultTimeout);
HWND WaitForPopupMenu(DWORD threadId = 0, DWORD timeout = DefaultTimeout);
// The window a user answers: the visible popup menu, dialog or message box of this process that owns
// no other visible one (an owner waits under the window it opened), the topmost if several; or null.
HWND FindModalWindow();
// The visible message box the window owns, wherever it lies in z-order; or null.
HWND FindMessageBoxOf(HWND owner);
// Presses the message box's button and waits until the box has gone and its owner takes input again
// (or the answer has opened the owner's next window at once): a click on the owner posted before then
// is not the user's next step. False when neither happened.
bool AnswerMessageBox(HWND box, int button, DWORD timeout = DefaultTimeout);
bool IsPopupMenu(HWND window);
// A message box is a dialog with the static text control 0xFFFF.
bool IsMessageBox(HWND window);
// True once the window is gone or hidden.
bool WaitUntilGone(HWND window, DWORD timeout = DefaultTimeout);
// Waits for the condition, checking every few milliseconds; false when it never held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeout = DefaultTimeout);

// What a dialog shows: its child windows and theirs, in creation order.
struct Control {
  HWND Handle;
  int Id;
  std::string ClassName;
  std::string Text;
  bool Enabled;
};
std::vector<Control> ControlsOf(HWND dialog);
// A control's text; for a list box, its selected entry.
std::string ControlText(HWND dialog, int id);
// The texts of a list view's rows in one column, top to bottom (a virtual list asks its owner).
std::vector<std::string> ListViewColumn(HWND list, int column);
// The message of a message box.
std::string MessageBoxText(HWND box);
// The window that has the keyboard focus in the thread of the given window.
HWND FocusOf(HWND window);

// What a popup menu shows.
struct MenuItem {
  UINT Id;
  std::string Text;
  bool Grayed;
  bool Checked;
  bool Separator;
  bool HasSubMenu;
};
HMENU MenuOf(HWND popup);
std::vector<MenuItem> MenuItemsOf(HMENU menu);

// Answers as a user: a key pressed in the window that has the focus of the given window's thread.
void PressKey(HWND window, UINT virtualKey);
// Keys held together (Alt+Right: VK_MENU, VK_RIGHT), through the system's input queue, so that the
// receiver's keyboard state shows them: the window is made the foreground first; they are pressed in
// order and released in reverse.
void PressKeysTogether(HWND window, const std::vector<UINT>& keys);
// Presses a key (or lets it go) for the whole system, as the user's finger would, and holds it there:
// for code that polls the key state meanwhile (Escape during a long loop).
void SetKeyDown(UINT key, bool down);
// A click on a dialog button, as the mouse would give it: posted, so that a window the click opens
// does not hold up the user's thread.
void ClickButton(HWND dialog, int id);
// The close box of the window's caption.
void ClickCloseBox(HWND window);
// A left click at a screen point, through the system's input queue.
void ClickAt(POINT screenPoint);
// Typing into a dialog's control, a click on its check box when the check must change, the choice
// of a combo box or list box entry (false when it has no such entry).
void SetControlText(HWND dialog, int id, const std::string& text);
void SetChecked(HWND dialog, int id, bool checked);
bool ChooseEntry(HWND dialog, int id, const std::string& text);
// The position of the page a property sheet shows; -1 while it changes pages.
int CurrentPageIndex(HWND sheet);
// Picks a property sheet's tab as a click would, and waits until its page is shown; false when it
// is not, because the page shown refused to go (its warning is then up). The tab already shown is
// not picked: a click there changes nothing, and a change handled after the user's typing would
// check the page a second time, inside the answer to the first check.
bool ShowPage(HWND sheet, int index);
// Moves the menu's highlight with the arrow keys to the item at the position; false when the item
// cannot be highlighted.
bool HighlightMenuItem(HWND popup, int position);
// Highlights the item and presses Enter; false (and the menu left open) when it cannot be reached.
bool PickMenuItem(HWND popup, int position);
// Highlights the item and opens its submenu with the Right key: the submenu's window, or null.
HWND OpenSubMenu(HWND popup, int position);
// Closes a popup menu, dialog or message box without a choice: Escape, Cancel, No or OK, or the
// close message.
void Dismiss(HWND window);
// The screen rectangle of a menu item while its popup is shown.
RECT MenuItemRect(HWND popup, int position);

// Runs the user's part on a thread of its own; Join, or the destructor, waits for it. The part
// records what it saw in variables of the test, which the test checks after Join: GoogleTest's
// assertions are not thread-safe in the MinGW build (GTEST_HAS_PTHREAD=0).
class UserThread {
 public:
  explicit UserThread(std::function<void()> user) : m_thread(std::move(user)) {}
  ~UserThread() { Join(); }
  UserThread(const UserThread&) = delete;
  UserThread& operator=(const UserThread&) = delete;
  void Join() {
    if (m_thread.joinable()) m_thread.join();
  }

 private:
  std::thread m_thread;
};

// Runs this thread's message loop for a while, so that windows of this thread answer other threads.
void PumpMessagesFor(DWORD milliseconds);
// Runs it until the condition holds; false when it never did.
bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD timeout = DefaultTimeout);

}  // namespace uiauto
