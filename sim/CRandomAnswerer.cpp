#include "sim/CRandomAnswerer.h"

#include <commctrl.h>

#include <vector>

#include "sim/Transcript.h"
#include "uiauto/UiAutomation.h"

namespace {

const DWORD PollMilliseconds = 20;
const DWORD ClosingMilliseconds = 3000;  // a window told to close that is still there refused
const int StepsBeforeClosing = 10;       // then a user closes the dialog
const int StepsBeforeDismissing = 25;    // a dialog that refuses every way of closing is cancelled
const unsigned CancelMenuPercent = 8;
const unsigned CloseDialogPercent = 25;
const unsigned ChangePagePercent = 20;
const int RemoveButtonId = 1007;  // the list edit dialog's Remove

// What a user may type into any edit box: numbers in and out of every range the dialogs check,
// words of the sample store's folder names (some found only among the folders that are no
// favorites: the find dialog's folder rows), blanks, double-byte text and a long text.
const char* const TypedTexts[] = {
    "",   "0",      "1",   "7",     "19",          "20",    "60",    "100",   "300",       "301",
    "500", "501",   "-1",  "12abc", "99999999999", "Inbox", "Work",  "a",     "x y",       " ",
    "Main", "\x83\x65\x83\x58\x83\x67", "\x81\x40", "Projects Inbox", "friends old", "Archive 20",
    "dev patch", "Beta", "Customers",
    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"};
// Keys typed in an edit box beside the text: those the find dialog passes to its list, and Insert,
// which registers its folder row.
const UINT EditKeys[] = {VK_DOWN, VK_NEXT, VK_NEXT, VK_INSERT};
const unsigned EditKeyPercent = 30;
const UINT ListKeys[] = {VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_DELETE, VK_F2, VK_SPACE};
const UINT HotKeys[] = {VK_F2, VK_F5, VK_F8, VK_F12, 'A', 'F', 'Q', 'Z', '1', VK_INSERT, VK_SPACE, VK_TAB};

bool IsVisibleAndEnabled(HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); }

LONG ButtonType(HWND button) { return GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK; }

bool IsClosingButton(int id) { return id == IDOK || id == IDCANCEL || id == IDCLOSE || id == IDHELP; }

// What a user changes in a dialog; labels, group boxes, spin buttons, tabs and headers are not.
bool IsChangeable(const uiauto::Control& control) {
  static const char* const classes[] = {"Edit", "Button", "ComboBox", "ListBox", HOTKEY_CLASSA, WC_LISTVIEWA};
  for (const char* name : classes) {
    if (lstrcmpiA(control.ClassName.c_str(), name) != 0) continue;
    return lstrcmpiA(name, "Button") != 0 || ButtonType(control.Handle) != BS_GROUPBOX;
  }
  return false;
}

std::string EntryText(HWND list, bool listBox, int index) {
  const UINT lengthMessage = listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
  const LRESULT length = SendMessageA(list, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0 || length > 4096) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list, listBox ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}

void PostKeyTo(HWND control, UINT key) {
  PostMessageA(control, WM_KEYDOWN, key, 1);
  PostMessageA(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

}  // namespace

CRandomAnswerer::CRandomAnswerer(unsigned seed, DWORD hangMilliseconds)
    : m_hangMilliseconds(hangMilliseconds), m_random(seed), m_thread(&CRandomAnswerer::Watch, this) {}

CRandomAnswerer::~CRandomAnswerer() {
  m_stop = true;
  m_thread.join();
}

void CRandomAnswerer::BeginAction(const std::string& name, bool hostMenuFirst, UINT firstPluginCommand) {
  std::lock_guard<std::mutex> hold(m_lock);
  m_action = name;
  m_hostMenuFirst = hostMenuFirst;
  m_firstPluginCommand = firstPluginCommand;
  m_account = AnswerAccount();
  m_steps.clear();
  m_closing = nullptr;
  m_actionStart = GetTickCount();
  m_inAction = true;
}

AnswerAccount CRandomAnswerer::EndAction() {
  for (;;) {
    {
      std::lock_guard<std::mutex> hold(m_lock);
      if (!m_answering) {
        m_inAction = false;
        return m_account;
      }
    }
    // The watcher may be waiting for this thread to handle a message it sent.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(5);
  }
}

void CRandomAnswerer::Watch() {
  while (!m_stop) {
    WatchOnce();
    Sleep(PollMilliseconds);
  }
}

void CRandomAnswerer::WatchOnce() {
  HWND window = uiauto::FindModalWindow();
  std::unique_lock<std::mutex> hold(m_lock);
  if (!m_inAction) return;
  const DWORD now = GetTickCount();
  if (now - m_actionStart > m_hangMilliseconds) {
    Say("SOAK FAILED: the action \"%s\" ran for more than %lu s: a hang", m_action.c_str(),
        m_hangMilliseconds / 1000);
    ExitProcess(3);
  }
  if (window == nullptr) return;
  if (window == m_closing && now - m_closingSince < ClosingMilliseconds) return;
  m_closing = nullptr;
  m_answering = true;
  ++m_account.Answers;
  hold.unlock();
  Answer(window);
  hold.lock();
  m_answering = false;
}

void CRandomAnswerer::Answer(HWND window) {
  if (uiauto::IsPopupMenu(window)) {
    AnswerPopup(window);
  } else if (uiauto::IsMessageBox(window)) {
    AnswerMessageBox(window);
  } else {
    AnswerDialog(window);
  }
}

void CRandomAnswerer::AnswerMessageBox(HWND box) {
  std::vector<int> buttons;
  for (int id = IDOK; id <= IDNO; ++id) {
    HWND button = GetDlgItem(box, id);
    if (button != nullptr && IsVisibleAndEnabled(button)) buttons.push_back(id);
  }
  if (buttons.empty()) {
    uiauto::Dismiss(box);
    return;
  }
  const int button = buttons[Random(static_cast<unsigned>(buttons.size()))];
  Say("  answer: message box \"%s\" -> button %d", uiauto::MessageBoxText(box).c_str(), button);
  if (button == IDYES) MayDelete();
  uiauto::AnswerMessageBox(box, button);
}

void CRandomAnswerer::AnswerPopup(HWND popup) {
  bool hostMenu;
  UINT firstPluginCommand;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    hostMenu = m_hostMenuFirst;
    m_hostMenuFirst = false;
    firstPluginCommand = m_firstPluginCommand;
    m_closing = popup;
    m_closingSince = GetTickCount();
  }
  HWND level = popup;
  for (int depth = 0; depth < 4; ++depth) {
    const std::vector<uiauto::MenuItem> items = uiauto::MenuItemsOf(uiauto::MenuOf(level));
    std::vector<int> choices;
    for (size_t i = 0; i < items.size(); ++i) {
      const uiauto::MenuItem& item = items[i];
      if (item.Separator || item.Grayed) continue;
      if (hostMenu && (item.HasSubMenu || item.Id < firstPluginCommand)) continue;
      choices.push_back(static_cast<int>(i));
    }
    if (choices.empty() || Chance(CancelMenuPercent)) break;
    const int position = choices[Random(static_cast<unsigned>(choices.size()))];
    Say("  answer: menu item \"%s\"", items[position].Text.c_str());
    if (items[position].HasSubMenu) {
      HWND opened = uiauto::OpenSubMenu(level, position);
      if (opened == nullptr) break;
      level = opened;
      continue;
    }
    if (!uiauto::HighlightMenuItem(level, position)) break;
    uiauto::PressKey(level, VK_RETURN);
    return;
  }
  // Escape closes one level; Alt leaves the whole menu from any level.
  Say("  answer: menu cancelled");
  if (level == popup) {
    uiauto::PressKey(popup, VK_ESCAPE);
  } else {
    PostMessageA(popup, WM_SYSKEYDOWN, VK_MENU, 0x20000001);
    PostMessageA(popup, WM_SYSKEYUP, VK_MENU, static_cast<LPARAM>(0xE0000001u));
  }
}

void CRandomAnswerer::AnswerDialog(HWND dialog) {
  int steps;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    steps = ++m_steps[dialog];
  }
  // A change may open a window of its own (a warning, a nested dialog): the next look finds it.
  if (steps <= StepsBeforeClosing && !Chance(CloseDialogPercent) && ChangeControl(dialog)) return;
  CloseDialog(dialog, steps > StepsBeforeDismissing);
}

