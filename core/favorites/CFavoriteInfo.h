#pragma once
// The favorites store: the five lists, the hot keys and the settings, and their settings file.
#include <cstdint>
#include <map>
#include <memory>

#include "core/favorites/AddResult.h"
#include "core/favorites/CFavoriteItemList.h"
#include "core/favorites/CFolderItem.h"
#include "core/favorites/CFolderTreeItemList.h"
#include "core/favorites/CHotKey.h"
#include "core/favorites/CMailHistoryItemList.h"
#include "core/favorites/CMailItem.h"
#include "core/favorites/CWindowStateItem.h"
#include "core/favorites/FavoriteListKind.h"
#include "core/favorites/ScreenRect.h"
#include "core/ini/CIniFile.h"

class CFavoriteInfo : public CIniFile {
 public:
  CFavoriteInfo();

  // Reads the whole file (once) into every list and setting; true.
  virtual bool Load();
  // Writes every section in one replace of the file; false when the file could not be written.
  virtual bool Save();
  // Each writes its one section in one replace of the file; false when the file could not be written.
  bool SaveFolders();
  bool SaveMails();
  bool SaveFolderTrees();
  bool SaveMailHistory();
  bool SaveWindowStates();
  bool SaveMisc();

  // The list of the kind (1 to 5), or nullptr.
  CFavoriteItemListBase* GetList(int kind);
  // Adds a valid item to the kind's list; the history brings a mail it holds to the front instead.
  // On Added the store may have taken `item` (it is then empty); otherwise the caller keeps it.
  AddResult AddItem(std::unique_ptr<CFavoriteItem>& item, int kind);

  CFavoriteItemList<CFolderItem> Folders;
  CFavoriteItemList<CMailItem> Mails;
  CFolderTreeItemList FolderTrees;
  CMailHistoryItemList History;
  CFavoriteItemList<CWindowStateItem> WindowStates;
  std::map<std::int32_t, CHotKey> HotKeys;  // kinds 1 to 7, always all present
  std::uint32_t StoredCounts[5] = {};  // numbered entries each list's section held when last read or written
  // The settings; their defaults stand with their keys in the settings table of CFavoriteInfo.cpp.
  bool MailFolder;
  std::int32_t MailFolderDispMode;
  std::uint32_t MailHistoryNum;
  std::uint32_t MailTitleLength;
  bool SaveTreeComplete;
  bool RestoreTreeComplete;
  std::int32_t FolderTreeClosedDepth;
  std::int32_t RestoreTreeID;
  ScreenRect EditWindowRect;
  bool SetFocusAfterJump;
  bool FindShowsFolders;  // the find dialog lists the host's other folders after the favorites
};
