#include "core/ini/IniText.h"

#include "port/CodePageConversion.h"
#include "port/Mbcs.h"

bool IsIniSpace(char byte) {
  switch (byte) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r': case '\x1A':
      return true;
    default:
      return false;
  }
}

namespace {

bool IsSpaceUnit(char byte) { return IsIniSpace(byte); }
bool IsSpaceUnit(char16_t unit) { return unit < 0x80 && IsIniSpace(static_cast<char>(unit)); }

template <class Text>
Text Trim(const Text& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsSpaceUnit(text[begin])) ++begin;
  while (end > begin && IsSpaceUnit(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// Where a one-byte delimiter is: ANSI text is searched a character at a time, never inside a
// double-byte one.
std::size_t FindFirst(const std::string& text, const char* delimiter) { return port::FindDelimiter(text, delimiter); }
std::size_t FindFirst(const std::u16string& text, const char* delimiter) { return text.find(char16_t(*delimiter)); }
std::size_t FindLast(const std::string& text, const char* delimiter) {
  return port::FindLastDelimiter(text, delimiter);
}
std::size_t FindLast(const std::u16string& text, const char* delimiter) { return text.rfind(char16_t(*delimiter)); }

const std::string& ToAnsi(const std::string& text) { return text; }
std::string ToAnsi(const std::u16string& text) { return port::WideToAnsi(text); }

template <class Text>
IniLine Parse(const Text& text) {
  IniLine line;
  const Text trimmed = Trim(text);
  line.IsBlankOrComment = trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#';
  const std::size_t close = trimmed.empty() || trimmed[0] != '[' ? Text::npos : FindLast(trimmed, "]");
  line.IsHeader = close != Text::npos && close > 0;
  if (line.IsHeader) {
    line.Name = ToAnsi(Trim(trimmed.substr(1, close - 1)));
    return line;
  }
  const std::size_t equals = FindFirst(trimmed, "=");
  line.Name = ToAnsi(Trim(trimmed.substr(0, equals)));
  line.HasValue = equals != Text::npos;
  if (line.HasValue) line.Value = ToAnsi(Trim(trimmed.substr(equals + 1)));
  return line;
}

}  // namespace

std::string TrimIni(const std::string& text) { return Trim(text); }

std::string ToOneLine(const std::string& text) {
  std::string line = text;
  for (std::size_t at = port::FindDelimiter(line, "\r\n"); at != std::string::npos;
       at = port::FindDelimiter(line, "\r\n", at + 1)) {
    line[at] = ' ';
  }
  return line;
}

IniLine ParseIniLine(const std::string& text) { return Parse(text); }
IniLine ParseIniLine(const std::u16string& text) { return Parse(text); }
