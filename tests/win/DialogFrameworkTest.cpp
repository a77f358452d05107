// Modal dialogs from templates, answered by a user on a helper thread.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/win/FrameworkTestDialogs.h"
#include "tests/win/TestHostWindows.h"
#include "uiauto/UiAutomation.h"
#include "win/ui/CUiGothicDialog.h"
#include "win/ui/ModuleInstance.h"

namespace {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { SetModuleInstance(GetModuleHandleA(nullptr)); }
  void TearDown() override { SetModuleInstance(nullptr); }
  const DWORD thisThread = GetCurrentThreadId();
};

// Starts with the focus in the second edit box, so that focus moves can be told apart.
class TestDialog : public CUiGothicDialog {
 public:
  explicit TestDialog(WORD templateId) : CUiGothicDialog(nullptr, templateId) {}
  BOOL OnInitDialog() override {
    CUiGothicDialog::OnInitDialog();
    secondEdit = GetItem(IDC_TEST_SECOND_EDIT);
    sameWrapperTwice = GetItem(IDC_TEST_SECOND_EDIT) == secondEdit;
    unknownItem = GetItem(999);
    if (secondEdit) SetFocus(secondEdit->GetHandle());
    return FALSE;
  }
  CWindow* secondEdit = nullptr;
  bool sameWrapperTwice = false;
  CWindow* unknownItem = reinterpret_cast<CWindow*>(1);
};

std::wstring FontFace(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW description = {};
  if (font == nullptr || GetObjectW(font, sizeof description, &description) == 0) return L"(none)";
  return description.lfFaceName;
}

TEST_F(DialogTest, EnterGivesOneEscapeAndCloseBoxGiveTwo) {
  const struct {
    const char* answer;
    std::function<void(HWND)> act;
    INT_PTR expected;
  } cases[] = {
      {"Enter", [](HWND dialog) { uiauto::PressKey(dialog, VK_RETURN); }, IDOK},
      {"Escape", [](HWND dialog) { uiauto::PressKey(dialog, VK_ESCAPE); }, IDCANCEL},
      {"close box", [](HWND dialog) { uiauto::ClickCloseBox(dialog); }, IDCANCEL},
      {"OK button", [](HWND dialog) { uiauto::ClickButton(dialog, IDOK); }, IDOK},
      {"Cancel button", [](HWND dialog) { uiauto::ClickButton(dialog, IDCANCEL); }, IDCANCEL},
  };
  for (const auto& c : cases) {
    TestDialog dialog(IDD_TEST_DIALOG);
    bool shown = false;
    uiauto::UserThread user([&] {
      HWND window = uiauto::WaitForDialog("Framework test", thisThread);
      shown = window != nullptr;
      if (shown) c.act(window);
    });
    EXPECT_EQ(dialog.DoModal(), c.expected) << c.answer;
    user.Join();
    EXPECT_TRUE(shown) << c.answer;
    EXPECT_EQ(dialog.GetHandle(), nullptr) << "unbound after " << c.answer;
  }
}

