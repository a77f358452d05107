// The host functions that plug-ins look up by name in the host's executable (exported by the .def
// that the build writes from shell/HostFunctionList.h).
#include <windows.h>

#include <cstring>
#include <string>

#include "hostapi/HostFunctionList.h"
#include "sim/CMainFrame.h"
#include "sim/MailText.h"

namespace {

// Texts handed out stay valid until the same function is called again, unless the host's faults
// answer harsher.
LPCSTR Keep(std::string& kept, const std::string& text) { return TheHost().Faults().AnswerText(kept, text); }

std::string TextOf(LPCSTR text, const char* function) { return TheHost().Faults().TakeText(text, function, false); }

// Copies as much as fits, always ending with a zero byte; returns the bytes copied.
int CopyOut(const std::string& text, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const int length = static_cast<int>(text.size() < static_cast<size_t>(size) ? text.size() : size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length;
}

const SimMail* FindMail(LPCSTR mailId, const char* function, SimFolder** folderOut = nullptr) {
  SimFolder* folder = nullptr;
  size_t position = 0;
  if (!TheHost().Store().FindMail(TextOf(mailId, function), folder, position)) return nullptr;
  if (folderOut) *folderOut = folder;
  return &folder->Mails[position];
}

}  // namespace

extern "C" {

BOOL WINAPI TVA_GetWindowHandles(HWND* mainFrame, HWND* folderTree, HWND* mailList,
                                                       HWND* messageView) {
  CMainFrame& host = TheHost();
  if (host.Faults().IsOn(HostMode::NoWindowHandles)) return FALSE;
  if (mainFrame) *mainFrame = host.Windows().Frame();
  if (folderTree) *folderTree = host.Windows().Tree();
  if (mailList) *mailList = host.Windows().List();
  if (messageView) *messageView = host.Faults().IsOn(HostMode::NoMessageView) ? nullptr : host.Windows().View();
  return host.IsOpen();
}

int WINAPI TVA_RegisterCommand(LPCSTR description, int menuType, TovikCommandCallback command) {
  const std::string text = TextOf(description, "TVA_RegisterCommand");
  if (TheHost().Faults().IsOn(HostMode::RefuseCommands)) return TheHost().Commands().Refuse(text, menuType);
  return TheHost().Commands().Register(text, menuType, command);
}

void WINAPI TVA_RegisterUICallback(int commandId, TovikUpdateCallback update) {
  TheHost().Commands().SetUpdateCallback(commandId, update);
}

LPCSTR WINAPI TVA_GetDataFolder(void) {
  static std::string kept;
  return Keep(kept, TheHost().Store().DataFolder());
}

LPCSTR WINAPI TVA_GetCurrentMailBox(void) {
  static std::string kept;
  return Keep(kept, TheHost().Mails().CurrentMailboxId());
}

LPCSTR WINAPI TVA_GetCurrentFolder(void) {
  static std::string kept;
  const bool asMailbox = TheHost().Faults().IsOn(HostMode::FolderAsMailbox);
  return Keep(kept, asMailbox ? TheHost().Mails().CurrentMailboxId() : TheHost().Mails().CurrentFolderId());
}

BOOL WINAPI TVA_SetCurrentFolder(LPCSTR folderId) {
  const std::string id = TextOf(folderId, "TVA_SetCurrentFolder");
  if (!TheHost().Mails().SelectFolder(id)) return FALSE;
  TheHost().Faults().FolderEntered(id);
  return TRUE;
}

LPCSTR WINAPI TVA_GetFolderDisplayName(LPCSTR folderId) {
  static std::string kept;
  const std::string id = TheHost().Faults().TakeText(folderId, "TVA_GetFolderDisplayName", true);
  const SimFolder* folder = TheHost().Store().FindFolder(id);
  return Keep(kept, folder ? CMailStore::DisplayName(*folder) : std::string());
}

void WINAPI TVA_SetMessageText(HWND, LPCSTR text) {
  TheHost().Windows().SetStatusText(TextOf(text, "TVA_SetMessageText"));
}

LPCSTR WINAPI TVA_GetCurrentMail(void) {
  static std::string kept;
  const CMailListPane& mails = TheHost().Mails();
  const std::string mailId = mails.CurrentMailId();
  const bool none = mailId == mails.CurrentMailboxId() + "?0";
  return Keep(kept, none && TheHost().Faults().IsOn(HostMode::MissingTexts) ? std::string() : mailId);
}

BOOL WINAPI TVA_SetCurrentMail(LPCSTR mailId) {
  return TheHost().Mails().SelectMail(TextOf(mailId, "TVA_SetCurrentMail"));
}

int WINAPI TVA_GetNextMail(int startIndex, LPSTR buffer, int bufferSize, int selectedOnly) {
  const int next = TheHost().Mails().NextMail(startIndex, selectedOnly != 0);
  CopyOut(next >= 0 ? TheHost().Mails().MailIdAt(next) : std::string(), buffer, bufferSize);
  return next;
}

BOOL WINAPI TVA_SetSel(LPCSTR mailId, int select) {
  return select != 0 && TheHost().Mails().AddToSelection(TextOf(mailId, "TVA_SetSel"));
}

int WINAPI TVA_GetStatus(LPCSTR mailId) {
  const SimMail* mail = FindMail(mailId, "TVA_GetStatus");
  return mail ? static_cast<int>(mail->Status) : 0;
}

int WINAPI TVA_GetCharSet(LPCSTR mailId, LPSTR buffer, int bufferSize) {
  const SimMail* mail = FindMail(mailId, "TVA_GetCharSet");
  CopyOut(mail ? mail->CharSet : std::string(), buffer, bufferSize);
  return mail ? CodePageOfCharSet(mail->CharSet) : -1;
}

int WINAPI TVA_GetSpecifiedHeader(LPCSTR headerName, LPSTR buffer, int bufferSize) {
  const std::string name = TextOf(headerName, "TVA_GetSpecifiedHeader");
  std::string header = TheHost().Mails().CurrentMailHeader(name);
  if (TheHost().Faults().IsOn(HostMode::EncodedHeaders)) header = EncodedHeader(name, header);
  if (TheHost().Faults().IsOn(HostMode::FoldedHeaders)) header = FoldedHeader(header);
  return CopyOut(header, buffer, bufferSize);
}

// The functions this host offers without doing anything: present for plug-ins that look them up.
#define SIM_IDLE_HOST_FUNCTION(name) \
  int WINAPI TVA_##name(void) { return 0; }
TOVIK_OTHER_HOST_FUNCTIONS(SIM_IDLE_HOST_FUNCTION)
#undef SIM_IDLE_HOST_FUNCTION

}  // extern "C"
