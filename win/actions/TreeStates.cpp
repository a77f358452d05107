// Registering the folder tree's expand state as a favorite, capturing it and restoring one.
#include <memory>

#include "core/favorites/FavoriteStore.h"
#include "port/FileSystem.h"
#include "resources/resource.h"
#include "win/actions/ActionSupport.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"
#include "win/host/HostCallState.h"
#include "win/tree/CFolderTreeController.h"
#include "win/tree/CFolderTreeCreateDlg.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/CWaitCursor.h"

namespace {

constexpr std::int32_t LastTreeId = 30000;

std::int32_t FollowingTreeId(std::int32_t id) { return id >= 1 && id < LastTreeId ? id + 1 : 1; }

// The id a new state takes: NextTreeId, which comes from a hand-editable file, brought into 1..30000,
// and moved past the ids that states still have, so that a later update never finds another state
// under the new one's id.
std::int32_t FreeTreeId(const CFolderTreeItemList& states) {
  std::int32_t id = NextTreeId >= 1 && NextTreeId <= LastTreeId ? NextTreeId : 1;
  for (std::int32_t tried = 0; tried < LastTreeId && states.FindById(id) != nullptr; ++tried) {
    id = FollowingTreeId(id);
  }
  return id;
}

// CaptureFolderTree, with a failed write told apart: the user has then been warned already.
enum CaptureOutcome { Captured, CaptureCancelled, CaptureFailed, CaptureNotWritten };

// The walk fills a fresh state: an Escape halfway, or a file that cannot be written, leaves the
// item's state and file as they were.
CaptureOutcome Capture(CFolderTreeItem& item) {
  CTovikMainWindow* main = GetMainWindow();
  CWindow* tree = main ? main->GetTreeWindow() : nullptr;
  CWindow* treeParent = GetTreePaneParent();
  if (tree == nullptr || treeParent == nullptr) return CaptureFailed;
  const CFavoriteInfo& store = GetFavoriteInfo();
  CFolderTreeState captured;
  CFolderTreeController controller(*tree);
  {
    CWaitCursor wait;
    treeParent->SetRedraw(false);
    controller.StatusText = CResourceTool::LoadString(IDS_SAVING_TREE_STATE) + " ";
    const int walked = controller.SaveTree(captured, store.SaveTreeComplete, store.FolderTreeClosedDepth);
    treeParent->SetRedraw(true);
    treeParent->Invalidate(true);
    if (walked != 1) {
      if (!controller.Cancelled) return CaptureFailed;
      SetStatusText(IDS_CANCELED);
      return CaptureCancelled;
    }
  }
  std::swap(item.TreeState, captured);
  if (!item.SaveTreeState()) {
    std::swap(item.TreeState, captured);
    ShowMessage(IDS_TREE_FILE_WRITE_FAILED, WarningFlags);
    ShowCurrentFolderName();
    return CaptureNotWritten;
  }
  ShowCurrentFolderName();
  return Captured;
}

}  // namespace

int CaptureFolderTree(CFolderTreeItem& item) {
  switch (Capture(item)) {
    case Captured:
      return TreeWalkDone;
    case CaptureCancelled:
      return TreeWalkCancelled;
    default:
      return TreeWalkFailed;
  }
}

int RestoreFolderTreeState(CFolderTreeItem& item, int keepSelectionVisible) {
  // A state that cannot be read would treat every folder as unknown: with ForceOpen 0 the whole
  // tree would close. One read without nodes is that of a tree without subfolders, and restores so.
  if (!item.LoadTreeState()) return TreeWalkFailed;
  const CFolderTreeState& state = item.TreeState;
  CTovikMainWindow* main = GetMainWindow();
  CWindow* tree = main ? main->GetTreeWindow() : nullptr;
  CWindow* treeParent = GetTreePaneParent();
  CWindow* listParent = GetListPaneParent();
  if (tree == nullptr || treeParent == nullptr || listParent == nullptr) return TreeWalkFailed;
  const CFavoriteInfo& store = GetFavoriteInfo();
  CWaitCursor wait;
  treeParent->SetRedraw(false);
  listParent->SetRedraw(false);
  CFolderTreeController controller(*tree);
  if (item.ForceOpen == 0 || item.ForceOpen == 1) controller.UnknownFolderPolicy = item.ForceOpen;
  controller.Exiting = ExitingFlag != 0;
  controller.KeepSelectionVisible = keepSelectionVisible != 0;
  controller.StatusText = CResourceTool::LoadString(IDS_RESTORING_TREE_STATE) + " ";
  const int walked = controller.RestoreTree(state, store.RestoreTreeComplete, store.FolderTreeClosedDepth);
  listParent->SetRedraw(true);
  treeParent->SetRedraw(true);
  if (controller.Changed) {
    treeParent->Invalidate(true);
    listParent->ShowWindow(SW_HIDE);
    listParent->ShowWindow(SW_SHOW);
  }
  if (walked == 1) return TreeWalkDone;
  return controller.Cancelled ? TreeWalkCancelled : TreeWalkFailed;
}

void RegisterFolderTreeState() {
  CTovikMainWindow* mainWindow = GetMainWindow();
  if (mainWindow == nullptr) return;
  CFavoriteInfo& store = GetFavoriteInfo();
  CFolderTreeCreateDlg dialog(mainWindow, store.FolderTrees);
  dialog.Title = LocalTimeName("Tree");
  if (dialog.DoModal() != IDOK) return;
  int result = RegisterReadFailed;
  if (dialog.CreateNew != 0) {
    const std::int32_t id = FreeTreeId(store.FolderTrees);
    auto made = std::make_unique<CFolderTreeItem>(id);
    made->SetTreeFileName(store.FolderTrees.MakeNewFileName());
    made->SetDisplayName(dialog.Title);
    const std::string path = made->GetTreeFilePath();
    const CaptureOutcome outcome = Capture(*made);
    std::unique_ptr<CFavoriteItem> item = std::move(made);
    if (outcome == CaptureNotWritten) return;
    if (outcome == CaptureCancelled) result = RegisterCancelled;
    if (outcome == Captured) result = store.AddItem(item, FavoriteFolderTreeList);
    if (result == Added) NextTreeId = FollowingTreeId(id);
    // A state the list did not take leaves no file behind.
    if (outcome == Captured && result != Added) port::RemoveFile(port::NativePath(path));
  } else if (CFolderTreeItem* existing = store.FolderTrees.FindById(dialog.SelectedItemId)) {
    const CaptureOutcome outcome = Capture(*existing);
    if (outcome == CaptureNotWritten) return;
    result = outcome == Captured ? Added : outcome == CaptureCancelled ? RegisterCancelled : RegisterReadFailed;
  }
  if (result == Added) {
    store.SaveFolderTrees();
  } else if (result == ListFull) {
    ShowMessage(IDS_LIST_FULL, WarningFlags);
  } else if (result != RegisterCancelled && result != AlreadyRegistered) {
    ShowMessage(IDS_CANNOT_REGISTER, WarningFlags);
  }
}
