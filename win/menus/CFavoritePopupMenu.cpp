#include "win/menus/CFavoritePopupMenu.h"

#include "core/menutext/MenuText.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"
#include "win/ui/CWaitCursor.h"

CFavoritePopupMenu::CFavoritePopupMenu(CFavoriteInfo& store) : m_store(store) {}

CFavoritePopupMenu::CFavoritePopupMenu(const CFavoritePopupMenu* parent) : m_store(parent->m_store) {}

UINT CFavoritePopupMenu::Popup() {
  CTovikMainWindow* main = GetMainWindow();
  CWindow* status = main ? main->GetStatusWindow() : nullptr;
  if (status == nullptr) return 0;
  CWaitCursor waiting;
  Build(1);
  waiting.Restore();
  const POINT position = GetPopupPosition();
  return static_cast<UINT>(Track(position.x, position.y, *status));
}

POINT CFavoritePopupMenu::GetPopupPosition() {
  CWindow* paneParent = GetTreePaneParent();
  if (paneParent == nullptr) return POINT{0, 0};
  const RECT rect = paneParent->GetWindowRect();
  return POINT{rect.left, rect.top};
}

BOOL CFavoritePopupMenu::AppendNumberedItem(UINT commandId, const std::string& text) {
  if (HasAccelerator(text)) return AppendItem(commandId, text, true);
  m_numberedText.assign(AcceleratorPrefix(m_accelCounter)).append(text);
  const BOOL appended = AppendItem(commandId, m_numberedText, true);
  if (appended) ++m_accelCounter;
  return appended;
}
