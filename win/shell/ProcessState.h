#pragma once
// Process-wide state shared by the entry points and the host's commands.
#include "win/host/HostCallState.h"

// The plug-in's commands in the host's menus, in the order they are registered.
enum HostCommand {
  PopupFavoritesCommand,
  RegisterSelectedMailsCommand,
  DeleteSelectedMailsCommand,
  RegisterCurrentFolderCommand,
  DeleteCurrentFolderCommand,
  RegisterFolderTreeStateCommand,
  RegisterCurrentMailCommand,
  DeleteCurrentMailCommand,
  FindFavoriteCommand,
  HostCommandCount
};

// Registered with the host once per process; the identifier the host gave is kept for every menu build.
struct CommandRegistration {
  int Pending = 1;
  int CommandId = 0;
};
extern CommandRegistration CommandRegistrations[HostCommandCount];
