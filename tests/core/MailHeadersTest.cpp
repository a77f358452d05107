// Date values to UTC seconds, address lists to addresses, addresses to name and mailbox, folded values to one line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mail/MailHeaders.h"
#include "port/Mbcs.h"

namespace {

TEST(ParseMailDate, GivesUtcSecondsOfTheDate) {
  const std::int32_t dec5 = 976011630;  // Tue, 05 Dec 2000 10:20:30 +0000
  const struct {
    const char* text;
    std::int32_t seconds;
  } cases[] = {
      {"Tue, 05 Dec 2000 10:20:30 +0000", dec5},
      {"Tue, 05 Dec 2000 10:20:30 +0900", dec5 - 32400},
      {"Tue, 05 Dec 2000 10:20:30 -0130", dec5 + 5400},
      {"Tue, 05 Dec 2000 10:20:30 GMT", dec5},  // a zone shorter than 4 is no offset
      {"Tue, 05 DEC 100 10:20:30 +0000", dec5},  // any case; years up to 1900 count from 1900
      {"Tue, 05 Dec 2000 10:20 +0000", dec5 - 37230},  // one colon: midnight
      {"Tue, 05 Xyz 2000 00:00:00 +0000", dec5 - 37230 - 335 * 86400},  // no month: January
      {"Tue,  Dec 2000 10:20:30 +0000", dec5 - 5 * 86400},  // a doubled blank is an empty day
      {"05 Dec 2000 10:20:30 +0000", -1893542400},  // no weekday: the tokens shift (31 Dec 1909)
      {"Fri, 01 Jan 1999 00:00:00 +0000 (UTC)", 915148800},  // tokens after the zone are ignored
      {"Tue, 29 Feb 2000 00:00:00 +0000", 951782400},
      {"Wed, 31 Dec 1969 23:59:58 +0000", -2},
      {"Thu, 00 Jan 1970 25:00:00 +0000", 25 * 3600 - 86400},  // fields out of range carry over
      {"Tue, 19 Jan 2038 03:14:07 +0000", 2147483647},
      {"Tue, 19 Jan 2038 03:14:08 +0000", -1},  // beyond 32 bits
      {"Tue, 05 Dec 99999999999999999999 10:20:30 +0000", -1},
      {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMailDate(c.text), c.seconds) << c.text;
}

TEST(NextAddress, SplitsAtCommasAndSemicolonsOutsideQuotesAndComments) {
  const struct {
    std::string list;
    std::vector<std::string> addresses;
  } cases[] = {
      {"a@x, \"Doe, John\" <j@x>; c@x", {"a@x", "\"Doe, John\" <j@x>", "c@x"}},
      {"  a@x (Smith, A; B) ,b@x\t", {"a@x (Smith, A; B)", "b@x"}},
      {"(group) a@x, b@x", {"a@x", "b@x"}},
      {"\"A (B\" <a@x>, b@x", {"\"A (B\" <a@x>", "b@x"}},  // no comment inside quotes
      {"(unclosed a@x, b@x", {}},
      {"a@x (unclosed, b@x", {"a@x (unclosed, b@x"}},
      {"a@x,,b@x;", {"a@x", "b@x"}},
      {",;, ;", {}},
  };
  for (const auto& c : cases) {
    std::vector<char> list(c.list.begin(), c.list.end());
    list.push_back('\0');
    std::vector<std::string> addresses;
    for (char* a = NextAddress(list.data()); a != nullptr; a = NextAddress(nullptr)) addresses.push_back(a);
    EXPECT_EQ(addresses, c.addresses) << c.list;
    EXPECT_EQ(NextAddress(nullptr), nullptr) << "after the end of " << c.list;
  }
}

TEST(SplitAddress, SeparatesDisplayNameAndMailbox) {
  const struct {
    const char* text;
    const char* name;
    const char* address;
  } cases[] = {
      {"\"Doe, John\" <john@example.com>", "Doe, John", "john@example.com"},
      {"  John Doe  <  john@example.com >", "John Doe", "john@example.com"},
      {"john@example.com (John Doe)", "John Doe", "john@example.com"},
      {"john@example.com ( John Doe ", "", "john@example.com"},
      {"<john@example.com>", "", "john@example.com"},
      {"john@example.com \t", "", "john@example.com"},
      {"\"a <b>\" c@x", "", "\"a <b>\" c@x"},  // "<" inside quotes is no address
      {"Doe <john@example.com", "Doe", ""},
  };
  for (const auto& c : cases) {
    char name[64], address[64];
    SplitAddress(name, sizeof name, address, sizeof address, c.text);
    EXPECT_STREQ(name, c.name) << c.text;
    EXPECT_STREQ(address, c.address) << c.text;
  }
}

TEST(HoldsEncodedWord, KnowsEncodedWordsByTheirWholeForm) {
  const struct {
    const char* value;
    bool encoded;
  } cases[] = {
      {"=?Shift_JIS?B?k/qWew==?=", true},
      {"Re: =?iso-2022-jp?q?abc?= <a@x>", true},
      {"=?UTF-8?b?" "?=", true},        // an empty word is still one
      {"=?UTF-8?X?abc?=", false},       // no such encoding
      {"=?UTF-8?B?abc", false},         // not closed
      {"a =? b ?= c", false},           // no charset and encoding between
      {"=?", false},
      {"Quarterly report draft", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(HoldsEncodedWord(c.value), c.encoded) << c.value;
}

TEST(UnfoldHeader, JoinsFoldedLinesOnly) {
  const struct {
    const char* value;
    const char* unfolded;
  } cases[] = {
      {"Quarterly report\r\n draft", "Quarterly report draft"},
      {"a\r\n\tb\n c\r d", "a\tb c d"},
      {"a\r\nb", "a\r\nb"},            // no blank after it: no fold
      {"a\r\n", "a\r\n"},              // a break at the end
      {"\x93\xfa\r\n \x96\x7b", "\x93\xfa \x96\x7b"},  // double-byte characters on both sides
      {"\x81\r\n x", "\x81\r x"},  // the second byte of a double-byte character is no line break
      {"", ""},
  };
  const int codePage = port::GetMultiByteCodePage();
  ASSERT_EQ(port::SetMultiByteCodePage(932), 0);
  for (const auto& c : cases) EXPECT_EQ(UnfoldHeader(c.value), c.unfolded) << c.value;
  port::SetMultiByteCodePage(codePage);
}

}  // namespace
