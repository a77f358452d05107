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
// False while the plug-in has switched the drawing of a host window it works on off (batch
// registration, a folder-tree walk): the mails it selects then are its own work, not the user's
// reading. Windows the host does not have do not count.
bool AreHostWindowsDrawing();
// The parents of the folder tree and of the mail list; none when the pane is missing.
CWindow* GetTreePaneParent();
CWindow* GetListPaneParent();
