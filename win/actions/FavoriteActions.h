#pragma once
// The plug-in's actions on the host: registering what the host shows as favorites, deleting them
// again, jumping back to a favorite, and the predicates that tell the menus what can be done now.
// They report to the user through message boxes and the status bar, never through results.
#include <string>

class CFolderItem;
class CMailItem;
class CWindowStateItem;
class CFolderTreeItem;
class CWindow;

// Fill an item the caller made from what the host shows now; false when there is nothing to take.
bool FillFolderItem(CFolderItem& item);
bool FillMailItem(CMailItem& item);
bool FillWindowStateItem(CWindowStateItem& item);

// The favorite equal to the current folder or mail, or none.
CFolderItem* FindCurrentFolderItem();
CMailItem* FindCurrentMailItem();
bool CanRegisterCurrentFolder();
bool CanDeleteCurrentFolder();
bool CanRegisterCurrentMail();
bool CanDeleteCurrentMail();
int CountSelectedMails();
bool CanRegisterSelectedMails();
bool CanDeleteSelectedMails();

// Puts the host's current mail at the front of the mail history, unless the plug-in itself is at
// work on the host's windows.
void RecordCurrentMailInHistory();

void RegisterCurrentFolder();
void DeleteCurrentFolder();
void RegisterCurrentMail();
void DeleteCurrentMail();
void RegisterSelectedMails();
void DeleteSelectedMails();
void RegisterWindowState();
void RegisterFolderTreeState();
// Registers the folder with the id as a favorite folder, by the rules and with the messages of
// RegisterCurrentFolder; the messages are owned by `owner` (the host's main window when none).
void RegisterFolder(const std::string& folderId, CWindow* owner);

// Jumps to the favorite at `index` (0-based) of the list of `kind` (FavoriteListKind 1 to 5); an
// index outside the list does nothing.
void JumpToEntry(int kind, int index);
// Makes the folder with the id current in the host, as a jump to a favorite folder does; a folder
// the host cannot make current is only reported.
void JumpToHostFolder(const std::string& folderId);

// Outcomes of the folder-tree walks.
enum TreeWalkOutcome { TreeWalkDone = 0, TreeWalkCancelled = -1, TreeWalkFailed = -2 };
// Captures the host's folder tree into the item's state and file.
int CaptureFolderTree(CFolderTreeItem& item);
// Applies the item's state to the host's folder tree; `keepSelectionVisible` 1 after a folder jump.
int RestoreFolderTreeState(CFolderTreeItem& item, int keepSelectionVisible);
