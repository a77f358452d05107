#include "core/favorites/CMailHistoryItemList.h"

#include <algorithm>

void CMailHistoryItemList::SetMaxCount(std::uint32_t maxCount) {
  // No more than any list holds: every add searches the whole history, and a hand-edited setting
  // could otherwise make it grow without end.
  maxCount = std::min(maxCount, DefaultMaxCount);
  CFavoriteItemList<CMailItem>::SetMaxCount(maxCount);
  while (GetCount() > maxCount) RemoveNode(GetCount() - 1);
}

bool CMailHistoryItemList::BringToFront(const CMailItem& mail) {
  const CFavoriteItem* same = FindSame(mail);
  if (same == nullptr) return false;
  auto& entries = Entries();
  const auto entry = std::find_if(entries.begin(), entries.end(), [same](const auto& held) { return held.get() == same; });
  std::rotate(entries.begin(), entry, entry + 1);
  return true;
}
