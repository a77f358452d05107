// Delimiter searches never take the second byte of a double-byte character.
#include <gtest/gtest.h>

#include "core/hostlink/PathText.h"
#include "port/Mbcs.h"

namespace {

// "表" in Shift-JIS is 0x95 0x5C: its second byte is a backslash.
const std::string kTable = "\x95\x5C";

class ShiftJis : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(port::SetMultiByteCodePage(932), 0); }
  void TearDown() override { port::SetMultiByteCodePage(0); }
};

TEST_F(ShiftJis, LeadByteRanges) {
  const struct {
    unsigned char byte;
    bool lead;
  } cases[] = {{0x40, false}, {0x5C, false}, {0x80, false}, {0x81, true}, {0x9F, true},
               {0xA0, false}, {0xDF, false}, {0xE0, true},  {0xFC, true}, {0xFD, false}};
  for (const auto& c : cases) EXPECT_EQ(port::IsLeadByte(c.byte), c.lead) << std::hex << int(c.byte);
}

TEST_F(ShiftJis, DelimiterSearchSkipsSecondBytes) {
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

TEST_F(ShiftJis, FileBaseNameKeepsDoubleByteNamesWhole) {
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
