#include "win/ui/ModuleInstance.h"

namespace {

HINSTANCE moduleInstance = nullptr;

}  // namespace

HINSTANCE GetModuleInstance() { return moduleInstance; }

void SetModuleInstance(HINSTANCE instance) { moduleInstance = instance; }

HICON LoadModuleIcon(WORD id, int size) {
  return static_cast<HICON>(
      LoadImageA(moduleInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}
