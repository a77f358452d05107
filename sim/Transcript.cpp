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

// The transcript is read on Linux terminals and in files: it is written in UTF-8, whatever the
// host's code page.
std::string InUtf8(const char* text) {
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (wideLength <= 0) return text;
  std::wstring wide(wideLength, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return text;
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], length, nullptr, nullptr);
  utf8.resize(length - 1);
  return utf8;
}

bool& KeepingLines() {
  static bool keeping = true;
  return keeping;
}

}  // namespace

void KeepTranscriptLines(bool keep) {
  std::lock_guard<std::mutex> hold(TranscriptLock());
  KeepingLines() = keep;
}

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
  if (KeepingLines()) KeptLines().push_back(line);
  const std::string shown = InUtf8(line);
  std::printf("%s\n", shown.c_str());
  std::fflush(stdout);
  if (TranscriptFile()) {
    std::fprintf(TranscriptFile(), "%s\n", shown.c_str());
    std::fflush(TranscriptFile());
  }
}
