#include "core/favorites/CFavoriteInfo.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "port/Mbcs.h"

namespace {

const char* const FoldersSection = "FavoriteFolders";
const char* const MailsSection = "FavoriteMails";
const char* const FolderTreesSection = "FavoriteFolderTrees";
const char* const HistorySection = "MailHistory";
const char* const WindowStatesSection = "WindowState";
const char* const MiscSection = "Misc";

// The per-item keys ("Item%d_" + field) of each list kind, 1 to 5.
const std::vector<std::string> ItemFields[5] = {
    {"FolderID", "TreeID", "Failure", "DisplayName"},
    {"MailID", "FolderID", "Subject", "From", "Date", "MessageId", "Failure", "DisplayName"},
    {"ID", "TreeFileName", "ForceOpen", "DisplayName"},
    {"MailID", "FolderID", "Subject", "From", "Date", "MessageId", "Failure", "DisplayName"},
    {"WindowX", "WindowY", "WindowCX", "WindowCY", "DisplayName"},
};

// The hot keys in the order of the file, with the names older files used for the first four.
struct HotKeyName {
  int Kind;
  const char* Key;
  const char* OlderKey;
};
const HotKeyName HotKeyNames[] = {
    {ComprehensiveMenuKind, "ComprehensiveHotKey", "Comprehensive"},
    {FavoriteFolderList, "FolderHotKey", "Folder"},
    {FavoriteMailList, "MailHotKey", "Mail"},
    {FavoriteFolderTreeList, "FolderTreeHotKey", "FolderTree"},
    {MailHistoryList, "MailHistoryHotKey", nullptr},
    {FavoriteWindowStateList, "WindowStateHotKey", nullptr},
};

std::string ItemKey(std::uint32_t number, const char* field) { return "Item" + std::to_string(number) + "_" + field; }

// The number of a key of the form "Item<number>_<field>" (as the reads of the list find it, so in
// any case) whose field is one of `fields`; -1 for any other key.
std::int64_t ItemNumberOf(const std::string& key, const std::vector<std::string>& fields) {
  const std::string folded = port::FoldAsciiCase(key);
  if (folded.compare(0, 4, "item") != 0) return -1;
  std::size_t at = 4;
  std::int64_t number = 0;
  for (; at < folded.size() && folded[at] >= '0' && folded[at] <= '9' && at < 14; ++at) {
    number = number * 10 + (folded[at] - '0');
  }
  const std::size_t digits = at - 4;
  const bool canonical = digits > 0 && (digits == 1 || folded[4] != '0');
  if (!canonical || at >= folded.size() || folded[at] != '_') return -1;
  const std::string field = folded.substr(at + 1);
  for (const std::string& candidate : fields) {
    if (port::FoldAsciiCase(candidate) == field) return number;
  }
  return -1;
}

}  // namespace

CFavoriteInfo::CFavoriteInfo() { SetDefaults(); }

void CFavoriteInfo::SetDefaults() {
  for (const HotKeyName& name : HotKeyNames) HotKeys[name.Kind] = CHotKey();
  MailFolder = false;
  MailFolderDispMode = 0;
  MailHistoryNum = 20;
  MailTitleLength = 60;
  SaveTreeComplete = false;
  RestoreTreeComplete = false;
  FolderTreeClosedDepth = -1;
  RestoreTreeID = 0;
  EditWindowRect = ScreenRect();
  SetFocusAfterJump = true;
  History.SetMaxCount(20);
}

CFavoriteItemListBase* CFavoriteInfo::GetList(int kind) {
  switch (kind) {
    case FavoriteFolderList: return &Folders;
    case FavoriteMailList: return &Mails;
    case FavoriteFolderTreeList: return &FolderTrees;
    case MailHistoryList: return &History;
    case FavoriteWindowStateList: return &WindowStates;
    default: return nullptr;
  }
}

AddResult CFavoriteInfo::AddItem(std::unique_ptr<CFavoriteItem>& item, int kind) {
  CFavoriteItemListBase* list = GetList(kind);
  if (!item || list == nullptr || !item->IsValid()) return Rejected;
  if (kind != MailHistoryList) return list->AddBack(item);
  // Checked first, so that a stranger never costs the history its oldest entries.
  if (!History.IsOwnKind(*item)) return Rejected;
  if (History.BringToFront(static_cast<const CMailItem&>(*item))) return Added;
  while (History.GetCount() != 0 && History.GetCount() >= History.GetMaxCount()) {
    History.RemoveNode(History.GetCount() - 1);
  }
  return History.AddFront(item);
}

