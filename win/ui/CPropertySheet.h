#pragma once
// A modal property sheet of the plug-in's pages, without an Apply button.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "win/ui/CPropertyPage.h"

class CPropertySheet {
 public:
  CPropertySheet(CWindow* owner, const std::string& caption, WORD iconId);
  virtual ~CPropertySheet() = default;
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;

  // 1 when the user confirmed the sheet with OK, 0 when it was cancelled, -1 when it could not be shown.
  virtual INT_PTR DoModal();

  // The page, which must outlive the sheet's run, becomes the next tab.
  void AddPage(CPropertyPage& page);
  // Position of the page that was active last, -1 when none was.
  int GetActiveIndex() const;
  void SetStartPage(int index);

 private:
  static void RecordActivePage(void* sheet, CPropertyPage* page);
  static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);

  PROPSHEETHEADERA m_header = {};
  std::string m_caption;
  std::vector<PROPSHEETPAGEA> m_records;
  std::vector<CPropertyPage*> m_pages;
  CPropertyPage* m_activePage = nullptr;
  bool m_confirmed = false;
};
