#pragma once
#include <string>

// True when `name` can only name a file directly inside a folder: not empty, no "\", "/" or ":", no
// control character, not ending in "." or a blank (Windows drops those, so ".." could come back), and
// no device name such as "CON" or "LPT1". Folder-tree state file names read from the settings file
// must pass, so that nothing outside the plug-in folder is ever read, written or deleted.
bool IsPlainFileName(const std::string& name);
