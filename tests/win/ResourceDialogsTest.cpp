// The dialog templates: each creates in English and in Japanese, with the controls, classes and styles the
// code relies on, in the template font of its language.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/testhost/LanguageResources.h"
#include "tests/win/ResourceModuleTest.h"
#include "uiauto/UiAutomation.h"

namespace {

using uiauto::ClassOf;
using uiauto::WideTextOf;

struct ExpectedControl {
  int id;
  const char* className;
  DWORD styleMask;  // (style & styleMask) must equal style
  DWORD style;
  int buddy;  // the edit a spin control drives, or 0
};

struct ExpectedDialog {
  UINT id;
  std::vector<ExpectedControl> controls;
};

constexpr DWORD kButtonType = BS_TYPEMASK;
constexpr DWORD kDropDownList = CBS_DROPDOWNLIST;  // the low two bits are the combo box type
constexpr DWORD kInfoEdit = ES_MULTILINE | ES_READONLY;
constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY;
constexpr DWORD kListViewStyles = LVS_TYPEMASK | LVS_EDITLABELS | LVS_NOSORTHEADER | LVS_SINGLESEL | LVS_OWNERDATA;

const ExpectedControl kOk = {IDOK, "Button", kButtonType, BS_DEFPUSHBUTTON, 0};
const ExpectedControl kCancel = {IDCANCEL, "Button", kButtonType, BS_PUSHBUTTON, 0};
const ExpectedControl kLabel = {0, "Static", 0, 0, 0};  // id filled in
const ExpectedControl kCheckBox = {0, "Button", kButtonType, BS_AUTOCHECKBOX, 0};
const ExpectedControl kPushButton = {0, "Button", kButtonType, BS_PUSHBUTTON, 0};

ExpectedControl With(ExpectedControl control, int id) {
  control.id = id;
  return control;
}

const ExpectedDialog kDialogs[] = {
    {IDD_ITEM_LIST_EDIT,
     {{IDC_LIST_KIND, "ComboBox", 3, kDropDownList, 0},
      {IDC_ITEM_LIST, "SysListView32", kListViewStyles, LVS_REPORT | LVS_EDITLABELS | LVS_NOSORTHEADER, 0},
      With(kPushButton, IDC_MOVE_UP), With(kPushButton, IDC_MOVE_DOWN), With(kPushButton, IDC_REMOVE),
      With(kPushButton, IDC_PROPERTY), kOk, kCancel}},
    {IDD_ITEM_DETAIL,
     {{IDC_TITLE, "Edit", 0, 0, 0},
      With(kLabel, IDC_TREE_STATE_LABEL),
      {IDC_TREE_STATE, "ComboBox", 3, kDropDownList, 0},
      With(kLabel, IDC_INTERNAL_INFO_LABEL),
      {IDC_INTERNAL_INFO, "Edit", kInfoEdit, kInfoEdit, 0},
      With(kLabel, IDC_RELATED_INFO_LABEL),
      {IDC_RELATED_INFO, "Edit", kInfoEdit, kInfoEdit, 0},
      kOk, kCancel}},
    {IDD_FOLDER_TREE_CREATE,
     {{IDC_TITLE, "Edit", 0, 0, 0},
      {IDC_EXISTING_TREE, "ComboBox", 3, kDropDownList, 0},
      {IDC_CREATE_NEW, "Button", kButtonType | WS_GROUP, BS_AUTORADIOBUTTON | WS_GROUP, 0},
      {IDC_UPDATE_EXISTING, "Button", kButtonType | WS_GROUP, BS_AUTORADIOBUTTON, 0},
      kOk, kCancel}},
    {IDD_SETUP_OVERALL,
     {{IDC_RESTORE_TREE, "ComboBox", 3, kDropDownList, 0}, With(kCheckBox, IDC_SET_FOCUS_AFTER_JUMP)}},
    {IDD_SETUP_MAIL,
     {{IDC_MAIL_TITLE_LENGTH, "Edit", ES_NUMBER, ES_NUMBER, 0},
      {IDC_MAIL_TITLE_LENGTH_SPIN, "msctls_updown32", kSpin, kSpin, IDC_MAIL_TITLE_LENGTH},
      With(kCheckBox, IDC_MAIL_FOLDER),
      {IDC_MAIL_FOLDER_DISP_MODE, "ComboBox", 3, kDropDownList, 0},
      {IDC_MAIL_HISTORY_NUM, "Edit", ES_NUMBER, ES_NUMBER, 0},
      {IDC_MAIL_HISTORY_NUM_SPIN, "msctls_updown32", kSpin, kSpin, IDC_MAIL_HISTORY_NUM}}},
    {IDD_SETUP_FOLDER_TREE,
     {With(kCheckBox, IDC_SAVE_TREE_COMPLETE), With(kCheckBox, IDC_RESTORE_TREE_COMPLETE),
      With(kCheckBox, IDC_RESTRICT_CLOSED_DEPTH), With(kLabel, IDC_CLOSED_DEPTH_LABEL),
      {IDC_CLOSED_DEPTH, "Edit", ES_NUMBER, ES_NUMBER, 0},
      {IDC_CLOSED_DEPTH_SPIN, "msctls_updown32", kSpin, kSpin, IDC_CLOSED_DEPTH}}},
    {IDD_SETUP_KEY,
     {{IDC_MENU_TYPE, "ListBox", LBS_NOTIFY, LBS_NOTIFY, 0}, {IDC_SHORTCUT_KEY, "msctls_hotkey32", 0, 0, 0}}},
    {IDD_SETUP_ABOUT, {With(kLabel, IDC_VERSION_LABEL)}},
    {IDD_FIND_FAVORITE,
     {{IDC_FIND_TEXT, "Edit", 0, 0, 0},
      {IDC_FOUND_LIST, "SysListView32", kListViewStyles, LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL | LVS_OWNERDATA, 0},
      kOk, kCancel, {IDC_FIND_FOLDERS, "Button", kButtonType, BS_AUTOCHECKBOX, 0},
      {IDC_REGISTER_FOLDER, "Button", kButtonType | WS_DISABLED, BS_PUSHBUTTON | WS_DISABLED, 0}}},
};

// "ＭＳ Ｐゴシック", the Japanese template font.
const wchar_t kJapaneseFont[] = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";

INT_PTR CALLBACK PlainDialogProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class DialogTemplates : public ResourceModuleTest {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes = {sizeof classes,
                                    ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS | ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    ResourceModuleTest::SetUp();
    // The setup pages are child dialogs and need a parent.
    owner = CreateWindowExW(0, L"Static", L"owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
  }
  void TearDown() override {
    if (owner) DestroyWindow(owner);
    ResourceModuleTest::TearDown();
  }

  HWND Create(UINT id, LANGID language) {
    const DLGTEMPLATE* found = FindDialogTemplate(module, id, language);
    return found ? CreateDialogIndirectParamW(module, found, owner, PlainDialogProcedure, 0) : nullptr;
  }

  HWND owner = nullptr;
};

TEST_P(DialogTemplates, CreateInEnglishWithTheControlsTheCodeUses) {
  for (const auto& expected : kDialogs) {
    HWND dialog = Create(expected.id, kEnglish);
    ASSERT_NE(dialog, nullptr) << "dialog " << expected.id << ", error " << GetLastError();
    for (const auto& control : expected.controls) {
      HWND window = GetDlgItem(dialog, control.id);
      ASSERT_NE(window, nullptr) << "dialog " << expected.id << ", control " << control.id;
      EXPECT_STRCASEEQ(ClassOf(window).c_str(), control.className)
          << "dialog " << expected.id << ", control " << control.id;
      const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
      EXPECT_EQ(style & control.styleMask, control.style)
          << "dialog " << expected.id << ", control " << control.id << ", style " << std::hex << style;
      if (control.buddy) {
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(window, UDM_GETBUDDY, 0, 0)), GetDlgItem(dialog, control.buddy))
            << "dialog " << expected.id << ", spin " << control.id;
      }
    }
    DestroyWindow(dialog);
  }
}

