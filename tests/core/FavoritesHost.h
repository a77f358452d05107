#pragma once
// Points the host's data folder at a test folder: natively through a fake in the host table, under
// Wine through the fake host the test executable itself is.
#include <string>

#ifdef _WIN32
#include "tests/testhost/FakeHost.h"
#include "win/host/CTovikGlobalData.h"
#else
#include "tests/core/TestHostLink.h"
#endif

namespace favorites_test {

#ifdef _WIN32
inline void UseDataFolder(const std::string& folder) {
  FakeHost().DataFolder = folder;
  LoadHostFunctions();
}
#else
inline std::string& FakeDataFolder() {
  static std::string folder;
  return folder;
}
inline LPCSTR WINAPI FakeGetDataFolder() { return FakeDataFolder().c_str(); }
inline void UseDataFolder(const std::string& folder) {
  FakeDataFolder() = folder;
  HostFunctionTable table = Host();
  table.GetDataFolder = FakeGetDataFolder;
  SetHostFunctions(table);
}
#endif

}  // namespace favorites_test
