// The jumps to favorites on TovikSim's host, with the plug-in's code in this process, where the scripts
// cannot reach: Escape held through the mail search, an unreadable index, the open-mail guard while a
// history jump asks, the history after a header walk, headers in encoded words, headers a stub host
// leaves unfilled, folder-tree files that cannot be written or hold no folder, the focus after a folder
// jump, a mail found again as another entry of its list, and a moved work area. A user thread answers
// the message boxes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/favorites/FavoriteStore.h"
#include "core/hostlink/PluginPaths.h"
#include "core/mail/CTovikIdxFile.h"
#include "port/FileSystem.h"
#include "port/Mbcs.h"
#include "tests/e2e/HostInThisProcess.h"
#include "uiauto/UiAutomation.h"
#include "win/actions/FavoriteActions.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/HostCallState.h"
#include "win/host/HostWindows.h"
#include "win/host/MailSearch.h"
#include "win/shell/HostMenuCommands.h"
#include "win/shell/PluginLifecycle.h"
#include "win/ui/CResourceTool.h"
#include "win/ui/ModuleInstance.h"

namespace {

const char* const AskIsSearchedMail = "Is it a mail that you are searching?";
const char* const AskDeleteLostMail = "Cannot find the mail.\nDo you delete it from your favorite list?";

// What the user saw of an action: the texts of the message boxes and the open-mail guard meanwhile.
struct Seen {
  std::vector<std::string> Texts;
  std::vector<int> Guards;
};

// Runs the action while a user answers its message boxes with the buttons, in order (any further box
// is dismissed). The host's reconstruct question is the canceller's to answer: one left open is noted.
Seen Answering(const std::vector<int>& buttons, const std::function<void()>& action) {
  Seen seen;
  std::atomic<bool> done{false};
  const DWORD thread = GetCurrentThreadId();
  uiauto::UserThread user([&] {
    std::size_t next = 0;
    while (!done) {
      HWND box = uiauto::WaitForDialog("", thread, 50);
      if (box == nullptr || !uiauto::IsMessageBox(box)) continue;
      if (uiauto::TextOf(box) == "Message from Tovik!") {
        if (uiauto::WaitUntilGone(box, 3000)) continue;
        seen.Texts.push_back("unanswered reconstruct question");
        uiauto::ClickButton(box, IDYES);
      } else {
        seen.Texts.push_back(uiauto::MessageBoxText(box));
        seen.Guards.push_back(OpenMailGuard.load());
        if (next < buttons.size()) uiauto::ClickButton(box, buttons[next++]);
        else uiauto::Dismiss(box);
      }
      uiauto::WaitUntilGone(box);
    }
  });
  action();
  done = true;
  user.Join();
  return seen;
}

class FavoriteActionsOnHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = &HostInThisProcess();
    SetModuleInstance(GetModuleHandleA(nullptr));
    AppTitle = "RaZudazoved";
    for (int kind = FavoriteFolderList; kind <= FavoriteWindowStateList; ++kind) store.GetList(kind)->Clear();
    store.Path = GetSettingsFilePath();
    port::MakeFolder(port::NativePath(GetPluginFolder()));
    ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
    ASSERT_TRUE(ActivateHost());
  }
  void TearDown() override { SetModuleInstance(nullptr); }

  // The mail's favorite as registering it gives it, added to the list of the kind.
  CMailItem* AddMail(const std::string& mailId, int kind = FavoriteMailList) {
    EXPECT_TRUE(host->Mails().SelectMail(mailId)) << mailId;
    auto mail = std::make_unique<CMailItem>();
    EXPECT_TRUE(FillMailItem(*mail));
    CMailItem* added = mail.get();
    std::unique_ptr<CFavoriteItem> item = std::move(mail);
    EXPECT_EQ(store.AddItem(item, kind), Added);
    return added;
  }
  // A full history of three, mails 2, 8 and 9 from the newest; the oldest entry.
  CMailItem* FullHistoryOfThree() {
    store.MailHistoryNum = 3;
    store.History.SetMaxCount(3);
    CMailItem* oldest = AddMail("Main\\Inbox\\?9", MailHistoryList);
    AddMail("Main\\Inbox\\?8", MailHistoryList);
    AddMail("Main\\Inbox\\?2", MailHistoryList);
    return oldest;
  }
  std::string CurrentMail() const { return host->Mails().CurrentMailId(); }
  std::string Status() const { return uiauto::TextOf(host->Windows().StatusBar()); }

  CMainFrame* host = nullptr;
  CFavoriteInfo& store = GetFavoriteInfo();
};

