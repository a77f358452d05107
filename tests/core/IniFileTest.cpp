// The settings file's reader and writer. Built natively and into the Windows tests; under Wine every
// read is also made through the real GetPrivateProfileStringA / GetPrivateProfileIntA, which must
// give the same answer, so what we read and what we write is what the system functions see.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ini/CIniFile.h"
#include "port/FileSystem.h"
#include "tests/core/FavoritesTestSupport.h"
#include "tests/core/IniReadingCases.h"

namespace favorites_test {

// The cases hold bytes of code page 1252, which Windows tests have only in their main run.
TEST(IniFileReading, AnswersAsTheProfileFunctionsInEveryEncoding) {
  if (!UseAnsiCodePage(1252)) GTEST_SKIP() << "the ANSI code page is not 1252";
  ScratchFolder folder;
  int number = 0;
  for (const IniEncoding encoding : AllIniEncodings) {
    for (const IniReadingCase& c : IniReadingCases()) {
      const bool marked = c.File.compare(0, 3, "\xEF\xBB\xBF") == 0;
      if (encoding != IniEncoding::Ansi && marked) continue;
      const std::string path = folder.Path() + "case" + std::to_string(++number) + ".ini";
      WriteBytes(path, encoding == IniEncoding::Ansi ? c.File : InEncoding(encoding, port::AnsiToWide(c.File)));
      SCOPED_TRACE("encoding " + std::to_string(static_cast<int>(encoding)));
      EXPECT_EQ(ReadStringEverywhere(path, c.Section, c.Key), c.Text) << c.What;
      EXPECT_EQ(ReadIntEverywhere(path, c.Section, c.Key), c.Number) << c.What;
    }
  }
  port::SetMultiByteCodePage(0);
}

// A file with everything that is not ours: comments, unknown keys and sections, odd spacing.
const char* const ForeignFile =
    "; settings of RaZudazoved\r\n"
    "[Other]\r\n"
    "x = 1\r\n"
    "\r\n"
    "[Misc]\r\n"
    "  MailTitleLength = 60  \r\n"
    "Unknown=keep me\r\n"
    "\r\n"
    "; about the lists\r\n"
    "[FavoriteFolders]\r\n"
    "Item0_FolderID=a\r\n"
    "Item0_FolderID=shadowed duplicate\r\n";

TEST(IniFileWriting, KeepsEveryLineThatIsNotOurs) {
  ScratchFolder folder;
  const std::string path = folder.Path() + "RaZudazoved.ini";
  WriteBytes(path, ForeignFile);
  CIniFile ini(path);
  ASSERT_TRUE(ini.Reload());
  ini.WriteULong("misc", "mailtitlelength", 80);   // changed in place, under its own spelling
  ini.WriteInt("Misc", "RestoreTreeID", -1);       // added after the last key, before the comment
  ini.DeleteKey("FavoriteFolders", "Item0_FolderID");  // with its shadowed duplicate
  ini.WriteString("MailHistory", "Item0_MailID", "m");  // a new section at the end
  ASSERT_TRUE(ini.Commit());
  EXPECT_EQ(ReadBytes(path),
            "; settings of RaZudazoved\r\n"
            "[Other]\r\n"
            "x = 1\r\n"
            "\r\n"
            "[Misc]\r\n"
            "MailTitleLength=80\r\n"
            "Unknown=keep me\r\n"
            "RestoreTreeID=-1\r\n"
            "\r\n"
            "; about the lists\r\n"
            "[FavoriteFolders]\r\n"
            "[MailHistory]\r\n"
            "Item0_MailID=m\r\n");
  EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolders", "Item0_FolderID"), "dflt");
  EXPECT_FALSE(port::PathExists(port::TemporaryPathFor(path)));
}

// A comment line reads as a key named by its whole text, so it can be deleted by that name; a new key
// goes before the comments that end its section, wherever they were.
TEST(IniFileWriting, KeyAddedAfterACommentWasDeletedByItsName) {
  const struct {
    const char* File;
    const char* Expected;
  } cases[] = {
      {"[S]\r\na=1\r\n;c\r\n[T]\r\n", "[S]\r\na=1\r\nb=2\r\n[T]\r\n"},
      {"[S]\r\na=1\r\n;c\r\n;d\r\n", "[S]\r\na=1\r\nb=2\r\n;d\r\n"},
      {"[S]\r\na=1\r\n;C\r\n\r\n;c\r\n", "[S]\r\na=1\r\nb=2\r\n\r\n"},
      {"[S]\r\n;c\r\na=1\r\n\r\n", "[S]\r\na=1\r\nb=2\r\n\r\n"},
      {"[S]\r\n;c\r\n", "[S]\r\nb=2\r\n"},
  };
  ScratchFolder folder;
  const std::string path = folder.Path() + "comments.ini";
  for (const auto& c : cases) {
    WriteBytes(path, c.File);
    CIniFile ini(path);
    ASSERT_TRUE(ini.Reload());
    ini.DeleteKey("S", ";c");
    ini.WriteString("S", "b", "2");
    ASSERT_TRUE(ini.Commit());
    EXPECT_EQ(ReadBytes(path), c.Expected) << c.File;
  }
}

TEST(IniFileWriting, ValuesReadBackAsWrittenOrWithBlanksForLineEnds) {
  const struct {
    std::string Written, Read;
  } values[] = {
      {"plain", "plain"},
      {"", ""},
      {"  blanks around  ", "  blanks around  "},
      {"\ttab", "\ttab"},
      {"\"quoted\"", "\"quoted\""},
      {"'single'", "'single'"},
      {"\"", "\""},
      {"a=b ; c [d]", "a=b ; c [d]"},
      {"two\r\nlines", "two  lines"},
      {"ends in LF\n", "ends in LF "},
      {"\r[Misc]", " [Misc]"},
  };
  ScratchFolder folder;
  const std::string path = folder.Path() + "values.ini";
  CIniFile ini(path);
  int number = 0;
  for (const auto& value : values) ini.WriteString("S", "k" + std::to_string(number++), value.Written);
  ASSERT_TRUE(ini.Commit());
  number = 0;
  for (const auto& value : values) {
    const std::string key = "k" + std::to_string(number++);
    EXPECT_EQ(ReadStringEverywhere(path, "S", key.c_str()), value.Read) << "written: " << value.Written;
  }
}

TEST(IniFileWriting, NoValueAddsChangesOrRemovesAnotherKey) {
  const std::string hostile[] = {
      "x\r\n[Misc]\r\nMailHistoryNum=1",
      "x\nItem1_FolderID=planted",
      "x\r[FavoriteFolders]\rItem0_FolderID=evil",
      "\r\n\r\n[Other]\r\nx=2\r\n",
  };
  ScratchFolder folder;
  WriteBytes(folder.Path() + "original.ini", ForeignFile);
  CIniFile original(folder.Path() + "original.ini");
  ASSERT_TRUE(original.Reload());
  int number = 0;
  for (const std::string& value : hostile) {
    const std::string path = folder.Path() + "hostile" + std::to_string(++number) + ".ini";
    WriteBytes(path, ForeignFile);
    CIniFile ini(path);
    ASSERT_TRUE(ini.Reload());
    ini.WriteString("FavoriteMails", "Item0_Subject", value);
    ini.WriteString("Misc", "Unknown", value);
    ASSERT_TRUE(ini.Commit());
    CIniFile reread(path);
    ASSERT_TRUE(reread.Reload());
    for (const char* section : {"Other", "Misc", "FavoriteFolders"}) {
      EXPECT_EQ(reread.ReadKeyNames(section), original.ReadKeyNames(section)) << section << " after " << value;
    }
    EXPECT_EQ(reread.ReadKeyNames("FavoriteMails"), std::vector<std::string>{"Item0_Subject"}) << value;
    EXPECT_EQ(ReadStringEverywhere(path, "Other", "x"), "1");
    EXPECT_EQ(ReadStringEverywhere(path, "Misc", "MailTitleLength"), "60");
    EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolders", "Item0_FolderID"), "a");
    EXPECT_EQ(ReadStringEverywhere(path, "Misc", "MailHistoryNum"), "dflt");
    EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolders", "Item1_FolderID"), "dflt");
  }
}

TEST(IniFileWriting, LeftoverTemporaryFileDisturbsNeitherLoadNorSave) {
  ScratchFolder folder;
  const std::string path = folder.Path() + "RaZudazoved.ini";
  WriteBytes(path, "[Misc]\r\nMailHistoryNum=5\r\n");
  WriteBytes(port::TemporaryPathFor(path), "[Misc]\r\nMailHistoryNum=9\r\ntorn ha");
  CIniFile ini(path);
  ASSERT_TRUE(ini.Reload());
  EXPECT_EQ(ini.ReadInt("Misc", "MailHistoryNum", 0), 5);
  ini.WriteInt("Misc", "MailTitleLength", 70);
  ASSERT_TRUE(ini.Commit());
  EXPECT_EQ(ReadBytes(path), "[Misc]\r\nMailHistoryNum=5\r\nMailTitleLength=70\r\n");
  EXPECT_FALSE(port::PathExists(port::TemporaryPathFor(path)));
}

}  // namespace favorites_test
