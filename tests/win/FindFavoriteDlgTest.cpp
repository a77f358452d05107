// The find dialog, answered by a user on a helper thread: where and how it opens, the list keys typed
// in the edit box, a double-click, what each row shows, and the host's folders after the favorites
// (the end-to-end scripts cover the search and the jumps).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "core/favorites/CFavoriteInfo.h"
#include "resources/resource.h"
#include "tests/testhost/FakeHost.h"
#include "uiauto/UiAutomation.h"
#include "win/find/CFindFavoriteDlg.h"
#include "win/host/CTovikGlobalData.h"
#include "win/ui/CWindow.h"
#include "win/ui/ModuleInstance.h"

namespace {

const char Caption[] = "RaZudazoved Find";

// Adds a favorite once it is whole: the store refuses one without what it leads to.
template <class Item, class Fill>
void Add(CFavoriteInfo& store, int kind, const char* title, Fill fill) {
  std::unique_ptr<CFavoriteItem> owned = std::make_unique<Item>();
  owned->DisplayName = title;
  fill(static_cast<Item&>(*owned));
  ASSERT_EQ(store.AddItem(owned, kind), Added) << title;
}

class FindFavoriteDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeHost();
    ASSERT_TRUE(LoadHostFunctions());
    // What the host calls the folders, shown where a favorite leads.
    FakeHost().FolderDisplayNames = {{"Main\\Inbox\\", "[Main] Inbox"}, {"Work\\Inbox\\", "[Work] Inbox"},
                                     {"Work\\Inbox\\Projects\\", "[Work] Inbox/Projects"}};
    SetModuleInstance(GetModuleHandleA(nullptr));
    owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 1000, 760, nullptr, nullptr,
                            nullptr, nullptr);
    Add<CFolderItem>(store, FavoriteFolderList, "Inbox", [](CFolderItem& folder) { folder.FolderId = "Main\\Inbox\\"; });
    Add<CFolderItem>(store, FavoriteFolderList, "Projects", [](CFolderItem& folder) {
      folder.FolderId = "Work\\Inbox\\Projects\\";
      folder.Failure = 1;
    });
    Add<CMailItem>(store, FavoriteMailList, "Q3 numbers", [](CMailItem& mail) {
      mail.FolderId = "Work\\Inbox\\";
      mail.MailId = "Work\\Inbox\\?4";
      mail.Subject = "Quarterly report";
      mail.From = "Carol <carol@example.net>";
    });
    Add<CFolderTreeItem>(store, FavoriteFolderTreeList, "Morning",
                         [](CFolderTreeItem& tree) {
                           tree.TreeId = 3;
                           tree.TreeFileName = "RaZudazoved.3.tree";
                         });
    Add<CWindowStateItem>(store, FavoriteWindowStateList, "Wide",
                          [](CWindowStateItem& window) { window.WindowRect = {10, 20, 810, 620}; });
  }
  void TearDown() override {
    DestroyWindow(owner);
    SetModuleInstance(nullptr);
  }

  HWND owner = nullptr;
  CFavoriteInfo store;
};

