#include "core/hostlink/HostFolders.h"

#include "core/hostlink/CHostLink.h"
#include "port/Mbcs.h"

std::string HostText(LPCSTR text) { return text ? text : ""; }

std::string GetHostFolderDisplayName(const std::string& folderId) {
  return Host().GetFolderDisplayName ? HostText(Host().GetFolderDisplayName(folderId.c_str())) : std::string();
}

std::string GetFolderIndexPath(const std::string& folderId) {
  return HostText(Host().GetDataFolder()) + folderId + "Folder.idx";
}

std::string GetCurrentFolderIndexPath() {
  const std::string folderId = HostText(Host().GetCurrentFolder());
  return folderId.empty() ? std::string() : GetFolderIndexPath(folderId);
}

std::string ShortFolderName(const std::string& displayName) {
  const std::size_t slash = port::FindLastDelimiter(displayName, "/");
  if (slash != std::string::npos) return displayName.substr(slash + 1);
  // ']' can be the second byte of a double-byte character: only a real one counts.
  for (std::size_t bracket = port::FindDelimiter(displayName, "]"); bracket != std::string::npos;
       bracket = port::FindDelimiter(displayName, "]", bracket + 1)) {
    if (displayName.compare(bracket + 1, 1, " ") == 0) return displayName.substr(bracket + 2);
  }
  return displayName;
}

std::string GetShortFolderName(const std::string& folderId) {
  return ShortFolderName(GetHostFolderDisplayName(folderId));
}
