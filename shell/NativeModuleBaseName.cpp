// Natively there is no plug-in module to name files after: the core sees the library's own name.
#include "shell/PluginPaths.h"

std::string GetModuleBaseName() { return "RaZudazoved"; }
