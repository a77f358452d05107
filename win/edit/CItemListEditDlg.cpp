#include "win/edit/CItemListEditDlg.h"

#include "core/favorites/FavoriteListKind.h"
#include "resources/resource.h"
#include "win/edit/CItemDetailDlg.h"
#include "win/edit/FavoriteTexts.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/CWaitCursor.h"
#include "win/ui/ModuleInstance.h"

namespace {

// The four editable lists in the order of the drop-down list, with their icons.
const struct {
  int Kind;
  UINT NameId;
  WORD IconId;
} EditableLists[4] = {{FavoriteFolderList, IDS_FOLDER, IDI_FOLDER},
                      {FavoriteMailList, IDS_LIST_MAIL, IDI_MAIL},
                      {FavoriteFolderTreeList, IDS_LIST_FOLDER_TREE, IDI_FOLDER_TREE},
                      {FavoriteWindowStateList, IDS_LIST_WINDOW_STATE, IDI_WINDOW_STATE}};

// Position of the kind in EditableLists; -1 for the mail history and anything else.
int SlotOf(int kind) {
  for (int slot = 0; slot < 4; ++slot) {
    if (EditableLists[slot].Kind == kind) return slot;
  }
  return -1;
}

struct Column {
  UINT TitleId;
  int Width;
};

// The columns after the title, by slot.
const std::vector<Column>& ColumnsOf(int slot) {
  static const std::vector<Column> columns[4] = {
      {{IDS_FOLDER, 450}},
      {{IDS_FOLDER, 150}, {IDS_COLUMN_SUBJECT, 150}, {IDS_COLUMN_FROM, 150}, {IDS_COLUMN_DATE, 150},
       {IDS_COLUMN_MESSAGE_ID, 150}},
      {{IDS_COLUMN_FILE_NAME, 130}},
      {{IDS_WINDOW_RECT, 150}}};
  return columns[slot];
}

bool IsDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// True when the rectangle can be used as it is: at least the minimum size and on a monitor's work area.
bool IsUsablePlacement(const ScreenRect& placement, SIZE minimum) {
  if (placement.Width() < minimum.cx || placement.Height() < minimum.cy || placement.Width() < 1 ||
      placement.Height() < 1) {
    return false;
  }
  const RECT rect = {placement.Left, placement.Top, placement.Right, placement.Bottom};
  HMONITOR monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  RECT common;
  return monitor != nullptr && GetMonitorInfoA(monitor, &info) && IntersectRect(&common, &rect, &info.rcWork);
}

}  // namespace

CItemListEditDlg::CItemListEditDlg(CWindow* parent) : CUiGothicDialog(parent, IDD_ITEM_LIST_EDIT) {
  // The template holds a list view; a host need not have registered its class.
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
}

CFavoriteItemListBase* CItemListEditDlg::ListOf(int kind) {
  return const_cast<CFavoriteItemListBase*>(static_cast<const CItemListEditDlg*>(this)->ListOf(kind));
}

const CFavoriteItemListBase* CItemListEditDlg::ListOf(int kind) const {
  switch (kind) {
    case FavoriteFolderList:
      return &m_folders;
    case FavoriteMailList:
      return &m_mails;
    case FavoriteFolderTreeList:
      return &m_folderTrees;
    case FavoriteWindowStateList:
      return &m_windowStates;
    default:
      return nullptr;
  }
}

void CItemListEditDlg::SetList(int kind, const CFavoriteItemListBase& source) {
  CFavoriteItemListBase* list = ListOf(kind);
  if (list == nullptr) return;
  list->Clear();
  source.CopyTo(*list);
}

void CItemListEditDlg::GetList(int kind, CFavoriteItemListBase& target) const {
  const CFavoriteItemListBase* list = ListOf(kind);
  if (list == nullptr) return;
  target.Clear();
  list->CopyTo(target);
}

bool CItemListEditDlg::IsChanged(int kind) const {
  const int slot = SlotOf(kind);
  return slot >= 0 && m_changed[slot];
}

CWindow* CItemListEditDlg::ListView() { return GetItem(IDC_ITEM_LIST); }

RECT CItemListEditDlg::ClientRectOf(int controlId) {
  RECT rect = GetItem(controlId)->GetWindowRect();
  ScreenToClient(rect);
  return rect;
}