TEST_F(FavoriteActionsOnHostTest, EscapeAndAnUnreadableIndexEndTheMailSearchWithoutAQuestion) {
  const struct {
    const char* name;
    std::function<void(CMailItem&)> prepare;
    std::vector<std::string> told;  // the warnings shown; never a question
    std::int32_t failure;
    const char* status;
  } cases[] = {
      {"Escape during the search", [](CMailItem&) { uiauto::SetKeyDown(VK_ESCAPE, true); }, {}, 0, "Canceled"},
      {"unreadable index", [](CMailItem& mail) {
         const std::string index = HostInThisProcess().Store().DataFolder() + mail.FolderId + "Folder.idx";
         ASSERT_TRUE(port::WriteFileAtomically(port::NativePath(index), "1.0\r\n"));
       }, {"Cannot read the index of the folder."}, 1, nullptr},
  };
  for (const auto& c : cases) {
    store.Mails.Clear();
    CMailItem* item = AddMail("Main\\Inbox\\?7");
    item->MailId += "0";
    ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
    ASSERT_TRUE(ActivateHost());
    c.prepare(*item);
    const Seen seen = Answering({}, [] { JumpToEntry(FavoriteMailList, 0); });
    uiauto::SetKeyDown(VK_ESCAPE, false);
    EXPECT_EQ(seen.Texts, c.told) << c.name;
    ASSERT_EQ(store.Mails.GetCount(), 1u) << c.name;
    EXPECT_EQ(item->Failure, c.failure) << c.name;
    if (c.status != nullptr) {
      EXPECT_EQ(Status(), c.status);
    }
  }
}

TEST_F(FavoriteActionsOnHostTest, AFailedHistoryJumpThatEvictsItsEntryTouchesItNoMore) {
  CMailItem* lost = FullHistoryOfThree();
  // The oldest entry's id now names mail 7, and no mail of the folder has its headers: recording
  // mail 7, shown under that id, evicts the entry.
  lost->MailId = "Main\\Inbox\\?7";
  lost->MessageId = "<nowhere@example.com>";
  lost->Subject = "nowhere";
  ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
  const Seen seen = Answering({}, [] { JumpToEntry(MailHistoryList, 2); });
  EXPECT_EQ(seen.Texts, std::vector<std::string>{});
  EXPECT_EQ(OpenMailGuard.load(), 1);
  EXPECT_EQ(store.History.GetItemAt(0)->MailId, "Main\\Inbox\\?7");
  // Positions outside a list name nothing.
  JumpToEntry(MailHistoryList, 3);
  JumpToEntry(FavoriteFolderList, -1);
  EXPECT_EQ(CurrentMail(), "Main\\Inbox\\?7");
}

TEST_F(FavoriteActionsOnHostTest, AMailFoundAgainAsAnotherEntryOfItsListLeavesOneEntry) {
  CMailItem* eight = AddMail("Main\\Inbox\\?8");
  // Registered before a renumbering took its id away: mail 8's headers under an id no mail has.
  CMailItem* stale = AddMail("Main\\Inbox\\?9");
  stale->MailId = "Main\\Inbox\\?80";
  stale->Subject = eight->Subject;
  stale->From = eight->From;
  stale->Date = eight->Date;
  stale->MessageId = eight->MessageId;
  stale->DisplayName = "jumped to";
  ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
  const Seen seen = Answering({}, [] { JumpToEntry(FavoriteMailList, 1); });
  EXPECT_EQ(seen.Texts, std::vector<std::string>{});
  EXPECT_EQ(CurrentMail(), "Main\\Inbox\\?8");
  ASSERT_EQ(store.Mails.GetCount(), 1u) << "two entries of one mail, of which the next start keeps one";
  EXPECT_EQ(store.Mails.GetItemAt(0), stale) << "the entry jumped to stays, with its name";
  EXPECT_EQ(stale->MailId, "Main\\Inbox\\?8");
}

