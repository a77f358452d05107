#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "core/hostlink/CHostLink.h"

class CTovikMainWindow;

// The plug-in's tie to the host: the host function table, the host module it came from and the
// wrapper of the host's main window. It is the core's link to the host.
class CTovikGlobalData : public CHostLink {
 public:
  CTovikGlobalData();
  ~CTovikGlobalData() override;

  // How a name is looked up in a module: GetProcAddress's signature.
  typedef FARPROC(WINAPI* FunctionResolver)(HMODULE module, LPCSTR name);

  // Looks every host function up in the given module, in table order. Succeeds at once when the
  // table is already loaded; at the first missing name the handle is cleared and the load fails.
  bool LoadHostFunctions(HMODULE hostModule, FunctionResolver resolve = &GetProcAddress);

  const HostFunctionTable& GetHostFunctions() const override { return m_hostFunctions; }
  // From the file of the module instance (GetModuleInstance).
  std::string GetModuleBaseName() const override;
  HMODULE GetHostModule() const { return m_hostModule; }

  // The one wrapper of the host's main window, made on first request; none (and asked again next
  // time) while the host gives no main window.
  CTovikMainWindow* GetMainWindow();

 private:
  HostFunctionTable m_hostFunctions;
  HMODULE m_hostModule = nullptr;
  std::unique_ptr<CTovikMainWindow> m_mainWindow;
};

// The one instance, made on first use and destroyed at unload.
CTovikGlobalData& GetTovikGlobalData();

// Hands the instance to the core as its link to the host and loads the host functions from the
// process's main module.
bool LoadHostFunctions();
// The wrapper of the host's main window; none while the host gives none.
CTovikMainWindow* GetMainWindow();
