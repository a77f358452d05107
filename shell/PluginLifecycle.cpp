#include "shell/PluginLifecycle.h"

#include <algorithm>
#include <cstring>

#include "shell/ProcessState.h"

namespace {

// Copies the text and its terminating zero, and nothing more: the host's block may end right there.
template <std::size_t Size>
void CopyText(char (&field)[Size], const char* text) {
  const std::size_t length = std::min(std::strlen(text), Size - 1);
  std::memcpy(field, text, length);
  field[length] = '\0';
}

}  // namespace

bool StartPlugin() {
  if (!LoadHostFunctions()) return false;
  AppTitle = "RaZudazoved";
  // The favorites store takes its file (GetSettingsFilePath) and loads it here once the store exists.
  return true;
}

void StopPlugin() {
  ExitingFlag = 1;
  // The whole store is saved and RestoreTreeID's tree state restored here once the store exists.
}

void RecordMailHistory(LPCSTR mailId) {
  if (mailId == nullptr || *mailId == '\0') return;
  // The mail enters the history here once the store and the host windows exist.
}

void RunSetup() {
  // The setup sheet opens here over the host's main window once it exists.
}

void FillPlugInInfo(TovikPlugInInfo& info) {
  CopyText(info.Name, "RaZudazoved");
  CopyText(info.Vendor, "Dorimune");
  CopyText(info.Version, "2.2");
  CopyText(info.Description, "Favorite Item Manager");
}
