#pragma once
// Puts a handler in front of a child control's own window procedure, for the keys a control keeps to
// itself where its dialog never sees them. What the handler leaves goes on to the control.
#include <windows.h>

#include <functional>

class CControlHook {
 public:
  // Sees each message first; true when it has handled it, with its result set.
  using Handler = std::function<bool(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  CControlHook() = default;
  ~CControlHook() { Remove(); }
  CControlHook(const CControlHook&) = delete;
  CControlHook& operator=(const CControlHook&) = delete;

  bool Install(HWND control, Handler handler);
  // Gives the control its own procedure back; call it while the control still exists.
  void Remove();

 private:
  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  HWND m_control = nullptr;
  WNDPROC m_previous = nullptr;
  Handler m_handler;
};
