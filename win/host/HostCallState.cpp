#include "win/host/HostCallState.h"

char SharedTextBuffer[SharedTextBufferSize];
std::atomic<int> OpenMailGuard{1};
std::atomic<int> ExitingFlag{0};
