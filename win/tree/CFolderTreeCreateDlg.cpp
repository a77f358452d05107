#include "win/tree/CFolderTreeCreateDlg.h"

#include "core/favorites/CFolderTreeItemList.h"
#include "resources/resource.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/ModuleInstance.h"

namespace {

HICON LoadTreeIcon(int size) {
  return static_cast<HICON>(
      LoadImageA(GetModuleInstance(), MAKEINTRESOURCEA(IDI_FOLDER_TREE), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

CFolderTreeCreateDlg::CFolderTreeCreateDlg(CWindow* owner, const CFolderTreeItemList& items)
    : CUiGothicDialog(owner, IDD_FOLDER_TREE_CREATE), m_items(items) {}

CFolderTreeCreateDlg::~CFolderTreeCreateDlg() {
  // The window that showed them is gone by now.
  if (m_smallIcon) DestroyIcon(m_smallIcon);
  if (m_largeIcon) DestroyIcon(m_largeIcon);
}

BOOL CFolderTreeCreateDlg::OnInitDialog() {
  SetIcons();
  GetItem(IDC_CREATE_NEW)->SendMessage(BM_SETCHECK, CreateNew != 0 ? BST_CHECKED : BST_UNCHECKED);
  GetItem(IDC_UPDATE_EXISTING)->SendMessage(BM_SETCHECK, CreateNew != 0 ? BST_UNCHECKED : BST_CHECKED);
  GetItem(IDC_TITLE)->SetWindowText(Title);
  FillList();
  ShowForMode();
  return CUiGothicDialog::OnInitDialog();
}

void CFolderTreeCreateDlg::SetIcons() {
  // Loaded once per dialog object, however often it opens, and freed with it.
  if (m_smallIcon == nullptr) m_smallIcon = LoadTreeIcon(16);
  if (m_largeIcon == nullptr) m_largeIcon = LoadTreeIcon(32);
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_largeIcon));
}

void CFolderTreeCreateDlg::FillList() {
  CWindow* list = GetItem(IDC_EXISTING_TREE);
  if (m_items.GetCount() == 0) {
    GetItem(IDC_UPDATE_EXISTING)->EnableWindow(false);
    list->EnableWindow(false);
    return;
  }
  for (std::size_t i = 0; i < m_items.GetCount(); ++i) {
    const auto& item = static_cast<const CFolderTreeItem&>(*m_items.GetAt(i));
    const LRESULT added = list->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.GetDisplayName().c_str()));
    if (added >= 0) list->SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(added), item.TreeId);
  }
  list->SendMessage(CB_SETCURSEL, 0);
}

bool CFolderTreeCreateDlg::IsNewChecked() { return GetItem(IDC_CREATE_NEW)->SendMessage(BM_GETCHECK) == BST_CHECKED; }

void CFolderTreeCreateDlg::ShowForMode() {
  const bool createNew = IsNewChecked();
  GetItem(IDC_TITLE)->ShowWindow(createNew ? SW_SHOW : SW_HIDE);
  GetItem(IDC_EXISTING_TREE)->ShowWindow(createNew ? SW_HIDE : SW_SHOW);
}

LRESULT CFolderTreeCreateDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int control = LOWORD(wParam);
  if (HIWORD(wParam) == BN_CLICKED && (control == IDC_CREATE_NEW || control == IDC_UPDATE_EXISTING)) {
    ShowForMode();
    return 1;
  }
  return CUiGothicDialog::OnCommand(wParam, lParam);
}

void CFolderTreeCreateDlg::OnOK() {
  CreateNew = IsNewChecked() ? 1 : 0;
  Title = GetItem(IDC_TITLE)->GetWindowText();
  CWindow* list = GetItem(IDC_EXISTING_TREE);
  SelectedItemId = static_cast<std::int32_t>(list->SendMessage(CB_GETITEMDATA, list->SendMessage(CB_GETCURSEL)));
  if (Title.empty()) {
    CResourceTool::MessageBox(this, IDS_INPUT_TITLE, AppTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CUiGothicDialog::OnOK();
}
