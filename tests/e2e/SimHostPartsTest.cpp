// Tests of the simulated host's own parts: the script words and patterns, the folder index format,
// header reading, and the mail store with its generated sample data and faults.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "sim/CMailStore.h"
#include "sim/FileTree.h"
#include "sim/FolderIndex.h"
#include "sim/MailText.h"
#include "sim/SampleStores.h"
#include "sim/ScriptText.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A data folder of its own for each test, removed afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int count = 0;
    m_path = std::string(base) + "toviksim-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count) +
             "\\";
    CreateDirectoryA(m_path.c_str(), nullptr);
  }
  ~TemporaryFolder() { DeleteDirectoryTree(m_path); }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

// A sample store written into a data folder of its own and read back.
class SampleStore : public ::testing::Test {
 protected:
  void Make(unsigned seed) {
    ASSERT_TRUE(WriteSampleStore(m_data.Path(), seed));
    ASSERT_TRUE(m_store.Load(m_data.Path()));
  }

  TemporaryFolder m_data;
  CMailStore m_store;
};

const char* const YoteiHyo = "\x97\x5c\x92\xe8\x95\x5c";  // a subject whose second bytes include "\"

}  // namespace

TEST(ScriptPattern, MatchesWholeTextWithStarAndQuestionMark) {
  const struct {
    const char* Text;
    const char* Pattern;
    bool Matches;
  } cases[] = {{"abc", "abc", true},    {"abc", "ab", false},       {"abc", "a*", true},    {"abc", "*c", true},
               {"abc", "a?c", true},    {"abc", "a?", false},       {"", "*", true},        {"", "", true},
               {"a", "", false},        {"abcabd", "*abd", true},   {"ab", "a*b*c", false}, {"a*c", "a\\*c", false},
               {"Main (12)", "Main (*)", true}, {"Main", "Main (*)", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.Matches, MatchesPattern(c.Text, c.Pattern))
        << "text \"" << c.Text << "\", pattern \"" << c.Pattern << "\"";
  }
}

TEST(ScriptWords, QuotesKeepBackslashesAndDataFolderIsReplaced) {
  std::vector<std::string> words;
  std::string error;
  ASSERT_TRUE(SplitScriptWords("call  SetCurrentMail\t\"Main\\Inbox\\?5\" => 1 \"\"", "Z:\\d", words, error));
  EXPECT_EQ((std::vector<std::string>{"call", "SetCurrentMail", "Main\\Inbox\\?5", "=>", "1", ""}), words);
  ASSERT_TRUE(SplitScriptWords("expect file \"$DATA\\Plugins\\a.log\" x", "Z:\\d", words, error));
  EXPECT_EQ("Z:\\d\\Plugins\\a.log", words[2]);
  EXPECT_FALSE(SplitScriptWords("select-folder \"Main\\", "", words, error));
  EXPECT_EQ("a quoted word has no closing quote", error);
}

TEST(ScriptWords, MenuTextsLoseTheirAcceleratorMarks) {
  EXPECT_EQ("Tools", WithoutAccelerators("&Tools"));
  EXPECT_EQ("Save & quit", WithoutAccelerators("Save && &quit"));
  EXPECT_EQ("end&", WithoutAccelerators("end&"));
}

TEST(ScriptKeys, CombinationsGiveKeyCodeAndHostShiftCode) {
  const struct {
    const char* Text;
    bool Valid;
    int Key, Shift;
  } cases[] = {{"F", true, 'F', 0},          {"f", true, 'F', 0},          {"Ctrl+F", true, 'F', 32},
               {"Shift+A", true, 'A', 64},   {"Ctrl+Shift+F5", true, 0x74, 96}, {"Alt+X", true, 'X', 254},
               {"Ctrl+Alt+X", true, 'X', 254}, {"Enter", true, 0x0D, 0},    {"Shift+Down", true, 0x28, 64},
               {"65", true, 65, 0},          {"Ctrl+", false, 0, 0},       {"Hyper+X", false, 0, 0},
               {"F25", false, 0, 0},         {"300", false, 0, 0},         {"", false, 0, 0}};
  for (const auto& c : cases) {
    int key = 0, shift = 0;
    EXPECT_EQ(c.Valid, ParseKeyCombination(c.Text, key, shift)) << c.Text;
    if (!c.Valid) continue;
    EXPECT_EQ(c.Key, key) << c.Text;
    EXPECT_EQ(c.Shift, shift) << c.Text;
  }
}

