#pragma once
// The plug-in's setup: five pages over a copy of the settings, which reach the store only after OK.
#include <string>

#include "core/favorites/CFavoriteInfo.h"
#include "win/setup/CSetupAboutPage.h"
#include "win/setup/CSetupFolderTreePage.h"
#include "win/setup/CSetupKeyPage.h"
#include "win/setup/CSetupMailPage.h"
#include "win/setup/CSetupOverallPage.h"
#include "win/ui/CPropertySheet.h"

class CSetupDialog : public CPropertySheet {
 public:
  // `messageCaption` captions the pages' warnings; `version` is shown on the last page.
  CSetupDialog(CWindow* owner, CFavoriteInfo& store, const std::string& messageCaption, const std::string& version);

  // Shows the sheet, starting on the page that was active when it last closed; 1 when the user
  // confirmed it, and the store then holds the new values.
  virtual INT_PTR Run();

 private:
  void GivePagesTheirValues();
  void CopyValuesBack();

  CFavoriteInfo& m_store;
  CSetupOverallPage m_overall;
  CSetupMailPage m_mail;
  CSetupFolderTreePage m_folderTree;
  CSetupKeyPage m_key;
  CSetupAboutPage m_about;
};
