// The setup sheet over a store of its own, answered by a user on a helper thread as the host's user
// would answer it. The Key page's refusal and the folder display forms are driven end to end
// (tests/e2e/scripts/setup_pages.txt).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/favorites/CFavoriteInfo.h"
#include "resources/resource.h"
#include "tests/win/TestHostWindows.h"
#include "uiauto/ProcessResources.h"
#include "uiauto/UiAutomation.h"
#include "win/setup/CSetupDialog.h"
#include "win/ui/ModuleInstance.h"

namespace {

enum Page { OverallPage, MailPage, FolderTreePage, KeyPage, AboutPage };
const char SheetTitle[] = "Setup RaZudazoved";

// What the user sees of the sheet, from the helper thread.
struct SheetUser {
  HWND sheet = nullptr;

  HWND CurrentPage() const { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
  void GoTo(int page) const { uiauto::ShowPage(sheet, page); }
  // Presses the sheet's button; the text of the warning it gave ("" for none), which is answered with OK.
  std::string Press(int button) const {
    uiauto::ClickButton(sheet, button);
    HWND box = nullptr;
    uiauto::WaitFor([&] {
      return (box = uiauto::FindMessageBoxOf(sheet)) != nullptr || !IsWindow(sheet) || !IsWindowVisible(sheet);
    });
    if (box == nullptr) return "";
    const std::string text = uiauto::MessageBoxText(box);
    uiauto::AnswerMessageBox(box, IDOK);
    return text;
  }
};

class SetupDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { SetModuleInstance(GetModuleHandleA(nullptr)); }
  void TearDown() override { SetModuleInstance(nullptr); }

  // Runs the sheet with the user's part; its result.
  INT_PTR RunSheet(const std::function<void(SheetUser&)>& part) {
    CWindow owner(UseTestHostWindows().MainFrame);
    CSetupDialog setup(&owner, store, "RaZudazoved", "2.2");
    uiauto::UserThread user([&] {
      SheetUser sheetUser;
      sheetUser.sheet = uiauto::WaitForDialog(SheetTitle, thisThread);
      if (sheetUser.sheet != nullptr) part(sheetUser);
      // A part that failed half-way may leave a warning over the sheet: answer it before the sheet, and
      // stay until neither is up, as the test's thread waits in them for a user.
      uiauto::WaitFor(
          [&] {
            HWND modal = uiauto::FindModalWindow();
            if (modal != nullptr) uiauto::Dismiss(modal);
            return uiauto::WaitUntilGone(sheetUser.sheet, 500) &&
                   uiauto::FindWindowOf({"#32770", "", thisThread}) == nullptr;
          },
          INFINITE);
    });
    return setup.Run();
  }

