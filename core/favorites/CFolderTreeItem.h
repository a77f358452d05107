#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/favorites/CFavoriteItem.h"
#include "core/treestate/CFolderTreeState.h"

// Identifier the next new folder-tree state takes; 1 when the library loads, kept in the settings.
extern std::int32_t NextTreeId;

// A saved expand/collapse state of the host's folder tree; the state itself lives in a file of its
// own in the plug-in folder.
class CFolderTreeItem : public CFavoriteItem {
 public:
  // A new state takes the current NextTreeId, without advancing it.
  CFolderTreeItem() : TreeId(NextTreeId) {}
  explicit CFolderTreeItem(std::int32_t treeId) : TreeId(treeId) {}

  bool IsValid() const override;
  // A deep copy of the state in memory; the file is neither read nor written.
  std::unique_ptr<CFavoriteItem> Clone() const override;
  bool IsSameAs(const CFolderTreeItem& other) const;

  // Plug-in folder + "\" + TreeFileName.
  std::string GetTreeFilePath() const;
  // Replaces the file name; the state in memory stays.
  void SetTreeFileName(const std::string& name) { TreeFileName = name; }
  // The state, read from the file first while it has no nodes.
  CFolderTreeState& GetTreeState();
  // Reads the state from the file while it has no nodes, as GetTreeState does; false when it has
  // none and the file cannot be read. A file without nodes, saved from a tree without subfolders,
  // is a state all the same.
  bool LoadTreeState();
  // Writes the state to the file; false when that fails (or the file name is not a plain name).
  bool SaveTreeState() const;

  std::int32_t TreeId;
  std::string TreeFileName;      // a plain file name in the plug-in folder
  CFolderTreeState TreeState;    // root of the saved tree
  std::int32_t ForceOpen = -1;   // folders the state does not know: -1 leave, 0 close, 1 open
};
