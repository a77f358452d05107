#include "sim/CFolderTreePane.h"

#include <vector>

#include "sim/ScriptText.h"

namespace {

std::string MailboxText(const SimFolder& mailbox) {
  const int unread = CMailStore::UnreadCount(mailbox);
  return unread > 0 ? mailbox.Name + " (" + std::to_string(unread) + ")" : mailbox.Name;
}

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const std::string& text, SimFolder* folder) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = reinterpret_cast<LPARAM>(folder);
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

void CFolderTreePane::Fill(const CMailStore& store) {
  TreeView_DeleteAllItems(m_tree);
  for (const auto& mailbox : store.Mailboxes()) {
    HTREEITEM item = InsertItem(m_tree, TVI_ROOT, MailboxText(*mailbox), mailbox.get());
    Populate(item);
  }
}

HTREEITEM CFolderTreePane::Insert(HTREEITEM parent, SimFolder& folder) {
  HTREEITEM item = InsertItem(m_tree, parent, folder.Name, &folder);
  if (!folder.Children.empty()) InsertItem(m_tree, item, std::string(), nullptr);
  return item;
}

void CFolderTreePane::Populate(HTREEITEM item) {
  SimFolder* folder = FolderAt(item);
  HTREEITEM first = TreeView_GetChild(m_tree, item);
  if (folder == nullptr || (first != nullptr && FolderAt(first) != nullptr)) return;
  if (first != nullptr) TreeView_DeleteItem(m_tree, first);
  for (const auto& child : folder->Children) Insert(item, *child);
}

SimFolder* CFolderTreePane::FolderAt(HTREEITEM item) const {
  if (item == nullptr) return nullptr;
  TVITEMA data = {};
  data.mask = TVIF_PARAM | TVIF_HANDLE;
  data.hItem = item;
  if (!SendMessageA(m_tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
  return reinterpret_cast<SimFolder*>(data.lParam);
}

SimFolder* CFolderTreePane::FolderAtPoint(POINT screen) const {
  TVHITTESTINFO hit = {};
  hit.pt = screen;
  ScreenToClient(m_tree, &hit.pt);
  return FolderAt(TreeView_HitTest(m_tree, &hit));
}

HTREEITEM CFolderTreePane::ChildOf(HTREEITEM parent, const SimFolder& folder) const {
  HTREEITEM item = parent ? TreeView_GetChild(m_tree, parent) : TreeView_GetRoot(m_tree);
  while (item != nullptr && FolderAt(item) != &folder) item = TreeView_GetNextSibling(m_tree, item);
  return item;
}

HTREEITEM CFolderTreePane::ItemOf(const SimFolder& folder, bool populate) {
  std::vector<const SimFolder*> way;
  for (const SimFolder* step = &folder; step; step = step->Parent) way.insert(way.begin(), step);
  HTREEITEM item = nullptr;
  for (const SimFolder* step : way) {
    if (item && populate) Populate(item);
    item = ChildOf(item, *step);
    if (item == nullptr) return nullptr;
  }
  return item;
}

bool CFolderTreePane::Select(const SimFolder& folder) {
  HTREEITEM item = ItemOf(folder, true);
  for (HTREEITEM above = item ? TreeView_GetParent(m_tree, item) : nullptr; above;
       above = TreeView_GetParent(m_tree, above)) {
    TreeView_Expand(m_tree, above, TVE_EXPAND);
  }
  return item != nullptr && TreeView_SelectItem(m_tree, item);
}

bool CFolderTreePane::Expand(const SimFolder& folder, bool expand) {
  HTREEITEM item = ItemOf(folder, true);
  if (item == nullptr) return false;
  if (expand) Populate(item);
  return TreeView_Expand(m_tree, item, expand ? TVE_EXPAND : TVE_COLLAPSE);
}

bool CFolderTreePane::IsExpanded(const SimFolder& folder) {
  HTREEITEM item = ItemOf(folder, false);
  return item != nullptr && (TreeView_GetItemState(m_tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void CFolderTreePane::ShowUnreadCount(const SimFolder& mailbox) {
  HTREEITEM item = ChildOf(nullptr, mailbox);
  if (item == nullptr) return;
  const std::string text = MailboxText(mailbox);
  TVITEMA data = {};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = const_cast<char*>(text.c_str());
  SendMessageA(m_tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
}

bool CFolderTreePane::HasItemMatching(const std::string& pattern) const {
  return HasItemMatching(TreeView_GetRoot(m_tree), pattern);
}

bool CFolderTreePane::HasItemMatching(HTREEITEM first, const std::string& pattern) const {
  for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(m_tree, item)) {
    char buffer[1024] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = item;
    data.pszText = buffer;
    data.cchTextMax = sizeof buffer;
    if (SendMessageA(m_tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)) && MatchesPattern(buffer, pattern)) {
      return true;
    }
    if (HasItemMatching(TreeView_GetChild(m_tree, item), pattern)) return true;
  }
  return false;
}
