#include "win/find/CFindFavoriteDlg.h"

#include <unordered_set>

#include "core/favorites/CFavoriteInfo.h"
#include "port/Mbcs.h"
#include "resources/resource.h"
#include "win/edit/FavoriteTexts.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/CWaitCursor.h"
#include "win/ui/ModuleInstance.h"

namespace {

// The icon of each list kind, at image index kind - 1 (the mail history shows mails), then that of a
// folder that is no favorite.
const std::vector<WORD> KindIcons = {IDI_FOLDER, IDI_MAIL, IDI_FOLDER_TREE, IDI_MAIL, IDI_WINDOW_STATE, IDI_HOST_FOLDER};
const int HostFolderImage = 5;

bool IsListKey(WPARAM key) { return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT; }

// Where the favorite leads, and the texts it can be found by besides its title.
void DescribeFavorite(const CFavoriteItem& item, std::string& leadsTo, std::vector<std::string>& searched) {
  const std::vector<std::string> columns = ListColumnTexts(item);
  if (dynamic_cast<const CMailItem*>(&item) != nullptr && columns.size() >= 3) {
    // Folder, subject and sender; the date and Message-Id say nothing to a reader.
    searched.assign(columns.begin(), columns.begin() + 3);
    leadsTo = searched[0] + " / " + searched[1] + " / " + searched[2];
    return;
  }
  if (dynamic_cast<const CFolderItem*>(&item) != nullptr) searched = columns;
  leadsTo = columns.empty() ? std::string() : columns.front();
}

}  // namespace

CFindFavoriteDlg::CFindFavoriteDlg(CWindow* parent) : CUiGothicDialog(parent, IDD_FIND_FAVORITE) {
  // The template holds a list view; a host need not have registered its class.
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
}

void CFindFavoriteDlg::SetFavorites(CFavoriteInfo& store) {
  m_store = &store;
  FillRows();
}

void CFindFavoriteDlg::FillRows() {
  m_finder.Clear();
  m_texts.clear();
  if (m_store == nullptr) return;
  // Folder ids compare byte for byte, as the store compares them.
  std::unordered_set<std::string> favoriteFolders;
  for (int kind = FavoriteFolderList; kind <= FavoriteWindowStateList; ++kind) {
    const CFavoriteItemListBase* list = m_store->GetList(kind);
    for (std::size_t index = 0; list != nullptr && index < list->GetCount(); ++index) {
      const CFavoriteItem* item = list->GetAt(index);
      if (item == nullptr) continue;
      RowText text{item->GetDisplayName(), std::string(), item->Failure != 0, std::string()};
      if (const auto* folder = dynamic_cast<const CFolderItem*>(item)) {
        text.FolderId = folder->FolderId;
        favoriteFolders.insert(folder->FolderId);
      }
      std::vector<std::string> searched;
      DescribeFavorite(*item, text.LeadsTo, searched);
      m_finder.AddRow(kind, static_cast<int>(index), text.Title, searched);
      m_texts.push_back(std::move(text));
    }
  }
  if (!m_showFolders) return;
  for (std::size_t index = 0; index < m_folders.size(); ++index) {
    const HostFolder& folder = m_folders[index];
    if (favoriteFolders.count(folder.FolderId) != 0) continue;
    m_finder.AddRow(CFavoriteFinder::HostFolderKind, static_cast<int>(index), folder.DisplayName, {});
    m_texts.push_back({folder.DisplayName, folder.DisplayName, false, folder.FolderId});
  }
}

void CFindFavoriteDlg::ReadFolders() {
  if (m_foldersRead || !m_folderSource) return;
  // Thousands of folders take a moment on disk.
  CWaitCursor wait;
  m_folders = m_folderSource();
  m_foldersRead = true;
}

CWindow* CFindFavoriteDlg::ListView() { return GetItem(IDC_FOUND_LIST); }
CWindow* CFindFavoriteDlg::FindText() { return GetItem(IDC_FIND_TEXT); }

RECT CFindFavoriteDlg::ClientRectOf(int controlId) {
  RECT rect = GetItem(controlId)->GetWindowRect();
  ScreenToClient(rect);
  return rect;
}

BOOL CFindFavoriteDlg::OnInitDialog() {
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadModuleIcon(IDI_APPLICATION_MARK, 16)));
  RecordLayout();
  ApplySize();
  if (HWND owner = ::GetParent(GetHandle())) CenterOver(CWindow(owner));
  ListView()->SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  MakeImageList();
  AddColumns();
  PassListKeys();
  CUiGothicDialog::OnInitDialog();
  CheckDlgButton(GetHandle(), IDC_FIND_FOLDERS, m_showFolders ? BST_CHECKED : BST_UNCHECKED);
  if (m_showFolders) {
    ReadFolders();
    FillRows();
  }
  // Setting the text narrows the list through the edit box's change notice.
  FindText()->SetWindowText(m_query);
  ShowMatches();
  ::SetFocus(FindText()->GetHandle());
  FindText()->SendMessage(EM_SETSEL, 0, -1);
  return FALSE;
}

