#include "port/Mbcs.h"

#ifdef _WIN32
#include <mbctype.h>

namespace port {

// No code page has a lead byte below 0x80, where ASCII stands: text that is mostly ASCII then seldom
// pays for the call into the C runtime, which costs more than the rest of a byte's walk.
bool IsLeadByte(unsigned char byte) { return byte >= 0x80 && _ismbblead(byte) != 0; }

int SetMultiByteCodePage(int codePage) { return _setmbcp(codePage) == 0 ? 0 : -1; }

int GetMultiByteCodePage() { return _getmbcp(); }

}  // namespace port

#else

namespace port {
namespace {

// Stand-in for the C runtime's multibyte table: the double-byte pages that matter, by lead-byte range.
int currentCodePage = 0;

}  // namespace

bool IsLeadByte(unsigned char byte) {
  switch (currentCodePage) {
    case 932:  // Shift-JIS
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:  // GBK
    case 949:  // Unified Hangul
    case 950:  // Big5
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

int SetMultiByteCodePage(int codePage) {
  switch (codePage) {
    case 0: case 932: case 936: case 949: case 950: case 1252: case 1250: case 1251: case 437:
      currentCodePage = codePage;
      return 0;
    default:
      return -1;
  }
}

int GetMultiByteCodePage() { return currentCodePage; }

}  // namespace port

#endif

namespace port {
namespace {

// strchr without the call: the walks below ask it of every byte. The terminator is never a member.
bool IsAmong(unsigned char byte, const char* bytes) {
  if (byte == 0) return false;
  for (; *bytes != '\0'; ++bytes) {
    if (static_cast<unsigned char>(*bytes) == byte) return true;
  }
  return false;
}

}  // namespace

std::size_t FindDelimiter(std::string_view text, const char* delimiters, std::size_t start) {
  // Walk from the front: only a forward walk knows which bytes are second bytes.
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (i >= start && IsAmong(byte, delimiters)) return i;
    if (IsLeadByte(byte) && i + 1 < text.size()) ++i;
  }
  return std::string_view::npos;
}

std::size_t FindLastDelimiter(std::string_view text, const char* delimiters) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsAmong(byte, delimiters)) last = i;
    if (IsLeadByte(byte) && i + 1 < text.size()) ++i;
  }
  return last;
}

std::size_t CutLength(std::string_view text, std::size_t maxLength) {
  if (maxLength >= text.size()) return text.size();
  std::size_t i = 0;
  while (i < maxLength) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (i + width > maxLength) break;
    i += width;
  }
  return i;
}

std::size_t LengthWithoutTrailing(std::string_view text, const char* bytes) {
  std::size_t length = 0;  // end of the last character that is not to be removed
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte) && i + 1 < text.size()) {
      length = ++i + 1;
    } else if (!IsAmong(byte, bytes)) {
      length = i + 1;
    }
  }
  return length;
}

std::string FoldAsciiCase(const std::string& text) {
  std::string folded = text;
  for (char& byte : folded) {
    if (byte >= 'A' && byte <= 'Z') byte = static_cast<char>(byte - 'A' + 'a');
  }
  return folded;
}

void CopyToBuffer(char* buffer, std::size_t size, std::string_view text) {
  if (size == 0) return;
  const std::size_t length = CutLength(text, size - 1);
  text.copy(buffer, length);
  buffer[length] = '\0';
}

}  // namespace port
