#include "win/tree/CFolderTreeController.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "core/treestate/TreeItemNames.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"

namespace {

// The control id the host's folder tree has, as its notifications name it.
const UINT_PTR TreeControlId = 1000;
// How often the host paints during a walk: often enough for the progress to be seen, seldom enough
// to cost little (a paint of the status bar costs Wine some milliseconds).
const std::chrono::milliseconds PaintInterval(100);

// "[Main] " for a mailbox, the folder's name below it, behind its parent's path.
std::string MakeProgressPath(const std::string& parentPath, const std::string& name, bool topLevel) {
  return topLevel ? parentPath + "[" + name + "] " : parentPath + name;
}

std::string ChildPath(const std::string& path, bool topLevel) { return topLevel ? path : path + "/"; }

CTovikStatusWindow* StatusWindow() {
  CTovikMainWindow* main = GetMainWindow();
  return main ? main->GetStatusWindow() : nullptr;
}

}  // namespace

CFolderTreeController::CFolderTreeController(CWindow& treeWindow)
    : m_treeWindow(treeWindow), m_treeHandle(treeWindow.GetHandle()) {}

int CFolderTreeController::SaveTree(CFolderTreeState& state, bool complete, std::int32_t closedDepthLimit) {
  state.clear();
  StartWalk(complete, closedDepthLimit);
  const HTREEITEM selected = GetNextItem(nullptr, TVGN_CARET);
  const HTREEITEM firstVisible = GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
  const int result = SaveWalk(GetNextItem(nullptr, TVGN_ROOT), state, 0, true, StatusText);
  if (firstVisible) Select(firstVisible, TVGN_FIRSTVISIBLE);
  if (selected) Select(selected, TVGN_CARET);
  EndWalk();
  // Escape among the last folder's subfolders leaves no later item to stop at: still a partial state.
  return Cancelled ? 0 : result;
}

int CFolderTreeController::RestoreTree(const CFolderTreeState& state, bool complete, std::int32_t closedDepthLimit) {
  const HTREEITEM root = GetNextItem(nullptr, TVGN_ROOT);
  StartWalk(complete, closedDepthLimit);
  const HTREEITEM selected = GetNextItem(nullptr, TVGN_CARET);
  if (KeepSelectionVisible && selected) {
    for (HTREEITEM above = GetNextItem(selected, TVGN_PARENT); above; above = GetNextItem(above, TVGN_PARENT)) {
      m_selectionAncestors.push_back(above);
    }
  }
  const int result = RestoreWalk(root, &state, 0, true, StatusText);
  EndWalk();
  m_selectionAncestors.clear();
  const HTREEITEM nowSelected = GetNextItem(nullptr, TVGN_CARET);
  if (Changed && nowSelected) m_treeWindow.SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(nowSelected));
  return Cancelled ? 0 : result;
}

void CFolderTreeController::StartWalk(bool complete, std::int32_t closedDepthLimit) {
  Cancelled = false;
  Changed = false;
  m_complete = complete;
  // The setting comes from a hand-editable file: any negative depth means no limit, and a depth
  // beyond the deepest the setup page offers counts as that one, as the page shows them.
  m_closedDepthLimit = closedDepthLimit < 0 ? -1 : std::min(closedDepthLimit, MaxClosedDepth);
  m_nesting = 0;
  if (CTovikStatusWindow* status = StatusWindow()) status->SetRedraw(false);
  ShowStatus(StatusText);
  m_lastPaint = std::chrono::steady_clock::now();
}

void CFolderTreeController::EndWalk() {
  if (CTovikStatusWindow* status = StatusWindow()) {
    status->SetRedraw(true);
    status->Invalidate(true);
  }
}

