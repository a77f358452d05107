// The tree controller on TovikSim's folder tree, which fills a folder when it is first expanded, as
// real mail clients do: what a save records at each depth limit, a complete save that leaves the tree
// as it was, restores across unread counts and into trees that gained or lost folders, the host told
// of a collapse that moved the selection, and Escape.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/treestate/TreeItemNames.h"
#include "sim/FileTree.h"
#include "sim/FolderIndex.h"
#include "sim/Transcript.h"
#include "tests/e2e/HostInThisProcess.h"
#include "uiauto/UiAutomation.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/tree/CFolderTreeController.h"

namespace {

// "Main=1 Main/Inbox=0 ..." for every node, in the order of the walk.
std::string Describe(const CFolderTreeState& state, const std::string& prefix = "") {
  std::string text;
  for (const auto& node : state) {
    text += prefix + node->Name + "=" + std::to_string(node->Expanded) + " ";
    text += Describe(*node, prefix + node->Name + "/");
  }
  return text;
}

// Sees the messages of a window before it does, for as long as it lives.
class Spy {
 public:
  Spy(HWND window, std::function<void(UINT, WPARAM, LPARAM)> see) : m_window(window), m_see(std::move(see)) {
    SetWindowSubclass(m_window, &Spy::See, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~Spy() { RemoveWindowSubclass(m_window, &Spy::See, 1); }

 private:
  static LRESULT CALLBACK See(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    reinterpret_cast<Spy*>(self)->m_see(message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  HWND m_window;
  std::function<void(UINT, WPARAM, LPARAM)> m_see;
};

class FolderTreeControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = &HostInThisProcess();
    tree = GetMainWindow()->GetTreeWindow();
    ASSERT_NE(tree, nullptr);
  }
  // The host's tree filled anew (every folder collapsed, Main current), then these folders opened.
  void FreshTree(std::initializer_list<const char*> opened = {}) {
    host->Mails().SelectFolder("Main\\");
    host->Mails().ReloadStore();
    for (const char* folder : opened) ASSERT_TRUE(host->ExpandFolder(folder, true)) << folder;
  }
  std::string ExpandedFolders() const {
    std::string text;
    std::function<void(const SimFolder&)> add = [&](const SimFolder& folder) {
      if (host->IsFolderExpanded(folder.Id)) text += folder.Id + " ";
      for (const auto& child : folder.Children) add(*child);
    };
    for (const auto& mailbox : host->Store().Mailboxes()) add(*mailbox);
    return text;
  }
  CFolderTreeState Save() {
    CFolderTreeState state;
    EXPECT_EQ(CFolderTreeController(*tree).SaveTree(state, false, -1), 1);
    return state;
  }
  // New folders on disk, each with its index, for the host to show once it reads its store again.
  void MakeFolders(std::initializer_list<const char*> folders) {
    for (const char* folder : folders) {
      const std::string path = host->Store().DataFolder() + folder;
      ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr) && WriteFolderIndex(path + FolderIndexFileName, SimFolder()));
    }
  }
  std::string ItemText(HTREEITEM item) const {
    char text[256] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    TreeView_GetItem(tree->GetHandle(), &data);
    return text;
  }
  std::string ItemName(HTREEITEM item) const {
    return GetNodeName(ItemText(item), TreeView_GetParent(tree->GetHandle(), item) == nullptr);
  }

