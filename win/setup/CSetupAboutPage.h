#pragma once
// Setup page "Version Information": the plug-in's name and version; it edits nothing.
#include <string>

#include "win/ui/CPropertyPage.h"

class CSetupAboutPage : public CPropertyPage {
 public:
  explicit CSetupAboutPage(const std::string& version);
  BOOL OnInitDialog() override;

 private:
  std::string m_version;
};
