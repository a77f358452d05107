#include "core/mail/MailHeaders.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "port/Mbcs.h"

namespace {

// strtoul as Windows gives it (32-bit unsigned long), so that every platform reads the same value.
std::int64_t ReadUnsigned(const char* text) {
  const unsigned long long value = std::strtoull(text, nullptr, 10);
  return static_cast<std::int64_t>(value > 0xFFFFFFFFull ? 0xFFFFFFFFull : value);
}

// strtol as Windows gives it (32-bit long).
std::int64_t ReadSigned(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return value;
}

// The first `count` tokens of `text` cut at every blank; a blank after a blank gives an empty token.
std::vector<std::string> CutAtBlanks(const std::string& text, std::size_t count) {
  std::vector<std::string> tokens;
  std::size_t start = 0;
  while (tokens.size() < count && start <= text.size()) {
    const std::size_t blank = port::FindDelimiter(text, " ", start);
    const std::size_t end = blank == std::string::npos ? text.size() : blank;
    tokens.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  tokens.resize(count);
  return tokens;
}

int MonthIndex(const std::string& token) {
  static const char* const names[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                      "jul", "aug", "sep", "oct", "nov", "dec"};
  if (token.size() < 3) return 0;
  for (int month = 0; month < 12; ++month) {
    int same = 0;
    for (int i = 0; i < 3; ++i) {
      const char byte = token[i];
      const char lower = byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
      same += lower == names[month][i];
    }
    if (same == 3) return month;
  }
  return 0;
}

// Days from 1970-01-01 to the first of the month (month 1..12) in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, int month) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// Seconds of the time token "hh:mm:ss"; a token without two colons is midnight.
std::int64_t TimeOfDay(const std::string& token) {
  const std::size_t first = port::FindDelimiter(token, ":");
  const std::size_t second = first == std::string::npos ? first : port::FindDelimiter(token, ":", first + 1);
  if (second == std::string::npos) return 0;
  return ReadUnsigned(token.c_str()) * 3600 + ReadUnsigned(token.c_str() + first + 1) * 60 +
         ReadUnsigned(token.c_str() + second + 1);
}

// Seconds east of UTC of a zone token "+hhmm" / "-hhmm"; a shorter token, or one whose hours or
// minutes would start inside a double-byte character, is no offset.
std::int64_t ZoneOffset(const std::string& token) {
  if (token.size() < 4 || port::CutLength(token, 1) != 1 || port::CutLength(token, 3) != 3) return 0;
  const std::int64_t offset = ReadSigned(token.substr(1, 2)) * 3600 + ReadSigned(token.substr(3)) * 60;
  return token[0] == '-' ? -offset : offset;
}

bool IsBelow33(char byte) { return static_cast<unsigned char>(byte) < 33; }

// The next character after `p` (two bytes for a double-byte character, never past the terminator).
char* NextCharacter(char* p) {
  if (port::IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') return p + 2;
  return p + 1;
}

char* SkipSeparators(char* p) {
  while (*p != '\0' && (IsBelow33(*p) || *p == ',' || *p == ';')) ++p;
  return p;
}

// Past the ")" that closes the comment opening at `p`; nullptr when the text ends first.
char* SkipComment(char* p) {
  for (p = NextCharacter(p); *p != '\0'; p = NextCharacter(p)) {
    if (*p == ')') return p + 1;
  }
  return nullptr;
}

// Overwrites the bytes below 33 at the end of [start, end) with zeros, keeping second bytes.
void ClearTrailingBelow33(char* start, char* end) {
  char* kept = start;
  for (char* p = start; p < end; p = NextCharacter(p)) {
    if (!IsBelow33(*p)) kept = NextCharacter(p);
  }
  std::fill(kept, end, '\0');
}

// Position of the first `byte` outside double quotes; npos when there is none. One forward walk:
// the text may hold many quotes.
std::size_t FindOutsideQuotes(std::string_view text, char byte) {
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      quoted = !quoted;
    } else if (text[i] == byte && !quoted) {
      return i;
    } else if (port::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      ++i;
    }
  }
  return std::string_view::npos;
}

std::string_view SkipBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// The text between the opening byte at `open` and the next `close` after it; empty without one.
std::string_view Enclosed(std::string_view text, std::size_t open, const char* close) {
  const std::size_t end = port::FindDelimiter(text, close, open + 1);
  return end == std::string_view::npos ? std::string_view() : text.substr(open + 1, end - open - 1);
}

void CopyTrimmed(char* buffer, std::size_t size, std::string_view text) {
  port::CopyToBuffer(buffer, size, text.substr(0, port::LengthWithoutTrailing(text, " \t")));
}

}  // namespace

