#include "core/mail/CIdxItem.h"

#include "core/mail/IndexText.h"

std::string_view CIdxItem::GetField(int number) const {
  if (number < 0 || number >= FieldCount) return {};
  while (m_splitFields <= number) SplitNextField();
  const std::size_t start = number == 0 ? 0 : m_fieldEnds[number - 1] + 1;
  if (start > m_line.size()) return {};
  return m_line.substr(start, m_fieldEnds[number] - start);
}

void CIdxItem::SplitNextField() const {
  const std::size_t start = m_splitFields == 0 ? 0 : m_fieldEnds[m_splitFields - 1] + 1;
  // A line that ended in an earlier field leaves this one empty.
  m_fieldEnds[m_splitFields++] = start > m_line.size() ? start : FindFieldSeparator(m_line, start);
}
