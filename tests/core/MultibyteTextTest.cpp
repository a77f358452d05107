// Multibyte text in Shift-JIS (code page 932): a lead byte directly followed by the very delimiter a
// parser looks for never makes that byte a delimiter, and no cut leaves half a character; in a single-byte
// page every byte is a character of its own.
// Built natively (the stand-in lead-byte table) and into the Windows tests (the C runtime's
// _ismbblead after _setmbcp(932)), so both are held to the same expectations.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/hostlink/PathText.h"
#include "core/mail/MailHeaders.h"
#include "port/Mbcs.h"

namespace {

// "表" in Shift-JIS is 0x95 0x5C: its second byte is a backslash.
const std::string kTable = "\x95\x5C";

class ShiftJisText : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(port::SetMultiByteCodePage(932), 0); }
  void TearDown() override { port::SetMultiByteCodePage(0); }
};

// Lead bytes of code page 932 as Windows defines them.
bool IsShiftJisLeadByte(int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

TEST_F(ShiftJisText, LeadBytesAreThoseOfCodePage932) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(port::IsLeadByte(static_cast<unsigned char>(byte)), IsShiftJisLeadByte(byte)) << "byte " << byte;
  }
}

TEST_F(ShiftJisText, CutsKeepCharactersWhole) {
  const std::string text = "a\x95\x5C\x83\x5D";  // "a" and two characters whose second bytes are \ and ]
  const struct {
    std::size_t maxLength, cut;
  } cuts[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 5}, {99, 5}};
  for (const auto& c : cuts) EXPECT_EQ(port::CutLength(text, c.maxLength), c.cut) << "max " << c.maxLength;

  const struct {
    std::string text;
    std::size_t length;
  } trims[] = {{"a\x82 \t ", 3}, {"a\x82\t", 3}, {"a \t", 1}, {" ", 0}, {"\x82", 1}};
  for (const auto& c : trims) EXPECT_EQ(port::LengthWithoutTrailing(c.text, " \t"), c.length) << c.text;

  char buffer[4];
  std::memset(buffer, 'x', sizeof buffer);
  port::CopyToBuffer(buffer, sizeof buffer, "\x95\x5C\x95\x5C");
  EXPECT_STREQ(buffer, "\x95\x5C");
}

TEST_F(ShiftJisText, DateTokensAreNotCutAfterALeadByte) {
  const struct {
    const char* text;
    std::int32_t seconds;
  } cases[] = {
      {"Mon,\x82 Tue, 05 Dec 2000 10:20:30 +0000", 976011630},  // one weekday token with a blank in it
      {"Tue, 05 Dec 2000 10:20\x82:30 +0000", 975974400},       // one colon only: midnight
      {"Tue, 05 Dec 2000 10:\x82::30 +0000", 976010430},         // minutes "\x82:" read as 0
      {"Tue, 05 Dec 2000 10:20:30 \x82" "0900", 976011630},       // hours would start in a character
      {"Tue, 05 Dec 2000 10:20:30 +0\x82" "30", 976011630},       // minutes would
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMailDate(c.text), c.seconds) << c.text;
}

TEST_F(ShiftJisText, AddressListIsNotSplitAfterALeadByte) {
  const struct {
    std::string list;
    std::vector<std::string> addresses;
  } cases[] = {
      {"N\x82,<a@x>, b@x", {"N\x82,<a@x>", "b@x"}},
      {"N\x82;<a@x>; b@x", {"N\x82;<a@x>", "b@x"}},
      {"\"N\x82\", M\" <a@x>, b@x", {"\"N\x82\", M\" <a@x>", "b@x"}},
      {"a@x (N\x82), M), b@x", {"a@x (N\x82), M)", "b@x"}},
      {"(N\x82), M) a@x, b@x", {"a@x", "b@x"}},
      {"a@x \x82 , b@x \x82\t", {"a@x \x82 ", "b@x \x82\t"}},  // a second byte below 33 stays
      {"a@x\x82(, b@x", {"a@x\x82(", "b@x"}},
  };
  for (const auto& c : cases) {
    std::vector<char> buffer(c.list.begin(), c.list.end());
    buffer.push_back('\0');
    std::vector<std::string> addresses;
    for (char* a = NextAddress(buffer.data()); a != nullptr; a = NextAddress(nullptr)) addresses.push_back(a);
    EXPECT_EQ(addresses, c.addresses) << c.list;
  }
}

