#pragma once
// The host's folder tree: mailboxes at the top (with their unread count), folders below. A folder
// whose subfolders have not been shown yet holds one placeholder item with an empty text; its
// subfolders are inserted when it is first expanded, as a real mail client does.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "sim/CMailStore.h"

class CFolderTreePane {
 public:
  void Attach(HWND tree) { m_tree = tree; }
  HWND Handle() const { return m_tree; }

  void Fill(const CMailStore& store);
  // Replaces the placeholder of the item by its subfolders; nothing when they are there already.
  void Populate(HTREEITEM item);
  // Selects the folder's item, expanding the folders above it as a user would.
  bool Select(const SimFolder& folder);
  bool Expand(const SimFolder& folder, bool expand);
  void ShowUnreadCount(const SimFolder& mailbox);
  // False also for a folder whose item has not been inserted yet.
  bool IsExpanded(const SimFolder& folder);
  SimFolder* FolderAt(HTREEITEM item) const;
  SimFolder* FolderAtPoint(POINT screen) const;
  // True when an item whose text matches the pattern has been inserted.
  bool HasItemMatching(const std::string& pattern) const;

 private:
  HTREEITEM Insert(HTREEITEM parent, SimFolder& folder);
  // With `populate`, the folders above it show their subfolders on the way down.
  HTREEITEM ItemOf(const SimFolder& folder, bool populate);
  HTREEITEM ChildOf(HTREEITEM parent, const SimFolder& folder) const;
  bool HasItemMatching(HTREEITEM first, const std::string& pattern) const;

  HWND m_tree = nullptr;
};
