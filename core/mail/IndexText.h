#pragma once
// Multibyte-aware cuts in the lines of a folder index. Whether a byte starts a character is told by
// looking back from it, not by walking the line from its start: it does unless the run of lead-byte
// values right before it is odd (a byte that is no lead byte always ends a character). So a search
// can jump to the next 0x01 and check only that byte.
#include <cstddef>
#include <string_view>

// The fields of an index entry, numbered from 0.
constexpr int IndexFieldCount = 17;

// True when the byte at `at` starts a character rather than being the second byte of one.
bool StartsCharacter(std::string_view text, std::size_t at);

// Position of the first field separator (0x01) at or after `start`; the text's length when none.
std::size_t FindFieldSeparator(std::string_view line, std::size_t start);

// Field `number` of an entry's line (without its line end): empty for a number out of range or a
// field the line lacks. Bytes after the 17th field are no field.
std::string_view IndexField(std::string_view line, int number);

// The line without its trailing carriage returns and line feeds.
std::string_view WithoutLineEnd(std::string_view line);
