#include "core/ini/IniEncoding.h"

#include "port/CodePageConversion.h"

namespace {

const std::string Utf8Mark = "\xEF\xBB\xBF";
const std::string Utf16LeMark = "\xFF\xFE";
const std::string Utf16BeMark = "\xFE\xFF";

bool IsUtf16(IniEncoding encoding) { return encoding == IniEncoding::Utf16Le || encoding == IniEncoding::Utf16Be; }

// The code unit at `at` (a byte, or two of a UTF-16 file).
unsigned UnitAt(const std::string& bytes, std::size_t at, IniEncoding encoding) {
  const unsigned first = static_cast<unsigned char>(bytes[at]);
  if (!IsUtf16(encoding)) return first;
  const unsigned second = static_cast<unsigned char>(bytes[at + 1]);
  return encoding == IniEncoding::Utf16Le ? first | second << 8 : first << 8 | second;
}

}  // namespace

IniEncoding DetectIniEncoding(const std::string& bytes) {
  if (bytes.compare(0, Utf8Mark.size(), Utf8Mark) == 0) return IniEncoding::Utf8;
  if (bytes.compare(0, Utf16LeMark.size(), Utf16LeMark) == 0) return IniEncoding::Utf16Le;
  if (bytes.compare(0, Utf16BeMark.size(), Utf16BeMark) == 0) return IniEncoding::Utf16Be;
  return IniEncoding::Ansi;
}

std::string ByteOrderMark(IniEncoding encoding) {
  switch (encoding) {
    case IniEncoding::Utf8: return Utf8Mark;
    case IniEncoding::Utf16Le: return Utf16LeMark;
    case IniEncoding::Utf16Be: return Utf16BeMark;
    default: return std::string();
  }
}

std::vector<std::string> SplitIniLines(const std::string& bytes, IniEncoding encoding) {
  std::string body = bytes.substr(ByteOrderMark(encoding).size());
  const std::size_t width = IsUtf16(encoding) ? 2 : 1;
  if (body.size() % width != 0) body.insert(encoding == IniEncoding::Utf16Le ? body.size() : body.size() - 1, 1, '\0');
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t at = 0; at < body.size();) {
    const unsigned unit = UnitAt(body, at, encoding);
    if (unit != '\r' && unit != '\n') {
      at += width;
      continue;
    }
    lines.push_back(body.substr(begin, at - begin));
    at += width;
    if (unit == '\r' && at < body.size() && UnitAt(body, at, encoding) == '\n') at += width;
    begin = at;
  }
  if (begin < body.size()) lines.push_back(body.substr(begin));
  return lines;
}

std::u16string DecodeIniLine(const std::string& stored, IniEncoding encoding) {
  if (!IsUtf16(encoding)) return port::Utf8ToWide(stored);
  std::u16string text;
  for (std::size_t at = 0; at + 1 < stored.size(); at += 2) text += static_cast<char16_t>(UnitAt(stored, at, encoding));
  return text;
}

std::string EncodeIniText(const std::string& text, IniEncoding encoding) {
  if (encoding == IniEncoding::Ansi) return text;
  const std::u16string wide = port::AnsiToWide(text);
  if (encoding == IniEncoding::Utf8) return port::WideToUtf8(wide);
  std::string bytes;
  for (const char16_t unit : wide) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += encoding == IniEncoding::Utf16Le ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}
