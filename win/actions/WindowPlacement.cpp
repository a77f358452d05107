// Putting the host's main window back where a window-state favorite says. The stored rectangle is the
// normal position of GetWindowPlacement, in workspace coordinates (relative to the primary monitor's
// work area): it goes back through SetWindowPlacement, so a taskbar at the top or the left does not
// shift the window at every jump.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/favorites/CWindowStateItem.h"
#include "win/actions/JumpSteps.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"

namespace {

// Screen coordinates of the primary work area's origin: where workspace coordinates start.
POINT WorkspaceOrigin() {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return POINT{info.rcWork.left, info.rcWork.top};
}

BOOL CALLBACK FindMeetingWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM parameter) {
  auto* search = reinterpret_cast<std::pair<RECT, bool>*>(parameter);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  RECT common;
  if (GetMonitorInfoA(monitor, &info) && IntersectRect(&common, &info.rcWork, &search->first)) search->second = true;
  return !search->second;
}

// The screen rectangle itself while some monitor's work area shows part of it; otherwise the same
// size (as far as it fits) inside the work area of the nearest monitor.
RECT OntoAMonitor(RECT rect) {
  std::pair<RECT, bool> search{rect, false};
  EnumDisplayMonitors(nullptr, nullptr, &FindMeetingWorkArea, reinterpret_cast<LPARAM>(&search));
  if (search.second) return rect;
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& work = info.rcWork;
  const LONG width = std::min(rect.right - rect.left, work.right - work.left);
  const LONG height = std::min(rect.bottom - rect.top, work.bottom - work.top);
  const LONG left = std::clamp(rect.left, work.left, work.right - width);
  const LONG top = std::clamp(rect.top, work.top, work.bottom - height);
  return RECT{left, top, left + width, top + height};
}

// Hand-edited values may be anything: the screen position is worked out in 64 bits and kept within
// a range no monitor reaches.
LONG ScreenCoordinate(std::int32_t stored, LONG origin) {
  const long long limit = 1LL << 29;
  return static_cast<LONG>(std::clamp(static_cast<long long>(stored) + origin, -limit, limit));
}

// The stored normal rectangle, moved onto a monitor when none shows it.
RECT NormalPosition(const ScreenRect& stored) {
  const RECT asStored{stored.Left, stored.Top, stored.Right, stored.Bottom};
  const POINT origin = WorkspaceOrigin();
  const RECT onScreen{ScreenCoordinate(stored.Left, origin.x), ScreenCoordinate(stored.Top, origin.y),
                      ScreenCoordinate(stored.Right, origin.x), ScreenCoordinate(stored.Bottom, origin.y)};
  RECT shown = OntoAMonitor(onScreen);
  if (EqualRect(&shown, &onScreen)) return asStored;
  OffsetRect(&shown, -origin.x, -origin.y);
  return shown;
}

}  // namespace

void RestoreWindowState(const CWindowStateItem& item) {
  CTovikMainWindow* main = GetMainWindow();
  if (main == nullptr) return;
  const ScreenRect& rect = item.WindowRect;
  if (rect.IsAll(-1)) {
    main->ShowWindow(SW_MAXIMIZE);
  } else if (rect.IsAll(-2)) {
    main->ShowWindow(SW_MINIMIZE);
  } else {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(main->GetHandle(), &placement);
    placement.flags = 0;
    placement.showCmd = SW_RESTORE;
    placement.rcNormalPosition = NormalPosition(rect);
    SetWindowPlacement(main->GetHandle(), &placement);
  }
}
