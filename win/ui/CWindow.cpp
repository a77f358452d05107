#include "win/ui/CWindow.h"

#include <map>

namespace {

// Which object handles which live window's messages. Used from the host's user-interface thread only.
struct WindowRegistry {
  std::map<HWND, CWindow*> handlers;
  ~WindowRegistry();
};

// Objects that outlive the registry at unload (the host's windows, owned elsewhere) must not reach
// into it; a plain flag survives static destruction.
bool registryGone = false;

// Built when the module is loaded, before any window object can exist, and destroyed after every
// object made on first use.
WindowRegistry registry;

WindowRegistry::~WindowRegistry() {
  handlers.clear();
  registryGone = true;
}

void Unregister(HWND handle, const CWindow* window) {
  if (registryGone || handle == nullptr) return;
  auto& handlers = registry.handlers;
  auto found = handlers.find(handle);
  if (found != handlers.end() && found->second == window) handlers.erase(found);
}

// The window a message names in a parameter, for the length of its handler: the object that routes
// it, else a wrapper that lives only as long as this object, so that none outlives its window.
class NamedWindow {
 public:
  explicit NamedWindow(WPARAM handle) : m_wrapper(reinterpret_cast<HWND>(handle)) {}
  NamedWindow(const NamedWindow&) = delete;
  NamedWindow& operator=(const NamedWindow&) = delete;
  CWindow* Get() {
    const HWND handle = m_wrapper.GetHandle();
    if (CWindow* routed = CWindow::FromHandle(handle)) return routed;
    return handle ? &m_wrapper : nullptr;
  }

 private:
  CWindow m_wrapper;
};

}  // namespace

CWindow* CWindow::FromHandle(HWND handle) {
  if (registryGone || handle == nullptr) return nullptr;
  auto& handlers = registry.handlers;
  auto found = handlers.find(handle);
  return found == handlers.end() ? nullptr : found->second;
}

CWindow::CWindow(HWND handle) : m_handle(handle) {
  if (const CWindow* registered = FromHandle(handle)) {
    m_previousProcedure = registered->m_previousProcedure;
    m_redraw = registered->m_redraw;
  }
}

CWindow::~CWindow() {
  // A subclassed window that outlives its object gets its own procedure back.
  if (m_handle != nullptr && FromHandle(m_handle) == this) Unsubclass();
}

LRESULT CWindow::OnCommand(WPARAM, LPARAM) { return 0; }
void CWindow::OnSize(UINT, int, int) {}
void CWindow::OnGetMinMaxInfo(MINMAXINFO*) {}
LRESULT CWindow::OnCreate(CREATESTRUCTA*) { return 0; }
LRESULT CWindow::OnNotify(int, NMHDR*) { return 1; }

// The window's own procedure sees the rest of its messages (WM_NCDESTROY frees a control's data).
void CWindow::OnDestroy() { Unsubclass(); }

void CWindow::OnClose() { DefWindowProcA(m_handle, WM_CLOSE, 0, 0); }
void CWindow::OnActivate(UINT, CWindow*, BOOL) {}
void CWindow::OnSetFocus(CWindow*) {}
void CWindow::OnKillFocus(CWindow*) {}
LRESULT CWindow::OnSetCursor(CWindow*, UINT, UINT) { return 0; }
bool CWindow::PreCreateWindow(CREATESTRUCTA&) { return true; }

void CWindow::PumpPaintMessages() {
  HCURSOR cursor = GetCursor();
  // A window that never validates would hand out WM_PAINT for ever: the pump is bounded.
  const int maximumMessages = 1000;
  MSG message;
  // The user's keys and clicks would run commands in the middle of the work: they are dropped, the
  // ones posted as well. What else the host posted (timers, its threads' notifications) stays queued
  // for it to handle afterwards.
  const UINT input[][2] = {{WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
  for (const auto& range : input) {
    for (int i = 0; i < maximumMessages && PeekMessageA(&message, m_handle, range[0], range[1], PM_REMOVE); ++i) {}
  }
  for (int i = 0; i < maximumMessages && PeekMessageA(&message, m_handle, WM_PAINT, WM_PAINT, PM_REMOVE); ++i) {
    DispatchMessageA(&message);
  }
  SetCursor(cursor);
}

void CWindow::Register(HWND handle) {
  m_handle = handle;
  if (!registryGone) registry.handlers[handle] = this;
}

bool CWindow::Subclass(HWND handle) {
  if (handle == nullptr || m_handle != nullptr) return false;
  Register(handle);
  m_previousProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindow::WindowProcedure)));
  return true;
}

void CWindow::Unsubclass() {
  if (m_previousProcedure != nullptr) {
    SetWindowLongPtrA(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProcedure));
  }
  Unregister(m_handle, this);
  m_handle = nullptr;
  m_previousProcedure = nullptr;
}