TEST_F(DialogTest, MissingTemplateGivesMinusOne) {
  TestDialog dialog(998);
  EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(DialogTest, ItemWrappersAreKeptPerRunAndUnknownIdsGiveNone) {
  TestDialog dialog(IDD_TEST_DIALOG);
  HWND seen[2] = {};
  for (HWND& handle : seen) {
    uiauto::UserThread user([&] {
      HWND window = uiauto::WaitForDialog("Framework test", thisThread);
      handle = GetDlgItem(window, IDC_TEST_SECOND_EDIT);
      uiauto::PressKey(window, VK_ESCAPE);
    });
    dialog.DoModal();
    user.Join();
    EXPECT_TRUE(dialog.sameWrapperTwice);
    EXPECT_EQ(dialog.unknownItem, nullptr);
    ASSERT_NE(dialog.secondEdit, nullptr);
    // A second run wraps the new control, not the one that died with the first dialog.
    EXPECT_EQ(dialog.secondEdit->GetHandle(), handle);
  }
}

TEST_F(DialogTest, FocusReturnsToItsControlWhenTheDialogIsActivatedAgain) {
  const TestHostWindows& host = UseTestHostWindows();
  TestDialog dialog(IDD_TEST_DIALOG);
  HWND focusBefore = nullptr, focusWhileAway = nullptr, focusAfter = nullptr, secondEdit = nullptr;
  uiauto::UserThread user([&] {
    HWND window = uiauto::WaitForDialog("Framework test", thisThread);
    secondEdit = GetDlgItem(window, IDC_TEST_SECOND_EDIT);
    uiauto::WaitFor([&] { return uiauto::FocusOf(window) == secondEdit; }, 2000);
    focusBefore = uiauto::FocusOf(window);
    SetForegroundWindow(host.MainFrame);
    // The foreground changes at once; the dialog thread's focus only once that thread has handled the
    // activation, so wait for the focus itself.
    uiauto::WaitFor([&] { return GetForegroundWindow() == host.MainFrame && uiauto::FocusOf(window) != secondEdit; },
                    2000);
    focusWhileAway = uiauto::FocusOf(window);
    SetForegroundWindow(window);
    uiauto::WaitFor([&] { return uiauto::FocusOf(window) == secondEdit; }, 2000);
    focusAfter = uiauto::FocusOf(window);
    uiauto::PressKey(window, VK_ESCAPE);
  });
  dialog.DoModal();
  user.Join();
  EXPECT_EQ(focusBefore, secondEdit);
  EXPECT_NE(focusWhileAway, secondEdit) << "the other window should have taken the focus";
  EXPECT_EQ(focusAfter, secondEdit);
}

TEST_F(DialogTest, PluginTemplatesGiveTheirControlsUiGothicInJapaneseOnly) {
  UseTestHostWindows();  // registers the common controls the templates hold
  const std::wstring japaneseTemplateFace = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF";
  const struct {
    LANGID language;
    std::wstring dialogFace, controlFace;
  } languages[] = {
      {MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), japaneseTemplateFace, L"MS UI Gothic"},
      {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), L"Arial", L"Arial"},
  };
  const LCID previousLocale = GetThreadLocale();
  for (const auto& language : languages) {
    SetThreadLocale(MAKELCID(language.language, SORT_DEFAULT));
    for (WORD templateId : {IDD_ITEM_LIST_EDIT, IDD_ITEM_DETAIL, IDD_FOLDER_TREE_CREATE}) {
      CUiGothicDialog dialog(nullptr, templateId);
      std::wstring dialogFace;
      std::vector<std::wstring> otherControlFaces;
      size_t controls = 0;
      uiauto::UserThread user([&] {
        HWND window = uiauto::WaitForDialog("", thisThread);
        dialogFace = FontFace(window);
        for (const auto& control : uiauto::ControlsOf(window)) {
          if (GetParent(control.Handle) != window) continue;  // parts of a control follow the control
          ++controls;
          const std::wstring face = FontFace(control.Handle);
          if (face != language.controlFace) otherControlFaces.push_back(face);
        }
        uiauto::ClickCloseBox(window);
      });
      EXPECT_EQ(dialog.DoModal(), IDCANCEL) << templateId;
      user.Join();
      EXPECT_EQ(dialogFace, language.dialogFace) << "template " << templateId;
      EXPECT_GT(controls, 0u) << "template " << templateId;
      EXPECT_TRUE(otherControlFaces.empty()) << "template " << templateId << ": a control kept another font";
    }
  }
  SetThreadLocale(previousLocale);
}

TEST_F(DialogTest, ControlFontRefusesFaceNamesOfThirtyTwoCharactersAndIsMadeOnceForEveryOpening) {
  // A font made afresh at each opening, and kept for ever, would cost a GDI object every time.
  struct FontDialog : CDialog {
    FontDialog() : CDialog(nullptr, IDD_TEST_DIALOG) {}
    BOOL OnInitDialog() override {
      SetControlFont(std::string(32, 'F'));
      refused = FontFace(GetDlgItem(GetHandle(), IDC_TEST_LABEL));
      SetControlFont(std::string(31, 'F'));
      taken = FontFace(GetDlgItem(GetHandle(), IDC_TEST_LABEL));
      font = reinterpret_cast<HFONT>(SendDlgItemMessageA(GetHandle(), IDC_TEST_LABEL, WM_GETFONT, 0, 0));
      EndDialog(GetHandle(), IDOK);
      return TRUE;
    }
    std::wstring refused, taken;
    HFONT font = nullptr;
  };
  HFONT fonts[3] = {};
  for (HFONT& font : fonts) {
    FontDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.refused, L"Arial");
    EXPECT_EQ(dialog.taken, std::wstring(31, L'F'));
    font = dialog.font;
  }
  ASSERT_NE(fonts[0], nullptr);
  EXPECT_EQ(fonts[1], fonts[0]);
  EXPECT_EQ(fonts[2], fonts[0]);
}

}  // namespace