int ImageOf(HWND list, int row) {
  LVITEMA item = {};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

int SelectedRow(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

TEST_F(FindFavoriteDlgTest, OpensCentredOverItsOwnerWithThePreviousSearchSelectedAndItsSize) {
  CWindow ownerWindow(owner);
  CFindFavoriteDlg dialog(&ownerWindow);
  dialog.SetFavorites(store);
  dialog.SetQuery("report");
  dialog.SetWindowSize({800, 560});
  RECT opened = {};
  DWORD selection = 0;
  bool editFocused = false;
  std::vector<std::string> rows;
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog(Caption);
    GetWindowRect(window, &opened);
    HWND edit = GetDlgItem(window, IDC_FIND_TEXT);
    selection = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
    editFocused = uiauto::FocusOf(window) == edit;
    rows = uiauto::ListViewColumn(GetDlgItem(window, IDC_FOUND_LIST), 0);
    // The user makes it larger, then closes it.
    SetWindowPos(window, nullptr, 0, 0, 860, 600, SWP_NOMOVE | SWP_NOZORDER);
    uiauto::PressKey(window, VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  user.Join();
  EXPECT_EQ(opened.right - opened.left, 800);
  EXPECT_EQ(opened.bottom - opened.top, 560);
  EXPECT_NEAR((opened.left + opened.right) / 2, 100 + 1000 / 2, 1) << "centred over the owner";
  EXPECT_NEAR((opened.top + opened.bottom) / 2, 80 + 760 / 2, 1);
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 6) << "the previous search is selected, to be typed over";
  EXPECT_TRUE(editFocused);
  EXPECT_EQ(rows, std::vector<std::string>{"Q3 numbers"}) << "found by its subject";
  EXPECT_EQ(dialog.GetWindowSize().cx, 860);
  EXPECT_EQ(dialog.GetWindowSize().cy, 600);
  EXPECT_EQ(dialog.GetQuery(), "report");
}

TEST_F(FindFavoriteDlgTest, ListKeysTypedInTheEditBoxMoveTheSelectionAndEnterChoosesIt) {
  CFindFavoriteDlg dialog(nullptr);
  dialog.SetFavorites(store);
  std::vector<int> selected;
  bool editKeptFocus = false;
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog(Caption);
    HWND list = GetDlgItem(window, IDC_FOUND_LIST);
    selected.push_back(SelectedRow(list));
    // Each key is posted: the row it should select is awaited, and the row it did select recorded.
    const struct {
      UINT key;
      int row;
    } presses[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_NEXT, 4}, {VK_PRIOR, 0}, {VK_DOWN, 1}};
    for (const auto& press : presses) {
      uiauto::PressKey(window, press.key);
      uiauto::WaitFor([&] { return SelectedRow(list) == press.row; }, 2000);
      selected.push_back(SelectedRow(list));
    }
    editKeptFocus = uiauto::FocusOf(window) == GetDlgItem(window, IDC_FIND_TEXT);
    uiauto::PressKey(window, VK_RETURN);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  user.Join();
  EXPECT_EQ(selected, (std::vector<int>{0, 1, 2, 4, 0, 1}));
  EXPECT_TRUE(editKeptFocus);
  EXPECT_EQ(dialog.GetChosenKind(), FavoriteFolderList);
  EXPECT_EQ(dialog.GetChosenIndex(), 1);
}

TEST_F(FindFavoriteDlgTest, ADoubleClickChoosesTheRowUnderIt) {
  CFindFavoriteDlg dialog(nullptr);
  dialog.SetFavorites(store);
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog(Caption);
    HWND list = GetDlgItem(window, IDC_FOUND_LIST);
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
    const LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  user.Join();
  EXPECT_EQ(dialog.GetChosenKind(), FavoriteFolderTreeList);
  EXPECT_EQ(dialog.GetChosenIndex(), 0);
}

TEST_F(FindFavoriteDlgTest, EachRowShowsWhereItLeadsAndAFailedFavoriteItsMark) {
  CFindFavoriteDlg dialog(nullptr);
  dialog.SetFavorites(store);
  std::vector<std::string> leadsTo;
  std::vector<UINT> overlays;
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog(Caption);
    HWND list = GetDlgItem(window, IDC_FOUND_LIST);
    leadsTo = uiauto::ListViewColumn(list, 1);
    for (int row = 0; row < 5; ++row) {
      overlays.push_back(static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_OVERLAYMASK)) >> 8);
    }
    uiauto::PressKey(window, VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  user.Join();
  EXPECT_EQ(leadsTo, (std::vector<std::string>{"[Main] Inbox", "[Work] Inbox/Projects",
                                               "[Work] Inbox / Quarterly report / Carol <carol@example.net>",
                                               "RaZudazoved.3.tree", "(10, 20) - (810, 620)"}));
  EXPECT_EQ(overlays, (std::vector<UINT>{0, 1, 0, 0, 0}));
}

// The host's folders, one of them a favorite already.
std::vector<HostFolder> HostFolders() {
  return {{"Main\\Inbox\\", "[Main] Inbox"}, {"Main\\Sent\\", "[Main] Sent"}, {"Work\\Inbox\\", "[Work] Inbox"}};
}

