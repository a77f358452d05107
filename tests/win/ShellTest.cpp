// The plug-in as the host sees it: loading, the host function lookup, the information block, paths.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "core/hostlink/PluginPaths.h"
#include "hostapi/PluginExports.h"
#include "tests/testhost/FakeHost.h"
#include "win/host/CTovikGlobalData.h"
#include "win/shell/ProcessState.h"
#include "win/ui/ModuleInstance.h"

namespace {

template <class Function>
Function EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Runs a program of the bin folder and gives its exit code (-1 when it cannot be started).
int RunProgram(const std::string& name) {
  std::string commandLine = name + ".exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

class LoadedPlugin : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeHost();
    plugin = LoadLibraryA("RaZudazoved.dll");
    ASSERT_NE(plugin, nullptr) << "error " << GetLastError();
  }
  void TearDown() override {
    if (plugin) FreeLibrary(plugin);
  }
  HMODULE plugin = nullptr;
};

TEST_F(LoadedPlugin, ExportsEveryEntryPointByName) {
  for (const char* name : {"TVC_OnExit", "TVC_OnMenuInit", "TVC_OnOpenMail", "TVC_OnKeyDispatch",
                           "TVC_OnPlugInSetup", "TVC_OnPlugInInfo"}) {
    EXPECT_NE(GetProcAddress(plugin, name), nullptr) << name;
  }
}

TEST_F(LoadedPlugin, InformationBlockHoldsFourTerminatedTextsAndNothingMore) {
  unsigned char block[sizeof(TovikPlugInInfo)];
  std::memset(block, 0xCC, sizeof block);
  auto onInfo = EntryPoint<TVC_OnPlugInInfo_t>(plugin, "TVC_OnPlugInInfo");
  ASSERT_EQ(onInfo(reinterpret_cast<TovikPlugInInfo*>(block)), 0);
  const struct {
    size_t offset;
    const char* text;
  } expected[] = {{0, "RaZudazoved"}, {80, "Dorimune"}, {160, "2.2"}, {240, "Favorite Item Manager"}};
  size_t written = 0;
  for (const auto& field : expected) {
    const size_t length = std::strlen(field.text);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block) + field.offset, length), field.text);
    EXPECT_EQ(block[field.offset + length], 0) << "terminator of " << field.text;
    EXPECT_EQ(block[field.offset + length + 1], 0xCC) << "byte after " << field.text;
    written = field.offset + length + 1;
  }
  for (size_t i = written; i < sizeof block; ++i) ASSERT_EQ(block[i], 0xCC) << "byte " << i;
}

TEST_F(LoadedPlugin, EntryPointResultsBeforeTheirFeaturesLand) {
  EXPECT_EQ(EntryPoint<TVC_OnKeyDispatch_t>(plugin, "TVC_OnKeyDispatch")(nullptr, 0, 0), 0);
  EXPECT_EQ(EntryPoint<TVC_OnOpenMail_t>(plugin, "TVC_OnOpenMail")("Main\\Inbox\\?1A"), 0);
  EXPECT_EQ(EntryPoint<TVC_OnMenuInit_t>(plugin, "TVC_OnMenuInit")(nullptr, nullptr, 7), 0);
  EXPECT_EQ(EntryPoint<TVC_OnExit_t>(plugin, "TVC_OnExit")(), 0);
}

TEST(HostFunctionLookup, PluginRefusesToLoadWhenAnySingleHostFunctionIsMissing) {
// Stringified directly: a name such as GetTempFileName is also a macro of windows.h.
#define EXPECT_REFUSED(name, ...) \
  EXPECT_EQ(RunProgram("host_without_TVA_" #name), 1) << "host without TVA_" #name;
#define EXPECT_REFUSED_OTHER(name) \
  EXPECT_EQ(RunProgram("host_without_TVA_" #name), 1) << "host without TVA_" #name;
  TOVIK_CALLED_HOST_FUNCTIONS(EXPECT_REFUSED)
  TOVIK_OTHER_HOST_FUNCTIONS(EXPECT_REFUSED_OTHER)
#undef EXPECT_REFUSED
#undef EXPECT_REFUSED_OTHER
}

TEST(HostFunctionLookup, FillsTheTableFromTheMainModuleAndReturnsAtOnceWhenLoaded) {
  CTovikGlobalData data;
  HMODULE self = GetModuleHandleA(nullptr);
  ASSERT_TRUE(data.LoadHostFunctions(self));
  EXPECT_EQ(data.GetHostModule(), self);
  const HostFunctionTable& table = data.GetHostFunctions();
  EXPECT_EQ(reinterpret_cast<void*>(table.GetDataFolder), reinterpret_cast<void*>(&TVA_GetDataFolder));
  EXPECT_NE(table.Connect, nullptr);

  // Loaded once: a module without the names is not even searched.
  EXPECT_TRUE(data.LoadHostFunctions(GetModuleHandleA("kernel32.dll")));
  EXPECT_EQ(data.GetHostModule(), self);
  EXPECT_EQ(reinterpret_cast<void*>(table.GetDataFolder), reinterpret_cast<void*>(&TVA_GetDataFolder));
}

TEST(HostFunctionLookup, MissingNameClearsTheHostModule) {
  CTovikGlobalData data;
  EXPECT_FALSE(data.LoadHostFunctions(GetModuleHandleA("kernel32.dll")));
  EXPECT_EQ(data.GetHostModule(), nullptr);
  EXPECT_FALSE(data.LoadHostFunctions(nullptr));
}

TEST(PluginPaths, SettingsFileIsDataFolderPluginsAndModuleBaseName) {
  ResetFakeHost();
  ASSERT_TRUE(LoadHostFunctions());
  HMODULE plugin = LoadLibraryA("RaZudazoved.dll");
  ASSERT_NE(plugin, nullptr);
  SetModuleInstance(plugin);
  const struct {
    const char* dataFolder;
    const char* pluginFolder;
  } cases[] = {
      {"C:\\Tovik\\", "C:\\Tovik\\Plugins"},
      {"D:\\Mail Data\\Tovik\\", "D:\\Mail Data\\Tovik\\Plugins"},
      {"C:\\NoSeparator", "C:\\NoSeparatorPlugins"},  // used as the host gives it
  };
  for (const auto& c : cases) {
    FakeHost().DataFolder = c.dataFolder;
    EXPECT_EQ(GetModuleBaseName(), "RaZudazoved");
    EXPECT_EQ(GetPluginFolder(), c.pluginFolder);
    EXPECT_EQ(GetSettingsFilePath(), std::string(c.pluginFolder) + "\\RaZudazoved.ini");
  }
  SetModuleInstance(nullptr);
  FreeLibrary(plugin);
}

TEST(MissingNameHosts, CompleteHostLoadsThePlugin) {
  // The control case of the missing-name hosts: the same loader with every name present loads.
  HMODULE plugin = LoadLibraryA("RaZudazoved.dll");
  EXPECT_NE(plugin, nullptr);
  if (plugin) FreeLibrary(plugin);
}

}  // namespace
