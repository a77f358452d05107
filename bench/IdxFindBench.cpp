// Finding a mail of a 100,000-mail folder by its Message-Id: the index reader's Find of the very last
// entry against `grep -F -c` of the same text over the same file, run as a whole process as a user
// would run it, and the reader's peak memory against the file's size; beside it, Find of the last
// entry's Date, which splits every entry. Natively and under Wine:
//   idx_find_bench [index file]      (without one, a 100,000-entry index is written to the temp folder)
// Natively, build it without the sanitizers (-DRAZ_SANITIZE=OFF) for figures that mean anything. Under
// Wine grep is not timed (Wine starts a Unix program but gives no handle to wait for it), and the
// processor time counts in steps of 10 ms.
#ifdef _WIN32
#include <windows.h>

#include <psapi.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "core/hostlink/CLongLoop.h"
#include "core/mail/CTovikIdxFile.h"
#include "port/FileSystem.h"

#ifndef _WIN32
extern char** environ;
#endif

#include "bench/BenchClock.h"

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

// Resident memory now and at its peak, in bytes.
void MemoryUse(double& now, double& peak) {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  now = static_cast<double>(counters.WorkingSetSize);
  peak = static_cast<double>(counters.PeakWorkingSetSize);
#else
  now = peak = 0;
  FILE* status = std::fopen("/proc/self/status", "r");
  char line[256];
  while (status != nullptr && std::fgets(line, sizeof line, status)) {
    double kilobytes = 0;
    if (std::sscanf(line, "VmRSS: %lf", &kilobytes) == 1) now = kilobytes * 1024;
    if (std::sscanf(line, "VmHWM: %lf", &kilobytes) == 1) peak = kilobytes * 1024;
  }
  if (status != nullptr) std::fclose(status);
#endif
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

// A folder index as the host writes it: 17 fields a mail, texts of the sizes real mails have.
std::string WriteIndex(const std::string& path, unsigned mails) {
  static const char* const subjects[] = {"Meeting notes", "Quarterly report draft",
                                         "Re: Build failure on the release branch", "Invoice #4711",
                                         "\x89\xef\x8b\x63\x82\xcc\x97\x5c\x92\xe8\x82\xc9\x82\xc2\x82\xa2\x82\xc4"};
  static const char* const senders[] = {"\"Alice Walker\" <alice@example.com>", "\"Bob Smith\" <bob.smith@example.org>",
                                        "\"\x8e\x52\x93\x63\x20\x91\xbe\x98\x59\" <taro.yamada@example.jp>"};
  std::mt19937 random(1);
  FILE* file = std::fopen(port::NativePath(path).c_str(), "wb");
  if (file == nullptr) return std::string();
  std::fprintf(file, "2.00\x01%X\r\n", mails + 1);
  unsigned offset = 0;
  for (unsigned n = 1; n <= mails; ++n) {
    const unsigned date = static_cast<unsigned>(1577836800u + random() % 94608000u);
    const unsigned size = static_cast<unsigned>(600 + random() % 3000);
    char messageId[64];
    std::snprintf(messageId, sizeof messageId, "<%08X.%06u@mx.example.com>", date, n);
    std::fprintf(file,
                 "%X\x01%X\x01%X\x01%s\x01%s\x01\"Tovik User\" <user@example.com>\x01%s\x01\x01%X\x01%X\x01%X\x01"
                 "0\x01%s\x01\x01"
                 "3\x01\x01\r\n",
                 offset, n, size, subjects[random() % 5], senders[random() % 3], messageId, date,
                 static_cast<unsigned>(1 + random() % 8), date, n % 3 == 0 ? "Shift_JIS" : "us-ascii");
    offset += size;
  }
  std::fclose(file);
  return path;
}

// The file's size, and field `field` of its last line.
std::string LastEntryField(const std::string& path, int field, double& fileSize) {
  std::string tail(65536, '\0');
  FILE* file = std::fopen(port::NativePath(path).c_str(), "rb");
  if (file == nullptr) return std::string();
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fseek(file, std::max(0L, size - static_cast<long>(tail.size())), SEEK_SET);
  tail.resize(std::fread(&tail[0], 1, tail.size(), file));
  std::fclose(file);
  fileSize = static_cast<double>(size);
  tail.erase(tail.find_last_not_of("\r\n") + 1);
  std::size_t start = tail.rfind('\n') + 1;  // npos + 1 is 0: a file of one line
  for (int separators = 0; separators < field && start != 0; ++separators) start = tail.find('\x01', start) + 1;
  return start == 0 ? std::string() : tail.substr(start, tail.find('\x01', start) - start);
}

// Times one Find in a new reader, as a search after a renumbering does it.
Times TimeFind(const std::string& path, int field, const std::string& value, int& result) {
  Times times;
  const double start = NowMs(), processor = OwnProcessorMs();
  CTovikIdxFile index(path);
  CQuietLoop loop;
  std::uint32_t position = 0;
  result = index.Open() ? index.Find(position, field, value, loop) : -1;
  times.Wall = NowMs() - start;
  times.Processor = OwnProcessorMs() - processor;
  return times;
}

// The fastest of several runs, by each measure: the one least disturbed by the rest of the machine.
template <class Run>
Times Fastest(int runs, Run run) {
  Times fastest = run();
  for (int i = 1; i < runs; ++i) {
    const Times times = run();
    fastest.Wall = std::min(fastest.Wall, times.Wall);
    fastest.Processor = std::min(fastest.Processor, times.Processor);
  }
  return fastest;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __SANITIZE_ADDRESS__
  std::printf("note: built with the sanitizers, the figures mean little\n");
#endif
  std::string path;
  if (argc > 1) {
    path = argv[1];
  } else {
#ifdef _WIN32
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path = WriteIndex(std::string(folder) + "raz_idx_bench.idx", 100000);
#else
    path = WriteIndex("/tmp/raz_idx_bench.idx", 100000);
#endif
  }
  double fileSize = 0;
  const std::string messageId = LastEntryField(path, 6, fileSize);
  const std::string lastDate = LastEntryField(path, 8, fileSize);
  if (messageId.empty()) {
    std::printf("no index at %s\n", path.c_str());
    return 1;
  }
  double before = 0, peak = 0;
  MemoryUse(before, peak);
  int result = 0, dateResult = 0;
  const Times find = Fastest(20, [&] { return TimeFind(path, 6, messageId, result); });
  double after = 0;
  MemoryUse(after, peak);
  const double readerPeak = peak - before;
  const Times findDate = Fastest(20, [&] { return TimeFind(path, 8, lastDate, dateResult); });
  const Times grep = Fastest(20, [&] { return Grep(messageId, path); });
  std::printf("index %s: %.1f MB, the last entry's Message-Id %s (Find gave %d)\n", path.c_str(), fileSize / 1e6,
              messageId.c_str(), result);
  std::printf("Find %.2f ms (processor %.2f ms)\n", find.Wall, find.Processor);
  if (grep.Wall >= 0) {
    std::printf("grep -F -c %.2f ms (processor %.2f ms): ratio %.2f (processor %.2f), target 1.5\n", grep.Wall,
                grep.Processor, find.Wall / grep.Wall, find.Processor / grep.Processor);
  }
  std::printf("reader's peak memory %.1f MB: %.2f times the file (target below 2)\n", readerPeak / 1e6,
              readerPeak / fileSize);
  std::printf("Find of the last entry's Date %s, every entry split: %.2f ms (processor %.2f ms; Find gave %d)\n",
              lastDate.c_str(), findDate.Wall, findDate.Processor, dateResult);
  return 0;
}
