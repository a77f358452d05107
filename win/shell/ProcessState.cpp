#include "win/shell/ProcessState.h"

char SharedTextBuffer[SharedTextBufferSize];
std::atomic<int> OpenMailGuard{1};
std::atomic<int> ExitingFlag{0};
CommandRegistration CommandRegistrations[HostCommandCount];
