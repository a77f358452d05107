#pragma once
// Shows one favorite of the list edit dialog's copies: its title (editable), the tree state a folder
// restores or what a folder tree does with unknown folders, and what is stored and known about it.
#include <windows.h>

#include "win/ui/CUiGothicDialog.h"

class CFavoriteItem;
class CFolderTreeItemList;

class CItemDetailDlg : public CUiGothicDialog {
 public:
  explicit CItemDetailDlg(CWindow* parent);

  // Neither is owned; both must outlive the dialog's run. `trees` are offered to a folder.
  void SetItem(CFavoriteItem* item, const CFolderTreeItemList* trees);
  // 2 at once, showing nothing, without a favorite; 1 after OK.
  INT_PTR DoModal();

  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void FillTreeChoice();
  void FillUnknownFolderChoice();
  // Adds an entry with its data; selected when `selected`.
  void AddChoice(const std::string& text, LPARAM data, bool selected);
  // Mails and window states have no choice: the row goes and everything below moves up.
  void HideChoiceRow();
  // The data of the chosen entry; false when none is chosen.
  bool GetChoice(LPARAM& data);

  CFavoriteItem* m_item = nullptr;
  const CFolderTreeItemList* m_trees = nullptr;
};
