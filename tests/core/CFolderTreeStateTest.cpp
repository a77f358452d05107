// The folder tree state: file format and round trip, damaged and hostile files, preview, copies. Built
// natively and into the Windows tests, where a text-mode C runtime would show in the bytes on disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/treestate/CFolderTreeState.h"
#include "core/treestate/TreeItemNames.h"
#include "port/FileSystem.h"

namespace {

CFolderTreeState* AddChild(CFolderTreeState& parent, const std::string& name, int expanded) {
  parent.push_back(std::make_unique<CFolderTreeState>(name, expanded));
  return parent.back().get();
}

// Main (expanded) > Inbox (collapsed) > Work (expanded) > Old (collapsed); Archive (collapsed).
void BuildSample(CFolderTreeState& root) {
  AddChild(*AddChild(*AddChild(*AddChild(root, "Main", 1), "Inbox", 0), "Work", 1), "Old", 0);
  AddChild(root, "Archive", 0);
}

// Every node as a "depth flag name" line, in order.
std::string Describe(const CFolderTreeState& node, int depth = 0) {
  std::string text;
  for (const auto& child : node) {
    text += std::to_string(depth) + " " + std::to_string(child->Expanded) + " " + child->Name + "\n";
    text += Describe(*child, depth + 1);
  }
  return text;
}

CFolderTreeState LoadText(const std::string& text) {
  CFolderTreeState state;
  state.Load(text);
  return state;
}

class TreeStateFile : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path.c_str()); }
  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Read() {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  // One file per test: CTest runs the tests in parallel processes.
  std::string path = ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(TreeStateFile, SavedTabIndentedBlocksWithCrLfReadBackEqual) {
  CFolderTreeState root;
  BuildSample(root);
  // Names with NUL, Ctrl-Z (the end to a text-mode reader on Windows), a lone CR, a colon, and
  // Shift-JIS characters whose second bytes are "{", "}" and "\".
  for (const std::string& name :
       {std::string("a\0b", 3), std::string("\x1A"), std::string("c\rd:"), std::string("\x81\x7B\x81\x7D\x95\x5C")}) {
    AddChild(*AddChild(root, name, 1), name, 0);
  }
  ASSERT_TRUE(root.SaveFile(path));
  const std::string sampleLines =
      "{\r\n\t1:Main\r\n\t{\r\n\t\t0:Inbox\r\n\t\t{\r\n\t\t\t1:Work\r\n\t\t\t{\r\n\t\t\t\t0:Old\r\n"
      "\t\t\t}\r\n\t\t}\r\n\t}\r\n\t0:Archive\r\n";
  EXPECT_EQ(Read().substr(0, sampleLines.size()), sampleLines);
  CFolderTreeState loaded;
  ASSERT_TRUE(loaded.LoadFile(path));
  EXPECT_EQ(Describe(loaded), Describe(root));

  ASSERT_TRUE(CFolderTreeState().SaveFile(path));
  EXPECT_EQ(Read(), "{\r\n}\r\n");
  EXPECT_TRUE(loaded.LoadFile(path));
  EXPECT_TRUE(loaded.empty());
}

TEST_F(TreeStateFile, LoadFailsUnlessTheFirstLineIsExactlyAnOpeningBrace) {
  for (const char* text : {"{ \r\n\t1:A\r\n}\r\n", "\t{\n}\n", "1:A\n", "", "{"}) {
    Write(text);
    CFolderTreeState loaded;
    AddChild(loaded, "stale", 1);
    EXPECT_FALSE(loaded.LoadFile(path)) << text;
    EXPECT_TRUE(loaded.empty()) << text;
  }
  CFolderTreeState state;
  EXPECT_FALSE(state.LoadFile(path + ".missing"));

  // A file beyond the size limit is not read at all, however good its start.
  Write("{\r\n\t1:Main\r\n}\r\n");
  std::filesystem::resize_file(path, CFolderTreeState::MaxFileSize + 1);
  EXPECT_FALSE(state.LoadFile(path));
  EXPECT_TRUE(state.empty());
}

#ifndef _WIN32  // faults are injected natively only
int failingStep = -1;

port::WriteFault FailAtStep(int step) {
  // Step 0 opens the temporary file; the last one moves it over the old file.
  return step == failingStep ? port::WriteFail : port::WriteContinue;
}

TEST_F(TreeStateFile, AFailedSaveIsReportedAndLeavesTheOldStateWhole) {
  EXPECT_FALSE(CFolderTreeState().SaveFile(::testing::TempDir() + "no such folder/x.tree"));
  const std::string old = "{\r\n\t1:Old\r\n}\r\n";
  CFolderTreeState root;
  BuildSample(root);
  const int lastStep = 20;
  for (failingStep = 0; failingStep < lastStep; ++failingStep) {
    Write(old);
    port::SetWriteFaultHook(FailAtStep);
    const bool saved = root.SaveFile(path);
    port::SetWriteFaultHook(nullptr);
    if (saved) break;
    EXPECT_EQ(Read(), old) << "write failing at step " << failingStep;
  }
  ASSERT_LT(failingStep, lastStep) << "the save never succeeded";
  EXPECT_GE(failingStep, 4) << "open, write, flush, close and move can each fail";
  CFolderTreeState loaded;
  ASSERT_TRUE(loaded.LoadFile(path));
  EXPECT_EQ(Describe(loaded), Describe(root));
}

#endif

TEST(TreeStateLoad, KeepsOnlyWellFormedNodeLines) {
  const struct {
    const char* lines;  // the lines after the first "{"
    const char* tree;
  } cases[] = {
      {"\t1:a:b\n}\n", "0 1 a:b\n"},                        // only the second character is tested
      {"\t1:\n\t2:x\n\t0x:y\n\t0:z\n}\n", "0 0 z\n"},        // too short, bad flag, no colon
      {"\t1:\tTabbed\n}\n", "0 1 \tTabbed\n"},              // tabs after the colon stay
      {"\t1:A\n\tjunk\n\t{\n\t\t0:B\n\t}\n}\n", "0 1 A\n1 0 B\n"},  // a block joins the last node
      {"\t{\n\t1:A\n\t}\n\t0:B\n}\n", "0 1 A\n"},           // a block before any node is no block
      {"\t1:A\n\t{\n\t\t0:B\n", "0 1 A\n1 0 B\n"},          // no closing lines
      {"\t1:A\n\t0:B", "0 1 A\n"},                          // the unended last line is not used
      {"1:A\r\n\t\t\t0:B\r\n}\r\n0:C\r\n", "0 1 A\n0 0 B\n"},  // indentation is not checked
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(LoadText(c.lines)), c.tree) << c.lines;
}

TEST(TreeStateLoad, NestingStopsAtTheDepthLimitAndKeepsTheRest) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "1:N\n{\n";
  for (int i = 0; i < 100000; ++i) text += "}\n";
  const CFolderTreeState state = LoadText(text + "0:After\n}\n");
  std::size_t depth = 0;
  for (const CFolderTreeState* node = &state; !node->empty(); node = node->front().get()) ++depth;
  EXPECT_EQ(depth, CFolderTreeState::MaxDepth);
  ASSERT_EQ(state.size(), 2u);
  EXPECT_EQ(state.back()->Name, "After");
}

