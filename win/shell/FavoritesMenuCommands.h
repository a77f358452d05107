#pragma once
// The favorites menus as the host's command and the hot keys open them, and what their fixed
// commands do.

// Shows the favorites menu of the kind (FavoriteListKind 1 to 5, or 6 for the comprehensive menu)
// and carries out the choice; any other kind shows nothing.
void PopupFavoritesMenu(int kind);

// Asks, then empties the mail history; the file takes the empty history at the next full save.
// Without a host main window nothing is asked and nothing changes.
void ClearMailHistory();
