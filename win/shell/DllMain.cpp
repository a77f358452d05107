// The library entry point. Static objects are built before it runs and destroyed at unload, which
// is all the clean-up the plug-in needs: detach does nothing.
#include <windows.h>

#include "win/shell/PluginLifecycle.h"
#include "win/ui/ModuleInstance.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  SetModuleInstance(instance);
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  return StartPlugin() ? TRUE : FALSE;
}
