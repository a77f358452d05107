#include "win/ui/CDialog.h"

#include <cstring>
#include <utility>
#include <vector>

#include "win/ui/ModuleInstance.h"

namespace {

// The font of the description, made on first request and kept for the life of the process: the
// controls keep using it after their dialog is gone, and one made at every opening would never go.
HFONT SharedFont(const LOGFONTA& description) {
  static std::vector<std::pair<LOGFONTA, HFONT>> made;
  for (const auto& entry : made) {
    if (std::memcmp(&entry.first, &description, sizeof description) == 0) return entry.second;
  }
  HFONT font = CreateFontIndirectA(&description);
  if (font != nullptr) made.emplace_back(description, font);
  return font;
}

}  // namespace

LRESULT CDialog::OnCommand(WPARAM wParam, LPARAM) {
  // Only clicks and menu commands; notifications of controls have a nonzero code.
  if (HIWORD(wParam) != 0) return 0;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return 1;
    case IDCANCEL:
      OnCancel();
      return 1;
    default:
      return 0;
  }
}

void CDialog::OnClose() { OnCancel(); }

void CDialog::OnActivate(UINT state, CWindow*, BOOL) {
  if (state == WA_INACTIVE) {
    m_savedFocus = GetFocus();
  } else if (m_savedFocus != nullptr) {
    SetFocus(m_savedFocus);
  }
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(GetHandle(), IDOK); }
void CDialog::OnCancel() { EndDialog(GetHandle(), IDCANCEL); }

void CDialog::SetTemplate(CWindow* parent, WORD templateId) {
  m_parent = parent;
  m_templateId = templateId;
}

INT_PTR CDialog::DoModal() {
  // Wrappers of an earlier run would hold handles of controls that are gone.
  m_controls.clear();
  m_savedFocus = nullptr;
  HWND parent = m_parent ? m_parent->GetHandle() : nullptr;
  return DialogBoxParamA(GetModuleInstance(), MAKEINTRESOURCEA(m_templateId), parent, &CDialog::DialogProcedure,
                         reinterpret_cast<LPARAM>(this));
}

CWindow* CDialog::GetItem(int controlId) {
  auto found = m_controls.find(controlId);
  if (found != m_controls.end()) return found->second.get();
  HWND control = GetDlgItem(GetHandle(), controlId);
  if (control == nullptr) return nullptr;
  return (m_controls[controlId] = std::make_unique<CWindow>(control)).get();
}

void CDialog::SetControlFont(const std::string& faceName) {
  LOGFONTA font = {};
  HFONT current = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (current == nullptr || GetObjectA(current, sizeof font, &font) != sizeof font) return;
  if (faceName.size() >= LF_FACESIZE) return;
  // Cleared whole, so that equal descriptions compare equal byte for byte.
  std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
  faceName.copy(font.lfFaceName, faceName.size());
  HFONT replacement = SharedFont(font);
  if (replacement == nullptr) return;
  for (HWND child = GetWindow(GetHandle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(replacement), TRUE);
  }
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto* dialog = dynamic_cast<CDialog*>(FromHandle(handle))) {
    if (message == WM_INITDIALOG) {
      if (BOOL result = dialog->OnInitDialog()) return result;
    }
  } else if (message == WM_INITDIALOG) {
    auto* asking = reinterpret_cast<CDialog*>(lParam);
    if (asking == nullptr) return 0;
    asking->Register(handle);
    if (BOOL result = asking->OnInitDialog()) return result;
  }
  return WindowProcedure(handle, message, wParam, lParam);
}
