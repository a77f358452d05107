#pragma once
// Setup page "Mail": the mail title length, the folder sub-menus and their folder names, the size of
// the mail history.
#include <cstdint>

#include "win/ui/CPropertyPage.h"

class CSetupMailPage : public CPropertyPage {
 public:
  CSetupMailPage();
  // Takes the stored values, made valid: a hand-edited file may hold anything.
  void SetValues(bool mailFolder, std::int32_t dispMode, std::uint32_t historyNum, std::uint32_t titleLength);

  BOOL OnInitDialog() override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnKillActive() override;
  void OnOK() override;

  static constexpr DWORD MaxHistoryNum = 300;
  static constexpr DWORD MinTitleLength = 20;
  static constexpr DWORD MaxTitleLength = 500;

  bool MailFolder = false;
  std::int32_t MailFolderDispMode = 0;
  std::uint32_t MailHistoryNum = 20;
  std::uint32_t MailTitleLength = 60;

 private:
  // Fills the folder name choices that fit the sub-menu box and selects the mode's.
  void FillDispModes();
  void AddDispMode(UINT textId, std::int32_t mode);
};
