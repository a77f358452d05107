// A host that lacks one TVA_ function: exits 1 when the plug-in refuses to load, 0 when it loads.
#include <windows.h>

int main() {
  HMODULE plugin = LoadLibraryA("RaZudazoved.dll");
  if (plugin == nullptr) return 1;
  FreeLibrary(plugin);
  return 0;
}