  CFavoriteInfo store;
  const DWORD thisThread = GetCurrentThreadId();
};

TEST_F(SetupDialogTest, NumbersOfTheMailPageAreCheckedBeforeTheSheetCloses) {
  const struct {
    int control;
    const char* text;
    const char* warning;
  } cases[] = {
      {IDC_MAIL_HISTORY_NUM, "301", "Bad number of history."},  {IDC_MAIL_HISTORY_NUM, "300", ""},
      {IDC_MAIL_HISTORY_NUM, "0", ""},                          {IDC_MAIL_HISTORY_NUM, "", "Bad number of history."},
      {IDC_MAIL_HISTORY_NUM, "abc", "Bad number of history."},  {IDC_MAIL_HISTORY_NUM, "4294967296", "Bad number of history."},
      {IDC_MAIL_TITLE_LENGTH, "19", "Bad number of mail title length"}, {IDC_MAIL_TITLE_LENGTH, "20", ""},
      {IDC_MAIL_TITLE_LENGTH, "500", ""},                       {IDC_MAIL_TITLE_LENGTH, "501", "Bad number of mail title length"},
      {IDC_MAIL_TITLE_LENGTH, "", "Bad number of mail title length"},
  };
  for (const auto& c : cases) {
    store.MailHistoryNum = 20;
    store.MailTitleLength = 60;
    std::string warning;
    const INT_PTR result = RunSheet([&](SheetUser& user) {
      user.GoTo(MailPage);
      uiauto::SetControlText(user.CurrentPage(), c.control, c.text);
      warning = user.Press(IDOK);
      if (!warning.empty()) user.Press(IDCANCEL);
    });
    EXPECT_EQ(warning, c.warning) << c.text;
    EXPECT_EQ(result, *c.warning ? 0 : 1) << c.text;
    const std::uint32_t kept = c.control == IDC_MAIL_HISTORY_NUM ? store.MailHistoryNum : store.MailTitleLength;
    EXPECT_EQ(std::to_string(kept), *c.warning ? (c.control == IDC_MAIL_HISTORY_NUM ? "20" : "60") : c.text) << c.text;
  }
}

TEST_F(SetupDialogTest, DepthIsMinusOneUnrestrictedAndAtMostOneHundred) {
  const struct {
    bool restrict;
    const char* text;
    const char* warning;
    std::int32_t stored;
  } cases[] = {{false, "50", "", -1}, {true, "100", "", 100}, {true, "0", "", 0}, {true, "101", "Bad depth value.", 7},
               {true, "", "Bad depth value.", 7}};
  for (const auto& c : cases) {
    store.FolderTreeClosedDepth = 7;
    std::string warning;
    bool editEnabled = !c.restrict;
    RunSheet([&](SheetUser& user) {
      user.GoTo(FolderTreePage);
      uiauto::SetChecked(user.CurrentPage(), IDC_RESTRICT_CLOSED_DEPTH, c.restrict);
      editEnabled = IsWindowEnabled(GetDlgItem(user.CurrentPage(), IDC_CLOSED_DEPTH)) != FALSE;
      uiauto::SetControlText(user.CurrentPage(), IDC_CLOSED_DEPTH, c.text);
      warning = user.Press(IDOK);
      if (!warning.empty()) user.Press(IDCANCEL);
    });
    EXPECT_EQ(warning, c.warning) << c.text;
    EXPECT_EQ(editEnabled, c.restrict) << c.text;
    EXPECT_EQ(store.FolderTreeClosedDepth, c.stored) << c.text;
  }
}

TEST_F(SetupDialogTest, HotKeysConvertBothWaysAndAltCombinationsAreUnusable) {
  const struct {
    unsigned shiftCode;
    BYTE modifiers;
  } codes[] = {{0, 0}, {32, HOTKEYF_CONTROL}, {64, HOTKEYF_SHIFT}, {96, HOTKEYF_CONTROL | HOTKEYF_SHIFT}, {254, HOTKEYF_ALT}};
  for (const auto& c : codes) {
    EXPECT_EQ(CSetupKeyPage::ToControl(CHotKey(VK_F5, c.shiftCode)), MAKEWORD(VK_F5, c.modifiers)) << c.shiftCode;
    CHotKey key;
    ASSERT_TRUE(CSetupKeyPage::FromControl(MAKEWORD(VK_F5, c.modifiers), key)) << c.shiftCode;
    EXPECT_EQ(key.ShiftCode, c.shiftCode);
    EXPECT_EQ(key.VirtualKey, static_cast<unsigned>(VK_F5));
  }
  CHotKey untouched(1, 2);
  EXPECT_FALSE(CSetupKeyPage::FromControl(MAKEWORD(VK_F5, HOTKEYF_ALT | HOTKEYF_SHIFT), untouched));
  EXPECT_FALSE(CSetupKeyPage::FromControl(MAKEWORD(VK_F5, HOTKEYF_ALT | HOTKEYF_CONTROL), untouched));
  // A shift code the host never sends cannot be pressed: it shows as no key.
  EXPECT_EQ(CSetupKeyPage::ToControl(CHotKey(VK_F5, 3)), 0);
}

TEST_F(SetupDialogTest, CancelChangesNothingAndTheNextOpeningShowsTheLastPage) {
  const struct {
    const char* way;
    std::function<void(HWND)> cancel;
  } ways[] = {{"Cancel", [](HWND sheet) { uiauto::ClickButton(sheet, IDCANCEL); }},
              {"Escape", [](HWND sheet) { uiauto::PressKey(sheet, VK_ESCAPE); }},
              {"close box", [](HWND sheet) { uiauto::ClickCloseBox(sheet); }}};
  store.HotKeys[FavoriteFolderList] = CHotKey('F', 32);
  for (const auto& way : ways) {
    int reopenedOn = -1;
    const INT_PTR result = RunSheet([&](SheetUser& user) {
      user.GoTo(MailPage);
      uiauto::SetControlText(user.CurrentPage(), IDC_MAIL_HISTORY_NUM, "5");
      user.GoTo(KeyPage);
      SendDlgItemMessageA(user.CurrentPage(), IDC_SHORTCUT_KEY, HKM_SETHOTKEY, MAKEWORD('G', HOTKEYF_SHIFT), 0);
      user.GoTo(FolderTreePage);
      way.cancel(user.sheet);
      uiauto::WaitUntilGone(user.sheet);
    });
    RunSheet([&](SheetUser& user) {
      reopenedOn = uiauto::CurrentPageIndex(user.sheet);
      user.Press(IDCANCEL);
    });
    EXPECT_EQ(result, 0) << way.way;
    EXPECT_EQ(store.MailHistoryNum, 20u) << way.way;
    EXPECT_EQ(store.HotKeys[FavoriteFolderList].ToStoredValue(), 32 * 256 + 'F') << way.way;
    EXPECT_EQ(store.HotKeys[ComprehensiveMenuKind].ToStoredValue(), 0) << way.way;
    EXPECT_EQ(reopenedOn, FolderTreePage) << way.way;
  }
}

TEST_F(SetupDialogTest, OpeningTheSheetAgainAndAgainKeepsNoIcons) {
  // Every page shown once, then closed. The sheet's and the pages' icons are USER objects, one each
  // per opening when the sheet loads them itself; GDI objects are not counted here, as Wine's caches of
  // device contexts and fonts fill up over the first openings (the soak run holds them with a slack).
  const auto openEveryPage = [&] {
    RunSheet([&](SheetUser& user) {
      for (int page : {OverallPage, MailPage, FolderTreePage, KeyPage, AboutPage}) user.GoTo(page);
      user.Press(IDCANCEL);
    });
  };
  openEveryPage();
  const unsigned long before = uiauto::MeasureProcessResources().User;
  for (int opening = 0; opening < 5; ++opening) openEveryPage();
  const unsigned long after = uiauto::MeasureProcessResources().User;
  EXPECT_LE(after, before + 1) << "USER objects before " << before << ", after five more openings " << after;
}

TEST_F(SetupDialogTest, HandEditedValuesOpenValidAndOkKeepsThemSane) {
  store.MailHistoryNum = 5000;
  store.MailTitleLength = 3;
  store.MailFolderDispMode = 7;
  store.FolderTreeClosedDepth = -40;
  std::string history, title, mode, depth, warning;
  bool restricted = true;
  RunSheet([&](SheetUser& user) {
    user.GoTo(MailPage);
    history = uiauto::ControlText(user.CurrentPage(), IDC_MAIL_HISTORY_NUM);
    title = uiauto::ControlText(user.CurrentPage(), IDC_MAIL_TITLE_LENGTH);
    mode = uiauto::ControlText(user.CurrentPage(), IDC_MAIL_FOLDER_DISP_MODE);
    user.GoTo(FolderTreePage);
    restricted = IsDlgButtonChecked(user.CurrentPage(), IDC_RESTRICT_CLOSED_DEPTH) == BST_CHECKED;
    depth = uiauto::ControlText(user.CurrentPage(), IDC_CLOSED_DEPTH);
    warning = user.Press(IDOK);
  });
  EXPECT_EQ(history + " " + title + " " + mode, "300 20 Folder path");
  EXPECT_FALSE(restricted);
  EXPECT_EQ(depth, "");
  EXPECT_EQ(warning, "");
  EXPECT_EQ(store.MailHistoryNum, 300u);
  EXPECT_EQ(store.MailFolderDispMode, 0);
  EXPECT_EQ(store.FolderTreeClosedDepth, -1);
}

TEST_F(SetupDialogTest, LoweringTheHistorySizeTrimsTheHistoryAtOnce) {
  for (int i = 0; i < 5; ++i) {
    auto mail = std::make_unique<CMailItem>();
    mail->MailId = "Main\\Inbox\\?" + std::to_string(i + 1);
    mail->FolderId = "Main\\Inbox\\";
    mail->Subject = "Subject " + std::to_string(i);
    std::unique_ptr<CFavoriteItem> item = std::move(mail);
    store.AddItem(item, MailHistoryList);
  }
  ASSERT_EQ(store.History.GetCount(), 5u);
  std::string version;
  RunSheet([&](SheetUser& user) {
    user.GoTo(AboutPage);
    version = uiauto::ControlText(user.CurrentPage(), IDC_VERSION_LABEL);
    user.GoTo(MailPage);
    uiauto::SetControlText(user.CurrentPage(), IDC_MAIL_HISTORY_NUM, "2");
    user.Press(IDOK);
  });
  EXPECT_EQ(version, "RaZudazoved plug-in Ver.2.2");
  EXPECT_EQ(store.MailHistoryNum, 2u);
  EXPECT_EQ(store.History.GetCount(), 2u);
}

}  // namespace
