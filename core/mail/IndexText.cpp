#include "core/mail/IndexText.h"

#include <cstring>

#include "port/Mbcs.h"

bool StartsCharacter(std::string_view text, std::size_t at) {
  std::size_t leads = 0;
  while (leads < at && port::IsLeadByte(static_cast<unsigned char>(text[at - 1 - leads]))) ++leads;
  return leads % 2 == 0;
}

std::size_t FindFieldSeparator(std::string_view line, std::size_t start) {
  for (std::size_t at = start; at < line.size(); ++at) {
    const void* found = std::memchr(line.data() + at, '\x01', line.size() - at);
    if (found == nullptr) break;
    at = static_cast<std::size_t>(static_cast<const char*>(found) - line.data());
    if (StartsCharacter(line, at)) return at;
  }
  return line.size();
}

std::string_view IndexField(std::string_view line, int number) {
  if (number < 0 || number >= IndexFieldCount) return {};
  std::size_t start = 0;
  for (int field = 0; field < number; ++field) {
    const std::size_t separator = FindFieldSeparator(line, start);
    if (separator == line.size()) return {};
    start = separator + 1;
  }
  return line.substr(start, FindFieldSeparator(line, start) - start);
}

std::string_view WithoutLineEnd(std::string_view line) {
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == '\r' || line[end - 1] == '\n')) --end;
  // Only the first of those bytes can be the second byte of a character; then it stays.
  if (end < line.size() && !StartsCharacter(line, end)) ++end;
  return line.substr(0, end);
}
