// Loads every plug-in of <data folder>Plugins as the host does and prints what each reports about
// itself, and where its settings file lives. Usage: plugin_info <data folder ending in \>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/PluginExports.h"
#include "tests/testhost/FakeHost.h"

namespace {

template <class Function>
Function EntryPoint(HMODULE plugin, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(plugin, name)));
}

void ShowPlugin(const std::string& pluginFolder, const std::string& fileName) {
  HMODULE plugin = LoadLibraryA((pluginFolder + fileName).c_str());
  if (plugin == nullptr) {
    std::printf("%s: refused to load (error %lu)\n", fileName.c_str(), GetLastError());
    return;
  }
  TovikPlugInInfo info;
  std::memset(&info, 0, sizeof info);
  auto onInfo = EntryPoint<TVC_OnPlugInInfo_t>(plugin, "TVC_OnPlugInInfo");
  if (onInfo) onInfo(&info);
  std::printf("%s\n  name:        %s\n  vendor:      %s\n  version:     %s\n  description: %s\n",
              fileName.c_str(), info.Name, info.Vendor, info.Version, info.Description);
  const std::string baseName = fileName.substr(0, fileName.rfind('.'));
  std::printf("  settings:    %s%s.ini\n", pluginFolder.c_str(), baseName.c_str());
  auto onExit = EntryPoint<TVC_OnExit_t>(plugin, "TVC_OnExit");
  if (onExit) onExit();
  FreeLibrary(plugin);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: plugin_info <data folder ending in \\>\n");
    return 2;
  }
  FakeHost().DataFolder = argv[1];
  const std::string pluginFolder = FakeHost().DataFolder + "Plugins\\";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((pluginFolder + "*.dll").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    std::printf("no plug-ins in %s\n", pluginFolder.c_str());
    return 1;
  }
  do {
    ShowPlugin(pluginFolder, found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return 0;
}
