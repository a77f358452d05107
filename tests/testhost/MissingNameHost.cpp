// A host that lacks one TVA_ function. Its exit code is the error of loading the plug-in: 0 when it
// loads, ERROR_DLL_INIT_FAILED when the plug-in refuses the host.
#include <windows.h>

int main() {
  HMODULE plugin = LoadLibraryA("RaZudazoved.dll");
  if (plugin == nullptr) return static_cast<int>(GetLastError());
  FreeLibrary(plugin);
  return 0;
}
