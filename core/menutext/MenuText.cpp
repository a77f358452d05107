#include "core/menutext/MenuText.h"

#include "port/Mbcs.h"

std::string EscapeAmpersands(std::string text) {
  std::size_t found = port::FindDelimiter(text, "&");
  if (found == std::string::npos) return text;  // most texts: handed back without a copy
  std::string escaped;
  escaped.reserve(text.size() * 2);
  std::size_t start = 0;
  for (; found != std::string::npos; found = port::FindDelimiter(text, "&", start)) {
    escaped.append(text, start, found + 1 - start).push_back('&');
    start = found + 1;
  }
  escaped.append(text, start, std::string::npos);
  return escaped;
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

namespace {

bool IsControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

}  // namespace

std::string MenuSafeText(std::string safe, std::size_t maxLength) {
  for (std::size_t i = 0; i < safe.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(safe[i]);
    if (IsControlByte(byte)) {
      safe[i] = ' ';
    } else if (port::IsLeadByte(byte)) {
      // No code page takes a second byte below 0x40: such a pair would swallow a blank, tab or '&'.
      if (i + 1 < safe.size() && static_cast<unsigned char>(safe[i + 1]) >= 0x40) {
        ++i;
      } else {
        safe[i] = '?';
      }
    }
  }
  if (safe.size() <= maxLength) return safe;
  const std::string ellipsis = "...";
  if (maxLength < ellipsis.size()) return safe.substr(0, port::CutLength(safe, maxLength));
  return safe.substr(0, port::CutLength(safe, maxLength - ellipsis.size())) + ellipsis;
}

std::string AcceleratorPrefix(unsigned int number) {
  const char digit = static_cast<char>('0' + (number < 10 ? number : 0));
  return std::string("&") + digit + ' ';
}