int CFolderTreeController::SaveWalk(HTREEITEM first, CFolderTreeState& parentState, std::int32_t depth, bool topLevel,
                                    const std::string& parentPath) {
  for (HTREEITEM item = first; item != nullptr; item = GetNextItem(item, TVGN_NEXT)) {
    if (CheckCancel()) return 0;
    // Most folders have no subfolders: the cheaper test first.
    std::string text;
    bool expanded = false;
    if (GetNextItem(item, TVGN_CHILD) == nullptr || !GetItemText(item, text, expanded)) continue;
    parentState.push_back(std::make_unique<CFolderTreeState>(GetNodeName(text, topLevel), expanded ? 1 : 0));
    CFolderTreeState& node = *parentState.back();
    const std::string path = MakeProgressPath(parentPath, node.Name, topLevel);
    ShowStatus(path);
    std::int32_t childDepth = 0;
    if (!ChildDepth(depth, expanded, childDepth)) continue;
    // A collapsed folder is opened only to be looked into, and closed again.
    const bool opened = m_complete && !expanded;
    if (opened) Expand(item, TVE_EXPAND);
    // The first child is taken only now: a host that fills a folder when it is first expanded has
    // just replaced the children it had.
    ++m_nesting;
    SaveWalk(GetNextItem(item, TVGN_CHILD), node, childDepth, false, ChildPath(path, topLevel));
    --m_nesting;
    if (opened) SetExpanded(item, false);
  }
  return 1;
}

int CFolderTreeController::RestoreWalk(HTREEITEM first, const CFolderTreeState* stateParent, std::int32_t depth,
                                       bool topLevel, const std::string& parentPath) {
  for (HTREEITEM item = first; item != nullptr; item = GetNextItem(item, TVGN_NEXT)) {
    if (CheckCancel()) return 0;
    std::string text;
    bool current = false;
    if (GetNextItem(item, TVGN_CHILD) == nullptr || !GetItemText(item, text, current)) continue;
    const std::string name = GetNodeName(text, topLevel);
    const CFolderTreeState* node = stateParent ? stateParent->FindChild(name) : nullptr;
    const bool wanted = Wants(node, current, item);
    if (wanted != current) Changed = true;
    const std::string path = MakeProgressPath(parentPath, name, topLevel);
    if (wanted != current || m_complete) ShowStatus(path);
    // A folder to be opened is opened before its subfolders are walked: a host that fills a folder
    // when it is first expanded shows none of them before. A complete walk opens every folder.
    if ((m_complete || wanted) && !current) {
      SetExpanded(item, true);
      current = true;
    }
    std::int32_t childDepth = 0;
    if (ChildDepth(depth, current, childDepth)) {
      ++m_nesting;
      RestoreWalk(GetNextItem(item, TVGN_CHILD), node, childDepth, false, ChildPath(path, topLevel));
      --m_nesting;
    }
    // A folder is closed once its subfolders are settled.
    if (wanted != current) SetExpanded(item, false);
  }
  return 1;
}

bool CFolderTreeController::Wants(const CFolderTreeState* node, bool current, HTREEITEM item) const {
  bool wanted = current;
  if (node != nullptr) {
    wanted = node->Expanded != 0;
  } else if (UnknownFolderPolicy == 0 || UnknownFolderPolicy == 1) {
    wanted = UnknownFolderPolicy == 1;
  }
  if (!wanted && KeepSelectionVisible &&
      std::find(m_selectionAncestors.begin(), m_selectionAncestors.end(), item) != m_selectionAncestors.end()) {
    wanted = true;
  }
  return wanted;
}

bool CFolderTreeController::CheckCancel() {
  KeepHostPainting();
  if (!Cancelled && IsEscapePressed()) Cancelled = true;
  return Cancelled;
}

bool CFolderTreeController::ChildDepth(std::int32_t depth, bool expanded, std::int32_t& childDepth) const {
  // Never deeper than a state file can hold, whatever the host's tree is like.
  if (m_nesting + 1 >= static_cast<int>(CFolderTreeState::MaxDepth)) return false;
  if (m_closedDepthLimit < 0) {
    childDepth = -1;
  } else if (depth == 0 && expanded) {
    childDepth = 0;
  } else if (depth < m_closedDepthLimit) {
    childDepth = depth + 1;
  } else {
    return false;
  }
  return true;
}

bool CFolderTreeController::GetItemText(HTREEITEM item, std::string& text, bool& expanded) {
  TVITEMA data = {};
  data.mask = TVIF_TEXT | TVIF_STATE;
  data.hItem = item;
  data.stateMask = TVIS_EXPANDED;
  data.pszText = m_itemText;
  data.cchTextMax = sizeof m_itemText;
  m_itemText[0] = '\0';
  if (!m_treeWindow.SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)) || data.pszText == nullptr) {
    return false;
  }
  text.assign(data.pszText, strnlen(data.pszText, sizeof m_itemText - 1));
  expanded = (data.state & TVIS_EXPANDED) != 0;
  return !text.empty();
}

