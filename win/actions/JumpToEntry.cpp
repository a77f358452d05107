// The jump to the favorite chosen in a menu: the host shows it, and the keyboard focus goes to the
// pane that shows it.
#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "resources/resource.h"
#include "win/actions/ActionSupport.h"
#include "win/actions/FavoriteActions.h"
#include "win/actions/JumpSteps.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"
#include "win/host/HostCallState.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/CWaitCursor.h"

namespace {

constexpr DWORD StickyMilliseconds = 500;

void ShowSticky(UINT textId) {
  if (CTovikStatusWindow* status = GetStatusBar()) status->ShowSticky(CResourceTool::LoadString(textId), StickyMilliseconds);
}

bool HasFocusIn(const CWindow* pane) {
  const HWND focus = GetFocus();
  return pane != nullptr && focus != nullptr && (focus == pane->GetHandle() || IsChild(pane->GetHandle(), focus));
}

// As a click into the pane would.
void ActivatePane(CWindow* pane) {
  CTovikMainWindow* main = GetMainWindow();
  if (pane == nullptr || main == nullptr) return;
  pane->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(main->GetHandle()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
}

void FocusTreeAfterJump() {
  CTovikMainWindow* main = GetMainWindow();
  if (!GetFavoriteInfo().SetFocusAfterJump || main == nullptr) return;
  // By handle: the main window keeps wrappers of its own for the panes, which no lookup by handle gives.
  CWindow* tree = main->GetTreeWindow();
  if (tree != nullptr && GetFocus() != tree->GetHandle()) ActivatePane(tree);
}

void FocusListAfterJump() {
  CTovikMainWindow* main = GetMainWindow();
  if (!GetFavoriteInfo().SetFocusAfterJump || main == nullptr) return;
  if (!HasFocusIn(main->GetListWindow()) && !HasFocusIn(main->GetViewWindow())) ActivatePane(main->GetListWindow());
}

void JumpToFolderEntry(CFolderItem& item) {
  const std::int32_t treeId = item.TreeId;
  JumpToFolder(item);  // may destroy the item
  int outcome = TreeWalkDone;
  if (treeId >= 0) {
    CTovikMainWindow* main = GetMainWindow();
    if (CWindow* list = main ? main->GetListWindow() : nullptr) list->Update();
    if (CFolderTreeItem* state = GetFavoriteInfo().FolderTrees.FindById(treeId)) {
      outcome = RestoreFolderTreeState(*state, 1);
    }
  }
  if (outcome == TreeWalkFailed) return ShowSticky(IDS_TREE_RESTORE_FAILED);
  if (outcome == TreeWalkCancelled) return ShowSticky(IDS_TREE_RESTORE_CANCELED);
  ShowCurrentFolderName();
  FocusTreeAfterJump();
}

void JumpToTreeState(CFolderTreeItem& item) {
  const int outcome = RestoreFolderTreeState(item, 0);
  if (outcome == TreeWalkFailed) return ShowSticky(IDS_FAILED);
  if (outcome == TreeWalkCancelled) return ShowSticky(IDS_CANCELED);
  ShowCurrentFolderName();
}

}  // namespace

void JumpToFolder(CFolderItem& item) {
  bool reached = false;
  {
    CWaitCursor wait;
    reached = MakeFolderCurrent(item.FolderId);
  }
  if (reached) {
    item.Failure = 0;
    return;
  }
  ShowCurrentFolderName();
  CFavoriteInfo& store = GetFavoriteInfo();
  if (ShowMessage(IDS_ASK_DELETE_LOST_FOLDER, YesNoFlags) == IDYES) {
    store.Folders.Remove(&item);
    store.SaveFolders();
  } else {
    item.Failure = 1;
  }
}

void JumpToHostFolder(const std::string& folderId) {
  bool reached = false;
  {
    CWaitCursor wait;
    reached = MakeFolderCurrent(folderId);
  }
  ShowCurrentFolderName();
  // No favorite to mark or delete: the user only hears of it.
  if (!reached) {
    ShowMessage(IDS_CANNOT_FIND_HOST_FOLDER, WarningFlags);
    return;
  }
  FocusTreeAfterJump();
}

void JumpToEntry(int kind, int index) {
  CFavoriteInfo& store = GetFavoriteInfo();
  const CFavoriteItemListBase* list = store.GetList(kind);
  if (list == nullptr || index < 0) return;
  CFavoriteItem* item = list->GetAt(static_cast<std::size_t>(index));
  if (item == nullptr) return;
  // A list may hold an item of another class (copied in by hand): it is no favorite to jump to.
  if (auto* folder = dynamic_cast<CFolderItem*>(item)) {
    JumpToFolderEntry(*folder);
  } else if (auto* mail = dynamic_cast<CMailItem*>(item)) {
    // For the history, mails the host opens meanwhile (also in the modal loops of the questions)
    // would move or evict entries under the jump: none is recorded until it ends.
    const bool history = kind == MailHistoryList;
    const int kept = history ? OpenMailGuard.exchange(0) : 0;
    JumpToMail(*mail, kind);
    FocusListAfterJump();
    if (history) OpenMailGuard = kept;
  } else if (auto* state = dynamic_cast<CFolderTreeItem*>(item)) {
    JumpToTreeState(*state);
  } else if (auto* window = dynamic_cast<CWindowStateItem*>(item)) {
    RestoreWindowState(*window);
  }
}
