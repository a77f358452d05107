// The six entry points the host calls, exported by name with fixed ordinals (RaZudazoved.def).
#include "hostapi/PluginExports.h"
#include "win/shell/HostMenuCommands.h"
#include "win/shell/PluginLifecycle.h"
#include "win/shell/ProcessState.h"

extern "C" int WINAPI TVC_OnExit(void) {
  StopPlugin();
  return 0;
}

extern "C" int WINAPI TVC_OnMenuInit(HWND, HMENU menu, int menuType) {
  AddHostMenuCommands(menu, menuType);
  return 0;
}

extern "C" int WINAPI TVC_OnOpenMail(LPCSTR mailId) {
  // The plug-in's own mail selections make the host call back in here; they are not recorded twice.
  if (OpenMailGuard == 0) return 0;
  OpenMailGuard = 0;
  RecordMailHistory(mailId);
  OpenMailGuard = 1;
  return 0;
}

extern "C" int WINAPI TVC_OnKeyDispatch(HWND, int keyCode, int) {
  if (keyCode == 0) return 0;
  // Hot keys are matched here once the favorites menus exist.
  return 0;
}

extern "C" int WINAPI TVC_OnPlugInSetup(HWND) {
  RunSetup();
  return 1;
}

extern "C" int WINAPI TVC_OnPlugInInfo(TovikPlugInInfo* info) {
  if (info != nullptr) FillPlugInInfo(*info);
  return 0;
}