TEST(FolderIndex, EntryHasSeventeenFieldsAndReadsBackEqual) {
  SimMail mail;
  mail.Number = 0x1A;
  mail.Offset = 0x2000;
  mail.Size = 0x300;
  mail.Subject = YoteiHyo;
  mail.From = "\"A, B\" <a@example.jp>";
  mail.To = "c@example.jp";
  mail.MessageId = "<1@example.jp>";
  mail.CharSet = "Shift_JIS";
  mail.Date = 975977430;
  mail.Status = MailRead | MailReplied;
  const std::string line = FormatIndexLine(mail);
  EXPECT_EQ(16, std::count(line.begin(), line.end(), '\x01'));
  EXPECT_EQ(0u, line.find(std::string("2000\x01") + "1A\x01" + "300\x01" + YoteiHyo + "\x01"));
  EXPECT_NE(std::string::npos, line.find("\x01<1@example.jp>\x01\x01" "3A2C3BD6\x01" "5\x01"));
  SimMail read;
  ASSERT_TRUE(ParseIndexLine(line, read));
  EXPECT_EQ(line, FormatIndexLine(read));
  EXPECT_FALSE(ParseIndexLine(line.substr(0, line.rfind('\x01')), read)) << "16 fields";
  EXPECT_FALSE(ParseIndexLine("g" + line, read)) << "bad hexadecimal offset";
}

TEST(FolderIndex, HeaderDecidesAndBadOrLongLinesDoNotHurt) {
  TemporaryFolder folder;
  const std::string path = folder.Path() + "Folder.idx";
  SimMail mail;
  mail.Number = 7;
  mail.Subject = std::string(70000, 'x');  // longer than any line buffer
  const std::string entry = FormatIndexLine(mail);
  const struct {
    std::string Text;
    bool Valid;
    size_t Mails;
    unsigned NextNumber;
  } cases[] = {{"2.00\x01" "20\r\n" + entry + "\r\nbroken\x01line\r\n", true, 1, 0x20},
               {"2.1\n" + entry + "\n", true, 1, 8},
               {"1.9\n" + entry + "\n", false, 0, 1},
               {"", false, 0, 1}};
  for (const auto& c : cases) {
    WriteFile(path, c.Text);
    SimFolder read;
    EXPECT_EQ(c.Valid, ReadFolderIndex(path, read)) << c.Text.substr(0, 8);
    EXPECT_EQ(c.Mails, read.Mails.size()) << c.Text.substr(0, 8);
    EXPECT_EQ(c.NextNumber, read.NextNumber) << c.Text.substr(0, 8);
    for (const SimMail& entry : read.Mails) EXPECT_EQ(70000u, entry.Subject.size());
  }
}

TEST(MailHeaders, FoundByNameInTheHeaderBlockOnly) {
  const std::string mail =
      "From: a@example.jp\r\nSubject: first part\r\n\tsecond part\r\nX-Subject-Tag: no\r\n"
      "subject2: no\r\nDATE: Tue, 05 Dec 2000 10:20:30 +0900\r\n\r\nMessage-Id: <in the body>\r\n";
  EXPECT_EQ("first part second part", FindHeader(mail, "Subject"));
  EXPECT_EQ("Tue, 05 Dec 2000 10:20:30 +0900", FindHeader(mail, "date"));
  EXPECT_EQ("", FindHeader(mail, "Message-Id"));
  EXPECT_EQ("", FindHeader(mail, ""));
  EXPECT_EQ(932, CodePageOfCharSet("SHIFT_JIS"));
  EXPECT_EQ(-1, CodePageOfCharSet("x-unknown"));
  EXPECT_EQ("Thu, 01 Jan 1970 09:00:00 +0900", FormatMailDate(0, 540));
  EXPECT_EQ("Thu, 01 Jan 1970 00:00:00 +0000", FormatMailDate(0, -300)) << "no local reading before 1970";
}

TEST(MailStore, SampleIsDeterministicAndFindsFoldersAndMailsById) {
  TemporaryFolder first, second;
  ASSERT_TRUE(WriteSampleStore(first.Path(), 7));
  ASSERT_TRUE(WriteSampleStore(second.Path(), 7));
  EXPECT_EQ(ReadFile(first.Path() + "Main\\Inbox\\Folder.idx"), ReadFile(second.Path() + "Main\\Inbox\\Folder.idx"));
  CMailStore store;
  ASSERT_TRUE(store.Load(first.Path()));
  ASSERT_EQ(3u, store.Mailboxes().size());
  EXPECT_EQ("Main\\", store.Mailboxes()[0]->Id);
  const SimFolder* beta = store.FindFolder("Work\\Inbox\\Projects\\Beta\\");
  ASSERT_NE(nullptr, beta);
  EXPECT_EQ("[Work] Inbox/Projects/Beta", CMailStore::DisplayName(*beta));
  EXPECT_EQ(nullptr, store.FindFolder("Work\\Inbox\\Projects\\Beta"));
  const struct {
    const char* Id;
    bool Found;
  } ids[] = {{"Main\\Inbox\\?5", true},  {"Main\\Inbox\\?3C", true},  {"Main\\Inbox\\?3D", false},
             {"Main\\Inbox\\?", false},  {"Main\\Inbox\\?5x", false}, {"Main\\Inbox\\?100000005", false},
             {"Main\\?1", false},        {"Nowhere\\?1", false},      {"Main\\Inbox\\5", false}};
  for (const auto& c : ids) {
    SimFolder* folder = nullptr;
    size_t position = 0;
    EXPECT_EQ(c.Found, store.FindMail(c.Id, folder, position)) << c.Id;
  }
}