TEST_F(FavoriteActionsOnHostTest, AHistoryJumpRecordsNoMailTheUserSaysIsNotTheOne) {
  CMailItem* wanted = FullHistoryOfThree();
  // The oldest entry now points at mail 7 by its Subject, From and Date only; recording mail 7 would
  // evict the entry.
  wanted->MailId = "Main\\Inbox\\?99";
  wanted->MessageId.clear();
  ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?7"));
  CMailItem seven;
  ASSERT_TRUE(FillMailItem(seven));
  wanted->Subject = seven.Subject;
  wanted->From = seven.From;
  wanted->Date = seven.Date;
  ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
  const Seen seen = Answering({IDNO, IDNO}, [] { JumpToEntry(MailHistoryList, 2); });
  EXPECT_EQ(seen.Texts, (std::vector<std::string>{AskIsSearchedMail, AskDeleteLostMail}));
  EXPECT_EQ(seen.Guards, (std::vector<int>{0, 0}));  // a mail opened while a question is up is not recorded
  EXPECT_EQ(OpenMailGuard.load(), 1);
  ASSERT_EQ(store.History.GetCount(), 3u);
  EXPECT_EQ(store.History.GetItemAt(0)->MailId, "Main\\Inbox\\?2");
  ASSERT_EQ(store.History.GetItemAt(2), wanted);
  EXPECT_EQ(wanted->Failure, 1);
}

// A host that answers headers as the mail holds them, in encoded words, but keeps its index decoded:
// a favorite without Message-Id is found by walking the mails, not taken for lost.
TEST_F(FavoriteActionsOnHostTest, AMailWhoseHeadersCameEncodedIsFoundByItsHeadersNotTheIndex) {
  host->Faults().Switch(HostMode::EncodedHeaders, true);
  CMailItem* wanted = AddMail("Main\\Inbox\\?8");
  ASSERT_EQ(wanted->From.compare(0, 2, "=?"), 0) << wanted->From;
  wanted->MailId = "Main\\Inbox\\?99";
  wanted->MessageId.clear();
  ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
  const Seen seen = Answering({IDYES}, [] { JumpToEntry(FavoriteMailList, 0); });
  host->Faults().Switch(HostMode::EncodedHeaders, false);
  EXPECT_EQ(seen.Texts, (std::vector<std::string>{AskIsSearchedMail}));
  EXPECT_EQ(CurrentMail(), "Main\\Inbox\\?8");
  ASSERT_EQ(store.Mails.GetCount(), 1u);  // the favorite is still there, found anew
  EXPECT_EQ(store.Mails.GetItemAt(0)->MailId, "Main\\Inbox\\?8");
  EXPECT_EQ(store.Mails.GetItemAt(0)->Failure, 0);
}

TEST_F(FavoriteActionsOnHostTest, MailsOpenedAfterAHeaderWalkReachTheHistoryHoweverItEnded) {
  const struct {
    const char* name;
    const char* mailer;
    bool escape;
    int result;
  } cases[] = {{"found", "TovikSim sample generator", false, IdxFound},
               {"not found", "Other", false, IdxNotFound},
               {"Escape", "Other", true, IdxCancelled}};
  for (const auto& c : cases) {
    store.History.Clear();
    ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
    uiauto::SetKeyDown(VK_ESCAPE, c.escape);
    const int result = FindMailInCurrentFolder({{"X-Mailer", c.mailer}}, "Now searching...", nullptr);
    uiauto::SetKeyDown(VK_ESCAPE, false);
    EXPECT_EQ(result, c.result) << c.name;
    // The user opens a mail, and the host says so.
    ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?5"));
    RecordMailHistory("Main\\Inbox\\?5");
    ASSERT_EQ(store.History.GetCount(), 1u) << c.name;
    EXPECT_EQ(store.History.GetItemAt(0)->MailId, "Main\\Inbox\\?5") << c.name;
  }
}

