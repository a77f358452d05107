#pragma once
#include <string>

#include "shell/HostFunctionTable.h"

// The host's display name of a folder; empty when the host gives none.
inline std::string GetHostFolderDisplayName(const std::string& folderId) {
  const char* name = Host().GetFolderDisplayName ? Host().GetFolderDisplayName(folderId.c_str()) : nullptr;
  return name ? std::string(name) : std::string();
}
