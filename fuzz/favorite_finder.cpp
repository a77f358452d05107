// The find dialog's search over any titles and query: the text before the first newline is the query,
// every further line a row's title. Each word found must stand on a character boundary (checked
// against a plain walk over the characters), and the rows found are each row at most once.
#include <cstdlib>
#include <vector>

#include "core/favorites/CFavoriteFinder.h"
#include "fuzz/FuzzInput.h"

namespace {

// The folded word at some character start of the folded text, walking character by character.
bool StandsOnABoundary(const std::string& text, const std::string& word) {
  const std::string folded = CSearchText::Fold(text);
  for (std::size_t at = 0; at < folded.size();) {
    if (folded.compare(at, word.size(), word) == 0) return true;
    const bool pair = port::IsLeadByte(static_cast<unsigned char>(folded[at])) && at + 1 < folded.size() &&
                      folded[at + 1] != '\0';
    at += pair ? 2 : 1;
  }
  return word.empty();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = Lines(TakeCodePageAndText(data, size));
  CFavoriteFinder finder;
  for (std::size_t n = 1; n < lines.size(); ++n) finder.AddRow(1, static_cast<int>(n), lines[n], {});
  const std::vector<std::string> words = CFavoriteFinder::SplitWords(lines[0]);
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const CSearchText title(lines[n]);
    for (const std::string& word : words) {
      if (word.empty() || title.Contains(word) != StandsOnABoundary(lines[n], word)) std::abort();
    }
  }
  std::vector<std::size_t> rows;
  finder.Find(lines[0], rows);
  std::vector<bool> seen(finder.GetRowCount());
  for (std::size_t row : rows) {
    if (row >= seen.size() || seen[row]) std::abort();
    seen[row] = true;
  }
  return 0;
}
