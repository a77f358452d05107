#pragma once
// A scratch folder per test, and file helpers, natively and under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/ini/CIniFile.h"
#include "core/ini/IniEncoding.h"
#include "port/CodePageConversion.h"
#include "port/FileSystem.h"
#include "port/Mbcs.h"

namespace favorites_test {

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(port::NativePath(path), std::ios::binary | std::ios::trunc);
  file << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(port::NativePath(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// A new empty folder for one test, removed with its contents at the end; `Path()` ends in "\".
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    std::filesystem::path folder;
    std::error_code error;
    do {
      folder = std::filesystem::temp_directory_path(error) / ("raz" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder, error) && !error);
    m_path = folder.string() + "\\";
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(port::NativePath(m_path), ignored);
  }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

// Makes `codePage` the test's ANSI code page: natively the stand-in's. Under Wine it is the process's
// own, which LC_ALL chooses at its start (the Windows tests of page 932 run in a process of their
// own, with ja_JP), so there a test for another page cannot run.
inline bool UseAnsiCodePage(int codePage) {
#ifdef _WIN32
  if (GetACP() != static_cast<UINT>(codePage)) return false;
#endif
  return port::SetMultiByteCodePage(codePage) == 0;
}

const IniEncoding AllIniEncodings[] = {IniEncoding::Ansi, IniEncoding::Utf8, IniEncoding::Utf16Le,
                                       IniEncoding::Utf16Be};

// `text` as the bytes of a file in the encoding, byte-order mark first.
inline std::string InEncoding(IniEncoding encoding, const std::u16string& text) {
  if (encoding == IniEncoding::Ansi) return port::WideToAnsi(text);
  if (encoding == IniEncoding::Utf8) return "\xEF\xBB\xBF" + port::WideToUtf8(text);
  const bool little = encoding == IniEncoding::Utf16Le;
  std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(little ? unit & 0xFF : unit >> 8);
    bytes += static_cast<char>(little ? unit >> 8 : unit & 0xFF);
  }
  return bytes;
}

inline std::string ReadStringEverywhere(const std::string& path, const char* section, const char* key) {
  CIniFile ini(path);
  EXPECT_TRUE(ini.Reload());
  const std::string ours = ini.ReadString(section, key, "dflt");
#ifdef _WIN32
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // forget any cached copy
  char buffer[1024] = {};
  GetPrivateProfileStringA(section, key, "dflt", buffer, sizeof buffer, path.c_str());
  EXPECT_EQ(ours, std::string(buffer)) << "[" << section << "] " << key << ": ours, then the system's";
#endif
  return ours;
}

inline int ReadIntEverywhere(const std::string& path, const char* section, const char* key) {
  CIniFile ini(path);
  EXPECT_TRUE(ini.Reload());
  const int ours = ini.ReadInt(section, key, 77);
#ifdef _WIN32
  const int system = static_cast<int>(GetPrivateProfileIntA(section, key, 77, path.c_str()));
  EXPECT_EQ(ours, system) << "[" << section << "] " << key << ": ours, then the system's";
#endif
  return ours;
}

}  // namespace favorites_test
