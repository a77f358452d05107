#include "win/menus/CFavoriteItemPopupMenu.h"

#include <utility>

#include "core/favorites/CFavoriteInfo.h"
#include "core/menutext/MenuText.h"
#include "win/ui/CResourceTool.h"

UINT CFavoriteItemPopupMenu::Build(UINT firstId) {
  const UINT added = AddItems(firstId);
  if (m_showRegister || m_showEdit || m_showDelete) AppendSeparator();
  if (m_showRegister) AppendRegisterCommand();
  if (m_showDelete) AppendDeleteCommand();
  if (m_showEdit) AppendEditCommand();
  return added;
}

UINT CFavoriteItemPopupMenu::AddItems(UINT firstId) {
  const CFavoriteItemListBase* list = GetStore().GetList(GetListKind());
  if (list == nullptr) return 0;
  const std::size_t count = list->GetCount();
  for (std::size_t index = 0; index < count; ++index) {
    const CFavoriteItem& item = *list->GetAt(index);
    std::string text = ItemText(item);
    const std::string suffix = MenuSafeText(GetItemSuffix(item), MaxTextLength);
    if (!suffix.empty()) text.append(1, '\t').append(suffix);
    AppendNumberedItem(firstId + static_cast<UINT>(index), text);
  }
  return static_cast<UINT>(count);
}

bool CFavoriteItemPopupMenu::GetEditCommand(UINT&, UINT&) const { return true; }

bool CFavoriteItemPopupMenu::GetRegisterCommand(UINT&, UINT&) const { return true; }

bool CFavoriteItemPopupMenu::GetDeleteCommand(UINT&, UINT&) const { return true; }

void CFavoriteItemPopupMenu::AppendEditCommand() {
  UINT commandId = 0, stringId = 0;
  const bool enabled = GetEditCommand(commandId, stringId);
  AppendCommand(commandId, stringId, enabled);
}

void CFavoriteItemPopupMenu::AppendRegisterCommand() {
  UINT commandId = 0, stringId = 0;
  const bool enabled = GetRegisterCommand(commandId, stringId);
  AppendCommand(commandId, stringId, enabled && m_registerAllowed);
}

void CFavoriteItemPopupMenu::AppendDeleteCommand() {
  UINT commandId = 0, stringId = 0;
  const bool enabled = GetDeleteCommand(commandId, stringId);
  AppendCommand(commandId, stringId, enabled && m_deleteAllowed);
}

std::string CFavoriteItemPopupMenu::GetItemSuffix(const CFavoriteItem&) const { return std::string(); }

std::string CFavoriteItemPopupMenu::ItemText(const CFavoriteItem& item) {
  std::string text = MenuSafeText(item.GetDisplayName(), MaxTextLength);
  const bool builtTitle = item.DisplayName.empty();
  if (builtTitle) return EscapeAmpersands(std::move(text));
  return text;
}

void CFavoriteItemPopupMenu::AppendCommand(UINT commandId, UINT stringId, bool enabled) {
  if (commandId == 0 || stringId == 0) return;
  AppendItem(commandId, CResourceTool::LoadString(stringId), enabled);
}