bool CFavoriteInfo::Load() {
  if (!Reload()) return true;
  ReadMisc();
  ReadFolders();
  ReadMails(MailsSection, FavoriteMailList);
  ReadFolderTrees();
  ReadMails(HistorySection, MailHistoryList);
  ReadWindowStates();
  return true;
}

template <class Write>
bool CFavoriteInfo::Rewrite(Write write) {
  // A file that exists but cannot be read must not be replaced by what little we know of it.
  if (!Reload()) return false;
  write();
  return Commit();
}

bool CFavoriteInfo::Save() {
  return Rewrite([this] {
    WriteFolders();
    WriteMails(MailsSection, FavoriteMailList);
    WriteFolderTrees();
    WriteMails(HistorySection, MailHistoryList);
    WriteWindowStates();
    WriteMisc();
  });
}

bool CFavoriteInfo::SaveFolders() { return Rewrite([this] { WriteFolders(); }); }
bool CFavoriteInfo::SaveMails() { return Rewrite([this] { WriteMails(MailsSection, FavoriteMailList); }); }
bool CFavoriteInfo::SaveFolderTrees() { return Rewrite([this] { WriteFolderTrees(); }); }
bool CFavoriteInfo::SaveMailHistory() { return Rewrite([this] { WriteMails(HistorySection, MailHistoryList); }); }
bool CFavoriteInfo::SaveWindowStates() { return Rewrite([this] { WriteWindowStates(); }); }
bool CFavoriteInfo::SaveMisc() { return Rewrite([this] { WriteMisc(); }); }

void CFavoriteInfo::ReadMisc() {
  Section = MiscSection;
  RestoreTreeID = ReadInt(Section, "RestoreTreeID", 0);
  SetFocusAfterJump = ReadBool(Section, "SetFocusAfterJump", true);
  MailFolder = ReadBool(Section, "MailFolder", false);
  MailFolderDispMode = ReadInt(Section, "MailFolderDispMode", 0);
  MailHistoryNum = ReadULong(Section, "MailHistoryNum", 20);
  History.SetMaxCount(MailHistoryNum);
  MailTitleLength = ReadULong(Section, "MailTitleLength", 60);
  SaveTreeComplete = ReadBool(Section, "SaveTreeComplete", false);
  RestoreTreeComplete = ReadBool(Section, "RestoreTreeComplete", false);
  FolderTreeClosedDepth = ReadInt(Section, "FolderTreeClosedDepth", -1);
  for (const HotKeyName& name : HotKeyNames) {
    std::int32_t value = ReadInt(Section, name.Key, 0);
    if ((value & 0xFFFF) == 0 && name.OlderKey != nullptr) value = ReadInt(Section, name.OlderKey, 0);
    HotKeys[name.Kind] = CHotKey::FromStoredValue(value);
  }
  const std::int32_t x = ReadInt(Section, "EditWindowX", 0);
  const std::int32_t y = ReadInt(Section, "EditWindowY", 0);
  const std::int32_t width = ReadInt(Section, "EditWindowCX", 0);
  const std::int32_t height = ReadInt(Section, "EditWindowCY", 0);
  // Older files kept only the size, in X and Y.
  EditWindowRect = width != 0 && height != 0 ? ScreenRect::FromPositionAndSize(x, y, width, height)
                                             : ScreenRect{0, 0, x, y};
}

void CFavoriteInfo::WriteMisc() {
  Section = MiscSection;
  WriteInt(Section, "RestoreTreeID", RestoreTreeID);
  WriteBool(Section, "SetFocusAfterJump", SetFocusAfterJump);
  WriteBool(Section, "MailFolder", MailFolder);
  WriteInt(Section, "MailFolderDispMode", MailFolderDispMode);
  WriteULong(Section, "MailHistoryNum", MailHistoryNum);
  WriteULong(Section, "MailTitleLength", MailTitleLength);
  WriteBool(Section, "SaveTreeComplete", SaveTreeComplete);
  WriteBool(Section, "RestoreTreeComplete", RestoreTreeComplete);
  WriteInt(Section, "FolderTreeClosedDepth", FolderTreeClosedDepth);
  for (const HotKeyName& name : HotKeyNames) {
    WriteInt(Section, name.Key, HotKeys[name.Kind].ToStoredValue());
    if (name.OlderKey != nullptr) DeleteKey(Section, name.OlderKey);
  }
  WriteInt(Section, "EditWindowX", EditWindowRect.Left);
  WriteInt(Section, "EditWindowY", EditWindowRect.Top);
  WriteInt(Section, "EditWindowCX", EditWindowRect.Width());
  WriteInt(Section, "EditWindowCY", EditWindowRect.Height());
}

