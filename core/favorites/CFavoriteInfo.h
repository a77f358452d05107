#pragma once
// The favorites store: the five lists, the hot keys and the settings, and their settings file.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

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
  std::map<std::int32_t, CHotKey> HotKeys;  // kinds 1 to 6, always all present
  bool MailFolder = false;
  std::int32_t MailFolderDispMode = 0;
  std::uint32_t MailHistoryNum = 20;
  std::uint32_t MailTitleLength = 60;
  std::uint32_t StoredCounts[5] = {};  // numbered entries each list's section held when last read or written
  bool SaveTreeComplete = false;
  bool RestoreTreeComplete = false;
  std::int32_t FolderTreeClosedDepth = -1;
  std::int32_t RestoreTreeID = 0;
  ScreenRect EditWindowRect;
  bool SetFocusAfterJump = true;

 private:
  void SetDefaults();
  // Rereads the file, lets `write` change the document and writes it back in one go.
  template <class Write>
  bool Rewrite(Write write);

  void ReadMisc();
  void ReadFolders();
  void ReadMails(const char* section, int kind);
  void ReadFolderTrees();
  void ReadWindowStates();
  void WriteMisc();
  void WriteFolders();
  void WriteMails(const char* section, int kind);
  void WriteFolderTrees();
  void WriteWindowStates();
  // Reads numbered items until `readItem` finds no item under the number; counts them.
  template <class ReadItem>
  void ReadItems(int kind, ReadItem readItem);
  // Writes the items under the numbers 0, 1, ..., each with its display name, then drops the
  // numbers beyond them.
  template <class Item, class WriteItem>
  void WriteItems(int kind, const std::vector<const Item*>& items, WriteItem writeItem);
  template <class Item>
  static std::vector<const Item*> InListOrder(const CFavoriteItemList<Item>& list);
  void WriteTextOrDelete(const std::string& key, const std::string& text);
  void WriteFailure(std::uint32_t number, std::int32_t failure);
  // Deletes the kind's keys of every number from `count` on, and records `count`.
  void DeleteStaleItems(int kind, std::uint32_t count);
};
