#include "win/setup/CSetupKeyPage.h"

#include "core/favorites/FavoriteListKind.h"
#include "resources/resource.h"
#include "win/ui/CResourceTool.h"

namespace {

constexpr unsigned NoShift = 0, CtrlShift = 32, ShiftShift = 64, CtrlAndShift = 96, AltShift = 254;

struct MenuType {
  UINT TextId;
  int Kind;
};
constexpr MenuType MenuTypes[] = {
    {IDS_MENU_TYPE_COMPREHENSIVE, ComprehensiveMenuKind}, {IDS_MENU_TYPE_FOLDER, FavoriteFolderList},
    {IDS_MENU_TYPE_MAIL, FavoriteMailList},                {IDS_MENU_TYPE_FOLDER_TREE, FavoriteFolderTreeList},
    {IDS_MENU_TYPE_MAIL_HISTORY, MailHistoryList},        {IDS_MENU_TYPE_WINDOW_STATE, FavoriteWindowStateList},
    {IDS_MENU_TYPE_FIND, FindDialogKind}};

}  // namespace

CSetupKeyPage::CSetupKeyPage() : CPropertyPage(IDD_SETUP_KEY, IDI_KEY) {}

WORD CSetupKeyPage::ToControl(const CHotKey& key) {
  BYTE modifiers = 0;
  switch (key.ShiftCode) {
    case NoShift: break;
    case CtrlShift: modifiers = HOTKEYF_CONTROL; break;
    case ShiftShift: modifiers = HOTKEYF_SHIFT; break;
    case CtrlAndShift: modifiers = HOTKEYF_CONTROL | HOTKEYF_SHIFT; break;
    case AltShift: modifiers = HOTKEYF_ALT; break;
    default: return 0;
  }
  return MAKEWORD(static_cast<BYTE>(key.VirtualKey), modifiers);
}

bool CSetupKeyPage::FromControl(WORD value, CHotKey& key) {
  const BYTE modifiers = HIBYTE(value);
  const bool alt = (modifiers & HOTKEYF_ALT) != 0, ctrl = (modifiers & HOTKEYF_CONTROL) != 0, shift = (modifiers & HOTKEYF_SHIFT) != 0;
  if (alt && (ctrl || shift)) return false;
  const unsigned shiftCode = alt ? AltShift : ctrl && shift ? CtrlAndShift : shift ? ShiftShift : ctrl ? CtrlShift : NoShift;
  key = CHotKey(LOBYTE(value), shiftCode);
  return true;
}

BOOL CSetupKeyPage::OnInitDialog() {
  for (const MenuType& type : MenuTypes) {
    const std::string text = CResourceTool::LoadString(type.TextId);
    const LRESULT index = SendDlgItemMessageA(GetHandle(), IDC_MENU_TYPE, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0) SendDlgItemMessageA(GetHandle(), IDC_MENU_TYPE, LB_SETITEMDATA, index, type.Kind);
  }
  SendDlgItemMessageA(GetHandle(), IDC_MENU_TYPE, LB_SETCURSEL, 0, 0);
  ShowKey(SelectedKind());
  return CPropertyPage::OnInitDialog();
}

int CSetupKeyPage::SelectedKind() {
  const LRESULT selected = SendDlgItemMessageA(GetHandle(), IDC_MENU_TYPE, LB_GETCURSEL, 0, 0);
  return selected < 0 ? 0 : static_cast<int>(SendDlgItemMessageA(GetHandle(), IDC_MENU_TYPE, LB_GETITEMDATA, selected, 0));
}

void CSetupKeyPage::ShowKey(int kind) {
  m_shownKind = kind;
  const WORD value = kind != 0 ? ToControl(HotKeys[kind]) : 0;
  SendDlgItemMessageA(GetHandle(), IDC_SHORTCUT_KEY, HKM_SETHOTKEY, value, 0);
}

bool CSetupKeyPage::StoreShownKey() {
  if (m_shownKind == 0) return true;
  const WORD value = static_cast<WORD>(SendDlgItemMessageA(GetHandle(), IDC_SHORTCUT_KEY, HKM_GETHOTKEY, 0, 0));
  CHotKey key;
  if (FromControl(value, key)) {
    HotKeys[m_shownKind] = key;
    return true;
  }
  ShowWarning(IDS_UNUSABLE_KEY);
  return false;
}

LRESULT CSetupKeyPage::OnCommand(WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) != IDC_MENU_TYPE || HIWORD(wParam) != LBN_SELCHANGE) return 0;
  if (StoreShownKey()) {
    ShowKey(SelectedKind());
    return 1;
  }
  // The unusable key stays in view, with its menu type selected again.
  for (int i = 0; i < static_cast<int>(sizeof MenuTypes / sizeof MenuTypes[0]); ++i) {
    if (MenuTypes[i].Kind == m_shownKind) SendDlgItemMessageA(GetHandle(), IDC_MENU_TYPE, LB_SETCURSEL, i, 0);
  }
  return 1;
}

bool CSetupKeyPage::OnKillActive() { return StoreShownKey(); }
