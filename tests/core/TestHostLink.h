#pragma once
// The native tests' link to a host: a table of fakes that each test fills, and the module name the
// plug-in has when installed as RaZudazoved.dll. Installed before the first test runs.
#include <string>

#include "core/hostlink/CHostLink.h"

class CTestHostLink : public CHostLink {
 public:
  const HostFunctionTable& GetHostFunctions() const override { return Functions; }
  std::string GetModuleBaseName() const override { return ModuleBaseName; }

  HostFunctionTable Functions;
  std::string ModuleBaseName = "RaZudazoved";
};

CTestHostLink& TestHostLink();

inline void SetHostFunctions(const HostFunctionTable& table) { TestHostLink().Functions = table; }