template <class ReadItem>
void CFavoriteInfo::ReadItems(int kind, ReadItem readItem) {
  std::uint32_t number = 0;
  for (;; ++number) {
    std::unique_ptr<CFavoriteItem> item = readItem(number);
    if (!item) break;
    AddItem(item, kind);  // what the list refuses (invalid, duplicate, beyond capacity) is dropped
  }
  StoredCounts[kind - 1] = number;
}

void CFavoriteInfo::DeleteStaleItems(int kind, std::uint32_t count) {
  const std::vector<std::string>& fields = ItemFields[kind - 1];
  for (const std::string& key : ReadKeyNames(Section)) {
    if (ItemNumberOf(key, fields) >= static_cast<std::int64_t>(count)) DeleteKey(Section, key);
  }
  StoredCounts[kind - 1] = count;
}

void CFavoriteInfo::ReadFolders() {
  Section = FoldersSection;
  ReadItems(FavoriteFolderList, [this](std::uint32_t number) {
    auto item = std::make_unique<CFolderItem>();
    item->FolderId = ReadString(Section, ItemKey(number, "FolderID"), "");
    if (item->FolderId.empty()) return std::unique_ptr<CFavoriteItem>();
    item->TreeId = ReadInt(Section, ItemKey(number, "TreeID"), 0);
    item->Failure = ReadInt(Section, ItemKey(number, "Failure"), 0);
    item->SetDisplayName(ReadString(Section, ItemKey(number, "DisplayName"), ""));
    return std::unique_ptr<CFavoriteItem>(std::move(item));
  });
}

void CFavoriteInfo::ReadMails(const char* section, int kind) {
  Section = section;
  ReadItems(kind, [this](std::uint32_t number) {
    auto item = std::make_unique<CMailItem>();
    item->MailId = ReadString(Section, ItemKey(number, "MailID"), "");
    if (item->MailId.empty()) return std::unique_ptr<CFavoriteItem>();
    item->FolderId = ReadString(Section, ItemKey(number, "FolderID"), "");
    item->Subject = ReadString(Section, ItemKey(number, "Subject"), "");
    item->From = ReadString(Section, ItemKey(number, "From"), "");
    item->Date = ReadString(Section, ItemKey(number, "Date"), "");
    item->MessageId = ReadString(Section, ItemKey(number, "MessageId"), "");
    item->Failure = ReadInt(Section, ItemKey(number, "Failure"), 0);
    item->SetDisplayName(ReadString(Section, ItemKey(number, "DisplayName"), ""));
    return std::unique_ptr<CFavoriteItem>(std::move(item));
  });
}

void CFavoriteInfo::ReadFolderTrees() {
  Section = FolderTreesSection;
  const std::int32_t nextId = ReadInt(Section, "NextID", 0);
  if (nextId > 0) NextTreeId = nextId;
  ReadItems(FavoriteFolderTreeList, [this](std::uint32_t number) {
    const std::int32_t treeId = ReadInt(Section, ItemKey(number, "ID"), 0);
    if (treeId == 0) return std::unique_ptr<CFavoriteItem>();
    auto item = std::make_unique<CFolderTreeItem>(treeId);
    item->TreeFileName = ReadString(Section, ItemKey(number, "TreeFileName"), "");
    const std::int32_t forceOpen = ReadInt(Section, ItemKey(number, "ForceOpen"), -1);
    item->ForceOpen = forceOpen == 0 || forceOpen == 1 ? forceOpen : -1;
    item->SetDisplayName(ReadString(Section, ItemKey(number, "DisplayName"), ""));
    return std::unique_ptr<CFavoriteItem>(std::move(item));
  });
}

void CFavoriteInfo::ReadWindowStates() {
  Section = WindowStatesSection;
  ReadItems(FavoriteWindowStateList, [this](std::uint32_t number) {
    const std::int32_t x = ReadInt(Section, ItemKey(number, "WindowX"), 0);
    const std::int32_t y = ReadInt(Section, ItemKey(number, "WindowY"), 0);
    const std::int32_t width = ReadInt(Section, ItemKey(number, "WindowCX"), -1);
    const std::int32_t height = ReadInt(Section, ItemKey(number, "WindowCY"), -1);
    if (width == -1 || height == -1) return std::unique_ptr<CFavoriteItem>();
    auto item = std::make_unique<CWindowStateItem>();
    item->WindowRect = ScreenRect::FromPositionAndSize(x, y, width, height);
    item->SetDisplayName(ReadString(Section, ItemKey(number, "DisplayName"), ""));
    return std::unique_ptr<CFavoriteItem>(std::move(item));
  });
}

