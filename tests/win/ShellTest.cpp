// The plug-in as the host sees it: loading, the host function lookup, the information block.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "hostapi/PluginExports.h"
#include "tests/testhost/FakeHost.h"
#include "win/host/CTovikGlobalData.h"

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

// A menu as the user sees it, item by item and into its pop-ups: id and text, a pop-up's text, or a
// separator.
std::vector<std::string> Describe(HMENU menu) {
  std::vector<std::string> items;
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    char text[128] = "";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = text;
    item.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item);
    if (item.hSubMenu != nullptr) {
      items.push_back(std::string("pop-up ") + text);
      for (const std::string& inner : Describe(item.hSubMenu)) items.push_back("  " + inner);
    } else {
      items.push_back((item.fType & MFT_SEPARATOR) ? std::string("separator") : std::to_string(item.wID) + " " + text);
    }
  }
  return items;
}

TEST_F(LoadedPlugin, CommandsTheHostRefusesLeaveItsMenusAsTheyWere) {
  // The fake host answers every registration with 0: a refusal.
  HMENU bar = CreateMenu();
  for (UINT popup = 0; popup < 5; ++popup) {
    HMENU items = CreatePopupMenu();
    AppendMenuA(items, MF_STRING, 100 + popup, "Host command");
    AppendMenuA(items, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), "Pop-up");
  }
  HMENU context = CreatePopupMenu();
  AppendMenuA(context, MF_STRING, 200, "&Open");
  AppendMenuA(context, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(context, MF_STRING, 32935, "Anchor");
  AppendMenuA(context, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(context, MF_STRING, 201, "P&roperties");
  const std::vector<std::string> barBefore = Describe(bar), contextBefore = Describe(context);
  auto onMenuInit = EntryPoint<TVC_OnMenuInit_t>(plugin, "TVC_OnMenuInit");
  for (int type = 0; type <= 3; ++type) EXPECT_EQ(onMenuInit(nullptr, type == 0 ? bar : context, type), 0);
  EXPECT_EQ(Describe(bar), barBefore);
  EXPECT_EQ(Describe(context), contextBefore);
  const std::vector<std::string>& calls = FakeHost().Calls;
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "RegisterCommand"), 9) << "every command asked for once";
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "RegisterUICallback"), 0) << "no update callback for id 0";
  DestroyMenu(bar);
  DestroyMenu(context);
}

// Finds every host function of this test program but one, and records the names it was asked for.
std::string omittedName;
std::vector<std::string> askedNames;
FARPROC WINAPI ResolveAllButOmitted(HMODULE module, LPCSTR name) {
  askedNames.push_back(name);
  return omittedName == name ? nullptr : GetProcAddress(module, name);
}

std::vector<std::string> HostFunctionNamesInTableOrder() {
  std::vector<std::string> names;
// Stringified directly: a name such as GetTempFileName is also a macro of windows.h.
#define TOVIK_NAME_CALLED(name, result, parameters) names.push_back("TVA_" #name);
#define TOVIK_NAME_OTHER(name) names.push_back("TVA_" #name);
  TOVIK_CALLED_HOST_FUNCTIONS(TOVIK_NAME_CALLED)
  TOVIK_OTHER_HOST_FUNCTIONS(TOVIK_NAME_OTHER)
#undef TOVIK_NAME_CALLED
#undef TOVIK_NAME_OTHER
  return names;
}

TEST(HostFunctionLookup, AnySingleMissingNameFailsTheLoadWhereItIsMet) {
  const std::vector<std::string> names = HostFunctionNamesInTableOrder();
  ASSERT_EQ(names.size(), static_cast<size_t>(HostFunctionCount));
  for (size_t missing = 0; missing < names.size(); ++missing) {
    omittedName = names[missing];
    askedNames.clear();
    CTovikGlobalData data;
    EXPECT_FALSE(data.LoadHostFunctions(GetModuleHandleA(nullptr), &ResolveAllButOmitted)) << omittedName;
    EXPECT_EQ(data.GetHostModule(), nullptr) << omittedName;
    const HostFunctionTable empty;
    EXPECT_EQ(std::memcmp(&data.GetHostFunctions(), &empty, sizeof empty), 0) << "table kept after " << omittedName;
    const std::vector<std::string> expectedAsked(names.begin(), names.begin() + missing + 1);
    EXPECT_EQ(askedNames, expectedAsked) << "the lookup goes in table order and stops at " << omittedName;
  }
}

TEST(HostFunctionLookup, HostProcessLackingANameCannotLoadThePlugin) {
  // A real process, with the real loader and DllMain: only its export table lacks TVA_Connect.
  EXPECT_EQ(RunProgram("host_without_TVA_Connect"), static_cast<int>(ERROR_DLL_INIT_FAILED));
}

TEST(HostFunctionLookup, FillsTheTableFromTheMainModuleAndReturnsAtOnceWhenLoaded) {
  CTovikGlobalData data;
  EXPECT_FALSE(data.LoadHostFunctions(nullptr));
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

}  // namespace
