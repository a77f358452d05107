#pragma once
#include <string>

#include "core/hostlink/CHostLink.h"

// The host's data folder + "Plugins" (the data folder text already ends in a separator).
std::string GetPluginFolder();
// Plug-in folder + "\" + module base name + ".ini".
std::string GetSettingsFilePath();
