// Menu-text rules: literal ampersands and accelerators already present.
#include <gtest/gtest.h>

#include "core/menutext/MenuText.h"
#include "port/Mbcs.h"

namespace {

TEST(MenuText, HasAcceleratorByTheRules) {
  const struct {
    const char* text;
    bool expected;
  } cases[] = {
      {"Inbox", false},
      {"", false},
      {"Tom && Jerry", false},
      {"&&&&", false},
      {"&Register", true},
      {"Re&gister", true},
      {"Register as favorite item(& )...", true},
      {"Tom && &Jerry", true},
      {"Name\t&Ctrl+F", false},   // behind a tab: the right-aligned column
      {"Name&\tCtrl+F", false},   // nothing but the tab follows
      {"Ends with &", false},
      {"&& &", false},
      {"&&x&y", true},
  };
  for (const auto& c : cases) EXPECT_EQ(HasAccelerator(c.text), c.expected) << '"' << c.text << '"';
}

TEST(MenuText, EscapeAmpersandsDoublesEveryOne) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"Inbox", "Inbox"},
      {"A&B&C", "A&&B&&C"},
      {"Tom && Jerry", "Tom &&&& Jerry"},
      {"&", "&&"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeAmpersands(c.text), c.expected) << '"' << c.text << '"';
}

TEST(MenuText, DoubleByteTextKeepsItsCharactersWhole) {
  ASSERT_EQ(port::SetMultiByteCodePage(932), 0);
  // "受信" (Shift-JIS 0x8E 0xF3 0x90 0x4D) behind an accelerator, and a folder name with an ampersand.
  const std::string japanese = "\x8E\xF3\x90\x4D";
  EXPECT_TRUE(HasAccelerator("&" + japanese));
  EXPECT_FALSE(HasAccelerator(japanese + "\t&x"));
  EXPECT_EQ(EscapeAmpersands(japanese + "&" + japanese), japanese + "&&" + japanese);
  port::SetMultiByteCodePage(0);
}

}  // namespace
