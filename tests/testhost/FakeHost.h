#pragma once
// A host whose TVA_ functions are controllable fakes. Any executable that links FakeHost.cpp and the
// generated .def exports all 54 host functions, so the plug-in's lookup finds them in the main module.
// What no Windows test drives (commands, the mail walk, headers) the simulated host plays for the
// end-to-end tests; here it answers as a host that has none.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hostapi/HostFunctionList.h"

struct FakeMail {
  std::string Id;
  int Status = 0;
  std::string CharSet;
  int CodePage = 0;
};

struct FakeHostState {
  std::string DataFolder = "C:\\TovikData\\";
  std::string CurrentMailBox;
  std::string CurrentFolder;
  std::string CurrentMail;
  std::map<std::string, std::string> FolderDisplayNames;  // every folder the host knows
  std::vector<FakeMail> Mails;                            // the current folder's mail list, in order

  BOOL WindowHandlesResult = TRUE;
  HWND MainFrame = nullptr;
  HWND FolderTree = nullptr;
  HWND MailList = nullptr;
  HWND MessageView = nullptr;
  HWND StatusBar = nullptr;  // when set, TVA_SetMessageText shows its text there, as the host does

  // Filled from any thread (the plug-in's helper threads call the host too); read them while no
  // helper thread runs.
  std::vector<std::string> MessageTexts;  // every TVA_SetMessageText, in order
  std::vector<std::string> Calls;         // name of every TVA_ function called, in order

  // Runs after TVA_SetCurrentMail has selected a mail (a real host calls TVC_OnOpenMail there).
  std::function<void(const std::string& mailId)> OnMailSelected;
};

// The fake host functions themselves, for tests that compare addresses.
#define FAKE_DECLARE_HOST_FUNCTION(name, result, parameters) extern "C" result WINAPI TVA_##name parameters;
TOVIK_CALLED_HOST_FUNCTIONS(FAKE_DECLARE_HOST_FUNCTION)
#undef FAKE_DECLARE_HOST_FUNCTION

// The one fake host of the process; ResetFakeHost restores its defaults.
FakeHostState& FakeHost();
void ResetFakeHost();
