#include "win/setup/CSetupFolderTreePage.h"

#include "resources/resource.h"

CSetupFolderTreePage::CSetupFolderTreePage() : CPropertyPage(IDD_SETUP_FOLDER_TREE, IDI_FOLDER_TREE) {}

void CSetupFolderTreePage::SetValues(bool saveTreeComplete, bool restoreTreeComplete, std::int32_t closedDepth) {
  SaveTreeComplete = saveTreeComplete;
  RestoreTreeComplete = restoreTreeComplete;
  FolderTreeClosedDepth = closedDepth < 0 ? -1 : closedDepth > static_cast<std::int32_t>(MaxDepth) ? MaxDepth : closedDepth;
}

BOOL CSetupFolderTreePage::OnInitDialog() {
  SetChecked(IDC_SAVE_TREE_COMPLETE, SaveTreeComplete);
  SetChecked(IDC_RESTORE_TREE_COMPLETE, RestoreTreeComplete);
  SetChecked(IDC_RESTRICT_CLOSED_DEPTH, FolderTreeClosedDepth >= 0);
  SendDlgItemMessageA(GetHandle(), IDC_CLOSED_DEPTH_SPIN, UDM_SETRANGE32, 0, MaxDepth);
  if (FolderTreeClosedDepth >= 0) SetNumber(IDC_CLOSED_DEPTH, static_cast<DWORD>(FolderTreeClosedDepth));
  EnableDepth();
  return CPropertyPage::OnInitDialog();
}

void CSetupFolderTreePage::EnableDepth() {
  const BOOL enable = IsChecked(IDC_RESTRICT_CLOSED_DEPTH) ? TRUE : FALSE;
  for (int id : {IDC_CLOSED_DEPTH_LABEL, IDC_CLOSED_DEPTH, IDC_CLOSED_DEPTH_SPIN}) ::EnableWindow(GetDlgItem(GetHandle(), id), enable);
}

LRESULT CSetupFolderTreePage::OnCommand(WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) != IDC_RESTRICT_CLOSED_DEPTH || HIWORD(wParam) != BN_CLICKED) return 0;
  EnableDepth();
  return 1;
}

bool CSetupFolderTreePage::OnKillActive() {
  DWORD depth = 0;
  if (!IsChecked(IDC_RESTRICT_CLOSED_DEPTH)) return true;
  // An emptied box is refused too: there is no depth to keep.
  if (ReadNumber(IDC_CLOSED_DEPTH, depth) && depth <= MaxDepth) return true;
  ShowWarning(IDS_BAD_DEPTH);
  SetFocus(GetDlgItem(GetHandle(), IDC_CLOSED_DEPTH));
  return false;
}

void CSetupFolderTreePage::OnOK() {
  DWORD depth = 0;
  SaveTreeComplete = IsChecked(IDC_SAVE_TREE_COMPLETE);
  RestoreTreeComplete = IsChecked(IDC_RESTORE_TREE_COMPLETE);
  FolderTreeClosedDepth = IsChecked(IDC_RESTRICT_CLOSED_DEPTH) && ReadNumber(IDC_CLOSED_DEPTH, depth) ? static_cast<std::int32_t>(depth) : -1;
}
