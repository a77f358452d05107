#include "win/setup/CSetupDialog.h"

#include "resources/resource.h"
#include "win/ui/CResourceTool.h"

namespace {

// The page that was active when the sheet last closed, for the next opening.
int lastActivePage = -1;

}  // namespace

CSetupDialog::CSetupDialog(CWindow* owner, CFavoriteInfo& store, const std::string& messageCaption, const std::string& version)
    : CPropertySheet(owner, CResourceTool::LoadString(IDS_SETUP_CAPTION), IDI_APPLICATION_MARK), m_store(store), m_about(version) {
  for (CPropertyPage* page : {static_cast<CPropertyPage*>(&m_overall), static_cast<CPropertyPage*>(&m_mail),
                              static_cast<CPropertyPage*>(&m_folderTree), static_cast<CPropertyPage*>(&m_key),
                              static_cast<CPropertyPage*>(&m_about)}) {
    page->SetMessageCaption(messageCaption);
  }
}

INT_PTR CSetupDialog::Run() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  GivePagesTheirValues();
  AddPage(m_overall);
  AddPage(m_mail);
  AddPage(m_folderTree);
  AddPage(m_key);
  AddPage(m_about);
  if (lastActivePage >= 0) SetStartPage(lastActivePage);
  const INT_PTR result = DoModal();
  lastActivePage = GetActiveIndex();
  if (result == 1) CopyValuesBack();
  return result;
}

void CSetupDialog::GivePagesTheirValues() {
  m_overall.FolderTrees = &m_store.FolderTrees;
  m_overall.RestoreTreeID = m_store.RestoreTreeID;
  m_overall.SetFocusAfterJump = m_store.SetFocusAfterJump;
  m_mail.SetValues(m_store.MailFolder, m_store.MailFolderDispMode, m_store.MailHistoryNum, m_store.MailTitleLength);
  m_folderTree.SetValues(m_store.SaveTreeComplete, m_store.RestoreTreeComplete, m_store.FolderTreeClosedDepth);
  m_key.HotKeys = m_store.HotKeys;
}

void CSetupDialog::CopyValuesBack() {
  m_store.RestoreTreeID = m_overall.RestoreTreeID;
  m_store.SetFocusAfterJump = m_overall.SetFocusAfterJump;
  m_store.MailFolder = m_mail.MailFolder;
  m_store.MailFolderDispMode = m_mail.MailFolderDispMode;
  m_store.MailHistoryNum = m_mail.MailHistoryNum;
  m_store.History.SetMaxCount(m_mail.MailHistoryNum);
  m_store.MailTitleLength = m_mail.MailTitleLength;
  m_store.SaveTreeComplete = m_folderTree.SaveTreeComplete;
  m_store.RestoreTreeComplete = m_folderTree.RestoreTreeComplete;
  m_store.FolderTreeClosedDepth = m_folderTree.FolderTreeClosedDepth;
  m_store.HotKeys = m_key.HotKeys;
}
