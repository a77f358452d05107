#pragma once
// The plug-in's commands in the host's menus.
#include <windows.h>

// TVC_OnMenuInit: registers the commands of the menu type with the host (once per process) and puts
// their items into the menu being built (every time). Types other than 0 to 3 change nothing.
void AddHostMenuCommands(HMENU menu, int menuType);
