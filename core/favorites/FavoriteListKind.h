#pragma once

// The number of a favorites list; the hot-key table and the menus also use 6 for the comprehensive
// menu, which shows every list and has none of its own, and the hot-key table 7 for the find dialog.
enum FavoriteListKind {
  FavoriteFolderList = 1,
  FavoriteMailList = 2,
  FavoriteFolderTreeList = 3,
  MailHistoryList = 4,
  FavoriteWindowStateList = 5,
  ComprehensiveMenuKind = 6,
  FindDialogKind = 7
};
