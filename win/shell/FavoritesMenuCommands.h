#pragma once

// Shows the favorites menu of the kind (FavoriteListKind 1 to 6) and carries out what the user chose.
void PopupFavoritesMenu(int kind);
