#pragma once
// The list edit dialog over the favorites lists.

// Opens the dialog on the page of the list of the kind (FavoriteListKind 1, 2, 3 or 5).
void EditFavoriteLists(int kind);
