#pragma once
// Multibyte-aware cuts in the lines of a folder index. Every one of them works backwards from a byte
// instead of walking the line from its start: a byte starts a character unless the run of lead-byte
// values right before it is odd (a byte that is no lead byte always ends a character).
#include <cstddef>
#include <string_view>

// True when the byte at `at` starts a character rather than being the second byte of one.
bool StartsCharacter(std::string_view text, std::size_t at);

// Position of the first field separator (0x01) at or after `start`; the text's length when none.
std::size_t FindFieldSeparator(std::string_view line, std::size_t start);

// The line without its trailing carriage returns and line feeds.
std::string_view WithoutLineEnd(std::string_view line);
