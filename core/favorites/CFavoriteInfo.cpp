#include "core/favorites/CFavoriteInfo.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "port/Mbcs.h"

namespace {

const char* const MiscSection = "Misc";
const char* const NextIdKey = "NextID";

// A setting of "Misc" with its default: a signed number ("%d"), a flag ("1" or "0") or an unsigned
// number ("%lu"), whichever member is set. The tables of "Misc" are constants: the store that is built
// when the library loads reads its defaults from them.
struct Setting {
  const char* Key;
  std::int32_t Default;
  std::int32_t CFavoriteInfo::*Number;
  bool CFavoriteInfo::*Flag;
  std::uint32_t CFavoriteInfo::*Count;
};
constexpr Setting Settings[] = {
    {"RestoreTreeID", 0, &CFavoriteInfo::RestoreTreeID, nullptr, nullptr},
    {"SetFocusAfterJump", 1, nullptr, &CFavoriteInfo::SetFocusAfterJump, nullptr},
    {"MailFolder", 0, nullptr, &CFavoriteInfo::MailFolder, nullptr},
    {"MailFolderDispMode", 0, &CFavoriteInfo::MailFolderDispMode, nullptr, nullptr},
    {"MailHistoryNum", 20, nullptr, nullptr, &CFavoriteInfo::MailHistoryNum},
    {"MailTitleLength", 60, nullptr, nullptr, &CFavoriteInfo::MailTitleLength},
    {"SaveTreeComplete", 0, nullptr, &CFavoriteInfo::SaveTreeComplete, nullptr},
    {"RestoreTreeComplete", 0, nullptr, &CFavoriteInfo::RestoreTreeComplete, nullptr},
    {"FolderTreeClosedDepth", -1, &CFavoriteInfo::FolderTreeClosedDepth, nullptr, nullptr},
    {"FindFolders", 1, nullptr, &CFavoriteInfo::FindShowsFolders, nullptr},
};

// The hot keys in the order of the file, with the names older files used for the first four.
struct HotKeyName {
  int Kind;
  const char* Key;
  const char* OlderKey;
};
constexpr HotKeyName HotKeyNames[] = {
    {ComprehensiveMenuKind, "ComprehensiveHotKey", "Comprehensive"},
    {FavoriteFolderList, "FolderHotKey", "Folder"},
    {FavoriteMailList, "MailHotKey", "Mail"},
    {FavoriteFolderTreeList, "FolderTreeHotKey", "FolderTree"},
    {MailHistoryList, "MailHistoryHotKey", nullptr},
    {FavoriteWindowStateList, "WindowStateHotKey", nullptr},
    {FindDialogKind, "FindHotKey", nullptr},
};

// The list edit dialog's placement: position and size.
constexpr const char* EditWindowKeys[4] = {"EditWindowX", "EditWindowY", "EditWindowCX", "EditWindowCY"};

// How a per-item key is kept.
enum FieldRule {
  EndsList,  // always written; the first number where it reads as its default ends the list
  Always,
  WhenSet,   // written when the field is not its default, deleted otherwise
};

// A per-item field, keyed "Item<number>_" + Name: a text member (default empty), or else a number
// with its default, reached through Get and Set.
template <class Item>
struct ItemField {
  const char* Name;
  FieldRule Rule;
  std::string Item::*Text;
  std::int32_t Default;
  std::int32_t (*Get)(const Item&);
  void (*Set)(Item&, std::int32_t);
};

// The failure mark is kept as "1"; the display name ends every item's keys.
template <class Item>
ItemField<Item> FailureField() {
  return {"Failure", WhenSet, nullptr, 0, [](const Item& item) -> std::int32_t { return item.Failure != 0; },
          [](Item& item, std::int32_t failure) { item.Failure = failure; }};
}
template <class Item>
ItemField<Item> DisplayNameField() {
  return {"DisplayName", WhenSet, &Item::DisplayName, 0, nullptr, nullptr};
}

// Anything but "open" (1) or "close" (0) means "leave".
std::int32_t OpenCloseOrLeave(std::int32_t forceOpen) {
  return forceOpen == 0 || forceOpen == 1 ? forceOpen : -1;
}

// The fields of each item class in the order they are written.
const ItemField<CFolderItem> FolderFields[] = {
    {"FolderID", EndsList, &CFolderItem::FolderId, 0, nullptr, nullptr},
    {"TreeID", Always, nullptr, 0, [](const CFolderItem& item) { return item.TreeId; },
     [](CFolderItem& item, std::int32_t treeId) { item.TreeId = treeId; }},
    FailureField<CFolderItem>(),
    DisplayNameField<CFolderItem>(),
};
const ItemField<CMailItem> MailFields[] = {
    {"MailID", EndsList, &CMailItem::MailId, 0, nullptr, nullptr},
    {"FolderID", Always, &CMailItem::FolderId, 0, nullptr, nullptr},
    {"Subject", Always, &CMailItem::Subject, 0, nullptr, nullptr},
    {"From", Always, &CMailItem::From, 0, nullptr, nullptr},
    {"Date", WhenSet, &CMailItem::Date, 0, nullptr, nullptr},
    {"MessageId", Always, &CMailItem::MessageId, 0, nullptr, nullptr},
    FailureField<CMailItem>(),
    DisplayNameField<CMailItem>(),
};
const ItemField<CFolderTreeItem> FolderTreeFields[] = {
    {"ID", EndsList, nullptr, 0, [](const CFolderTreeItem& item) { return item.TreeId; },
     [](CFolderTreeItem& item, std::int32_t treeId) { item.TreeId = treeId; }},
    {"TreeFileName", Always, &CFolderTreeItem::TreeFileName, 0, nullptr, nullptr},
    {"ForceOpen", WhenSet, nullptr, -1, [](const CFolderTreeItem& item) { return OpenCloseOrLeave(item.ForceOpen); },
     [](CFolderTreeItem& item, std::int32_t forceOpen) { item.ForceOpen = OpenCloseOrLeave(forceOpen); }},
    DisplayNameField<CFolderTreeItem>(),
};
// The size is read after the position it is added to; maximized (all -1) and minimized (all -2)
// placements are kept with the size 0.
const ItemField<CWindowStateItem> WindowStateFields[] = {
    {"WindowX", Always, nullptr, 0, [](const CWindowStateItem& item) { return item.WindowRect.Left; },
     [](CWindowStateItem& item, std::int32_t x) { item.WindowRect.Left = x; }},
    {"WindowY", Always, nullptr, 0, [](const CWindowStateItem& item) { return item.WindowRect.Top; },
     [](CWindowStateItem& item, std::int32_t y) { item.WindowRect.Top = y; }},
    {"WindowCX", EndsList, nullptr, -1, [](const CWindowStateItem& item) { return item.WindowRect.Width(); },
     [](CWindowStateItem& item, std::int32_t width) { item.WindowRect.SetWidth(width); }},
    {"WindowCY", EndsList, nullptr, -1, [](const CWindowStateItem& item) { return item.WindowRect.Height(); },
     [](CWindowStateItem& item, std::int32_t height) { item.WindowRect.SetHeight(height); }},
    DisplayNameField<CWindowStateItem>(),
};

// The list sections: hands `use` the section and the item fields of a list kind (1 to 5).
template <class Use>
void WithListSection(int kind, Use use) {
  switch (kind) {
    case FavoriteFolderList: return use("FavoriteFolders", FolderFields);
    case FavoriteMailList: return use("FavoriteMails", MailFields);
    case FavoriteFolderTreeList: return use("FavoriteFolderTrees", FolderTreeFields);
    case MailHistoryList: return use("MailHistory", MailFields);
    case FavoriteWindowStateList: return use("WindowState", WindowStateFields);
  }
}

std::string ItemKey(std::uint32_t number, const char* field) { return "Item" + std::to_string(number) + "_" + field; }

template <class Item>
bool IsDefault(const Item& item, const ItemField<Item>& field) {
  return field.Text != nullptr ? (item.*field.Text).empty() : field.Get(item) == field.Default;
}

// Reads the item under `number` into `item`; false where a field that ends the list reads as its default.
template <class Item, std::size_t Count>
bool ReadItem(const CIniFile& file, const char* section, std::uint32_t number, const ItemField<Item> (&fields)[Count],
              Item& item) {
  for (const ItemField<Item>& field : fields) {
    const std::string key = ItemKey(number, field.Name);
    if (field.Text != nullptr) {
      item.*field.Text = file.ReadString(section, key, "");
    } else {
      field.Set(item, file.ReadInt(section, key, field.Default));
    }
    if (field.Rule == EndsList && IsDefault(item, field)) return false;
  }
  return true;
}

template <class Item, std::size_t Count>
void WriteItem(CIniFile& file, const char* section, std::uint32_t number, const ItemField<Item> (&fields)[Count],
               const Item& item) {
  for (const ItemField<Item>& field : fields) {
    const std::string key = ItemKey(number, field.Name);
    if (field.Rule == WhenSet && IsDefault(item, field)) {
      file.DeleteKey(section, key);
    } else if (field.Text != nullptr) {
      file.WriteString(section, key, item.*field.Text);
    } else {
      file.WriteInt(section, key, field.Get(item));
    }
  }
}

// True when `key` is "Item<number>_<field>" (in any case, as the reads find keys) with a number from
// `first` on and one of the fields.
template <class Item, std::size_t Count>
bool IsItemKeyFrom(const std::string& key, std::uint32_t first, const ItemField<Item> (&fields)[Count]) {
  const std::string folded = port::FoldAsciiCase(key);
  if (folded.compare(0, 4, "item") != 0) return false;
  std::size_t at = 4;
  std::int64_t number = 0;
  for (; at < folded.size() && folded[at] >= '0' && folded[at] <= '9' && at < 14; ++at) {
    number = number * 10 + (folded[at] - '0');
  }
  const std::size_t digits = at - 4;
  const bool canonical = digits > 0 && (digits == 1 || folded[4] != '0');
  if (!canonical || at >= folded.size() || folded[at] != '_' || number < first) return false;
  for (const ItemField<Item>& field : fields) {
    if (port::FoldAsciiCase(field.Name) == folded.substr(at + 1)) return true;
  }
  return false;
}

// Reads the numbered items of a list section into the store until the first number without one.
template <class Item, std::size_t Count>
void ReadItems(CFavoriteInfo& store, int kind, const char* section, const ItemField<Item> (&fields)[Count]) {
  std::uint32_t number = 0;
  for (;; ++number) {
    auto item = std::make_unique<Item>();
    if (!ReadItem(store, section, number, fields, *item)) break;
    std::unique_ptr<CFavoriteItem> read = std::move(item);
    store.AddItem(read, kind);  // what the list refuses (invalid, duplicate, beyond capacity) is dropped
  }
  store.StoredCounts[kind - 1] = number;
}

// Writes the items under the numbers 0, 1, ... and deletes the keys of every number beyond them. The
// history writes its newest MailHistoryNum entries, oldest first.
template <class Item, std::size_t Count>
void WriteItems(CFavoriteInfo& store, int kind, const char* section, const ItemField<Item> (&fields)[Count]) {
  const CFavoriteItemListBase& list = *store.GetList(kind);
  std::vector<const Item*> items;
  for (std::size_t position = 0; position < list.GetCount(); ++position) {
    items.push_back(dynamic_cast<const Item*>(list.GetAt(position)));
  }
  if (kind == MailHistoryList) {
    if (items.size() > store.MailHistoryNum) items.resize(store.MailHistoryNum);
    std::reverse(items.begin(), items.end());
  }
  std::uint32_t number = 0;
  for (const Item* item : items) {
    // Only items of the list's own class have keys to write.
    if (item != nullptr) WriteItem(store, section, number++, fields, *item);
  }
  for (const std::string& key : store.ReadKeyNames(section)) {
    if (IsItemKeyFrom(key, number, fields)) store.DeleteKey(section, key);
  }
  store.StoredCounts[kind - 1] = number;
}

void ReadList(CFavoriteInfo& store, int kind) {
  WithListSection(kind, [&](const char* section, const auto& fields) {
    if (kind == FavoriteFolderTreeList) {
      const std::int32_t nextId = store.ReadInt(section, NextIdKey, 0);
      if (nextId > 0) NextTreeId = nextId;
    }
    ReadItems(store, kind, section, fields);
  });
}

void WriteList(CFavoriteInfo& store, int kind) {
  WithListSection(kind, [&](const char* section, const auto& fields) {
    if (kind == FavoriteFolderTreeList) store.WriteInt(section, NextIdKey, NextTreeId);
    WriteItems(store, kind, section, fields);
  });
}

void ReadMisc(CFavoriteInfo& store) {
  for (const Setting& setting : Settings) {
    if (setting.Number) store.*setting.Number = store.ReadInt(MiscSection, setting.Key, setting.Default);
    if (setting.Flag) store.*setting.Flag = store.ReadBool(MiscSection, setting.Key, setting.Default != 0);
    if (setting.Count) {
      store.*setting.Count = store.ReadULong(MiscSection, setting.Key, static_cast<std::uint32_t>(setting.Default));
    }
  }
  store.History.SetMaxCount(store.MailHistoryNum);
  for (const HotKeyName& name : HotKeyNames) {
    std::int32_t value = store.ReadInt(MiscSection, name.Key, 0);
    if ((value & 0xFFFF) == 0 && name.OlderKey != nullptr) value = store.ReadInt(MiscSection, name.OlderKey, 0);
    store.HotKeys[name.Kind] = CHotKey::FromStoredValue(value);
  }
  std::int32_t edit[4];
  for (int n = 0; n < 4; ++n) edit[n] = store.ReadInt(MiscSection, EditWindowKeys[n], 0);
  // Older files kept only the size, in X and Y.
  const bool sized = edit[2] != 0 && edit[3] != 0;
  store.EditWindowRect = sized ? ScreenRect::FromPositionAndSize(edit[0], edit[1], edit[2], edit[3])
                               : ScreenRect{0, 0, edit[0], edit[1]};
}

void WriteMisc(CFavoriteInfo& store) {
  for (const Setting& setting : Settings) {
    if (setting.Number) store.WriteInt(MiscSection, setting.Key, store.*setting.Number);
    if (setting.Flag) store.WriteBool(MiscSection, setting.Key, store.*setting.Flag);
    if (setting.Count) store.WriteULong(MiscSection, setting.Key, store.*setting.Count);
  }
  for (const HotKeyName& name : HotKeyNames) {
    store.WriteInt(MiscSection, name.Key, store.HotKeys[name.Kind].ToStoredValue());
    if (name.OlderKey != nullptr) store.DeleteKey(MiscSection, name.OlderKey);
  }
  const ScreenRect& rect = store.EditWindowRect;
  const std::int32_t edit[4] = {rect.Left, rect.Top, rect.Width(), rect.Height()};
  for (int n = 0; n < 4; ++n) store.WriteInt(MiscSection, EditWindowKeys[n], edit[n]);
}

// Rereads the file, lets `write` change the document and writes it back in one go.
template <class Write>
bool Rewrite(CFavoriteInfo& store, Write write) {
  // A file that exists but cannot be read must not be replaced by what little we know of it.
  if (!store.Reload()) return false;
  write();
  return store.Commit();
}

bool SaveList(CFavoriteInfo& store, int kind) {
  return Rewrite(store, [&] { WriteList(store, kind); });
}

}  // namespace

// Read from the empty document, every setting takes its default.
CFavoriteInfo::CFavoriteInfo() { ReadMisc(*this); }

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
  ReadMisc(*this);
  for (int kind = FavoriteFolderList; kind <= FavoriteWindowStateList; ++kind) ReadList(*this, kind);
  return true;
}

bool CFavoriteInfo::Save() {
  return Rewrite(*this, [this] {
    for (int kind = FavoriteFolderList; kind <= FavoriteWindowStateList; ++kind) WriteList(*this, kind);
    WriteMisc(*this);
  });
}

bool CFavoriteInfo::SaveFolders() { return SaveList(*this, FavoriteFolderList); }
bool CFavoriteInfo::SaveMails() { return SaveList(*this, FavoriteMailList); }
bool CFavoriteInfo::SaveFolderTrees() { return SaveList(*this, FavoriteFolderTreeList); }
bool CFavoriteInfo::SaveMailHistory() { return SaveList(*this, MailHistoryList); }
bool CFavoriteInfo::SaveWindowStates() { return SaveList(*this, FavoriteWindowStateList); }
bool CFavoriteInfo::SaveMisc() { return Rewrite(*this, [this] { WriteMisc(*this); }); }
