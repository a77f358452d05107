#pragma once
// The plug-in module's instance handle: where dialogs, strings and icons are loaded from, and whose
// file name names the settings. DllMain sets it before anything else runs.
#include <windows.h>

HINSTANCE GetModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// An icon of the module at the size; shared, so that the system frees it however often it is asked for.
HICON LoadModuleIcon(WORD id, int size);
