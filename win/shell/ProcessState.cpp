#include "win/shell/ProcessState.h"

CommandRegistration CommandRegistrations[HostCommandCount];
