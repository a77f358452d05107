#pragma once
// The steps of a jump to a favorite, one per kind of favorite.
class CFolderItem;
class CMailItem;
class CWindowStateItem;

// Makes the host show the folder; a folder it no longer has is offered for deletion (the item may
// then be destroyed).
void JumpToFolder(CFolderItem& item);

// Makes the host show the mail again: under its id, else found in its folder's index by its headers.
// A history jump (kind 4) must run with the open-mail guard held by the caller. The item may be
// destroyed.
void JumpToMail(CMailItem& item, int kind);

// Puts the host's main window where the state says; a rectangle that no monitor shows any more goes
// onto the nearest one.
void RestoreWindowState(const CWindowStateItem& item);
