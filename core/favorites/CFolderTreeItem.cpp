#include "core/favorites/CFolderTreeItem.h"

#include "core/hostlink/PluginPaths.h"
#include "port/FileSystem.h"
#include "port/Mbcs.h"
#include "port/PlainFileName.h"

std::int32_t NextTreeId = 1;

namespace {

// The names the plug-in gives its state files all end in ".tree": a name from a hand-edited settings
// file must not lead to the settings themselves or to another plug-in's files beside them.
bool IsTreeFileName(const std::string& name) {
  const std::string extension = ".tree";
  return IsPlainFileName(name) && name.size() > extension.size() &&
         port::FoldAsciiCase(name.substr(name.size() - extension.size())) == extension;
}

}  // namespace

bool CFolderTreeItem::IsValid() const {
  return !DisplayName.empty() && TreeId >= 0 && IsTreeFileName(TreeFileName);
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
  LoadTreeState();
  return TreeState;
}

bool CFolderTreeItem::LoadTreeState() {
  if (!TreeState.empty()) return true;
  return IsTreeFileName(TreeFileName) && TreeState.LoadFile(port::NativePath(GetTreeFilePath()));
}

bool CFolderTreeItem::SaveTreeState() const {
  return IsTreeFileName(TreeFileName) && TreeState.SaveFile(port::NativePath(GetTreeFilePath()));
}
