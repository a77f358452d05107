// Settings files that Notepad saved as Unicode (UTF-8, UTF-16 LE or BE, behind a byte-order mark):
// read as the system's profile functions read them, written back in their own encoding. Built
// natively and into the Windows tests, where every read is also made through the real functions;
// there the cases of code page 932 run in a process of that page.
#include <gtest/gtest.h>

#include <string>

#include "core/favorites/CFavoriteInfo.h"
#include "tests/core/FavoritesTestSupport.h"
#include "tests/core/FullStore.h"

namespace favorites_test {
namespace {

const IniEncoding UnicodeEncodings[] = {IniEncoding::Utf8, IniEncoding::Utf16Le, IniEncoding::Utf16Be};

// A text the code page holds (in 932 with a second byte that is "\"), and a character it lacks.
struct PageTexts {
  std::u16string Held;
  std::string HeldAnsi;
  std::u16string Foreign;
};

class SettingsFileEncoding : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (!UseAnsiCodePage(GetParam())) GTEST_SKIP() << "the ANSI code page is not " << GetParam();
    texts = GetParam() == 932 ? PageTexts{u"\u8868\u30BD\u3042", "\x95\x5C\x83\x5C\x82\xA0", u"\u20AC"}
                              : PageTexts{u"\u00DCber \u00E9t\u00E9", "\xDC" "ber \xE9t\xE9", u"\u8868"};
  }
  void TearDown() override { port::SetMultiByteCodePage(0); }
  std::string NewPath() { return folder.Path() + "file" + std::to_string(++files) + ".ini"; }

  ScratchFolder folder;
  int files = 0;
  PageTexts texts;
};

TEST_P(SettingsFileEncoding, ReadsAsTheSystemFunctions) {
  std::u16string longValue;
  for (int n = 0; n < 200; ++n) longValue += texts.Held;
  const std::string longAnsi = port::WideToAnsi(longValue);
  const struct {
    const char* What;
    std::u16string File;
    std::string Section, Key, Text;
  } cases[] = {
      {"a value", u"[S]\r\nk=" + texts.Held, "S", "k", texts.HeldAnsi},
      {"section and key names", u"[" + texts.Held + u"]\r\n" + texts.Held + u"=1", texts.HeldAnsi, texts.HeldAnsi, "1"},
      {"a character the page lacks", u"[S]\r\nk=a" + texts.Foreign + u"b", "S", "k", "a?b"},
      {"each half of a surrogate pair", u"[S]\r\nk=a\U0001F600b", "S", "k", "a??b"},
      {"the mark alone", u"", "S", "k", "dflt"},
      {"a second mark is text", u"\uFEFF[S]\r\nk=1", "S", "k", "dflt"},
      {"full-width brackets make no header", u"\uFF3BS\uFF3D\r\nk=1", "S", "k", "dflt"},
      {"a full-width = parts no key", u"[S]\r\na\uFF1Db", "S", "a", "dflt"},
      {"a zero ends the value", u"[S]\r\nk=a" + std::u16string(1, u'\0') + u"b", "S", "k", "a"},
      {"a zero ends no line", u"[S]\r\nk=a" + std::u16string(1, u'\0') + u"b\r\nz=2", "S", "z", "2"},
      {"a long value is cut between characters", u"[S]\r\nk=" + longValue, "S", "k",
       longAnsi.substr(0, port::CutLength(longAnsi, 1023))},
  };
  for (const IniEncoding encoding : UnicodeEncodings) {
    for (const auto& c : cases) {
      const std::string path = NewPath();
      WriteBytes(path, InEncoding(encoding, c.File));
      EXPECT_EQ(ReadStringEverywhere(path, c.Section.c_str(), c.Key.c_str()), c.Text)
          << c.What << " in encoding " << static_cast<int>(encoding);
    }
  }
  // Bytes that no encoder makes. Past an odd last byte the system reads what lies beyond the file.
  const std::string damaged[] = {"\xEF\xBB\xBF[S]\r\nk=a\xC3(\xFFz",
                                 InEncoding(IniEncoding::Utf16Le, u"[S]\r\nk=v\r\n") + "x",
                                 InEncoding(IniEncoding::Utf16Be, u"[S]\r\nk=v\r\n") + "x"};
  const char* const read[] = {"a?(?z", "v", "v"};
  for (int n = 0; n < 3; ++n) {
    const std::string path = NewPath();
    WriteBytes(path, damaged[n]);
    EXPECT_EQ(ReadStringEverywhere(path, "S", "k"), read[n]) << "damaged file " << n;
  }
}

