#pragma once
// The plug-in module's instance handle: where dialogs, strings and icons are loaded from, and whose
// file name names the settings. DllMain sets it before anything else runs.
#include <windows.h>

HINSTANCE GetModuleInstance();
void SetModuleInstance(HINSTANCE instance);
