#include "favorites/CFolderTreeItem.h"

#include "favorites/PlainFileName.h"
#include "port/FileSystem.h"
#include "shell/PluginPaths.h"

std::int32_t NextTreeId = 1;

bool CFolderTreeItem::IsValid() const {
  return !DisplayName.empty() && TreeId >= 0 && IsPlainFileName(TreeFileName);
}

std::unique_ptr<CFavoriteItem> CFolderTreeItem::Clone() const {
  auto clone = std::make_unique<CFolderTreeItem>(TreeId);
  clone->DisplayName = DisplayName;
  clone->Failure = Failure;
  clone->TreeFileName = TreeFileName;
  clone->ForceOpen = ForceOpen;
  TreeState.CopyChildrenTo(clone->TreeState);
  return clone;
}

bool CFolderTreeItem::IsSameAs(const CFolderTreeItem& other) const {
  return TreeId == other.TreeId && TreeFileName == other.TreeFileName && ForceOpen == other.ForceOpen;
}

std::string CFolderTreeItem::GetTreeFilePath() const { return GetPluginFolder() + "\\" + TreeFileName; }

CFolderTreeState& CFolderTreeItem::GetTreeState() {
  if (TreeState.empty() && IsPlainFileName(TreeFileName)) TreeState.LoadFile(port::NativePath(GetTreeFilePath()));
  return TreeState;
}

bool CFolderTreeItem::SaveTreeState() const {
  return IsPlainFileName(TreeFileName) && TreeState.SaveFile(port::NativePath(GetTreeFilePath()));
}