TEST_F(ShiftJisText, AddressIsNotSplitAfterALeadByte) {
  const struct {
    const char* text;
    const char* name;
    const char* address;
  } cases[] = {
      {"N\x82< <a@x>", "N\x82<", "a@x"},
      {"<a\x82>b>", "", "a\x82>b"},
      {"\"N\x82\"\" <a@x>", "N\x82\"", "a@x"},
      {"\"N\x82\"<\" <a@x>", "N\x82\"<", "a@x"},  // the quote after the lead byte closes nothing
      {"a@x (N\x82))", "N\x82)", "a@x"},
      {"a@x\x82( (N)", "N", "a@x\x82("},
      {"a@x (N\x82 )", "N\x82 ", "a@x"},             // trimming keeps a second byte
      {"\x82\t<a@x>", "\x82\t", "a@x"},
  };
  for (const auto& c : cases) {
    char name[64], address[64];
    SplitAddress(name, sizeof name, address, sizeof address, c.text);
    EXPECT_STREQ(name, c.name) << c.text;
    EXPECT_STREQ(address, c.address) << c.text;
  }
}

TEST_F(ShiftJisText, SplitAddressWritesWithinSizesBetweenCharacters) {
  char name[4], address[3] = "xx";
  SplitAddress(name, sizeof name, address, sizeof address, "\"\x95\x5C\x95\x5C\" <\x83\x5D\x83\x5D>");
  EXPECT_STREQ(name, "\x95\x5C");
  EXPECT_STREQ(address, "\x83\x5D");
  SplitAddress(name, 2, address, 0, "\"\x95\x5C\" <a>");
  EXPECT_STREQ(name, "");
  EXPECT_STREQ(address, "\x83\x5D");  // size 0: untouched
}

TEST_F(ShiftJisText, DelimiterSearchSkipsSecondBytes) {
  const struct {
    std::string text;
    std::size_t first, last;
  } cases[] = {
      {kTable, std::string::npos, std::string::npos},
      {kTable + "\\", 2, 2},
      {"a\\" + kTable + "b\\c", 1, 5},
      {"\\" + kTable, 0, 0},
      {std::string("\x95"), std::string::npos, std::string::npos},  // a lone lead byte at the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(port::FindDelimiter(c.text, "\\"), c.first);
    EXPECT_EQ(port::FindLastDelimiter(c.text, "\\"), c.last);
  }
  EXPECT_EQ(port::FindDelimiter("a\\b\\c", "\\", 2), 3u);
}

TEST_F(ShiftJisText, FileBaseNameKeepsDoubleByteNamesWhole) {
  EXPECT_EQ(FileBaseName("C:\\" + kTable + "\\Plugins\\RaZudazoved.dll"), "RaZudazoved");
  EXPECT_EQ(FileBaseName("C:\\Plugins\\" + kTable + ".dll"), kTable);
  EXPECT_EQ(FileBaseName("C:\\Plugins\\Name" + kTable), "Name" + kTable);
}

TEST(SingleByte, EveryByteIsItsOwnCharacter) {
  ASSERT_EQ(port::SetMultiByteCodePage(1252), 0);
  EXPECT_FALSE(port::IsLeadByte(0x95));
  EXPECT_EQ(port::FindLastDelimiter(kTable, "\\"), 1u);
  EXPECT_EQ(port::SetMultiByteCodePage(12345), -1);
  port::SetMultiByteCodePage(0);
}

TEST(FileBaseName, StripsFolderAndLastExtension) {
  const struct {
    const char* path;
    const char* base;
  } cases[] = {{"C:\\Tovik\\Plugins\\RaZudazoved.dll", "RaZudazoved"},
               {"RaZudazoved.dll", "RaZudazoved"},
               {"C:/x/my.plugin.dll", "my.plugin"},
               {"C:\\x.y\\noext", "noext"},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(FileBaseName(c.path), c.base) << c.path;
}

}  // namespace
