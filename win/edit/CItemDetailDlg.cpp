#include "win/edit/CItemDetailDlg.h"

#include "core/favorites/CFolderItem.h"
#include "core/favorites/CFolderTreeItemList.h"
#include "port/Mbcs.h"
#include "resources/resource.h"
#include "win/edit/FavoriteTexts.h"
#include "win/ui/CResourceTool.h"

namespace {

// The title edit is read through a buffer of this many bytes at most.
constexpr std::size_t MaxTitleLength = 2047;
// Item data of "(Do Nothing)".
constexpr LPARAM LeaveUnknownFolders = 999;

}  // namespace

CItemDetailDlg::CItemDetailDlg(CWindow* parent) : CUiGothicDialog(parent, IDD_ITEM_DETAIL) {}

void CItemDetailDlg::SetItem(CFavoriteItem* item, const CFolderTreeItemList* trees) {
  m_item = item;
  m_trees = trees;
}

INT_PTR CItemDetailDlg::DoModal() { return m_item == nullptr ? IDCANCEL : CUiGothicDialog::DoModal(); }

BOOL CItemDetailDlg::OnInitDialog() {
  // Run through the base class's DoModal without a favorite: nothing to show.
  if (m_item == nullptr) {
    EndDialog(GetHandle(), IDCANCEL);
    return TRUE;
  }
  GetItem(IDC_TITLE)->SetWindowText(m_item->GetDisplayName());
  GetItem(IDC_INTERNAL_INFO)->SetWindowText(InternalInfoText(*m_item));
  GetItem(IDC_RELATED_INFO)->SetWindowText(RelatedInfoText(*m_item, m_trees));
  if (dynamic_cast<CFolderItem*>(m_item) != nullptr) {
    FillTreeChoice();
  } else if (dynamic_cast<CFolderTreeItem*>(m_item) != nullptr) {
    FillUnknownFolderChoice();
  } else {
    HideChoiceRow();
  }
  return CUiGothicDialog::OnInitDialog();
}

void CItemDetailDlg::AddChoice(const std::string& text, LPARAM data, bool selected) {
  CWindow* choice = GetItem(IDC_TREE_STATE);
  const LRESULT added = choice->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (added < 0) return;
  choice->SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(added), data);
  if (selected) choice->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(added));
}

void CItemDetailDlg::FillTreeChoice() {
  const auto& folder = static_cast<const CFolderItem&>(*m_item);
  AddChoice(CResourceTool::LoadString(IDS_NO_TREE_TO_RESTORE), 0, true);
  if (m_trees == nullptr) return;
  for (std::size_t position = 0; position < m_trees->GetCount(); ++position) {
    const CFolderTreeItem* tree = m_trees->GetItemAt(position);
    if (tree != nullptr) AddChoice(tree->GetDisplayName(), tree->TreeId, tree->TreeId == folder.TreeId);
  }
}

void CItemDetailDlg::FillUnknownFolderChoice() {
  const auto& tree = static_cast<const CFolderTreeItem&>(*m_item);
  GetItem(IDC_TREE_STATE_LABEL)->SetWindowText(CResourceTool::LoadString(IDS_UNKNOWN_FOLDER_LABEL));
  AddChoice(CResourceTool::LoadString(IDS_UNKNOWN_FOLDER_NOTHING), LeaveUnknownFolders, true);
  AddChoice(CResourceTool::LoadString(IDS_UNKNOWN_FOLDER_CLOSE), 0, tree.ForceOpen == 0);
  AddChoice(CResourceTool::LoadString(IDS_UNKNOWN_FOLDER_OPEN), 1, tree.ForceOpen == 1);
}

void CItemDetailDlg::HideChoiceRow() {
  GetItem(IDC_TREE_STATE_LABEL)->ShowWindow(SW_HIDE);
  GetItem(IDC_TREE_STATE)->ShowWindow(SW_HIDE);
  const int rowHeight = GetItem(IDC_TREE_STATE)->GetWindowRect().bottom - GetItem(IDC_TITLE)->GetWindowRect().bottom;
  for (int id : {IDC_INTERNAL_INFO_LABEL, IDC_INTERNAL_INFO, IDC_RELATED_INFO_LABEL, IDC_RELATED_INFO, IDOK, IDCANCEL}) {
    CWindow* control = GetItem(id);
    RECT place = control->GetWindowRect();
    ScreenToClient(place);
    control->SetPosition(place.left, place.top - rowHeight, true);
  }
  const RECT frame = GetWindowRect();
  SetSize(frame.right - frame.left, frame.bottom - frame.top - rowHeight, true);
}

bool CItemDetailDlg::GetChoice(LPARAM& data) {
  CWindow* choice = GetItem(IDC_TREE_STATE);
  const LRESULT chosen = choice->SendMessage(CB_GETCURSEL);
  if (chosen < 0) return false;
  data = choice->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(chosen));
  return true;
}

void CItemDetailDlg::OnOK() {
  const std::string title = GetItem(IDC_TITLE)->GetWindowText();
  // A refused name changes nothing yet: the dialog stays, showing the name the favorite keeps.
  if (RenameFavorite(this, *m_item, title.substr(0, port::CutLength(title, MaxTitleLength))) == NameRefused) {
    GetItem(IDC_TITLE)->SetWindowText(m_item->GetDisplayName());
    return;
  }
  LPARAM data = 0;
  if (auto* folder = dynamic_cast<CFolderItem*>(m_item)) {
    if (GetChoice(data)) folder->TreeId = static_cast<std::int32_t>(data);
  } else if (auto* tree = dynamic_cast<CFolderTreeItem*>(m_item)) {
    if (GetChoice(data)) tree->ForceOpen = data == 0 || data == 1 ? static_cast<std::int32_t>(data) : -1;
  }
  CUiGothicDialog::OnOK();
}
