#include "core/ini/CIniFile.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/ini/IniText.h"
#include "port/FileSystem.h"
#include "port/FolderCreation.h"
#include "port/Mbcs.h"

namespace {

// What the profile functions put into a buffer of `size` bytes: the value up to a zero byte, one pair
// of enclosing quotes (" or ') removed, at most size - 1 bytes. As they do, the closing quote is taken
// off only when the rest of the value fits.
std::string CopyEntry(const std::string& stored, std::size_t size) {
  std::string value = stored.substr(0, stored.find('\0'));
  const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
  if (quoted) value.erase(0, 1);
  const std::size_t unquotedLength = value.size();
  value.resize(port::CutLength(value, size - 1));
  if (quoted && size >= unquotedLength && !value.empty()) value.pop_back();
  return value;
}

// A digit's value in bases up to 36; 36 for anything else.
unsigned DigitValue(char byte) {
  if (byte >= '0' && byte <= '9') return static_cast<unsigned>(byte - '0');
  if (byte >= 'a' && byte <= 'z') return static_cast<unsigned>(byte - 'a' + 10);
  if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned>(byte - 'A' + 10);
  return 36;
}

// GetPrivateProfileIntA's number: blanks and control characters skipped, an optional sign, a base
// prefix "0x", "0o" or "0b" (else decimal), then digits of that base, wrapping at 32 bits.
std::int32_t ParseProfileInt(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && static_cast<unsigned char>(text[at]) <= ' ') ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  unsigned base = 10;
  if (text.compare(at, 2, "0x") == 0) base = 16;
  if (text.compare(at, 2, "0o") == 0) base = 8;
  if (text.compare(at, 2, "0b") == 0) base = 2;
  if (base != 10) at += 2;
  std::uint32_t value = 0;
  for (; at < text.size() && DigitValue(text[at]) < base; ++at) value = value * base + DigitValue(text[at]);
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

// Leading decimal digits as an unsigned 32-bit number, the largest one when they overflow; 0 for none.
std::uint32_t ParseUnsigned(const std::string& text) {
  std::uint64_t value = 0;
  for (std::size_t at = 0; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(text[at] - '0'), UINT32_MAX);
  }
  return static_cast<std::uint32_t>(value);
}

bool IsQuote(char byte) { return byte == '"' || byte == '\''; }

// True when reading would change the value: white space at either end, or enclosing quotes.
bool NeedsQuotes(const std::string& value) {
  if (value.empty()) return false;
  return IsIniSpace(value.front()) || IsIniSpace(value.back()) ||
         (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front());
}

constexpr std::size_t StringBufferSize = 1024;
// GetPrivateProfileIntA reads through a buffer this size.
constexpr std::size_t NumberBufferSize = 30;

}  // namespace

std::int32_t CIniFile::ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const {
  const std::string* stored = m_document.FindValue(section, key);
  const std::string text = stored ? CopyEntry(*stored, NumberBufferSize) : std::string();
  return text.empty() ? defaultValue : ParseProfileInt(text);
}

bool CIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return ReadInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::uint32_t CIniFile::ReadULong(const std::string& section, const std::string& key,
                                  std::uint32_t defaultValue) const {
  return ParseUnsigned(ReadString(section, key, std::to_string(defaultValue)));
}

std::string CIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  const std::string* stored = m_document.FindValue(section, key);
  return stored ? CopyEntry(*stored, StringBufferSize)
                : defaultValue.substr(0, port::CutLength(defaultValue, StringBufferSize - 1));
}

void CIniFile::WriteInt(const std::string& section, const std::string& key, std::int32_t value) {
  m_document.SetValue(section, key, std::to_string(value));
}

void CIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  m_document.SetValue(section, key, value ? "1" : "0");
}

void CIniFile::WriteULong(const std::string& section, const std::string& key, std::uint32_t value) {
  m_document.SetValue(section, key, std::to_string(value));
}

void CIniFile::WriteString(const std::string& section, const std::string& key, const std::string& text) {
  const std::string value = ToOneLine(text);
  m_document.SetValue(section, key, NeedsQuotes(value) ? "\"" + value + "\"" : value);
}

void CIniFile::DeleteKey(const std::string& section, const std::string& key) { m_document.DeleteKey(section, key); }

bool CIniFile::EnsureFolder() const {
  const std::size_t separator = port::FindLastDelimiter(Path, "\\/");
  return separator == std::string::npos || CreateFolderPath(Path.substr(0, separator + 1));
}

bool CIniFile::Exists() const { return port::IsExistingFile(Path); }

bool CIniFile::Reload() {
  if (Path.empty()) return false;
  std::string bytes;
  if (port::ReadWholeFile(Path, bytes) == port::FileUnreadable) return false;
  m_document.Parse(bytes);
  return true;
}

bool CIniFile::Commit() {
  EnsureFolder();
  return port::WriteFileAtomically(Path, m_document.Serialize());
}
