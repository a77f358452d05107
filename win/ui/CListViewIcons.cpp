#include "win/ui/CListViewIcons.h"

#include "resources/resource.h"
#include "win/ui/ModuleInstance.h"

std::vector<int> CListViewIcons::Attach(HWND listView, const std::vector<WORD>& iconIds) {
  std::vector<int> indices(iconIds.size(), -1);
  m_images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, static_cast<int>(iconIds.size()) + 1, 0);
  if (m_images == nullptr) return indices;
  for (std::size_t icon = 0; icon < iconIds.size(); ++icon) {
    indices[icon] = ImageList_AddIcon(m_images, LoadModuleIcon(iconIds[icon], 16));
  }
  const int overlay = ImageList_AddIcon(m_images, LoadModuleIcon(IDI_FAILURE_OVERLAY, 16));
  if (overlay >= 0) ImageList_SetOverlayImage(m_images, overlay, FailureOverlay);
  m_listView = listView;
  m_previousImages = reinterpret_cast<HIMAGELIST>(
      SendMessageA(listView, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_images)));
  return indices;
}

void CListViewIcons::Detach() {
  if (m_images == nullptr) return;
  SendMessageA(m_listView, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_previousImages));
  ImageList_Destroy(m_images);
  m_images = nullptr;
}
