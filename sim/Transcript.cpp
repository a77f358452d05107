#include "sim/Transcript.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

std::mutex& TranscriptLock() {
  static std::mutex lock;
  return lock;
}

FILE*& TranscriptFile() {
  static FILE* file = nullptr;
  return file;
}

std::vector<std::string>& KeptLines() {
  static std::vector<std::string> lines;
  return lines;
}

}  // namespace

std::vector<std::string> TranscriptLines() {
  std::lock_guard<std::mutex> hold(TranscriptLock());
  return KeptLines();
}

bool OpenTranscriptFile(const std::string& path) {
  std::lock_guard<std::mutex> hold(TranscriptLock());
  TranscriptFile() = std::fopen(path.c_str(), "w");
  return TranscriptFile() != nullptr;
}

void CloseTranscriptFile() {
  std::lock_guard<std::mutex> hold(TranscriptLock());
  if (TranscriptFile()) std::fclose(TranscriptFile());
  TranscriptFile() = nullptr;
}

void Say(const char* format, ...) {
  char line[2048];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  std::lock_guard<std::mutex> hold(TranscriptLock());
  KeptLines().push_back(line);
  std::printf("%s\n", line);
  std::fflush(stdout);
  if (TranscriptFile()) {
    std::fprintf(TranscriptFile(), "%s\n", line);
    std::fflush(TranscriptFile());
  }
}
