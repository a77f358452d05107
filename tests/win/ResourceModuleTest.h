// Base of the tests that read the plug-in's resources. Each runs twice: on the resources linked into the
// test executable, and on the built DLL beside it, loaded as data (its entry point wants a real host).
// Beside it, helpers for the texts the tests read.
#ifndef RAZ_TESTS_WIN_RESOURCEMODULETEST_H
#define RAZ_TESTS_WIN_RESOURCEMODULETEST_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

// The text in ASCII, anything else as \uXXXX, for failure messages.
inline std::string Narrow(const std::wstring& text) {
  std::string result;
  for (wchar_t c : text) {
    char escaped[8];
    wsprintfA(escaped, "\\u%04X", static_cast<unsigned>(c));
    result += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : std::string(escaped);
  }
  return result;
}

// True when the text holds kana or kanji.
inline bool HasJapanese(const std::wstring& text) {
  for (wchar_t c : text) {
    if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)) return true;
  }
  return false;
}

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
