#pragma once
// Lets the user reorder, rename, remove and inspect the favorites of the folder, mail, folder tree and
// window state lists, on copies: the opener takes the changed lists back only after OK.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/favorites/CFavoriteItemList.h"
#include "core/favorites/CFolderItem.h"
#include "core/favorites/CFolderTreeItemList.h"
#include "core/favorites/CMailItem.h"
#include "core/favorites/CWindowStateItem.h"
#include "core/favorites/ScreenRect.h"
#include "win/ui/CControlHook.h"
#include "win/ui/CListViewIcons.h"
#include "win/ui/CUiGothicDialog.h"

class CItemListEditDlg : public CUiGothicDialog {
 public:
  explicit CItemListEditDlg(CWindow* parent);

  // The list shown first (FavoriteListKind 1, 2, 3 or 5).
  void SetListKind(int kind) { m_kind = kind; }
  // Replace the dialog's copy of the kind's list by clones of `source`'s items, and back.
  void SetList(int kind, const CFavoriteItemListBase& source);
  void GetList(int kind, CFavoriteItemListBase& target) const;
  bool IsChanged(int kind) const;
  // The tree state file names of the folder tree favorites the user removed.
  const std::vector<std::string>& GetRemovedTreeFiles() const { return m_removedTreeFiles; }
  // Where the dialog opens (used when sensible), and where it was when it closed.
  void SetPlacement(const ScreenRect& rect) { m_placement = rect; }
  const ScreenRect& GetPlacement() const { return m_placement; }

  BOOL OnInitDialog() override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnNotify(int controlId, NMHDR* header) override;
  void OnSize(UINT type, int width, int height) override;
  void OnGetMinMaxInfo(MINMAXINFO* info) override;
  void OnDestroy() override;

 private:
  // Distances kept while the dialog is resized, in client coordinates.
  struct Layout {
    SIZE MinimumSize = {0, 0};  // the window's size when it opened
    int ButtonsFromRight = 0;   // OK's left edge to the right edge
    int OkFromBottom = 0;       // OK's top to the bottom
    int CancelFromBottom = 0;   // Cancel's bottom to the bottom
    int ListFromRight = 0;
    int ListFromBottom = 0;
  };

  CFavoriteItemListBase* ListOf(int kind);
  const CFavoriteItemListBase* ListOf(int kind) const;
  CWindow* ListView();
  RECT ClientRectOf(int controlId);

  void SetIcons();
  void MakeImageList();
  void RecordLayout();
  void ApplyPlacement();
  void FillKindChoice();

  void ShowList();
  void RebuildColumns();
  void InsertRow(int row);
  void FillRow(int row);
  void SetRowState(int row, UINT state, UINT mask);
  int GetSelectedCount();
  int GetFirstSelected();
  void UpdateButtons();
  void EnableButton(int id, bool enable);

  void ShowNeighbourList(int step);
  void Move(int step);
  void Remove();
  void StartRename();
  LRESULT EndRename(const NMLVDISPINFOA& info);
  void ShowProperty();
  // Carries out the key's command; false when the key has none.
  bool OnListKey(WORD key);
  // Alt with a key reaches the list view as a system key, of which it tells its parent nothing: the
  // list view's procedure is hooked for the dialog's life to catch those.
  void CatchSystemKeys();
  void SetChanged();
  // The answer to a notification goes through the dialog's message result.
  LRESULT NotifyResult(LRESULT result);

  CFavoriteItemList<CFolderItem> m_folders;
  CFavoriteItemList<CMailItem> m_mails;
  CFolderTreeItemList m_folderTrees;
  CFavoriteItemList<CWindowStateItem> m_windowStates;
  std::vector<std::string> m_removedTreeFiles;
  bool m_changed[4] = {};
  CControlHook m_listKeys;
  CListViewIcons m_icons;
  std::vector<int> m_iconIndices;  // by list slot
  Layout m_layout;
  bool m_layoutRecorded = false;
  ScreenRect m_placement;
  int m_kind = 1;
};
