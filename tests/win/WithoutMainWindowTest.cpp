// Without the host's main window the plug-in opens nothing, as its menus show nothing then: no dialog
// and no message box stands ownerless beside the host.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "core/favorites/FavoriteStore.h"
#include "tests/testhost/FakeHost.h"
#include "uiauto/UiAutomation.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/shell/EditFavoriteLists.h"
#include "win/shell/FavoritesMenuCommands.h"
#include "win/shell/FindFavorite.h"
#include "win/ui/ModuleInstance.h"

namespace {

// What the first window the action opened showed (a dialog's title, a message box's text), once
// answered away as a user would; empty if none opened.
std::string WindowOpenedBy(void (*action)()) {
  std::atomic<bool> done{false};
  std::string opened;
  uiauto::UserThread user([&] {
    while (!done) {
      if (HWND window = uiauto::FindModalWindow()) {
        const std::string shown = uiauto::IsMessageBox(window) ? uiauto::MessageBoxText(window) : uiauto::TextOf(window);
        if (opened.empty()) opened = "\"" + shown + "\"";
        uiauto::Dismiss(window);
        uiauto::WaitUntilGone(window);
      }
      Sleep(10);
    }
  });
  action();
  done = true;
  user.Join();
  return opened;
}

TEST(WithoutMainWindow, NoDialogOrMessageBoxOpensAndNothingChanges) {
  ResetFakeHost();  // it has no windows to give
  ASSERT_TRUE(LoadHostFunctions());
  ASSERT_EQ(GetMainWindow(), nullptr);
  // The dialogs and texts linked into this program, so that each could open.
  SetModuleInstance(GetModuleHandleA(nullptr));
  FakeHost().CurrentFolder = "Main\\Inbox\\";
  FakeHost().FolderDisplayNames = {{"Main\\Inbox\\", "[Main] Inbox"}};
  CFavoriteInfo& store = GetFavoriteInfo();
  std::unique_ptr<CFavoriteItem> folder = std::make_unique<CFolderItem>();
  folder->DisplayName = "Inbox";
  static_cast<CFolderItem&>(*folder).FolderId = "Main\\Inbox\\";
  ASSERT_EQ(store.AddItem(folder, FavoriteFolderList), Added);
  auto mail = std::make_unique<CMailItem>();
  mail->MailId = "Main\\Inbox\\?1";
  mail->FolderId = "Main\\Inbox\\";
  std::unique_ptr<CFavoriteItem> opened = std::move(mail);
  ASSERT_EQ(store.AddItem(opened, MailHistoryList), Added);

  const struct {
    const char* what;
    void (*action)();
  } cases[] = {
      {"the list edit dialog", [] { EditFavoriteLists(FavoriteFolderList); }},
      {"the find dialog", FindFavorite},
      {"the folder tree state dialog", RegisterFolderTreeState},
      {"the question before the history is cleared", ClearMailHistory},
      {"the question before the current folder is deleted", DeleteCurrentFolder},
      {"the warning that the window state cannot be read", RegisterWindowState},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowOpenedBy(c.action), "") << c.what;
  EXPECT_EQ(store.Folders.GetCount(), 1u);
  EXPECT_EQ(store.History.GetCount(), 1u);
  SetModuleInstance(nullptr);
}

}  // namespace
