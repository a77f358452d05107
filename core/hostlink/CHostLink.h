#pragma once
// What the core needs of its surroundings: the host's functions and the plug-in module's own name.
// The Windows side hands its link in when the plug-in starts; a native test hands in one of its own.
#include <string>

#include "hostapi/HostFunctionTable.h"

class CHostLink {
 public:
  virtual ~CHostLink() = default;

  virtual const HostFunctionTable& GetHostFunctions() const = 0;
  // The plug-in module's file name without folder and extension ("RaZudazoved").
  virtual std::string GetModuleBaseName() const = 0;
};

// The link the core uses from now on; none leaves an empty host table and an empty module name.
void SetHostLink(const CHostLink* link);

// The host table of the link in use (every function null while there is none).
const HostFunctionTable& Host();
// The module base name of the link in use.
std::string GetModuleBaseName();
