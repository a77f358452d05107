#include "win/shell/FavoritesMenuCommands.h"

// The favorites menus come here.
void PopupFavoritesMenu(int) {}