std::int32_t ParseMailDate(const std::string& text) {
  const std::vector<std::string> tokens = CutAtBlanks(text, 6);
  const std::int64_t yearValue = ReadUnsigned(tokens[3].c_str());
  const std::int64_t year = 1900 + (yearValue > 1900 ? yearValue - 1900 : yearValue);
  const std::int64_t days = DaysFromCivil(year, MonthIndex(tokens[2]) + 1) + ReadUnsigned(tokens[1].c_str()) - 1;
  const std::int64_t seconds = days * 86400 + TimeOfDay(tokens[4]) - ZoneOffset(tokens[5]);
  if (seconds < INT32_MIN || seconds > INT32_MAX) return -1;
  return static_cast<std::int32_t>(seconds);
}

char* NextAddress(char* list) {
  static char* cursor = nullptr;
  if (list != nullptr) cursor = list;
  if (cursor == nullptr) return nullptr;

  char* start = SkipSeparators(cursor);
  if (*start == '(') {
    start = SkipComment(start);
    if (start == nullptr) return cursor = nullptr;
    start = SkipSeparators(start);
  }
  bool quoted = false;
  char* p = start;
  while (*p != '\0') {
    if (*p == '"') {
      quoted = !quoted;
    } else if (!quoted && *p == '(') {
      char* end = SkipComment(p);
      if (end == nullptr) break;
      p = end;
      continue;
    } else if (!quoted && (*p == ',' || *p == ';')) {
      *p = '\0';
      ClearTrailingBelow33(start, p);
      cursor = p + 1;
      return start;
    }
    p = NextCharacter(p);
  }
  p = start + std::strlen(start);
  ClearTrailingBelow33(start, p);
  cursor = nullptr;
  return *start != '\0' ? start : nullptr;
}

void SplitAddress(char* name, std::size_t nameSize, char* address, std::size_t addressSize,
                  const char* text) {
  // Views into the text: nothing is copied but into the two buffers (a sender's title is made often).
  const std::string_view whole = SkipBlanks(text != nullptr ? text : "");
  std::string_view nameText, addressText;
  if (const std::size_t angle = FindOutsideQuotes(whole, '<'); angle != std::string_view::npos) {
    addressText = SkipBlanks(Enclosed(whole, angle, ">"));
    if (whole[0] == '"') {
      nameText = Enclosed(whole, 0, "\"");
    } else if (angle > 0) {
      nameText = whole.substr(0, angle);
    }
  } else if (const std::size_t paren = port::FindDelimiter(whole, "("); paren != std::string_view::npos) {
    nameText = SkipBlanks(Enclosed(whole, paren, ")"));
    addressText = whole.substr(0, paren);
  } else {
    addressText = whole;
  }
  CopyTrimmed(name, nameSize, nameText);
  CopyTrimmed(address, addressSize, addressText);
}

bool HoldsEncodedWord(const std::string& value) {
  // "=" and "?" are never the trail byte of a double-byte character, so the bytes can be searched.
  const std::size_t start = value.find("=?");
  if (start == std::string::npos) return false;
  const std::size_t charsetEnd = value.find('?', start + 2);
  if (charsetEnd == std::string::npos || charsetEnd + 2 >= value.size() || value[charsetEnd + 2] != '?') return false;
  const char encoding = value[charsetEnd + 1];
  return (encoding == 'B' || encoding == 'b' || encoding == 'Q' || encoding == 'q') &&
         value.find("?=", charsetEnd + 3) != std::string::npos;
}

std::string UnfoldHeader(const std::string& value) {
  std::string line;
  std::size_t copied = 0;
  for (std::size_t at = port::FindDelimiter(value, "\r\n"); at != std::string::npos;) {
    const std::size_t breakLength = value.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    const std::size_t next = at + breakLength;
    const bool folded = next < value.size() && (value[next] == ' ' || value[next] == '\t');
    line.append(value, copied, (folded ? at : next) - copied);
    copied = next;
    at = next < value.size() ? port::FindDelimiter(value, "\r\n", next) : std::string::npos;
  }
  return line.append(value, copied, std::string::npos);
}
