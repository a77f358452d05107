#pragma once
// Process-wide state shared by the entry points, commands and actions. Everything runs on the host's
// user-interface thread; the flags are atomic because the short-lived helper threads read them.
#include <atomic>
#include <string>

// Receives header values and mail identifiers from the host; always handed over with its size.
constexpr int SharedTextBufferSize = 1024;
extern char SharedTextBuffer[SharedTextBufferSize];

// 1 = TVC_OnOpenMail may record; 0 while a recording or a history jump runs.
extern std::atomic<int> OpenMailGuard;
// Set to 1 by TVC_OnExit.
extern std::atomic<int> ExitingFlag;

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
  HostCommandCount
};

// Registered with the host once per process; the identifier the host gave is kept for every menu build.
struct CommandRegistration {
  int Pending = 1;
  int CommandId = 0;
};
extern CommandRegistration CommandRegistrations[HostCommandCount];

