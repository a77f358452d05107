#pragma once
// Folder index paths and folder names, built from what the host reports.
#include <string>

#include "port/WinTypes.h"

// A text the host returned; empty when it returned none.
std::string HostText(LPCSTR text);

// The host's display name of a folder; empty when the host gives none.
std::string GetHostFolderDisplayName(const std::string& folderId);

// The host's data folder + folder id + "Folder.idx", as the host stores a folder's index.
std::string GetFolderIndexPath(const std::string& folderId);
// The current folder's index path; empty when no folder is current.
std::string GetCurrentFolderIndexPath();

// The last part of a folder's display name: behind the last "/", else behind the first "] " (a
// mailbox prefix such as "[Mailbox] Inbox"), else the whole name.
std::string ShortFolderName(const std::string& displayName);
// ShortFolderName of the folder's display name.
std::string GetShortFolderName(const std::string& folderId);
