#pragma once
// The find dialog's search over every favorite: each row is a favorite (its list and index) with its
// title and the other texts it can be found by (folder path, subject, sender). A query narrows the
// rows to those in which every blank-separated word occurs; rows whose title starts with the first
// word come first, the rest follow in the order the rows were added. Rows of the host's folders that
// are no favorites (kind HostFolderKind) always follow the favorites, ordered the same way.
#include <cstddef>
#include <string>
#include <vector>

#include "core/favorites/CSearchText.h"

class CFavoriteFinder {
 public:
  // The words of a query, folded: split at blanks (and at the ideographic space of code page 932), an
  // incomplete character at the end of the query dropped.
  static std::vector<std::string> SplitWords(const std::string& query);

  // The kind of a row that is a folder of the host, not a favorite; its index is the caller's own.
  static constexpr int HostFolderKind = 0;

  void Clear() { m_rows.clear(); }
  void AddRow(int kind, int index, const std::string& title, const std::vector<std::string>& others);
  std::size_t GetRowCount() const { return m_rows.size(); }
  int GetKind(std::size_t row) const { return row < m_rows.size() ? m_rows[row].Kind : -1; }
  int GetIndex(std::size_t row) const { return row < m_rows.size() ? m_rows[row].Index : -1; }

  // The rows that match the query, in the order the dialog shows them; every row for an empty query.
  void Find(const std::string& query, std::vector<std::size_t>& matches) const;

 private:
  struct Row {
    int Kind;
    int Index;
    CSearchText Title;
    std::vector<CSearchText> Others;
  };
  static bool Matches(const Row& row, const std::vector<std::string>& words);

  std::vector<Row> m_rows;
};
