// The find dialog's search: every word somewhere in a row, ASCII letters without case, double-byte
// characters only whole, title matches first.
#include <gtest/gtest.h>

#include "core/favorites/CFavoriteFinder.h"
#include "port/Mbcs.h"

namespace {

// Shift-JIS: 亜 0x889F, 唖 0x88A0, ア 0x8341 (its second byte is "A"), ャ 0x8361 (its second byte is "a").
const std::string kA = "\x88\x9F", kOshi = "\x88\xA0", kKatakanaA = "\x83\x41", kSmallYa = "\x83\x61";

struct Favorite {
  std::string Title;
  std::vector<std::string> Others;
};

std::vector<std::size_t> FindIn(const std::vector<Favorite>& favorites, const std::string& query) {
  CFavoriteFinder finder;
  for (std::size_t n = 0; n < favorites.size(); ++n) {
    finder.AddRow(1, static_cast<int>(n), favorites[n].Title, favorites[n].Others);
  }
  std::vector<std::size_t> rows;
  finder.Find(query, rows);
  return rows;
}

class FavoriteFinderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(port::SetMultiByteCodePage(932), 0); }
  void TearDown() override { port::SetMultiByteCodePage(0); }
};

TEST_F(FavoriteFinderTest, EveryWordMustStandInSomeTextOfTheRow) {
  const std::vector<Favorite> favorites = {
      {"Project Alpha", {"[Work] Inbox/Projects"}},
      {"Fav one", {"[Main] Inbox", "Lunch on Friday", "Alice <alice@example.com>"}},
      {"Wide", {}},
      {"My alpha notes", {"[Main] Inbox"}},
  };
  const struct {
    std::string query;
    std::vector<std::size_t> rows;
  } cases[] = {
      {"", {0, 1, 2, 3}},
      {"  \t ", {0, 1, 2, 3}},
      {"ALPHA", {0, 3}},
      {"alpha inbox", {0, 3}},
      {"inbox alpha", {0, 3}},
      {"alpha main", {3}},
      {"friday ALICE", {1}},
      {"alice wide", {}},
      {"zebra", {}},
      {"wide ", {2}},
  };
  for (const auto& c : cases) EXPECT_EQ(FindIn(favorites, c.query), c.rows) << '"' << c.query << '"';
}

TEST_F(FavoriteFinderTest, TitlesStartingWithTheFirstWordComeFirstInListOrder) {
  const std::vector<Favorite> favorites = {
      {"My mail", {}}, {"Mail of Bob", {}}, {"Other", {"mail"}}, {"mailbox", {}}, {"Note", {"Mail"}}};
  const struct {
    std::string query;
    std::vector<std::size_t> rows;
  } cases[] = {
      {"mail", {1, 3, 0, 2, 4}},
      {"MAIL bob", {1}},
      {"bob mail", {1}},  // only the first word orders
      {"o", {2, 1, 3, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(FindIn(favorites, c.query), c.rows) << '"' << c.query << '"';
}

TEST_F(FavoriteFinderTest, FoldersOfTheHostFollowEveryFavoriteOrderedTheSameWay) {
  CFavoriteFinder finder;
  // Rows 0, 2 and 4 are folders of the host, added among the favorites.
  finder.AddRow(CFavoriteFinder::HostFolderKind, 0, "[Work] Inbox/Mail lists", {});
  finder.AddRow(1, 0, "My mail", {});
  finder.AddRow(CFavoriteFinder::HostFolderKind, 1, "[Main] Mail", {});
  finder.AddRow(2, 0, "Mail of Bob", {});
  finder.AddRow(CFavoriteFinder::HostFolderKind, 2, "Mail", {});
  const struct {
    std::string query;
    std::vector<std::size_t> rows;
  } cases[] = {
      {"", {1, 3, 0, 2, 4}},
      {"mail", {3, 1, 4, 0, 2}},
      {"MAIN mail", {2}},
      {"lists [work]", {0}},
  };
  for (const auto& c : cases) {
    std::vector<std::size_t> rows;
    finder.Find(c.query, rows);
    EXPECT_EQ(rows, c.rows) << '"' << c.query << '"';
  }
  EXPECT_EQ(finder.GetKind(4), CFavoriteFinder::HostFolderKind);
  EXPECT_EQ(finder.GetIndex(4), 2);
  finder.Clear();
  EXPECT_EQ(finder.GetRowCount(), 0u);
}

TEST_F(FavoriteFinderTest, EveryAsciiLetterFoldsAndTheCharactersBesideTheAlphabetsDoNot) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const std::string big(1, upper), small(1, static_cast<char>(upper - 'A' + 'a'));
    EXPECT_EQ(FindIn({{"x" + big, {}}}, small), std::vector<std::size_t>{0}) << big;
    EXPECT_EQ(FindIn({{"x" + small, {}}}, big), std::vector<std::size_t>{0}) << big;
  }
  // '@' and '[' stand just outside A-Z, '`' and '{' just outside a-z, 0x20 apart as the letters are.
  for (const std::string pair : {"@`", "[{"}) {
    EXPECT_EQ(FindIn({{pair.substr(0, 1), {}}}, pair.substr(1)), std::vector<std::size_t>{}) << pair;
    EXPECT_EQ(FindIn({{pair.substr(1), {}}}, pair.substr(0, 1)), std::vector<std::size_t>{}) << pair;
  }
}

TEST_F(FavoriteFinderTest, DoubleByteCharactersMatchOnlyWhole) {
  const std::vector<Favorite> favorites = {
      {kA + kOshi, {}},                 // 0: the bytes 9F 88 stand across the two characters
      {kKatakanaA + "bc", {}},          // 1: "A" only as a second byte
      {"x", {"[Main] " + kOshi}},       // 2
      {"ABC", {}},                      // 3
  };
  const struct {
    std::string query;
    std::vector<std::size_t> rows;
  } cases[] = {
      {kOshi, {0, 2}},
      {kA, {0}},
      {"\x9F\x88", {}},         // one character in the query, half of two in the title
      {"abc", {3}},             // never through the second byte of ア
      {kSmallYa + "bc", {}},    // ャ is not ア whatever the case of their second bytes
      {kKatakanaA, {1}},
      {kA + "\x88", {0}},       // half a character typed at the end counts for nothing
      {"\x88", {0, 1, 2, 3}},
  };
  for (std::size_t n = 0; n < sizeof cases / sizeof cases[0]; ++n) {
    EXPECT_EQ(FindIn(favorites, cases[n].query), cases[n].rows) << "case " << n;
  }
}

TEST_F(FavoriteFinderTest, WordsSplitAtBlanksAndTheIdeographicSpaceOfShiftJis) {
  const std::string ideographicSpace = "\x81\x40";
  EXPECT_EQ(CFavoriteFinder::SplitWords("a  B\tc" + ideographicSpace + kA + "D"),
            (std::vector<std::string>{"a", "b", "c", kA + "d"}));
  // 81 40 is no space when 81 is the second byte of a character.
  EXPECT_EQ(CFavoriteFinder::SplitWords("\x88\x81\x40"), (std::vector<std::string>{"\x88\x81\x40"}));
  ASSERT_EQ(port::SetMultiByteCodePage(1252), 0);
  EXPECT_EQ(CFavoriteFinder::SplitWords("x" + ideographicSpace + "Y"), (std::vector<std::string>{"x\x81\x40y"}));
  EXPECT_EQ(CFavoriteFinder::SplitWords("\x88"), (std::vector<std::string>{"\x88"}));
}

}  // namespace
