// The scan under every text search of a folder index, against a plain search of the same bytes: many
// places that fit the text's first, last and inner bytes but not the text, line ends among them, texts
// shorter and longer than a block, every alignment, and runs long enough to add the line ends up
// several times on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>

#include "core/mail/ByteScan.h"

namespace {

// The text with one byte changed that the scan does not look at first: it fits until compared whole.
std::string NearMiss(const std::string& text, std::mt19937& random) {
  std::string miss = text;
  if (text.size() < 5) return miss + "!";
  std::size_t at = 1 + random() % (text.size() - 2);
  if (at == text.size() / 4 || at == text.size() / 2) at = text.size() - 2;
  miss[at] = miss[at] == '#' ? '%' : '#';
  return miss;
}

// A folder index's worth of bytes: near misses, line ends and filler, the text itself now and then.
std::string Bytes(const std::string& text, std::size_t size, bool withText, std::mt19937& random) {
  std::string bytes;
  while (bytes.size() < size) {
    switch (random() % 6) {
      case 0: bytes += NearMiss(text, random); break;
      case 1: bytes += "\r\n"; break;
      case 2: bytes += '\n'; break;
      case 3: bytes += text.substr(0, random() % text.size()); break;
      default: bytes += std::string(random() % 40, static_cast<char>('a' + random() % 3)); break;
    }
    if (withText && random() % 500 == 0) bytes += text;
  }
  return bytes;
}

TEST(ByteScanTest, FindsWhatAPlainSearchFindsAndCountsTheLineEndsBeforeIt) {
  const std::string texts[] = {"<a>", "<ab>", "a\nb!c", "<5E0A1B2C.0001234@mx.example.com>",
                               "\"Bob Smith\" <bob.smith@example.org> and a text longer than two blocks"};
  std::mt19937 random(7);
  for (const std::string& text : texts) {
    for (int round = 0; round < 60; ++round) {
      const std::string bytes = Bytes(text, 1 + random() % 30000, round % 3 != 0, random);
      const std::size_t from = random() % std::min<std::size_t>(bytes.size(), 64);
      const std::string_view looked(bytes.data() + from, bytes.size() - from);
      const std::size_t expected = looked.find(text);
      const std::size_t stop = looked.size() >= text.size() ? looked.size() - text.size() + 1 : 0;
      const std::size_t expectedPlace = expected == looked.npos ? stop : expected;

      const char* place = nullptr;
      std::size_t lineEnds = 0;
      const bool found = ScanForText(looked.data(), looked.data() + looked.size(), text, place, lineEnds);
      SCOPED_TRACE("text \"" + text + "\", " + std::to_string(looked.size()) + " bytes from " +
                   std::to_string(from));
      EXPECT_EQ(found, expected != looked.npos);
      EXPECT_EQ(static_cast<std::size_t>(place - looked.data()), expectedPlace);
      EXPECT_EQ(lineEnds, static_cast<std::size_t>(std::count(looked.begin(), looked.begin() + expectedPlace, '\n')));
    }
  }
}

// Lines of one length all end in the same lanes of every block: a lane counts one line end a block.
TEST(ByteScanTest, CountsLineEndsThatFallInTheSameLanesOfEveryBlock) {
  for (const std::size_t length : {1, 16, 32}) {
    std::string bytes;
    for (int line = 0; line < 20000; ++line) bytes += std::string(length - 1, 'x') + '\n';
    const char* place = nullptr;
    std::size_t lineEnds = 0;
    EXPECT_FALSE(ScanForText(bytes.data(), bytes.data() + bytes.size(), "<a>", place, lineEnds));
    const char* const begin = bytes.data();
    EXPECT_EQ(lineEnds, static_cast<std::size_t>(std::count(begin, place, '\n'))) << length;
  }
}

}  // namespace