// A host that leaves the buffer alone for a header the mail lacks, and one that fills it to the end.
TVA_GetSpecifiedHeader_t RealGetSpecifiedHeader = nullptr;
int WINAPI SparingGetSpecifiedHeader(LPCSTR name, LPSTR buffer, int size) {
  if (std::strcmp(name, "Message-Id") == 0) return 0;
  if (std::strcmp(name, "Subject") == 0) {
    std::memset(buffer, 'a', size);
    buffer[size - 2] = '\x82';  // a lead byte whose second byte did not fit
    return size;
  }
  return RealGetSpecifiedHeader(name, buffer, size);
}

TEST_F(FavoriteActionsOnHostTest, HeadersTheHostLeavesUnfilledOrFullAreReadCleanly) {
  auto& table = const_cast<HostFunctionTable&>(GetTovikGlobalData().GetHostFunctions());
  RealGetSpecifiedHeader = table.GetSpecifiedHeader;
  table.GetSpecifiedHeader = &SparingGetSpecifiedHeader;
  port::SetMultiByteCodePage(932);
  CMailItem mail;
  const bool filled = FillMailItem(mail);
  table.GetSpecifiedHeader = RealGetSpecifiedHeader;
  port::SetMultiByteCodePage(0);
  ASSERT_TRUE(filled);
  EXPECT_FALSE(mail.Date.empty());
  EXPECT_EQ(mail.MessageId, "");
  EXPECT_EQ(mail.Subject, std::string(1022, 'a'));
}

// A host that answers NULL for a text it has none of, and one that keeps every text answer in one
// buffer, which its next answer overwrites before it reads its argument: the folder's name shown
// after a jump is asked for with a copy of the folder id, never with NULL or the host's own buffer.
TEST_F(FavoriteActionsOnHostTest, TheFolderNameAfterAJumpIsAskedForWithACopyOfTheFolderId) {
  const struct {
    const char* name;
    HostMode mode;
    const char* folderId;  // jumped to; none: no folder is current
    const char* status;
  } cases[] = {
      {"no folder current, answered NULL", HostMode::MissingTexts, nullptr, ""},
      {"one answer buffer", HostMode::SharedAnswerBuffer, "Work\\Inbox\\", "[Work] Inbox"},
  };
  for (const auto& c : cases) {
    const std::size_t misuses = host->Faults().Misuses().size();
    host->Faults().Switch(c.mode, true);
    if (c.folderId != nullptr) {
      store.Folders.Clear();
      auto folder = std::make_unique<CFolderItem>();
      folder->FolderId = c.folderId;
      folder->DisplayName = "Inbox";
      std::unique_ptr<CFavoriteItem> item = std::move(folder);
      ASSERT_EQ(store.AddItem(item, FavoriteFolderList), Added);
      JumpToEntry(FavoriteFolderList, 0);
    } else {
      host->Mails().ShowStoreAgain("", "");
      host->Windows().SetStatusText("before");
      ShowCurrentFolderName();
    }
    host->Faults().Switch(c.mode, false);
    EXPECT_EQ(Status(), c.status) << c.name;
    EXPECT_EQ(host->Faults().Misuses().size(), misuses) << c.name << ": " << host->Faults().Misuses().back();
    ASSERT_TRUE(host->Mails().SelectMail("Main\\Inbox\\?1"));
  }
}

