#include "core/favorites/CSearchText.h"

#include "port/Mbcs.h"

namespace {

// The byte after a lead byte belongs to its character; a lead byte at the end, or before a zero,
// stands alone.
bool TakesNextByte(const std::string& text, std::size_t at) {
  return port::IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() && text[at + 1] != '\0';
}

}  // namespace

CSearchText::CSearchText(const std::string& text) : m_folded(text), m_characterStarts(text.size(), false) {
  for (std::size_t i = 0; i < m_folded.size(); ++i) {
    m_characterStarts[i] = true;
    if (TakesNextByte(m_folded, i)) {
      ++i;
    } else if (m_folded[i] >= 'A' && m_folded[i] <= 'Z') {
      m_folded[i] = static_cast<char>(m_folded[i] - 'A' + 'a');
    }
  }
}

std::string CSearchText::Fold(const std::string& text) { return CSearchText(text).m_folded; }

bool CSearchText::Contains(const std::string& foldedWord) const {
  if (foldedWord.empty()) return true;
  for (std::size_t at = m_folded.find(foldedWord); at != std::string::npos; at = m_folded.find(foldedWord, at + 1)) {
    if (m_characterStarts[at]) return true;
  }
  return false;
}

bool CSearchText::StartsWith(const std::string& foldedWord) const {
  return m_folded.compare(0, foldedWord.size(), foldedWord) == 0;
}
