#include "core/menutext/MenuText.h"

#include "port/Mbcs.h"

std::string EscapeAmpersands(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size() * 2);
  std::size_t start = 0;
  for (std::size_t found; (found = port::FindDelimiter(text, "&", start)) != std::string::npos; start = found + 1) {
    escaped.append(text, start, found + 1 - start).push_back('&');
  }
  return escaped.append(text, start, std::string::npos);
}

bool HasAccelerator(const std::string& text) {
  for (std::size_t found = port::FindDelimiter(text, "&\t"); found != std::string::npos;
       found = port::FindDelimiter(text, "&\t", found + 2)) {
    if (text[found] == '\t') return false;
    const std::size_t next = found + 1;
    if (next == text.size() || text[next] == '\t') return false;
    if (text[next] != '&') return true;
  }
  return false;
}
