#pragma once
#include <cstdint>

#include "core/favorites/CFavoriteItemList.h"
#include "core/favorites/CMailItem.h"

// The mails most recently opened, newest first, each mail once, at most MaxCount of them.
class CMailHistoryItemList : public CFavoriteItemList<CMailItem> {
 public:
  // Also drops the oldest entries beyond the new capacity, which is never above DefaultMaxCount.
  void SetMaxCount(std::uint32_t maxCount) override;
  // Moves the entry holding the same mail, with its own display name and failure mark, to the front;
  // false when the history does not hold the mail. `mail` is never taken.
  bool BringToFront(const CMailItem& mail);
};