TEST_F(FindFavoriteDlgTest, FoldersFollowTheFavoritesAndRegisterFromTheDialogWithTheirBoxTurnedOff) {
  CFindFavoriteDlg dialog(nullptr);
  dialog.SetFavorites(store);
  int reads = 0;
  dialog.SetFolderSource([&] {
    ++reads;
    return HostFolders();
  });
  std::vector<std::string> registered;
  HWND registeredOver = nullptr;
  dialog.SetFolderRegistrar([&](CWindow& owner, const std::string& folderId) {
    registered.push_back(folderId);
    registeredOver = owner.GetHandle();
    Add<CFolderItem>(store, FavoriteFolderList, "Sent box", [&](CFolderItem& folder) { folder.FolderId = folderId; });
  });
  dialog.SetShowFolders(false);
  std::vector<std::string> hidden, shown, sent, afterRegistering, afterHiding;
  int folderImage = -1, readsWhileHidden = -1;
  bool registerEnabledOnAFavorite = true, registerEnabledOnAFolder = false;
  HWND window = nullptr;
  uiauto::UserThread user([&] {
    window = uiauto::WaitForDialog(Caption);
    HWND list = GetDlgItem(window, IDC_FOUND_LIST), registerButton = GetDlgItem(window, IDC_REGISTER_FOLDER);
    hidden = uiauto::ListViewColumn(list, 0);
    readsWhileHidden = reads;
    uiauto::SetChecked(window, IDC_FIND_FOLDERS, true);
    shown = uiauto::ListViewColumn(list, 0);
    folderImage = ImageOf(list, 5);
    registerEnabledOnAFavorite = IsWindowEnabled(registerButton) != FALSE;
    uiauto::SetControlText(window, IDC_FIND_TEXT, "SENT");
    sent = uiauto::ListViewColumn(list, 0);
    registerEnabledOnAFolder = IsWindowEnabled(registerButton) != FALSE;
    uiauto::PressKey(window, VK_INSERT);
    uiauto::WaitFor([&] { return !registered.empty(); }, 2000);
    uiauto::WaitFor([&] { return uiauto::ListViewColumn(list, 0) != sent; }, 2000);
    afterRegistering = uiauto::ListViewColumn(list, 0);
    uiauto::SetChecked(window, IDC_FIND_FOLDERS, false);
    uiauto::SetChecked(window, IDC_FIND_FOLDERS, true);
    uiauto::SetControlText(window, IDC_FIND_TEXT, "inbox");
    afterHiding = uiauto::ListViewColumn(list, 0);
    uiauto::SetChecked(window, IDC_FIND_FOLDERS, false);
    uiauto::PressKey(window, VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  user.Join();
  EXPECT_EQ(hidden.size(), 5u);
  EXPECT_EQ(readsWhileHidden, 0) << "nothing walked while the folders are hidden";
  EXPECT_EQ(shown, (std::vector<std::string>{"Inbox", "Projects", "Q3 numbers", "Morning", "Wide", "[Main] Sent",
                                             "[Work] Inbox"}))
      << "the favorite folder [Main] Inbox is listed once, as the favorite";
  EXPECT_EQ(folderImage, 5);
  EXPECT_FALSE(registerEnabledOnAFavorite);
  EXPECT_EQ(sent, std::vector<std::string>{"[Main] Sent"});
  EXPECT_TRUE(registerEnabledOnAFolder);
  EXPECT_EQ(registered, std::vector<std::string>{"Main\\Sent\\"});
  EXPECT_EQ(registeredOver, window) << "its messages stand over the dialog";
  EXPECT_EQ(afterRegistering, std::vector<std::string>{"Sent box"}) << "the row moved among the favorites";
  EXPECT_EQ(afterHiding, (std::vector<std::string>{"Inbox", "Projects", "Q3 numbers", "[Work] Inbox"}));
  EXPECT_EQ(reads, 1) << "read once per opening";
  EXPECT_FALSE(dialog.GetShowFolders());
}

TEST_F(FindFavoriteDlgTest, EnterOnAFolderRowChoosesTheFolder) {
  CFindFavoriteDlg dialog(nullptr);
  dialog.SetFavorites(store);
  dialog.SetFolderSource(HostFolders);
  dialog.SetQuery("[work]");
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog(Caption);
    HWND list = GetDlgItem(window, IDC_FOUND_LIST);
    // The two favorites that lead into [Work], then the folder.
    uiauto::WaitFor([&] { return uiauto::ListViewColumn(list, 0).size() == 3; }, 2000);
    uiauto::PressKey(window, VK_NEXT);
    uiauto::WaitFor([&] { return SelectedRow(list) == 2; }, 2000);
    uiauto::PressKey(window, VK_RETURN);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  user.Join();
  EXPECT_EQ(dialog.GetChosenKind(), CFavoriteFinder::HostFolderKind);
  EXPECT_EQ(dialog.GetChosenFolderId(), "Work\\Inbox\\");
}

}  // namespace