// Same controls in the same order and place as the English dialog, every text translated.
TEST_P(DialogTemplates, CreateInJapaneseWithTheEnglishLayoutAndJapaneseTexts) {
  for (const auto& expected : kDialogs) {
    HWND english = Create(expected.id, kEnglish);
    HWND japanese = Create(expected.id, kJapanese);
    ASSERT_NE(english, nullptr) << "dialog " << expected.id;
    ASSERT_NE(japanese, nullptr) << "dialog " << expected.id << ", error " << GetLastError();
    EXPECT_TRUE(HasJapanese(WideTextOf(japanese))) << "dialog " << expected.id;
    HWND theirs = GetWindow(japanese, GW_CHILD);
    for (HWND ours = GetWindow(english, GW_CHILD); ours; ours = GetWindow(ours, GW_HWNDNEXT)) {
      ASSERT_NE(theirs, nullptr) << "dialog " << expected.id << " lacks control " << GetDlgCtrlID(ours);
      EXPECT_EQ(GetDlgCtrlID(theirs), GetDlgCtrlID(ours)) << "dialog " << expected.id;
      EXPECT_EQ(ClassOf(theirs), ClassOf(ours)) << "dialog " << expected.id << ", control " << GetDlgCtrlID(ours);
      EXPECT_EQ(GetWindowLongW(theirs, GWL_STYLE), GetWindowLongW(ours, GWL_STYLE))
          << "dialog " << expected.id << ", control " << GetDlgCtrlID(ours);
      const std::wstring text = WideTextOf(ours);
      // Edits and combo boxes show data, not labels; an icon control's text is its resource ordinal.
      const bool isLabel = !text.empty() && text[0] != 0xFFFF && ClassOf(ours) != "ComboBox" && ClassOf(ours) != "Edit";
      if (isLabel && text != L"OK") {
        EXPECT_TRUE(HasJapanese(WideTextOf(theirs)))
            << "dialog " << expected.id << ", control " << GetDlgCtrlID(ours) << ": " << Narrow(text);
      }
      theirs = GetWindow(theirs, GW_HWNDNEXT);
    }
    EXPECT_EQ(theirs, nullptr) << "dialog " << expected.id << " has an extra control in Japanese";
    DestroyWindow(english);
    DestroyWindow(japanese);
  }
}

