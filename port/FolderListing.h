#pragma once
// The entries of one folder, as a walk over folders needs them. On Windows a pass-through to
// FindFirstFileW (names handed out in the ANSI code page); natively readdir and lstat.
#include <string>
#include <vector>

namespace port {

struct FolderEntry {
  std::string Name;
  bool IsFolder;
  // A link, junction or other reparse point: it may lead anywhere, back up the tree too.
  bool IsLink;
};

// Lists the entries of the folder at `path` ("." and ".." left out), in no particular order, into
// `entries` (emptied first). A name the ANSI code page cannot hold is left out. False when the
// folder cannot be read.
bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries);

}  // namespace port
