#include "sim/CPluginSet.h"

#include <algorithm>
#include <cstring>

#include "sim/Transcript.h"

namespace {

template <class Function>
Function EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

void CPluginSet::LoadAll(const std::string& pluginFolder) {
  std::vector<std::string> fileNames;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((pluginFolder + "*.dll").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      fileNames.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  if (fileNames.empty()) Say("plug-ins: none in %s", pluginFolder.c_str());
  std::sort(fileNames.begin(), fileNames.end());  // the same order on every run
  for (const std::string& fileName : fileNames) {
    SimPlugin plugin;
    plugin.FileName = fileName;
    plugin.Module = LoadLibraryA((pluginFolder + plugin.FileName).c_str());
    if (plugin.Module == nullptr) {
      Say("plug-in %s: refused to load (error %lu)", plugin.FileName.c_str(), GetLastError());
      continue;
    }
    plugin.OnExit = EntryPoint<TVC_OnExit_t>(plugin.Module, "TVC_OnExit");
    plugin.OnMenuInit = EntryPoint<TVC_OnMenuInit_t>(plugin.Module, "TVC_OnMenuInit");
    plugin.OnOpenMail = EntryPoint<TVC_OnOpenMail_t>(plugin.Module, "TVC_OnOpenMail");
    plugin.OnKeyDispatch = EntryPoint<TVC_OnKeyDispatch_t>(plugin.Module, "TVC_OnKeyDispatch");
    plugin.OnPlugInSetup = EntryPoint<TVC_OnPlugInSetup_t>(plugin.Module, "TVC_OnPlugInSetup");
    plugin.OnPlugInInfo = EntryPoint<TVC_OnPlugInInfo_t>(plugin.Module, "TVC_OnPlugInInfo");
    std::memset(&plugin.Info, 0, sizeof plugin.Info);
    if (plugin.OnPlugInInfo) plugin.OnPlugInInfo(&plugin.Info);
    // The plug-in fills fixed-size fields; never trust it to have ended them.
    plugin.Info.Name[sizeof plugin.Info.Name - 1] = '\0';
    plugin.Info.Vendor[sizeof plugin.Info.Vendor - 1] = '\0';
    plugin.Info.Version[sizeof plugin.Info.Version - 1] = '\0';
    plugin.Info.Description[sizeof plugin.Info.Description - 1] = '\0';
    Say("plug-in %s: loaded: \"%s\" version \"%s\" by \"%s\": \"%s\"", plugin.FileName.c_str(), plugin.Info.Name,
        plugin.Info.Version, plugin.Info.Vendor, plugin.Info.Description);
    m_plugins.push_back(plugin);
  }
}

void CPluginSet::UnloadAll() {
  for (SimPlugin& plugin : m_plugins) {
    if (plugin.OnExit) {
      Say("plug-in %s: TVC_OnExit", plugin.FileName.c_str());
      plugin.OnExit();
    }
  }
  for (SimPlugin& plugin : m_plugins) {
    FreeLibrary(plugin.Module);
    Say("plug-in %s: unloaded", plugin.FileName.c_str());
  }
  m_plugins.clear();
}

void CPluginSet::MenuInit(HWND window, HMENU menu, int menuType) {
  for (SimPlugin& plugin : m_plugins) {
    if (plugin.OnMenuInit) plugin.OnMenuInit(window, menu, menuType);
  }
}

void CPluginSet::OpenMail(const std::string& mailId) {
  for (SimPlugin& plugin : m_plugins) {
    if (plugin.OnOpenMail) plugin.OnOpenMail(mailId.c_str());
  }
}

bool CPluginSet::KeyDispatch(HWND window, int keyCode, int shiftCode) {
  for (SimPlugin& plugin : m_plugins) {
    if (plugin.OnKeyDispatch && plugin.OnKeyDispatch(window, keyCode, shiftCode)) {
      Say("key %d shift %d: used by %s", keyCode, shiftCode, plugin.FileName.c_str());
      return true;
    }
  }
  return false;
}

void CPluginSet::PlugInSetup(size_t index, HWND window) {
  if (index < m_plugins.size() && m_plugins[index].OnPlugInSetup) m_plugins[index].OnPlugInSetup(window);
}
