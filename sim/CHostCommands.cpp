#include "sim/CHostCommands.h"

#include "sim/Transcript.h"

int CHostCommands::Register(const std::string& description, int menuType, TovikCommandCallback command) {
  m_commands.push_back({description, menuType, command, nullptr});
  const int commandId = FirstCommandId + static_cast<int>(m_commands.size()) - 1;
  Say("TVA_RegisterCommand \"%s\" menu type %d -> %d", description.c_str(), menuType, commandId);
  return commandId;
}

int CHostCommands::Refuse(const std::string& description, int menuType) const {
  Say("TVA_RegisterCommand \"%s\" menu type %d refused -> 0", description.c_str(), menuType);
  return 0;
}

void CHostCommands::SetUpdateCallback(int commandId, TovikUpdateCallback update) {
  if (!IsPluginCommand(commandId)) return;
  m_commands[commandId - FirstCommandId].Update = update;
}

bool CHostCommands::IsPluginCommand(int commandId) const { return Find(commandId) != nullptr; }

const CHostCommands::Command* CHostCommands::Find(int commandId) const {
  const int index = commandId - FirstCommandId;
  return index >= 0 && index < static_cast<int>(m_commands.size()) ? &m_commands[index] : nullptr;
}

bool CHostCommands::Run(int commandId, HWND window) const {
  const Command* command = Find(commandId);
  if (command == nullptr || command->Callback == nullptr) return false;
  Say("command %d \"%s\"", commandId, command->Description.c_str());
  command->Callback(window, 0);
  return true;
}

void CHostCommands::UpdateMenu(HMENU menu, HWND window) const {
  for (int position = 0, count = GetMenuItemCount(menu); position < count; ++position) {
    const Command* command = Find(static_cast<int>(GetMenuItemID(menu, position)));
    if (command == nullptr || command->Update == nullptr) continue;
    const UINT state = command->Update(window, 0) == 1 ? MF_GRAYED : MF_ENABLED;
    EnableMenuItem(menu, position, MF_BYPOSITION | state);
  }
}
