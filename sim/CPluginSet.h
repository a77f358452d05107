#pragma once
// The plug-ins the host loaded from "<data folder>Plugins" and its calls into their TVC_ entry points.
#include <windows.h>

#include <string>
#include <vector>

#include "hostapi/PluginExports.h"

struct SimPlugin {
  std::string FileName;
  HMODULE Module = nullptr;
  TovikPlugInInfo Info;
  TVC_OnExit_t OnExit = nullptr;
  TVC_OnMenuInit_t OnMenuInit = nullptr;
  TVC_OnOpenMail_t OnOpenMail = nullptr;
  TVC_OnKeyDispatch_t OnKeyDispatch = nullptr;
  TVC_OnPlugInSetup_t OnPlugInSetup = nullptr;
  TVC_OnPlugInInfo_t OnPlugInInfo = nullptr;
};

class CPluginSet {
 public:
  ~CPluginSet() { UnloadAll(); }

  // Loads every DLL of the folder (a path ending in "\") and asks each for its information.
  void LoadAll(const std::string& pluginFolder);
  // TVC_OnExit for every plug-in, then FreeLibrary; a second call does nothing.
  void UnloadAll();

  const std::vector<SimPlugin>& Plugins() const { return m_plugins; }
  void MenuInit(HWND window, HMENU menu, int menuType);
  void OpenMail(const std::string& mailId);
  // True when a plug-in used the key.
  bool KeyDispatch(HWND window, int keyCode, int shiftCode);
  void PlugInSetup(size_t index, HWND window);

 private:
  std::vector<SimPlugin> m_plugins;
};
