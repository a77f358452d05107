#include "port/FolderCreation.h"

#include "port/FileSystem.h"
#include "port/Mbcs.h"

bool CreateFolderPath(const std::string& path) {
  if (port::PathExists(path)) return true;
  if (port::MakeFolder(path)) return true;
  std::string folder = path;
  if (!folder.empty() && port::FindLastDelimiter(folder, "\\/") == folder.size() - 1) folder.pop_back();
  const std::size_t separator = port::FindLastDelimiter(folder, "\\/");
  // "C:", "name" and the like have no parent to make.
  if (separator == std::string::npos) return false;
  if (!CreateFolderPath(folder.substr(0, separator + 1))) return false;
  port::MakeFolder(path);
  return port::IsExistingFolder(path);
}
