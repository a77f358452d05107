// Date values to UTC seconds, address lists to addresses, addresses to name and mailbox.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/MailHeaders.h"

namespace {

TEST(ParseMailDate, GivesUtcSecondsOfTheDate) {
  const struct {
    const char* text;
    std::int32_t seconds;
  } cases[] = {
      {"Tue, 05 Dec 2000 10:20:30 +0900", 975979230},
      {"Tue, 05 Dec 2000 10:20:30 +0000", 976011630},
      {"Tue, 05 Dec 2000 10:20:30 -0130", 976011630 + 5400},
      {"Tue, 05 Dec 2000 10:20:30 GMT", 976011630},        // a short zone is no offset
      {"Tue, 05 DEC 2000 10:20:30 +0000", 976011630},      // month names in any case
      {"Tue, 05 Dec 100 10:20:30 +0000", 976011630},       // years up to 1900 count from 1900
      {"Tue, 05 Dec 2000 10:20 +0000", 976011630 - 37230}, // one colon: midnight
      {"Tue, 05 Xyz 2000 00:00:00 +0000", 976011630 - 37230 - 335 * 86400},  // no month: January
      {"Tue, 29 Feb 2000 00:00:00 +0000", 951782400},
      {"Tue, 31 Jan 2024 00:00:00 +0000", 1706659200},
      {"Fri, 01 Jan 1999 00:00:00 +0000 (UTC)", 915148800},  // tokens after the zone are ignored
      {"Tue, 19 Jan 2038 03:14:07 +0000", 2147483647},
      {"Thu, 01 Jan 1970 00:00:00 +0000", 0},
      {"Wed, 31 Dec 1969 23:59:58 +0000", -2},
      {"Thu, 00 Jan 1970 00:00:00 +0000", -86400},       // fields out of range carry over
      {"Thu, 01 Jan 1970 25:00:00 +0000", 90000},
      {"Tue, 19 Jan 2038 03:14:08 +0000", -1},            // beyond 32 bits
      {"Tue, 05 Dec 99999999999999999999 10:20:30 +0000", -1},
      {"05 Dec 2000 10:20:30 +0000", -1893542400},  // no weekday: the tokens shift (31 Dec 1909)
      {"Tue,  Dec 2000 10:20:30 +0000", 976011630 - 5 * 86400},  // a doubled blank is an empty day
      {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMailDate(c.text), c.seconds) << c.text;
}

std::vector<std::string> Addresses(std::string list) {
  std::vector<char> buffer(list.begin(), list.end());
  buffer.push_back('\0');
  std::vector<std::string> result;
  for (char* address = NextAddress(buffer.data()); address != nullptr; address = NextAddress(nullptr)) {
    result.push_back(address);
  }
  return result;
}

TEST(NextAddress, SplitsAtCommasAndSemicolonsOutsideQuotesAndComments) {
  const struct {
    const char* list;
    std::vector<std::string> addresses;
  } cases[] = {
      {"a@x, \"Doe, John\" <j@x>; c@x", {"a@x", "\"Doe, John\" <j@x>", "c@x"}},
      {"  a@x (Smith, A; B) ,b@x\t", {"a@x (Smith, A; B)", "b@x"}},
      {"(group) a@x, b@x", {"a@x", "b@x"}},
      {"(unclosed a@x, b@x", {}},
      {"a@x (unclosed, b@x", {"a@x (unclosed, b@x"}},
      {",;, ;", {}},
      {"", {}},
      {"a@x,,b@x;", {"a@x", "b@x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Addresses(c.list), c.addresses) << c.list;
}

TEST(NextAddress, WithoutAListAfterTheEndGivesNothing) {
  char list[] = "a@x";
  ASSERT_STREQ(NextAddress(list), "a@x");
  EXPECT_EQ(NextAddress(nullptr), nullptr);
  EXPECT_EQ(NextAddress(nullptr), nullptr);
}

struct Split {
  std::string name, address;
};

Split SplitWith(const char* text, std::size_t nameSize = 256, std::size_t addressSize = 256) {
  char name[256], address[256];
  std::memset(name, 'x', sizeof name);
  std::memset(address, 'x', sizeof address);
  SplitAddress(name, nameSize, address, addressSize, text);
  return {nameSize ? name : "(untouched)", addressSize ? address : "(untouched)"};
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
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const Split split = SplitWith(c.text);
    EXPECT_EQ(split.name, c.name) << c.text;
    EXPECT_EQ(split.address, c.address) << c.text;
  }
}

TEST(SplitAddress, WritesWithinTheBufferSizes) {
  const Split cut = SplitWith("\"Doe, John\" <john@example.com>", 4, 1);
  EXPECT_EQ(cut.name, "Doe");
  EXPECT_EQ(cut.address, "");
  const Split none = SplitWith("\"Doe, John\" <john@example.com>", 0, 0);
  EXPECT_EQ(none.name, "(untouched)");
}

}  // namespace
