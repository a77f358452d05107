#pragma once
// Setup page "Overall": the folder-tree state restored when the host closes, the focus after a jump.
#include <cstdint>

#include "core/favorites/CFolderTreeItemList.h"
#include "win/ui/CPropertyPage.h"

class CSetupOverallPage : public CPropertyPage {
 public:
  CSetupOverallPage();
  BOOL OnInitDialog() override;
  void OnOK() override;

  const CFolderTreeItemList* FolderTrees = nullptr;  // not owned
  std::int32_t RestoreTreeID = 0;
  bool SetFocusAfterJump = true;

 private:
  void AddChoice(const std::string& text, std::int32_t treeId);
};
