#include "tests/testhost/FakeHost.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

FakeHostState& FakeHost() {
  static FakeHostState state;
  return state;
}

void ResetFakeHost() { FakeHost() = FakeHostState(); }

namespace {

std::mutex recordLock;

void Record(const char* name) {
  std::lock_guard<std::mutex> lock(recordLock);
  FakeHost().Calls.push_back(name);
}

int CopyOut(const std::string& text, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const int length = static_cast<int>(std::min<size_t>(text.size(), static_cast<size_t>(size - 1)));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length;
}

FakeMail* FindMail(const char* id) {
  if (id == nullptr) return nullptr;
  auto& mails = FakeHost().Mails;
  auto found = std::find_if(mails.begin(), mails.end(), [&](const FakeMail& m) { return m.Id == id; });
  return found == mails.end() ? nullptr : &*found;
}

}  // namespace

extern "C" {

BOOL WINAPI TVA_GetWindowHandles(HWND* mainFrame, HWND* folderTree, HWND* mailList, HWND* messageView) {
  Record("GetWindowHandles");
  FakeHostState& host = FakeHost();
  if (mainFrame) *mainFrame = host.MainFrame;
  if (folderTree) *folderTree = host.FolderTree;
  if (mailList) *mailList = host.MailList;
  if (messageView) *messageView = host.MessageView;
  return host.WindowHandlesResult;
}

int WINAPI TVA_RegisterCommand(LPCSTR, int, TovikCommandCallback) {
  Record("RegisterCommand");
  return 0;
}

void WINAPI TVA_RegisterUICallback(int, TovikUpdateCallback) { Record("RegisterUICallback"); }

LPCSTR WINAPI TVA_GetDataFolder(void) {
  Record("GetDataFolder");
  return FakeHost().DataFolder.c_str();
}

LPCSTR WINAPI TVA_GetCurrentMailBox(void) {
  Record("GetCurrentMailBox");
  return FakeHost().CurrentMailBox.c_str();
}

LPCSTR WINAPI TVA_GetCurrentFolder(void) {
  Record("GetCurrentFolder");
  return FakeHost().CurrentFolder.c_str();
}

BOOL WINAPI TVA_SetCurrentFolder(LPCSTR folderId) {
  Record("SetCurrentFolder");
  FakeHostState& host = FakeHost();
  if (folderId == nullptr || host.FolderDisplayNames.count(folderId) == 0) return FALSE;
  host.CurrentFolder = folderId;
  return TRUE;
}

LPCSTR WINAPI TVA_GetFolderDisplayName(LPCSTR folderId) {
  Record("GetFolderDisplayName");
  static const std::string none;
  const auto& names = FakeHost().FolderDisplayNames;
  auto found = folderId ? names.find(folderId) : names.end();
  return found == names.end() ? none.c_str() : found->second.c_str();
}

void WINAPI TVA_SetMessageText(HWND, LPCSTR text) {
  Record("SetMessageText");
  {
    std::lock_guard<std::mutex> lock(recordLock);
    FakeHost().MessageTexts.push_back(text ? text : "");
  }
  if (HWND statusBar = FakeHost().StatusBar) {
    SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text ? text : ""));
  }
}

LPCSTR WINAPI TVA_GetCurrentMail(void) {
  Record("GetCurrentMail");
  return FakeHost().CurrentMail.c_str();
}

BOOL WINAPI TVA_SetCurrentMail(LPCSTR mailId) {
  Record("SetCurrentMail");
  FakeHostState& host = FakeHost();
  FakeMail* mail = FindMail(mailId);
  host.CurrentMail = mail ? mail->Id : std::string();
  if (mail && host.OnMailSelected) host.OnMailSelected(host.CurrentMail);
  return mail != nullptr;
}

int WINAPI TVA_GetNextMail(int, LPSTR, int, int) {
  Record("GetNextMail");
  return -1;
}

BOOL WINAPI TVA_SetSel(LPCSTR, int) {
  Record("SetSel");
  return FALSE;
}

int WINAPI TVA_GetStatus(LPCSTR mailId) {
  Record("GetStatus");
  FakeMail* mail = FindMail(mailId);
  return mail ? mail->Status : 0;
}

int WINAPI TVA_GetCharSet(LPCSTR mailId, LPSTR buffer, int bufferSize) {
  Record("GetCharSet");
  FakeMail* mail = FindMail(mailId);
  if (mail == nullptr) return -1;
  CopyOut(mail->CharSet, buffer, bufferSize);
  return mail->CodePage;
}

int WINAPI TVA_GetSpecifiedHeader(LPCSTR, LPSTR buffer, int bufferSize) {
  Record("GetSpecifiedHeader");
  return CopyOut("", buffer, bufferSize);
}

// The functions the plug-in only looks up: present, harmless, counted.
#define FAKE_OTHER_HOST_FUNCTION(name) \
  int WINAPI TVA_##name(void) {        \
    Record(#name);                     \
    return 0;                          \
  }
TOVIK_OTHER_HOST_FUNCTIONS(FAKE_OTHER_HOST_FUNCTION)
#undef FAKE_OTHER_HOST_FUNCTION

}  // extern "C"
