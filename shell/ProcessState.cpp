#include "shell/ProcessState.h"

std::string AppTitle;
char SharedTextBuffer[SharedTextBufferSize];
std::atomic<int> OpenMailGuard{1};
std::atomic<int> ExitingFlag{0};
CommandRegistration CommandRegistrations[HostCommandCount];

HINSTANCE GetModuleInstance() { return GetTovikGlobalData().GetModuleInstance(); }

CTovikMainWindow* GetMainWindow() { return GetTovikGlobalData().GetMainWindow(); }

bool LoadHostFunctions() { return GetTovikGlobalData().LoadHostFunctions(GetModuleHandleA(nullptr)); }

const HostFunctionTable& Host() { return GetTovikGlobalData().GetHostFunctions(); }
