// The folder tree state registration dialog, answered by a user on a helper thread: a new state or an
// update of a registered one, the title edit and the list of states in one place, a title required.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/favorites/CFolderTreeItemList.h"
#include "resources/resource.h"
#include "uiauto/UiAutomation.h"
#include "win/tree/CFolderTreeCreateDlg.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/ModuleInstance.h"

namespace {

const char Caption[] = "Register favorite folder tree state item";

class FolderTreeCreateDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetModuleInstance(GetModuleHandleA(nullptr));
    AppTitle = "RaZudazoved";
    for (const auto& state : {std::make_pair(5, "Morning"), std::make_pair(9, "Evening")}) {
      std::unique_ptr<CFavoriteItem> item = std::make_unique<CFolderTreeItem>(state.first);
      item->DisplayName = state.second;
      states.AddBack(item);
    }
  }
  void TearDown() override { SetModuleInstance(nullptr); }
  CFolderTreeItemList states, none;
};

// Which of the two modes the dialog shows: "new"/"update" (the checked button), then "edit", "list",
// and "locked" when only a new state can be made.
std::string Mode(HWND dialog) {
  const bool listUsable = IsWindowEnabled(GetDlgItem(dialog, IDC_UPDATE_EXISTING)) &&
                          IsWindowEnabled(GetDlgItem(dialog, IDC_EXISTING_TREE));
  return std::string(IsDlgButtonChecked(dialog, IDC_CREATE_NEW) == BST_CHECKED ? "new" : "update") +
         (IsWindowVisible(GetDlgItem(dialog, IDC_TITLE)) ? " edit" : "") +
         (IsWindowVisible(GetDlgItem(dialog, IDC_EXISTING_TREE)) ? " list" : "") + (listUsable ? "" : " locked");
}

// Clicks a mode's button, as a user does, and waits until the dialog has shown that mode's control and
// hidden the other one (the two happen one after the other, not at once).
std::string Switch(HWND dialog, int button, int shown) {
  const int hidden = shown == IDC_TITLE ? IDC_EXISTING_TREE : IDC_TITLE;
  uiauto::ClickButton(dialog, button);
  uiauto::WaitFor([&] {
    return IsWindowVisible(GetDlgItem(dialog, shown)) != FALSE &&
           IsWindowVisible(GetDlgItem(dialog, hidden)) == FALSE;
  }, 2000);
  return Mode(dialog);
}

TEST_F(FolderTreeCreateDlgTest, UpdateShowsTheRegisteredStatesWhereTheTitleWas) {
  CFolderTreeCreateDlg dialog(nullptr, states);
  std::string modes;
  RECT edit = {}, list = {};
  char second[64] = "";
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog(Caption);
    modes = Mode(window);
    modes += ", " + Switch(window, IDC_UPDATE_EXISTING, IDC_EXISTING_TREE);
    modes += ", " + Switch(window, IDC_CREATE_NEW, IDC_TITLE);
    modes += ", " + Switch(window, IDC_UPDATE_EXISTING, IDC_EXISTING_TREE);
    GetWindowRect(GetDlgItem(window, IDC_TITLE), &edit);
    GetWindowRect(GetDlgItem(window, IDC_EXISTING_TREE), &list);
    SendDlgItemMessageA(window, IDC_EXISTING_TREE, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
    SendDlgItemMessageA(window, IDC_EXISTING_TREE, CB_SETCURSEL, 1, 0);
    uiauto::ClickButton(window, IDOK);
  });
  dialog.Title = "Tree";
  EXPECT_EQ(dialog.DoModal(), IDOK);
  user.Join();
  EXPECT_EQ(modes, "new edit, update list, new edit, update list");
  EXPECT_TRUE(edit.left == list.left && edit.top == list.top) << "the list stands where the edit stood";
  EXPECT_STREQ(second, "Evening");
  EXPECT_EQ(dialog.CreateNew, 0);
  EXPECT_EQ(dialog.SelectedItemId, 9);
}

TEST_F(FolderTreeCreateDlgTest, AnEmptyTitleIsAskedForAndTheDialogStaysOpen) {
  const struct {
    const CFolderTreeItemList& offered;
    std::int32_t createNew;
    const char* mode;
  } cases[] = {{none, 1, "new edit locked"}, {states, 0, "update list"}};
  for (const auto& c : cases) {
    CFolderTreeCreateDlg dialog(nullptr, c.offered);
    dialog.CreateNew = c.createNew;
    std::string mode, message, caption;
    bool stayedOpen = false;
    uiauto::UserThread user([&] {
      HWND window = uiauto::WaitForDialog(Caption);
      mode = Mode(window);
      uiauto::ClickButton(window, IDOK);
      HWND box = uiauto::WaitForDialog(AppTitle);
      message = uiauto::MessageBoxText(box);
      caption = uiauto::TextOf(box);
      uiauto::ClickButton(box, IDOK);
      stayedOpen = uiauto::WaitUntilGone(box) && IsWindowVisible(window);
      SetDlgItemTextA(window, IDC_TITLE, "Mine");
      uiauto::ClickButton(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    user.Join();
    EXPECT_EQ(mode, c.mode);
    EXPECT_EQ(message + " / " + caption, "Input title. / RaZudazoved") << c.mode;
    EXPECT_TRUE(stayedOpen) << c.mode;
    EXPECT_EQ(dialog.Title, "Mine");
    EXPECT_EQ(dialog.CreateNew, c.createNew);
  }
}

}  // namespace
