#pragma once
// Command ids of the favorites menus. Favorites take the ids from 1 up (their index + 1); the fixed
// commands lie at the top of the range, above every id a full store can give.
#include <windows.h>

enum FavoriteMenuCommand : UINT {
  RegisterWindowStateId = 32716,
  EditWindowStatesId = 32717,
  ClearMailHistoryId = 32727,
  RegisterFolderTreeStateId = 32736,
  EditFolderTreesId = 32737,
  DeleteCurrentMailId = 32745,
  RegisterCurrentMailId = 32746,
  EditMailsId = 32747,
  DeleteCurrentFolderId = 32755,
  RegisterCurrentFolderId = 32756,
  EditFoldersId = 32757,
  SetupId = 32767
};

// True for the ids of the fixed commands above.
inline bool IsFixedMenuCommand(UINT id) {
  static const UINT fixed[] = {RegisterWindowStateId,     EditWindowStatesId,    ClearMailHistoryId,
                               RegisterFolderTreeStateId, EditFolderTreesId,     DeleteCurrentMailId,
                               RegisterCurrentMailId,     EditMailsId,           DeleteCurrentFolderId,
                               RegisterCurrentFolderId,   EditFoldersId,         SetupId};
  for (UINT command : fixed) {
    if (command == id) return true;
  }
  return false;
}
