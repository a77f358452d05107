#include "win/ui/ModuleInstance.h"

namespace {

HINSTANCE moduleInstance = nullptr;

}  // namespace

HINSTANCE GetModuleInstance() { return moduleInstance; }

void SetModuleInstance(HINSTANCE instance) { moduleInstance = instance; }
