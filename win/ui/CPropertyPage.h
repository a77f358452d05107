#pragma once
// One page of a property sheet: a dialog from the plug-in's resources that the sheet creates when the
// page is first shown, and that answers the sheet's notifications.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/ui/CUiGothicDialog.h"

class CPropertyPage : public CUiGothicDialog {
 public:
  // Called with its argument when the page becomes the sheet's active page.
  using ActivationCallback = void (*)(void* argument, CPropertyPage* page);

  // The tab shows the icon when it is nonzero, and the title when it is not empty.
  CPropertyPage(WORD templateId, WORD iconId = 0);

  BOOL OnInitDialog() override;
  LRESULT OnNotify(int controlId, NMHDR* header) override;
  // The sheet reads the page's controls through OnOK; Cancel belongs to the sheet.
  void OnOK() override {}
  void OnCancel() override {}
  // True when the page's values are valid; the page stays open otherwise.
  virtual bool OnKillActive() { return true; }
  // True when the sheet may be cancelled.
  virtual bool OnQueryCancel() { return true; }

  const PROPSHEETPAGEA& GetRecord() const { return m_record; }
  void SetCenterSheet(bool center) { m_centerSheet = center; }
  void SetActivationCallback(ActivationCallback callback, void* argument);
  void SetConfirmedFlag(bool* confirmed) { m_confirmed = confirmed; }
  // The caption of the page's warnings: the application title.
  void SetMessageCaption(const std::string& caption) { m_messageCaption = caption; }

 protected:
  // The answer to the notification being handled, through DWLP_MSGRESULT.
  void SetMessageResult(LONG_PTR result);
  // Shows a warning of the string id over the sheet, captioned with the application title.
  void ShowWarning(UINT textId);
  // An edit's text as an unsigned decimal number; false when it is empty, not a number or above 32 bits.
  bool ReadNumber(int controlId, DWORD& value);
  void SetNumber(int controlId, DWORD value);
  bool IsChecked(int controlId);
  void SetChecked(int controlId, bool checked);

 private:
  static UINT CALLBACK PageCallback(HWND window, UINT message, PROPSHEETPAGEA* record);
  static INT_PTR CALLBACK PageProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  void CenterSheet();

  PROPSHEETPAGEA m_record = {};
  bool m_centerSheet = false;
  ActivationCallback m_activation = nullptr;
  void* m_activationArgument = nullptr;
  bool* m_confirmed = nullptr;
  std::string m_messageCaption;
};
