#pragma once
#include <string>

// This library's own file name without folder and extension ("RaZudazoved").
std::string GetModuleBaseName();
// The host's data folder + "Plugins" (the data folder text already ends in a separator).
std::string GetPluginFolder();
// Plug-in folder + "\" + module base name + ".ini".
std::string GetSettingsFilePath();
