#include "sim/HostCalls.h"

#include "hostapi/HostFunctionList.h"
#include "sim/ScriptText.h"

namespace {

template <class Function>
Function Lookup(const std::string& name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(nullptr), ("TVA_" + name).c_str())));
}

std::string Text(LPCSTR text) { return text ? text : "(null)"; }

}  // namespace

bool CallHostFunction(const std::string& name, const std::vector<std::string>& arguments,
                      std::vector<std::string>& results, std::string& error) {
  const size_t count = arguments.size();
  auto argument = [&](size_t i) { return i < count ? arguments[i].c_str() : ""; };
  auto number = [&](size_t i) {
    int value = 0;
    ParseNumber(argument(i), value);
    return value;
  };
  char buffer[1024] = "";
  results.clear();
  if (name == "GetDataFolder") {
    results = {Text(Lookup<TVA_GetDataFolder_t>(name)())};
  } else if (name == "GetCurrentMailBox") {
    results = {Text(Lookup<TVA_GetCurrentMailBox_t>(name)())};
  } else if (name == "GetCurrentFolder") {
    results = {Text(Lookup<TVA_GetCurrentFolder_t>(name)())};
  } else if (name == "GetCurrentMail") {
    results = {Text(Lookup<TVA_GetCurrentMail_t>(name)())};
  } else if (name == "GetFolderDisplayName" && count == 1) {
    results = {Text(Lookup<TVA_GetFolderDisplayName_t>(name)(argument(0)))};
  } else if (name == "SetCurrentFolder" && count == 1) {
    results = {std::to_string(Lookup<TVA_SetCurrentFolder_t>(name)(argument(0)))};
  } else if (name == "SetCurrentMail" && count == 1) {
    results = {std::to_string(Lookup<TVA_SetCurrentMail_t>(name)(argument(0)))};
  } else if (name == "SetSel" && count == 2) {
    results = {std::to_string(Lookup<TVA_SetSel_t>(name)(argument(0), number(1)))};
  } else if (name == "GetStatus" && count == 1) {
    results = {std::to_string(Lookup<TVA_GetStatus_t>(name)(argument(0)))};
  } else if (name == "SetMessageText" && count == 1) {
    Lookup<TVA_SetMessageText_t>(name)(nullptr, argument(0));
  } else if (name == "GetNextMail" && count == 2) {
    results = {std::to_string(Lookup<TVA_GetNextMail_t>(name)(number(0), buffer, sizeof buffer, number(1))), buffer};
  } else if (name == "GetCharSet" && count == 1) {
    results = {std::to_string(Lookup<TVA_GetCharSet_t>(name)(argument(0), buffer, sizeof buffer)), buffer};
  } else if (name == "GetSpecifiedHeader" && count == 1) {
    results = {std::to_string(Lookup<TVA_GetSpecifiedHeader_t>(name)(argument(0), buffer, sizeof buffer)), buffer};
  } else {
    error = "no host function \"" + name + "\" taking " + std::to_string(count) + " argument(s) can be called";
    return false;
  }
  return true;
}