bool CRandomAnswerer::ChangeControl(HWND dialog) {
  HWND holder = dialog;
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETTABCONTROL, 0, 0));
  if (tabs != nullptr) {
    const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    // A page that refuses to go shows its warning, which the next look answers.
    if (pages > 1 && Chance(ChangePagePercent) && !uiauto::ShowPage(dialog, static_cast<int>(Random(pages)))) {
      return true;
    }
    holder = reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (holder == nullptr) return false;
  }
  std::vector<uiauto::Control> controls;
  for (const uiauto::Control& control : uiauto::ControlsOf(holder)) {
    if (IsVisibleAndEnabled(control.Handle) && !IsClosingButton(control.Id) && IsChangeable(control)) {
      controls.push_back(control);
    }
  }
  if (controls.empty()) return false;
  const uiauto::Control& control = controls[Random(static_cast<unsigned>(controls.size()))];
  Say("  answer: dialog \"%s\": control %d (%s \"%s\")", uiauto::TextOf(dialog).c_str(), control.Id,
      control.ClassName.c_str(), control.Text.c_str());
  const char* kind = control.ClassName.c_str();
  if (lstrcmpiA(kind, "Edit") == 0) {
    uiauto::SetControlText(holder, control.Id, RandomText());
    if (Chance(EditKeyPercent)) PostKeyTo(control.Handle, EditKeys[Random(sizeof EditKeys / sizeof EditKeys[0])]);
  } else if (lstrcmpiA(kind, "Button") == 0) {
    if (control.Id == RemoveButtonId) MayDelete();
    uiauto::ClickButton(holder, control.Id);
  } else if (lstrcmpiA(kind, "ComboBox") == 0 || lstrcmpiA(kind, "ListBox") == 0) {
    ChooseEntry(holder, control, lstrcmpiA(kind, "ListBox") == 0);
  } else if (lstrcmpiA(kind, HOTKEY_CLASSA) == 0) {
    const BYTE modifiers = static_cast<BYTE>(Random(8));  // any of Shift, Ctrl and Alt, or none
    const UINT key = HotKeys[Random(sizeof HotKeys / sizeof HotKeys[0])];
    SendMessageA(control.Handle, HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
  } else {
    WorkListView(control.Handle);
  }
  return true;
}

