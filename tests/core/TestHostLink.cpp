#include "tests/core/TestHostLink.h"

#include <gtest/gtest.h>

#include "core/hostlink/PluginPaths.h"

CTestHostLink& TestHostLink() {
  static CTestHostLink link;
  return link;
}

namespace {

// Every test runs against the test's own link: nothing of the Windows side is linked in.
const bool linkInstalled = (SetHostLink(&TestHostLink()), true);

TEST(HostLinkTest, CoreAsksTheHostAndTheModuleNameThroughTheLinkItIsHanded) {
  CTestHostLink other;
  other.ModuleBaseName = "Renamed";
  other.Functions.GetDataFolder = []() -> LPCSTR { return "D:\\Data\\"; };
  SetHostLink(&other);
  const std::string settings = GetSettingsFilePath();
  other.Functions.GetDataFolder = []() -> LPCSTR { return "C:\\NoSeparator"; };  // used as the host gives it
  const std::string pluginFolder = GetPluginFolder();
  SetHostLink(&TestHostLink());
  EXPECT_EQ(settings, "D:\\Data\\Plugins\\Renamed.ini");
  EXPECT_EQ(pluginFolder, "C:\\NoSeparatorPlugins");
}

}  // namespace
