#pragma once
// The small icons of a list view of favorites: the given icons in order, then the failure mark as an
// overlay. The list view shows them from Attach until Detach, which gives it its earlier images back.
#include <windows.h>
#include <commctrl.h>

#include <vector>

class CListViewIcons {
 public:
  // The overlay index of the failure mark, for INDEXTOOVERLAYMASK.
  static const int FailureOverlay = 1;

  CListViewIcons() = default;
  CListViewIcons(const CListViewIcons&) = delete;
  CListViewIcons& operator=(const CListViewIcons&) = delete;

  // The image index of each icon, -1 where one could not be made.
  std::vector<int> Attach(HWND listView, const std::vector<WORD>& iconIds);
  // Call it while the list view still exists.
  void Detach();

 private:
  HWND m_listView = nullptr;
  HIMAGELIST m_images = nullptr;
  HIMAGELIST m_previousImages = nullptr;
};