TEST_P(DialogTemplates, UseArialInEnglishAndMsPGothicInJapaneseAtNinePoints) {
  HDC screen = GetDC(nullptr);
  const LONG nineDots = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  const struct {
    LANGID language;
    const wchar_t* face;
  } fonts[] = {{kEnglish, L"Arial"}, {kJapanese, kJapaneseFont}};
  for (const auto& font : fonts) {
    for (const auto& expected : kDialogs) {
      HWND dialog = Create(expected.id, font.language);
      ASSERT_NE(dialog, nullptr) << "dialog " << expected.id;
      LOGFONTW description = {};
      ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof description,
                           &description),
                0);
      EXPECT_EQ(std::wstring(description.lfFaceName), font.face)
          << "dialog " << expected.id << ", language " << std::hex << font.language;
      EXPECT_EQ(description.lfHeight, nineDots) << "dialog " << expected.id;
      DestroyWindow(dialog);
    }
  }
}

TEST_P(DialogTemplates, VersionPageShowsThePluginIcon) {
  for (LANGID language : {kEnglish, kJapanese}) {
    HWND dialog = Create(IDD_SETUP_ABOUT, language);
    ASSERT_NE(dialog, nullptr);
    bool shown = false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      shown = shown || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    }
    EXPECT_TRUE(shown) << "language " << std::hex << language;
    DestroyWindow(dialog);
  }
}

INSTANTIATE_TEST_SUITE_P(LinkedAndDll, DialogTemplates, ResourceModuleTest::Modules());

}  // namespace
