#include "win/edit/FavoriteTexts.h"

#include <cstdio>

#include "core/favorites/CFolderItem.h"
#include "core/favorites/CFolderTreeItemList.h"
#include "core/favorites/CMailItem.h"
#include "core/favorites/CWindowStateItem.h"
#include "resources/resource.h"
#include "win/ui/CResourceTool.h"

namespace {

// A label line and its value line, indented by two blanks.
std::string Entry(UINT labelId, const std::string& value) {
  return CResourceTool::LoadString(labelId) + "\r\n  " + value + "\r\n";
}

std::string OrIndistinct(const std::string& text) {
  return text.empty() ? CResourceTool::LoadString(IDS_INFO_INDISTINCT) : text;
}

std::string CharSetText(const CMailItem& mail) {
  std::string name;
  const int codePage = mail.GetCharSet(name);
  char number[16];
  std::snprintf(number, sizeof number, "=%d", codePage);
  return OrIndistinct(name) + " / " + CResourceTool::LoadString(IDS_INFO_CODE_PAGE) + number;
}

std::string TreeToRestoreText(const CFolderItem& folder, const CFolderTreeItemList& trees) {
  const CFolderTreeItem* tree = trees.FindById(folder.TreeId);
  if (tree == nullptr || tree->GetDisplayName().empty()) return CResourceTool::LoadString(IDS_NO_TREE_NAME);
  return tree->GetDisplayName();
}

}  // namespace

std::string WindowRectText(const ScreenRect& rect) {
  if (rect.IsAll(-1)) return CResourceTool::LoadString(IDS_WINDOW_MAXIMIZED);
  if (rect.IsAll(-2)) return CResourceTool::LoadString(IDS_WINDOW_MINIMIZED);
  char text[64];
  std::snprintf(text, sizeof text, "(%d, %d) - (%d, %d)", static_cast<int>(rect.Left), static_cast<int>(rect.Top),
                static_cast<int>(rect.Right), static_cast<int>(rect.Bottom));
  return text;
}

std::vector<std::string> ListColumnTexts(const CFavoriteItem& item) {
  if (const auto* folder = dynamic_cast<const CFolderItem*>(&item)) return {folder->GetFolderDisplayName()};
  if (const auto* mail = dynamic_cast<const CMailItem*>(&item)) {
    return {mail->GetFolderDisplayName(), mail->Subject, mail->From, mail->Date, mail->MessageId};
  }
  if (const auto* tree = dynamic_cast<const CFolderTreeItem*>(&item)) return {tree->TreeFileName};
  if (const auto* window = dynamic_cast<const CWindowStateItem*>(&item)) return {WindowRectText(window->WindowRect)};
  return {};
}

std::string MailStatusText(int status) {
  const struct {
    int bit;
    UINT setId;
    UINT clearId;  // 0: say nothing when the bit is clear
  } words[] = {{0x1, IDS_STATUS_READ, IDS_STATUS_UNREAD},
               {0x2, IDS_STATUS_FORWARDED, IDS_STATUS_NOT_FORWARDED},
               {0x4, IDS_STATUS_REPLIED, IDS_STATUS_NOT_REPLIED},
               {0x8, IDS_STATUS_ATTACHMENT, IDS_STATUS_NO_ATTACHMENT},
               {0x100, IDS_STATUS_PARTIAL, 0},
               {0x200, IDS_STATUS_REDIRECT, 0}};
  std::string text;
  for (const auto& word : words) {
    const UINT id = (status & word.bit) != 0 ? word.setId : word.clearId;
    if (id == 0) continue;
    if (!text.empty()) text += " / ";
    text += CResourceTool::LoadString(id);
  }
  return text;
}

std::string InternalInfoText(const CFavoriteItem& item) {
  if (const auto* folder = dynamic_cast<const CFolderItem*>(&item)) {
    const std::string treeId =
        folder->TreeId > 0 ? std::to_string(folder->TreeId) : CResourceTool::LoadString(IDS_NO_TREE_ID);
    return Entry(IDS_INFO_FOLDER_ID, folder->FolderId) + Entry(IDS_INFO_FOLDER_TREE_ID, treeId);
  }
  if (const auto* mail = dynamic_cast<const CMailItem*>(&item)) {
    return Entry(IDS_INFO_SUBJECT, mail->Subject) + Entry(IDS_INFO_FROM, mail->From) +
           Entry(IDS_INFO_DATE, mail->Date) + Entry(IDS_INFO_MESSAGE_ID, mail->MessageId) +
           Entry(IDS_INFO_MAIL_ID, mail->MailId) + Entry(IDS_INFO_FOLDER_ID, mail->FolderId);
  }
  if (const auto* tree = dynamic_cast<const CFolderTreeItem*>(&item)) {
    return Entry(IDS_INFO_TREE_ID, std::to_string(tree->TreeId)) + Entry(IDS_INFO_TREE_FILE_NAME, tree->TreeFileName);
  }
  if (const auto* window = dynamic_cast<const CWindowStateItem*>(&item)) {
    return Entry(IDS_WINDOW_RECT, WindowRectText(window->WindowRect));
  }
  return std::string();
}

std::string RelatedInfoText(CFavoriteItem& item, const CFolderTreeItemList* trees) {
  if (const auto* folder = dynamic_cast<const CFolderItem*>(&item)) {
    std::string text = Entry(IDS_INFO_FOLDER_DISPLAY_NAME, OrIndistinct(folder->GetFolderDisplayName()));
    if (trees != nullptr) text += Entry(IDS_INFO_TREE_TO_RESTORE, TreeToRestoreText(*folder, *trees));
    return text;
  }
  if (const auto* mail = dynamic_cast<const CMailItem*>(&item)) {
    return Entry(IDS_INFO_FOLDER_DISPLAY_NAME, OrIndistinct(mail->GetFolderDisplayName())) +
           Entry(IDS_INFO_MAIL_STATUS, MailStatusText(mail->GetStatus())) + Entry(IDS_INFO_CHARSET, CharSetText(*mail));
  }
  if (auto* tree = dynamic_cast<CFolderTreeItem*>(&item)) {
    // The preview's lines carry their own line ends.
    return CResourceTool::LoadString(IDS_INFO_ABOUT_RESTORING) + "\r\n  " + tree->GetTreeState().GetPreviewText();
  }
  return std::string();
}

RenameResult RenameFavorite(const CWindow* owner, CFavoriteItem& item, const std::string& name) {
  // The name as shown, left as it was, is no new name: a mail without one of its own keeps following
  // its subject, sender and the title length.
  if (name == item.GetDisplayName()) return NameUnchanged;
  const std::string previous = item.DisplayName;
  const bool wasValid = item.IsValid();
  item.SetDisplayName(name);
  if (item.IsValid() || !wasValid) return Renamed;
  item.SetDisplayName(previous);
  CResourceTool::MessageBox(owner, IDS_NAME_NEEDED, AppTitle, MB_OK | MB_ICONEXCLAMATION);
  return NameRefused;
}
