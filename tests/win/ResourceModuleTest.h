// Base of the tests that read the plug-in's resources. Each runs twice: on the resources linked into the
// test executable, and on the built DLL beside it, loaded as data (its entry point wants a real host).
#ifndef RAZ_TESTS_WIN_RESOURCEMODULETEST_H
#define RAZ_TESTS_WIN_RESOURCEMODULETEST_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

class ResourceModuleTest : public ::testing::TestWithParam<const wchar_t*> {
 public:
  static auto Modules() { return ::testing::Values(L"", L"RaZudazoved.dll"); }

 protected:
  void SetUp() override {
    const std::wstring name = GetParam();
    module = name.empty() ? GetModuleHandleW(nullptr) : LoadLibraryExW(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << "error " << GetLastError();
  }
  void TearDown() override {
    if (module && *GetParam()) FreeLibrary(module);
  }

  HMODULE module = nullptr;
};

#endif
