#include "win/ui/CControlHook.h"

#include <utility>

namespace {

// The window property that leads the control's replaced procedure to its hook.
const char HookProperty[] = "RaZudazoved.ControlHook";

}  // namespace

bool CControlHook::Install(HWND control, Handler handler) {
  if (m_control != nullptr || control == nullptr || !SetPropA(control, HookProperty, this)) return false;
  m_control = control;
  m_handler = std::move(handler);
  m_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CControlHook::Procedure)));
  return true;
}

void CControlHook::Remove() {
  if (m_control == nullptr) return;
  SetWindowLongPtrA(m_control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
  RemovePropA(m_control, HookProperty);
  m_control = nullptr;
  m_previous = nullptr;
}

LRESULT CALLBACK CControlHook::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* hook = static_cast<CControlHook*>(GetPropA(control, HookProperty));
  if (hook == nullptr) return DefWindowProcA(control, message, wParam, lParam);
  LRESULT result = 0;
  if (hook->m_handler(control, message, wParam, lParam, result)) return result;
  return CallWindowProcA(hook->m_previous, control, message, wParam, lParam);
}
