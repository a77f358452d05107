#pragma once
// Helper threads of the plug-in. Each holds a reference of its own to the plug-in module, so that a
// host that lets the plug-in go while such a thread still runs unloads it only once the thread ends.
#include <windows.h>

typedef unsigned(__stdcall* ModuleThreadBody)(void* parameter);

// Starts `body` on a thread of its own; false, with nothing started, when that cannot be done.
// The body ends with EndModuleThread, never by returning.
bool StartModuleThread(ModuleThreadBody body, void* parameter);

// Gives the calling thread's module reference back and ends the thread (unloading the plug-in when
// the host has let it go meanwhile); no code of the plug-in runs after it.
[[noreturn]] void EndModuleThread();
