#pragma once
// The host's "Rename folder" dialog.
#include <windows.h>

#include <string>

// Asks for a folder's new name; false when the user cancels. The name is never empty and holds
// none of the characters a folder name cannot have.
bool AskNewFolderName(HWND owner, const std::string& currentName, std::string& newName);
bool IsValidFolderName(const std::string& name);
