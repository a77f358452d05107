#pragma once
// Asks, when the user registers the folder tree's state, whether to make a new favorite state with
// a title or to overwrite one of the registered states. It only collects the choice.
#include <windows.h>

#include <cstdint>
#include <string>

#include "win/ui/CUiGothicDialog.h"

class CFolderTreeItemList;

class CFolderTreeCreateDlg : public CUiGothicDialog {
 public:
  // `items` are the registered states offered for an update; they must outlive the dialog.
  CFolderTreeCreateDlg(CWindow* owner, const CFolderTreeItemList& items);
  ~CFolderTreeCreateDlg() override;

  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  // Read back after OK (DoModal gives 1).
  std::int32_t CreateNew = 1;       // 1 make a new state, 0 update the chosen one
  std::string Title;                // the new state's title; set before the dialog opens
  std::int32_t SelectedItemId = 0;  // TreeId of the state chosen for an update

 private:
  void SetIcons();
  void FillList();
  // Shows the title edit for a new state, the list of states for an update, in the same place.
  void ShowForMode();
  bool IsNewChecked();

  const CFolderTreeItemList& m_items;
  HICON m_smallIcon = nullptr;
  HICON m_largeIcon = nullptr;
};
