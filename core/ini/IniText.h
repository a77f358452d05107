#pragma once
// Text rules shared by the INI reader and writer.
#include <string>

// White space as the private-profile functions trim it (the control character 0x1A too).
bool IsIniSpace(char byte);
std::string TrimIni(const std::string& text);
// The text with every CR and LF replaced by a blank: a value must never end its line.
std::string ToOneLine(const std::string& text);
