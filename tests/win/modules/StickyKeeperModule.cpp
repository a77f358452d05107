// Test scaffolding: a module that links the plug-in's code and shows a sticky status message, so that
// a test can unload it while the keeper thread still runs and its host-window wrappers are alive.
#include <windows.h>

#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"

extern "C" __declspec(dllexport) int ShowStickyFromModule(const char* text, DWORD milliseconds) {
  if (!LoadHostFunctions()) return 0;
  CTovikMainWindow* main = GetMainWindow();
  CTovikStatusWindow* status = main ? main->GetStatusWindow() : nullptr;
  // A pane parent's wrapper too, which the main window keeps for the unload to free.
  if (status == nullptr || GetTreePaneParent() == nullptr) return 0;
  status->ShowSticky(text, milliseconds);
  return 1;
}
