#pragma once
#include <string>

// Makes the folder and every missing level above it, parents first; true when the folder exists.
bool CreateFolderPath(const std::string& path);