BOOL CItemListEditDlg::OnInitDialog() {
  SetIcons();
  MakeImageList();
  RecordLayout();
  ApplyPlacement();
  FillKindChoice();
  LVCOLUMNA column = {};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = 250;
  column.pszText = const_cast<char*>("");
  ListView()->SendMessage(LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  CatchSystemKeys();
  ShowList();
  return CUiGothicDialog::OnInitDialog();
}

void CItemListEditDlg::SetIcons() {
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadModuleIcon(IDI_APPLICATION_MARK, 16)));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadModuleIcon(IDI_APPLICATION_MARK, 32)));
}

void CItemListEditDlg::MakeImageList() {
  std::vector<WORD> iconIds;
  for (const auto& list : EditableLists) iconIds.push_back(list.IconId);
  m_iconIndices = m_icons.Attach(ListView()->GetHandle(), iconIds);
}

void CItemListEditDlg::RecordLayout() {
  const RECT frame = GetWindowRect();
  RECT client;
  GetClientRect(GetHandle(), &client);
  const RECT ok = ClientRectOf(IDOK), cancel = ClientRectOf(IDCANCEL), list = ClientRectOf(IDC_ITEM_LIST);
  m_layout.MinimumSize = {frame.right - frame.left, frame.bottom - frame.top};
  m_layout.ButtonsFromRight = client.right - ok.left;
  m_layout.OkFromBottom = client.bottom - ok.top;
  m_layout.CancelFromBottom = client.bottom - cancel.bottom;
  m_layout.ListFromRight = client.right - list.right;
  m_layout.ListFromBottom = client.bottom - list.bottom;
  m_layoutRecorded = true;
}

void CItemListEditDlg::ApplyPlacement() {
  // A rectangle from a hand-edited file or from a monitor that is gone leaves the dialog where the
  // template puts it, over its owner.
  if (!IsUsablePlacement(m_placement, m_layout.MinimumSize)) return;
  MoveWindow(m_placement.Left, m_placement.Top, m_placement.Width(), m_placement.Height(), true);
}

void CItemListEditDlg::FillKindChoice() {
  for (const auto& list : EditableLists) {
    const std::string name = CResourceTool::LoadString(list.NameId);
    GetItem(IDC_LIST_KIND)->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
}

void CItemListEditDlg::ShowList() {
  const int slot = SlotOf(m_kind);
  if (slot < 0) return;
  CWaitCursor wait;
  CWindow* view = ListView();
  view->SetRedraw(false);
  GetItem(IDC_LIST_KIND)->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(slot));
  RebuildColumns();
  view->SendMessage(LVM_DELETEALLITEMS);
  const CFavoriteItemListBase* list = ListOf(m_kind);
  for (std::size_t row = 0; row < list->GetCount(); ++row) InsertRow(static_cast<int>(row));
  if (list->GetCount() > 0) SetRowState(0, LVIS_FOCUSED, LVIS_FOCUSED | LVIS_SELECTED);
  view->SetRedraw(true);
  view->Invalidate(true);
  UpdateButtons();
}

void CItemListEditDlg::RebuildColumns() {
  // Column 0 stays (a list view may refuse to lose it) and keeps the width the user gave it.
  CWindow* view = ListView();
  while (view->SendMessage(LVM_DELETECOLUMN, 1) != 0) {
  }
  const std::string title = CResourceTool::LoadString(IDS_COLUMN_TITLE);
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<char*>(title.c_str());
  view->SendMessage(LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  int index = 1;
  for (const Column& each : ColumnsOf(SlotOf(m_kind))) {
    const std::string text = CResourceTool::LoadString(each.TitleId);
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = each.Width;
    column.iSubItem = index;
    column.pszText = const_cast<char*>(text.c_str());
    view->SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&column));
  }
}

void CItemListEditDlg::InsertRow(int row) {
  LVITEMA item = {};
  item.iItem = row;
  ListView()->SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  FillRow(row);
}

