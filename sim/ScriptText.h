#pragma once
// The words of a script line and the patterns its expectations use.
#include <string>
#include <vector>

// Splits a line into words at blanks; "double quotes" make one word of what they enclose (taken
// as it stands: backslashes are ordinary characters). `$DATA` in a word becomes `dataVariable`.
// False, with a message, for an unterminated quote.
bool SplitScriptWords(const std::string& line, const std::string& dataVariable, std::vector<std::string>& words,
                      std::string& error);
// A pattern matches the whole text; "*" stands for any run of bytes, "?" for one byte.
bool MatchesPattern(const std::string& text, const std::string& pattern);
// The text of a menu item as a user reads it: "&" marks removed, "&&" kept as "&".
std::string WithoutAccelerators(const std::string& text);
// A whole decimal number, possibly negative.
bool ParseNumber(const std::string& text, int& value);
// "Ctrl+Shift+F", "Alt+X", "F5", "Enter", "65": the virtual-key code and the host's shift code
// (0 none, 32 Ctrl, 64 Shift, 96 Ctrl+Shift, 254 Alt).
bool ParseKeyCombination(const std::string& text, int& keyCode, int& shiftCode);
