#pragma once
#include <string>

#include "core/ini/CIniFile.h"

// The application's settings file.
class CAppInfo : public CIniFile {
 public:
  CAppInfo() = default;
  explicit CAppInfo(const std::string& path) : CIniFile(path) {}
};
