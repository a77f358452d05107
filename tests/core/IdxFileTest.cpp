// The folder index reader over files as the host writes them and as strangers' mails can make them.
// Built natively and into the Windows tests: there the C runtime's own text-mode rules would show.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/CIdxBufferSource.h"
#include "core/mail/CTovikIdxFile.h"
#include "port/FileSystem.h"
#include "port/Mbcs.h"
#include "tests/core/FavoritesTestSupport.h"

namespace {

using favorites_test::ScratchFolder;
using favorites_test::WriteBytes;

class CTestLoop : public CLongLoop {
 public:
  int Looks = 0;
  bool EscapeHeld = false;

 protected:
  void PumpPaintMessages() override { ++Looks; }
  bool IsEscapePressed() override { return EscapeHeld; }
};

// The heap, but for the one allocation it is told to refuse (counted from 1; 0 refuses none).
class CRefusingBuffers : public CIdxBufferSource {
 public:
  explicit CRefusingBuffers(int refused) : m_refused(refused) {}
  std::unique_ptr<char[]> Allocate(std::size_t size) override {
    if (++Given == m_refused) return nullptr;
    return std::unique_ptr<char[]>(new (std::nothrow) char[size]);
  }
  int Given = 0;

 private:
  const int m_refused;
};

struct Mail {
  std::string Number, Subject, From, MessageId, Date;
};

// One entry as the host writes it: 17 fields, numbers in hexadecimal.
std::string Line(const Mail& mail) {
  const std::string fields[] = {"0", mail.Number, "1F", mail.Subject, mail.From, "me@example.com",
                                mail.MessageId, "", mail.Date, "1", mail.Date, "0", "us-ascii", "", "3", "", ""};
  std::string line = fields[0];
  for (std::size_t i = 1; i < sizeof fields / sizeof fields[0]; ++i) line += '\x01' + fields[i];
  return line + "\r\n";
}

std::string Index(const std::vector<Mail>& mails, const std::string& header = "2.00\x01" "9") {
  std::string file = header + "\r\n";
  for (const Mail& mail : mails) file += Line(mail);
  return file;
}

const std::string TuesdayAt1Utc = "3A2C3E10";  // 2000-12-05 01:00:00 UTC
const std::vector<Mail> Mails = {
    {"1", "Lunch", "A <a@x>", "<1@x>", TuesdayAt1Utc},
    {"1A2B", "Report\x1A" "draft", "B <b@x>", "<2@x>", "5"},  // Ctrl-Z: the end of a text-mode file
    {"3", "Lunch", "B <b@x>", "<3@x>", "1g"},
    {"4", "Re: <5@x>", "C <c@x>", "<4@x>", "7"},
    {"5", "Plans", "A <a@x>", "<5@x>", "7"},
};

class IdxFileTest : public ::testing::Test {
 protected:
  void TearDown() override { port::SetMultiByteCodePage(0); }
  std::string Write(const std::string& bytes) {
    const std::string path = folder.Path() + "Folder" + std::to_string(++files) + ".idx";
    WriteBytes(path, bytes);
    return path;
  }
  ScratchFolder folder;
  CTestLoop loop;
  int files = 0;
};

TEST_F(IdxFileTest, FindAnswersForEveryKindOfFieldAndFile) {
  const std::string mails = Index(Mails);
  const std::string longSubject(5000, 's'), hugeSubject(5 << 19, 'h');  // 2.5 MB: more than two reads
  const struct {
    const char* What;
    std::string File;
    int Field;
    std::string Value;
    std::uint32_t Start;
    int Result;
    std::uint32_t Found;
  } cases[] = {
      {"Message-Id behind a Ctrl-Z and behind a Subject naming it", mails, 6, "<5@x>", 0, IdxFound, 4},
      {"text is compared whole", mails, 3, "Lunc", 0, IdxNotFound, 0},
      {"text is compared case-sensitively", mails, 3, "lunch", 0, IdxNotFound, 0},
      {"the search starts at the given entry", mails, 3, "Lunch", 1, IdxFound, 2},
      {"the start entry itself counts", mails, 4, "B <b@x>", 2, IdxFound, 2},
      {"hexadecimal value read as a number", mails, 1, "00001a2b", 0, IdxFound, 1},
      {"date value read as a time", mails, 8, "Tue, 5 Dec 2000 10:00:00 +0900", 0, IdxFound, 0},
      {"a field with a letter beyond F never matches", mails, 8, "1", 0, IdxNotFound, 0},
      {"an empty text value finds an empty field", mails, 7, "", 0, IdxFound, 0},
      {"an empty hexadecimal field counts as 0", "2.\n1\x01\x01x\n", 1, "0", 0, IdxFound, 0},
      {"the 17th field ends at the next separator", mails + std::string(16, '\x01') + "last\x01" "rest\n", 16, "last", 0,
       IdxFound, 5},
      {"there is no 18th field", mails, 17, "", 0, IdxNotFound, 0},
      {"the start one past the last entry", mails, 3, "Lunch", 5, IdxNoStart, 0},
      {"a start far beyond", mails, 3, "Lunch", 100000, IdxNoStart, 0},
      {"a 5000-byte line is read whole", Index({{"1", longSubject, "", "<1@x>", "0"}, {"2", "", "", "<2@x>", "0"}}), 3,
       longSubject, 0, IdxFound, 0},
      {"a line longer than a read of the file", Index({{"1", hugeSubject, "", "<1@x>", "0"}, Mails[4]}), 6, "<5@x>", 0,
       IdxFound, 1},
      {"last line without its line end", mails + "0\x01" "2C", 1, "2c", 0, IdxFound, 5},
      {"nothing found before a last line cut short", mails + "0\x01" "2C\x01" "Lun", 3, "Lunch!", 0, IdxUnreadable, 0},
      {"every carriage return at the end of a line goes", "2.\n\x01\x01\x01" "y\r\r\n", 3, "y", 0, IdxFound, 0},
      {"lines of nothing are entries", "2.\n\n\n\x01\x01\x01" "x\n", 3, "x", 0, IdxFound, 2},
      {"binary bytes", std::string("2.\n\0\xff\x01\x01\x01\0\n\x01\x01\x01" "ab", 15), 3, "ab", 0, IdxFound, 1},
      {"header only", "2.1\r\n", 6, "<1@x>", 0, IdxNotFound, 0},
      {"header only, no line end", "2.", 3, "", 0, IdxUnreadable, 0},
      {"header 1.9", Index(Mails, "1.9"), 6, "<1@x>", 0, IdxUnreadable, 0},
      {"header 2 with the full stop on the next line", "2\n." + Line(Mails[0]), 6, "<1@x>", 0, IdxUnreadable, 0},
      {"empty first line", "\n" + Line(Mails[0]), 6, "<1@x>", 0, IdxUnreadable, 0},
      {"empty file", "", 6, "<1@x>", 0, IdxUnreadable, 0},
  };
  for (const auto& c : cases) {
    CTovikIdxFile index(Write(c.File));
    ASSERT_TRUE(index.Open()) << c.What;
    std::uint32_t position = c.Start;
    EXPECT_EQ(index.Find(position, c.Field, c.Value, loop), c.Result) << c.What;
    EXPECT_EQ(position, c.Result == IdxFound ? c.Found : c.Start) << c.What;
  }
}

TEST_F(IdxFileTest, FieldsAreSplitAtSeparatorsThatStartACharacter) {
  const struct {
    int CodePage;
    std::string Line;
    int Field;
    std::string Expected;
  } cases[] = {
      {932, "\x83\x01x\x01y\r\n", 0, "\x83\x01x"},  // a lead byte takes the 0x01 after it
      {932, "\x83\x01x\x01y\r\n", 1, "y"},
      {932, "\x83\x83\x01y\n", 1, "y"},  // two lead-byte values are one character
      {0, "\x83\x01x\n", 1, "x"},
      {932, "a\x01\x83\r\n", 1, "\x83\r"},  // the carriage return is the second byte
      {932, "a\x01" "b\x83\n", 1, "b\x83"},  // a lead byte last on the line ends the field
      {932, "a\x01" "b\x01", 2, ""},
      {932, "a\x01" "b\x01", 3, ""},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(port::SetMultiByteCodePage(c.CodePage), 0);
    CTovikIdxFile index(Write("2.\n" + c.Line));
    ASSERT_TRUE(index.Open());
    EXPECT_EQ(std::string(index.GetEntry(0).GetField(c.Field)), c.Expected) << c.Line << " field " << c.Field;
  }
}

// Entries of one length, the header padded so that the Message-Id of entry `Target` begins a few
// bytes before the end of the first read of the file.
TEST_F(IdxFileTest, LargeIndexIsFoundAcrossReadsAndEntriesAreFoundAgainInAnyOrder) {
  const std::uint32_t count = 40000, target = 12000;
  auto mail = [](std::uint32_t n) {
    char number[16];
    std::snprintf(number, sizeof number, "%05X", n);
    return Mail{number, "Subject", "From", std::string("<") + number + "@id>", number};
  };
  const std::string first = Line(mail(0));
  const std::size_t idOffset = first.find("<00000@id>");
  const std::size_t boundary = std::size_t(1) << 20;
  const std::size_t headerSize = boundary - 4 - idOffset - target * first.size();
  std::string file = "2." + std::string(headerSize - 4, 'x') + "\r\n";
  for (std::uint32_t n = 0; n < count; ++n) file += Line(mail(n));
  ASSERT_EQ(file.find(mail(target).MessageId), boundary - 4);

  CTovikIdxFile index(Write(file));
  ASSERT_TRUE(index.Open());
  const struct {
    int Field;
    std::uint32_t Entry;
  } searches[] = {{6, target}, {6, count - 1}, {6, 3}, {8, count - 2}, {1, 130}, {6, 129}};
  for (const auto& search : searches) {
    std::uint32_t position = 0;
    const std::string value = search.Field == 6 ? mail(search.Entry).MessageId : mail(search.Entry).Number;
    EXPECT_EQ(index.Find(position, search.Field, value, loop), IdxFound) << value;
    EXPECT_EQ(position, search.Entry) << value;
  }
  for (std::uint32_t n : {0u, 63u, 64u, 65u, 9999u, count - 1}) {
    EXPECT_EQ(std::string(index.GetEntry(n).GetField(1)), mail(n).Number);
  }
  EXPECT_EQ(std::string(index.GetEntry(count).GetField(1)), "");
}

// A reader takes over the buffer the last one left: readers open at once each read their own file.
TEST_F(IdxFileTest, ReadersOpenAtOnceEachKeepTheirOwnFile) {
  const std::string first = Write(Index(Mails)), second = Write(Index({Mails[2], Mails[0]}));
  {
    CTovikIdxFile left(first);
    std::uint32_t position = 0;
    ASSERT_TRUE(left.Open());
    ASSERT_EQ(left.Find(position, 6, "<5@x>", loop), IdxFound);
  }
  CTovikIdxFile one(second), other(first);
  ASSERT_TRUE(one.Open());
  ASSERT_TRUE(other.Open());
  std::uint32_t inOne = 0, inOther = 0;
  EXPECT_EQ(one.Find(inOne, 6, "<5@x>", loop), IdxNotFound);
  EXPECT_EQ(other.Find(inOther, 6, "<5@x>", loop), IdxFound);
  inOne = 0;
  EXPECT_EQ(one.Find(inOne, 6, "<1@x>", loop), IdxFound);
  EXPECT_EQ(inOne, 1u);
  EXPECT_EQ(std::string(one.GetEntry(0).GetField(6)), "<3@x>");
  EXPECT_EQ(std::string(other.GetEntry(4).GetField(6)), "<5@x>");
}

TEST_F(IdxFileTest, OpenAgainClosesTheStreamItHeld) {
  const std::string path = Write(Index(Mails));
  CTovikIdxFile index(path);
  ASSERT_TRUE(index.Open());
  ASSERT_TRUE(index.Open());
  index.Close();
  EXPECT_FALSE(index.IsOpen());
  EXPECT_TRUE(port::RemoveFile(path)) << "a stream left open keeps the file";
  EXPECT_FALSE(CTovikIdxFile(path).Open());
  EXPECT_FALSE(CTovikIdxFile("").Open());
}

TEST_F(IdxFileTest, EscapeStopsTheSearchAndTheHostPaintsEveryFewMilliseconds) {
  CTovikIdxFile index(Write(Index(Mails)));
  ASSERT_TRUE(index.Open());
  std::uint32_t position = 0;
  loop.EscapeHeld = true;
  EXPECT_EQ(index.Find(position, 6, "<5@x>", loop), IdxCancelled);
  EXPECT_EQ(loop.Looks, 1);

  CTestLoop steps;
  for (int step = 0; step < 10000; ++step) steps.IsCancelled();
  EXPECT_LT(steps.Looks, 100) << "not at every step";
  const int looks = steps.Looks;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  steps.IsCancelled();
  EXPECT_EQ(steps.Looks, looks + 1);
}

// What no search may take for "not found": the user would be offered to delete a mail that is there.
TEST_F(IdxFileTest, AnIndexThatCannotBeReadToItsEndIsUnreadable) {
  // A line longer than a read: a search that looks into every line needs a larger buffer for it.
  const std::string file = Index({Mails[0], {"2", std::string(3 << 19, 's'), "", "<2@x>", "0"}, Mails[4]});
  const std::string path = Write(file);
  for (int refused = 1;; ++refused) {
    CRefusingBuffers buffers(refused);
    CTovikIdxFile index(path, &buffers);
    ASSERT_TRUE(index.Open());
    for (const char* number : {"5", "77"}) {
      std::uint32_t position = 0;
      const int result = index.Find(position, 1, number, loop);
      if (buffers.Given >= refused) {
        EXPECT_EQ(result, IdxUnreadable) << "buffer " << refused << " refused, search for " << number;
      } else {
        EXPECT_EQ(result, number == std::string("5") ? IdxFound : IdxNotFound) << number;
      }
    }
    if (buffers.Given < refused) {
      EXPECT_GE(refused, 3) << "the long line takes a buffer of its own";
      break;
    }
  }

  // Cut short while it is read (the host rewriting it), inside the long line.
  CTovikIdxFile index(path);
  ASSERT_TRUE(index.Open());
  std::uint32_t position = 0;
  ASSERT_EQ(index.Find(position, 6, "<1@x>", loop), IdxFound);
  std::filesystem::resize_file(port::NativePath(path), file.size() / 2);
  for (const char* id : {"<5@x>", "<nowhere@x>"}) {
    position = 0;
    EXPECT_EQ(index.Find(position, 6, id, loop), IdxUnreadable) << id;
  }
  // Opened again, it is the file it now is: one that ends inside a line, which may hide any mail.
  ASSERT_TRUE(index.Open());
  position = 0;
  EXPECT_EQ(index.Find(position, 6, "<1@x>", loop), IdxFound);
  EXPECT_EQ(index.Find(position, 6, "<5@x>", loop), IdxUnreadable);
}

}  // namespace
