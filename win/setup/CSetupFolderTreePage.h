#pragma once
// Setup page "Folder tree": folders the host has not read yet, and the depth limit for closed folders.
#include <cstdint>

#include "win/ui/CPropertyPage.h"

class CSetupFolderTreePage : public CPropertyPage {
 public:
  CSetupFolderTreePage();
  // Takes the stored values; a depth above the limit shows as the limit, a negative one as no limit.
  void SetValues(bool saveTreeComplete, bool restoreTreeComplete, std::int32_t closedDepth);

  BOOL OnInitDialog() override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnKillActive() override;
  void OnOK() override;

  static constexpr DWORD MaxDepth = 100;

  bool SaveTreeComplete = false;
  bool RestoreTreeComplete = false;
  std::int32_t FolderTreeClosedDepth = -1;  // -1: no limit

 private:
  void EnableDepth();
};
