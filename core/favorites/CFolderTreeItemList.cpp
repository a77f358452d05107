#include "core/favorites/CFolderTreeItemList.h"

#include <climits>

#include "core/hostlink/PluginPaths.h"
#include "port/FileSystem.h"

CFolderTreeItem* CFolderTreeItemList::FindById(std::int32_t treeId) const {
  for (std::size_t position = 0; position < GetCount(); ++position) {
    CFolderTreeItem* item = GetItemAt(position);
    if (item != nullptr && item->TreeId == treeId) return item;
  }
  return nullptr;
}

bool CFolderTreeItemList::HasFileName(const std::string& name) const {
  for (std::size_t position = 0; position < GetCount(); ++position) {
    const CFolderTreeItem* item = GetItemAt(position);
    if (item != nullptr && item->TreeFileName == name) return true;
  }
  return false;
}

std::string CFolderTreeItemList::MakeNewFileName() const {
  const std::string baseName = GetModuleBaseName();
  const std::string folder = GetPluginFolder() + "\\";
  for (int number = 0; number < INT_MAX; ++number) {
    const std::string name = baseName + "." + std::to_string(number) + ".tree";
    if (!HasFileName(name) && !port::IsExistingFile(folder + name)) return name;
  }
  return std::string();
}