TEST(TreeStateLoad, DropsLinesBeyondTheLengthLimitNotCountingTabs) {
  const std::string longest(CFolderTreeState::MaxLineLength - 2, 'a');
  const std::string tooLong(CFolderTreeState::MaxLineLength - 1, 'b');
  const std::string huge(4 * CFolderTreeState::MaxLineLength, 'c');
  // The fourth line has a CR just beyond the limit that is not its line end.
  const CFolderTreeState state = LoadText("\t\t\t\t1:" + longest + "\r\n1:" + tooLong + "\r\n1:" + huge + "\n" +
                                          "1:" + tooLong.substr(1) + "\rx\n0:Z\n}\n");
  ASSERT_EQ(state.size(), 2u);
  EXPECT_EQ(state.front()->Name, longest);
  EXPECT_EQ(state.back()->Name, "Z");
}

TEST(TreeStateLoad, StopsAddingNodesAtTheNodeLimit) {
  std::string text;
  for (std::size_t i = 0; i <= CFolderTreeState::MaxNodes; ++i) text += "0:n\n";
  EXPECT_EQ(LoadText(text + "}\n").size(), CFolderTreeState::MaxNodes);
}

TEST(TreeState, PreviewIndentsChildrenByTwoBlanks) {
  CFolderTreeState root;
  BuildSample(root);
  EXPECT_EQ(root.GetPreviewText(),
            "[O] Main\r\n  [-] Inbox\r\n    [O] Work\r\n      [-] Old\r\n[-] Archive\r\n");
}

TEST(TreeState, CopiesAreDeepAndFindMatchesWholeNamesOfChildren) {
  CFolderTreeState root;
  BuildSample(root);
  CFolderTreeState* main = root.FindChild("Main");
  ASSERT_EQ(main, root.front().get());
  EXPECT_EQ(root.FindChild("Mai"), nullptr);
  EXPECT_EQ(root.FindChild("main"), nullptr);
  EXPECT_EQ(root.FindChild("Inbox"), nullptr);  // a grandchild

  const auto clone = main->Clone();
  EXPECT_EQ(clone->Name + Describe(*clone), "Main" + Describe(*main));
  EXPECT_NE(clone->front().get(), main->front().get());

  CFolderTreeState target;
  AddChild(target, "Kept", 1);
  root.CopyChildrenTo(target);
  EXPECT_EQ(Describe(target), "0 1 Kept\n" + Describe(root));
  root.CopyChildrenTo(root);  // into itself: each child once more, and it ends
  EXPECT_EQ(root.size(), 4u);
}

TEST(TreeItemNames, OnlyMailboxesLoseTheUnreadCountBehindABlank) {
  const struct {
    const char* text;
    bool topLevel;
    const char* name;
  } cases[] = {
      {"Main (3)", true, "Main"},
      {"Main (12)", true, "Main"},
      {"Main", true, "Main"},
      {"Inbox (3)", false, "Inbox (3)"},                  // deeper folders keep their text
      {"Main(3)", true, "Main(3)"},                        // no blank before the count
      {"(3)", true, "(3)"},                                // nothing but a count
      {" (3)", true, ""},                                  // a blank name stays blank
      {"Main (3) ", true, "Main (3) "},                    // not at the end
      {"A (b) (c)", true, "A (b)"},                        // only the last one
      {"A (b c)", true, "A"},
      {"Main )", true, "Main )"},
      {"\x8e\xf3\x90\x4d (7)", true, "\x8e\xf3\x90\x4d"},  // Shift-JIS name
      {"", true, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetNodeName(c.text, c.topLevel), c.name) << c.text;
}

}  // namespace
