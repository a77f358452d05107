#pragma once
#include <string>

// A text the host returned, as a string; a missing text reads as empty.
inline std::string HostText(const char* text) { return text ? std::string(text) : std::string(); }
