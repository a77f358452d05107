#pragma once
// Works on the host's folder tree view itself: records which folders with subfolders are expanded
// into a CFolderTreeState, and expands or collapses the folders to match a recorded state. Both walks
// show their place on the status bar, keep the host painting, stop at Escape and set the host's
// current folder again whenever a collapse has moved the tree's selection. Made for one walk.
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/treestate/CFolderTreeState.h"

class CWindow;

class CFolderTreeController {
 public:
  // The deepest ClosedDepthLimit taken; a deeper one (from a hand-edited file) counts as this.
  static constexpr std::int32_t MaxClosedDepth = 100;

  // `treeWindow` is the host's folder tree view; it must outlive the controller.
  explicit CFolderTreeController(CWindow& treeWindow);
  virtual ~CFolderTreeController() = default;
  CFolderTreeController(const CFolderTreeController&) = delete;
  CFolderTreeController& operator=(const CFolderTreeController&) = delete;

  // Replaces the children of `state` by the tree's folders; the selection and the first visible
  // item are put back afterwards. 1 when the walk went through, 0 when it was cancelled.
  int SaveTree(CFolderTreeState& state, bool complete, std::int32_t closedDepthLimit);
  // Expands and collapses the folders as `state` says. 1 when the walk went through, 0 when cancelled.
  int RestoreTree(const CFolderTreeState& state, bool complete, std::int32_t closedDepthLimit);

  // Set by the caller before a walk. While exiting, collapses leave the host's current folder alone.
  bool Exiting = false;
  // Folders the state does not know: 0 collapse, 1 expand, anything else leave them as they are.
  std::int32_t UnknownFolderPolicy = -1;
  // A restore never collapses a folder above the selected one.
  bool KeepSelectionVisible = false;
  // Shown on the status bar before the folder being worked on.
  std::string StatusText;

  // Read by the caller after a walk.
  bool Cancelled = false;
  bool Changed = false;  // a restore expanded or collapsed a folder

 private:
  int SaveWalk(HTREEITEM first, CFolderTreeState& parentState, std::int32_t depth, bool topLevel,
               const std::string& parentPath);
  int RestoreWalk(HTREEITEM first, const CFolderTreeState* stateParent, std::int32_t depth, bool topLevel,
                  const std::string& parentPath);
  void StartWalk(bool complete, std::int32_t closedDepthLimit);
  void EndWalk();
  // Escape, tested at every item; the host paints every PaintInterval meanwhile.
  bool CheckCancel();
  // Whether to walk an item's subfolders, and at which depth.
  bool ChildDepth(std::int32_t depth, bool expanded, std::int32_t& childDepth) const;
  bool Wants(const CFolderTreeState* node, bool current, HTREEITEM item) const;

  // The item's text, false when it cannot be read or is empty; `expanded` its expand state.
  bool GetItemText(HTREEITEM item, std::string& text, bool& expanded);
  HTREEITEM GetNextItem(HTREEITEM item, UINT relation) const;
  void Expand(HTREEITEM item, UINT action) const;
  void Select(HTREEITEM item, UINT relation) const;
  // Expands or collapses as the user would: the host repaints, learns of a moved selection and is
  // told what happened.
  void SetExpanded(HTREEITEM item, bool expand);
  void SelectCurrentFolderAgain(HTREEITEM collapsed, const std::string& folderBefore);
  void NotifyExpanded(HTREEITEM item, bool expand) const;
  void ShowStatus(const std::string& text) const;
  // Lets the host paint, the status bar with the text last shown, when PaintInterval has passed since
  // it last did. The status bar draws at no other time during a walk: each text it is given it would
  // draw at once, which costs far more than a folder's expansion.
  void KeepHostPainting();

  CWindow& m_treeWindow;
  const HWND m_treeHandle;
  bool m_complete = false;
  std::int32_t m_closedDepthLimit = -1;
  std::vector<HTREEITEM> m_selectionAncestors;
  int m_nesting = 0;  // levels the walk has descended, against CFolderTreeState::MaxDepth
  std::chrono::steady_clock::time_point m_lastPaint;
  char m_itemText[2048];
};
