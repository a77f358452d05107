#pragma once
// A favorites menu: built afresh over the store every time it is shown, then shown at the host's
// folder pane; the chosen command id goes back to the caller.
#include <map>
#include <memory>
#include <string>

#include "win/menus/CPopupMenu.h"

class CFavoriteInfo;

class CFavoritePopupMenu : public CPopupMenu {
 public:
  explicit CFavoritePopupMenu(CFavoriteInfo& store);
  // A sub-menu of `parent`, over the parent's store.
  explicit CFavoritePopupMenu(const CFavoritePopupMenu* parent);

  // Fills the menu; its favorites take the ids from `firstId` up. The number of ids they took.
  virtual UINT Build(UINT firstId) = 0;
  // Builds and shows the menu; the chosen command id, 0 when nothing was chosen.
  virtual UINT Popup();
  // Screen point of the menu's top-left corner: that of the folder pane's parent.
  virtual POINT GetPopupPosition();

  // Appends an enabled favorite, numbered "&1 ".."&9 ", then "&0 ", unless its text marks an
  // accelerator of its own; the number advances only for a numbered item that went in.
  BOOL AppendNumberedItem(UINT commandId, const std::string& text);
  void SetAccelCounter(UINT counter) { m_accelCounter = counter; }

  // Longest text of an item, in bytes: strangers' subjects may run to thousands.
  static constexpr std::size_t MaxTextLength = 256;

 protected:
  CFavoriteInfo& GetStore() const { return m_store; }
  // Sub-menus by key; they live and die with this menu.
  std::map<std::string, std::unique_ptr<CFavoritePopupMenu>> m_subMenus;

 private:
  CFavoriteInfo& m_store;
  UINT m_accelCounter = 1;
  // The text of the numbered item being appended, kept for the next: a list of favorites is made
  // without allocating a text for each of them.
  std::string m_numberedText;
};
