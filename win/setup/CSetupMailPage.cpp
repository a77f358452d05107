#include "win/setup/CSetupMailPage.h"

#include <algorithm>

#include "resources/resource.h"
#include "win/ui/CResourceTool.h"

namespace {

constexpr std::int32_t PathMode = 0, NameMode = 1, NameAndParentMode = 2, NoFolderMode = 9;

// The mode the folder name list can show: without sub-menus a folder's parent path has no place, with
// them the folder must be named.
std::int32_t FittingDispMode(std::int32_t mode, bool mailFolder) {
  if (mode != PathMode && mode != NameMode && mode != NameAndParentMode && mode != NoFolderMode) return PathMode;
  if (mode == NameAndParentMode && !mailFolder) return NameMode;
  if (mode == NoFolderMode && mailFolder) return PathMode;
  return mode;
}

}  // namespace

CSetupMailPage::CSetupMailPage() : CPropertyPage(IDD_SETUP_MAIL, IDI_MAIL) {}

void CSetupMailPage::SetValues(bool mailFolder, std::int32_t dispMode, std::uint32_t historyNum, std::uint32_t titleLength) {
  MailFolder = mailFolder;
  MailFolderDispMode = FittingDispMode(dispMode, mailFolder);
  MailHistoryNum = std::min<std::uint32_t>(historyNum, MaxHistoryNum);
  MailTitleLength = std::clamp<std::uint32_t>(titleLength, MinTitleLength, MaxTitleLength);
}

BOOL CSetupMailPage::OnInitDialog() {
  SendDlgItemMessageA(GetHandle(), IDC_MAIL_TITLE_LENGTH_SPIN, UDM_SETRANGE32, MinTitleLength, MaxTitleLength);
  SendDlgItemMessageA(GetHandle(), IDC_MAIL_HISTORY_NUM_SPIN, UDM_SETRANGE32, 0, MaxHistoryNum);
  SetNumber(IDC_MAIL_TITLE_LENGTH, MailTitleLength);
  SetNumber(IDC_MAIL_HISTORY_NUM, MailHistoryNum);
  SetChecked(IDC_MAIL_FOLDER, MailFolder);
  FillDispModes();
  return CPropertyPage::OnInitDialog();
}

void CSetupMailPage::FillDispModes() {
  MailFolderDispMode = FittingDispMode(MailFolderDispMode, IsChecked(IDC_MAIL_FOLDER));
  SendDlgItemMessageA(GetHandle(), IDC_MAIL_FOLDER_DISP_MODE, CB_RESETCONTENT, 0, 0);
  if (!IsChecked(IDC_MAIL_FOLDER)) AddDispMode(IDS_FOLDER_FORM_NONE, NoFolderMode);
  AddDispMode(IDS_FOLDER_FORM_PATH, PathMode);
  AddDispMode(IDS_FOLDER_FORM_NAME, NameMode);
  if (IsChecked(IDC_MAIL_FOLDER)) AddDispMode(IDS_FOLDER_FORM_NAME_AND_PARENT, NameAndParentMode);
}

void CSetupMailPage::AddDispMode(UINT textId, std::int32_t mode) {
  const std::string text = CResourceTool::LoadString(textId);
  const LRESULT index = SendDlgItemMessageA(GetHandle(), IDC_MAIL_FOLDER_DISP_MODE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return;
  SendDlgItemMessageA(GetHandle(), IDC_MAIL_FOLDER_DISP_MODE, CB_SETITEMDATA, index, mode);
  if (mode == MailFolderDispMode) SendDlgItemMessageA(GetHandle(), IDC_MAIL_FOLDER_DISP_MODE, CB_SETCURSEL, index, 0);
}

LRESULT CSetupMailPage::OnCommand(WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) == IDC_MAIL_FOLDER && HIWORD(wParam) == BN_CLICKED) {
    FillDispModes();
    return 1;
  }
  if (LOWORD(wParam) == IDC_MAIL_FOLDER_DISP_MODE && HIWORD(wParam) == CBN_SELCHANGE) {
    const LRESULT selected = SendDlgItemMessageA(GetHandle(), IDC_MAIL_FOLDER_DISP_MODE, CB_GETCURSEL, 0, 0);
    const LRESULT mode = SendDlgItemMessageA(GetHandle(), IDC_MAIL_FOLDER_DISP_MODE, CB_GETITEMDATA, selected, 0);
    MailFolderDispMode = selected < 0 || mode == CB_ERR ? NoFolderMode : static_cast<std::int32_t>(mode);
    return 1;
  }
  return 0;
}

bool CSetupMailPage::OnKillActive() {
  DWORD historyNum = 0, titleLength = 0;
  // Text that is no number is refused like one out of range: read as 0 it would empty the history.
  if (!ReadNumber(IDC_MAIL_HISTORY_NUM, historyNum) || historyNum > MaxHistoryNum) {
    ShowWarning(IDS_BAD_HISTORY_NUMBER);
    SetFocus(GetDlgItem(GetHandle(), IDC_MAIL_HISTORY_NUM));
    return false;
  }
  if (!ReadNumber(IDC_MAIL_TITLE_LENGTH, titleLength) || titleLength < MinTitleLength || titleLength > MaxTitleLength) {
    ShowWarning(IDS_BAD_TITLE_LENGTH);
    SetFocus(GetDlgItem(GetHandle(), IDC_MAIL_TITLE_LENGTH));
    return false;
  }
  return true;
}

void CSetupMailPage::OnOK() {
  DWORD number = 0;
  if (ReadNumber(IDC_MAIL_HISTORY_NUM, number)) MailHistoryNum = number;
  if (ReadNumber(IDC_MAIL_TITLE_LENGTH, number)) MailTitleLength = number;
  MailFolder = IsChecked(IDC_MAIL_FOLDER);
}
