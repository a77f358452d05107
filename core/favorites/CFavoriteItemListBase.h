#pragma once
// An ordered list of favorites that owns its items.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/favorites/AddResult.h"
#include "core/favorites/CFavoriteItem.h"

class CFavoriteItemListBase {
 public:
  static constexpr std::uint32_t DefaultMaxCount = 300;

  CFavoriteItemListBase() = default;
  CFavoriteItemListBase(const CFavoriteItemListBase&) = delete;
  CFavoriteItemListBase& operator=(const CFavoriteItemListBase&) = delete;
  virtual ~CFavoriteItemListBase() = default;

  // The first item that is the same as `item` by the sameness rule of its class, or nullptr.
  virtual CFavoriteItem* FindSame(const CFavoriteItem& item) const = 0;
  virtual void SetMaxCount(std::uint32_t maxCount) { m_maxCount = maxCount; }
  // Unlinks the entry at the position and destroys its item.
  virtual void RemoveNode(std::size_t position);
  // True when the item is of the list's item class.
  virtual bool IsOwnKind(const CFavoriteItem& item) const = 0;
  // Removes and destroys every entry but `item` itself that is the same as it: an item changed in
  // place (a mail found again) may have become the same as another, and a list holds no two.
  // The number removed.
  virtual std::size_t RemoveOthersSameAs(const CFavoriteItem& item) = 0;

  // Append or insert at the front after the add tests; on Added the list has taken `item` (it is
  // then empty), otherwise the caller still owns it.
  AddResult AddBack(std::unique_ptr<CFavoriteItem>& item);
  AddResult AddFront(std::unique_ptr<CFavoriteItem>& item);
  // Removes and destroys every entry holding exactly this item.
  void Remove(const CFavoriteItem* item);
  void Clear();
  // Appends a clone of every item, in order, to `target`, without the add tests.
  void CopyTo(CFavoriteItemListBase& target) const;
  // Exchanges the items at two positions; positions outside the list change nothing.
  void Swap(std::size_t first, std::size_t second);

  std::size_t GetCount() const { return m_entries.size(); }
  std::uint32_t GetMaxCount() const { return m_maxCount; }
  // The item at the position (0-based), or nullptr outside the list.
  CFavoriteItem* GetAt(std::size_t position) const;

 protected:
  AddResult TestAdd(const CFavoriteItem& item) const;
  std::vector<std::unique_ptr<CFavoriteItem>>& Entries() { return m_entries; }

 private:
  std::vector<std::unique_ptr<CFavoriteItem>> m_entries;
  std::uint32_t m_maxCount = DefaultMaxCount;
};
