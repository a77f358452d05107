#include "core/favorites/CFavoriteItemListBase.h"

#include <algorithm>
#include <utility>

void CFavoriteItemListBase::RemoveNode(std::size_t position) {
  if (position < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(position));
}

AddResult CFavoriteItemListBase::TestAdd(const CFavoriteItem& item) const {
  if (!IsOwnKind(item)) return Rejected;
  if (m_entries.size() >= m_maxCount) return ListFull;
  if (FindSame(item) != nullptr) return AlreadyRegistered;
  return Added;
}

AddResult CFavoriteItemListBase::AddBack(std::unique_ptr<CFavoriteItem>& item) {
  if (!item) return Rejected;
  const AddResult result = TestAdd(*item);
  if (result == Added) m_entries.push_back(std::move(item));
  return result;
}

AddResult CFavoriteItemListBase::AddFront(std::unique_ptr<CFavoriteItem>& item) {
  if (!item) return Rejected;
  const AddResult result = TestAdd(*item);
  if (result == Added) m_entries.insert(m_entries.begin(), std::move(item));
  return result;
}

void CFavoriteItemListBase::Remove(const CFavoriteItem* item) {
  for (std::size_t position = m_entries.size(); position-- > 0;) {
    if (m_entries[position].get() == item) RemoveNode(position);
  }
}

void CFavoriteItemListBase::Clear() {
  while (!m_entries.empty()) RemoveNode(m_entries.size() - 1);
}

void CFavoriteItemListBase::CopyTo(CFavoriteItemListBase& target) const {
  for (const auto& entry : m_entries) target.m_entries.push_back(entry->Clone());
}

void CFavoriteItemListBase::Swap(std::size_t first, std::size_t second) {
  if (first < m_entries.size() && second < m_entries.size()) std::swap(m_entries[first], m_entries[second]);
}

CFavoriteItem* CFavoriteItemListBase::GetAt(std::size_t position) const {
  return position < m_entries.size() ? m_entries[position].get() : nullptr;
}