TEST_F(FavoriteActionsOnHostTest, TreeStatesKeepTheirFileUnlessACaptureCompletes) {
  ASSERT_TRUE(host->ExpandFolder("Work\\", true));
  CFolderTreeItem state(7);
  state.DisplayName = "state";
  state.SetTreeFileName(store.FolderTrees.MakeNewFileName());
  ASSERT_EQ(CaptureFolderTree(state), TreeWalkDone);
  std::string saved;
  ASSERT_EQ(port::ReadWholeFile(port::NativePath(state.GetTreeFilePath()), saved), port::FileRead);
  const std::string preview = state.TreeState.GetPreviewText();
  // Escape during an update: state and file stay as they were.
  ASSERT_TRUE(host->ExpandFolder("Work\\", false));
  uiauto::SetKeyDown(VK_ESCAPE, true);
  const int cancelled = CaptureFolderTree(state);
  uiauto::SetKeyDown(VK_ESCAPE, false);
  EXPECT_EQ(cancelled, TreeWalkCancelled);
  EXPECT_EQ(state.TreeState.GetPreviewText(), preview);
  std::string after;
  port::ReadWholeFile(port::NativePath(state.GetTreeFilePath()), after);
  EXPECT_EQ(after, saved);
  // A state whose file is gone closes nothing, even with unknown folders to be closed.
  CFolderTreeItem missing(8);
  missing.SetTreeFileName("gone.tree");
  missing.ForceOpen = 0;
  ASSERT_TRUE(host->ExpandFolder("Main\\", true));
  EXPECT_EQ(RestoreFolderTreeState(missing, 0), TreeWalkFailed);
  EXPECT_TRUE(host->IsFolderExpanded("Main\\"));
  // The saved state comes back.
  EXPECT_EQ(RestoreFolderTreeState(state, 0), TreeWalkDone);
  EXPECT_TRUE(host->IsFolderExpanded("Work\\"));
}

TEST_F(FavoriteActionsOnHostTest, AStateSavedFromATreeWithoutSubfoldersRestoresAsTheEmptyStateItIs) {
  // What a capture writes for a tree in which no folder has subfolders: no node at all.
  auto bare = std::make_unique<CFolderTreeItem>(4);
  bare->DisplayName = "bare";
  bare->SetTreeFileName(store.FolderTrees.MakeNewFileName());
  bare->ForceOpen = 0;
  ASSERT_TRUE(bare->SaveTreeState());
  std::unique_ptr<CFavoriteItem> item = std::move(bare);
  ASSERT_EQ(store.AddItem(item, FavoriteFolderTreeList), Added);
  ASSERT_TRUE(host->ExpandFolder("Main\\", true));
  JumpToEntry(FavoriteFolderTreeList, 0);
  // Every folder the tree has now is one the state does not know, and it closes them.
  EXPECT_FALSE(host->IsFolderExpanded("Main\\"));
}

TEST_F(FavoriteActionsOnHostTest, NewTreeStatesTakeValidIdsThatNoStateHas) {
  const struct {
    std::int32_t next;
    std::vector<std::int32_t> taken;
    std::int32_t id;
    std::int32_t nextAfter;
  } cases[] = {{30000, {}, 30000, 1}, {1, {1, 2}, 3, 4}, {30000, {30000}, 1, 2}, {2147483647, {}, 1, 2}, {-5, {1}, 2, 3}};
  for (const auto& c : cases) {
    store.FolderTrees.Clear();
    for (std::int32_t id : c.taken) {
      auto state = std::make_unique<CFolderTreeItem>(id);
      state->DisplayName = "taken";
      state->SetTreeFileName("taken" + std::to_string(id) + ".tree");
      std::unique_ptr<CFavoriteItem> item = std::move(state);
      ASSERT_EQ(store.AddItem(item, FavoriteFolderTreeList), Added);
    }
    NextTreeId = c.next;
    uiauto::UserThread user([] {
      HWND dialog = uiauto::WaitForDialog("Register favorite folder tree state item");
      uiauto::SetControlText(dialog, 1014, "new");
      uiauto::ClickButton(dialog, IDOK);
    });
    RegisterFolderTreeState();
    user.Join();
    ASSERT_EQ(store.FolderTrees.GetCount(), c.taken.size() + 1) << c.next;
    EXPECT_EQ(store.FolderTrees.GetItemAt(c.taken.size())->TreeId, c.id) << c.next;
    EXPECT_EQ(NextTreeId, c.nextAfter) << c.next;
  }
  // A state whose file cannot be written (a folder stands in its way) is not registered, and the
  // user hears of the file alone.
  store.FolderTrees.Clear();
  NextTreeId = 5;
  ASSERT_TRUE(port::MakeFolder(port::NativePath(GetPluginFolder() + "\\" + store.FolderTrees.MakeNewFileName())));
  uiauto::UserThread user([] {
    HWND dialog = uiauto::WaitForDialog("Register favorite folder tree state item");
    uiauto::ClickButton(dialog, IDOK);
  });
  const Seen seen = Answering({IDOK}, [] { RegisterFolderTreeState(); });
  user.Join();
  EXPECT_EQ(seen.Texts, std::vector<std::string>{"Fail to write the folder tree state file."});
  EXPECT_EQ(store.FolderTrees.GetCount(), 0u);
  EXPECT_EQ(NextTreeId, 5);
}

