#include "core/favorites/CWindowStateItem.h"

bool CWindowStateItem::IsValid() const {
  if (DisplayName.empty()) return false;
  const ScreenRect& rect = WindowRect;
  return rect.IsAll(-1) || rect.IsAll(-2) || (rect.Left < rect.Right && rect.Top < rect.Bottom);
}

std::unique_ptr<CFavoriteItem> CWindowStateItem::Clone() const { return std::make_unique<CWindowStateItem>(*this); }
