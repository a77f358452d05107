#pragma once
#include <windows.h>

// Process-wide data every part of the plug-in may need: the module instance handle, for resources,
// dialogs and the module file name.
class CGlobalData {
 public:
  virtual ~CGlobalData() = default;

  HINSTANCE GetModuleInstance() const { return m_moduleInstance; }
  void SetModuleInstance(HINSTANCE instance) { m_moduleInstance = instance; }

 private:
  HINSTANCE m_moduleInstance = nullptr;
};
