#pragma once
// The one lead-byte test of the project. Every cut and every delimiter search in byte text asks it,
// so that the second byte of a double-byte character is never taken for a delimiter.

namespace port {

// True when the byte starts a double-byte character in the current multibyte code page.
bool IsLeadByte(unsigned char byte);

// Chooses the multibyte code page (932 = Shift-JIS; 0 or any single-byte page = no lead bytes).
// Returns 0 on success, -1 for a page this build does not know (the page in force stays).
int SetMultiByteCodePage(int codePage);
// The page in force: the last one chosen, or the system's own.
int GetMultiByteCodePage();

}  // namespace port

#include <cstddef>
#include <string>
#include <string_view>

namespace port {

// Position of the first byte at or after `start` that is one of `delimiters` and not the second byte
// of a double-byte character; std::string::npos when there is none.
std::size_t FindDelimiter(std::string_view text, const char* delimiters, std::size_t start = 0);

// Position of the last such byte; std::string::npos when there is none.
std::size_t FindLastDelimiter(std::string_view text, const char* delimiters);

// The longest length of at most `maxLength` bytes at which `text` can be cut without leaving half
// of a double-byte character.
std::size_t CutLength(std::string_view text, std::size_t maxLength);

// The length of `text` without its trailing bytes that are among `bytes`; the second byte of a
// double-byte character is never removed.
std::size_t LengthWithoutTrailing(std::string_view text, const char* bytes);

// The text with every byte A-Z turned into a-z: ASCII case folding, as section and key names and
// device names compare.
std::string FoldAsciiCase(const std::string& text);

// Copies as much of `text` as fits into `buffer` of `size` bytes, cut at a character boundary and
// always zero-terminated. Nothing is written when `size` is 0.
void CopyToBuffer(char* buffer, std::size_t size, std::string_view text);

}  // namespace port
