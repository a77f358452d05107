#include "core/favorites/CFolderItem.h"

#include "core/hostlink/HostFolders.h"

bool CFolderItem::IsValid() const { return !DisplayName.empty() && !FolderId.empty(); }

std::unique_ptr<CFavoriteItem> CFolderItem::Clone() const { return std::make_unique<CFolderItem>(*this); }

std::string CFolderItem::GetFolderDisplayName() const { return GetHostFolderDisplayName(FolderId); }
