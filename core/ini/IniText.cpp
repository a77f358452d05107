#include "core/ini/IniText.h"

#include "port/Mbcs.h"

bool IsIniSpace(char byte) {
  switch (byte) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r': case '\x1A':
      return true;
    default:
      return false;
  }
}

std::string TrimIni(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsIniSpace(text[begin])) ++begin;
  while (end > begin && IsIniSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string ToOneLine(const std::string& text) {
  std::string line = text;
  for (std::size_t at = port::FindDelimiter(line, "\r\n"); at != std::string::npos;
       at = port::FindDelimiter(line, "\r\n", at + 1)) {
    line[at] = ' ';
  }
  return line;
}
