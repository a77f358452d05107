#include "win/actions/ActionSupport.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "core/favorites/CFavoriteItemListBase.h"
#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "core/mail/MailHeaders.h"
#include "port/Mbcs.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostCallState.h"
#include "win/ui/CResourceTool.h"

namespace {

// What the host left in the shared buffer: the first byte was cleared before the call, so a host
// that wrote nothing gives an empty text, never the value of the call before. A text that fills the
// buffer may have been cut by the host: it never ends inside a double-byte character.
std::string SharedBufferText() {
  SharedTextBuffer[SharedTextBufferSize - 1] = '\0';
  const std::size_t length = std::strlen(SharedTextBuffer);
  if (length < SharedTextBufferSize - 1) return std::string(SharedTextBuffer, length);
  const std::string text(SharedTextBuffer, SharedTextBufferSize);  // one byte beyond the text, for the cut
  return text.substr(0, port::CutLength(text, length));
}

}  // namespace

std::string ReadCurrentMailHeader(const char* name) {
  SharedTextBuffer[0] = '\0';
  Host().GetSpecifiedHeader(name, SharedTextBuffer, SharedTextBufferSize);
  // A long header may come folded as the mail holds it; the index and the settings file hold it
  // on one line.
  return UnfoldHeader(SharedBufferText());
}

int ReadNextSelectedMail(int start, std::string& mailId) {
  SharedTextBuffer[0] = '\0';
  const int next = Host().GetNextMail(start, SharedTextBuffer, SharedTextBufferSize, 1);
  mailId = SharedBufferText();
  return next;
}

std::string ReadCurrentMailId() {
  const std::string mailId = HostText(Host().GetCurrentMail());
  if (mailId == HostText(Host().GetCurrentMailBox()) + "?0") return std::string();
  return mailId;
}

int ShowMessage(const std::string& text, UINT flags) {
  CTovikMainWindow* mainWindow = GetMainWindow();
  return mainWindow ? CResourceTool::MessageBox(mainWindow, text, AppTitle, flags) : NoAnswer;
}

int ShowMessage(UINT textId, UINT flags) { return ShowMessage(CResourceTool::LoadString(textId), flags); }

CWindow* GetFrameChild() {
  CTovikMainWindow* main = GetMainWindow();
  return main ? main->GetFrameWindow() : nullptr;
}

CTovikStatusWindow* GetStatusBar() {
  CTovikMainWindow* main = GetMainWindow();
  return main ? main->GetStatusWindow() : nullptr;
}

void SetStatusText(UINT textId) {
  if (CTovikStatusWindow* status = GetStatusBar()) status->SetText(CResourceTool::LoadString(textId));
}

bool ListHolds(const CFavoriteItemListBase& list, const CFavoriteItem* item) {
  for (std::size_t position = 0; position < list.GetCount(); ++position) {
    if (list.GetAt(position) == item) return true;
  }
  return false;
}

bool MakeFolderCurrent(const std::string& folderId) {
  if (HostText(Host().GetCurrentFolder()) == folderId) return true;
  Host().SetCurrentFolder(folderId.c_str());
  Host().SetCurrentFolder(folderId.c_str());
  return HostText(Host().GetCurrentFolder()) == folderId;
}

std::string LocalTimeName(const char* fallback) {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return fallback;
  char text[64];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local->tm_year + 1900, local->tm_mon + 1,
                local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec);
  return text;
}
