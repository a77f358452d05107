// Files stitched together from the pieces that make INI reading hard load without a fault, and the
// first save makes them stable: loading and saving again changes nothing.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/favorites/CFavoriteInfo.h"
#include "tests/core/FavoritesTestSupport.h"

namespace {

TEST(HostileSettingsFile, LoadsSanelyAndIsStableAfterOneSave) {
  const std::string pieces[] = {"[", "]", "=", "\r\n", "\n", "\r", " ", "\t", "\"", "'", ";", "\x1A", std::string(1, '\0'),
                                "\x83", "FavoriteFolders", "FavoriteMails", "FavoriteFolderTrees", "MailHistory",
                                "WindowState", "Misc", "Item0_", "Item1_", "Item2_", "FolderID", "MailID", "ID",
                                "TreeFileName", "WindowCX", "WindowCY", "DisplayName", "NextID", "MailHistoryNum",
                                "-1", "0", "1", "2147483647", "0x7fffffff", "..\\", "x", "\r\n[FavoriteFolders]\r\n",
                                "\r\n[FavoriteMails]\r\n", "\r\n[FavoriteFolderTrees]\r\n", "\r\n[WindowState]\r\n",
                                "\r\nItem0_FolderID=", "\r\nItem1_FolderID=", "\r\nItem0_MailID=", "\r\nItem0_ID=",
                                "\r\nItem0_TreeFileName=", "\r\nItem0_DisplayName=", "\r\nItem0_WindowCX=",
                                "\r\nItem0_WindowCY="};
  std::mt19937 random(4);
  favorites_test::ScratchFolder folder;
  const std::string path = folder.Path() + "RaZudazoved.ini";
  std::size_t itemsLoaded = 0;
  for (int round = 0; round < 200; ++round) {
    // Three files in seven start with a byte-order mark, their bytes no valid text behind it either.
    const char* const marks[] = {"", "", "", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    std::string file = marks[round % 7];
    for (int n = 0; n < 400; ++n) file += pieces[random() % (sizeof pieces / sizeof pieces[0])];
    favorites_test::WriteBytes(path, file);
    CFavoriteInfo first;
    first.Path = path;
    first.Load();
    for (int kind = 1; kind <= 5; ++kind) itemsLoaded += first.GetList(kind)->GetCount();
    ASSERT_TRUE(first.Save()) << "round " << round;
    const std::string saved = favorites_test::ReadBytes(path);
    CFavoriteInfo second;
    second.Path = path;
    second.Load();
    ASSERT_TRUE(second.Save());
    ASSERT_TRUE(favorites_test::ReadBytes(path) == saved) << "round " << round << ", file:\n" << file;
  }
  EXPECT_GT(itemsLoaded, 5u) << "the pieces should make some items";
}

}  // namespace
