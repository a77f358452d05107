#pragma once
// Root of every window, dialog and menu class: wraps a window handle and, for windows the plug-in
// routes itself, hands their messages to the virtual handlers below.
#include <windows.h>

#include <string>

class CWindow {
 public:
  CWindow() = default;
  // Binds the handle without taking over its messages.
  explicit CWindow(HWND handle);
  virtual ~CWindow();
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;

  // Message handlers, called by the shared window procedure. The order is part of the design:
  // subclasses of later subsystems rely on it.
  virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnSize(UINT type, int width, int height);
  virtual void OnGetMinMaxInfo(MINMAXINFO* info);
  virtual LRESULT OnCreate(CREATESTRUCTA* creation);
  virtual LRESULT OnNotify(int controlId, NMHDR* header);
  virtual void OnDestroy();
  virtual void OnClose();
  virtual void OnActivate(UINT state, CWindow* other, BOOL minimized);
  virtual void OnSetFocus(CWindow* losing);
  virtual void OnKillFocus(CWindow* gaining);
  virtual LRESULT OnSetCursor(CWindow* window, UINT hitTest, UINT mouseMessage);
  virtual bool PreCreateWindow(CREATESTRUCTA& creation);
  // Repaints during long work on the user-interface thread: dispatches the WM_PAINT messages of
  // this window and its children and drops their keyboard and mouse input; other messages stay queued.
  virtual void PumpPaintMessages();

  HWND GetHandle() const { return m_handle; }
  bool GetRedraw() const { return m_redraw != 0; }

  // The object that routes the handle's messages; none for any other window. No wrapper is made
  // here, so none can outlive its window: whoever keeps a window's wrapper owns it.
  static CWindow* FromHandle(HWND handle);
  // The shared window procedure of every window whose messages the framework routes.
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Takes over the messages of an existing window; Unsubclass gives them back.
  bool Subclass(HWND handle);
  void Unsubclass();

  BOOL ShowWindow(int command);
  void SetRedraw(bool redraw);
  BOOL Invalidate(bool erase);
  BOOL Invalidate(const RECT& rect, bool erase);
  BOOL Update();
  RECT GetWindowRect() const;
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  std::string GetWindowText() const;
  BOOL SetWindowText(const std::string& text);
  BOOL EnableWindow(bool enable);
  BOOL MoveWindow(int x, int y, int width, int height, bool repaint);
  BOOL SetPosition(int x, int y, bool noRedraw);
  BOOL SetSize(int width, int height, bool noRedraw);
  void ScreenToClient(RECT& rect) const;
  void ClientToScreen(RECT& rect) const;
  void CenterOver(const CWindow& other);
  void CenterOnParent();

  // The text of any window; usable from any thread, as it touches no wrapper.
  static std::string TextOf(HWND handle);

 protected:
  // Enters this object into the registry as the handler of the handle's messages.
  void Register(HWND handle);

 private:
  HWND m_handle = nullptr;
  WNDPROC m_previousProcedure = nullptr;
  DWORD m_redraw = 1;
};
