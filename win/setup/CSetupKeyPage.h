#pragma once
// Setup page "Key": one hot key per favorites menu and one for the find dialog, typed into the system's
// hot-key control.
#include <cstdint>
#include <map>

#include "core/favorites/CHotKey.h"
#include "win/ui/CPropertyPage.h"

class CSetupKeyPage : public CPropertyPage {
 public:
  CSetupKeyPage();

  BOOL OnInitDialog() override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnKillActive() override;

  // The control's value (key code, modifier flags) of a hot key; a shift code the host never sends
  // shows as no key.
  static WORD ToControl(const CHotKey& key);
  // The hot key of the control's value; false for Alt with Ctrl or Shift, which the host cannot pass on.
  static bool FromControl(WORD value, CHotKey& key);

  std::map<std::int32_t, CHotKey> HotKeys;  // by menu kind, 1 to 6, and the find dialog's, 7

 private:
  int SelectedKind();
  // Stores the control's key into the record of the kind shown so far; false (with a warning) when unusable.
  bool StoreShownKey();
  void ShowKey(int kind);

  int m_shownKind = 0;
};