void CFavoriteInfo::WriteTextOrDelete(const std::string& key, const std::string& text) {
  if (text.empty()) {
    DeleteKey(Section, key);
  } else {
    WriteString(Section, key, text);
  }
}

void CFavoriteInfo::WriteFailure(std::uint32_t number, std::int32_t failure) {
  if (failure != 0) {
    WriteString(Section, ItemKey(number, "Failure"), "1");
  } else {
    DeleteKey(Section, ItemKey(number, "Failure"));
  }
}

template <class Item, class WriteItem>
void CFavoriteInfo::WriteItems(int kind, const std::vector<const Item*>& items, WriteItem writeItem) {
  std::uint32_t number = 0;
  for (const Item* item : items) {
    // Only items of the list's own class have keys to write.
    if (item == nullptr) continue;
    writeItem(number, *item);
    WriteTextOrDelete(ItemKey(number, "DisplayName"), item->DisplayName);
    ++number;
  }
  DeleteStaleItems(kind, number);
}

template <class Item>
std::vector<const Item*> CFavoriteInfo::InListOrder(const CFavoriteItemList<Item>& list) {
  std::vector<const Item*> items;
  for (std::size_t position = 0; position < list.GetCount(); ++position) items.push_back(list.GetItemAt(position));
  return items;
}

void CFavoriteInfo::WriteFolders() {
  Section = FoldersSection;
  WriteItems<CFolderItem>(FavoriteFolderList, InListOrder(Folders), [this](std::uint32_t number, const CFolderItem& item) {
    WriteString(Section, ItemKey(number, "FolderID"), item.FolderId);
    WriteInt(Section, ItemKey(number, "TreeID"), item.TreeId);
    WriteFailure(number, item.Failure);
  });
}

void CFavoriteInfo::WriteMails(const char* section, int kind) {
  Section = section;
  std::vector<const CMailItem*> items;
  if (kind == MailHistoryList) {
    // Oldest first: number 0 is the oldest entry written, the last number the newest.
    items = InListOrder<CMailItem>(History);
    if (items.size() > MailHistoryNum) items.resize(MailHistoryNum);
    std::reverse(items.begin(), items.end());
  } else {
    items = InListOrder(Mails);
  }
  WriteItems<CMailItem>(kind, items, [this](std::uint32_t number, const CMailItem& item) {
    WriteString(Section, ItemKey(number, "MailID"), item.MailId);
    WriteString(Section, ItemKey(number, "FolderID"), item.FolderId);
    WriteString(Section, ItemKey(number, "Subject"), item.Subject);
    WriteString(Section, ItemKey(number, "From"), item.From);
    WriteTextOrDelete(ItemKey(number, "Date"), item.Date);
    WriteString(Section, ItemKey(number, "MessageId"), item.MessageId);
    WriteFailure(number, item.Failure);
  });
}

void CFavoriteInfo::WriteFolderTrees() {
  Section = FolderTreesSection;
  WriteInt(Section, "NextID", NextTreeId);
  WriteItems<CFolderTreeItem>(FavoriteFolderTreeList, InListOrder<CFolderTreeItem>(FolderTrees),
                              [this](std::uint32_t number, const CFolderTreeItem& item) {
                                WriteInt(Section, ItemKey(number, "ID"), item.TreeId);
                                WriteString(Section, ItemKey(number, "TreeFileName"), item.TreeFileName);
                                if (item.ForceOpen == 0 || item.ForceOpen == 1) {
                                  WriteInt(Section, ItemKey(number, "ForceOpen"), item.ForceOpen);
                                } else {
                                  DeleteKey(Section, ItemKey(number, "ForceOpen"));
                                }
                              });
}

void CFavoriteInfo::WriteWindowStates() {
  Section = WindowStatesSection;
  WriteItems<CWindowStateItem>(FavoriteWindowStateList, InListOrder(WindowStates),
                               [this](std::uint32_t number, const CWindowStateItem& item) {
                                 WriteInt(Section, ItemKey(number, "WindowX"), item.WindowRect.Left);
                                 WriteInt(Section, ItemKey(number, "WindowY"), item.WindowRect.Top);
                                 WriteInt(Section, ItemKey(number, "WindowCX"), item.WindowRect.Width());
                                 WriteInt(Section, ItemKey(number, "WindowCY"), item.WindowRect.Height());
                               });
}
