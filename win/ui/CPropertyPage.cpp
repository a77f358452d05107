#include "win/ui/CPropertyPage.h"

#include "win/ui/CResourceTool.h"
#include "win/ui/ModuleInstance.h"

namespace {

// The page being created: the sheet hands the page's dialog a copy of its record, not the object.
CPropertyPage* pageBeingCreated = nullptr;

}  // namespace

CPropertyPage::CPropertyPage(WORD templateId, WORD iconId) {
  SetTemplate(nullptr, templateId);
  m_record.dwSize = sizeof m_record;
  // A shared icon, as the sheet's: one the sheet loads from an id for the page's tab is never freed.
  m_record.dwFlags = PSP_USECALLBACK | (iconId != 0 ? PSP_USEHICON : 0);
  m_record.hInstance = GetModuleInstance();
  m_record.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_record.hIcon = iconId != 0 ? LoadModuleIcon(iconId, GetSystemMetrics(SM_CXSMICON)) : nullptr;
  m_record.pfnDlgProc = &CPropertyPage::PageProcedure;
  m_record.lParam = reinterpret_cast<LPARAM>(this);
  m_record.pfnCallback = &CPropertyPage::PageCallback;
}

void CPropertyPage::SetActivationCallback(ActivationCallback callback, void* argument) {
  m_activation = callback;
  m_activationArgument = argument;
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEA* record) {
  if (message == PSPCB_CREATE) pageBeingCreated = reinterpret_cast<CPropertyPage*>(record->lParam);
  return 1;
}

INT_PTR CALLBACK CPropertyPage::PageProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG && FromHandle(handle) == nullptr) {
    CPropertyPage* page = pageBeingCreated;
    pageBeingCreated = nullptr;
    // The copy of the record still names the page, should the creation callback not have come.
    if (page == nullptr && lParam != 0) page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    lParam = reinterpret_cast<LPARAM>(page);
  }
  return DialogProcedure(handle, message, wParam, lParam);
}

BOOL CPropertyPage::OnInitDialog() {
  HWND sheet = ::GetParent(GetHandle());
  // The sheet has no context help to offer.
  SetWindowLongPtrA(sheet, GWL_EXSTYLE, GetWindowLongPtrA(sheet, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP));
  if (m_centerSheet && !IsWindowVisible(sheet)) CenterSheet();
  return CUiGothicDialog::OnInitDialog();
}

void CPropertyPage::CenterSheet() {
  CWindow sheet(::GetParent(GetHandle()));
  sheet.CenterOnParent();
}

LRESULT CPropertyPage::OnNotify(int, NMHDR* header) {
  switch (header->code) {
    case PSN_SETACTIVE:
      if (m_activation != nullptr) m_activation(m_activationArgument, this);
      SetMessageResult(0);
      break;
    case PSN_KILLACTIVE: {
      const bool valid = OnKillActive();
      if (valid) OnOK();
      SetMessageResult(valid ? FALSE : TRUE);
      break;
    }
    case PSN_QUERYCANCEL:
      SetMessageResult(OnQueryCancel() ? FALSE : TRUE);
      break;
    case PSN_APPLY:
      // Sent to every page only once the sheet has accepted OK.
      if (m_confirmed != nullptr) *m_confirmed = true;
      SetMessageResult(PSNRET_NOERROR);
      break;
    default:
      return 0;
  }
  return 1;
}

void CPropertyPage::SetMessageResult(LONG_PTR result) { SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, result); }

void CPropertyPage::ShowWarning(UINT textId) {
  CWindow sheet(::GetParent(GetHandle()));
  CResourceTool::MessageBox(&sheet, textId, m_messageCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool CPropertyPage::ReadNumber(int controlId, DWORD& value) {
  const std::string text = CWindow::TextOf(GetDlgItem(GetHandle(), controlId));
  if (text.empty() || text.size() > 10) return false;
  unsigned long long number = 0;
  for (char digit : text) {
    if (digit < '0' || digit > '9') return false;
    number = number * 10 + static_cast<unsigned>(digit - '0');
  }
  if (number > 0xFFFFFFFFull) return false;
  value = static_cast<DWORD>(number);
  return true;
}

void CPropertyPage::SetNumber(int controlId, DWORD value) {
  SetDlgItemTextA(GetHandle(), controlId, std::to_string(value).c_str());
}

bool CPropertyPage::IsChecked(int controlId) { return IsDlgButtonChecked(GetHandle(), controlId) == BST_CHECKED; }

void CPropertyPage::SetChecked(int controlId, bool checked) {
  CheckDlgButton(GetHandle(), controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}
