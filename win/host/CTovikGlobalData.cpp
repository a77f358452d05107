#include "win/host/CTovikGlobalData.h"

#include <vector>

#include "core/hostlink/PathText.h"
#include "win/host/CTovikMainWindow.h"
#include "win/ui/ModuleInstance.h"

namespace {

std::string GetModuleFilePath(HMODULE module) {
  // Grow until the whole path fits: long paths may exceed MAX_PATH.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = GetModuleFileNameA(module, buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size) return std::string(buffer.data(), length);
  }
  return std::string();
}

template <class Function>
bool LookUp(CTovikGlobalData::FunctionResolver resolve, HMODULE module, const char* name, Function& slot) {
  FARPROC address = resolve(module, name);
  if (address == nullptr) return false;
  // Through a plain function pointer type, the one cast between function types that is always fine.
  slot = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
  return true;
}

}  // namespace

CTovikGlobalData::CTovikGlobalData() = default;
CTovikGlobalData::~CTovikGlobalData() = default;

std::string CTovikGlobalData::GetModuleBaseName() const {
  return FileBaseName(GetModuleFilePath(GetModuleInstance()));
}

CTovikMainWindow* CTovikGlobalData::GetMainWindow() {
  if (!m_mainWindow && m_hostFunctions.GetWindowHandles != nullptr) {
    HWND handles[4] = {};
    m_hostFunctions.GetWindowHandles(&handles[0], &handles[1], &handles[2], &handles[3]);
    if (handles[0] != nullptr) m_mainWindow = std::make_unique<CTovikMainWindow>(handles[0]);
  }
  return m_mainWindow.get();
}

bool CTovikGlobalData::LoadHostFunctions(HMODULE hostModule, FunctionResolver resolve) {
  if (m_hostModule != nullptr) return true;
  if (hostModule == nullptr) return false;
  m_hostModule = hostModule;
  HostFunctionTable& table = m_hostFunctions;
  // && stops at the first missing name, so later names are not even looked up.
  bool complete = true
#define TOVIK_LOOK_UP_CALLED(name, result, parameters) && LookUp(resolve, hostModule, "TVA_" #name, table.name)
#define TOVIK_LOOK_UP_OTHER(name) && LookUp(resolve, hostModule, "TVA_" #name, table.name)
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

bool LoadHostFunctions() {
  CTovikGlobalData& data = GetTovikGlobalData();
  SetHostLink(&data);
  return data.LoadHostFunctions(GetModuleHandleA(nullptr));
}

CTovikMainWindow* GetMainWindow() { return GetTovikGlobalData().GetMainWindow(); }