void CItemListEditDlg::FillRow(int row) {
  const CFavoriteItem* favorite = ListOf(m_kind)->GetAt(static_cast<std::size_t>(row));
  if (favorite == nullptr) return;
  const std::string name = favorite->GetDisplayName();
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
  item.iItem = row;
  item.pszText = const_cast<char*>(name.c_str());
  item.iImage = m_iconIndices[SlotOf(m_kind)];
  item.state = INDEXTOOVERLAYMASK(favorite->Failure != 0 ? CListViewIcons::FailureOverlay : 0);
  item.stateMask = LVIS_OVERLAYMASK;
  ListView()->SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  const std::vector<std::string> texts = ListColumnTexts(*favorite);
  item.mask = LVIF_TEXT;
  for (std::size_t column = 0; column < texts.size(); ++column) {
    item.iSubItem = static_cast<int>(column + 1);
    item.pszText = const_cast<char*>(texts[column].c_str());
    ListView()->SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
}

void CItemListEditDlg::SetRowState(int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  ListView()->SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int CItemListEditDlg::GetSelectedCount() { return static_cast<int>(ListView()->SendMessage(LVM_GETSELECTEDCOUNT)); }

int CItemListEditDlg::GetFirstSelected() {
  return static_cast<int>(ListView()->SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CItemListEditDlg::UpdateButtons() {
  const int selected = GetSelectedCount();
  const int first = GetFirstSelected();
  const int rows = static_cast<int>(ListView()->SendMessage(LVM_GETITEMCOUNT));
  EnableButton(IDC_MOVE_UP, selected == 1 && first >= 1);
  EnableButton(IDC_MOVE_DOWN, selected == 1 && first + 1 < rows);
  EnableButton(IDC_REMOVE, selected > 0);
  EnableButton(IDC_PROPERTY, selected == 1);
}

void CItemListEditDlg::EnableButton(int id, bool enable) {
  CWindow* button = GetItem(id);
  if ((IsWindowEnabled(button->GetHandle()) != FALSE) == enable) return;
  // A disabled button that kept the focus would leave the keyboard nowhere to go.
  if (!enable && GetFocus() == button->GetHandle()) ::SetFocus(ListView()->GetHandle());
  button->EnableWindow(enable);
}

LRESULT CItemListEditDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int control = LOWORD(wParam);
  if (control == IDC_LIST_KIND && HIWORD(wParam) == CBN_SELCHANGE) {
    const LRESULT entry = GetItem(IDC_LIST_KIND)->SendMessage(CB_GETCURSEL);
    if (entry >= 0 && entry < 4) {
      m_kind = EditableLists[entry].Kind;
      ShowList();
    }
    return 1;
  }
  if (HIWORD(wParam) == BN_CLICKED) {
    switch (control) {
      case IDC_MOVE_UP:
        Move(-1);
        return 1;
      case IDC_MOVE_DOWN:
        Move(1);
        return 1;
      case IDC_REMOVE:
        Remove();
        return 1;
      case IDC_PROPERTY:
        ShowProperty();
        return 1;
    }
  }
  return CUiGothicDialog::OnCommand(wParam, lParam);
}

LRESULT CItemListEditDlg::OnNotify(int controlId, NMHDR* header) {
  if (controlId != IDC_ITEM_LIST) return CUiGothicDialog::OnNotify(controlId, header);
  switch (header->code) {
    case LVN_KEYDOWN:
      OnListKey(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
      return NotifyResult(0);
    case LVN_ENDLABELEDITA:
      return NotifyResult(EndRename(*reinterpret_cast<NMLVDISPINFOA*>(header)));
    case NM_DBLCLK:
      ShowProperty();
      return NotifyResult(0);
    case LVN_ITEMCHANGED:
      UpdateButtons();
      return NotifyResult(0);
    default:
      return CUiGothicDialog::OnNotify(controlId, header);
  }
}

LRESULT CItemListEditDlg::NotifyResult(LRESULT result) {
  SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, result);
  return 1;
}

bool CItemListEditDlg::OnListKey(WORD key) {
  const bool alt = IsDown(VK_MENU), control = IsDown(VK_CONTROL), shift = IsDown(VK_SHIFT);
  if (alt && !control && !shift) {
    switch (key) {
      case VK_RETURN:
        ShowProperty();
        return true;
      case VK_UP:
        Move(-1);
        return true;
      case VK_DOWN:
        Move(1);
        return true;
      case VK_LEFT:
        ShowNeighbourList(-1);
        return true;
      case VK_RIGHT:
        ShowNeighbourList(1);
        return true;
    }
  } else if (!alt && !control && !shift && key == VK_DELETE) {
    Remove();
    return true;
  } else if (!alt && !control && !shift && key == VK_F2) {
    StartRename();
    return true;
  }
  return false;
}

void CItemListEditDlg::CatchSystemKeys() {
  auto handler = [this](HWND view, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The default processing still sees the key, so that releasing Alt afterwards opens no menu.
    if (message == WM_SYSKEYDOWN && OnListKey(static_cast<WORD>(wParam))) {
      result = DefWindowProcA(view, message, wParam, lParam);
      return true;
    }
    // Alt+Enter also makes a character, which would look for a menu mnemonic and beep.
    return message == WM_SYSCHAR && wParam == '\r';
  };
  m_listKeys.Install(ListView()->GetHandle(), handler);
}

void CItemListEditDlg::ShowNeighbourList(int step) {
  const int slot = SlotOf(m_kind) + step;
  if (slot < 0 || slot >= 4) return;
  m_kind = EditableLists[slot].Kind;
  ShowList();
}

void CItemListEditDlg::SetChanged() { m_changed[SlotOf(m_kind)] = true; }

void CItemListEditDlg::Move(int step) {
  if (GetSelectedCount() != 1) return;
  const int from = GetFirstSelected();
  const int to = from + step;
  CFavoriteItemListBase* list = ListOf(m_kind);
  if (from < 0 || to < 0 || static_cast<std::size_t>(to) >= list->GetCount()) return;
  list->Swap(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
  FillRow(from);
  FillRow(to);
  SetRowState(from, 0, LVIS_SELECTED | LVIS_FOCUSED);
  SetRowState(to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetChanged();
  ListView()->SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(to), FALSE);
}

void CItemListEditDlg::Remove() {
  int row = GetFirstSelected();
  if (row < 0) return;
  CWindow* view = ListView();
  CFavoriteItemListBase* list = ListOf(m_kind);
  view->SetRedraw(false);
  for (; row >= 0; row = static_cast<int>(view->SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(row - 1), LVNI_SELECTED))) {
    if (const auto* tree = dynamic_cast<const CFolderTreeItem*>(list->GetAt(static_cast<std::size_t>(row)))) {
      m_removedTreeFiles.push_back(tree->TreeFileName);
    }
    list->RemoveNode(static_cast<std::size_t>(row));
    view->SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row));
  }
  SetChanged();
  view->SetRedraw(true);
  view->Invalidate(true);
  view->Update();
  UpdateButtons();
}

void CItemListEditDlg::StartRename() {
  const int row = GetFirstSelected();
  if (row >= 0) ListView()->SendMessage(LVM_EDITLABELA, static_cast<WPARAM>(row));
}

LRESULT CItemListEditDlg::EndRename(const NMLVDISPINFOA& info) {
  CFavoriteItem* favorite = ListOf(m_kind)->GetAt(static_cast<std::size_t>(info.item.iItem));
  if (info.item.pszText == nullptr || favorite == nullptr) return FALSE;
  // A name the favorite cannot do without stays as it was; the row shows what the menus will show.
  // Windows ends an emptied edit with an empty text (Wine as a cancelled edit).
  if (RenameFavorite(this, *favorite, info.item.pszText) == Renamed) SetChanged();
  FillRow(info.item.iItem);
  return FALSE;
}

void CItemListEditDlg::ShowProperty() {
  if (GetSelectedCount() != 1) return;
  const int row = GetFirstSelected();
  CItemDetailDlg detail(this);
  detail.SetItem(ListOf(m_kind)->GetAt(static_cast<std::size_t>(row)), &m_folderTrees);
  if (detail.DoModal() != IDOK) return;
  SetChanged();
  FillRow(row);
}

void CItemListEditDlg::OnSize(UINT type, int width, int height) {
  if (!m_layoutRecorded || type == SIZE_MINIMIZED) return;
  const int buttonsLeft = width - m_layout.ButtonsFromRight;
  for (int id : {IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_REMOVE, IDC_PROPERTY}) {
    GetItem(id)->SetPosition(buttonsLeft, ClientRectOf(id).top, true);
  }
  GetItem(IDOK)->SetPosition(buttonsLeft, height - m_layout.OkFromBottom, true);
  const RECT cancel = ClientRectOf(IDCANCEL);
  GetItem(IDCANCEL)->SetPosition(buttonsLeft, height - m_layout.CancelFromBottom - (cancel.bottom - cancel.top), true);
  const RECT list = ClientRectOf(IDC_ITEM_LIST);
  ListView()->SetSize(width - m_layout.ListFromRight - list.left, height - m_layout.ListFromBottom - list.top, true);
  Invalidate(true);
}

void CItemListEditDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
  if (!m_layoutRecorded) return;
  info->ptMinTrackSize.x = m_layout.MinimumSize.cx;
  info->ptMinTrackSize.y = m_layout.MinimumSize.cy;
}

void CItemListEditDlg::OnDestroy() {
  const RECT frame = GetWindowRect();
  m_placement = {frame.left, frame.top, frame.right, frame.bottom};
  m_listKeys.Remove();
  m_icons.Detach();
  CUiGothicDialog::OnDestroy();
}
