#pragma once
// Text rules shared by the INI reader and writer.
#include <string>

// White space as the private-profile functions trim it (the control character 0x1A too).
bool IsIniSpace(char byte);
std::string TrimIni(const std::string& text);
// The text with every CR and LF replaced by a blank: a value must never end its line.
std::string ToOneLine(const std::string& text);

// One line of an INI file as the profile functions take it apart, its parts in the ANSI code page.
struct IniLine {
  bool IsHeader = false;
  std::string Name;  // section name between "[" and the last "]"; else the key name before the first "="
  std::string Value;
  bool HasValue = false;
  bool IsBlankOrComment = false;
};
IniLine ParseIniLine(const std::string& text);
// A line of a Unicode file is taken apart as it stands, and only its parts are converted: a character
// that becomes INI punctuation or a blank in the ANSI code page does not act as one.
IniLine ParseIniLine(const std::u16string& text);
