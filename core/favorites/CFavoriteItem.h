#pragma once
// One thing the user keeps in a favorites list: a folder, a mail, a folder-tree state or a window
// placement.
#include <cstdint>
#include <memory>
#include <string>

class CFavoriteItem {
 public:
  virtual ~CFavoriteItem() = default;

  // The text menus and dialogs show for the item.
  virtual std::string GetDisplayName() const { return DisplayName; }
  virtual void SetDisplayName(const std::string& name) { DisplayName = name; }
  // True when the item may enter a list.
  virtual bool IsValid() const { return !DisplayName.empty(); }
  // A new item of the same class with every field copied.
  virtual std::unique_ptr<CFavoriteItem> Clone() const = 0;

  std::string DisplayName;
  std::int32_t Failure = 0;  // non-zero when the last jump to the item failed
};
