#pragma once
#include <cstdint>
#include <string>

#include "core/favorites/CFavoriteItemList.h"
#include "core/favorites/CFolderTreeItem.h"

// The favorite folder-tree states.
class CFolderTreeItemList : public CFavoriteItemList<CFolderTreeItem> {
 public:
  // The first state with this id, or nullptr.
  CFolderTreeItem* FindById(std::int32_t treeId) const;
  // True when some state's file name equals `name` byte for byte.
  bool HasFileName(const std::string& name) const;
  // "<module base name>.<n>.tree" for the smallest n that no state uses and no file in the plug-in
  // folder has; empty if there is none.
  std::string MakeNewFileName() const;
};
