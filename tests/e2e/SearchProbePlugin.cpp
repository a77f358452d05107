// A plug-in for the end-to-end tests of the mail search: it runs the plug-in's own
// FindMailInCurrentFolder (linked from the plug-in's libraries) inside the simulated host, as the
// jump to a favorite mail will. The script puts the conditions on the status bar, as
// "Name=Value|Name=Value" with a ` for each double quote (a script word cannot hold one), and
// presses F3; F4 does the same and presses Escape (for real, with SendInput) when the search has
// selected its third mail. "<its own path without .dll>.log" gets a line "opened <mail id>" for
// every mail the search selects and "search <result> <current mail>" when it ends.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "hostapi/PluginExports.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/MailSearch.h"

namespace {

HMODULE Module = nullptr;
bool Searching = false;
int SelectionsUntilEscape = 0;

void Record(const std::string& line) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(Module, path, MAX_PATH);
  if (length < 4 || length >= MAX_PATH) return;
  std::snprintf(path + length - 3, 4, "log");
  if (FILE* log = std::fopen(path, "a")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
}

std::vector<MailCondition> ConditionsOnTheStatusBar() {
  CTovikMainWindow* main = GetMainWindow();
  const std::string text = main && main->GetStatusWindow() ? main->GetStatusWindow()->GetWindowText() : "";
  std::vector<MailCondition> conditions;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('|', start), text.size());
    std::string condition = text.substr(start, end - start);
    std::replace(condition.begin(), condition.end(), '`', '"');
    const std::size_t equals = condition.find('=');
    conditions.push_back(
        {condition.substr(0, equals), equals == std::string::npos ? "" : condition.substr(equals + 1)});
    start = end + 1;
  }
  return conditions;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  Module = instance;
  return TRUE;
}

extern "C" int WINAPI TVC_OnKeyDispatch(HWND, int keyCode, int shiftCode) {
  if ((keyCode != VK_F3 && keyCode != VK_F4) || shiftCode != 0 || !LoadHostFunctions()) return 0;
  SelectionsUntilEscape = keyCode == VK_F4 ? 3 : 0;
  Searching = true;
  const int result = FindMailInCurrentFolder(ConditionsOnTheStatusBar(), "Now searching...", nullptr);
  Searching = false;
  if (keyCode == VK_F4) uiauto::SetKeyDown(VK_ESCAPE, false);
  Record("search " + std::to_string(result) + " " + HostText(Host().GetCurrentMail()));
  return 1;
}

extern "C" int WINAPI TVC_OnOpenMail(LPCSTR mailId) {
  if (!Searching) return 0;
  Record(std::string("opened ") + (mailId ? mailId : ""));
  if (SelectionsUntilEscape > 0 && --SelectionsUntilEscape == 0) uiauto::SetKeyDown(VK_ESCAPE, true);
  return 0;
}
