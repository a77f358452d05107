// The folder index reader over files far larger than a folder index gets: beyond 4 GB (sparse, so
// that they take no disk) and past the point where the reader thins out what it keeps of the entries'
// starts. Natively only: they read gigabytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/CFileWindow.h"
#include "core/mail/CIdxBufferSource.h"
#include "core/mail/CTovikIdxFile.h"
#include "port/FileSystem.h"
#include "tests/core/FavoritesTestSupport.h"

namespace {

using favorites_test::ScratchFolder;

class CQuietLoop : public CLongLoop {
 protected:
  void PumpPaintMessages() override {}
  bool IsEscapePressed() override { return false; }
};

// The heap, noting the largest buffer given.
class CMeasuredBuffers : public CIdxBufferSource {
 public:
  std::unique_ptr<char[]> Allocate(std::size_t size) override {
    Largest = std::max(Largest, size);
    return std::unique_ptr<char[]>(new (std::nothrow) char[size]);
  }
  std::size_t Largest = 0;
};

// An entry as the host writes it, with its number in field 1 and its Message-Id in field 6; `padding`
// bytes more in its Subject.
std::string Entry(unsigned number, std::size_t padding = 0) {
  char line[128];
  std::snprintf(line, sizeof line, "0\x01%X\x01" "1F\x01Subject %u", number, number);
  std::string entry = line + std::string(padding, 's');
  std::snprintf(line, sizeof line, "\x01" "From\x01To\x01<%u@large>\x01\x01" "3A2C3E10\r\n", number);
  return entry + line;
}

std::string MessageId(unsigned number) { return "<" + std::to_string(number) + "@large>"; }

class IdxFileLargeTest : public ::testing::Test {
 protected:
  ScratchFolder folder;
  CQuietLoop loop;
};

// Entries 0 and 1 at the start, 3 after 2.25 GB, 5 and 6 after 4 GB; entries 2 and 4 are the holes
// between them, lines of zero bytes.
TEST_F(IdxFileLargeTest, AnIndexBeyond4GBIsReadWholeInBoundedMemory) {
  const std::string path = folder.Path() + "Folder.idx";
  std::FILE* file = std::fopen(port::NativePath(path).c_str(), "wb");
  ASSERT_NE(file, nullptr);
  const auto write = [&](const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), file); };
  write("2.00\r\n" + Entry(0) + Entry(1));
  ASSERT_TRUE(port::SeekFile(file, (std::uint64_t(9) << 28) - 1));
  write("\n" + Entry(3));
  ASSERT_TRUE(port::SeekFile(file, (std::uint64_t(1) << 32) + 4095));
  write("\n" + Entry(5) + Entry(6));
  ASSERT_EQ(std::fclose(file), 0);

  CMeasuredBuffers buffers;
  CTovikIdxFile index(path, &buffers);
  ASSERT_TRUE(index.Open());
  const struct {
    std::uint32_t Start;
    unsigned Entry;
  } searches[] = {{0, 6}, {3, 3}, {5, 5}, {1, 1}, {6, 6}};
  for (const auto& search : searches) {
    std::uint32_t position = search.Start;
    EXPECT_EQ(index.Find(position, 6, MessageId(search.Entry), loop), IdxFound) << search.Entry;
    EXPECT_EQ(position, search.Entry);
  }
  for (unsigned entry : {0u, 1u, 3u, 5u, 6u}) {
    EXPECT_EQ(std::string(index.GetEntry(entry).GetField(6)), MessageId(entry)) << entry;
  }
  EXPECT_EQ(std::string(index.GetEntry(7).GetField(6)), "");
  std::uint32_t position = 4;
  EXPECT_EQ(index.Find(position, 6, "<7@large>", loop), IdxNotFound);
  position = 7;
  EXPECT_EQ(index.Find(position, 6, "<7@large>", loop), IdxNoStart);
  EXPECT_EQ(buffers.Largest, CFileWindow::ReadSize) << "the lines of zeros were never held";

  // A search that looks into every entry must hold a line of zeros whole: beyond what the reader
  // keeps, so the index cannot be searched, and the reader stops there.
  position = 0;
  EXPECT_EQ(index.Find(position, 1, "3", loop), IdxUnreadable);
  EXPECT_LE(buffers.Largest, CFileWindow::MaxKept + CFileWindow::ReadSize);
}

// Some 100 MB of entries: more entry starts than the reader keeps.
TEST_F(IdxFileLargeTest, EntriesOfAHugeIndexAreFoundAgainFromAnywhere) {
  const unsigned count = 320000;
  std::string bytes = "2.00\r\n";
  for (unsigned n = 0; n < count; ++n) bytes += Entry(n, 250);
  const std::string path = folder.Path() + "Folder.idx";
  favorites_test::WriteBytes(path, bytes);

  CTovikIdxFile index(path);
  ASSERT_TRUE(index.Open());
  std::uint32_t position = 0;
  ASSERT_EQ(index.Find(position, 6, MessageId(count - 1), loop), IdxFound);
  for (unsigned entry : {0u, 1u, 4095u, 65536u, 123457u, 250001u, count - 2, count - 1}) {
    EXPECT_EQ(std::string(index.GetEntry(entry).GetField(6)), MessageId(entry)) << entry;
  }
  const struct {
    std::uint32_t Start;
    int Field;
    unsigned Entry;
  } searches[] = {{12345, 6, 177777}, {177777, 1, 177777}, {250000, 6, 250001}, {0, 1, 2}, {count - 1, 6, count - 1}};
  for (const auto& search : searches) {
    char number[16];
    std::snprintf(number, sizeof number, "%X", search.Entry);
    position = search.Start;
    EXPECT_EQ(index.Find(position, search.Field, search.Field == 1 ? number : MessageId(search.Entry), loop), IdxFound);
    EXPECT_EQ(position, search.Entry);
  }
  position = count;
  EXPECT_EQ(index.Find(position, 6, MessageId(0), loop), IdxNoStart);
}

}  // namespace