TEST_P(SettingsFileEncoding, WritesBackInItsEncodingAndKeepsWhatTheCodePageLacks) {
  for (const IniEncoding encoding : UnicodeEncodings) {
    // An emoji the ANSI code page cannot hold, then an odd last byte (in UTF-16).
    const std::string starts[] = {InEncoding(encoding, u""),
                                  InEncoding(encoding, u"[S]\r\nj=\U0001F600\r\nk=1\r\n") + "x"};
    const std::u16string written[] = {u"[S]\r\nj=??\r\nk=" + texts.Held + u"\r\n[T]\r\nn=2\r\n",
                                      u"[S]\r\nj=\U0001F600\r\nk=" + texts.Held + u"\r\nx\r\n[T]\r\nn=2\r\n"};
    for (int n = 0; n < 2; ++n) {
      SCOPED_TRACE("start " + std::to_string(n) + ", encoding " + std::to_string(static_cast<int>(encoding)));
      const std::string path = NewPath();
      WriteBytes(path, starts[n]);
      CIniFile ini(path);
      ASSERT_TRUE(ini.Reload());
      // What was read goes back unchanged: the system would write "??" over the emoji.
      ini.WriteString("S", "j", ini.ReadString("S", "j", "??"));
      ini.WriteString("S", "k", texts.HeldAnsi);
      ini.WriteInt("T", "n", 2);
      ASSERT_TRUE(ini.Commit());
      EXPECT_TRUE(ReadBytes(path) == InEncoding(encoding, written[n]));
      EXPECT_EQ(ReadStringEverywhere(path, "S", "j"), "??");
      EXPECT_EQ(ReadStringEverywhere(path, "S", "k"), texts.HeldAnsi);
    }
  }
}

TEST_P(SettingsFileEncoding, FullStoreRoundTripKeepsEverythingAndTheEncoding) {
  for (const IniEncoding encoding : UnicodeEncodings) {
    CFavoriteInfo original;
    original.Path = NewPath();
    FillFully(original);
    for (std::size_t n = 0; n < 300; n += 7) {
      original.Folders.GetItemAt(n)->DisplayName = texts.HeldAnsi + std::to_string(n);
      original.Mails.GetItemAt(n)->Subject = texts.HeldAnsi + " " + std::to_string(n);
    }
    ASSERT_TRUE(original.Save());
    const std::string path = NewPath();
    WriteBytes(path, InEncoding(encoding, port::AnsiToWide(ReadBytes(original.Path))));  // Notepad's "Save as"

    CFavoriteInfo loaded;
    loaded.Path = path;
    loaded.Load();
    for (CFavoriteInfo* store : {&original, &loaded}) {
      store->Folders.GetItemAt(3)->DisplayName = texts.HeldAnsi + "!";
      ASSERT_TRUE(store->SaveFolders());
    }
    EXPECT_TRUE(ReadBytes(path) == InEncoding(encoding, port::AnsiToWide(ReadBytes(original.Path))))
        << "encoding " << static_cast<int>(encoding) << ": the one change, in the file's encoding";
    EXPECT_EQ(ReadStringEverywhere(path, "FavoriteFolders", "Item3_DisplayName"), texts.HeldAnsi + "!");
    EXPECT_EQ(ReadStringEverywhere(path, "FavoriteMails", "Item294_Subject"), texts.HeldAnsi + " 294");

    CFavoriteInfo reloaded;
    reloaded.Path = path;
    reloaded.Load();
    reloaded.Path = NewPath();
    ASSERT_TRUE(reloaded.Save());
    EXPECT_TRUE(ReadBytes(reloaded.Path) == ReadBytes(original.Path)) << "encoding " << static_cast<int>(encoding);
  }
}

INSTANTIATE_TEST_SUITE_P(CodePage932, SettingsFileEncoding, ::testing::Values(932));
INSTANTIATE_TEST_SUITE_P(CodePage1252, SettingsFileEncoding, ::testing::Values(1252));

}  // namespace
}  // namespace favorites_test
