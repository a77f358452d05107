#pragma once
// The host function table: every TVA_ function the plug-in looks up, filled by LoadHostFunctions.
#include "hostapi/HostFunctionList.h"

struct HostFunctionTable {
#define TOVIK_CALLED_MEMBER(name, result, parameters) TVA_##name##_t name = nullptr;
#define TOVIK_OTHER_MEMBER(name) FARPROC name = nullptr;
  TOVIK_CALLED_HOST_FUNCTIONS(TOVIK_CALLED_MEMBER)
  TOVIK_OTHER_HOST_FUNCTIONS(TOVIK_OTHER_MEMBER)
#undef TOVIK_CALLED_MEMBER
#undef TOVIK_OTHER_MEMBER
};

// Number of host functions the plug-in requires.
constexpr int HostFunctionCount = 54;
