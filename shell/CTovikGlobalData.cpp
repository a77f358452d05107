#include "shell/CTovikGlobalData.h"

namespace {

template <class Function>
bool LookUp(HMODULE module, const char* name, Function& slot) {
  FARPROC address = GetProcAddress(module, name);
  if (address == nullptr) return false;
  // Through a plain function pointer type, the one cast between function types that is always fine.
  slot = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
  return true;
}

}  // namespace

bool CTovikGlobalData::LoadHostFunctions(HMODULE hostModule) {
  if (m_hostModule != nullptr) return true;
  if (hostModule == nullptr) return false;
  m_hostModule = hostModule;
  HostFunctionTable& table = m_hostFunctions;
  // && stops at the first missing name, so later names are not even looked up.
  bool complete = true
#define TOVIK_LOOK_UP_CALLED(name, result, parameters) && LookUp(hostModule, "TVA_" #name, table.name)
#define TOVIK_LOOK_UP_OTHER(name) && LookUp(hostModule, "TVA_" #name, table.name)
      TOVIK_CALLED_HOST_FUNCTIONS(TOVIK_LOOK_UP_CALLED) TOVIK_OTHER_HOST_FUNCTIONS(TOVIK_LOOK_UP_OTHER);
#undef TOVIK_LOOK_UP_CALLED
#undef TOVIK_LOOK_UP_OTHER
  if (!complete) {
    m_hostModule = nullptr;
    m_hostFunctions = HostFunctionTable();
  }
  return complete;
}

CTovikGlobalData& GetTovikGlobalData() {
  static std::unique_ptr<CTovikGlobalData> data;
  if (!data) data = std::make_unique<CTovikGlobalData>();
  return *data;
}
