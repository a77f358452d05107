#pragma once
// How a settings file stores its text: in the ANSI code page, or in UTF-8, UTF-16 LE or UTF-16 BE
// behind their byte-order marks, as Notepad saves it. The profile functions read all four and write
// a file back in the encoding it has.
#include <string>
#include <vector>

enum class IniEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// The encoding whose byte-order mark the file starts with; Ansi for none.
IniEncoding DetectIniEncoding(const std::string& bytes);
std::string ByteOrderMark(IniEncoding encoding);

// The lines of the file behind its byte-order mark, as stored, without their line ends (CR LF, LF
// or CR). A UTF-16 file of an odd length ends in the character of its last byte's value, where the
// profile functions read whatever lies past the file's end.
std::vector<std::string> SplitIniLines(const std::string& bytes, IniEncoding encoding);
// A stored line of a Unicode file as UTF-16.
std::u16string DecodeIniLine(const std::string& stored, IniEncoding encoding);
// ANSI text as the file stores it.
std::string EncodeIniText(const std::string& text, IniEncoding encoding);
