#pragma once
// Small operations on the host's windows, for the commands and the long loops.
class CWindow;

// The user asks to cancel a long loop: Escape alone is down while the host's main window is active.
bool IsEscapePressed();
// Makes the host's mail list take in a mail the plug-in has just selected.
void PokeMailList();
// The current folder's display name on the status bar.
void ShowCurrentFolderName();
// Selects the current folder afresh through its mailbox (the host then reloads it), keeping the
// current mail; the MDI frame is hidden meanwhile, so nothing flickers.
void ReselectCurrentFolder();
// False while a host window the plug-in works on is missing or the plug-in has switched its drawing
// off (batch registration, a folder-tree walk): the mails it selects then are its own work, not the
// user's reading.
bool AreHostWindowsDrawing();
// The parents of the folder tree and of the mail list; none when the pane is missing.
CWindow* GetTreePaneParent();
CWindow* GetListPaneParent();
