// Finding a mail of a large folder by its Message-Id: the index reader's Find of the very last entry
// in a 100,000-entry index and in a 1 GB one (some 5.5 million entries), each written to the temp
// folder and removed after. Against `grep -F -c` of the same text over the same file, run as a
// process as a user would run it (natively; under Wine grep is not timed: Wine starts a Unix program
// but gives no handle to wait for it), and against a bare loop that only reads the same file through
// the same runtime in the same run (and, for comparison, one that keeps its buffer for every run).
// Beside it: the readers' peak heap (with the buffer one leaves for the next) against the bound they
// keep (4 MiB besides the longest line one must hold), and Find of the last entry's Date, which looks
// into every entry. Medians of several rounds; the processor time counts in steps of 10 ms under Wine.
//   idx_find_bench [index file]      (an index of one's own instead of the two written here)
// Natively, build it without the sanitizers (-DRAZ_SANITIZE=OFF) for figures that mean anything.
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/CFileWindow.h"
#include "core/mail/CTovikIdxFile.h"
#include "port/FileSystem.h"

#ifndef _WIN32
extern char** environ;
#endif

#include "bench/BenchClock.h"
#include "bench/CountingHeap.h"

namespace {

class CQuietLoop : public CLongLoop {
 protected:
  void PumpPaintMessages() override {}
  bool IsEscapePressed() override { return false; }
};

// Time spent: on the clock, and by the processor (user and system), in milliseconds.
struct Times {
  double Wall = 0, Processor = 0;
};

#ifdef _WIN32
double OwnProcessorMs() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ms = [](const FILETIME& time) {
    return (double(time.dwHighDateTime) * 4294967296.0 + time.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}
#else
double ProcessorMs(const rusage& usage) {
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}
double OwnProcessorMs() {
  rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
  return ProcessorMs(usage);
}
#endif

template <class Step>
Times Timed(Step step) {
  Times times;
  const double start = NowMs(), processor = OwnProcessorMs();
  step();
  times.Wall = NowMs() - start;
  times.Processor = OwnProcessorMs() - processor;
  return times;
}

// Runs `grep -F -c text file` as a process; its times, or -1 when it cannot run.
Times Grep(const std::string& text, const std::string& file) {
  Times times;
  times.Wall = times.Processor = -1;
#ifndef _WIN32
  const std::string path = port::NativePath(file);
  const char* arguments[] = {"grep", "-F", "-c", text.c_str(), path.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const double start = NowMs();
  const int failed = posix_spawnp(&child, "grep", &actions, nullptr, const_cast<char**>(arguments), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage = {};
  if (failed != 0 || wait4(child, &status, 0, &usage) != child) return times;
  times.Wall = NowMs() - start;
  times.Processor = ProcessorMs(usage);
#else
  (void)text;
  (void)file;
#endif
  return times;
}

// Reads the file through in reads of the reader's size and does nothing else, into a buffer of its own
// or into `kept`.
void ReadThrough(const std::string& path, std::vector<char>* kept = nullptr) {
  std::FILE* file = std::fopen(port::NativePath(path).c_str(), "rb");
  if (file == nullptr) return;
  std::vector<char> own(kept ? 0 : CFileWindow::ReadSize);
  std::vector<char>& buffer = kept ? *kept : own;
  while (std::fread(buffer.data(), 1, buffer.size(), file) != 0) {
  }
  std::fclose(file);
}

std::size_t LongestLine(const std::string& path) {
  std::FILE* file = std::fopen(port::NativePath(path).c_str(), "rb");
  if (file == nullptr) return 0;
  std::size_t longest = 0, current = 0;
  for (int byte = 0; (byte = std::fgetc(file)) != EOF;) {
    current = byte == '\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  std::fclose(file);
  return longest;
}

// A folder index as the host writes it, 17 fields a mail, texts of the sizes real mails have: `mails`
// entries, or as many as make up `bytes`.
bool WriteIndex(const std::string& path, unsigned mails, double bytes) {
  static const char* const subjects[] = {"Meeting notes", "Quarterly report draft",
                                         "Re: Build failure on the release branch", "Invoice #4711",
                                         "\x89\xef\x8b\x63\x82\xcc\x97\x5c\x92\xe8\x82\xc9\x82\xc2\x82\xa2\x82\xc4"};
  static const char* const senders[] = {"\"Alice Walker\" <alice@example.com>", "\"Bob Smith\" <bob.smith@example.org>",
                                        "\"\x8e\x52\x93\x63\x20\x91\xbe\x98\x59\" <taro.yamada@example.jp>"};
  std::mt19937 random(1);
  FILE* file = std::fopen(port::NativePath(path).c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "2.00\x01%X\r\n", mails + 1);
  unsigned offset = 0;
  double written = 0;
  for (unsigned n = 1; mails != 0 ? n <= mails : written < bytes; ++n) {
    const unsigned date = static_cast<unsigned>(1577836800u + random() % 94608000u);
    const unsigned size = static_cast<unsigned>(600 + random() % 3000);
    char messageId[64];
    std::snprintf(messageId, sizeof messageId, "<%08X.%07u@mx.example.com>", date, n);
    const int line = std::fprintf(
        file,
        "%X\x01%X\x01%X\x01%s\x01%s\x01\"Tovik User\" <user@example.com>\x01%s\x01\x01%X\x01%X\x01%X\x01"
        "0\x01%s\x01\x01"
        "3\x01\x01\r\n",
        offset, n, size, subjects[random() % 5], senders[random() % 3], messageId, date,
        static_cast<unsigned>(1 + random() % 8), date, n % 3 == 0 ? "Shift_JIS" : "us-ascii");
    if (line < 0) break;
    written += line;
    offset += size;
  }
  return std::fclose(file) == 0 && written > 0;
}

// The file's size, and field `field` of its last line.
std::string LastEntryField(const std::string& path, int field, std::uint64_t& fileSize) {
  std::string tail(65536, '\0');
  FILE* file = std::fopen(port::NativePath(path).c_str(), "rb");
  if (file == nullptr || !port::FileLength(file, fileSize)) {
    if (file != nullptr) std::fclose(file);
    return std::string();
  }
  port::SeekFile(file, fileSize - std::min<std::uint64_t>(fileSize, tail.size()));
  tail.resize(std::fread(&tail[0], 1, tail.size(), file));
  std::fclose(file);
  tail.erase(tail.find_last_not_of("\r\n") + 1);
  std::size_t start = tail.rfind('\n') + 1;  // npos + 1 is 0: a file of one line
  for (int separators = 0; separators < field && start != 0; ++separators) start = tail.find('\x01', start) + 1;
  return start == 0 ? std::string() : tail.substr(start, tail.find('\x01', start) - start);
}

// The heap in use before the first reader: what readers hold (the buffer one leaves for the next
// too) is counted from there.
long long heapBeforeReaders = 0;

// One Find in a new reader, as a search after a renumbering does it; the readers' peak heap in `peak`.
int FindOnce(const std::string& path, int field, const std::string& value, long long& peak) {
  ResetHeapPeak();
  int result = -1;
  {
    CTovikIdxFile index(path);
    CQuietLoop loop;
    std::uint32_t position = 0;
    if (index.Open()) result = index.Find(position, field, value, loop);
  }
  peak = HeapPeak() - heapBeforeReaders;
  return result;
}

// The median of the rounds, by each measure.
Times Median(const std::vector<Times>& rounds) {
  std::vector<double> wall, processor;
  for (const Times& times : rounds) {
    wall.push_back(times.Wall);
    processor.push_back(times.Processor);
  }
  std::sort(wall.begin(), wall.end());
  std::sort(processor.begin(), processor.end());
  Times median;
  median.Wall = wall[wall.size() / 2];
  median.Processor = processor[processor.size() / 2];
  return median;
}

// Find against another run; `target` 0 for one shown for comparison only.
void PrintAgainst(const char* what, const Times& find, const Times& other, double target) {
  if (other.Wall < 0) return;
  std::printf("  %-26s %9.1f ms (processor %9.1f ms): Find/it %.2f (processor %.2f)", what, other.Wall,
              other.Processor, find.Wall / other.Wall, find.Processor / other.Processor);
  if (target > 0) std::printf(", target %.1f: %s", target, find.Wall <= target * other.Wall ? "met" : "MISSED");
  std::printf("\n");
}

// `kept`: the buffer of the bare loop that keeps one.
void Measure(const std::string& path, int rounds, std::vector<char>& kept) {
  std::uint64_t fileSize = 0;
  const std::string messageId = LastEntryField(path, 6, fileSize);
  const std::string lastDate = LastEntryField(path, 8, fileSize);
  if (messageId.empty()) {
    std::printf("no index at %s\n", path.c_str());
    return;
  }
  const std::size_t longest = LongestLine(path);
  ReadThrough(path);  // from the cache on, for all alike
  int result = 0, dateResult = 0;
  long long peak = 0, datePeak = 0;
  // Interleaved, so that a busy moment of the machine weighs on all of them alike.
  std::vector<Times> find, bare, bareKept, grep, findDate;
  for (int round = 0; round < rounds; ++round) {
    find.push_back(Timed([&] { result = FindOnce(path, 6, messageId, peak); }));
    bare.push_back(Timed([&] { ReadThrough(path); }));
    bareKept.push_back(Timed([&] { ReadThrough(path, &kept); }));
    grep.push_back(Grep(messageId, path));
    findDate.push_back(Timed([&] { dateResult = FindOnce(path, 8, lastDate, datePeak); }));
  }
  const double bound = 4.0 * 1024 * 1024 + static_cast<double>(longest);
  std::printf("%s: %.1f MB, longest line %zu bytes; medians of %d rounds\n", path.c_str(), fileSize / 1e6, longest,
              rounds);
  const Times findTimes = Median(find);
  std::printf("  Find of the last Message-Id %9.1f ms (processor %9.1f ms), gave %d\n", findTimes.Wall,
              findTimes.Processor, result);
  PrintAgainst("grep -F -c", findTimes, Median(grep), 1.2);
  // The target against the bare loop holds under Wine; natively it is shown for comparison.
  PrintAgainst("bare read loop", findTimes, Median(bare), 1.5);
  // For comparison: the same loop without the cost of a new buffer, which a reader's first read pays
  // when no reader has left one.
  PrintAgainst("bare loop, one buffer kept", findTimes, Median(bareKept), 0);
  std::printf("  readers' peak heap %.0f KiB, bound 4 MiB + longest line = %.0f KiB: %s\n", peak / 1024.0,
              bound / 1024, peak < bound ? "met" : "MISSED");
  const Times dateTimes = Median(findDate);
  std::printf("  Find of the last Date, every entry looked into: %.1f ms (processor %.1f ms), gave %d, peak %.0f KiB\n",
              dateTimes.Wall, dateTimes.Processor, dateResult, datePeak / 1024.0);
  std::fflush(stdout);
}

std::string TemporaryFolder() {
#ifdef _WIN32
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return folder;
#else
  return "/tmp/";
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __SANITIZE_ADDRESS__
  std::printf("note: built with the sanitizers, the figures mean little\n");
#endif
  std::vector<char> kept(CFileWindow::ReadSize);
  heapBeforeReaders = HeapInUse();
  if (argc > 1) {
    Measure(argv[1], 9, kept);
    return 0;
  }
  const struct {
    const char* Name;
    unsigned Mails;
    double Bytes;
    int Rounds;
  } indexes[] = {{"raz_idx_bench_100k.idx", 100000, 0, 15}, {"raz_idx_bench_1g.idx", 0, 1e9, 5}};
  for (const auto& index : indexes) {
    const std::string path = TemporaryFolder() + index.Name;
    if (WriteIndex(path, index.Mails, index.Bytes)) {
      Measure(path, index.Rounds, kept);
    } else {
      std::printf("%s could not be written\n", path.c_str());
    }
    port::RemoveFile(path);
  }
  return 0;
}