void CFindFavoriteDlg::RecordLayout() {
  const RECT frame = GetWindowRect();
  RECT client;
  GetClientRect(GetHandle(), &client);
  const RECT edit = ClientRectOf(IDC_FIND_TEXT), list = ClientRectOf(IDC_FOUND_LIST);
  const RECT ok = ClientRectOf(IDOK), cancel = ClientRectOf(IDCANCEL);
  const RECT folders = ClientRectOf(IDC_FIND_FOLDERS), registerButton = ClientRectOf(IDC_REGISTER_FOLDER);
  m_layout.MinimumSize = {frame.right - frame.left, frame.bottom - frame.top};
  m_layout.EditFromRight = client.right - edit.right;
  m_layout.ListFromRight = client.right - list.right;
  m_layout.ListFromBottom = client.bottom - list.bottom;
  m_layout.OkFromRight = client.right - ok.left;
  m_layout.CancelFromRight = client.right - cancel.left;
  m_layout.ButtonsFromBottom = client.bottom - ok.top;
  m_layout.FoldersFromBottom = client.bottom - folders.top;
  m_layout.RegisterFromBottom = client.bottom - registerButton.top;
  m_layoutRecorded = true;
}

void CFindFavoriteDlg::ApplySize() {
  if (m_size.cx < m_layout.MinimumSize.cx || m_size.cy < m_layout.MinimumSize.cy) return;
  SetSize(m_size.cx, m_size.cy, true);
}

void CFindFavoriteDlg::MakeImageList() {
  m_icons.Attach(ListView()->GetHandle(), KindIcons);
  // A virtual list asks for the failure mark with the texts.
  ListView()->SendMessage(LVM_SETCALLBACKMASK, LVIS_OVERLAYMASK);
}

void CFindFavoriteDlg::AddColumns() {
  const struct {
    UINT TitleId;
    int Width;
  } columns[] = {{IDS_COLUMN_TITLE, 220}, {IDS_COLUMN_LEADS_TO, 360}};
  for (int index = 0; index < 2; ++index) {
    const std::string text = CResourceTool::LoadString(columns[index].TitleId);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = columns[index].Width;
    column.iSubItem = index;
    column.pszText = const_cast<char*>(text.c_str());
    ListView()->SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  }
}

void CFindFavoriteDlg::ShowMatches() {
  m_finder.Find(m_query, m_matches);
  ListView()->SendMessage(LVM_SETITEMCOUNT, m_matches.size(), 0);
  SelectRow(m_matches.empty() ? -1 : 0);
  ListView()->Invalidate(false);
  UpdateRegisterButton();
}

void CFindFavoriteDlg::SelectFavoriteFolder(const std::string& folderId) {
  for (std::size_t row = 0; row < m_matches.size(); ++row) {
    const std::size_t found = m_matches[row];
    if (m_finder.GetKind(found) == FavoriteFolderList && m_texts[found].FolderId == folderId) {
      SelectRow(static_cast<int>(row));
      break;
    }
  }
  UpdateRegisterButton();
}

bool CFindFavoriteDlg::IsFolderRow(int row) {
  return row >= 0 && m_finder.GetKind(m_matches[static_cast<std::size_t>(row)]) == CFavoriteFinder::HostFolderKind;
}

void CFindFavoriteDlg::UpdateRegisterButton() {
  GetItem(IDC_REGISTER_FOLDER)->EnableWindow(m_registerFolder && IsFolderRow(GetSelectedRow()));
}

void CFindFavoriteDlg::ToggleFolders() {
  m_showFolders = IsDlgButtonChecked(GetHandle(), IDC_FIND_FOLDERS) == BST_CHECKED;
  if (m_showFolders) ReadFolders();
  FillRows();
  ShowMatches();
  ::SetFocus(FindText()->GetHandle());
}

void CFindFavoriteDlg::RegisterSelectedFolder() {
  const int row = GetSelectedRow();
  if (!IsFolderRow(row) || !m_registerFolder) return;
  // A copy: the rows are made again below.
  const std::string folderId = m_texts[m_matches[static_cast<std::size_t>(row)]].FolderId;
  m_registerFolder(*this, folderId);
  FillRows();
  ShowMatches();
  SelectFavoriteFolder(folderId);
  ::SetFocus(FindText()->GetHandle());
}

