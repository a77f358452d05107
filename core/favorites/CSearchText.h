#pragma once
// A text prepared for the find dialog's word search: its ASCII letters folded to lower case, and
// where each of its characters starts, so that a word is only found on a character boundary of the
// multibyte code page.
#include <cstddef>
#include <string>
#include <vector>

class CSearchText {
 public:
  CSearchText() = default;
  explicit CSearchText(const std::string& text);

  // The text with the A-Z of its single-byte characters turned into a-z; second bytes stay as they are.
  static std::string Fold(const std::string& text);

  // True when the folded word stands in the text, starting on a character boundary.
  bool Contains(const std::string& foldedWord) const;
  bool StartsWith(const std::string& foldedWord) const;

 private:
  std::string m_folded;
  std::vector<bool> m_characterStarts;  // one flag per byte of m_folded
};