TEST_F(FavoriteActionsOnHostTest, WindowStatesPutTheMainWindowBackOnAMonitor) {
  HWND frame = host->Windows().Frame();
  RECT work, shifted;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // A taskbar at the top and the left.
  shifted = RECT{work.left + 100, work.top + 50, work.right, work.bottom};
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &shifted, 0));
  ShowWindow(frame, SW_RESTORE);
  MoveWindow(frame, 300, 200, 640, 480, TRUE);
  CWindowStateItem here;
  EXPECT_TRUE(FillWindowStateItem(here));
  RECT placed;
  GetWindowRect(frame, &placed);
  const struct {
    const char* name;
    ScreenRect rect;
    std::function<bool()> holds;
  } cases[] = {
      {"normal", here.WindowRect, [&] { RECT now; GetWindowRect(frame, &now); return EqualRect(&now, &placed) != FALSE; }},
      {"off every monitor", ScreenRect{50000, 50000, 50640, 50480}, [&] {
         RECT now, common;
         GetWindowRect(frame, &now);
         return now.right - now.left == 640 && now.bottom - now.top == 480 && IntersectRect(&common, &now, &shifted);
       }},
  };
  for (const auto& c : cases) {
    MoveWindow(frame, 10, 10, 500, 300, TRUE);
    store.WindowStates.Clear();
    auto state = std::make_unique<CWindowStateItem>();
    state->DisplayName = c.name;
    state->WindowRect = c.rect;
    std::unique_ptr<CFavoriteItem> item = std::move(state);
    EXPECT_EQ(store.AddItem(item, FavoriteWindowStateList), Added);
    JumpToEntry(FavoriteWindowStateList, 0);
    EXPECT_TRUE(uiauto::PumpMessagesUntil(c.holds, 2000)) << c.name;
    ShowWindow(frame, SW_RESTORE);
  }
  SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
}

int TreeActivations = 0;
LRESULT CALLBACK CountActivations(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_MOUSEACTIVATE) ++TreeActivations;
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(FavoriteActionsOnHostTest, AFolderJumpActivatesTheTreeOnlyWhenTheFocusIsElsewhere) {
  auto folder = std::make_unique<CFolderItem>();
  folder->DisplayName = "Work";
  folder->FolderId = "Work\\";
  std::unique_ptr<CFavoriteItem> item = std::move(folder);
  ASSERT_EQ(store.AddItem(item, FavoriteFolderList), Added);
  store.SetFocusAfterJump = true;
  const HWND tree = host->Windows().Tree();
  ASSERT_TRUE(SetWindowSubclass(tree, CountActivations, 1, 0));
  const struct {
    const char* name;
    HWND focus;
    int activations;
  } cases[] = {{"focus in the list", host->Windows().List(), 1}, {"focus in the tree", tree, 0}};
  for (const auto& c : cases) {
    SetFocus(c.focus);
    TreeActivations = 0;
    JumpToEntry(FavoriteFolderList, 0);
    EXPECT_EQ(TreeActivations, c.activations) << c.name;
    EXPECT_EQ(GetFocus(), tree) << c.name;
  }
  RemoveWindowSubclass(tree, CountActivations, 1);
}

TEST_F(FavoriteActionsOnHostTest, HostMenusOfOtherTypesGetNothing) {
  HMENU menu = CreatePopupMenu();
  AddHostMenuCommands(menu, 7);
  AddHostMenuCommands(menu, -1);
  EXPECT_EQ(GetMenuItemCount(menu), 0);
  // Without the host's anchor item the items still go in.
  AddHostMenuCommands(menu, 3);
  EXPECT_EQ(GetMenuItemCount(menu), 2);
  DestroyMenu(menu);
}

}  // namespace
