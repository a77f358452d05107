#include "core/favorites/CFavoriteFinder.h"

#include "port/Mbcs.h"

namespace {

// The width of the separator at the position: 1 for a blank or tab, 2 for the ideographic space of
// Shift-JIS (what a Japanese input method types for a blank), 0 otherwise.
std::size_t SeparatorWidth(const std::string& text, std::size_t at) {
  if (text[at] == ' ' || text[at] == '\t') return 1;
  const bool ideographicSpace = port::GetMultiByteCodePage() == 932 && at + 1 < text.size() &&
                                static_cast<unsigned char>(text[at]) == 0x81 &&
                                static_cast<unsigned char>(text[at + 1]) == 0x40;
  return ideographicSpace ? 2 : 0;
}

}  // namespace

std::vector<std::string> CFavoriteFinder::SplitWords(const std::string& query) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i < query.size();) {
    const std::size_t separator = SeparatorWidth(query, i);
    if (separator != 0) {
      if (!word.empty()) words.push_back(CSearchText::Fold(word));
      word.clear();
      i += separator;
      continue;
    }
    const std::size_t width = port::IsLeadByte(static_cast<unsigned char>(query[i])) ? 2 : 1;
    // Half a character could only be found across a character boundary.
    if (i + width > query.size()) break;
    word.append(query, i, width);
    i += width;
  }
  if (!word.empty()) words.push_back(CSearchText::Fold(word));
  return words;
}

void CFavoriteFinder::AddRow(int kind, int index, const std::string& title, const std::vector<std::string>& others) {
  Row row{kind, index, CSearchText(title), {}};
  row.Others.reserve(others.size());
  for (const std::string& text : others) row.Others.emplace_back(text);
  m_rows.push_back(std::move(row));
}

bool CFavoriteFinder::Matches(const Row& row, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    bool found = row.Title.Contains(word);
    for (std::size_t other = 0; !found && other < row.Others.size(); ++other) found = row.Others[other].Contains(word);
    if (!found) return false;
  }
  return true;
}

void CFavoriteFinder::Find(const std::string& query, std::vector<std::size_t>& matches) const {
  const std::vector<std::string> words = SplitWords(query);
  matches.clear();
  // Favorites by title, other favorites, folders by title, other folders.
  std::vector<std::size_t> later[3];
  for (std::size_t row = 0; row < m_rows.size(); ++row) {
    if (!Matches(m_rows[row], words)) continue;
    const bool byTitle = words.empty() || m_rows[row].Title.StartsWith(words.front());
    const bool folder = m_rows[row].Kind == HostFolderKind;
    if (byTitle && !folder) {
      matches.push_back(row);
    } else {
      later[(folder ? 1 : 0) + (folder && !byTitle ? 1 : 0)].push_back(row);
    }
  }
  for (const std::vector<std::size_t>& rows : later) matches.insert(matches.end(), rows.begin(), rows.end());
}
