#pragma once
// Text of the ANSI code page, and UTF-8, to UTF-16 and back, as the system converts it
// (MultiByteToWideChar / WideCharToMultiByte, CP_ACP or CP_UTF8, no flags): what the target cannot
// hold becomes "?" (one per UTF-16 unit; on Windows first its best fit where the page has one), an
// invalid UTF-8 sequence U+FFFD, and a double-byte character the page lacks U+30FB.
// Natively the ANSI page is the one chosen with SetMultiByteCodePage (0 converts as 1252), through
// the C library's iconv, which has no best fits.
#include <string>

namespace port {

std::u16string AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::u16string& text);
std::u16string Utf8ToWide(const std::string& text);
// A lone surrogate becomes U+FFFD.
std::string WideToUtf8(const std::u16string& text);

}  // namespace port
