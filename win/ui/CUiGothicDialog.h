#pragma once
// Base of every dialog and property page of the plug-in: a Japanese template's controls get the
// screen font "MS UI Gothic" instead of the template font.
#include "win/ui/CDialog.h"

class CUiGothicDialog : public CDialog {
 public:
  using CDialog::CDialog;
  BOOL OnInitDialog() override;
};
