#pragma once
// A modal dialog from a template in the plug-in's resources.
#include <map>
#include <memory>
#include <string>

#include "win/ui/CWindow.h"

class CDialog : public CWindow {
 public:
  CDialog() = default;
  CDialog(CWindow* parent, WORD templateId) { SetTemplate(parent, templateId); }

  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnClose() override;
  void OnActivate(UINT state, CWindow* other, BOOL minimized) override;

  // True lets the dialog manager give the focus to the first control.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  void SetTemplate(CWindow* parent, WORD templateId);
  // The value passed to EndDialog (1 OK, 2 Cancel); -1 when the dialog could not be made.
  INT_PTR DoModal();
  // The wrapper of a child control, kept until the dialog object dies; none for an unknown id.
  CWindow* GetItem(int controlId);
  // Gives every control the dialog's font with another face; the dialog itself keeps its font.
  void SetControlFont(const std::string& faceName);

  // The procedure of every dialog and property page of the plug-in.
  static INT_PTR CALLBACK DialogProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  std::map<int, std::unique_ptr<CWindow>> m_controls;
  CWindow* m_parent = nullptr;
  WORD m_templateId = 0;
  HWND m_savedFocus = nullptr;
};
