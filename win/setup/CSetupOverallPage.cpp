#include "win/setup/CSetupOverallPage.h"

#include "resources/resource.h"
#include "win/ui/CResourceTool.h"

CSetupOverallPage::CSetupOverallPage() : CPropertyPage(IDD_SETUP_OVERALL) {}

BOOL CSetupOverallPage::OnInitDialog() {
  AddChoice(CResourceTool::LoadString(IDS_NO_TREE_TO_RESTORE), 0);
  for (std::size_t i = 0; FolderTrees != nullptr && i < FolderTrees->GetCount(); ++i) {
    if (const CFolderTreeItem* tree = FolderTrees->GetItemAt(i)) AddChoice(tree->GetDisplayName(), tree->TreeId);
  }
  // "(None)" stays selected when no state has the id.
  SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_SETCURSEL, 0, 0);
  const LRESULT count = SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 1; i < count; ++i) {
    if (SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_GETITEMDATA, i, 0) == RestoreTreeID) {
      SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_SETCURSEL, i, 0);
    }
  }
  SetChecked(IDC_SET_FOCUS_AFTER_JUMP, SetFocusAfterJump);
  return CPropertyPage::OnInitDialog();
}

void CSetupOverallPage::AddChoice(const std::string& text, std::int32_t treeId) {
  const LRESULT index = SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_SETITEMDATA, index, treeId);
}

void CSetupOverallPage::OnOK() {
  const LRESULT selected = SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_GETCURSEL, 0, 0);
  RestoreTreeID = selected < 0 ? 0 : static_cast<std::int32_t>(SendDlgItemMessageA(GetHandle(), IDC_RESTORE_TREE, CB_GETITEMDATA, selected, 0));
  SetFocusAfterJump = IsChecked(IDC_SET_FOCUS_AFTER_JUMP);
}
