#include "core/hostlink/HostFolderWalk.h"

#include <algorithm>
#include <cstring>

#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "port/FolderListing.h"
#include "port/Mbcs.h"

namespace {

const char IndexName[] = "folder.idx";  // folded

// A name the host could have made a folder of: whole characters, no control byte, nothing a path or
// a pattern gives a meaning to.
bool IsFolderName(const std::string& name) {
  if (name.empty() || port::CutLength(name, name.size()) != name.size()) return false;
  for (std::size_t at = 0; at < name.size(); ++at) {
    const unsigned char byte = static_cast<unsigned char>(name[at]);
    if (port::IsLeadByte(byte)) {
      ++at;
      continue;
    }
    if (byte < 0x20 || std::strchr("\\/:*?\"<>|", byte) != nullptr) return false;
  }
  return true;
}

struct SortedName {
  std::string Folded;
  std::string Name;
  bool operator<(const SortedName& other) const {
    return Folded != other.Folded ? Folded < other.Folded : Name < other.Name;
  }
};

struct Walk {
  std::string DataFolder;  // ends in a separator
  std::size_t Visits = 0;
  std::vector<std::string> FolderIds;
};

void Visit(Walk& walk, const std::string& folderId, int depth) {
  if (walk.Visits >= MaxHostFolderVisits) return;
  ++walk.Visits;
  std::vector<port::FolderEntry> entries;
  if (!port::ListFolder(walk.DataFolder + folderId, entries)) return;
  std::vector<SortedName> children;
  bool holdsIndex = false;
  for (const port::FolderEntry& entry : entries) {
    if (entry.IsLink) continue;
    if (!entry.IsFolder) {
      holdsIndex = holdsIndex || port::FoldAsciiCase(entry.Name) == IndexName;
    } else if (depth < MaxHostFolderDepth && IsFolderName(entry.Name)) {
      children.push_back({port::FoldAsciiCase(entry.Name), entry.Name});
    }
  }
  // The data folder itself is no folder of the host.
  if (holdsIndex && !folderId.empty()) walk.FolderIds.push_back(folderId);
  std::sort(children.begin(), children.end());
  for (const SortedName& child : children) Visit(walk, folderId + child.Name + "\\", depth + 1);
}

}  // namespace

std::vector<std::string> FindHostFolderIds(const std::string& dataFolder) {
  if (dataFolder.empty()) return {};
  Walk walk;
  walk.DataFolder = dataFolder;
  if (walk.DataFolder.back() != '\\' && walk.DataFolder.back() != '/') walk.DataFolder += '\\';
  Visit(walk, std::string(), 0);
  return std::move(walk.FolderIds);
}

std::vector<HostFolder> ListHostFolders() {
  std::vector<HostFolder> folders;
  if (!Host().GetDataFolder) return folders;
  for (std::string& folderId : FindHostFolderIds(HostText(Host().GetDataFolder()))) {
    std::string name = GetHostFolderDisplayName(folderId);
    if (name.empty()) name = folderId;
    folders.push_back({std::move(folderId), std::move(name)});
  }
  return folders;
}
