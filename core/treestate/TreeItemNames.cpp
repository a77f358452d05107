#include "core/treestate/TreeItemNames.h"

#include "port/Mbcs.h"

std::string GetNodeName(const std::string& text, bool topLevel) {
  if (!topLevel || text.empty() || port::FindLastDelimiter(text, ")") != text.size() - 1) return text;
  const std::size_t open = port::FindLastDelimiter(text, "(");
  // A count stands apart from the name: "Main (3)", never "(3)" alone or "Main(3)".
  if (open == std::string::npos || open == 0 || text[open - 1] != ' ') return text;
  return text.substr(0, open - 1);
}
