// The favorite item classes: validity, sameness, titles, copies and what they ask the host.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/favorites/CFolderItem.h"
#include "core/favorites/CFolderTreeItem.h"
#include "core/favorites/CMailItem.h"
#include "core/favorites/CWindowStateItem.h"
#include "port/Mbcs.h"
#include "port/PlainFileName.h"
#include "tests/core/TestHostLink.h"

namespace {

class MailTitle : public ::testing::Test {
 protected:
  void TearDown() override {
    TitleLength = 0;
    port::SetMultiByteCodePage(0);
  }
  static std::string Title(std::uint32_t length, const std::string& subject, const std::string& from) {
    TitleLength = length;
    CMailItem mail;
    mail.Subject = subject;
    mail.From = from;
    return mail.BuildTitle();
  }
};

TEST_F(MailTitle, IsShortenedToTitleLengthFrom18On) {
  const std::string s30(30, 's'), f30(30, 'f'), s70(70, 's');
  const struct {
    std::uint32_t Length;
    std::string Subject, From, Title;
  } cases[] = {
      {60, "Subject", "Anna", "Subject (Anna)"},
      {0, s30, f30, s30 + " (" + f30 + ")"},
      {17, s30, f30, s30 + " (" + f30 + ")"},
      {18, s30, f30, "ssssssss... (f...)"},
      {60, s70, "0123456789", std::string(44, 's') + "... (0123456789)"},
      {60, "short", std::string(70, 'f'), "short (" + std::string(49, 'f') + "...)"},
      {4294967295u, s70, f30, s70 + " (" + f30 + ")"},
  };
  for (const auto& c : cases) {
    const std::string title = Title(c.Length, c.Subject, c.From);
    EXPECT_EQ(title, c.Title) << "length " << c.Length;
    if (c.Length >= 18) {
      EXPECT_LE(title.size(), c.Length);
    }
  }
}

TEST_F(MailTitle, CutsNeverSplitADoubleByteCharacter) {
  ASSERT_EQ(port::SetMultiByteCodePage(932), 0);
  std::string subject = "a";
  for (int n = 0; n < 14; ++n) subject += "\x83\x5D";  // second bytes are "]"
  subject += "b";
  // 8 bytes of subject would end inside the fourth double-byte character: it goes whole.
  EXPECT_EQ(Title(18, subject, std::string(30, 'f')), "a\x83\x5D\x83\x5D\x83\x5D... (f...)");
}

TEST(MailItem, DisplayNameSenderTextAndSameness) {
  CMailItem mail;
  mail.Subject = "Plan";
  mail.From = "\"Anna\" <anna@example.org>, bob@example.org";
  EXPECT_EQ(mail.GetSenderText(), "Anna, bob@example.org");
  EXPECT_EQ(mail.GetDisplayName(), "Plan (Anna, bob@example.org)");
  mail.DisplayName = std::string(600, 'n');
  EXPECT_EQ(mail.GetDisplayName(), mail.DisplayName);
  mail.From = "   ,;  ";
  EXPECT_EQ(mail.GetSenderText(), mail.From) << "no address: From as stored";

  mail.MailId = "m";
  mail.FolderId = "f";
  CMailItem other = mail;
  other.DisplayName = "different name";
  other.Failure = 1;
  EXPECT_TRUE(mail.IsSameAs(other));
  other.Date = "another date";
  EXPECT_FALSE(mail.IsSameAs(other));
}

TEST(FavoriteItems, Validity) {
  CFolderItem folder;
  folder.FolderId = "f";
  EXPECT_FALSE(folder.IsValid()) << "no name";
  folder.DisplayName = "F";
  EXPECT_TRUE(folder.IsValid());

  CMailItem mail;
  mail.MailId = "m";
  EXPECT_FALSE(mail.IsValid()) << "no folder";
  mail.FolderId = "f";
  EXPECT_TRUE(mail.IsValid()) << "a mail needs no name";

  CFolderTreeItem tree(-1);
  tree.DisplayName = "T";
  tree.TreeFileName = "RaZudazoved.0.tree";
  EXPECT_FALSE(tree.IsValid()) << "negative id";
  tree.TreeId = 0;
  EXPECT_TRUE(tree.IsValid());

  const struct {
    ScreenRect Rect;
    bool Valid;
  } windows[] = {{{-1, -1, -1, -1}, true}, {{-2, -2, -2, -2}, true}, {{-1, -1, -1, -2}, false},
                 {{10, 10, 10, 20}, false}, {{10, 10, 11, 11}, true}, {{0, 0, 0, 0}, false}};
  for (const auto& w : windows) {
    CWindowStateItem window;
    window.DisplayName = "W";
    window.WindowRect = w.Rect;
    EXPECT_EQ(window.IsValid(), w.Valid) << w.Rect.Left << "," << w.Rect.Top << "," << w.Rect.Right << "," << w.Rect.Bottom;
  }
}

TEST(FavoriteItems, TreeStateFileNamesMustBePlainNames) {
  const struct {
    const char* Name;
    bool Plain;
  } names[] = {{"RaZudazoved.0.tree", true}, {"\x83\x5C.tree", true}, {"", false},         {"a\\b", false},
               {"../x", false},              {"C:x", false},           {"..", false},        {".", false},
               {"x.", false},                {"x ", false},            {"a\tb", false},      {"a\x7F", false},
               {"con", false},               {"NUL.tree", false},      {"com1.x", false},    {"COM0", true},
               {"console", true},            {"COM1 .tree", false},    {"nul  .x", false},   {"Aux .0.tree", false}};
  ASSERT_EQ(port::SetMultiByteCodePage(932), 0);  // "\x83\x5C" is one character, not a separator
  for (const auto& n : names) EXPECT_EQ(IsPlainFileName(n.Name), n.Plain) << n.Name;
  port::SetMultiByteCodePage(0);
}

TEST(FavoriteItems, CloneCopiesEveryFieldAndTheTreeStateDeeply) {
  CFolderTreeItem tree(7);
  tree.DisplayName = "Layout";
  tree.Failure = 1;
  tree.TreeFileName = "RaZudazoved.3.tree";
  tree.ForceOpen = 0;
  tree.TreeState.push_back(std::make_unique<CFolderTreeState>("Main", 1));
  tree.TreeState.front()->push_back(std::make_unique<CFolderTreeState>("Inbox", 0));
  std::unique_ptr<CFavoriteItem> copy = tree.Clone();
  auto& clone = dynamic_cast<CFolderTreeItem&>(*copy);
  EXPECT_TRUE(clone.IsSameAs(tree));
  EXPECT_EQ(clone.DisplayName + std::to_string(clone.Failure), "Layout1");
  tree.TreeState.front()->front()->Name = "changed";
  ASSERT_EQ(clone.TreeState.size(), 1u);
  EXPECT_EQ(clone.TreeState.GetPreviewText(), "[O] Main\r\n  [-] Inbox\r\n");

  CWindowStateItem window;
  window.DisplayName = "W";
  window.WindowRect = {1, 2, 3, 4};
  std::unique_ptr<CFavoriteItem> windowCopy = window.Clone();
  EXPECT_TRUE(dynamic_cast<CWindowStateItem&>(*windowCopy).IsSameAs(window));
}

// The host's answers for the host-backed operations.
LPCSTR WINAPI FolderName(LPCSTR folderId) { return std::strcmp(folderId, "f") == 0 ? "Inbox" : nullptr; }
int WINAPI Status(LPCSTR mailId) { return std::strcmp(mailId, "m") == 0 ? 0x21 : 0; }
int WINAPI CharSet(LPCSTR mailId, LPSTR buffer, int size) {
  if (std::strcmp(mailId, "m") != 0) {
    std::strncpy(buffer, "written anyway", static_cast<std::size_t>(size));
    return -1;
  }
  std::strncpy(buffer, "iso-2022-jp", static_cast<std::size_t>(size));
  return 50220;
}

TEST(FavoriteItems, AskTheHostAboutTheirFolderAndMail) {
  const HostFunctionTable saved = Host();
  HostFunctionTable table = saved;
  table.GetFolderDisplayName = FolderName;
  table.GetStatus = Status;
  table.GetCharSet = CharSet;
  SetHostFunctions(table);
  CFolderItem folder;
  folder.FolderId = "f";
  EXPECT_EQ(folder.GetFolderDisplayName(), "Inbox");
  folder.FolderId = "gone";
  EXPECT_EQ(folder.GetFolderDisplayName(), "") << "no text from the host";
  CMailItem mail;
  mail.MailId = "m";
  mail.FolderId = "f";
  EXPECT_EQ(mail.GetFolderDisplayName(), "Inbox");
  EXPECT_EQ(mail.GetStatus(), 0x21);
  std::string name = "unchanged";
  EXPECT_EQ(mail.GetCharSet(name), 50220);
  EXPECT_EQ(name, "iso-2022-jp");
  mail.MailId = "other";
  name = "unchanged";
  EXPECT_EQ(mail.GetCharSet(name), -1);
  EXPECT_EQ(name, "unchanged");
  SetHostFunctions(saved);
}

}  // namespace
