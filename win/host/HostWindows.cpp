#include "win/host/HostWindows.h"

#include <windows.h>

#include <string>

#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"

namespace {

// The high bit alone: the low one only tells of a press since some earlier query, so a key let go
// long ago would still count.
bool IsKeyDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

CWindow* ParentOf(CTovikMainWindow& main, CWindow* pane) { return pane ? main.GetParentOf(*pane) : nullptr; }

}  // namespace

bool IsEscapePressed() {
  // The key first: long loops ask at every step, and the active window costs Wine a round trip to
  // its server, many times the key's state.
  if (!IsKeyDown(VK_ESCAPE)) return false;
  CTovikMainWindow* main = GetMainWindow();
  if (main == nullptr || GetActiveWindow() != main->GetHandle()) return false;
  return !IsKeyDown(VK_MENU) && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT);
}

void PokeMailList() {
  const UINT_PTR mailListTimer = 2350;
  CTovikMainWindow* main = GetMainWindow();
  if (CWindow* list = main ? main->GetListWindow() : nullptr) list->SendMessage(WM_TIMER, mailListTimer, 0);
}

void ShowCurrentFolderName() {
  CTovikMainWindow* main = GetMainWindow();
  CTovikStatusWindow* status = main ? main->GetStatusWindow() : nullptr;
  if (status == nullptr) return;
  // Copied before the next call: a host may hand out every text in one buffer, or none at all.
  const std::string folderId = HostText(Host().GetCurrentFolder());
  status->SetText(folderId.empty() ? std::string() : GetHostFolderDisplayName(folderId));
  status->Invalidate(true);
}

void ReselectCurrentFolder() {
  const std::string mailBox = HostText(Host().GetCurrentMailBox());
  const std::string folder = HostText(Host().GetCurrentFolder());
  if (mailBox == folder) return;
  const std::string mail = HostText(Host().GetCurrentMail());
  CTovikMainWindow* main = GetMainWindow();
  CWindow* frame = main ? main->GetFrameWindow() : nullptr;
  if (frame) frame->ShowWindow(SW_HIDE);
  Host().SetCurrentFolder(mailBox.c_str());
  Host().SetCurrentFolder(folder.c_str());
  if (!mail.empty()) Host().SetCurrentMail(mail.c_str());
  if (frame) frame->ShowWindow(SW_SHOW);
}

CWindow* GetTreePaneParent() {
  CTovikMainWindow* main = GetMainWindow();
  return main ? ParentOf(*main, main->GetTreeWindow()) : nullptr;
}

CWindow* GetListPaneParent() {
  CTovikMainWindow* main = GetMainWindow();
  return main ? ParentOf(*main, main->GetListWindow()) : nullptr;
}

bool AreHostWindowsDrawing() {
  // A window the host does not have is none the plug-in could have switched off: on a host without
  // a message view, say, mails are still the user's reading.
  CTovikMainWindow* main = GetMainWindow();
  if (main == nullptr) return true;
  CWindow* list = main->GetListWindow();
  CWindow* tree = main->GetTreeWindow();
  const CWindow* windows[] = {list, ParentOf(*main, list), main->GetViewWindow(), tree, ParentOf(*main, tree),
                              main->GetFrameWindow(), main};
  for (const CWindow* window : windows) {
    if (window != nullptr && !window->GetRedraw()) return false;
  }
  return true;
}
