#include "win/ui/CPropertySheet.h"

#include <algorithm>

#include "win/ui/ModuleInstance.h"

CPropertySheet::CPropertySheet(CWindow* owner, const std::string& caption, WORD iconId) : m_caption(caption) {
  m_header.dwSize = sizeof m_header;
  // The icon is handed over loaded and shared: one the sheet loads from an id is never freed (Wine's
  // comctl32 keeps it, a few GDI and USER objects at every opening).
  m_header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK | (iconId != 0 ? PSH_USEHICON : 0);
  m_header.hwndParent = owner != nullptr ? owner->GetHandle() : nullptr;
  m_header.hInstance = GetModuleInstance();
  m_header.hIcon = iconId != 0 ? LoadModuleIcon(iconId, GetSystemMetrics(SM_CXSMICON)) : nullptr;
  m_header.pfnCallback = &CPropertySheet::SheetCallback;
}

void CPropertySheet::AddPage(CPropertyPage& page) {
  page.SetCenterSheet(true);
  page.SetActivationCallback(&CPropertySheet::RecordActivePage, this);
  page.SetConfirmedFlag(&m_confirmed);
  m_pages.push_back(&page);
  m_records.push_back(page.GetRecord());
}

void CPropertySheet::RecordActivePage(void* sheet, CPropertyPage* page) {
  static_cast<CPropertySheet*>(sheet)->m_activePage = page;
}

int CPropertySheet::GetActiveIndex() const {
  auto found = std::find(m_pages.begin(), m_pages.end(), m_activePage);
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

void CPropertySheet::SetStartPage(int index) {
  m_header.nStartPage = index >= 0 && static_cast<size_t>(index) < m_pages.size() ? static_cast<UINT>(index) : 0;
}

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
  // The sheet's template asks for a context-help button, which the plug-in has no help for.
  if (message == PSCB_PRECREATE && lParam != 0) {
    auto* words = reinterpret_cast<WORD*>(lParam);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    auto* style = reinterpret_cast<DWORD*>(lParam + (extended ? 3 * sizeof(DWORD) : 0));
    *style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
  }
  return 0;
}

INT_PTR CPropertySheet::DoModal() {
  m_header.pszCaption = m_caption.c_str();
  m_header.nPages = static_cast<UINT>(m_records.size());
  m_header.ppsp = m_records.data();
  m_confirmed = false;
  m_activePage = nullptr;
  const INT_PTR result = PropertySheetA(&m_header);
  // What PropertySheet returns after OK differs between systems; the pages heard OK themselves.
  if (result < 0) return -1;
  return m_confirmed ? 1 : 0;
}
