// Strings of the plug-in's string table, formatted texts and message boxes answered by a user.
#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "uiauto/UiAutomation.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/ModuleInstance.h"

namespace {

class ResourceToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The plug-in's resources are linked into the test program, English chosen explicitly.
    SetModuleInstance(GetModuleHandleA(nullptr));
    // Wine picks a resource's language by the thread locale.
    previousLocale = GetThreadLocale();
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  }
  void TearDown() override {
    SetThreadLocale(previousLocale);
    SetModuleInstance(nullptr);
  }
  LCID previousLocale = 0;
};

TEST_F(ResourceToolTest, FormatStringPutsTheArgumentsInPlaceOfPercentOneAndTwo) {
  const struct {
    UINT id;
    std::vector<std::string> arguments;
    const char* expected;
  } cases[] = {
      {IDS_REGISTERING_PROGRESS, {"3", "10"}, "Registering favorite items(3/10)..."},
      {IDS_CANNOT_REGISTER_SOME_MAILS, {"7"}, "Cannot register 7 mail(s)."},
      // Fewer arguments than the text asks for: the missing ones are empty, nothing is read beyond.
      {IDS_DELETING_PROGRESS, {"1"}, "Deleting favorite items(1/)..."},
  };
  for (const auto& c : cases) {
    std::string text = "unchanged";
    EXPECT_TRUE(CResourceTool::FormatString(text, c.id, c.arguments)) << c.id;
    EXPECT_EQ(text, c.expected);
  }
}

TEST_F(ResourceToolTest, StringsFollowTheUsersLanguage) {
  std::string english, japanese;
  ASSERT_TRUE(CResourceTool::LoadString(english, IDS_REGISTERING_PROGRESS));
  SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT));
  ASSERT_TRUE(CResourceTool::LoadString(japanese, IDS_REGISTERING_PROGRESS));
  EXPECT_NE(japanese, english);
}

TEST_F(ResourceToolTest, MissingStringLeavesTheTargetAsItWas) {
  std::string text = "unchanged";
  EXPECT_FALSE(CResourceTool::LoadString(text, 999));
  EXPECT_EQ(text, "unchanged");
  EXPECT_FALSE(CResourceTool::FormatString(text, 999, {"1"}));
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(CResourceTool::LoadString(999), "");
  EXPECT_TRUE(CResourceTool::LoadString(text, IDS_REGISTERING_PROGRESS));
  EXPECT_EQ(text, "Registering favorite items(%1/%2)...");
}

TEST_F(ResourceToolTest, MessageBoxShowsItsTextAndGivesTheButtonTheUserPressed) {
  const char* const text = "Registering favorite items(%1/%2)...";
  const struct {
    int button;
    UINT flags;
    bool byId;  // the text given by its string id, else as text
  } cases[] = {{IDYES, MB_YESNO | MB_ICONQUESTION, false}, {IDNO, MB_YESNO, true},
               {IDCANCEL, MB_YESNOCANCEL, false}, {IDOK, MB_OK | MB_ICONEXCLAMATION, true}};
  const DWORD thisThread = GetCurrentThreadId();
  for (const auto& c : cases) {
    std::string shownText;
    uiauto::UserThread user([&] {
      HWND box = uiauto::WaitForDialog("RaZudazoved", thisThread);
      shownText = uiauto::MessageBoxText(box);
      uiauto::ClickButton(box, c.button);
    });
    const int pressed = c.byId ? CResourceTool::MessageBox(nullptr, IDS_REGISTERING_PROGRESS, "RaZudazoved", c.flags)
                               : CResourceTool::MessageBox(nullptr, text, "RaZudazoved", c.flags);
    user.Join();
    EXPECT_EQ(pressed, c.button);
    EXPECT_EQ(shownText, text) << "button " << c.button;
  }
}

}  // namespace
