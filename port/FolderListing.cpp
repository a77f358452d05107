#include "port/FolderListing.h"

#ifdef _WIN32
#include <windows.h>

#include "port/CodePageConversion.h"

namespace port {
namespace {

// The name in the ANSI code page; false when the page has no exact character for some of it (no
// best fit: a look-alike would name another folder).
bool AnsiName(const wchar_t* name, std::string& ansi) {
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, nullptr, 0, nullptr, &usedDefault);
  if (size <= 1 || usedDefault) return false;
  ansi.assign(static_cast<std::size_t>(size), '\0');
  if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, &ansi[0], size, nullptr, &usedDefault) != size ||
      usedDefault) {
    return false;
  }
  ansi.resize(static_cast<std::size_t>(size - 1));
  return true;
}

}  // namespace

bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::string pattern = path;
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
  pattern += '*';
  const std::u16string widePattern = AnsiToWide(pattern);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(reinterpret_cast<const wchar_t*>(widePattern.c_str()), &found);
  if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    const wchar_t* name = found.cFileName;
    if (name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0))) continue;
    FolderEntry entry{std::string(), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                      (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
    if (AnsiName(name, entry.Name)) entries.push_back(std::move(entry));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

}  // namespace port

#else
#include <dirent.h>
#include <sys/stat.h>

#include "port/FileSystem.h"

namespace port {

bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::string folder = NativePath(path);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) return false;
  while (const dirent* found = readdir(directory)) {
    const std::string name = found->d_name;
    if (name == "." || name == "..") continue;
    struct stat status;
    if (lstat((folder + name).c_str(), &status) != 0) continue;
    const bool link = S_ISLNK(status.st_mode);
    struct stat target;
    const bool isFolder = link ? stat((folder + name).c_str(), &target) == 0 && S_ISDIR(target.st_mode)
                               : S_ISDIR(status.st_mode);
    entries.push_back({name, isFolder, link});
  }
  closedir(directory);
  return true;
}

}  // namespace port

#endif
