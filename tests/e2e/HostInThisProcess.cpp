#include "tests/e2e/HostInThisProcess.h"

#include <gtest/gtest.h>

#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CTovikGlobalData.h"

namespace {

class HostEnvironment : public ::testing::Environment {
 public:
  void TearDown() override {
    if (!m_dataFolder.empty()) {
      HostInThisProcess().Close();
      DeleteDirectoryTree(m_dataFolder);
    }
  }
  std::string m_dataFolder;
};

HostEnvironment* const environment =
    static_cast<HostEnvironment*>(::testing::AddGlobalTestEnvironment(new HostEnvironment));

}  // namespace

CMainFrame& HostInThisProcess() {
  CMainFrame& host = TheHost();
  if (environment->m_dataFolder.empty()) {
    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    environment->m_dataFolder = std::string(temporary) + "raz-host-" + std::to_string(GetCurrentProcessId()) + "\\";
    if (!WriteSampleStore(environment->m_dataFolder, 1) || !host.Create(environment->m_dataFolder) ||
        !LoadHostFunctions()) {
      ADD_FAILURE() << "the host could not be made in " << environment->m_dataFolder;
    }
    uiauto::PumpMessagesFor(100);
  }
  return host;
}

bool ActivateHost() {
  HWND frame = HostInThisProcess().Windows().Frame();
  SetForegroundWindow(frame);
  return uiauto::PumpMessagesUntil([&] { return GetActiveWindow() == frame; }, 2000);
}
