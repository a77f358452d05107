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

TEST(MenuText, StrangersTextsBecomeSafeItemTexts) {
  ASSERT_EQ(port::SetMultiByteCodePage(932), 0);
  const std::string japanese = "\x8E\xF3\x90\x4D";  // two double-byte characters
  const struct {
    std::string text;
    std::size_t maxLength;
    std::string expected;
  } cases[] = {
      {"Inbox", 10, "Inbox"},
      {"Tab\there\x01\x7F", 20, "Tab here  "},
      {"Tom & Jerry", 20, "Tom & Jerry"},
      {"cut\x82", 20, "cut?"},                       // a lead byte without its second byte
      {"\x82\t&x", 20, "? &x"},                       // no second byte below 0x40: tab and '&' stay themselves
      {"\x81\x40x\x81>", 20, "\x81\x40x?>"},            // 0x40 is the lowest second byte (the ideographic space)
      {"abcdefghij", 10, "abcdefghij"},
      {"abcdefghijk", 10, "abcdefg..."},
      {"ab" + japanese + "x", 6, "ab..."},  // never half a character before the ellipsis
      {"a" + japanese + japanese, 7, "a" + japanese.substr(0, 2) + "..."},
      {"a" + japanese + japanese, 8, "a" + japanese + "..."},
      {"abcdef", 2, "ab"},
  };
  for (const auto& c : cases) EXPECT_EQ(MenuSafeText(c.text, c.maxLength), c.expected) << '"' << c.text << '"';
  port::SetMultiByteCodePage(0);
}

TEST(MenuText, AcceleratorPrefixCountsOneToNineThenZero) {
  const char* const expected[] = {"&0 ", "&1 ", "&2 ", "&9 ", "&0 ", "&0 "};
  const unsigned int numbers[] = {0, 1, 2, 9, 10, 300};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(AcceleratorPrefix(numbers[i]), expected[i]) << numbers[i];
}

}  // namespace
