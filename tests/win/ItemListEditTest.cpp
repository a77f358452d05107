// The list edit dialog as the favorites menus open it, answered by a user on a helper thread: the
// lists stay copies until OK, removed tree states lose their files only then, the keys, renaming, and
// where the dialog opens.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/PluginPaths.h"
#include "resources/resource.h"
#include "tests/core/FavoritesTestSupport.h"
#include "tests/testhost/FakeHost.h"
#include "tests/win/TestHostWindows.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CTovikGlobalData.h"
#include "win/shell/EditFavoriteLists.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/ModuleInstance.h"

namespace {

using favorites_test::ReadStringEverywhere;

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_ITEM_LIST); }

// The row titles, joined by "|".
std::string Rows(HWND dialog) {
  std::string rows;
  const int count = static_cast<int>(SendMessageA(ListOf(dialog), LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[256] = "";
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(ListOf(dialog), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    rows += (row ? "|" : "") + std::string(text);
  }
  return rows;
}

// U(p), D(own), R(emove), P(roperty) for each enabled button, "-" for a disabled one.
std::string Buttons(HWND dialog) {
  std::string state;
  for (auto button : {std::make_pair(IDC_MOVE_UP, 'U'), std::make_pair(IDC_MOVE_DOWN, 'D'),
                      std::make_pair(IDC_REMOVE, 'R'), std::make_pair(IDC_PROPERTY, 'P')}) {
    state += IsWindowEnabled(GetDlgItem(dialog, button.first)) ? button.second : '-';
  }
  return state;
}

void Select(HWND dialog, const std::vector<int>& rows) {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED;
  SendMessageA(ListOf(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED;
  for (int row : rows) SendMessageA(ListOf(dialog), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void FocusList(HWND dialog) {
  PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ListOf(dialog)), TRUE);
  uiauto::WaitFor([&] { return uiauto::FocusOf(dialog) == ListOf(dialog); });
}

// Renames the selected row as a user does: F2, the new text, Enter.
void Rename(HWND dialog, const std::string& text) {
  FocusList(dialog);
  uiauto::PressKey(dialog, VK_F2);
  HWND edit = nullptr;
  uiauto::WaitFor([&] { return (edit = reinterpret_cast<HWND>(SendMessageA(ListOf(dialog), LVM_GETEDITCONTROL, 0, 0))) != nullptr; });
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  uiauto::PressKey(dialog, VK_RETURN);
  uiauto::WaitUntilGone(edit);
}

RECT WindowRectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

std::string Text(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
         std::to_string(rect.bottom);
}

class ItemListEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeHost();
    UseTestHostWindows();
    FakeHost().DataFolder = data.Path();
    ASSERT_TRUE(LoadHostFunctions());
    SetModuleInstance(GetModuleHandleA(nullptr));
    AppTitle = "RaZudazoved";
    CreateDirectoryA(GetPluginFolder().c_str(), nullptr);
    store.Path = GetSettingsFilePath();
    for (int kind : {1, 2, 3, 5}) store.GetList(kind)->Clear();
    store.EditWindowRect = {};
    for (const char* name : {"Inbox", "Work", "News"}) {
      auto folder = std::make_unique<CFolderItem>();
      folder->DisplayName = name;
      folder->FolderId = std::string(name) + "\\";
      Add(std::move(folder), 1);
    }
  }
  void TearDown() override { SetModuleInstance(nullptr); }

  void Add(std::unique_ptr<CFavoriteItem> item, int kind) { ASSERT_EQ(store.AddItem(item, kind), Added); }
  void AddTree(std::int32_t id, const char* name, const std::string& file) {
    auto tree = std::make_unique<CFolderTreeItem>(id);
    tree->DisplayName = name;
    tree->TreeFileName = file;
    Add(std::move(tree), 3);
  }
  // Opens the dialog on the kind's list as the menus do; `user` answers it and ends it.
  void Edit(int kind, const std::function<void(HWND)>& user) {
    uiauto::UserThread thread([&] {
      if (HWND dialog = uiauto::WaitForDialog("RaZudazoved Edit")) user(dialog);
    });
    EditFavoriteLists(kind);
  }
  std::string FolderNames() {
    std::string names;
    for (std::size_t i = 0; i < store.Folders.GetCount(); ++i) names += store.Folders.GetAt(i)->DisplayName + " ";
    return names;
  }

  favorites_test::ScratchFolder data;
  CFavoriteInfo& store = GetFavoriteInfo();
};

TEST_F(ItemListEditTest, RemovedTreeStateLosesItsFileOnlyOnOkOnceTheListIsWrittenAndNoOtherNamesIt) {
  const struct {
    const char* name;
    int button;
    bool fileShared, settingsBlocked;
    std::size_t treesLeft;
    bool fileLeft;
  } cases[] = {{"cancel", IDCANCEL, false, false, 2, true},
               {"ok", IDOK, false, false, 1, false},
               {"ok, the other favorite names the same file", IDOK, true, false, 1, true},
               {"ok, the settings cannot be written", IDOK, false, true, 1, true}};
  for (const auto& c : cases) {
    store.FolderTrees.Clear();
    store.Path = c.settingsBlocked ? GetPluginFolder() + "\\blocked" : GetSettingsFilePath();
    CreateDirectoryA((GetPluginFolder() + "\\blocked").c_str(), nullptr);
    const std::string file = GetPluginFolder() + "\\win_tests.0.tree";
    favorites_test::WriteBytes(file, "{\r\n}\r\n");
    AddTree(1, "Morning", "win_tests.0.tree");
    AddTree(2, "Evening", c.fileShared ? "win_tests.0.tree" : "win_tests.1.tree");
    std::string rows;
    Edit(3, [&](HWND dialog) {
      Select(dialog, {0});
      uiauto::ClickButton(dialog, IDC_REMOVE);
      uiauto::WaitFor([&] { return Rows(dialog) == "Evening"; });
      rows = Rows(dialog);
      uiauto::ClickButton(dialog, c.button);
    });
    EXPECT_EQ(rows, "Evening") << c.name;
    EXPECT_EQ(store.FolderTrees.GetCount(), c.treesLeft) << c.name;
    EXPECT_EQ(GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES, c.fileLeft) << c.name;
  }
  EXPECT_EQ(ReadStringEverywhere(GetSettingsFilePath(), "FavoriteFolderTrees", "Item0_DisplayName"), "Evening");
}

TEST_F(ItemListEditTest, ButtonsFollowTheSelectionAndRemoveTakesEverySelectedRow) {
  const struct {
    std::vector<int> rows;
    const char* buttons;
  } cases[] = {{{}, "----"}, {{0}, "-DRP"}, {{1}, "UDRP"}, {{2}, "U-RP"}, {{0, 2}, "--R-"}};
  std::string seen, rows;
  Edit(1, [&](HWND dialog) {
    for (const auto& c : cases) {
      Select(dialog, c.rows);
      seen += Buttons(dialog) + " ";
    }
    uiauto::ClickButton(dialog, IDC_REMOVE);
    uiauto::WaitFor([&] { return Rows(dialog) == "Work"; });
    rows = Rows(dialog) + " " + Buttons(dialog);
    uiauto::ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(seen, "---- -DRP UDRP U-RP --R- ");
  EXPECT_EQ(rows, "Work ----");
  EXPECT_EQ(FolderNames(), "Work ");
  EXPECT_EQ(ReadStringEverywhere(GetSettingsFilePath(), "FavoriteFolders", "Item1_FolderID"), "dflt");
}

TEST_F(ItemListEditTest, AltArrowsSwitchListsButNotPastEitherEndAndMoveRows) {
  std::vector<std::string> shown;
  std::string rows;
  Edit(5, [&](HWND dialog) {
    FocusList(dialog);
    // Each step shows another list, so its wait ends only when its keys were handled; a no-op that did
    // something (wrapping round, or opening the mail history) would change what the next one shows.
    const struct {
      std::vector<UINT> keys;
      const char* list;
    } steps[] = {{{VK_RIGHT, VK_LEFT}, "Folder tree"}, {{VK_LEFT}, "Mail"}, {{VK_LEFT, VK_LEFT}, "Folder"},
                 {{VK_RIGHT}, "Mail"}, {{VK_LEFT}, "Folder"}};
    for (const auto& step : steps) {
      for (UINT key : step.keys) uiauto::PressKeysTogether(dialog, {VK_MENU, key});
      // The default bound: under load a step's keys were handled after 2 s, and the next step then
      // seemed to skip a list.
      uiauto::WaitFor([&] { return uiauto::ControlText(dialog, IDC_LIST_KIND) == step.list; });
      shown.push_back(uiauto::ControlText(dialog, IDC_LIST_KIND));
    }
    Select(dialog, {0});
    uiauto::PressKeysTogether(dialog, {VK_MENU, VK_DOWN});
    uiauto::WaitFor([&] { return Rows(dialog) == "Work|Inbox|News"; });
    uiauto::PressKey(dialog, VK_DELETE);
    uiauto::WaitFor([&] { return Rows(dialog) == "Work|News"; });
    rows = Rows(dialog);
    uiauto::ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"Folder tree", "Mail", "Folder", "Mail", "Folder"}));
  EXPECT_EQ(rows, "Work|News");
  EXPECT_EQ(FolderNames(), "Work News ");
}

// Wine ends an emptied label edit as a cancelled one, so the mail's empty name is the detail dialog's.
TEST_F(ItemListEditTest, RenamingAFolderToNothingKeepsItsName) {
  std::string folders;
  Edit(1, [&](HWND dialog) {
    Select(dialog, {0});
    Rename(dialog, "");
    Select(dialog, {1});
    Rename(dialog, "Job");
    folders = Rows(dialog);
    uiauto::ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(folders, "Inbox|Job|News");
  EXPECT_EQ(FolderNames(), "Inbox Job News ");
  EXPECT_EQ(ReadStringEverywhere(GetSettingsFilePath(), "FavoriteFolders", "Item1_DisplayName"), "Job");
}

// Under Wine a user empties a name in the detail dialog (an emptied label edit ends as a cancelled
// one); Windows ends an emptied label edit with an empty text, which the test gives as the list view
// would.
TEST_F(ItemListEditTest, AnEmptyNameIsRefusedWithAWarningThatSaysWhyAndTheOldNameStays) {
  std::vector<std::string> warnings;
  std::string detailTitle, rows;
  const auto answerWarningOf = [&](HWND owner) {
    HWND box = nullptr;
    uiauto::WaitFor([&] { return (box = uiauto::FindMessageBoxOf(owner)) != nullptr; });
    warnings.push_back(box ? uiauto::MessageBoxText(box) : "no warning");
    if (box) uiauto::AnswerMessageBox(box, IDOK);
  };
  Edit(1, [&](HWND dialog) {
    Select(dialog, {0});
    uiauto::ClickButton(dialog, IDC_PROPERTY);
    HWND detail = uiauto::WaitForDialog("RaZudazoved Detail");
    uiauto::SetControlText(detail, IDC_TITLE, "");
    uiauto::ClickButton(detail, IDOK);
    answerWarningOf(detail);
    // The old name goes back into the box once the warning has returned.
    uiauto::WaitFor([&] { return !(detailTitle = uiauto::ControlText(detail, IDC_TITLE)).empty(); });
    uiauto::ClickButton(detail, IDOK);
    uiauto::WaitUntilGone(detail);
    NMLVDISPINFOA ended = {};
    ended.hdr.hwndFrom = ListOf(dialog);
    ended.hdr.idFrom = IDC_ITEM_LIST;
    ended.hdr.code = LVN_ENDLABELEDITA;
    ended.item.iItem = 1;
    ended.item.pszText = const_cast<char*>("");
    // The dialog answers it only once the warning is closed: the sender goes on before.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(dialog, WM_NOTIFY, IDC_ITEM_LIST, reinterpret_cast<LPARAM>(&ended), SMTO_NORMAL, 200, &result);
    answerWarningOf(dialog);
    rows = Rows(dialog);
    uiauto::ClickButton(dialog, IDOK);
  });
  const std::string why = "This favorite item needs a title: without one it would be dropped at the next start.\n"
                          "The previous title is kept.";
  EXPECT_EQ(warnings, (std::vector<std::string>{why, why}));
  EXPECT_EQ(detailTitle, "Inbox");
  EXPECT_EQ(rows, "Inbox|Work|News");
  EXPECT_EQ(FolderNames(), "Inbox Work News ");
}

TEST_F(ItemListEditTest, ReopensWhereItWasLeftAlsoAfterCancelWithTheButtonsKeptAtTheEdges) {
  const RECT moved = {90, 70, 890, 620};
  RECT first = {}, second = {};
  int okMarginBefore = 0, okMarginAfter = 0;
  auto okMargin = [](HWND dialog) {
    RECT ok = WindowRectOf(GetDlgItem(dialog, IDOK));
    return WindowRectOf(dialog).right - ok.right + (WindowRectOf(dialog).bottom - ok.bottom) * 1000;
  };
  Edit(1, [&](HWND dialog) {
    first = WindowRectOf(dialog);
    okMarginBefore = okMargin(dialog);
    SetWindowPos(dialog, nullptr, moved.left, moved.top, moved.right - moved.left, moved.bottom - moved.top,
                 SWP_NOZORDER);
    okMarginAfter = okMargin(dialog);
    uiauto::ClickButton(dialog, IDCANCEL);
  });
  Edit(2, [&](HWND dialog) {
    second = WindowRectOf(dialog);
    uiauto::ClickButton(dialog, IDCANCEL);
  });
  EXPECT_NE(Text(first), Text(moved));
  EXPECT_EQ(okMarginAfter, okMarginBefore);
  EXPECT_EQ(Text(second), Text(moved));
  EXPECT_EQ(ReadStringEverywhere(GetSettingsFilePath(), "Misc", "EditWindowX") + " " +
                ReadStringEverywhere(GetSettingsFilePath(), "Misc", "EditWindowCY"),
            "90 550");
}

TEST_F(ItemListEditTest, StoredRectangleIsUsedOnlyWhenTheUserCanSeeAndUseIt) {
  RECT screen = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  SIZE usual = {};
  Edit(1, [&](HWND dialog) {
    usual = {WindowRectOf(dialog).right - WindowRectOf(dialog).left, WindowRectOf(dialog).bottom - WindowRectOf(dialog).top};
    uiauto::ClickButton(dialog, IDCANCEL);
  });
  const struct {
    const char* name;
    ScreenRect stored;
    bool usedAsStored;
  } cases[] = {{"sane", {60, 50, 60 + usual.cx + 100, 50 + usual.cy + 40}, true},
               {"off-screen", {screen.right + 500, 40, screen.right + 500 + usual.cx, 40 + usual.cy}, false},
               {"too small", {60, 50, 60 + usual.cx / 2, 50 + usual.cy}, false}};
  for (const auto& c : cases) {
    store.EditWindowRect = c.stored;
    RECT shown = {};
    Edit(1, [&](HWND dialog) {
      shown = WindowRectOf(dialog);
      uiauto::ClickButton(dialog, IDCANCEL);
    });
    const RECT stored = {c.stored.Left, c.stored.Top, c.stored.Right, c.stored.Bottom};
    RECT common;
    EXPECT_EQ(Text(shown) == Text(stored), c.usedAsStored) << c.name << ": " << Text(shown);
    EXPECT_TRUE(IntersectRect(&common, &shown, &screen)) << c.name << ": " << Text(shown);
    if (!c.usedAsStored) {
      EXPECT_EQ(shown.right - shown.left, usual.cx) << c.name;
    }
  }
}

}  // namespace
