// Sticky status messages: kept against the host's own texts for their time, safe when a second one
// comes while the first is kept, and never kept by a thread of an unloaded plug-in.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/testhost/FakeHost.h"
#include "tests/win/TestHostWindows.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/shell/PluginLifecycle.h"

namespace {

class StickyStatusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeHost();
    ASSERT_TRUE(LoadHostFunctions());
    host = &UseTestHostWindows();
  }
  // What the host does with its status bar on its own.
  void HostWrites(const char* text) { SendMessageA(host->StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text)); }
  std::string StatusText() const { return CWindow::TextOf(host->StatusBar); }
  // The status bar shows the text within the time, while this thread serves the keeper's messages.
  bool Shows(const std::string& text, DWORD within) {
    return uiauto::PumpMessagesUntil([&] { return StatusText() == text; }, within);
  }
  // The status bar keeps showing the text for the whole time.
  bool Keeps(const std::string& text, DWORD during) {
    bool kept = true;
    const DWORD start = GetTickCount();
    uiauto::PumpMessagesUntil([&] {
      kept = kept && StatusText() == text;
      return GetTickCount() - start >= during;
    }, during + 1000);
    return kept;
  }
  const TestHostWindows* host = nullptr;
};

TEST_F(StickyStatusTest, TextSurvivesTheHostOverwritingItForTheGivenTime) {
  CTovikStatusWindow status(host->StatusBar);
  const DWORD shownAt = GetTickCount();
  status.ShowSticky("Registered.", 2000);
  EXPECT_EQ(StatusText(), "Registered.");
  for (int i = 0; i < 5; ++i) {
    HostWrites("Ready");
    EXPECT_TRUE(Shows("Registered.", 300)) << "overwrite " << i << " not undone: " << StatusText();
    uiauto::PumpMessagesFor(20);
  }
  uiauto::PumpMessagesUntil([&] { return GetTickCount() - shownAt > 2300; }, 5000);
  HostWrites("Ready");
  EXPECT_TRUE(Keeps("Ready", 150)) << "kept beyond its time";
}

TEST_F(StickyStatusTest, DurationZeroRewritesAtMostOnceAndEndsAfterOneSleep) {
  CTovikStatusWindow status(host->StatusBar);
  status.ShowSticky("Once", 0);
  uiauto::PumpMessagesFor(100);
  HostWrites("Ready");
  EXPECT_TRUE(Keeps("Ready", 150));
  int written = 0;
  for (const std::string& text : FakeHost().MessageTexts) written += text == "Once";
  EXPECT_GE(written, 1);
  EXPECT_LE(written, 2);
}

TEST_F(StickyStatusTest, SecondStickyEndsTheFirstUnderLoad) {
  // Busy threads on every core, so that the keepers are preempted at awkward moments.
  std::atomic<bool> busy{true};
  std::vector<std::thread> load;
  for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i) {
    load.emplace_back([&] {
      while (busy) {
      }
    });
  }
  CTovikStatusWindow status(host->StatusBar);
  const int rounds = 30;
  int failures = 0;
  for (int round = 0; round < rounds && failures < 3; ++round) {
    const std::string first = "First " + std::to_string(round), second = "Second " + std::to_string(round);
    status.ShowSticky(first, 200);
    HostWrites("Ready");
    uiauto::PumpMessagesFor(static_cast<DWORD>(round % 4) * 7);
    status.ShowSticky(second, 30);
    // Once the second one is shown, the first keeper has made its last write.
    const size_t secondShownAt = FakeHost().MessageTexts.size();
    for (int overwrite = 0; overwrite < 3; ++overwrite) {
      HostWrites("Ready");
      uiauto::PumpMessagesFor(5);
    }
    uiauto::PumpMessagesFor(300);  // both keepers are over, even on a loaded machine: the record can be read
    const std::vector<std::string>& texts = FakeHost().MessageTexts;
    for (size_t i = secondShownAt; i < texts.size(); ++i) {
      if (texts[i] != second) {
        ADD_FAILURE() << "round " << round << ": after the second sticky message the host was given \"" << texts[i]
                      << "\"";
        ++failures;
      }
    }
    HostWrites("Ready");
    if (!Keeps("Ready", 30)) {
      ADD_FAILURE() << "round " << round << ": a keeper outlived its time, status shows \"" << StatusText() << "\"";
      ++failures;
    }
  }
  busy = false;
  for (std::thread& thread : load) thread.join();
}