void CFindFavoriteDlg::SelectRow(int row) {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ListView()->SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (row < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView()->SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  ListView()->SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int CFindFavoriteDlg::GetSelectedRow() {
  const int row = static_cast<int>(ListView()->SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return row >= 0 && static_cast<std::size_t>(row) < m_matches.size() ? row : -1;
}

void CFindFavoriteDlg::GiveRowTexts(NMLVDISPINFOA& info) {
  LVITEMA& item = info.item;
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= m_matches.size()) return;
  const std::size_t row = m_matches[static_cast<std::size_t>(item.iItem)];
  const RowText& text = m_texts[row];
  if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
    port::CopyToBuffer(item.pszText, static_cast<std::size_t>(item.cchTextMax),
                       item.iSubItem == 0 ? text.Title : text.LeadsTo);
  }
  if ((item.mask & LVIF_IMAGE) != 0) {
    const int kind = m_finder.GetKind(row);
    item.iImage = kind == CFavoriteFinder::HostFolderKind ? HostFolderImage : kind - 1;
  }
  if ((item.mask & LVIF_STATE) != 0) {
    item.state = (item.state & ~LVIS_OVERLAYMASK) | INDEXTOOVERLAYMASK(text.Failed ? CListViewIcons::FailureOverlay : 0);
    item.stateMask |= LVIS_OVERLAYMASK;
  }
}

LRESULT CFindFavoriteDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDC_FIND_TEXT && HIWORD(wParam) == EN_CHANGE) {
    m_query = FindText()->GetWindowText();
    ShowMatches();
    return 1;
  }
  if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_FIND_FOLDERS) {
    ToggleFolders();
    return 1;
  }
  if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_REGISTER_FOLDER) {
    RegisterSelectedFolder();
    return 1;
  }
  return CUiGothicDialog::OnCommand(wParam, lParam);
}

LRESULT CFindFavoriteDlg::OnNotify(int controlId, NMHDR* header) {
  if (controlId != IDC_FOUND_LIST) return CUiGothicDialog::OnNotify(controlId, header);
  switch (header->code) {
    case LVN_GETDISPINFOA:
      GiveRowTexts(*reinterpret_cast<NMLVDISPINFOA*>(header));
      return 1;
    case NM_DBLCLK:
      if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) OnOK();
      return 1;
    case LVN_ITEMCHANGED:
      UpdateRegisterButton();
      return 1;
    default:
      return CUiGothicDialog::OnNotify(controlId, header);
  }
}

void CFindFavoriteDlg::OnOK() {
  // Enter over an empty list does nothing: the user may still change the search.
  const int row = GetSelectedRow();
  if (row < 0) return;
  const std::size_t found = m_matches[static_cast<std::size_t>(row)];
  m_chosenKind = m_finder.GetKind(found);
  m_chosenIndex = m_finder.GetIndex(found);
  m_chosenFolderId = m_chosenKind == CFavoriteFinder::HostFolderKind ? m_texts[found].FolderId : std::string();
  CUiGothicDialog::OnOK();
}

void CFindFavoriteDlg::PassListKeys() {
  m_listKeys.Install(FindText()->GetHandle(), [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_KEYDOWN) return false;
    // Insert puts the selected folder among the favorites, as the register button does.
    if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0) {
      RegisterSelectedFolder();
      result = 0;
      return true;
    }
    if (!IsListKey(wParam)) return false;
    result = ListView()->SendMessage(message, wParam, lParam);
    return true;
  });
}

void CFindFavoriteDlg::OnSize(UINT type, int width, int height) {
  if (!m_layoutRecorded || type == SIZE_MINIMIZED) return;
  const RECT edit = ClientRectOf(IDC_FIND_TEXT), list = ClientRectOf(IDC_FOUND_LIST);
  FindText()->SetSize(width - m_layout.EditFromRight - edit.left, edit.bottom - edit.top, true);
  ListView()->SetSize(width - m_layout.ListFromRight - list.left, height - m_layout.ListFromBottom - list.top, true);
  const int buttonsTop = height - m_layout.ButtonsFromBottom;
  GetItem(IDOK)->SetPosition(width - m_layout.OkFromRight, buttonsTop, true);
  GetItem(IDCANCEL)->SetPosition(width - m_layout.CancelFromRight, buttonsTop, true);
  const RECT folders = ClientRectOf(IDC_FIND_FOLDERS), registerButton = ClientRectOf(IDC_REGISTER_FOLDER);
  GetItem(IDC_FIND_FOLDERS)->SetPosition(folders.left, height - m_layout.FoldersFromBottom, true);
  GetItem(IDC_REGISTER_FOLDER)->SetPosition(registerButton.left, height - m_layout.RegisterFromBottom, true);
  Invalidate(true);
}

void CFindFavoriteDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
  if (!m_layoutRecorded) return;
  info->ptMinTrackSize.x = m_layout.MinimumSize.cx;
  info->ptMinTrackSize.y = m_layout.MinimumSize.cy;
}

void CFindFavoriteDlg::OnDestroy() {
  const RECT frame = GetWindowRect();
  m_size = {frame.right - frame.left, frame.bottom - frame.top};
  m_listKeys.Remove();
  m_icons.Detach();
  CUiGothicDialog::OnDestroy();
}
