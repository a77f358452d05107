#pragma once
// Folder paths and whole folder trees on disk.
#include <string>

std::string WithoutTrailingSeparator(const std::string& path);
// Deletes the folder (a path ending in "\\") with everything in it.
bool DeleteDirectoryTree(const std::string& directory);