  CMainFrame* host = nullptr;
  CWindow* tree = nullptr;
};

TEST_F(FolderTreeControllerTest, SaveRecordsExpandedChainsAndClosedFoldersToTheDepthLimit) {
  FreshTree({"Main\\", "Main\\Inbox\\", "Work\\", "Work\\Inbox\\", "Work\\Inbox\\Projects\\"});
  host->ExpandFolder("Work\\Inbox\\", false);
  // The mailboxes' own folders are there from the start, deeper ones once their folder was opened.
  const std::string top = "Main=1 Main/Inbox=1 Main/Inbox/Friends=0 News=0 ";
  const std::string oneBelowClosed = top + "News/Dev=0 Work=1 Work/Archive=0 Work/Inbox=0 Work/Inbox/Projects=1 ";
  const std::string all = oneBelowClosed + "Work/Inbox/Projects/Beta=0 ";
  const struct {
    std::int32_t limit;
    std::string recorded;
  } cases[] = {
      {0, top + "Work=1 Work/Archive=0 Work/Inbox=0 "}, {1, oneBelowClosed}, {-1, all}, {-7, all}, {1 << 30, all}};
  for (const auto& c : cases) {
    std::vector<std::string> shown;
    Spy status(host->Windows().StatusBar(), [&](UINT message, WPARAM, LPARAM text) {
      if (message == SB_SETTEXTA) shown.push_back(reinterpret_cast<const char*>(text));
    });
    CFolderTreeController controller(*tree);
    controller.StatusText = "Saving tree state... ";
    CFolderTreeState state;
    EXPECT_EQ(controller.SaveTree(state, false, c.limit), 1);
    EXPECT_EQ(Describe(state), c.recorded) << "limit " << c.limit;
    EXPECT_EQ(shown.front(), "Saving tree state... ");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Saving tree state... [Work] Inbox/Projects"), c.limit != 0);
  }
}

TEST_F(FolderTreeControllerTest, CompleteSaveRecordsEveryFolderAndLeavesTheTreeAsItWas) {
  FreshTree({"Main\\", "Work\\"});
  host->Mails().SelectFolder("Main\\Inbox\\Family\\");
  HWND frame = host->Windows().Frame(), view = tree->GetHandle();
  RECT place;
  GetWindowRect(frame, &place);
  MoveWindow(frame, place.left, place.top, 520, 260, TRUE);  // the tree must scroll
  TreeView_Select(view, TreeView_GetNextVisible(view, TreeView_GetNextVisible(view, TreeView_GetRoot(view))),
                  TVGN_FIRSTVISIBLE);
  const std::string expanded = ExpandedFolders();
  const HTREEITEM selected = TreeView_GetSelection(view), firstVisible = TreeView_GetFirstVisible(view);
  CFolderTreeState state;
  EXPECT_EQ(CFolderTreeController(*tree).SaveTree(state, true, -1), 1);
  EXPECT_EQ(Describe(state),
            "Main=1 Main/Inbox=1 Main/Inbox/Friends=0 News=0 News/Dev=0 Work=1 Work/Archive=0 "
            "Work/Inbox=0 Work/Inbox/Projects=0 Work/Inbox/Projects/Beta=0 ");
  EXPECT_EQ(ExpandedFolders(), expanded);
  EXPECT_EQ(TreeView_GetSelection(view), selected);
  EXPECT_EQ(TreeView_GetFirstVisible(view), firstVisible);
  EXPECT_EQ(host->Mails().CurrentFolderId(), "Main\\Inbox\\Family\\");
  MoveWindow(frame, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

TEST_F(FolderTreeControllerTest, RestoreOpensTheSavedFoldersWhateverTheUnreadCount) {
  const struct {
    bool complete;
    std::initializer_list<const char*> layout;
  } cases[] = {
      {false, {"Main\\", "Main\\Inbox\\", "Main\\Inbox\\Friends\\", "Work\\"}},
      // Only a complete walk opens the collapsed folders that hold an expanded one.
      {true, {"Main\\", "Main\\Inbox\\Friends\\", "Work\\Inbox\\Projects\\Beta\\"}},
  };
  for (const auto& c : cases) {
    FreshTree(c.layout);
    const std::string saved = ExpandedFolders(), mailbox = ItemText(TreeView_GetRoot(tree->GetHandle()));
    const CFolderTreeState state = Save();
    const SimFolder& inbox = *host->Store().FindFolder("Main\\Inbox\\");
    const auto unread =
        std::find_if(inbox.Mails.begin(), inbox.Mails.end(), [](const SimMail& m) { return !(m.Status & MailRead); });
    ASSERT_TRUE(unread != inbox.Mails.end() && host->Mails().SelectMail(CMailStore::MailId(inbox, *unread)));
    FreshTree();
    ASSERT_NE(ItemText(TreeView_GetRoot(tree->GetHandle())), mailbox) << "Main's unread count should have changed";
    ASSERT_FALSE(host->HasTreeItem("Friends")) << "the host fills a folder only when it is first expanded";
    CFolderTreeController controller(*tree);
    EXPECT_EQ(controller.RestoreTree(state, c.complete, -1), 1);
    EXPECT_TRUE(controller.Changed);
    EXPECT_EQ(ExpandedFolders(), saved) << "complete " << c.complete;
  }
}

TEST_F(FolderTreeControllerTest, UnknownFoldersFollowThePolicyAllTheWayDownAndLostOnesAreSkipped) {
  MakeFolders({"Main\\Inbox\\Gone\\", "Main\\Inbox\\Gone\\Sub\\"});
  FreshTree({"Main\\", "Main\\Inbox\\", "Main\\Inbox\\Gone\\"});
  const CFolderTreeState state = Save();
  ASSERT_TRUE(host->Faults().RemoveFolder("Main\\Inbox\\Gone\\"));
  MakeFolders({"Main\\Inbox\\New\\", "Main\\Inbox\\New\\Deeper\\", "Main\\Inbox\\New\\Deeper\\Deepest\\"});
  const struct {
    std::int32_t policy;
    std::initializer_list<const char*> openBefore;
    const char* expanded;
  } cases[] = {
      {1, {}, "Main\\ Main\\Inbox\\ Main\\Inbox\\New\\ Main\\Inbox\\New\\Deeper\\ "},
      {0, {"Main\\Inbox\\New\\Deeper\\", "Main\\Inbox\\New\\"}, "Main\\ Main\\Inbox\\ "},
      {-1, {"Main\\Inbox\\New\\"}, "Main\\ Main\\Inbox\\ Main\\Inbox\\New\\ "},
  };
  for (const auto& c : cases) {
    FreshTree(c.openBefore);
    CFolderTreeController controller(*tree);
    controller.UnknownFolderPolicy = c.policy;
    EXPECT_EQ(controller.RestoreTree(state, false, -1), 1);
    EXPECT_EQ(ExpandedFolders(), c.expanded) << "policy " << c.policy;
  }
  DeleteDirectoryTree(host->Store().DataFolder() + "Main\\Inbox\\New\\");
  FreshTree();
}

TEST_F(FolderTreeControllerTest, ACollapseThatMovesTheSelectionMovesTheHostUnlessExiting) {
  const struct {
    const char* situation;
    bool mainExpanded, inboxExpanded, exiting, keepSelectionVisible;
    std::vector<std::string> current;  // the host's current folders from the collapse on
    std::vector<std::string> notices;  // the plug-in's own TVN_ITEMEXPANDEDA to the tree's parent
  } cases[] = {
      {"mailbox", false, true, false, false, {"Main\\", "Main\\Inbox\\", "Main\\"}, {"collapse Main"}},
      {"mailbox at exit", false, true, true, false, {"Main\\"}, {"collapse Main"}},
      {"folder", true, false, false, false, {"Main\\Inbox\\", "Main\\", "Main\\Inbox\\"}, {"collapse Inbox"}},
      {"selection kept visible", false, false, false, true, {}, {}},
  };
  for (const auto& c : cases) {
    FreshTree();
    ASSERT_TRUE(host->Mails().SelectFolder("Main\\Inbox\\Family\\"));
    CFolderTreeState state;
    state.push_back(std::make_unique<CFolderTreeState>("Main", c.mainExpanded));
    state.back()->push_back(std::make_unique<CFolderTreeState>("Inbox", c.inboxExpanded));
    std::vector<std::string> notices;
    Spy parent(GetParent(tree->GetHandle()), [&](UINT message, WPARAM wParam, LPARAM lParam) {
      const auto& notice = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
      if (message != WM_NOTIFY || wParam != reinterpret_cast<WPARAM>(tree->GetHandle())) return;
      const bool likeTheTrees = notice.hdr.code == TVN_ITEMEXPANDEDA && notice.hdr.idFrom == 1000 &&
                                !(notice.itemNew.state & TVIS_EXPANDED) && notice.action == TVE_COLLAPSE;
      notices.push_back(likeTheTrees ? "collapse " + ItemName(notice.itemNew.hItem) : "a notice unlike the tree's own");
    });
    const size_t said = TranscriptLines().size();
    CFolderTreeController controller(*tree);
    controller.Exiting = c.exiting;
    controller.KeepSelectionVisible = c.keepSelectionVisible;
    EXPECT_EQ(controller.RestoreTree(state, false, -1), 1) << c.situation;
    std::vector<std::string> current;
    const std::vector<std::string> lines = TranscriptLines();
    for (size_t i = said; i < lines.size(); ++i) {
      const size_t id = lines[i].find("folder "), end = lines[i].find(" is current");
      if (id != std::string::npos && end != std::string::npos) current.push_back(lines[i].substr(id + 7, end - id - 7));
    }
    EXPECT_EQ(current, c.current) << c.situation;
    EXPECT_EQ(notices, c.notices) << c.situation;
  }
}

TEST_F(FolderTreeControllerTest, EscapeStopsTheWalkAtTheNextItem) {
  FreshTree({"Main\\", "Main\\Inbox\\", "Main\\Inbox\\Friends\\", "News\\", "Work\\"});
  const CFolderTreeState state = Save();
  const auto escape = [](DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_ESCAPE;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
  };
  const struct {
    int escapeAt;  // the folder being opened when Escape goes down
    const char* expanded;
  } cases[] = {
      {2, "Main\\ Main\\Inbox\\ "},
      // In the last mailbox: no later item to stop at, yet the walk is cancelled all the same.
      {5, "Main\\ Main\\Inbox\\ Main\\Inbox\\Friends\\ News\\ Work\\ "},
  };
  for (const auto& c : cases) {
    FreshTree();
    ASSERT_TRUE(ActivateHost());
    int opened = 0;
    Spy spy(tree->GetHandle(), [&](UINT message, WPARAM action, LPARAM) {
      if (message == TVM_EXPAND && action == TVE_EXPAND && ++opened == c.escapeAt) escape(0);
    });
    CFolderTreeController controller(*tree);
    EXPECT_EQ(controller.RestoreTree(state, false, -1), 0) << "Escape at " << c.escapeAt;
    EXPECT_TRUE(controller.Cancelled);
    escape(KEYEVENTF_KEYUP);
    EXPECT_EQ(opened, c.escapeAt) << "folders opened after Escape";
    EXPECT_EQ(ExpandedFolders(), c.expanded);
  }
}

// The status bar does not draw during a walk (it would draw every folder's text at once, at great
// cost): whatever the walk, it draws again after it, cancelled ones included.
TEST_F(FolderTreeControllerTest, TheStatusBarDrawsAgainAfterEveryWalk) {
  FreshTree({"Main\\", "Main\\Inbox\\", "Work\\"});
  const CFolderTreeState state = Save();
  ASSERT_TRUE(ActivateHost());
  const struct {
    const char* walk;
    bool escape;
    std::function<int(CFolderTreeController&)> run;
  } cases[] = {
      {"save", false, [](CFolderTreeController& c) { CFolderTreeState saved; return c.SaveTree(saved, false, -1); }},
      {"complete save", false, [](CFolderTreeController& c) { CFolderTreeState saved; return c.SaveTree(saved, true, -1); }},
      {"restore", false, [&](CFolderTreeController& c) { return c.RestoreTree(state, true, -1); }},
      {"cancelled restore", true, [&](CFolderTreeController& c) { return c.RestoreTree(state, false, -1); }},
  };
  HWND statusBar = host->Windows().StatusBar();
  for (const auto& c : cases) {
    FreshTree();
    uiauto::SetKeyDown(VK_ESCAPE, c.escape);
    CFolderTreeController controller(*tree);
    controller.StatusText = "Walking... ";
    EXPECT_EQ(c.run(controller), c.escape ? 0 : 1) << c.walk;
    uiauto::SetKeyDown(VK_ESCAPE, false);
    EXPECT_TRUE(IsWindowVisible(statusBar)) << c.walk;
  }
}

}  // namespace
