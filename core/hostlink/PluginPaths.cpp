#include "core/hostlink/PluginPaths.h"

#include "core/hostlink/CHostLink.h"

std::string GetPluginFolder() {
  const char* dataFolder = Host().GetDataFolder ? Host().GetDataFolder() : nullptr;
  return std::string(dataFolder ? dataFolder : "") + "Plugins";
}

std::string GetSettingsFilePath() { return GetPluginFolder() + "\\" + GetModuleBaseName() + ".ini"; }
