#pragma once
// The opening flow of the find dialog, from the host's menu command and the find hot key.

// Shows the find dialog over the host's main window with the previous search and size, and jumps to
// the favorite chosen in it, as the favorites menus do, or makes the chosen folder current. The
// folders' check box reaches the settings file when the dialog closes. Without a host main window
// nothing opens.
void FindFavorite();
