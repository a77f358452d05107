#pragma once
#include <memory>

#include "shell/CGlobalData.h"
#include "shell/HostFunctionTable.h"

// The plug-in's tie to the host: the host function table and the host module it came from.
class CTovikGlobalData : public CGlobalData {
 public:
  // Looks every host function up in the given module, in table order. Succeeds at once when the
  // table is already loaded; at the first missing name the handle is cleared and the load fails.
  bool LoadHostFunctions(HMODULE hostModule);

  const HostFunctionTable& GetHostFunctions() const { return m_hostFunctions; }
  HMODULE GetHostModule() const { return m_hostModule; }

 private:
  HostFunctionTable m_hostFunctions;
  HMODULE m_hostModule = nullptr;
};

// The one instance, made on first use and destroyed at unload.
CTovikGlobalData& GetTovikGlobalData();
