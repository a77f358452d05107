#pragma once
// Commands that plug-ins registered with TVA_RegisterCommand, and their update callbacks.
#include <windows.h>

#include <string>
#include <vector>

#include "hostapi/HostFunctionList.h"

class CHostCommands {
 public:
  // Identifiers of plug-in commands start here, above every command of the host's own menus.
  static const int FirstCommandId = 34000;

  int Register(const std::string& description, int menuType, TovikCommandCallback command);
  // A host that takes no more commands: says so, and answers 0.
  int Refuse(const std::string& description, int menuType) const;
  void SetUpdateCallback(int commandId, TovikUpdateCallback update);
  bool IsPluginCommand(int commandId) const;
  // Runs the command callback; false for an identifier no plug-in registered.
  bool Run(int commandId, HWND window) const;
  // Grays every plug-in item of the menu whose update callback answers 1, enables the others.
  void UpdateMenu(HMENU menu, HWND window) const;

 private:
  struct Command {
    std::string Description;
    int MenuType;
    TovikCommandCallback Callback;
    TovikUpdateCallback Update;
  };
  const Command* Find(int commandId) const;

  std::vector<Command> m_commands;
};
