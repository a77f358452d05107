#pragma once
// The mail history, newest first, with the command that clears it. It remembers the mails it shows:
// the history may change while the menu is up, and a choice must not then jump to another mail.
#include <memory>
#include <vector>

#include "win/menus/CMailPopupMenu.h"

class CMailItem;

class CMailHistoryPopupMenu : public CMailPopupMenu {
 public:
  explicit CMailHistoryPopupMenu(CFavoriteInfo& store);
  ~CMailHistoryPopupMenu() override;

  UINT AddItems(UINT firstId) override;
  int GetListKind() const override;
  bool GetEditCommand(UINT& commandId, UINT& stringId) const override;

  // True when the history still holds, at `index`, the very mail the menu showed there.
  bool StillShows(std::size_t index) const;

 private:
  std::vector<std::unique_ptr<CMailItem>> m_shown;
};