const char* CRandomAnswerer::RandomText() { return TypedTexts[Random(sizeof TypedTexts / sizeof TypedTexts[0])]; }

void CRandomAnswerer::MayDelete() {
  std::lock_guard<std::mutex> hold(m_lock);
  m_account.MayDelete = true;
}

void CRandomAnswerer::ChooseEntry(HWND holder, const uiauto::Control& control, bool listBox) {
  const LRESULT count = SendMessageA(control.Handle, listBox ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
  if (count > 0) {
    uiauto::ChooseEntry(holder, control.Id, EntryText(control.Handle, listBox, static_cast<int>(Random(count))));
  }
}

void CRandomAnswerer::WorkListView(HWND list) {
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  const unsigned move = rows > 0 ? Random(3) : 2;
  if (move == 0) {
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, Random(rows), reinterpret_cast<LPARAM>(&state));
  } else if (move == 1 && (GetWindowLongA(list, GWL_STYLE) & LVS_EDITLABELS)) {
    // A rename in place: the label's edit box, a new name typed, Enter.
    HWND edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_EDITLABELA, Random(rows), 0));
    if (edit == nullptr) return;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(RandomText()));
    PostKeyTo(edit, VK_RETURN);
  } else {
    const UINT key = ListKeys[Random(sizeof ListKeys / sizeof ListKeys[0])];
    if (key == VK_DELETE) MayDelete();
    PostKeyTo(list, key);
  }
}

void CRandomAnswerer::CloseDialog(HWND dialog, bool dismiss) {
  {
    std::lock_guard<std::mutex> hold(m_lock);
    m_closing = dialog;
    m_closingSince = GetTickCount();
  }
  const unsigned way = dismiss ? 5 : Random(5);
  static const char* const ways[] = {"OK", "OK", "Escape", "the close box", "Cancel", "a dismissal"};
  Say("  answer: dialog \"%s\" closed with %s", uiauto::TextOf(dialog).c_str(), ways[way]);
  switch (way) {
    case 0:
    case 1:
      if (GetDlgItem(dialog, IDOK) != nullptr && IsWindowEnabled(GetDlgItem(dialog, IDOK))) {
        uiauto::ClickButton(dialog, IDOK);
        return;
      }
      uiauto::PressKey(dialog, VK_RETURN);
      return;
    case 2:
      uiauto::PressKey(dialog, VK_ESCAPE);
      return;
    case 3:
      uiauto::ClickCloseBox(dialog);
      return;
    case 4:
      if (GetDlgItem(dialog, IDCANCEL) != nullptr) {
        uiauto::ClickButton(dialog, IDCANCEL);
      } else {
        uiauto::PressKey(dialog, VK_ESCAPE);
      }
      return;
    default:
      uiauto::Dismiss(dialog);
      return;
  }
}
