#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/favorites/CFavoriteItem.h"

// A favorite folder of the host's mailboxes.
class CFolderItem : public CFavoriteItem {
 public:
  bool IsValid() const override;
  std::unique_ptr<CFavoriteItem> Clone() const override;
  // Folders are the same when their identifiers are.
  bool IsSameAs(const CFolderItem& other) const { return FolderId == other.FolderId; }
  // The host's display name of the folder.
  std::string GetFolderDisplayName() const;

  std::string FolderId;      // as the host gives and takes it
  std::int32_t TreeId = 0;   // folder-tree state a jump here restores; negative or unknown = none
};
