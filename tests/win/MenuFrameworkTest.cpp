// Menus assembled item by item and shown modally, answered by a user on a helper thread.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/win/TestHostWindows.h"
#include "uiauto/UiAutomation.h"
#include "win/menus/CPopupMenu.h"

namespace {

// Items 1 "&One", 2 "Two" (grayed), separator, 3 "T&hree", then a sub-menu "&More" with 4 "Four".
struct SampleMenu {
  CPopupMenu menu;
  CPopupMenu more;
  SampleMenu() {
    menu.AppendItem(1, "&One", true);
    menu.AppendItem(2, "Two", false);
    menu.AppendSeparator();
    menu.AppendItem(3, "T&hree", true);
    more.AppendItem(4, "Four", true);
    menu.AppendSubMenu(more, "&More");
  }
};

std::string Describe(const uiauto::MenuItem& item) {
  if (item.Separator) return "----";
  return std::to_string(item.Id) + " " + item.Text + (item.Grayed ? " (grayed)" : "") + (item.HasSubMenu ? " >" : "");
}

TEST(MenuFramework, ItemsSubMenusAndSeparatorsAreAppendedInOrder) {
  SampleMenu sample;
  std::vector<std::string> items;
  for (const auto& item : uiauto::MenuItemsOf(sample.menu.GetMenuHandle())) items.push_back(Describe(item));
  EXPECT_EQ(items, (std::vector<std::string>{"1 &One", "2 Two (grayed)", "----", "3 T&hree", "0 &More >"}));
  EXPECT_EQ(GetSubMenu(sample.menu.GetMenuHandle(), 4), sample.more.GetMenuHandle());
  EXPECT_TRUE(sample.menu.AppendItem(5, "", true)) << "an empty text is still an item";
}

TEST(MenuFramework, MenuWithoutHandleAppendsNothingAndTracksNothing) {
  CMenu none(static_cast<HMENU>(nullptr));
  EXPECT_FALSE(none.AppendItem(1, "One", true));
  EXPECT_FALSE(none.AppendSeparator());
  EXPECT_FALSE(none.AppendSubMenu(none, "More"));
}

TEST(MenuFramework, OnlyOwnHandlesAreDestroyed) {
  HMENU wrappedHandle = CreatePopupMenu();
  HMENU ownHandle = nullptr;
  {
    CMenu wrapped(wrappedHandle);
    CPopupMenu own;
    ownHandle = own.GetMenuHandle();
    EXPECT_TRUE(IsMenu(ownHandle));
  }
  EXPECT_TRUE(IsMenu(wrappedHandle)) << "the caller's handle stays the caller's";
  EXPECT_FALSE(IsMenu(ownHandle));
  DestroyMenu(wrappedHandle);
}

TEST(MenuFramework, SubMenuHandleIsDestroyedByItsOwnObjectOnly) {
  // In either order of destruction the sub-menu's handle lives exactly as long as its object.
  for (const bool parentFirst : {true, false}) {
    auto parent = std::make_unique<CPopupMenu>();
    auto sub = std::make_unique<CPopupMenu>();
    HMENU subHandle = sub->GetMenuHandle();
    HMENU parentHandle = parent->GetMenuHandle();
    ASSERT_TRUE(parent->AppendSubMenu(*sub, "&More"));
    if (parentFirst) {
      parent.reset();
      EXPECT_FALSE(IsMenu(parentHandle));
      EXPECT_TRUE(IsMenu(subHandle)) << "the parent destroyed a handle its sub-menu object still owns";
      sub.reset();
    } else {
      sub.reset();
      EXPECT_FALSE(IsMenu(subHandle));
      EXPECT_TRUE(IsMenu(parentHandle));
      parent.reset();
    }
    EXPECT_FALSE(IsMenu(subHandle)) << "parent first: " << parentFirst;
    EXPECT_FALSE(IsMenu(parentHandle)) << "parent first: " << parentFirst;
  }
}

class TrackTest : public ::testing::Test {
 protected:
  // Shows the sample menu over the host frame while `user` answers it; the result of Track.
  int TrackAnswered(const std::function<void(HWND popup)>& user) {
    const TestHostWindows& host = UseTestHostWindows();
    SetForegroundWindow(host.MainFrame);
    const DWORD thisThread = GetCurrentThreadId();
    // The host's message loop runs between two menus: input left over from the last one is handled,
    // and the last popup is gone before the user looks for the next.
    uiauto::PumpMessagesUntil([&] { return uiauto::FindWindowOf({"#32768", "", thisThread}) == nullptr; });
    uiauto::PumpMessagesFor(20);
    SampleMenu sample;
    std::atomic<bool> tracking{true};
    uiauto::UserThread answer([&] {
      HWND popup = uiauto::WaitForPopupMenu(thisThread);
      popupShown = popup != nullptr;
      if (popup != nullptr) {
        user(popup);
        uiauto::WaitUntilGone(popup, 3000);
      }
      // Never leave the test hanging: whatever menu is still up once the user is done is dismissed.
      while (tracking) {
        if (HWND open = uiauto::FindWindowOf({"#32768", "", thisThread})) uiauto::Dismiss(open);
        Sleep(100);
      }
    });
    CWindow owner(host.MainFrame);
    const int chosen = sample.menu.Track(100, 100, owner);
    tracking = false;
    answer.Join();
    EXPECT_TRUE(popupShown);
    return chosen;
  }
  bool popupShown = false;
};

TEST_F(TrackTest, ReturnsThePickedId) {
  for (int position : {0, 3}) {
    bool highlighted = false;
    const int picked = TrackAnswered([&](HWND popup) { highlighted = uiauto::PickMenuItem(popup, position); });
    EXPECT_TRUE(highlighted) << "position " << position;
    EXPECT_EQ(picked, position == 0 ? 1 : 3) << "position " << position;
  }
}

TEST_F(TrackTest, ReturnsZeroWhenDismissed) {
  EXPECT_EQ(TrackAnswered([](HWND popup) { uiauto::PressKey(popup, VK_ESCAPE); }), 0) << "Escape";
  EXPECT_EQ(TrackAnswered([](HWND) { uiauto::ClickAt({5, 5}); }), 0) << "click outside";
}

TEST_F(TrackTest, GrayedItemIsNeverReturned) {
  const struct {
    const char* how;
    std::function<void(HWND)> act;
  } attempts[] = {
      {"keys", [](HWND popup) {
         if (!uiauto::PickMenuItem(popup, 1)) uiauto::Dismiss(popup);
       }},
      {"click", [](HWND popup) {
         const RECT item = uiauto::MenuItemRect(popup, 1);
         uiauto::ClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
         if (!uiauto::WaitUntilGone(popup, 500)) uiauto::Dismiss(popup);
       }},
  };
  for (const auto& attempt : attempts) EXPECT_NE(TrackAnswered(attempt.act), 2) << attempt.how;
}

}  // namespace
