#include "win/setup/CSetupAboutPage.h"

#include "resources/resource.h"

CSetupAboutPage::CSetupAboutPage(const std::string& version) : CPropertyPage(IDD_SETUP_ABOUT), m_version(version) {}

BOOL CSetupAboutPage::OnInitDialog() {
  if (CWindow* label = GetItem(IDC_VERSION_LABEL)) label->SetWindowText(label->GetWindowText() + m_version);
  return CPropertyPage::OnInitDialog();
}
