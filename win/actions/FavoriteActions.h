#pragma once
// The plug-in's actions on the host: registering what the host shows as favorites, deleting them
// again, jumping back to a favorite, and the predicates that tell the menus what can be done now.
// They report to the user through message boxes and the status bar, never through results.
class CFolderItem;
class CMailItem;
class CWindowStateItem;
class CFolderTreeItem;

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

// Jumps to the favorite at `index` (0-based) of the list of `kind` (FavoriteListKind 1 to 5); an
// index outside the list does nothing.
void JumpToEntry(int kind, int index);

// Outcomes of the folder-tree walks.
enum TreeWalkOutcome { TreeWalkDone = 0, TreeWalkCancelled = -1, TreeWalkFailed = -2 };
// Captures the host's folder tree into the item's state and file.
int CaptureFolderTree(CFolderTreeItem& item);
// Applies the item's state to the host's folder tree; `keepSelectionVisible` 1 after a folder jump.
int RestoreFolderTreeState(CFolderTreeItem& item, int keepSelectionVisible);
