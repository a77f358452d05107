// Stands in for the register and jump actions until they land; every one does nothing.
#include "win/actions/FavoriteActions.h"

bool FillFolderItem(CFolderItem&) { return false; }
bool FillMailItem(CMailItem&) { return false; }
bool FillWindowStateItem(CWindowStateItem&) { return false; }
CFolderItem* FindCurrentFolderItem() { return nullptr; }
CMailItem* FindCurrentMailItem() { return nullptr; }
bool CanRegisterCurrentFolder() { return false; }
bool CanDeleteCurrentFolder() { return false; }
bool CanRegisterCurrentMail() { return false; }
bool CanDeleteCurrentMail() { return false; }
int CountSelectedMails() { return 0; }
bool CanRegisterSelectedMails() { return false; }
bool CanDeleteSelectedMails() { return false; }
void RegisterCurrentFolder() {}
void DeleteCurrentFolder() {}
void RegisterCurrentMail() {}
void DeleteCurrentMail() {}
void RegisterSelectedMails() {}
void DeleteSelectedMails() {}
void RegisterWindowState() {}
void RegisterFolderTreeState() {}
void JumpToEntry(int, int) {}
int CaptureFolderTree(CFolderTreeItem&) { return 0; }
int RestoreFolderTreeState(CFolderTreeItem&, int) { return 0; }
