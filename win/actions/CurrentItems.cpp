// Filling items from what the host shows now, and the predicates that tell the menus what can be
// registered or deleted.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "core/menutext/MenuText.h"
#include "win/actions/ActionSupport.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"

namespace {

// A folder below the top of the tree that the host reports as its mailbox is the mailbox's own
// view of a folder, not a folder of its own: it cannot be registered.
bool IsRegistrableFolder() {
  if (HostText(Host().GetCurrentFolder()) != HostText(Host().GetCurrentMailBox())) return true;
  CTovikMainWindow* main = GetMainWindow();
  CWindow* tree = main ? main->GetTreeWindow() : nullptr;
  if (tree == nullptr) return true;
  const LPARAM selected = tree->SendMessage(TVM_GETNEXTITEM, TVGN_CARET, 0);
  if (selected == 0) return true;
  for (LPARAM item = tree->SendMessage(TVM_GETNEXTITEM, TVGN_ROOT, 0); item != 0;
       item = tree->SendMessage(TVM_GETNEXTITEM, TVGN_NEXT, item)) {
    if (item == selected) return true;
  }
  return false;
}

}  // namespace

bool FillFolderItem(CFolderItem& item) {
  const std::string folderId = HostText(Host().GetCurrentFolder());
  if (folderId.empty()) return false;
  item.FolderId = folderId;
  if (item.DisplayName.empty()) item.DisplayName = EscapeAmpersands(GetHostFolderDisplayName(folderId));
  return true;
}

bool FillMailItem(CMailItem& item) {
  const std::string mailId = ReadCurrentMailId();
  if (mailId.empty()) return false;
  item.MailId = mailId;
  item.FolderId = HostText(Host().GetCurrentFolder());
  item.Subject = ReadCurrentMailHeader("Subject");
  item.From = ReadCurrentMailHeader("From");
  item.Date = ReadCurrentMailHeader("Date");
  item.MessageId = ReadCurrentMailHeader("Message-Id");
  return true;
}

bool FillWindowStateItem(CWindowStateItem& item) {
  CTovikMainWindow* main = GetMainWindow();
  if (main == nullptr) return false;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(main->GetHandle(), &placement);
  if (placement.showCmd == SW_SHOWMAXIMIZED) {
    item.WindowRect = ScreenRect{-1, -1, -1, -1};
  } else if (placement.showCmd == SW_SHOWMINIMIZED) {
    item.WindowRect = ScreenRect{-2, -2, -2, -2};
  } else {
    const RECT& normal = placement.rcNormalPosition;
    item.WindowRect = ScreenRect{normal.left, normal.top, normal.right, normal.bottom};
  }
  return true;
}

CFolderItem* FindCurrentFolderItem() {
  CFolderItem current;
  if (!FillFolderItem(current)) return nullptr;
  return static_cast<CFolderItem*>(GetFavoriteInfo().Folders.FindSame(current));
}

CMailItem* FindCurrentMailItem() {
  CMailItem current;
  if (!FillMailItem(current)) return nullptr;
  return static_cast<CMailItem*>(GetFavoriteInfo().Mails.FindSame(current));
}

bool CanRegisterCurrentFolder() { return IsRegistrableFolder() && FindCurrentFolderItem() == nullptr; }
bool CanDeleteCurrentFolder() { return IsRegistrableFolder() && FindCurrentFolderItem() != nullptr; }
bool CanRegisterCurrentMail() { return !ReadCurrentMailId().empty() && FindCurrentMailItem() == nullptr; }
bool CanDeleteCurrentMail() { return !ReadCurrentMailId().empty() && FindCurrentMailItem() != nullptr; }

int CountSelectedMails() {
  int count = 0;
  std::string mailId;
  for (int mail = ReadNextSelectedMail(-1, mailId); mail >= 0;) {
    ++count;
    const int next = ReadNextSelectedMail(mail, mailId);
    if (next >= 0 && next <= mail) break;  // a host going round in circles ends the count
    mail = next;
  }
  return count;
}

bool CanRegisterSelectedMails() {
  if (ReadCurrentMailId().empty()) return false;
  const int selected = CountSelectedMails();
  return selected >= 2 || (selected == 1 && FindCurrentMailItem() == nullptr);
}

bool CanDeleteSelectedMails() {
  const int selected = CountSelectedMails();
  return selected >= 2 || (selected == 1 && CanDeleteCurrentMail());
}

void RecordCurrentMailInHistory() {
  if (!AreHostWindowsDrawing()) return;
  auto mail = std::make_unique<CMailItem>();
  if (!FillMailItem(*mail)) return;
  mail->DisplayName.clear();
  std::unique_ptr<CFavoriteItem> item = std::move(mail);
  GetFavoriteInfo().AddItem(item, MailHistoryList);
}
