// Natively there is no host module to look functions up in; tests install fakes.
#include "shell/HostFunctionTable.h"

namespace {
HostFunctionTable nativeHostFunctions;
}

const HostFunctionTable& Host() { return nativeHostFunctions; }

void SetHostFunctions(const HostFunctionTable& table) { nativeHostFunctions = table; }
