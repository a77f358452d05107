// The item detail dialog, answered by a user on a helper thread: the choice row by kind, what it
// shows about a favorite, and what OK changes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/favorites/CFolderItem.h"
#include "core/favorites/CFolderTreeItemList.h"
#include "core/favorites/CMailItem.h"
#include "core/favorites/CWindowStateItem.h"
#include "resources/resource.h"
#include "tests/testhost/FakeHost.h"
#include "uiauto/UiAutomation.h"
#include "win/edit/CItemDetailDlg.h"
#include "win/host/CTovikGlobalData.h"
#include "win/ui/ModuleInstance.h"

namespace {

// What the user saw, and the choice made before OK.
struct Seen {
  std::string label, choice, related;
  bool choiceShown = false;
  int height = 0;
};

// Opens the dialog on the favorite; the user reads it, optionally types a title and picks an entry,
// and presses OK.
Seen ShowDetail(CFavoriteItem& item, const CFolderTreeItemList& trees, const char* title, const char* pick) {
  CItemDetailDlg dialog(nullptr);
  dialog.SetItem(&item, &trees);
  Seen seen;
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog("RaZudazoved Detail");
    RECT frame;
    GetWindowRect(window, &frame);
    seen.height = frame.bottom - frame.top;
    seen.label = uiauto::ControlText(window, IDC_TREE_STATE_LABEL);
    seen.choiceShown = IsWindowVisible(GetDlgItem(window, IDC_TREE_STATE)) != FALSE;
    seen.choice = uiauto::ControlText(window, IDC_TREE_STATE);
    seen.related = uiauto::ControlText(window, IDC_RELATED_INFO);
    if (title) uiauto::SetControlText(window, IDC_TITLE, title);
    if (pick) uiauto::ChooseEntry(window, IDC_TREE_STATE, pick);
    uiauto::ClickButton(window, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  return seen;
}

class ItemDetailDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeHost();
    ASSERT_TRUE(LoadHostFunctions());
    SetModuleInstance(GetModuleHandleA(nullptr));
    FakeHost().FolderDisplayNames = {{"Main\\Inbox\\", "[Main] Inbox"}};
    std::unique_ptr<CFavoriteItem> tree = std::make_unique<CFolderTreeItem>(3);
    tree->DisplayName = "Morning";
    static_cast<CFolderTreeItem&>(*tree).TreeFileName = "x.0.tree";
    trees.AddBack(tree);
  }
  void TearDown() override { SetModuleInstance(nullptr); }
  CFolderTreeItemList trees;
};

TEST_F(ItemDetailDlgTest, FolderWithAnUnknownTreeShowsNoneAndOkSetsItToZero) {
  CFolderItem folder;
  folder.DisplayName = "Inbox";
  folder.FolderId = "Main\\Inbox\\";
  folder.TreeId = 7;
  const Seen seen = ShowDetail(folder, trees, nullptr, nullptr);
  EXPECT_EQ(seen.label + " " + seen.choice, "Tree &state: (None)");
  EXPECT_EQ(seen.related, "Folder display name\r\n  [Main] Inbox\r\nName of tree item to restore\r\n  (None)\r\n");
  EXPECT_EQ(folder.TreeId, 0);

  folder.TreeId = 3;
  EXPECT_EQ(ShowDetail(folder, trees, nullptr, "(None)").choice, "Morning");
  EXPECT_EQ(folder.TreeId, 0);
}

TEST_F(ItemDetailDlgTest, FolderTreeOffersWhatToDoWithUnknownFolders) {
  CFolderTreeItem& tree = *trees.GetItemAt(0);
  const struct {
    const char* pick;
    std::int32_t forceOpen;
  } cases[] = {{"Open", 1}, {"Close", 0}, {"(Do Nothing)", -1}};
  std::string choices;
  for (const auto& c : cases) {
    const Seen seen = ShowDetail(tree, trees, "Evening", c.pick);
    choices += seen.choice + " ";
    EXPECT_EQ(seen.label, "&Unknown folder:");
    EXPECT_EQ(tree.ForceOpen, c.forceOpen) << c.pick;
  }
  EXPECT_EQ(choices, "(Do Nothing) Open Close ");
  EXPECT_EQ(tree.DisplayName, "Evening");
}

TEST_F(ItemDetailDlgTest, MailAndWindowStateHaveNoChoiceRowAndMailStatusIsInWords) {
  FakeMail hosted;
  hosted.Id = "Main\\Inbox\\?1A";
  hosted.Status = 0x1 | 0x4 | 0x8;
  hosted.CharSet = "ISO-2022-JP";
  hosted.CodePage = 50220;
  FakeHost().Mails = {hosted};
  CMailItem mail;
  mail.MailId = hosted.Id;
  mail.FolderId = "Main\\Inbox\\";
  mail.Subject = "Hello";
  mail.DisplayName = "Greeting";
  CWindowStateItem window;
  window.DisplayName = "Wide";
  window.WindowRect = {-1, -1, -1, -1};
  CFolderItem folder;
  folder.DisplayName = "Inbox";
  folder.FolderId = "Main\\Inbox\\";

  const Seen withRow = ShowDetail(folder, trees, nullptr, nullptr);
  const Seen ofMail = ShowDetail(mail, trees, "", nullptr);
  const Seen ofWindow = ShowDetail(window, trees, nullptr, nullptr);
  EXPECT_TRUE(withRow.choiceShown);
  EXPECT_FALSE(ofMail.choiceShown || ofWindow.choiceShown);
  EXPECT_LT(ofMail.height, withRow.height);
  EXPECT_EQ(ofWindow.height, ofMail.height);
  EXPECT_EQ(ofMail.related,
            "Folder display name\r\n  [Main] Inbox\r\nMail status\r\n  Read / Not forwarded / Replied / Attachment\r\n"
            "CharSet\r\n  ISO-2022-JP / CodePage=50220\r\n");
  EXPECT_EQ(ofWindow.related, "");
  EXPECT_EQ(mail.DisplayName, "") << "a mail takes an empty name: its title is then built";
}

TEST_F(ItemDetailDlgTest, AMailsBuiltTitleLeftAsShownStaysBuilt) {
  CMailItem mail;
  mail.MailId = "Main\\Inbox\\?1";
  mail.FolderId = "Main\\Inbox\\";
  mail.Subject = "Lunch & more";
  mail.From = "Bob <bob@example.org>";
  ShowDetail(mail, trees, nullptr, nullptr);
  EXPECT_EQ(mail.DisplayName, "") << "OK alone must not freeze the title built from subject and sender";
  ShowDetail(mail, trees, "Lunch", nullptr);
  EXPECT_EQ(mail.DisplayName, "Lunch");
}

}  // namespace
