#pragma once
// The scan a text search of a folder index makes over every byte of the file: for the searched text,
// counting the line ends on the way (to number the entry that holds it). It looks at 32 bytes at a
// time where the processor can (AVX2), else at 16 (SSE2), so that a search costs little beside
// reading the file.
#include <cstddef>
#include <string_view>

// Looks for the first place from `begin` on where `text` (not empty) begins and ends before `end`:
// true when there is one. `place` is that place, or else the first one where `text` could begin
// without ending before `end` (a later scan goes on from there, with the bytes that follow).
// `lineEnds` is the number of "\n" bytes from `begin` up to `place`.
bool ScanForText(const char* begin, const char* end, std::string_view text, const char*& place,
                 std::size_t& lineEnds);

// The place after the last "\n" from `begin` up to `end`, or `begin` when there is none.
const char* AfterLastLineEnd(const char* begin, const char* end);
