#pragma once
#include <memory>

#include "core/favorites/CFavoriteItem.h"
#include "core/favorites/ScreenRect.h"

// A placement of the host's main window.
class CWindowStateItem : public CFavoriteItem {
 public:
  bool IsValid() const override;
  std::unique_ptr<CFavoriteItem> Clone() const override;
  // Placements are the same when their rectangles are.
  bool IsSameAs(const CWindowStateItem& other) const { return WindowRect == other.WindowRect; }

  ScreenRect WindowRect;  // all -1: maximized; all -2: minimized
};