TEST_F(StickyStatusTest, ExitEndsTheKeeperBeforeItReturns) {
  CTovikMainWindow* main = GetMainWindow();
  CTovikStatusWindow* status = main ? main->GetStatusWindow() : nullptr;
  ASSERT_NE(status, nullptr);
  status->ShowSticky("Jumped.", 600);
  uiauto::PumpMessagesFor(30);
  StopPlugin();
  const size_t callsAtExit = FakeHost().Calls.size();
  // A keeper still running would put its text back, well within its time.
  HostWrites("Ready");
  uiauto::PumpMessagesFor(800);
  const std::vector<std::string>& calls = FakeHost().Calls;
  EXPECT_EQ(std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(callsAtExit), calls.end()),
            std::vector<std::string>{})
      << "host functions called after the exit";
  EXPECT_EQ(StatusText(), "Ready");
}

// The handles this process holds, as the system lists them (GetProcessHandleCount is not
// reliable under every system the tests run on).
size_t OpenHandleCount() {
  using QuerySystemInformation = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return 0;
  struct Entry {  // SYSTEM_HANDLE_TABLE_ENTRY_INFO_EX
    void* Object;
    ULONG_PTR ProcessId, Handle;
    ULONG Access;
    USHORT BackTraceIndex, TypeIndex;
    ULONG Attributes, Reserved;
  };
  const ULONG extendedHandleInformation = 64;
  std::vector<unsigned char> buffer(1 << 20);
  ULONG needed = 0;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const LONG status = query(extendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == 0) break;
    if (attempt == 7) return 0;
    buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
  }
  const ULONG_PTR count = *reinterpret_cast<const ULONG_PTR*>(buffer.data());
  const Entry* entries = reinterpret_cast<const Entry*>(buffer.data() + 2 * sizeof(ULONG_PTR));
  size_t own = 0;
  for (ULONG_PTR i = 0; i < count; ++i) own += entries[i].ProcessId == GetCurrentProcessId();
  return own;
}

TEST_F(StickyStatusTest, EndedKeepersLeaveNoHandlesBehind) {
  CTovikStatusWindow status(host->StatusBar);
  // Every ShowSticky ends the keeper before it, so between rounds only the latest one holds handles.
  status.ShowSticky("Warming up", 0);
  uiauto::PumpMessagesFor(100);
  const size_t before = OpenHandleCount();
  ASSERT_GT(before, 0u) << "the system does not list the handles";
  const size_t rounds = 40;
  for (size_t round = 0; round < rounds; ++round) {
    status.ShowSticky("Round " + std::to_string(round), 0);
    uiauto::PumpMessagesFor(30);
  }
  uiauto::PumpMessagesFor(200);
  const size_t after = OpenHandleCount();
  EXPECT_LT(after, before + rounds / 2) << "handles before: " << before << ", after " << rounds << " keepers: " << after;
}

TEST_F(StickyStatusTest, NoKeeperOutlivesTheUnloadOfThePlugin) {
  HMODULE module = LoadLibraryA("sticky_keeper_module.dll");
  ASSERT_NE(module, nullptr) << "error " << GetLastError();
  using ShowSticky = int (*)(const char*, DWORD);
  auto show = reinterpret_cast<ShowSticky>(reinterpret_cast<void (*)()>(GetProcAddress(module, "ShowStickyFromModule")));
  ASSERT_NE(show, nullptr);
  ASSERT_EQ(show("Unloading", 600), 1);
  FreeLibrary(module);
  // The host has let the module go, yet its keeper still runs: the module stays until it ends.
  EXPECT_NE(GetModuleHandleA("sticky_keeper_module.dll"), nullptr);
  HostWrites("Ready");
  EXPECT_TRUE(Shows("Unloading", 250));
  const bool unloaded = uiauto::PumpMessagesUntil([] { return GetModuleHandleA("sticky_keeper_module.dll") == nullptr; },
                                                  3000);
  EXPECT_TRUE(unloaded) << "the keeper's module should be unloaded once it ends";
  HostWrites("Ready");
  EXPECT_TRUE(Keeps("Ready", 100));
}

}  // namespace
