// The plug-in module's own name, from the module file the instance handle names.
#include <vector>

#include "shell/PathText.h"
#include "shell/PluginPaths.h"
#include "shell/ProcessState.h"

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

}  // namespace

std::string GetModuleBaseName() { return FileBaseName(GetModuleFilePath(GetModuleInstance())); }