HTREEITEM CFolderTreeController::GetNextItem(HTREEITEM item, UINT relation) const {
  return reinterpret_cast<HTREEITEM>(
      m_treeWindow.SendMessage(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void CFolderTreeController::Expand(HTREEITEM item, UINT action) const {
  m_treeWindow.SendMessage(TVM_EXPAND, action, reinterpret_cast<LPARAM>(item));
}

void CFolderTreeController::Select(HTREEITEM item, UINT relation) const {
  m_treeWindow.SendMessage(TVM_SELECTITEM, relation, reinterpret_cast<LPARAM>(item));
}

void CFolderTreeController::SetExpanded(HTREEITEM item, bool expand) {
  KeepHostPainting();
  // A collapse over the selection moves it to the collapsed folder without the host hearing of it.
  // An expansion never moves it: the selection is not asked for then, as every message to the host's
  // tree costs about as much as the tree's own work for a folder.
  const HTREEITEM selected = expand ? nullptr : GetNextItem(nullptr, TVGN_CARET);
  const std::string folderBefore = expand ? std::string() : HostText(Host().GetCurrentFolder());
  Expand(item, expand ? TVE_EXPAND : TVE_COLLAPSE);
  if (!expand && GetNextItem(nullptr, TVGN_CARET) != selected && !Exiting) {
    SelectCurrentFolderAgain(item, folderBefore);
  }
  NotifyExpanded(item, expand);
}

void CFolderTreeController::SelectCurrentFolderAgain(HTREEITEM collapsed, const std::string& folderBefore) {
  // A host may keep its current folder in the collapsed branch, out of sight: selected anew, as a
  // click would select it, the collapsed folder becomes current. Else the folder taken up again
  // below would open the branch once more.
  if (HostText(Host().GetCurrentFolder()) == folderBefore) {
    Select(nullptr, TVGN_CARET);
    Select(collapsed, TVGN_CARET);
  }
  const std::string folder = HostText(Host().GetCurrentFolder());
  const std::string mailBox = HostText(Host().GetCurrentMailBox());
  // The host shows the folders on the status bar, which does not draw during the walk.
  if (folder != mailBox) {
    Host().SetCurrentFolder(mailBox.c_str());
    Host().SetCurrentFolder(folder.c_str());
  } else if (GetNextItem(collapsed, TVGN_CHILD) != nullptr) {
    // The mailbox itself is current: the host takes it up again only after another folder.
    Expand(collapsed, TVE_EXPAND);
    Select(GetNextItem(collapsed, TVGN_CHILD), TVGN_CARET);
    const std::string shown = HostText(Host().GetCurrentFolder());
    Host().SetCurrentFolder(shown.c_str());
    Host().SetCurrentFolder(mailBox.c_str());
    Expand(collapsed, TVE_COLLAPSE);
  }
}

void CFolderTreeController::NotifyExpanded(HTREEITEM item, bool expand) const {
  // What the tree itself tells its parent when the user expands or collapses a folder.
  NMTREEVIEWA notice = {};
  notice.hdr.hwndFrom = m_treeHandle;
  notice.hdr.idFrom = TreeControlId;
  notice.hdr.code = TVN_ITEMEXPANDEDA;
  notice.action = expand ? TVE_EXPAND : TVE_COLLAPSE;
  notice.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
  notice.itemNew.hItem = item;
  notice.itemNew.stateMask = 0xFFFF;
  m_treeWindow.SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&notice.itemNew));
  SendMessageA(GetParent(m_treeHandle), WM_NOTIFY, reinterpret_cast<WPARAM>(m_treeHandle),
               reinterpret_cast<LPARAM>(&notice));
}

void CFolderTreeController::ShowStatus(const std::string& text) const {
  if (CTovikStatusWindow* status = StatusWindow()) status->SetText(text);
}

void CFolderTreeController::KeepHostPainting() {
  const auto now = std::chrono::steady_clock::now();
  CTovikMainWindow* main = GetMainWindow();
  if (main == nullptr || now - m_lastPaint < PaintInterval) return;
  m_lastPaint = now;
  CTovikStatusWindow* status = main->GetStatusWindow();
  if (status) {
    status->SetRedraw(true);
    status->Invalidate(true);
  }
  main->PumpPaintMessages();
  if (status) status->SetRedraw(false);
}