TEST_F(SampleStore, RenumberingMakesOldIdsStaleAndKeepsMessageIds) {
  Make(1);
  SimFolder& inbox = *m_store.FindFolder("Main\\Inbox\\");
  const SimFolder before = {inbox.Id, inbox.Name, nullptr, {}, inbox.Mails, inbox.NextNumber, false};
  ASSERT_TRUE(m_store.Renumber(inbox, false, true));
  CMailStore reread;
  ASSERT_TRUE(reread.Load(m_data.Path()));
  const SimFolder& after = *reread.FindFolder("Main\\Inbox\\");
  ASSERT_EQ(before.Mails.size(), after.Mails.size());
  for (size_t i = 0; i < after.Mails.size(); ++i) {
    EXPECT_EQ(before.Mails[i].MessageId, after.Mails[i].MessageId);
    EXPECT_GE(after.Mails[i].Number, before.NextNumber) << "every new number lies above the old ones";
    SimFolder* folder = nullptr;
    size_t position = 0;
    EXPECT_FALSE(reread.FindMail(CMailStore::MailId(before, before.Mails[i]), folder, position));
  }
  EXPECT_EQ(before.NextNumber + before.Mails.size(), after.NextNumber);
}

// A host that numbers from 1 again, and writes the index only later: until then the file keeps the
// old numbers; afterwards each old id names another mail.
TEST_F(SampleStore, RenumberingFromOneAgainReusesIdsAndMayWriteTheIndexLater) {
  Make(1);
  SimFolder& inbox = *m_store.FindFolder("Main\\Inbox\\");
  const std::vector<SimMail> before = inbox.Mails;
  const size_t count = before.size();
  ASSERT_GT(count, 2u);
  ASSERT_TRUE(m_store.Renumber(inbox, true, false));
  CMailStore lagging;
  ASSERT_TRUE(lagging.Load(m_data.Path()));
  EXPECT_EQ(before[0].Number, lagging.FindFolder("Main\\Inbox\\")->Mails[0].Number) << "the index lags";
  m_store.SaveChangedIndexes();
  CMailStore reread;
  ASSERT_TRUE(reread.Load(m_data.Path()));
  const SimFolder& after = *reread.FindFolder("Main\\Inbox\\");
  ASSERT_EQ(count, after.Mails.size());
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ(count - i, after.Mails[i].Number);
    EXPECT_EQ(before[i].MessageId, after.Mails[i].MessageId);
  }
  SimFolder* folder = nullptr;
  size_t position = 0;
  ASSERT_TRUE(reread.FindMail(CMailStore::MailId(after, before[0]), folder, position));
  EXPECT_NE(before[0].MessageId, folder->Mails[position].MessageId) << "the old id names another mail";
  EXPECT_EQ(count + 1, after.NextNumber);
}

TEST_F(SampleStore, MailTextIsCutToWhatTheFileHolds) {
  Make(1);
  CMailStore& store = m_store;
  const SimFolder& sent = *store.FindFolder("Main\\Sent\\");
  SimMail last = sent.Mails.back();
  EXPECT_EQ(last.Size, store.ReadMailText(sent, last).size());
  EXPECT_EQ(last.MessageId, FindHeader(store.ReadMailText(sent, last), "Message-Id"));
  last.Size = 0xFFFFFFF0u;  // an index that lies about the size
  EXPECT_LT(store.ReadMailText(sent, last).size(), 4096u);
  last.Offset = 0xFFFFFFF0u;
  EXPECT_EQ("", store.ReadMailText(sent, last));
}

TEST_F(SampleStore, IndexFieldsEqualTheHeadersOfEveryMail) {
  // The plug-in finds a mail again by comparing header values with index fields byte for byte.
  Make(3);
  CMailStore& store = m_store;
  const SimFolder& inbox = *store.FindFolder("Main\\Inbox\\");
  ASSERT_FALSE(inbox.Mails.empty());
  bool japanese = false;
  for (const SimMail& mail : inbox.Mails) {
    const std::string text = store.ReadMailText(inbox, mail);
    EXPECT_EQ(mail.Subject, FindHeader(text, "Subject"));
    EXPECT_EQ(mail.From, FindHeader(text, "From"));
    EXPECT_EQ(mail.To, FindHeader(text, "To"));
    EXPECT_EQ(mail.MessageId, FindHeader(text, "Message-Id"));
    EXPECT_EQ("text/plain; charset=" + mail.CharSet, FindHeader(text, "Content-Type"));
    japanese = japanese || mail.CharSet == "Shift_JIS";
  }
  EXPECT_TRUE(japanese) << "the sample holds Japanese mails";
}
