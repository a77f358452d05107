#pragma once
#include <string>

// The file name of a path without its folder and its extension ("C:\a\b.dll" -> "b").
std::string FileBaseName(const std::string& path);
