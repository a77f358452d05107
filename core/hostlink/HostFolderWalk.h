#pragma once
// Every folder of the host, found on disk: the host keeps one directory per folder under its data
// folder, each holding the folder's index, and a folder's id is its path below the data folder.
#include <cstddef>
#include <string>
#include <vector>

struct HostFolder {
  std::string FolderId;  // ends in "\"
  std::string DisplayName;
};

// Bounds of the walk: the data folder is the host's, but what lies in it is not.
constexpr int MaxHostFolderDepth = 32;
constexpr std::size_t MaxHostFolderVisits = 100000;

// The ids of the directories below `dataFolder` that hold a "Folder.idx", each a parent before its
// children and siblings in the order of their names (ASCII letters without case). Links and reparse
// points, names with half a character or a byte no folder name holds, and levels deeper than
// MaxHostFolderDepth are skipped; the walk stops after MaxHostFolderVisits directories. A folder that
// cannot be read gives nothing below it.
std::vector<std::string> FindHostFolderIds(const std::string& dataFolder);

// The folders below the host's data folder with their display names; a folder the host gives no name
// is shown by its id.
std::vector<HostFolder> ListHostFolders();
