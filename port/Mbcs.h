#pragma once
// The one lead-byte test of the project. Every cut and every delimiter search in byte text asks it,
// so that the second byte of a double-byte character is never taken for a delimiter.

namespace port {

// True when the byte starts a double-byte character in the current multibyte code page.
bool IsLeadByte(unsigned char byte);

// Chooses the multibyte code page (932 = Shift-JIS; 0 or any single-byte page = no lead bytes).
// Returns 0 on success, -1 for a page this build does not know (the page in force stays).
int SetMultiByteCodePage(int codePage);

}  // namespace port

#include <cstddef>
#include <string>

namespace port {

// Position of the first byte at or after `start` that is one of `delimiters` and not the second byte
// of a double-byte character; std::string::npos when there is none.
std::size_t FindDelimiter(const std::string& text, const char* delimiters, std::size_t start = 0);

// Position of the last such byte; std::string::npos when there is none.
std::size_t FindLastDelimiter(const std::string& text, const char* delimiters);

}  // namespace port
