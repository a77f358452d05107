#pragma once
#include "core/favorites/CFavoriteItemListBase.h"

// A favorites list of one item class.
template <class Item>
class CFavoriteItemList : public CFavoriteItemListBase {
 public:
  CFavoriteItem* FindSame(const CFavoriteItem& item) const override {
    const Item* wanted = dynamic_cast<const Item*>(&item);
    if (wanted == nullptr) return nullptr;
    for (std::size_t position = 0; position < GetCount(); ++position) {
      Item* entry = dynamic_cast<Item*>(GetAt(position));
      if (entry != nullptr && entry->IsSameAs(*wanted)) return entry;
    }
    return nullptr;
  }

  bool IsOwnKind(const CFavoriteItem& item) const override { return dynamic_cast<const Item*>(&item) != nullptr; }

  std::size_t RemoveOthersSameAs(const CFavoriteItem& item) override {
    const Item* kept = dynamic_cast<const Item*>(&item);
    std::size_t removed = 0;
    for (std::size_t position = GetCount(); kept != nullptr && position-- > 0;) {
      const Item* entry = GetItemAt(position);
      if (entry != nullptr && entry != kept && entry->IsSameAs(*kept)) {
        RemoveNode(position);
        ++removed;
      }
    }
    return removed;
  }

  // The item at the position as the list's class, or nullptr (outside the list, or a copied-in stranger).
  Item* GetItemAt(std::size_t position) const { return dynamic_cast<Item*>(GetAt(position)); }
};
