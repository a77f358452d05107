#include "favorites/CFolderItem.h"

#include "favorites/HostText.h"
#include "shell/HostFunctionTable.h"

bool CFolderItem::IsValid() const { return !DisplayName.empty() && !FolderId.empty(); }

std::unique_ptr<CFavoriteItem> CFolderItem::Clone() const { return std::make_unique<CFolderItem>(*this); }

std::string CFolderItem::GetFolderDisplayName() const {
  if (Host().GetFolderDisplayName == nullptr) return std::string();
  return HostText(Host().GetFolderDisplayName(FolderId.c_str()));
}