LRESULT CALLBACK CWindow::WindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindow* window = FromHandle(handle);
  if (window == nullptr) return 0;
  // Read before dispatching: OnDestroy clears it.
  WNDPROC previous = window->m_previousProcedure;
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE:
      result = window->OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
      if (result != 0) return result;
      break;
    case WM_DESTROY:
      window->OnDestroy();
      return previous ? CallWindowProcA(previous, handle, message, wParam, lParam) : 1;
    case WM_NCDESTROY:
      // The window's last message: an object whose OnDestroy kept the window lets it go here, so
      // that no later window given the same handle reaches it.
      window->Unsubclass();
      break;
    case WM_SIZE:
      window->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 1;
    case WM_ACTIVATE: {
      NamedWindow other(static_cast<WPARAM>(lParam));
      window->OnActivate(LOWORD(wParam), other.Get(), HIWORD(wParam));
      return 1;
    }
    case WM_SETFOCUS: {
      NamedWindow losing(wParam);
      window->OnSetFocus(losing.Get());
      return 1;
    }
    case WM_KILLFOCUS: {
      NamedWindow gaining(wParam);
      window->OnKillFocus(gaining.Get());
      return 1;
    }
    case WM_CLOSE:
      window->OnClose();
      return 1;
    case WM_SETCURSOR: {
      // Its result is not used: the window's own procedure still sets the cursor.
      NamedWindow pointed(wParam);
      result = window->OnSetCursor(pointed.Get(), LOWORD(lParam), HIWORD(lParam));
      break;
    }
    case WM_GETMINMAXINFO:
      window->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return 1;
    case WM_NOTIFY:
      result = window->OnNotify(static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
      if (result != 0) return result;
      break;
    case WM_COMMAND:
      result = window->OnCommand(wParam, lParam);
      if (result != 0) return result;
      break;
    default:
      break;
  }
  return previous ? CallWindowProcA(previous, handle, message, wParam, lParam) : result;
}

BOOL CWindow::ShowWindow(int command) { return IsWindow(m_handle) ? ::ShowWindow(m_handle, command) : FALSE; }

void CWindow::SetRedraw(bool redraw) {
  ::SendMessageA(m_handle, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  m_redraw = redraw ? 1 : 0;
}

BOOL CWindow::Invalidate(bool erase) { return InvalidateRect(m_handle, nullptr, erase); }
BOOL CWindow::Invalidate(const RECT& rect, bool erase) { return InvalidateRect(m_handle, &rect, erase); }
BOOL CWindow::Update() { return UpdateWindow(m_handle); }

RECT CWindow::GetWindowRect() const {
  RECT rect = {};
  ::GetWindowRect(m_handle, &rect);
  return rect;
}

LRESULT CWindow::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_handle, message, wParam, lParam);
}

BOOL CWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(m_handle, message, wParam, lParam);
}

std::string CWindow::GetWindowText() const { return TextOf(m_handle); }

std::string CWindow::TextOf(HWND handle) {
  std::string text(static_cast<size_t>(::GetWindowTextLengthA(handle)) + 1, '\0');
  const int length = ::GetWindowTextA(handle, &text[0], static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

BOOL CWindow::SetWindowText(const std::string& text) { return ::SetWindowTextA(m_handle, text.c_str()); }
BOOL CWindow::EnableWindow(bool enable) { return ::EnableWindow(m_handle, enable ? TRUE : FALSE); }

BOOL CWindow::MoveWindow(int x, int y, int width, int height, bool repaint) {
  return ::MoveWindow(m_handle, x, y, width, height, repaint ? TRUE : FALSE);
}

BOOL CWindow::SetPosition(int x, int y, bool noRedraw) {
  const UINT flags = SWP_NOSIZE | SWP_NOZORDER | (noRedraw ? SWP_NOREDRAW : 0);
  return SetWindowPos(m_handle, nullptr, x, y, 0, 0, flags);
}

BOOL CWindow::SetSize(int width, int height, bool noRedraw) {
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | (noRedraw ? SWP_NOREDRAW : 0);
  return SetWindowPos(m_handle, nullptr, 0, 0, width, height, flags);
}

void CWindow::ScreenToClient(RECT& rect) const { MapWindowPoints(nullptr, m_handle, reinterpret_cast<POINT*>(&rect), 2); }
void CWindow::ClientToScreen(RECT& rect) const { MapWindowPoints(m_handle, nullptr, reinterpret_cast<POINT*>(&rect), 2); }

void CWindow::CenterOver(const CWindow& other) {
  const RECT outer = other.GetWindowRect();
  const RECT own = GetWindowRect();
  const int x = outer.left + ((outer.right - outer.left) - (own.right - own.left)) / 2;
  const int y = outer.top + ((outer.bottom - outer.top) - (own.bottom - own.top)) / 2;
  SetPosition(x, y, true);
}

void CWindow::CenterOnParent() {
  const HWND parent = ::GetParent(m_handle);
  CenterOver(CWindow(parent ? parent : GetDesktopWindow()));
}
